#include "lyra/theme_manager.h"

#include "lyra/control_interface.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <algorithm>

namespace lyra {

namespace {
constexpr int PollInterval = 100; // milliseconds
constexpr auto UpdateDamping = std::chrono::seconds(1);
constexpr int AccentStep = 25;
} // namespace

std::wstring ChooseIconFont(const std::vector<std::wstring>& InstalledFonts) {
    const std::wstring fluent = L"Segoe Fluent Icons";
    const bool installed =
        std::find(InstalledFonts.begin(), InstalledFonts.end(), fluent) != InstalledFonts.end();
    return installed ? fluent : L"Segoe MDL2 Assets";
}

LyThemeManager::LyThemeManager(LyThemeManagerOptions Options)
    : FKeys(std::move(Options.Keys)), FDesigning(Options.Designing) {
    FDarkTheme = !FDesigning && IsSystemDarkTheme(FKeys);
    LastUpdate = std::chrono::steady_clock::now();
    LoadFontSettings();
    UpdateColors();
    if (FDesigning) return;
    FRegistryMonitor = std::make_unique<toolkit::Timer>(nullptr);
    FRegistryMonitor->SetInterval(PollInterval);
    FRegistryMonitor->OnTimer = [this](toolkit::Component*) {
        if (FDarkThemeMode == LyDarkSetting::Auto) UpdateThemeInformation();
    };
}

LyThemeManager::~LyThemeManager() = default;

void LyThemeManager::SetDarkTheme(bool value) {
    if (value == FDarkTheme) return;
    FDarkTheme = value;
    UpdateSettings();
}

void LyThemeManager::SetDarkThemeMode(LyDarkSetting value) {
    FDarkThemeMode = value;
    switch (value) {
    case LyDarkSetting::ForceDark:
        SetDarkTheme(true);
        break;
    case LyDarkSetting::ForceLight:
        SetDarkTheme(false);
        break;
    case LyDarkSetting::Auto:
        break;
    }
}

void LyThemeManager::SetAccentColor(TColor value) {
    FAutoAccentColor = false;
    FAccentColor = value;
    UpdateSettings();
}

void LyThemeManager::SetAutoAccentColor(bool value) {
    FAutoAccentColor = value;
    if (value) UpdateSettings();
}

void LyThemeManager::LoadColorSet(LyColorSet& ColorSet) const {
    ColorSet.Assign(SystemColor);
}

void LyThemeManager::LoadColorSet(LyColorSets& ColorSet) const {
    ColorSet.Assign(SystemColorSet);
}

TColor LyThemeManager::GetThemePrimaryColor() const {
    return FDarkTheme ? 0x00000000 : 0x00FFFFFF;
}

void LyThemeManager::LoadFontSettings() {
    FIconFont = ChooseIconFont(toolkit::Screen::Instance().Fonts());
    FFormFont = L"Segoe UI";
    FFormFontHeight = 22;
    FLargeFontHeight = -20;
}

void LyThemeManager::UpdateThemeInformation() {
    SetDarkTheme(IsSystemDarkTheme(FKeys));
}

void LyThemeManager::UpdateColors() {
    SystemColor.LoadFrom(SystemColorSet, FDarkTheme);
    if (FAutoAccentColor) FAccentColor = GetSystemAccentColor(true, FKeys);
    SystemColor.Accent = FAccentColor;
    SystemColorSet.Accent = FAccentColor;
    SystemGrayControl.Accent = FAccentColor;
    SystemAccentInteractStates.LoadColors(FAccentColor, ChangeColorLight(FAccentColor, AccentStep),
                                          ChangeColorLight(FAccentColor, -AccentStep));
}

void LyThemeManager::UpdateSettings() {
    LastUpdate = std::chrono::steady_clock::now();
    LoadFontSettings();
    UpdateColors();
    NotifyUpdate();
}

void LyThemeManager::NotifyUpdate() {
    toolkit::Screen& screen = toolkit::Screen::Instance();
    // A copy: a form's update may close or open forms.
    const std::vector<toolkit::Form*> forms = screen.Forms();
    for (toolkit::Form* form : forms) {
        if (!screen.Contains(form)) continue;
        if (auto* control = dynamic_cast<LyControl*>(form)) control->UpdateTheme(true);
    }
}

void LyThemeManager::MeasuredUpdateSettings() {
    if (std::chrono::steady_clock::now() - LastUpdate >= UpdateDamping) UpdateSettings();
}

LyThemeManager& ThemeManager() {
    static LyThemeManager manager;
    return manager;
}

void StartThemeManager() {
    ThemeManager();
}

TColor GetThemeColor(const LyColorSets& Colors, LyColorKind Kind) {
    return Colors.ThemeColor(ThemeManager().DarkTheme(), Kind);
}

} // namespace lyra
