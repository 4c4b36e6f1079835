// Where a button puts its text, icon and drop-down chevron: plain arithmetic on rectangles.
#include "lyra/button_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rect_compare.h"

namespace {

using lyra::LyDrawLayout;
using lyra::LyLayout;
using lyra::LyTextFlag;
using lyra::LyTextFlags;

// A 200 x 100 button, text lines 16 high, the default 3-pixel line: the caption area is the
// button less 8 on every side, (8, 8, 192, 92), and an icon is 20 square.
lyra::LyButtonLayoutInput WithIcon(LyDrawLayout side, int textWidth) {
    lyra::LyButtonLayoutInput input;
    input.DrawRect = {0, 0, 200, 100};
    input.LineHeight = 16;
    input.TextWidth = textWidth;
    input.LineWidth = 3;
    input.IconShown = true;
    input.ImageLayout = side;
    return input;
}

TEST(ButtonLayout, WithoutAnIconTheTextAlwaysWrapsAndSitsInTheMiddleOfTheHeight) {
    lyra::LyButtonLayoutInput input;
    input.DrawRect = {0, 0, 140, 35};
    input.LineHeight = 16;
    input.TextWidth = 40;
    input.Margin = 2;
    input.LineWidth = 2.6;
    input.WordWrap = false;
    input.Vertical = LyLayout::Ending;
    input.Horizontal = LyLayout::Ending;
    const lyra::LyButtonLayout layout = lyra::ComputeButtonLayout(input);
    // Margin 2, line width rounded to 3, and 5 more.
    EXPECT_EQ(layout.CaptionRect, (RECT{10, 10, 130, 25}));
    EXPECT_EQ(layout.TheTextRect, layout.CaptionRect);
    EXPECT_EQ(layout.TextDrawFlags,
              (LyTextFlags{LyTextFlag::WordWrap, LyTextFlag::VerticalCenter, LyTextFlag::Right}));
}

// Where an icon and a text end up for one choice of side, placement and text width.
struct IconPlacement {
    LyDrawLayout side;
    LyLayout horizontal, vertical;
    int textWidth;
    RECT image, text;
    LyTextFlags flags;
};

void ExpectPlacements(const std::vector<IconPlacement>& cases) {
    for (const auto& c : cases) {
        lyra::LyButtonLayoutInput input = WithIcon(c.side, c.textWidth);
        input.Horizontal = c.horizontal;
        input.Vertical = c.vertical;
        const lyra::LyButtonLayout layout = lyra::ComputeButtonLayout(input);
        SCOPED_TRACE(testing::Message() << "side " << int(c.side) << ", text " << c.textWidth);
        EXPECT_EQ(layout.ImageRect, c.image);
        EXPECT_EQ(layout.TheTextRect, c.text);
        EXPECT_EQ(layout.TextDrawFlags, c.flags);
    }
}

TEST(ButtonLayout, IconBesideTheText) {
    ExpectPlacements({
        // Icon and text centred as one block of 20 + 40, the 5-pixel gap not counted.
        {LyDrawLayout::Left,
         LyLayout::Center,
         LyLayout::Center,
         40,
         {70, 40, 90, 60},
         {95, 8, 135, 92},
         {LyTextFlag::WordWrap, LyTextFlag::Left, LyTextFlag::VerticalCenter}},
        {LyDrawLayout::Right,
         LyLayout::Beginning,
         LyLayout::Beginning,
         40,
         {53, 8, 73, 28},
         {8, 8, 48, 92},
         {LyTextFlag::WordWrap, LyTextFlag::Left, LyTextFlag::Top}},
        {LyDrawLayout::Left,
         LyLayout::Ending,
         LyLayout::Ending,
         40,
         {132, 72, 152, 92},
         {157, 8, 197, 92},
         {LyTextFlag::WordWrap, LyTextFlag::Left, LyTextFlag::Bottom}},
        // Too wide for the room beside the icon: cut to it and at the left edge, whatever
        // the horizontal placement says.
        {LyDrawLayout::Left,
         LyLayout::Ending,
         LyLayout::Center,
         500,
         {8, 40, 28, 60},
         {33, 8, 197, 92},
         {LyTextFlag::WordWrap, LyTextFlag::Left, LyTextFlag::VerticalCenter}},
        {LyDrawLayout::Right,
         LyLayout::Center,
         LyLayout::Center,
         500,
         {177, 40, 197, 60},
         {8, 8, 172, 92},
         {LyTextFlag::WordWrap, LyTextFlag::Left, LyTextFlag::VerticalCenter}},
    });
}

TEST(ButtonLayout, IconAboveOrBelowTheText) {
    ExpectPlacements({
        // 300 pixels of text take two lines of the 184-pixel caption: a block of 32 + 20.
        {LyDrawLayout::Top,
         LyLayout::Center,
         LyLayout::Center,
         300,
         {90, 24, 110, 44},
         {8, 49, 192, 81},
         {LyTextFlag::WordWrap, LyTextFlag::Top, LyTextFlag::Center}},
        {LyDrawLayout::Bottom,
         LyLayout::Beginning,
         LyLayout::Beginning,
         300,
         {8, 45, 28, 65},
         {8, 8, 192, 40},
         {LyTextFlag::WordWrap, LyTextFlag::Bottom, LyTextFlag::Left}},
        {LyDrawLayout::Top,
         LyLayout::Ending,
         LyLayout::Ending,
         100,
         {172, 56, 192, 76},
         {8, 81, 192, 97},
         {LyTextFlag::WordWrap, LyTextFlag::Top, LyTextFlag::Right}},
        // Too high for the room left by the icon: cut to it and at the top.
        {LyDrawLayout::Top,
         LyLayout::Center,
         LyLayout::Ending,
         2000,
         {90, 8, 110, 28},
         {8, 33, 192, 97},
         {LyTextFlag::WordWrap, LyTextFlag::Top, LyTextFlag::Center}},
        // No text: the icon alone is placed.
        {LyDrawLayout::Bottom,
         LyLayout::Center,
         LyLayout::Center,
         0,
         {90, 45, 110, 65},
         {8, 40, 192, 40},
         {LyTextFlag::WordWrap, LyTextFlag::Bottom, LyTextFlag::Center}},
    });
}

TEST(ButtonLayout, WordWrapOffLeavesTheWrapFlagOutOnlyBesideAnIcon) {
    lyra::LyButtonLayoutInput input = WithIcon(LyDrawLayout::Left, 40);
    input.WordWrap = false;
    EXPECT_FALSE(lyra::ComputeButtonLayout(input).TextDrawFlags.Contains(LyTextFlag::WordWrap));
    input.IconShown = false;
    EXPECT_TRUE(lyra::ComputeButtonLayout(input).TextDrawFlags.Contains(LyTextFlag::WordWrap));
}

TEST(ButtonLayout, TheChevronKeepsItsRoomEvenOnANarrowButton) {
    lyra::LyButtonLayoutInput input;
    input.DrawRect = {0, 0, 40, 35};
    input.LineWidth = 3;
    input.Indicator = true;
    for (const int lineHeight : {16, 40}) {
        input.LineHeight = lineHeight;
        const lyra::LyButtonLayout layout = lyra::ComputeButtonLayout(input);
        const int width = std::max(lineHeight, 30);
        EXPECT_EQ(layout.IndicatorRect, (RECT{32 - width, 8, 32, 27}));
        EXPECT_EQ(layout.CaptionRect.right, 32 - width - 5);
        EXPECT_EQ(layout.TheTextRect, layout.CaptionRect);
    }
}

TEST(ButtonLayout, ATextWiderThanTheCaptionTakesThePaddingBeforeItWraps) {
    // "Dropdown" as the wizard's font measures it under Wine, on a 140 x 35 drop-down button:
    // the 89 pixels the chevron leaves would push the word onto a second line, below the
    // middle and cut at both ends.
    lyra::LyButtonLayoutInput input;
    input.DrawRect = {0, 0, 140, 35};
    input.LineHeight = 22;
    input.LineWidth = 3;
    const struct {
        bool indicator;
        int textWidth;
        RECT text;
    } cases[] = {
        {true, 60, {8, 8, 97, 27}},    // fits: the caption area as it is
        {true, 99, {3, 8, 102, 27}},   // up to the shape's line and the chevron's column
        {true, 150, {3, 8, 102, 27}},  // no more room than that; it wraps there
        {false, 130, {5, 8, 135, 27}}, // centred on the caption area
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.indicator << " " << c.textWidth);
        input.Indicator = c.indicator;
        input.TextWidth = c.textWidth;
        const lyra::LyButtonLayout layout = lyra::ComputeButtonLayout(input);
        EXPECT_EQ(layout.TheTextRect, c.text);
        if (c.indicator) {
            EXPECT_EQ(layout.IndicatorRect, (RECT{102, 8, 132, 27}));
            EXPECT_LE(layout.TheTextRect.right, layout.IndicatorRect.left);
        }
    }
}

} // namespace
