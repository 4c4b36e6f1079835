#pragma once
// Colour sets with one colour per interaction state (None, Hover, Press). Source sets
// (LyColorStateSets, LySingleColorStateSets) hold light and dark versions and notify their
// owner; resolved sets (LyColorStateSet, LySingleColorStateSet) hold one version.
// A set made with just an owner starts black: controls fill it in, and stored windows
// carry those values.
#include "lyra/color_sets.h"
#include "lyra/types.h"

#include <initializer_list>

namespace lyra {

// Background and foreground per state.
class LyColorStateSets : public LyPersistentColor {
  public:
    // The default grey control colours.
    LyColorStateSets();
    explicit LyColorStateSets(toolkit::Persistent* AOwner);

    LySourceColor Accent{*this, 0};
    LySourceColor LightBackgroundNone{*this, 0};
    LySourceColor LightBackgroundHover{*this, 0};
    LySourceColor LightBackgroundPress{*this, 0};
    LySourceColor LightForeGroundNone{*this, 0};
    LySourceColor LightForeGroundHover{*this, 0};
    LySourceColor LightForeGroundPress{*this, 0};
    LySourceColor DarkBackGroundNone{*this, 0};
    LySourceColor DarkBackGroundHover{*this, 0};
    LySourceColor DarkBackGroundPress{*this, 0};
    LySourceColor DarkForeGroundNone{*this, 0};
    LySourceColor DarkForeGroundHover{*this, 0};
    LySourceColor DarkForeGroundPress{*this, 0};

    // 0 for a state out of range.
    TColor GetColor(bool DarkTheme, bool Foreground, LyControlState State) const;
};

class LyColorStateSet : public LyPersistentColor {
  public:
    explicit LyColorStateSet(toolkit::Persistent* AOwner = nullptr);
    LyColorStateSet(const LyColorStateSets& AFrom, bool DarkColor);

    TColor Accent = 0;
    TColor BackgroundNone = 0;
    TColor BackgroundHover = 0;
    TColor BackgroundPress = 0;
    TColor ForeGroundNone = 0;
    TColor ForeGroundHover = 0;
    TColor ForeGroundPress = 0;

    // Accent, and the three background and three foreground colours of that half.
    void LoadFrom(const LyColorStateSets& AFrom, bool DarkColor);
    // 0 for a state out of range.
    TColor GetColor(bool Foreground, LyControlState State) const;
};

// One colour per state.
class LySingleColorStateSets : public LyPersistentColor {
  public:
    // The default grey control colours.
    LySingleColorStateSets();
    explicit LySingleColorStateSets(toolkit::Persistent* AOwner);

    LySourceColor Accent{*this, 0};
    LySourceColor LightNone{*this, 0};
    LySourceColor LightHover{*this, 0};
    LySourceColor LightPress{*this, 0};
    LySourceColor DarkNone{*this, 0};
    LySourceColor DarkHover{*this, 0};
    LySourceColor DarkPress{*this, 0};

    // Each stores the three colours of its half, then notifies the owner once.
    void SetLightColor(TColor None, TColor Hover, TColor Press);
    void SetDarkColor(TColor None, TColor Hover, TColor Press);
    // 0 for a state out of range.
    TColor GetColor(bool DarkTheme, LyControlState State) const;

  private:
    void SetHalf(bool Dark, std::initializer_list<TColor> Colors);
};

class LySingleColorStateSet : public LyPersistentColor {
  public:
    explicit LySingleColorStateSet(toolkit::Persistent* AOwner = nullptr);
    LySingleColorStateSet(TColor ANone, TColor AHover, TColor APress);
    LySingleColorStateSet(const LySingleColorStateSets& Colors, bool DarkTheme);

    TColor Accent = 0;
    TColor None = 0;
    TColor Hover = 0;
    TColor Press = 0;

    void LoadColors(TColor ANone, TColor AHover, TColor APress);
    // The three colours of that half; Accent stays.
    void LoadColors(const LySingleColorStateSets& Colors, bool DarkTheme);
    // Accent and the three state colours.
    void CopyFrom(const LySingleColorStateSet& FromSet);
    // 0 for a state out of range.
    TColor GetColor(LyControlState AState) const;
    // Nothing happens for a state out of range.
    void SetStateColor(LyControlState AState, TColor Value);
};

} // namespace lyra
