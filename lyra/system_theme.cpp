#include "lyra/system_theme.h"

#include "vel/registry_key.h"

#include <cstdint>
#include <optional>

namespace lyra {

namespace {
// A REG_DWORD value of the current user's key; nothing when the key or value is missing or
// holds another type, which the callers treat alike.
std::optional<std::uint32_t> ReadUserNumber(const std::wstring& key, const std::wstring& name) {
    vel::UniqueKey opened;
    if (vel::OpenRegKey(HKEY_CURRENT_USER, key, KEY_READ, opened) != ERROR_SUCCESS)
        return std::nullopt;
    vel::TRegValue value;
    if (vel::ReadRegValue(opened.Get(), name, value) != ERROR_SUCCESS) return std::nullopt;
    if (auto number = vel::DecodeInteger(value)) return std::uint32_t(*number);
    return std::nullopt;
}
} // namespace

bool IsSystemDarkTheme(const LySystemThemeKeys& Keys) {
    const auto useLight = ReadUserNumber(Keys.Personalize, L"AppsUseLightTheme");
    return useLight && *useLight != 1;
}

TColor GetSystemAccentColor(bool Lighten, const LySystemThemeKeys& Keys) {
    TColor accent = SystemDefaultAccent;
    // The top byte is the colour's alpha. Left in a colour reference it would turn it into
    // a system or palette colour, so only the three colour bytes count.
    if (const auto stored = ReadUserNumber(Keys.Dwm, L"AccentColor"))
        accent = TColor(*stored & 0x00FFFFFF);
    return Lighten ? ChangeColorLight(accent, 50) : accent;
}

} // namespace lyra
