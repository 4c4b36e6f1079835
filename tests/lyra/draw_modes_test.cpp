// Where pictures go in a rectangle for every draw mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "lyra/draw_modes.h"
#include "toolkit/bitmap.h"

#include "rect_compare.h"

namespace lyra {
namespace {

TEST(GetDrawModeRects, PlacesOnePictureByMode) {
    struct Case {
        RECT rect;
        int width, height;
        LyDrawMode mode;
        int inset;
        RECT expected;
    };
    const RECT square{0, 0, 100, 100};
    const Case cases[] = {
        // A 100 x 50 picture in a 100 x 100 rectangle.
        {square, 100, 50, LyDrawMode::Fit, 0, {0, 0, 100, 50}},
        {square, 100, 50, LyDrawMode::Fill, 0, {0, 0, 200, 100}},
        {square, 100, 50, LyDrawMode::CenterFit, 0, {0, 25, 100, 75}},
        {square, 100, 50, LyDrawMode::CenterFill, 0, {-50, 0, 150, 100}},
        {square, 100, 50, LyDrawMode::Center3Fill, 0, {-33, 0, 167, 100}},
        {square, 100, 50, LyDrawMode::Stretch, 0, {0, 0, 100, 100}},
        {square, 100, 50, LyDrawMode::Normal, 0, {0, 0, 100, 50}},
        {square, 40, 20, LyDrawMode::Center, 0, {30, 40, 70, 60}},
        // A tall picture: Fit goes by the height, Fill by the width.
        {{10, 20, 110, 70}, 30, 60, LyDrawMode::Fit, 0, {10, 20, 35, 70}},
        {{10, 20, 110, 70}, 30, 60, LyDrawMode::Fill, 0, {10, 20, 110, 220}},
        {{10, 20, 110, 70}, 30, 60, LyDrawMode::CenterFit, 0, {47, 20, 72, 70}},
        // Odd sizes keep their natural size when centred.
        {{0, 0, 10, 10}, 5, 3, LyDrawMode::Center, 0, {3, 4, 8, 7}},
        // Divided before multiplying: 78 / 270 x 180 falls just short of 52.
        {{0, 0, 78, 100}, 270, 180, LyDrawMode::Fit, 0, {0, 0, 78, 51}},
        // Truncated, never rounded up.
        {{0, 0, 100, 100}, 3, 2, LyDrawMode::Fit, 0, {0, 0, 100, 66}},
        {{0, 0, 100, 100}, 3, 2, LyDrawMode::Fill, 0, {0, 0, 150, 100}},
        // The inset shrinks the result.
        {square, 100, 50, LyDrawMode::Fit, 5, {5, 5, 95, 45}},
        {{20, 30, 60, 70}, 10, 10, LyDrawMode::Stretch, 2, {22, 32, 58, 68}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << int(c.mode) << " picture " << c.width << " x "
                                        << c.height << " in " << c.rect);
        const std::vector<RECT> rects =
            GetDrawModeRects(c.rect, c.width, c.height, c.mode, c.inset);
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_EQ(rects[0], c.expected);
    }
}

TEST(GetDrawModeRects, TilesCoverTheRectangleFromItsTopLeft) {
    const std::vector<RECT> tiles = GetDrawModeRects({5, 5, 75, 45}, 30, 20, LyDrawMode::Tile, 1);
    const std::vector<RECT> expected{{6, 6, 34, 24},  {36, 6, 64, 24},  {66, 6, 94, 24},
                                     {6, 26, 34, 44}, {36, 26, 64, 44}, {66, 26, 94, 44}};
    EXPECT_EQ(tiles, expected);
    // At least one tile, even in an empty rectangle.
    EXPECT_EQ(GetDrawModeRects({0, 0, 0, 0}, 8, 8, LyDrawMode::Tile).size(), 1u);
}

TEST(GetDrawModeRects, NothingForAnEmptyPicture) {
    EXPECT_TRUE(GetDrawModeRects({0, 0, 10, 10}, 0, 5, LyDrawMode::Fit).empty());
    EXPECT_TRUE(GetDrawModeRects({0, 0, 10, 10}, nullptr, LyDrawMode::Fit).empty());
    const toolkit::Bitmap empty;
    EXPECT_TRUE(GetDrawModeRects({0, 0, 10, 10}, &empty, LyDrawMode::Tile).empty());
}

TEST(ScaleRectPercent, ScalesFromTheTopLeftAndRounds) {
    EXPECT_EQ(ScaleRectPercent({10, 20, 110, 70}, 50), (RECT{10, 20, 60, 45}));
    EXPECT_EQ(ScaleRectPercent({0, 0, 3, 5}, 50), (RECT{0, 0, 2, 3}));
    EXPECT_EQ(ScaleRectPercent({0, 0, 40, 40}, 250), (RECT{0, 0, 100, 100}));
    EXPECT_EQ(ScaleRectPercent({5, 5, 45, 45}, 0), (RECT{5, 5, 5, 5}));
}

TEST(DrawImageInRect, DrawsThePictureIntoEachPlace) {
    toolkit::Bitmap picture(2, 2, toolkit::PixelFormatKind::Bits24);
    for (int y = 0; y < 2; ++y)
        std::fill_n(picture.ScanLine(y), 6, std::uint8_t(255));
    toolkit::Bitmap target(10, 6, toolkit::PixelFormatKind::Bits24);
    DrawImageInRect(target.Canvas(), {0, 0, 10, 6}, &picture, LyDrawMode::Tile, 0);
    DrawImageInRect(target.Canvas(), {0, 0, 10, 6}, nullptr, LyDrawMode::Fill, 0);
    GdiFlush();
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 30; ++x)
            ASSERT_EQ(target.ScanLine(y)[x], 255) << x / 3 << ", " << y;

    toolkit::Bitmap centred(10, 6, toolkit::PixelFormatKind::Bits24);
    DrawImageInRect(centred.Canvas(), {0, 0, 10, 6}, &picture, LyDrawMode::Center, 0);
    GdiFlush();
    EXPECT_EQ(centred.ScanLine(2)[3 * 4], 255);
    EXPECT_EQ(centred.ScanLine(3)[3 * 5], 255);
    EXPECT_EQ(centred.ScanLine(1)[3 * 4], 0);
    EXPECT_EQ(centred.ScanLine(2)[3 * 6], 0);
}

} // namespace
} // namespace lyra
