#pragma once
// Background and foreground colour sets. A source set (LyColorSets, LyCompleteColorSets)
// holds a light and a dark version of each colour and is published on a control; a resolved
// set (LyColorSet, LyCompleteColorSet) holds the version of the theme in force and is what
// painting reads.
#include "lyra/persistent_color.h"

namespace lyra {

// The colours GetThemeColor hands out, by the numbers forms and controls use.
enum class LyColorKind { ForeGround = 0, Accent = 1, BackGround = 2, BackGroundInterior = 3 };

// The Windows 11 default accent #0078D4.
inline constexpr TColor DefaultAccentColor = 0x00D47800;

class LyColorSets : public LyPersistentColor {
  public:
    // A focus control (one that takes typing, like an edit) stands out from the window:
    // a lighter light and a lighter dark background.
    explicit LyColorSets(bool FocusControl = false) : LyColorSets(nullptr, FocusControl) {}
    explicit LyColorSets(toolkit::Persistent* AOwner, bool FocusControl = false);

    LySourceColor Accent{*this, DefaultAccentColor};
    LySourceColor LightBackGround{*this, 0x00F3F3F3};
    LySourceColor LightForeGround{*this, 0x001B1B1A};
    LySourceColor DarkBackGround{*this, 0x00202020};
    LySourceColor DarkForeGround{*this, 0x00FFFFFF};

    // The colour of that kind in the dark or the light half; 0 for a kind the set lacks.
    virtual TColor ThemeColor(bool DarkTheme, LyColorKind Kind) const;
};

class LyCompleteColorSets : public LyColorSets {
  public:
    LyCompleteColorSets() : LyCompleteColorSets(nullptr) {}
    explicit LyCompleteColorSets(toolkit::Persistent* AOwner);

    LySourceColor LightBackGroundInterior{*this, 0x00FBFBFB};
    LySourceColor DarkBackGroundInterior{*this, 0x002B2B2B};

    TColor ThemeColor(bool DarkTheme, LyColorKind Kind) const override;
};

class LyColorSet : public LyPersistentColor {
  public:
    LyColorSet() : LyColorSet(nullptr) {}
    explicit LyColorSet(toolkit::Persistent* AOwner);
    LyColorSet(const LyColorSets& Colors, bool DarkColor)
        : LyColorSet(nullptr, Colors, DarkColor) {}
    LyColorSet(toolkit::Persistent* AOwner, const LyColorSets& Colors, bool DarkColor);

    TColor Accent = DefaultAccentColor;
    TColor BackGround = 0;
    TColor ForeGround = 0;

    // Accent, and the background and foreground of the dark or the light half.
    void LoadFrom(const LyColorSets& Colors, bool DarkColor);
};

class LyCompleteColorSet : public LyColorSet {
  public:
    LyCompleteColorSet() : LyCompleteColorSet(nullptr) {}
    explicit LyCompleteColorSet(toolkit::Persistent* AOwner);
    LyCompleteColorSet(const LyCompleteColorSets& Colors, bool DarkColor);

    TColor BackGroundInterior = 0;

    using LyColorSet::LoadFrom;
    // Also the interior background of that half.
    void LoadFrom(const LyCompleteColorSets& Colors, bool DarkColor);
};

} // namespace lyra
