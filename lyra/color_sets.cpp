#include "lyra/color_sets.h"

namespace lyra {

LyColorSets::LyColorSets(toolkit::Persistent* AOwner, bool FocusControl)
    : LyPersistentColor(AOwner) {
    if (FocusControl) {
        LightBackGround.Store(0x00FBFBFB);
        DarkBackGround.Store(0x002B2B2B);
    }
    PublishColorField(L"Accent", Accent);
    PublishColorField(L"LightBackGround", LightBackGround);
    PublishColorField(L"LightForeGround", LightForeGround);
    PublishColorField(L"DarkBackGround", DarkBackGround);
    PublishColorField(L"DarkForeGround", DarkForeGround);
    PublishEnabled();
}

TColor LyColorSets::ThemeColor(bool DarkTheme, LyColorKind Kind) const {
    switch (Kind) {
    case LyColorKind::ForeGround:
        return DarkTheme ? DarkForeGround : LightForeGround;
    case LyColorKind::Accent:
        return Accent;
    case LyColorKind::BackGround:
        return DarkTheme ? DarkBackGround : LightBackGround;
    default:
        return 0;
    }
}

LyCompleteColorSets::LyCompleteColorSets(toolkit::Persistent* AOwner) : LyColorSets(AOwner) {
    PublishColorField(L"LightBackGroundInterior", LightBackGroundInterior);
    PublishColorField(L"DarkBackGroundInterior", DarkBackGroundInterior);
}

TColor LyCompleteColorSets::ThemeColor(bool DarkTheme, LyColorKind Kind) const {
    if (Kind == LyColorKind::BackGroundInterior)
        return DarkTheme ? DarkBackGroundInterior : LightBackGroundInterior;
    return LyColorSets::ThemeColor(DarkTheme, Kind);
}

LyColorSet::LyColorSet(toolkit::Persistent* AOwner) : LyPersistentColor(AOwner) {
    PublishColorField(L"Accent", Accent);
    PublishColorField(L"BackGround", BackGround);
    PublishColorField(L"ForeGround", ForeGround);
}

LyColorSet::LyColorSet(toolkit::Persistent* AOwner, const LyColorSets& Colors, bool DarkColor)
    : LyColorSet(AOwner) {
    LoadFrom(Colors, DarkColor);
}

void LyColorSet::LoadFrom(const LyColorSets& Colors, bool DarkColor) {
    Accent = Colors.Accent;
    BackGround = Colors.ThemeColor(DarkColor, LyColorKind::BackGround);
    ForeGround = Colors.ThemeColor(DarkColor, LyColorKind::ForeGround);
}

LyCompleteColorSet::LyCompleteColorSet(toolkit::Persistent* AOwner) : LyColorSet(AOwner) {
    PublishColorField(L"BackGroundInterior", BackGroundInterior);
}

LyCompleteColorSet::LyCompleteColorSet(const LyCompleteColorSets& Colors, bool DarkColor)
    : LyCompleteColorSet(nullptr) {
    LoadFrom(Colors, DarkColor);
}

void LyCompleteColorSet::LoadFrom(const LyCompleteColorSets& Colors, bool DarkColor) {
    LyColorSet::LoadFrom(Colors, DarkColor);
    BackGroundInterior = Colors.ThemeColor(DarkColor, LyColorKind::BackGroundInterior);
}

} // namespace lyra
