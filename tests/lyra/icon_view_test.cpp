// The themed icon on a real themed form: where the square icon lands for each placement and
// scale, and the glyph's colours in both themes, disabled and with custom colours.
#include "display_test_support.h"
#include "lyra/icon_view.h"
#include "rect_compare.h"

namespace {

using lyra::LyIconType;
using lyra::LyIconView;
using lyra::LyLayout;
using test::PixelRgb;
using test::Rgb;

class IconViewTest : public test::DisplayTest {
  protected:
    LyIconView* MakeView(int width, int height) {
        auto* view = new LyIconView(form.get());
        view->SetParent(form.get());
        view->SetBounds(10, 10, width, height);
        return view;
    }
    // A bitmap icon of one colour, so the drawn square can be read back exactly.
    static void UseSolidBitmap(LyIconView& view, toolkit::TColor color) {
        toolkit::Bitmap bitmap(10, 10);
        bitmap.Canvas().Brush().SetColor(color);
        bitmap.Canvas().FillRect({0, 0, 10, 10});
        view.Image().SetIconType(LyIconType::BitMap);
        view.Image().SetSelectBitmap(bitmap);
    }
};

TEST_F(IconViewTest, StartsAsACentredSquareGlyph) {
    auto* view = new LyIconView(form.get());
    EXPECT_EQ(view->Width(), 60);
    EXPECT_EQ(view->Height(), 60);
    EXPECT_EQ(view->Scale(), 1.0);
    EXPECT_EQ(view->LayoutHorizontal(), LyLayout::Center);
    EXPECT_EQ(view->LayoutVertical(), LyLayout::Center);
    EXPECT_TRUE(view->TabStop());
    EXPECT_TRUE(view->Image().Enabled());
    EXPECT_EQ(view->Image().IconType(), LyIconType::SegoeIcon);
    EXPECT_FALSE(view->CustomColors().Enabled());
    EXPECT_FALSE(view->IsContainer());
    EXPECT_EQ(view->IconRect(), (RECT{0, 0, 60, 60}));
}

TEST_F(IconViewTest, PlacesASquareIconScaledToTheSmallerSide) {
    auto* view = MakeView(100, 60);
    UseSolidBitmap(*view, toolkit::clRed);
    form->Show();
    const struct {
        double scale;
        LyLayout horizontal, vertical;
        RECT icon;
    } cases[] = {
        {1.0, LyLayout::Center, LyLayout::Center, {20, 0, 80, 60}},
        {1.0, LyLayout::Beginning, LyLayout::Beginning, {0, 0, 60, 60}},
        {1.0, LyLayout::Ending, LyLayout::Ending, {40, 0, 100, 60}},
        {0.5, LyLayout::Center, LyLayout::Center, {35, 15, 65, 45}},
        {0.5, LyLayout::Ending, LyLayout::Beginning, {70, 0, 100, 30}},
        {0.5, LyLayout::Beginning, LyLayout::Ending, {0, 30, 30, 60}},
    };
    for (const auto& c : cases) {
        view->SetScale(c.scale);
        view->SetLayoutHorizontal(c.horizontal);
        view->SetLayoutVertical(c.vertical);
        SCOPED_TRACE(testing::Message() << "expected " << c.icon);
        EXPECT_EQ(view->IconRect(), c.icon);
        EXPECT_EQ(test::InkBounds(view->BufferBitmap(), Rgb(view->Background())), c.icon);
    }
    EXPECT_EQ(test::ScreenPixel(*view, {5, 50}), 0xFF0000u) << "the screen shows the buffer";

    // The padding shrinks the area the icon is scaled to.
    view->SetScale(1.0);
    view->PaddingFill().SetLeft(10);
    view->PaddingFill().SetTop(10);
    EXPECT_EQ(view->IconRect(), (RECT{10, 10, 60, 60}));
}

TEST_F(IconViewTest, DrawsTheGlyphInTheThemeColoursAndGreyWhileDisabled) {
    auto* view = MakeView(60, 60);
    form->Show();
    for (const auto& theme : test::kThemeColours) {
        UseTheme(theme.dark);
        SCOPED_TRACE(theme.dark ? "dark" : "light");
        view->SetEnabled(true);
        EXPECT_EQ(PixelRgb(view->BufferBitmap(), 0, 0), theme.background);
        EXPECT_TRUE(test::HasPixel(view->BufferBitmap(), theme.foreground)) << "the glyph";
        EXPECT_FALSE(test::HasPixel(view->BufferBitmap(), 0x808080));

        view->SetEnabled(false);
        EXPECT_EQ(PixelRgb(view->BufferBitmap(), 0, 0), theme.background);
        EXPECT_TRUE(test::HasPixel(view->BufferBitmap(), 0x808080)) << "the grey glyph";
        EXPECT_FALSE(test::HasPixel(view->BufferBitmap(), theme.foreground));
    }
}

TEST_F(IconViewTest, CustomColoursReplaceTheThemeUnlessDisabled) {
    auto* view = MakeView(60, 60);
    form->Show();
    UseTheme(false);
    view->CustomColors().LightBackGround = 0x00FF0000;
    view->CustomColors().LightForeGround = 0x000000FF;
    view->CustomColors().SetEnabled(true);
    EXPECT_EQ(PixelRgb(view->BufferBitmap(), 0, 0), 0x0000FFu);
    EXPECT_TRUE(test::HasPixel(view->BufferBitmap(), 0xFF0000));

    view->SetEnabled(false);
    EXPECT_EQ(PixelRgb(view->BufferBitmap(), 0, 0), 0xF3F3F3u) << "the theme's background";
    EXPECT_TRUE(test::HasPixel(view->BufferBitmap(), 0x808080));
}

TEST_F(IconViewTest, TakesOverAnotherSelectionsSettingsAndRepaintsOnHover) {
    auto* view = MakeView(60, 60);
    form->Show();
    lyra::LyIconSelect other(nullptr);
    other.SetIconType(LyIconType::BitMap);
    toolkit::Bitmap bitmap(4, 4);
    bitmap.Canvas().Brush().SetColor(toolkit::clLime);
    bitmap.Canvas().FillRect({0, 0, 4, 4});
    other.SetSelectBitmap(bitmap);

    view->SetImage(other);
    EXPECT_NE(&view->Image(), &other) << "the view keeps its own selection";
    EXPECT_EQ(view->Image().IconType(), LyIconType::BitMap);
    EXPECT_EQ(PixelRgb(view->BufferBitmap(), 30, 30), 0x00FF00u);

    int paints = 0;
    view->OnPaintBuffer = [&](toolkit::Component*) { ++paints; };
    test::MouseMoveTo(*view, {30, 30});
    EXPECT_EQ(view->Interaction(), lyra::LyControlState::Hover);
    EXPECT_GE(paints, 1) << "the buffer is drawn again for the new state";
}

} // namespace
