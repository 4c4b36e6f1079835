// Colour sets: published names and defaults (the window-description format), lookups by
// half and state, resolving a source set, and Assign between kinds of sets.
#include "color_set_support.h"

#include "lyra/color_state_sets.h"
#include "toolkit/error.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

namespace {

using lyra::LyColorSet;
using lyra::LyColorSets;
using lyra::LyColorStateSet;
using lyra::LyColorStateSets;
using lyra::LyCompleteColorSet;
using lyra::LyCompleteColorSets;
using lyra::LyControlState;
using lyra::LySingleColorStateSet;
using lyra::LySingleColorStateSets;
using lyra::TColor;
using Colors = std::vector<std::pair<std::wstring, TColor>>;

struct DefaultsCase {
    const char* what;
    std::function<std::unique_ptr<lyra::LyPersistentColor>()> make;
    Colors colors; // in publishing order
    // Where Enabled comes among them: after the colours of the class that publishes it.
    std::optional<std::size_t> enabledAt;
};

// An owner that is no control: nothing to notify.
class PlainOwner : public toolkit::Persistent {};
PlainOwner someOwner;

template <class T, class... Args> auto Maker(Args... args) {
    return
        [=]() -> std::unique_ptr<lyra::LyPersistentColor> { return std::make_unique<T>(args...); };
}

const Colors sourceDefaults = {{L"Accent", 0x00D47800},
                               {L"LightBackGround", 0x00F3F3F3},
                               {L"LightForeGround", 0x001B1B1A},
                               {L"DarkBackGround", 0x00202020},
                               {L"DarkForeGround", 0x00FFFFFF}};
const Colors stateNames = {{L"Accent", 0},
                           {L"LightBackgroundNone", 0},
                           {L"LightBackgroundHover", 0},
                           {L"LightBackgroundPress", 0},
                           {L"LightForeGroundNone", 0},
                           {L"LightForeGroundHover", 0},
                           {L"LightForeGroundPress", 0},
                           {L"DarkBackGroundNone", 0},
                           {L"DarkBackGroundHover", 0},
                           {L"DarkBackGroundPress", 0},
                           {L"DarkForeGroundNone", 0},
                           {L"DarkForeGroundHover", 0},
                           {L"DarkForeGroundPress", 0}};
const Colors singleNames = {{L"Accent", 0},     {L"LightNone", 0}, {L"LightHover", 0},
                            {L"LightPress", 0}, {L"DarkNone", 0},  {L"DarkHover", 0},
                            {L"DarkPress", 0}};

Colors WithValues(const Colors& names, const std::vector<TColor>& values) {
    Colors result = names;
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i].second = values.at(i);
    return result;
}

const DefaultsCase defaultsCases[] = {
    {"LyColorSets", Maker<LyColorSets>(), sourceDefaults, 5},
    {"LyColorSets owned", Maker<LyColorSets>(&someOwner), sourceDefaults, 5},
    {"LyColorSets focus",
     Maker<LyColorSets>(true),
     {{L"Accent", 0x00D47800},
      {L"LightBackGround", 0x00FBFBFB},
      {L"LightForeGround", 0x001B1B1A},
      {L"DarkBackGround", 0x002B2B2B},
      {L"DarkForeGround", 0x00FFFFFF}},
     5},
    {"LyCompleteColorSets",
     Maker<LyCompleteColorSets>(),
     {{L"Accent", 0x00D47800},
      {L"LightBackGround", 0x00F3F3F3},
      {L"LightForeGround", 0x001B1B1A},
      {L"DarkBackGround", 0x00202020},
      {L"DarkForeGround", 0x00FFFFFF},
      {L"LightBackGroundInterior", 0x00FBFBFB},
      {L"DarkBackGroundInterior", 0x002B2B2B}},
     5},
    {"LyColorSet",
     Maker<LyColorSet>(),
     {{L"Accent", 0x00D47800}, {L"BackGround", 0}, {L"ForeGround", 0}},
     std::nullopt},
    {"LyCompleteColorSet",
     Maker<LyCompleteColorSet>(&someOwner),
     {{L"Accent", 0x00D47800}, {L"BackGround", 0}, {L"ForeGround", 0}, {L"BackGroundInterior", 0}},
     std::nullopt},
    {"LyColorStateSets", Maker<LyColorStateSets>(),
     WithValues(stateNames,
                {0x00D47800, 0x008B8B8B, 0x009F9F9F, 0x00757575, 0x001B1B1B, 0x001B1B1B, 0x00878787,
                 0x00A29F9D, 0x00B7B5B3, 0x008D8987, 0x00FFFFFF, 0x00FFFFFF, 0x00CECECE}),
     13},
    {"LyColorStateSets owned", Maker<LyColorStateSets>(&someOwner), stateNames, 13},
    {"LyColorStateSet",
     Maker<LyColorStateSet>(),
     {{L"Accent", 0},
      {L"BackgroundNone", 0},
      {L"BackgroundHover", 0},
      {L"BackgroundPress", 0},
      {L"ForeGroundNone", 0},
      {L"ForeGroundHover", 0},
      {L"ForeGroundPress", 0}},
     7},
    {"LySingleColorStateSets", Maker<LySingleColorStateSets>(),
     WithValues(singleNames, {0x00D47800, 0x008B8B8B, 0x009F9F9F, 0x00757575, 0x00A29F9D,
                              0x00B7B5B3, 0x008D8987}),
     7},
    {"LySingleColorStateSets owned", Maker<LySingleColorStateSets>(&someOwner), singleNames, 7},
    {"LySingleColorStateSet",
     Maker<LySingleColorStateSet>(TColor(1), TColor(2), TColor(3)),
     {{L"Accent", 0}, {L"None", 1}, {L"Hover", 2}, {L"Press", 3}},
     4},
};

TEST(ColorSetsTest, PublishedNamesAndDefaultsFollowTheDescriptionFormat) {
    for (const auto& c : defaultsCases) {
        SCOPED_TRACE(c.what);
        auto set = c.make();
        EXPECT_EQ(test::PublishedColors(*set), c.colors);
        std::vector<std::wstring> names;
        for (const auto& color : c.colors)
            names.push_back(color.first);
        if (c.enabledAt) names.insert(names.begin() + *c.enabledAt, L"Enabled");
        EXPECT_EQ(test::PublishedNames(*set), names);
        EXPECT_FALSE(set->Enabled());
    }
}

TEST(ColorSetsTest, SetsRememberTheirOwner) {
    LyColorSets owned(&someOwner);
    EXPECT_EQ(owned.Owner(), &someOwner);
    EXPECT_EQ(LyColorSets().Owner(), nullptr);
}

// A state beyond Press, as a corrupted ordinal would be.
const LyControlState outOfRange = LyControlState(3);

struct StateSetsLookup {
    bool dark, foreground;
    LyControlState state;
    const wchar_t* field;
};

TEST(ColorSetsTest, StateSetsLookupIndexesByHalfLayerAndState) {
    const StateSetsLookup cases[] = {
        {false, false, LyControlState::None, L"LightBackgroundNone"},
        {false, false, LyControlState::Hover, L"LightBackgroundHover"},
        {false, false, LyControlState::Press, L"LightBackgroundPress"},
        {false, true, LyControlState::None, L"LightForeGroundNone"},
        {false, true, LyControlState::Hover, L"LightForeGroundHover"},
        {false, true, LyControlState::Press, L"LightForeGroundPress"},
        {true, false, LyControlState::None, L"DarkBackGroundNone"},
        {true, false, LyControlState::Hover, L"DarkBackGroundHover"},
        {true, false, LyControlState::Press, L"DarkBackGroundPress"},
        {true, true, LyControlState::None, L"DarkForeGroundNone"},
        {true, true, LyControlState::Hover, L"DarkForeGroundHover"},
        {true, true, LyControlState::Press, L"DarkForeGroundPress"},
    };
    LyColorStateSets sets;
    test::FillDistinct(sets);
    LyColorStateSet resolved[2];
    resolved[0].LoadFrom(sets, false);
    resolved[1].LoadFrom(sets, true);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.field)));
        const TColor expected = test::ColorProperty(sets, c.field);
        EXPECT_EQ(sets.GetColor(c.dark, c.foreground, c.state), expected);
        EXPECT_EQ(resolved[c.dark].GetColor(c.foreground, c.state), expected);
    }
    EXPECT_EQ(resolved[1].Accent, TColor(sets.Accent));
    EXPECT_EQ(sets.GetColor(true, true, outOfRange), 0);
    EXPECT_EQ(resolved[0].GetColor(false, outOfRange), 0);
}

struct SingleLookup {
    bool dark;
    LyControlState state;
    const wchar_t* field;
};

TEST(ColorSetsTest, SingleStateSetsLookupIndexesByHalfAndState) {
    const SingleLookup cases[] = {
        {false, LyControlState::None, L"LightNone"},
        {false, LyControlState::Hover, L"LightHover"},
        {false, LyControlState::Press, L"LightPress"},
        {true, LyControlState::None, L"DarkNone"},
        {true, LyControlState::Hover, L"DarkHover"},
        {true, LyControlState::Press, L"DarkPress"},
    };
    LySingleColorStateSets sets;
    test::FillDistinct(sets);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.field)));
        const TColor expected = test::ColorProperty(sets, c.field);
        EXPECT_EQ(sets.GetColor(c.dark, c.state), expected);
        LySingleColorStateSet resolved(sets, c.dark);
        EXPECT_EQ(resolved.GetColor(c.state), expected);
        EXPECT_EQ(resolved.Accent, 0);
    }
    EXPECT_EQ(sets.GetColor(false, outOfRange), 0);
    EXPECT_EQ(LySingleColorStateSet(1, 2, 3).GetColor(outOfRange), 0);
}

TEST(ColorSetsTest, SingleStateSetCopiesAndSetsByState) {
    LySingleColorStateSet from(4, 5, 6);
    from.Accent = 7;
    LySingleColorStateSet to;
    to.CopyFrom(from);
    EXPECT_EQ(test::PublishedColors(to), test::PublishedColors(from));

    to.LoadColors(LySingleColorStateSets(), true);
    EXPECT_EQ(to.Accent, 7) << "loading the state colours keeps the accent";
    EXPECT_EQ(to.Press, 0x008D8987);

    to.SetStateColor(LyControlState::Hover, 9);
    to.SetStateColor(outOfRange, 10);
    EXPECT_EQ((std::vector<TColor>{to.None, to.Hover, to.Press}),
              (std::vector<TColor>{0x00A29F9D, 9, 0x008D8987}));
}

TEST(ColorSetsTest, ResolvedSetsTakeOneHalfOfTheSource) {
    LyCompleteColorSets sets;
    test::FillDistinct(sets);
    for (bool dark : {false, true}) {
        SCOPED_TRACE(dark);
        const std::wstring half = dark ? L"Dark" : L"Light";
        LyCompleteColorSet resolved(sets, dark);
        EXPECT_EQ(resolved.Accent, TColor(sets.Accent));
        EXPECT_EQ(resolved.BackGround, test::ColorProperty(sets, half + L"BackGround"));
        EXPECT_EQ(resolved.ForeGround, test::ColorProperty(sets, half + L"ForeGround"));
        EXPECT_EQ(resolved.BackGroundInterior,
                  test::ColorProperty(sets, half + L"BackGroundInterior"));
        LyColorSet plain(&someOwner, sets, dark);
        EXPECT_EQ(plain.BackGround, resolved.BackGround);
    }
}

TEST(ColorSetsTest, ThemeColorGivesEachKindOfTheHalf) {
    LyCompleteColorSets complete;
    test::FillDistinct(complete);
    LyColorSets plain;
    plain.Assign(complete);
    using lyra::LyColorKind;
    EXPECT_EQ(complete.ThemeColor(true, LyColorKind::ForeGround), TColor(complete.DarkForeGround));
    EXPECT_EQ(complete.ThemeColor(false, LyColorKind::Accent), TColor(complete.Accent));
    EXPECT_EQ(complete.ThemeColor(false, LyColorKind::BackGround),
              TColor(complete.LightBackGround));
    EXPECT_EQ(complete.ThemeColor(true, LyColorKind::BackGroundInterior),
              TColor(complete.DarkBackGroundInterior));
    EXPECT_EQ(plain.ThemeColor(true, LyColorKind::BackGroundInterior), 0);
    EXPECT_EQ(plain.ThemeColor(true, LyColorKind(7)), 0);
}

TEST(ColorSetsTest, AssignCopiesThePropertiesBothSetsPublish) {
    LyCompleteColorSets complete;
    test::FillDistinct(complete);

    LyColorSets narrower;
    narrower.SetEnabled(true);
    narrower.Assign(complete);
    EXPECT_FALSE(narrower.Enabled());
    Colors shared = test::PublishedColors(complete);
    shared.resize(5);
    EXPECT_EQ(test::PublishedColors(narrower), shared);

    LyCompleteColorSets wider;
    wider.Assign(narrower);
    EXPECT_EQ(TColor(wider.LightBackGroundInterior), 0x00FBFBFB) << "not published by the source";
    EXPECT_EQ(TColor(wider.DarkForeGround), TColor(complete.DarkForeGround));

    // A resolved set shares only the accent with a source set.
    LyColorSet resolved;
    resolved.Assign(complete);
    EXPECT_EQ(test::PublishedColors(resolved),
              (Colors{{L"Accent", complete.Accent}, {L"BackGround", 0}, {L"ForeGround", 0}}));

    LyColorStateSets states;
    test::FillDistinct(states);
    states.SetEnabled(true);
    LyColorStateSet resolvedStates;
    resolvedStates.Assign(states);
    EXPECT_TRUE(resolvedStates.Enabled());
    EXPECT_EQ(resolvedStates.Accent, TColor(states.Accent));
    EXPECT_EQ(resolvedStates.BackgroundNone, 0);

    LySingleColorStateSet single(1, 2, 3), copy;
    copy.Assign(single);
    EXPECT_EQ(test::PublishedColors(copy), test::PublishedColors(single));
}

TEST(ColorSetsTest, AssignFromSomethingElseFails) {
    LyColorSets sets;
    EXPECT_THROW(sets.Assign(someOwner), toolkit::Error);
}

} // namespace
