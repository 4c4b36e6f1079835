// The utility library's picture control on a real window: placement, inflation, mirroring,
// opacity, GIF settings, the off-screen copy and the picture's own canvas.
#include "tests/gui_support/gui_test_support.h"
#include "tests/support/picture_encoders.h"
#include "toolkit/error.h"
#include "toolkit/form.h"
#include "toolkit/gif_image.h"
#include "vel/image.h"

#include <gif_lib.h>
#include <png.h>

#include <memory>
#include <vector>

namespace {

using test::Bytes;
using vel::TDrawMode;
using vel::VImage;

bool Same(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

// A picture of the given size in one colour (red, green, blue).
std::unique_ptr<toolkit::Graphic> Plain(int width, int height, Bytes rgb) {
    Bytes rows;
    for (int i = 0; i < width * height; ++i)
        rows.insert(rows.end(), rgb.begin(), rgb.end());
    toolkit::Picture picture;
    picture.LoadFromBytes(test::EncodePng({width, height, PNG_COLOR_TYPE_RGB, 8, rows}));
    return picture.Graphic()->Clone();
}

class Image : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        form->SetBorderStyle(toolkit::BorderStyleKind::None);
        form->SetBounds(50, 50, 400, 300);
        form->SetColor(toolkit::clWhite);
        image = new VImage(form.get());
        image->SetParent(form.get());
    }
    std::unique_ptr<toolkit::Form> form = std::make_unique<toolkit::Form>(nullptr);
    VImage* image = nullptr;
};

TEST_F(Image, PlacesThePictureByDrawMode) {
    EXPECT_EQ(image->Width(), 150);
    EXPECT_EQ(image->DrawMode(), TDrawMode::CenterFit);
    const struct {
        int width, height, pictureWidth, pictureHeight;
        TDrawMode mode;
        std::vector<RECT> expected;
    } cases[] = {
        {225, 433, 343, 615, TDrawMode::CenterFit, {{0, 15, 225, 418}}},
        {80, 75, 512, 512, TDrawMode::CenterFit, {{2, 0, 77, 75}}},
        {250,
         100,
         100,
         40,
         TDrawMode::Tile,
         {{0, 0, 100, 40},
          {100, 0, 200, 40},
          {200, 0, 300, 40},
          {0, 40, 100, 80},
          {100, 40, 200, 80},
          {200, 40, 300, 80},
          {0, 80, 100, 120},
          {100, 80, 200, 120},
          {200, 80, 300, 120}}},
    };
    for (const auto& c : cases) {
        image->SetBounds(0, 0, c.width, c.height);
        image->SetDrawMode(c.mode);
        image->Picture().SetGraphic(Plain(c.pictureWidth, c.pictureHeight, {0, 0, 255}));
        const auto rects = image->ComputeDestRects();
        ASSERT_EQ(rects.size(), c.expected.size());
        for (std::size_t i = 0; i < rects.size(); ++i)
            EXPECT_TRUE(Same(rects[i], c.expected[i])) << i;
    }
    // Without a picture the whole client area.
    image->Picture().Clear();
    EXPECT_TRUE(Same(image->ComputeDestRects().front(), {0, 0, 250, 100}));
}

TEST_F(Image, InflatesMirrorsAndBlendsWhatItDraws) {
    // Left half red, right half blue (tall enough that scaling keeps the middle solid).
    Bytes rows;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const Bytes pixel = x < 10 ? Bytes{255, 0, 0} : Bytes{0, 0, 255};
            rows.insert(rows.end(), pixel.begin(), pixel.end());
        }
    image->Picture().LoadFromBytes(test::EncodePng({20, 20, PNG_COLOR_TYPE_RGB, 8, rows}));
    image->SetBounds(20, 20, 200, 100);
    image->SetDrawMode(TDrawMode::Stretch);
    form->Show();
    EXPECT_EQ(test::AwaitScreenPixel(*form, {40, 70}, 0xFF0000), 0xFF0000u);
    EXPECT_EQ(test::AwaitScreenPixel(*form, {200, 70}, 0x0000FF), 0x0000FFu);

    image->SetFlipX(true);
    EXPECT_EQ(test::AwaitScreenPixel(*form, {40, 70}, 0x0000FF), 0x0000FFu);
    EXPECT_EQ(test::AwaitScreenPixel(*form, {200, 70}, 0xFF0000), 0xFF0000u);

    image->SetFlipX(false);
    image->SetInflationValue(-10);
    EXPECT_EQ(test::AwaitScreenPixel(*form, {25, 70}, 0xFFFFFF), 0xFFFFFFu) << "shrunk";
    EXPECT_EQ(test::AwaitScreenPixel(*form, {35, 70}, 0xFF0000), 0xFF0000u);

    image->SetInflationValue(0);
    image->SetOpacity(128);
    const unsigned blended = test::AwaitScreenPixel(*form, {40, 70}, 0xFF7F7F, 3);
    EXPECT_TRUE(test::NearRgb(blended, 0xFF7F7F, 3)) << std::hex << blended;
}

TEST_F(Image, GifSettingsDriveTheAnimationAtTheNextPictureChange) {
    const Bytes palette{255, 0, 0, 0, 0, 255};
    const Bytes gif = test::EncodeGif(4, 4, palette,
                                      {{0, 0, 4, 4, std::vector<std::uint8_t>(16, 0), 5},
                                       {0, 0, 4, 4, std::vector<std::uint8_t>(16, 1), 5}},
                                      1);
    image->GifSettings().SetEnable(true);
    image->GifSettings().SetAnimationSpeed(200);
    image->Picture().LoadFromBytes(gif);
    auto* animated = dynamic_cast<toolkit::GifImage*>(image->Picture().Graphic());
    ASSERT_NE(animated, nullptr);
    EXPECT_TRUE(animated->Animate());
    EXPECT_EQ(animated->AnimationSpeed(), 200);
    EXPECT_TRUE(animated->LoopForever()) << "whatever the file's loop count";

    image->GifSettings().SetEnable(false);
    EXPECT_TRUE(animated->Animate()) << "only the next picture change applies it";
    image->Picture().LoadFromBytes(gif);
    animated = dynamic_cast<toolkit::GifImage*>(image->Picture().Graphic());
    EXPECT_FALSE(animated->Animate());
}

TEST_F(Image, TheCacheAndThePicturesCanvas) {
    for (int round = 0; round < 2; ++round) {
        image->SetDrawCache(true);
        ASSERT_NE(image->Cache(), nullptr);
        EXPECT_EQ(image->Cache()->Width(), image->Width());
        EXPECT_EQ(&image->CachedCanvas(), &const_cast<toolkit::Bitmap*>(image->Cache())->Canvas());
        image->SetDrawCache(false);
        EXPECT_EQ(image->Cache(), nullptr);
    }
    EXPECT_NE(&image->CachedCanvas(), nullptr);

    // An empty picture becomes a bitmap of the control's size to draw on.
    image->Canvas().Brush().SetColor(toolkit::clRed);
    auto* bitmap = dynamic_cast<toolkit::Bitmap*>(image->Picture().Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width(), 150);
    EXPECT_EQ(bitmap->Height(), 100);

    image->Picture().SetGraphic(Plain(3, 3, {1, 2, 3}));
    try {
        image->Canvas();
        ADD_FAILURE() << "a PNG has no canvas to draw on";
    } catch (const toolkit::Error& error) {
        EXPECT_EQ(error.Message(), L"Can only modify an image if it contains a bitmap");
    }
}

TEST_F(Image, TheCacheHoldsOnePaintNotTheSumOfAll) {
    image->Picture().SetGraphic(Plain(10, 10, {255, 0, 0}));
    image->SetDrawMode(TDrawMode::Stretch);
    image->SetOpacity(128);
    image->SetDrawCache(true);
    form->Show();
    const auto cached = [&] {
        test::Pump();
        const std::uint8_t* pixel = image->Cache()->ScanLine(50) + 4 * 75;
        return std::vector<int>(pixel, pixel + 4);
    };
    const std::vector<int> first = cached();
    EXPECT_GT(first[2], 0) << "the picture is in the cache";
    for (int paint = 0; paint < 3; ++paint) {
        image->InvalidateControl();
        EXPECT_EQ(cached(), first) << "paint " << paint;
    }
}

TEST_F(Image, AutoSizeTakesThePicturesSize) {
    image->SetAutoSize(true);
    image->Picture().SetGraphic(Plain(37, 21, {1, 2, 3}));
    EXPECT_EQ(image->Width(), 37);
    EXPECT_EQ(image->Height(), 21);
    image->SetAlign(toolkit::AlignKind::Top);
    image->Picture().SetGraphic(Plain(60, 30, {1, 2, 3}));
    EXPECT_EQ(image->Height(), 30);
    EXPECT_EQ(image->Width(), form->ClientWidth()) << "the alignment keeps the width";
}

} // namespace
