#pragma once
// The one authority on how the framework looks: dark or light theme, the accent colour, the
// fonts, and the default colour sets controls use when their own custom colours are off. It
// follows the user's system setting (polled ten times a second while in Auto mode) and the
// window manager's accent colour, and after every change it rebuilds its default sets and
// asks every open framework form (every form that implements LyControl) to update its theme.
// UI thread only.
#include "lyra/color_sets.h"
#include "lyra/color_state_sets.h"
#include "lyra/system_theme.h"
#include "lyra/types.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace toolkit {
class Component;
class Timer;
} // namespace toolkit

namespace lyra {

enum class LyThemeType { Redraw, Colorization, AppTheme };
// Raised by forms when their theme changed.
using LyThemeChange = std::function<void(toolkit::Component* Sender, LyThemeType ThemeChange,
                                         bool DarkTheme, TColor Accent)>;

// "Segoe Fluent Icons" (Windows 11) when it is installed, else "Segoe MDL2 Assets" (Windows 10).
std::wstring ChooseIconFont(const std::vector<std::wstring>& InstalledFonts);

struct LyThemeManagerOptions {
    LySystemThemeKeys Keys;
    // Inside a designer the manager shows the light theme and does not poll the system.
    bool Designing = false;
};

class LyThemeManager {
  public:
    explicit LyThemeManager(LyThemeManagerOptions Options = {});
    ~LyThemeManager();
    LyThemeManager(const LyThemeManager&) = delete;
    LyThemeManager& operator=(const LyThemeManager&) = delete;

    bool DarkTheme() const { return FDarkTheme; }
    // A different value updates the settings.
    void SetDarkTheme(bool value);
    LyDarkSetting DarkThemeMode() const { return FDarkThemeMode; }
    // Forcing a theme applies it at once. Back in Auto the theme in force stays until the
    // next poll reads the system.
    void SetDarkThemeMode(LyDarkSetting value);
    TColor AccentColor() const { return FAccentColor; }
    // Stops following the system accent, then updates the settings.
    void SetAccentColor(TColor value);
    bool AutoAccentColor() const { return FAutoAccentColor; }
    // Turning it on updates the settings, which reads the system accent.
    void SetAutoAccentColor(bool value);
    bool Designing() const { return FDesigning; }

    const std::wstring& FormFont() const { return FFormFont; }
    void SetFormFont(const std::wstring& value) { FFormFont = value; }
    int FormFontHeight() const { return FFormFontHeight; }
    void SetFormFontHeight(int value) { FFormFontHeight = value; }
    int LargeFontHeight() const { return FLargeFontHeight; }
    void SetLargeFontHeight(int value) { FLargeFontHeight = value; }
    const std::wstring& IconFont() const { return FIconFont; }
    void SetIconFont(const std::wstring& value) { FIconFont = value; }

    // A resolved set takes SystemColor, a source set SystemColorSet (matching published
    // properties, Enabled included).
    void LoadColorSet(LyColorSet& ColorSet) const;
    void LoadColorSet(LyColorSets& ColorSet) const;
    // White in the light theme, black in the dark one.
    TColor GetThemePrimaryColor() const;

    void LoadFontSettings();
    // Follows the system setting when it differs from the theme in force.
    void UpdateThemeInformation();
    // Re-resolves the default sets for the theme and accent in force.
    void UpdateColors();
    // Fonts, colours, then every open framework form.
    void UpdateSettings();
    // UpdateTheme(true) on every form of the screen that implements LyControl.
    void NotifyUpdate();
    // UpdateSettings at most once a second, for storms of colourisation messages.
    void MeasuredUpdateSettings();

    // The poll of the system setting; none while designing.
    toolkit::Timer* RegistryMonitor() const { return FRegistryMonitor.get(); }

    std::chrono::steady_clock::time_point LastUpdate;
    // The default source set, with the accent in force.
    LyCompleteColorSets SystemColorSet;
    // SystemColorSet resolved for the theme in force.
    LyCompleteColorSet SystemColor;
    // Grey state colours, with the accent in force.
    LySingleColorStateSets SystemGrayControl;
    // The accent, lightened by 25 and darkened by 25.
    LySingleColorStateSet SystemAccentInteractStates;
    const LyCompleteColorSets& SystemToolTip() const { return FSystemToolTip; }

  private:
    LySystemThemeKeys FKeys;
    bool FDesigning;
    bool FDarkTheme = false;
    LyDarkSetting FDarkThemeMode = LyDarkSetting::Auto;
    std::wstring FFormFont;
    std::wstring FIconFont;
    int FFormFontHeight = 0;
    int FLargeFontHeight = 0;
    TColor FAccentColor = SystemDefaultAccent;
    bool FAutoAccentColor = true;
    LyCompleteColorSets FSystemToolTip;
    // Last, so it stops before anything it reaches goes away.
    std::unique_ptr<toolkit::Timer> FRegistryMonitor;
};

// The process-wide manager, made on first use and kept until the program ends.
LyThemeManager& ThemeManager();
// Makes the manager now, so that it has read the system's theme and accent before anything
// is shown; programs call it first thing.
void StartThemeManager();

// The colour of that kind from the dark or light half of Colors, as the theme in force says.
TColor GetThemeColor(const LyColorSets& Colors, LyColorKind Kind);

} // namespace lyra
