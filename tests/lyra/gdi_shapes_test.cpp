// Anti-aliased shapes through the scratch bitmap, translucent fills and borders, drawn with
// real GDI and GDI+ into bitmaps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "lyra/border.h"
#include "lyra/gdi_shapes.h"

#include "draw_test_bitmaps.h"
#include "rect_compare.h"

namespace lyra {
namespace {

using test::GreyBitmap;
using test::Level;

// The smallest rectangle around the pixels darker than mid-grey.
RECT InkBounds(const toolkit::Bitmap& bitmap) {
    RECT bounds{bitmap.Width(), bitmap.Height(), 0, 0};
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            if (Level(bitmap, x, y) < 128)
                bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                          std::max<LONG>(bounds.right, x + 1),
                          std::max<LONG>(bounds.bottom, y + 1)};
    return bounds;
}

TEST(TRoundRect, CornerSizesFromOneRadiusOrTheMeanOfTwo) {
    const TRoundRect one({1, 2, 30, 40}, 6);
    EXPECT_EQ(one.Rect, (RECT{1, 2, 30, 40}));
    EXPECT_EQ(one.RoundTL + one.RoundTR + one.RoundBL + one.RoundBR, 24);
    const TRoundRect two({0, 0, 10, 10}, 6, 9);
    EXPECT_EQ(two.RoundTL, 7);
    EXPECT_EQ(two.RoundBR, 7);
}

TEST(TLine, BoundsGoFromSmallerToLargerCoordinates) {
    EXPECT_EQ((TLine{{30, 5}, {10, 20}}).Rect(), (RECT{10, 5, 30, 20}));
    EXPECT_EQ((TLine{{3, 9}, {8, 2}}).Rect(), (RECT{3, 2, 8, 9}));
}

TEST(PrepareAlphaBitmap, GivesClearedPremultiplied32BitPixels) {
    GreyBitmap bitmap(5, 5, 200);
    PrepareAlphaBitmap(bitmap, 3, 2);
    EXPECT_EQ(bitmap.PixelFormat(), toolkit::PixelFormatKind::Bits32);
    EXPECT_EQ(bitmap.AlphaFormat(), toolkit::AlphaFormatKind::Premultiplied);
    ASSERT_EQ(bitmap.Width(), 3);
    ASSERT_EQ(bitmap.Height(), 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 12; ++x)
            EXPECT_EQ(bitmap.ScanLine(y)[x], 0);
    PrepareAlphaBitmap(bitmap, -4, 7);
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 7);
}

TEST(GDIRoundRect, WidePenReachesTheOuterEdgeOfTheShape) {
    // The pen is centred on the outline, so it reaches a pixel beyond it on every side. Drawn
    // through the scratch bitmap, it must look as when GDI+ draws it straight onto the target.
    const TRoundRect shape({10, 10, 50, 40}, 8);
    const Gdiplus::Pen pen(Gdiplus::Color(MakeGPColor(0)), 2.0f);
    GreyBitmap scratched(60, 50, 255);
    GDIRoundRect(scratched.Canvas(), shape, nullptr, &pen);

    GreyBitmap direct(60, 50, 255);
    {
        Gdiplus::Graphics graphics(direct.Canvas().Handle());
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        Gdiplus::GraphicsPath path;
        AddRoundRectPath(path, shape);
        graphics.DrawPath(&pen, &path);
    }
    // Rasterisers may place a pixel differently where arcs meet lines; the extent of the ink
    // is what the scratch bitmap's size could cut.
    EXPECT_EQ(InkBounds(scratched), InkBounds(direct));
    int different = 0;
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x)
            different += std::abs(Level(scratched, x, y) - Level(direct, x, y)) > 2;
    EXPECT_LE(different, 16); // of some 260 inked pixels
    EXPECT_LT(Level(scratched, 30, 9), 200) << "above the top edge";
    EXPECT_EQ(Level(scratched, 30, 25), 255) << "inside";
    EXPECT_EQ(Level(scratched, 30, 7), 255) << "well outside";
}

TEST(GDIRoundRect, BrushFillsTheInsideAndSharpCornersAreAllowed) {
    GreyBitmap bitmap(30, 30, 255);
    const Gdiplus::SolidBrush brush(Gdiplus::Color(MakeGPColor(0)));
    GDIRoundRect(bitmap.Canvas(), TRoundRect({5, 5, 25, 25}, 0), &brush, nullptr);
    EXPECT_EQ(Level(bitmap, 5, 5), 0);
    EXPECT_EQ(Level(bitmap, 15, 15), 0);
    EXPECT_EQ(Level(bitmap, 24, 24), 0);
    EXPECT_EQ(Level(bitmap, 4, 15), 255);
    EXPECT_EQ(Level(bitmap, 25, 15), 255);
}

TEST(GDIFillRect, BlendsByAlpha) {
    struct Case {
        BYTE alpha;
        int level;
    };
    for (const Case c : {Case{0, 255}, Case{128, 127}, Case{255, 0}}) {
        GreyBitmap bitmap(20, 20, 255);
        GDIFillRect(bitmap.Canvas(), {5, 5, 15, 15}, 0, c.alpha);
        EXPECT_NEAR(Level(bitmap, 10, 10), c.level, 1) << int(c.alpha);
        EXPECT_NEAR(Level(bitmap, 5, 5), c.level, 1) << int(c.alpha);
        EXPECT_EQ(Level(bitmap, 4, 10), 255);
        EXPECT_EQ(Level(bitmap, 15, 10), 255);
    }
}

TEST(GDILine, DrawsBetweenItsPoints) {
    GreyBitmap bitmap(30, 20, 255);
    const Gdiplus::Pen pen(Gdiplus::Color(MakeGPColor(0)), 1.0f);
    GDILine(bitmap.Canvas(), TLine{{25, 10}, {5, 10}}, pen);
    EXPECT_LT(Level(bitmap, 15, 10), 128);
    EXPECT_EQ(Level(bitmap, 15, 5), 255);
    EXPECT_EQ(Level(bitmap, 28, 10), 255);
}

TEST(DrawBorder, OuterEdgeOnTheRectangleForOddAndEvenWidths) {
    for (int width : {1, 2, 3, 4, 5}) {
        SCOPED_TRACE(width);
        // Away from the origin, too: the border follows the rectangle.
        for (const RECT rect : {RECT{0, 0, 20, 16}, RECT{3, 4, 23, 20}}) {
            GreyBitmap bitmap(26, 22, 255);
            DrawBorder(bitmap.Canvas(), rect, 0, width, 0);
            const int midY = (rect.top + rect.bottom) / 2, midX = (rect.left + rect.right) / 2;
            for (int i = 0; i < width; ++i) {
                EXPECT_EQ(Level(bitmap, rect.left + i, midY), 0) << "left " << i;
                EXPECT_EQ(Level(bitmap, rect.right - 1 - i, midY), 0) << "right " << i;
                EXPECT_EQ(Level(bitmap, midX, rect.top + i), 0) << "top " << i;
                EXPECT_EQ(Level(bitmap, midX, rect.bottom - 1 - i), 0) << "bottom " << i;
            }
            EXPECT_EQ(Level(bitmap, rect.left + width, midY), 255) << "inside left";
            EXPECT_EQ(Level(bitmap, rect.right - 1 - width, midY), 255) << "inside right";
            EXPECT_EQ(Level(bitmap, midX, rect.top + width), 255) << "inside top";
            EXPECT_EQ(Level(bitmap, midX, rect.bottom - 1 - width), 255) << "inside bottom";
            if (rect.left > 0) {
                EXPECT_EQ(Level(bitmap, rect.left - 1, midY), 255) << "outside";
            }
            if (rect.right < 26) {
                EXPECT_EQ(Level(bitmap, rect.right, midY), 255) << "outside";
            }
        }
    }
}

TEST(DrawBorder, RoundedCornersAndZeroWidth) {
    GreyBitmap bitmap(20, 20, 255);
    DrawBorder(bitmap.Canvas(), {0, 0, 20, 20}, 0, 0, 0);
    EXPECT_EQ(Level(bitmap, 0, 10), 255);
    DrawBorder(bitmap.Canvas(), {0, 0, 20, 20}, 0, 1, 8);
    EXPECT_EQ(Level(bitmap, 0, 10), 0);
    EXPECT_EQ(Level(bitmap, 0, 0), 255);
    EXPECT_EQ(Level(bitmap, 10, 10), 255);
}

} // namespace
} // namespace lyra
