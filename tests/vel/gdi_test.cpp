// PNG pictures into bitmaps with their alpha, and high-quality drawing of any picture.
#include "tests/support/picture_encoders.h"
#include "vel/draw_modes.h"
#include "vel/gdi.h"

#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <memory>

namespace {

using test::Bytes;
using test::EncodePng;
using toolkit::AlphaFormatKind;

std::unique_ptr<toolkit::PngImage> Decoded(const test::PngPicture& picture) {
    auto png = std::make_unique<toolkit::PngImage>();
    png->LoadFromBytes(EncodePng(picture));
    return png;
}

std::array<int, 4> Pixel(const toolkit::Bitmap& bitmap, int x) {
    const std::uint8_t* p = bitmap.ScanLine(0) + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

TEST(AssignPng, KeepsEightBitAlphaStraightOrPremultiplied) {
    // Red 50, green 100, blue 200 at alpha 128; then a fully transparent pixel.
    const auto png = Decoded({2, 1, PNG_COLOR_TYPE_RGBA, 8, Bytes{50, 100, 200, 128, 9, 9, 9, 0}});
    toolkit::Bitmap straight, premultiplied;
    vel::AssignPng(straight, *png, false);
    vel::AssignPng(premultiplied, *png, true);
    EXPECT_EQ(straight.AlphaFormat(), AlphaFormatKind::Straight);
    EXPECT_EQ(Pixel(straight, 0), (std::array<int, 4>{200, 100, 50, 128}));
    EXPECT_EQ(premultiplied.AlphaFormat(), AlphaFormatKind::Premultiplied);
    EXPECT_EQ(Pixel(premultiplied, 0), (std::array<int, 4>{100, 50, 25, 128}));
    EXPECT_EQ(Pixel(premultiplied, 1), (std::array<int, 4>{0, 0, 0, 0}));
}

TEST(AssignPng, PaletteAlphaByIndexAndOtherPngsAsTheyAre) {
    const Bytes palette{10, 20, 30, 40, 50, 60, 70, 80, 90};
    // Indices 0, 1 and 2; the transparency chunk names only the first two.
    const auto indexed =
        Decoded({3, 1, PNG_COLOR_TYPE_PALETTE, 8, Bytes{0, 1, 2}, palette, Bytes{0, 128}});
    toolkit::Bitmap bitmap;
    vel::AssignPng(bitmap, *indexed, false);
    EXPECT_EQ(Pixel(bitmap, 0)[3], 0);
    EXPECT_EQ(Pixel(bitmap, 1), (std::array<int, 4>{60, 50, 40, 128}));
    EXPECT_EQ(Pixel(bitmap, 2), (std::array<int, 4>{90, 80, 70, 255}));

    // A 4-bit palette with alpha and an RGB picture take the ordinary conversion.
    const struct {
        test::PngPicture picture;
    } ordinary[] = {{{2, 1, PNG_COLOR_TYPE_PALETTE, 4, Bytes{0x01}, palette, Bytes{0, 128}}},
                    {{1, 1, PNG_COLOR_TYPE_RGB, 8, Bytes{1, 2, 3}}}};
    for (const auto& [picture] : ordinary) {
        const auto png = Decoded(picture);
        toolkit::Bitmap converted, expected;
        vel::AssignPng(converted, *png, true);
        png->AssignTo(expected);
        EXPECT_EQ(converted.AlphaFormat(), expected.AlphaFormat());
        EXPECT_EQ(converted.Width(), picture.width);
    }

    toolkit::Bitmap leftOver(5, 5);
    vel::AssignPng(leftOver, toolkit::PngImage(), true);
    EXPECT_EQ(leftOver.Width(), 0);
    EXPECT_EQ(leftOver.Height(), 0);
}

TEST(DrawHighQuality, DrawsAPngWithItsAlpha) {
    // A half-transparent black PNG over white gives mid grey.
    const auto half = Decoded({2, 2, PNG_COLOR_TYPE_RGBA, 8,
                               Bytes{0, 0, 0, 128, 0, 0, 0, 128, 0, 0, 0, 128, 0, 0, 0, 128}});
    toolkit::Bitmap target(8, 8, toolkit::PixelFormatKind::Bits24);
    target.Canvas().Brush().SetColor(toolkit::clWhite);
    target.Canvas().FillRect({0, 0, 8, 8});
    vel::DrawHighQuality(target.Canvas(), {0, 0, 8, 8}, *half);
    const std::uint8_t* middle = target.ScanLine(4) + 4 * 3;
    EXPECT_NEAR(middle[0], 127, 3);
    EXPECT_NEAR(middle[1], 127, 3);
}

TEST(GetDrawModeRects, PlacesByTheUtilityLibrarysArithmetic) {
    const struct {
        int width, height;
        vel::TDrawMode mode;
        RECT rect, expected;
    } cases[] = {
        // Half sizes either side of the centre: an odd width or height loses a pixel.
        {101, 51, vel::TDrawMode::Center, {0, 0, 200, 100}, {50, 25, 150, 75}},
        // Multiplied before dividing: 180 x 78 / 270 is exactly 52.
        {270, 180, vel::TDrawMode::Fit, {0, 0, 78, 100}, {0, 0, 78, 52}},
        {270, 180, vel::TDrawMode::Fill, {0, 0, 78, 40}, {0, 0, 78, 52}},
        {180, 270, vel::TDrawMode::Fit, {0, 0, 100, 78}, {0, 0, 52, 78}},
        {180, 270, vel::TDrawMode::Fill, {0, 0, 40, 78}, {0, 0, 52, 78}},
        {200, 100, vel::TDrawMode::Center3Fill, {0, 0, 100, 100}, {-33, 0, 167, 100}},
        {200, 100, vel::TDrawMode::Fill, {0, 0, 100, 100}, {0, 0, 200, 100}},
        {100, 50, vel::TDrawMode::CenterFit, {0, 0, 100, 100}, {0, 25, 100, 75}},
        {300, 300, vel::TDrawMode::Tile, {0, 0, 100, 100}, {0, 0, 300, 300}},
    };
    for (const auto& c : cases) {
        const auto rects = vel::GetDrawModeRects(c.rect, c.width, c.height, c.mode);
        ASSERT_EQ(rects.size(), 1u) << int(c.mode);
        EXPECT_TRUE(EqualRect(&rects[0], &c.expected)) << int(c.mode);
    }
    EXPECT_EQ(vel::GetDrawModeRects({0, 0, 100, 100}, 30, 40, vel::TDrawMode::Tile).size(), 12u);
    EXPECT_TRUE(vel::GetDrawModeRects({0, 0, 100, 100}, 0, 40, vel::TDrawMode::Fill).empty());
}

} // namespace
