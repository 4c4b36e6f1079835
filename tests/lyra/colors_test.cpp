// Colour arithmetic: channel clamping, truncation, the contrast threshold and system colours.
#include "lyra/colors.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

using lyra::TColor;

// A system colour reference, as the platform writes clWindow and the like.
constexpr TColor SystemColor(int index) {
    return TColor(0xFF000000u | unsigned(index));
}

TColor SystemRgb(int index) {
    return TColor(GetSysColor(index));
}

struct LightCase {
    TColor color;
    int amount;
    TColor expected;
};

TEST(ColorsTest, ChangeColorLightAddsToEachChannelWithinRange) {
    const LightCase cases[] = {
        {0x00D47800, 50, 0x00FFAA32},  // #0078D4 + 50 = #32AAFF, blue clamped at 255
        {0x00D47800, -25, 0x00BB5F00}, // red clamped at 0
        {0x00FFFFFF, 1, 0x00FFFFFF},   {0x000A0B0C, -300, 0x00000000}, {0x00102030, 0, 0x00102030},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.color);
        EXPECT_EQ(lyra::ChangeColorLight(c.color, c.amount), c.expected);
    }
}

TEST(ColorsTest, SystemColorsAreResolvedBeforeArithmetic) {
    const TColor window = SystemColor(COLOR_WINDOW);
    EXPECT_EQ(lyra::ChangeColorLight(window, 0), SystemRgb(COLOR_WINDOW));
    EXPECT_EQ(lyra::ColorBlend(window, window, 100), SystemRgb(COLOR_WINDOW));
    const TColor plain = SystemRgb(COLOR_WINDOWTEXT);
    EXPECT_EQ(lyra::ColorBrightness(SystemColor(COLOR_WINDOWTEXT)),
              (lyra::RedOf(plain) + lyra::GreenOf(plain) + lyra::BlueOf(plain)) / 3);
    EXPECT_EQ(lyra::ColorToGrayscale(SystemColor(COLOR_WINDOW)),
              lyra::ColorToGrayscale(SystemRgb(COLOR_WINDOW)));
}

TEST(ColorsTest, BrightnessAndGrayscaleTruncateTheMean) {
    EXPECT_EQ(lyra::ColorBrightness(lyra::MakeColor(10, 20, 31)), 20);
    EXPECT_EQ(lyra::ColorBrightness(0x00FFFFFF), 255);
    EXPECT_EQ(lyra::ColorToGrayscale(lyra::MakeColor(10, 20, 31)), lyra::MakeColor(20, 20, 20));
    EXPECT_EQ(lyra::ColorToGrayscale(0x00D47800), 0x006E6E6E);
}

TEST(ColorsTest, ContrastColorSwitchesAbove150) {
    EXPECT_EQ(lyra::ContrastColor(lyra::MakeColor(150, 150, 150)), 0x00F3F3F3);
    EXPECT_EQ(lyra::ContrastColor(lyra::MakeColor(151, 151, 151)), 0x00202020);
    EXPECT_EQ(lyra::ContrastColor(0x00000000), 0x00F3F3F3);
    EXPECT_EQ(lyra::ContrastColor(0x00FFFFFF), 0x00202020);
}

struct BlendCase {
    TColor from, to;
    int amount;
    TColor expected;
};

TEST(ColorsTest, ColorBlendMovesEachChannelLinearly) {
    const BlendCase cases[] = {
        {0x00000000, 0x00FFFFFF, 128, 0x00808080},
        {0x00123456, 0x00FEDCBA, 0, 0x00123456},
        {0x00123456, 0x00FEDCBA, 255, 0x00FEDCBA},
        // Falling channels truncate toward zero: 10 - 1280/255 = 10 - 5.
        {lyra::MakeColor(10, 10, 10), 0x00000000, 128, lyra::MakeColor(5, 5, 5)},
        {lyra::MakeColor(0, 255, 100), lyra::MakeColor(255, 0, 100), 51,
         lyra::MakeColor(51, 204, 100)},
        // Amounts outside 0..255 stop at the ends.
        {0x00123456, 0x00FEDCBA, 300, 0x00FEDCBA},
        {0x00123456, 0x00FEDCBA, -5, 0x00123456},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.amount);
        EXPECT_EQ(lyra::ColorBlend(c.from, c.to, c.amount), c.expected);
    }
}

TEST(ColorsTest, MakeGPColorSwapsRedAndBlueUnderTheAlpha) {
    EXPECT_EQ(lyra::MakeGPColor(lyra::MakeColor(0x11, 0x22, 0x33), 0x80), 0x80112233u);
    EXPECT_EQ(lyra::MakeGPColor(0x00D47800), 0xFF0078D4u);
    EXPECT_THROW(lyra::MakeGPColor(SystemColor(COLOR_WINDOW), 255), std::out_of_range);
}

} // namespace
