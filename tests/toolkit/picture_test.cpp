// Pictures read back pixel by pixel: PNG of every colour type, GIF frames with delays,
// disposal and transparency, JPEG, icons, and the loading routes of Picture.
#include "tests/support/picture_encoders.h"

#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/gif_image.h"
#include "toolkit/icon.h"
#include "toolkit/jpeg_image.h"
#include "toolkit/picture.h"
#include "toolkit/png_image.h"

#include "tests/gui_support/gui_test_support.h"
#include "tests/support/support.h"

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <png.h>

#include <array>
#include <sstream>

namespace {

using test::Bytes;
using toolkit::PngTransparency;

std::array<int, 4> Rgba(const toolkit::PngImage& png, int x, int y) {
    const std::uint8_t* p = png.Row(y) + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

// A premultiplied 32-bit pixel as blue, green, red, alpha.
std::array<int, 4> Bgra(const toolkit::Bitmap& bitmap, int x, int y) {
    const std::uint8_t* p = bitmap.ScanLine(y) + x * 4;
    return {p[0], p[1], p[2], p[3]};
}

struct PngCase {
    const char* name;
    test::PngPicture picture;
    std::array<int, 4> first, second; // RGBA of pixels (0, 0) and (1, 0)
    PngTransparency transparency;
};

TEST(PngImage, ReadsEveryColourTypeAndDepth) {
    const PngCase cases[] = {
        {"grey 8",
         {2, 1, PNG_COLOR_TYPE_GRAY, 8, {0, 200}},
         {0, 0, 0, 255},
         {200, 200, 200, 255},
         PngTransparency::None},
        {"grey 1",
         {2, 1, PNG_COLOR_TYPE_GRAY, 1, {0x40}},
         {0, 0, 0, 255},
         {255, 255, 255, 255},
         PngTransparency::None},
        {"grey 16",
         {2, 1, PNG_COLOR_TYPE_GRAY, 16, {0x12, 0x34, 0xFF, 0xFF}},
         {0x12, 0x12, 0x12, 255},
         {255, 255, 255, 255},
         PngTransparency::None},
        {"grey + key",
         {2, 1, PNG_COLOR_TYPE_GRAY, 8, {7, 9}, {}, {0, 7}},
         {7, 7, 7, 0},
         {9, 9, 9, 255},
         PngTransparency::Bit},
        {"grey alpha",
         {2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {50, 128, 60, 255}},
         {50, 50, 50, 128},
         {60, 60, 60, 255},
         PngTransparency::Partial},
        {"rgb",
         {2, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6}},
         {1, 2, 3, 255},
         {4, 5, 6, 255},
         PngTransparency::None},
        {"rgb 16",
         {2, 1, PNG_COLOR_TYPE_RGB, 16, {1, 0, 2, 0, 3, 0, 4, 0, 5, 0, 6, 0}},
         {1, 2, 3, 255},
         {4, 5, 6, 255},
         PngTransparency::None},
        {"rgb + key",
         {2, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6}, {}, {0, 4, 0, 5, 0, 6}},
         {1, 2, 3, 255},
         {4, 5, 6, 0},
         PngTransparency::Bit},
        {"rgba",
         {2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {50, 100, 200, 128, 0, 0, 0, 0}},
         {50, 100, 200, 128},
         {0, 0, 0, 0},
         PngTransparency::Partial},
        {"palette 8",
         {2, 1, PNG_COLOR_TYPE_PALETTE, 8, {1, 0}, {10, 20, 30, 40, 50, 60}},
         {40, 50, 60, 255},
         {10, 20, 30, 255},
         PngTransparency::None},
        {"palette 4",
         {2, 1, PNG_COLOR_TYPE_PALETTE, 4, {0x10}, {10, 20, 30, 40, 50, 60}},
         {40, 50, 60, 255},
         {10, 20, 30, 255},
         PngTransparency::None},
        {"palette 2 + alpha",
         {2, 1, PNG_COLOR_TYPE_PALETTE, 2, {0x40}, {10, 20, 30, 40, 50, 60, 70, 80, 90}, {0, 128}},
         {40, 50, 60, 128},
         {10, 20, 30, 0},
         PngTransparency::Partial},
        {"palette + one key",
         {2, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1}, {10, 20, 30, 40, 50, 60}, {0}},
         {10, 20, 30, 0},
         {40, 50, 60, 255},
         PngTransparency::Bit},
        {"interlaced rgb",
         {2, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6}, {}, {}, true},
         {1, 2, 3, 255},
         {4, 5, 6, 255},
         PngTransparency::None},
    };
    for (const PngCase& c : cases) {
        SCOPED_TRACE(c.name);
        toolkit::PngImage png;
        png.LoadFromBytes(test::EncodePng(c.picture));
        ASSERT_EQ(png.Width(), 2);
        ASSERT_EQ(png.Height(), 1);
        EXPECT_EQ(png.ColorType(), c.picture.colorType);
        EXPECT_EQ(png.BitDepth(), c.picture.bitDepth);
        EXPECT_EQ(png.TransparencyMode(), c.transparency);
        EXPECT_EQ(Rgba(png, 0, 0), c.first);
        EXPECT_EQ(Rgba(png, 1, 0), c.second);
        EXPECT_EQ(png.Transparent, c.transparency != PngTransparency::None);
    }
}

TEST(PngImage, GivesABitmapWithPremultipliedAlphaAndKeepsPalettes) {
    test::PngPicture picture{
        3, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2}, {10, 20, 30, 200, 100, 50, 1, 2, 3}, {0, 128}};
    toolkit::PngImage png;
    png.LoadFromBytes(test::EncodePng(picture));
    ASSERT_EQ(png.Palette().size(), 3u);
    EXPECT_EQ(png.Palette()[1], (std::array<std::uint8_t, 3>{200, 100, 50}));
    EXPECT_EQ(png.TransparencyEntries(), (std::vector<std::uint8_t>{0, 128}));
    toolkit::Bitmap bitmap;
    bitmap.Assign(png);
    EXPECT_EQ(bitmap.PixelFormat(), toolkit::PixelFormatKind::Bits32);
    EXPECT_EQ(bitmap.AlphaFormat(), toolkit::AlphaFormatKind::Premultiplied);
    EXPECT_EQ(Bgra(bitmap, 0, 0), (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_EQ(Bgra(bitmap, 1, 0), (std::array<int, 4>{25, 50, 100, 128})); // c * a / 255
    EXPECT_EQ(Bgra(bitmap, 2, 0), (std::array<int, 4>{3, 2, 1, 255}));     // beyond tRNS: opaque

    // Opaque pictures become 24-bit bitmaps; drawing blends the transparent ones.
    toolkit::PngImage opaque;
    opaque.LoadFromBytes(test::EncodePng({1, 1, PNG_COLOR_TYPE_RGB, 8, {9, 8, 7}}));
    bitmap.Assign(opaque);
    EXPECT_EQ(bitmap.PixelFormat(), toolkit::PixelFormatKind::Bits24);
    toolkit::Bitmap target(3, 1, toolkit::PixelFormatKind::Bits24);
    target.Canvas().Brush().SetColor(toolkit::clWhite);
    target.Canvas().FillRect({0, 0, 3, 1});
    target.Canvas().Draw(0, 0, png);
    EXPECT_EQ(target.Canvas().Pixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(target.Canvas().Pixel(2, 0), RGB(1, 2, 3));
}

TEST(PngImage, RejectsBrokenFilesWithAReason) {
    Bytes good = test::EncodePng({4, 4, PNG_COLOR_TYPE_RGB, 8, Bytes(48, 7)});
    toolkit::PngImage png;
    Bytes truncated(good.begin(), good.begin() + good.size() / 2);
    EXPECT_THROW(png.LoadFromBytes(truncated), toolkit::Error);
    Bytes corrupt = good;
    corrupt[40] ^= 0xFF;
    try {
        png.LoadFromBytes(corrupt);
        ADD_FAILURE() << "a corrupt PNG was accepted";
    } catch (const toolkit::Error& error) {
        EXPECT_EQ(error.Message().rfind(L"PNG picture is not valid: ", 0), 0u)
            << test::Narrow(error.Message());
    }
    EXPECT_THROW(png.LoadFromBytes(Bytes{1, 2, 3}), toolkit::Error);
    EXPECT_TRUE(png.Empty()); // nothing half-loaded
}

const Bytes kGifPalette = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255};

TEST(GifImage, ComposesFramesWithDelaysDisposalAndTransparency) {
    std::vector<test::GifFrame> frames = {
        // A red 2 x 2 screen whose right column is transparent.
        {0, 0, 2, 2, {0, 3, 0, 3}, 10, 3, DISPOSE_DO_NOT},
        // A green pixel on top, then taken away again.
        {0, 0, 1, 1, {1}, 25, -1, DISPOSE_PREVIOUS},
        // Blue in the corner, then the corner is cleared.
        {1, 1, 1, 1, {2}, 5, -1, DISPOSE_BACKGROUND},
        // Nothing new: only the disposal's result shows.
        {0, 0, 1, 1, {3}, 100, 3, DISPOSE_DO_NOT},
    };
    toolkit::GifImage gif;
    gif.LoadFromBytes(test::EncodeGif(2, 2, kGifPalette, frames, 0));
    ASSERT_EQ(gif.FrameCount(), 4);
    EXPECT_EQ(gif.Width(), 2);
    EXPECT_EQ(gif.LoopCount(), 0);
    EXPECT_EQ(gif.FrameDelay(0), 100);
    EXPECT_EQ(gif.FrameDelay(1), 250);
    EXPECT_EQ(gif.FrameDelay(2), 50);

    using Pixel = std::array<int, 4>;
    const Pixel red{0, 0, 255, 255}, green{0, 255, 0, 255}, blue{255, 0, 0, 255}, clear{0, 0, 0, 0};
    EXPECT_EQ(Bgra(gif.Frame(0), 0, 0), red);
    EXPECT_EQ(Bgra(gif.Frame(0), 1, 0), clear);
    EXPECT_EQ(Bgra(gif.Frame(1), 0, 0), green);
    EXPECT_EQ(Bgra(gif.Frame(1), 0, 1), red);
    EXPECT_EQ(Bgra(gif.Frame(2), 0, 0), red); // frame 1 gave back what was before it
    EXPECT_EQ(Bgra(gif.Frame(2), 1, 1), blue);
    EXPECT_EQ(Bgra(gif.Frame(3), 1, 1), clear); // cleared to transparent, as browsers do
    EXPECT_EQ(Bgra(gif.Frame(3), 0, 1), red);
    EXPECT_TRUE(gif.Transparent);
}

TEST(GifImage, ReadsLocalPalettesInterlacingAndTheLoopCount) {
    std::vector<test::GifFrame> frames = {
        {0, 0, 1, 8, {0, 1, 0, 1, 0, 1, 0, 1}, 0, -1, DISPOSE_DO_NOT, {1, 2, 3, 4, 5, 6}}};
    toolkit::GifImage gif;
    gif.LoadFromBytes(test::EncodeGif(1, 8, kGifPalette, frames, 3, true));
    EXPECT_EQ(gif.LoopCount(), 3);
    for (int y = 0; y < 8; ++y)
        EXPECT_EQ(Bgra(gif.Frame(0), 0, y)[2], y % 2 ? 4 : 1) << "row " << y;

    toolkit::GifImage once;
    once.LoadFromBytes(test::EncodeGif(1, 1, kGifPalette, {{0, 0, 1, 1, {0}}}));
    EXPECT_EQ(once.LoopCount(), 1);
    Bytes broken = test::EncodeGif(1, 1, kGifPalette, {{0, 0, 1, 1, {0}}});
    broken.resize(broken.size() - 6);
    EXPECT_THROW(once.LoadFromBytes(broken), toolkit::Error);
}

class GifAnimation : public test::GuiTest {};

TEST_F(GifAnimation, AdvancesFramesAndStopsAfterItsLoops) {
    std::vector<test::GifFrame> frames = {{0, 0, 1, 1, {0}, 2}, {0, 0, 1, 1, {1}, 2}};
    toolkit::GifImage gif;
    gif.LoadFromBytes(test::EncodeGif(1, 1, kGifPalette, frames, 2));
    std::vector<int> shown;
    gif.OnChange = [&] { shown.push_back(gif.CurrentFrame()); };
    gif.SetAnimate(true);
    for (int i = 0; i < 200 && shown.size() < 3; ++i)
        test::PumpFor(10);
    test::PumpFor(100); // a third loop would show more frames now
    gif.SetAnimate(false);
    EXPECT_EQ(shown, (std::vector<int>{1, 0, 1})); // two plays: 0 1, 0 1

    shown.clear();
    gif.SetCurrentFrame(0);
    shown.clear();
    gif.SetLoopForever(true);
    gif.SetAnimate(true);
    for (int i = 0; i < 300 && shown.size() < 6; ++i)
        test::PumpFor(10);
    gif.SetAnimate(false);
    EXPECT_GE(shown.size(), 6u);
}

TEST(JpegImage, ReadsColourAndGreyPictures) {
    // Four flat quadrants of 8 x 8 pixels so compression keeps their colours.
    Bytes rgb(16 * 16 * 3);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            std::uint8_t* p = rgb.data() + (y * 16 + x) * 3;
            p[0] = x < 8 ? 250 : 10;
            p[1] = y < 8 ? 10 : 240;
            p[2] = 30;
        }
    toolkit::JpegImage jpeg;
    jpeg.LoadFromBytes(test::EncodeJpeg(16, 16, false, rgb));
    ASSERT_EQ(jpeg.Width(), 16);
    ASSERT_EQ(jpeg.Height(), 16);
    EXPECT_FALSE(jpeg.Grayscale());
    auto isClose = [](const toolkit::Bitmap& bitmap, int x, int y, int r, int g, int b) {
        const std::uint8_t* p = bitmap.ScanLine(y) + x * 3;
        return std::abs(p[2] - r) < 12 && std::abs(p[1] - g) < 12 && std::abs(p[0] - b) < 12;
    };
    EXPECT_TRUE(isClose(jpeg.Pixels(), 2, 2, 250, 10, 30));
    EXPECT_TRUE(isClose(jpeg.Pixels(), 13, 13, 10, 240, 30));

    toolkit::JpegImage grey;
    grey.LoadFromBytes(test::EncodeJpeg(8, 8, true, Bytes(64, 77)));
    EXPECT_TRUE(grey.Grayscale());
    EXPECT_TRUE(isClose(grey.Pixels(), 4, 4, 77, 77, 77));

    Bytes truncated = test::EncodeJpeg(16, 16, false, rgb);
    truncated.resize(truncated.size() / 3);
    truncated.push_back(0xFF);
    truncated.push_back(0xD9);
    toolkit::JpegImage broken;
    // A cut file still decodes what it has (libjpeg fills the rest) or fails with a reason.
    try {
        broken.LoadFromBytes(truncated);
    } catch (const toolkit::Error&) {
    }
    EXPECT_THROW(broken.LoadFromBytes(Bytes{0xFF, 0xD8, 0xFF, 0x00}), toolkit::Error);
}

// A 2 x 2 icon of 32-bit pixels: opaque red, half-transparent green, clear, opaque blue.
Bytes MakeIcon() {
    Bytes file = {0, 0, 1, 0, 1, 0, 2, 2, 0, 0, 1, 0, 32, 0};
    const std::uint32_t imageSize = 40 + 16 + 8;
    for (int i = 0; i < 4; ++i)
        file.push_back(std::uint8_t(imageSize >> (8 * i)));
    for (int i = 0; i < 4; ++i)
        file.push_back(std::uint8_t(22 >> (8 * i)));
    BITMAPINFOHEADER header{sizeof(header), 2, 4, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    auto* raw = reinterpret_cast<std::uint8_t*>(&header);
    file.insert(file.end(), raw, raw + sizeof(header));
    // Bottom-up rows, blue green red alpha.
    const std::uint8_t pixels[] = {0, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 255, 0, 255, 0, 128};
    file.insert(file.end(), std::begin(pixels), std::end(pixels));
    file.insert(file.end(), 8, 0); // the AND mask, two rows of 4 bytes
    return file;
}

TEST(Icon, ReadsIconFilesWithAlpha) {
    toolkit::Icon icon;
    icon.LoadFromBytes(MakeIcon());
    ASSERT_FALSE(icon.Empty());
    EXPECT_EQ(icon.Width(), 2);
    toolkit::Bitmap bitmap;
    bitmap.Assign(icon);
    EXPECT_EQ(Bgra(bitmap, 0, 0), (std::array<int, 4>{0, 0, 255, 255}));
    EXPECT_EQ(Bgra(bitmap, 1, 0), (std::array<int, 4>{0, 128, 0, 128}));
    EXPECT_EQ(Bgra(bitmap, 0, 1), (std::array<int, 4>{0, 0, 0, 0}));
    auto copy = icon.Clone();
    EXPECT_EQ(copy->Width(), 2);
    Bytes broken = MakeIcon();
    broken[18] = 0xFF; // the image's offset points past the end
    EXPECT_THROW(icon.LoadFromBytes(broken), toolkit::Error);
}

TEST(Picture, DetectsTheKindFromTheContentAndNotifies) {
    toolkit::Picture picture;
    int changes = 0;
    picture.OnChange = [&] { ++changes; };
    picture.LoadFromBytes(test::EncodePng({1, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3}}));
    EXPECT_NE(dynamic_cast<toolkit::PngImage*>(picture.Graphic()), nullptr);
    std::istringstream stream(
        std::string(reinterpret_cast<const char*>(MakeIcon().data()), MakeIcon().size()));
    picture.LoadFromStream(stream);
    EXPECT_NE(dynamic_cast<toolkit::Icon*>(picture.Graphic()), nullptr);
    picture.LoadFromBytes(test::EncodeGif(3, 2, kGifPalette, {{0, 0, 3, 2, Bytes(6, 1)}}));
    EXPECT_EQ(picture.Width(), 3);
    EXPECT_EQ(changes, 3);

    EXPECT_THROW(picture.LoadFromBytes(Bytes{'n', 'o', 'p', 'e'}), toolkit::Error);
    EXPECT_NE(dynamic_cast<toolkit::GifImage*>(picture.Graphic()), nullptr); // unchanged

    test::ScratchFolder folder;
    std::wstring path = folder.Path() + L"\\logo.png";
    Bytes png = test::EncodePng({5, 4, PNG_COLOR_TYPE_GRAY, 8, Bytes(20, 1)});
    test::WriteTextFile(path, std::string(png.begin(), png.end()));
    picture.LoadFromFile(path);
    EXPECT_EQ(picture.Height(), 4);
    try {
        picture.LoadFromFile(folder.Path() + L"\\missing.png");
        ADD_FAILURE() << "a missing file was read";
    } catch (const toolkit::Error& error) {
        EXPECT_NE(error.Message().find(L"missing.png"), std::wstring::npos);
    }

    toolkit::Picture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Width(), 5);
    EXPECT_NE(copy.Graphic(), picture.Graphic());
    toolkit::Bitmap& bitmap = copy.Bitmap(); // a PNG is replaced by an empty bitmap to draw on
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_THROW(copy.LoadFromResource(L"NO.SUCH.PICTURE"), toolkit::Error);
}

} // namespace
