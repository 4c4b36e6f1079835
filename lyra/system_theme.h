#pragma once
// What the system says about the look of applications: light or dark, and the accent colour
// of the window manager. Both are per-user registry values, read afresh on every call.
#include "lyra/colors.h"

#include <string>

namespace lyra {

// The keys below HKEY_CURRENT_USER that hold the settings. Tests point them at scratch keys
// so that they never touch the user's real theme.
struct LySystemThemeKeys {
    std::wstring Personalize = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
    std::wstring Dwm = L"Software\\Microsoft\\Windows\\DWM";
};

// The accent Windows shows when the user has chosen none, #0078D7.
inline constexpr TColor SystemDefaultAccent = 0x00D77800;

// True when applications are to use the dark theme: "AppsUseLightTheme" holds a 32-bit number
// other than 1. A missing key or value, or a value of another type, means light.
bool IsSystemDarkTheme(const LySystemThemeKeys& Keys = {});

// The window manager's "AccentColor" (stored with an alpha byte on top, which is dropped), or
// #0078D7 when there is none; with Lighten, each channel is raised by 50.
TColor GetSystemAccentColor(bool Lighten, const LySystemThemeKeys& Keys = {});

} // namespace lyra
