#include "lyra/color_state_sets.h"

#include <array>
#include <cstddef>

namespace lyra {

namespace {
constexpr int StateCount = 3;

// The ordinal of a state, or -1 for a value that is none of them.
int Ordinal(LyControlState state) {
    const int ordinal = int(state);
    return ordinal >= 0 && ordinal < StateCount ? ordinal : -1;
}

// Each set lists its state colours in field order, in groups of three (None, Hover, Press):
// the names window descriptions use, and the table lookups index by group and state.
template <class Set, class Field, std::size_t N>
TColor Lookup(const Set& set, const LyNamedColor<Set, Field> (&colors)[N], int group,
              LyControlState state) {
    const int ordinal = Ordinal(state);
    if (ordinal < 0) return 0;
    return TColor(set.*colors[group * StateCount + ordinal].field);
}

using S = LyColorStateSets;
constexpr LyNamedColor<S, LySourceColor> StateSetsColors[] = {
    {L"LightBackgroundNone", &S::LightBackgroundNone},
    {L"LightBackgroundHover", &S::LightBackgroundHover},
    {L"LightBackgroundPress", &S::LightBackgroundPress},
    {L"LightForeGroundNone", &S::LightForeGroundNone},
    {L"LightForeGroundHover", &S::LightForeGroundHover},
    {L"LightForeGroundPress", &S::LightForeGroundPress},
    {L"DarkBackGroundNone", &S::DarkBackGroundNone},
    {L"DarkBackGroundHover", &S::DarkBackGroundHover},
    {L"DarkBackGroundPress", &S::DarkBackGroundPress},
    {L"DarkForeGroundNone", &S::DarkForeGroundNone},
    {L"DarkForeGroundHover", &S::DarkForeGroundHover},
    {L"DarkForeGroundPress", &S::DarkForeGroundPress},
};

using R = LyColorStateSet;
constexpr LyNamedColor<R, TColor> StateSetColors[] = {
    {L"BackgroundNone", &R::BackgroundNone},   {L"BackgroundHover", &R::BackgroundHover},
    {L"BackgroundPress", &R::BackgroundPress}, {L"ForeGroundNone", &R::ForeGroundNone},
    {L"ForeGroundHover", &R::ForeGroundHover}, {L"ForeGroundPress", &R::ForeGroundPress},
};

using SS = LySingleColorStateSets;
constexpr LyNamedColor<SS, LySourceColor> SingleSetsColors[] = {
    {L"LightNone", &SS::LightNone},   {L"LightHover", &SS::LightHover},
    {L"LightPress", &SS::LightPress}, {L"DarkNone", &SS::DarkNone},
    {L"DarkHover", &SS::DarkHover},   {L"DarkPress", &SS::DarkPress},
};

using RS = LySingleColorStateSet;
constexpr LyNamedColor<RS, TColor> SingleSetColors[] = {
    {L"None", &RS::None}, {L"Hover", &RS::Hover}, {L"Press", &RS::Press}};

// The default grey control backgrounds per state, and the foregrounds on them.
constexpr std::array<TColor, StateCount> LightGray{0x008B8B8B, 0x009F9F9F, 0x00757575};
constexpr std::array<TColor, StateCount> DarkGray{0x00A29F9D, 0x00B7B5B3, 0x008D8987};
constexpr std::array<TColor, StateCount> LightGrayText{0x001B1B1B, 0x001B1B1B, 0x00878787};
constexpr std::array<TColor, StateCount> DarkGrayText{0x00FFFFFF, 0x00FFFFFF, 0x00CECECE};

// Stores the halves' colours, one state group after the other, in field order.
template <class Set, std::size_t N>
void StoreDefaults(Set& set, const LyNamedColor<Set, LySourceColor> (&colors)[N],
                   std::initializer_list<std::array<TColor, StateCount>> groups) {
    int index = 0;
    for (const auto& group : groups)
        for (TColor color : group)
            (set.*colors[index++].field).Store(color);
}
} // namespace

LyColorStateSets::LyColorStateSets(toolkit::Persistent* AOwner) : LyPersistentColor(AOwner) {
    PublishColors(Accent, StateSetsColors);
}

LyColorStateSets::LyColorStateSets() : LyColorStateSets(nullptr) {
    Accent.Store(DefaultAccentColor);
    StoreDefaults(*this, StateSetsColors, {LightGray, LightGrayText, DarkGray, DarkGrayText});
}

TColor LyColorStateSets::GetColor(bool DarkTheme, bool Foreground, LyControlState State) const {
    return Lookup(*this, StateSetsColors, (DarkTheme ? 2 : 0) + (Foreground ? 1 : 0), State);
}

LyColorStateSet::LyColorStateSet(toolkit::Persistent* AOwner) : LyPersistentColor(AOwner) {
    PublishColors(Accent, StateSetColors);
}

LyColorStateSet::LyColorStateSet(const LyColorStateSets& AFrom, bool DarkColor)
    : LyColorStateSet() {
    LoadFrom(AFrom, DarkColor);
}

void LyColorStateSet::LoadFrom(const LyColorStateSets& AFrom, bool DarkColor) {
    Accent = AFrom.Accent;
    const int first = DarkColor ? 2 * StateCount : 0;
    for (int i = 0; i < 2 * StateCount; ++i)
        this->*StateSetColors[i].field = AFrom.*StateSetsColors[first + i].field;
}

TColor LyColorStateSet::GetColor(bool Foreground, LyControlState State) const {
    return Lookup(*this, StateSetColors, Foreground ? 1 : 0, State);
}

LySingleColorStateSets::LySingleColorStateSets(toolkit::Persistent* AOwner)
    : LyPersistentColor(AOwner) {
    PublishColors(Accent, SingleSetsColors);
}

LySingleColorStateSets::LySingleColorStateSets() : LySingleColorStateSets(nullptr) {
    Accent.Store(DefaultAccentColor);
    StoreDefaults(*this, SingleSetsColors, {LightGray, DarkGray});
}

void LySingleColorStateSets::SetLightColor(TColor None, TColor Hover, TColor Press) {
    SetHalf(false, {None, Hover, Press});
}

void LySingleColorStateSets::SetDarkColor(TColor None, TColor Hover, TColor Press) {
    SetHalf(true, {None, Hover, Press});
}

void LySingleColorStateSets::SetHalf(bool Dark, std::initializer_list<TColor> Colors) {
    int index = Dark ? StateCount : 0;
    for (TColor color : Colors)
        (this->*SingleSetsColors[index++].field).Store(color);
    NotifyOwner();
}

TColor LySingleColorStateSets::GetColor(bool DarkTheme, LyControlState State) const {
    return Lookup(*this, SingleSetsColors, DarkTheme ? 1 : 0, State);
}

LySingleColorStateSet::LySingleColorStateSet(toolkit::Persistent* AOwner)
    : LyPersistentColor(AOwner) {
    PublishColors(Accent, SingleSetColors);
}

LySingleColorStateSet::LySingleColorStateSet(TColor ANone, TColor AHover, TColor APress)
    : LySingleColorStateSet() {
    LoadColors(ANone, AHover, APress);
}

LySingleColorStateSet::LySingleColorStateSet(const LySingleColorStateSets& Colors, bool DarkTheme)
    : LySingleColorStateSet() {
    LoadColors(Colors, DarkTheme);
}

void LySingleColorStateSet::LoadColors(TColor ANone, TColor AHover, TColor APress) {
    None = ANone;
    Hover = AHover;
    Press = APress;
}

void LySingleColorStateSet::LoadColors(const LySingleColorStateSets& Colors, bool DarkTheme) {
    const int first = DarkTheme ? StateCount : 0;
    for (int i = 0; i < StateCount; ++i)
        this->*SingleSetColors[i].field = Colors.*SingleSetsColors[first + i].field;
}

void LySingleColorStateSet::CopyFrom(const LySingleColorStateSet& FromSet) {
    Accent = FromSet.Accent;
    LoadColors(FromSet.None, FromSet.Hover, FromSet.Press);
}

TColor LySingleColorStateSet::GetColor(LyControlState AState) const {
    return Lookup(*this, SingleSetColors, 0, AState);
}

void LySingleColorStateSet::SetStateColor(LyControlState AState, TColor Value) {
    const int ordinal = Ordinal(AState);
    if (ordinal >= 0) this->*SingleSetColors[ordinal].field = Value;
}

} // namespace lyra
