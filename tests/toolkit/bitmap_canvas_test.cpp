// Bitmaps (DIB sections) and drawing on their canvas, read back pixel by pixel.
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using toolkit::AlphaFormatKind;
using toolkit::Bitmap;
using toolkit::PixelFormatKind;

std::vector<std::uint8_t> PixelAt(const Bitmap& bitmap, int x, int y) {
    int bytes = bitmap.PixelFormat() == PixelFormatKind::Bits32 ? 4 : 3;
    const std::uint8_t* pixel = bitmap.ScanLine(y) + x * bytes;
    return {pixel, pixel + bytes};
}

TEST(Bitmap, CanvasDrawsIntoTheRowsFromTheTop) {
    Bitmap bitmap(4, 3, PixelFormatKind::Bits24);
    EXPECT_EQ(bitmap.Stride(), 12);
    toolkit::Canvas& canvas = bitmap.Canvas();
    canvas.Brush().SetColor(toolkit::clWhite);
    canvas.FillRect({0, 0, 4, 3});
    canvas.Brush().SetColor(toolkit::RgbColor(10, 20, 30));
    canvas.FillRect({1, 0, 3, 1}); // the top row, two pixels
    EXPECT_EQ(PixelAt(bitmap, 1, 0), (std::vector<std::uint8_t>{30, 20, 10}));
    EXPECT_EQ(PixelAt(bitmap, 0, 0), (std::vector<std::uint8_t>{255, 255, 255}));
    EXPECT_EQ(PixelAt(bitmap, 1, 1), (std::vector<std::uint8_t>{255, 255, 255}));
    EXPECT_EQ(canvas.Pixel(2, 0), RGB(10, 20, 30));
    EXPECT_THROW(bitmap.ScanLine(3), toolkit::Error);
}

TEST(Bitmap, ResizingKeepsTheTopLeftAndFormatChangesKeepColours) {
    Bitmap bitmap(2, 2, PixelFormatKind::Bits32);
    bitmap.Canvas().Brush().SetColor(toolkit::clRed);
    bitmap.Canvas().FillRect({0, 0, 2, 2});
    bitmap.SetSize(3, 1);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 1);
    EXPECT_EQ(PixelAt(bitmap, 1, 0)[2], 255);
    EXPECT_EQ(PixelAt(bitmap, 2, 0), (std::vector<std::uint8_t>{0, 0, 0, 0})); // new pixels
    bitmap.SetPixelFormat(PixelFormatKind::Bits24);
    EXPECT_EQ(PixelAt(bitmap, 0, 0), (std::vector<std::uint8_t>{0, 0, 255}));
    bitmap.SetSize(0, 0);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.Canvas().Brush().SetColor(toolkit::clBlue);
    bitmap.Canvas().FillRect({0, 0, 5, 5}); // an empty bitmap's canvas draws nowhere
}

TEST(Bitmap, AlphaFormatConvertsBetweenStraightAndPremultiplied) {
    Bitmap bitmap(1, 1);
    std::uint8_t straight[4] = {200, 100, 50, 128};
    std::memcpy(bitmap.ScanLine(0), straight, 4);
    bitmap.SetAlphaFormat(AlphaFormatKind::Straight);
    bitmap.SetAlphaFormat(AlphaFormatKind::Premultiplied);
    EXPECT_EQ(PixelAt(bitmap, 0, 0), (std::vector<std::uint8_t>{100, 50, 25, 128}));
    bitmap.SetAlphaFormat(AlphaFormatKind::Straight);
    EXPECT_EQ(PixelAt(bitmap, 0, 0), (std::vector<std::uint8_t>{199, 99, 49, 128}));
}

TEST(Bitmap, DrawingBlendsAlphaAndOpacity) {
    Bitmap target(3, 1, PixelFormatKind::Bits24);
    target.Canvas().Brush().SetColor(toolkit::clWhite);
    target.Canvas().FillRect({0, 0, 3, 1});

    Bitmap source(1, 1);
    std::uint8_t halfBlack[4] = {0, 0, 0, 128}; // premultiplied: black at half cover
    std::memcpy(source.ScanLine(0), halfBlack, 4);
    source.SetAlphaFormat(AlphaFormatKind::Premultiplied);
    target.Canvas().Draw(0, 0, source);
    EXPECT_NEAR(PixelAt(target, 0, 0)[0], 127, 1);

    Bitmap red(1, 1, PixelFormatKind::Bits24);
    red.Canvas().Brush().SetColor(toolkit::clRed);
    red.Canvas().FillRect({0, 0, 1, 1});
    target.Canvas().Draw(1, 0, red, 128);
    EXPECT_EQ(PixelAt(target, 1, 0)[2], 255);
    EXPECT_NEAR(PixelAt(target, 1, 0)[0], 127, 1);
    target.Canvas().StretchDraw({2, 0, 3, 1}, red);
    EXPECT_EQ(PixelAt(target, 2, 0), (std::vector<std::uint8_t>{0, 0, 255}));

    // A transparent bitmap leaves out its transparent colour (the bottom-left pixel's).
    Bitmap keyed(2, 1, PixelFormatKind::Bits24);
    keyed.Canvas().Brush().SetColor(toolkit::clLime);
    keyed.Canvas().FillRect({0, 0, 1, 1});
    keyed.Canvas().Brush().SetColor(toolkit::clBlue);
    keyed.Canvas().FillRect({1, 0, 2, 1});
    keyed.Transparent = true;
    EXPECT_EQ(keyed.TransparentColor(), toolkit::clLime);
    target.Canvas().Draw(1, 0, keyed);
    EXPECT_EQ(PixelAt(target, 1, 0)[2], 255); // the red under the lime pixel stays
    EXPECT_EQ(PixelAt(target, 2, 0), (std::vector<std::uint8_t>{255, 0, 0}));
}

TEST(Bitmap, ReadsBmpFilesAndRejectsBrokenOnes) {
    // A 2 x 2, 24-bit BMP, rows bottom-up: blue, green / red, white.
    std::vector<std::uint8_t> file = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0,  0,
                                      2,   0,   0,  0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0,  0, 16, 0,
                                      0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0,  0};
    const std::uint8_t rows[] = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 255, 0};
    file.insert(file.end(), std::begin(rows), std::end(rows));
    Bitmap bitmap;
    bitmap.LoadFromBytes(file);
    ASSERT_EQ(bitmap.Width(), 2);
    EXPECT_EQ(PixelAt(bitmap, 0, 0), (std::vector<std::uint8_t>{0, 0, 255})); // red
    EXPECT_EQ(PixelAt(bitmap, 1, 1), (std::vector<std::uint8_t>{0, 255, 0})); // green

    std::vector<std::uint8_t> truncated(file.begin(), file.end() - 4);
    EXPECT_THROW(bitmap.LoadFromBytes(truncated), toolkit::Error);
    std::vector<std::uint8_t> huge = file;
    huge[18] = 0xFF; // a width the pixels cannot hold
    huge[19] = 0x7F;
    EXPECT_THROW(bitmap.LoadFromBytes(huge), toolkit::Error);
}

TEST(Canvas, CopyRectStretchesWithTheCopyMode) {
    Bitmap source(2, 1, PixelFormatKind::Bits24);
    source.Canvas().Brush().SetColor(toolkit::RgbColor(0, 0, 0xF0));
    source.Canvas().FillRect({0, 0, 1, 1});
    source.Canvas().Brush().SetColor(toolkit::RgbColor(0x0F, 0, 0));
    source.Canvas().FillRect({1, 0, 2, 1});
    Bitmap target(4, 1, PixelFormatKind::Bits24);
    target.Canvas().CopyRect({0, 0, 4, 1}, source.Canvas(), {0, 0, 2, 1});
    EXPECT_EQ(PixelAt(target, 1, 0), (std::vector<std::uint8_t>{0xF0, 0, 0}));
    EXPECT_EQ(PixelAt(target, 2, 0), (std::vector<std::uint8_t>{0, 0, 0x0F}));
    target.Canvas().SetCopyMode(SRCPAINT); // OR onto what is there
    target.Canvas().CopyRect({0, 0, 2, 1}, source.Canvas(), {1, 0, 2, 1});
    EXPECT_EQ(PixelAt(target, 0, 0), (std::vector<std::uint8_t>{0xF0, 0, 0x0F}));
}

TEST(Canvas, MeasuresAndClipsText) {
    Bitmap bitmap(200, 40, PixelFormatKind::Bits24);
    toolkit::Canvas& canvas = bitmap.Canvas();
    canvas.Font().SetHeight(-20);
    SIZE wide = canvas.TextExtent(L"WWWW");
    SIZE narrow = canvas.TextExtent(L"iiii");
    EXPECT_GT(wide.cx, narrow.cx);
    EXPECT_GE(wide.cy, 20);
    RECT measured{0, 0, 60, 0};
    canvas.TextRect(measured, L"several words that wrap", DT_CALCRECT | DT_WORDBREAK);
    EXPECT_GT(measured.bottom, wide.cy); // more than one line

    canvas.Brush().SetColor(toolkit::clWhite);
    canvas.FillRect({0, 0, 200, 40});
    canvas.Font().SetColor(toolkit::clBlack);
    canvas.TextRect({0, 0, 10, 40}, 0, 0, L"WWWWWWWW"); // clipped to 10 pixels
    bool inkOutside = false;
    for (int y = 0; y < 40; ++y)
        for (int x = 12; x < 100; ++x)
            if (PixelAt(bitmap, x, y)[0] != 255) inkOutside = true;
    EXPECT_FALSE(inkOutside);
}

} // namespace
