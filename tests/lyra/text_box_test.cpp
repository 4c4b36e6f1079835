// The themed text label on a real themed form: where its text lands, wrapping, sizing to the
// text, and its colours in both themes, read back from its buffer and from the screen.
#include "display_test_support.h"
#include "lyra/text_box.h"
#include "lyra/theme_manager.h"
#include "rect_compare.h"

#include <string>

namespace {

using lyra::LyLayout;
using lyra::LyTextBox;
using test::InkBounds;
using test::PixelRgb;
using test::Rgb;

class TextBoxTest : public test::DisplayTest {
  protected:
    // A text box on the form, placed at (10, 10), not sizing itself.
    LyTextBox* MakeBox(const std::wstring& text, int width, int height) {
        auto* box = new LyTextBox(form.get());
        box->SetParent(form.get());
        box->SetAutoSize(false);
        box->SetBounds(10, 10, width, height);
        box->SetCaption(text);
        return box;
    }
    // The size of the text in the box's font.
    static SIZE TextSize(LyTextBox& box, const std::wstring& text) {
        toolkit::Bitmap scratch(1, 1);
        scratch.Canvas().Font().Assign(box.TextFont());
        return scratch.Canvas().TextExtent(text);
    }
    static RECT Ink(LyTextBox& box) { return InkBounds(box.BufferBitmap(), Rgb(box.Background())); }
};

TEST_F(TextBoxTest, StartsAsAOneLineLabelThatSizesItselfOnceItHasAWindow) {
    auto* box = new LyTextBox(form.get());
    EXPECT_EQ(box->Caption(), L"Hello World");
    EXPECT_EQ(box->Text(), L"Hello World");
    EXPECT_EQ(box->LayoutHorizontal(), LyLayout::Beginning);
    EXPECT_EQ(box->LayoutVertical(), LyLayout::Center);
    EXPECT_TRUE(box->AutoSize());
    EXPECT_FALSE(box->WordWrap());
    EXPECT_FALSE(box->Elipsis());
    EXPECT_EQ(box->InnerMargin(), 0);
    EXPECT_FALSE(box->TabStop());
    EXPECT_TRUE(box->AutoFocusLine());
    EXPECT_TRUE(box->HitTest());
    EXPECT_FALSE(box->CustomColors().Enabled());
    EXPECT_FALSE(box->IsContainer());
    EXPECT_EQ(box->Width(), 180);
    EXPECT_EQ(box->Height(), 30);

    box->SetText(L"Other");
    EXPECT_EQ(box->Caption(), L"Other") << "Text and Caption are one string";
    box->SetParent(form.get());
    form->Show();
    const SIZE text = TextSize(*box, L"Other");
    EXPECT_EQ(box->Width(), text.cx);
    EXPECT_EQ(box->Height(), text.cy);
}

TEST_F(TextBoxTest, PlacesTheTextInNinePositions) {
    auto* box = MakeBox(L"Hello", 300, 120);
    form->Show();
    const SIZE text = TextSize(*box, L"Hello");
    // Where the text's cell starts along an axis of that length.
    auto cellStart = [](LyLayout layout, int length, int textLength) {
        return layout == LyLayout::Beginning ? 0
               : layout == LyLayout::Center  ? (length - textLength) / 2
                                             : length - textLength;
    };
    for (LyLayout vertical : {LyLayout::Beginning, LyLayout::Center, LyLayout::Ending})
        for (LyLayout horizontal : {LyLayout::Beginning, LyLayout::Center, LyLayout::Ending}) {
            box->SetLayoutHorizontal(horizontal);
            box->SetLayoutVertical(vertical);
            const RECT ink = Ink(*box);
            const int left = cellStart(horizontal, 300, text.cx);
            const int top = cellStart(vertical, 120, text.cy);
            SCOPED_TRACE(testing::Message() << "horizontal " << int(horizontal) << ", vertical "
                                            << int(vertical) << ", ink " << ink);
            EXPECT_GE(ink.left, left - 1);
            EXPECT_LE(ink.right, left + text.cx + 1);
            EXPECT_GT(ink.right - ink.left, text.cx / 2);
            EXPECT_GE(ink.top, top - 1);
            EXPECT_LE(ink.bottom, top + text.cy + 1);
        }
    // The screen shows the buffer.
    EXPECT_EQ(test::ScreenPixel(*box, {2, 2}), Rgb(box->Background()));
}

TEST_F(TextBoxTest, WrapsAtWordsOnlyWhenAskedAndLetsALongWordRunIntoThePadding) {
    const std::wstring text = L"alpha beta gamma delta epsilon";
    auto* box = MakeBox(text, 120, 150);
    box->SetLayoutVertical(LyLayout::Beginning);
    form->Show();
    const int lineHeight = TextSize(*box, L"alpha").cy;
    RECT ink = Ink(*box);
    EXPECT_LT(ink.bottom - ink.top, lineHeight) << "one line";
    EXPECT_GT(ink.right, 100) << "cut at the right edge";

    box->SetWordWrap(true);
    toolkit::Bitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(box->TextFont());
    const int lines = int(lyra::WrapTextLines(scratch.Canvas(), text, box->TextRect()).size());
    ASSERT_GE(lines, 3);
    ink = Ink(*box);
    EXPECT_GT(ink.bottom - ink.top, (lines - 1) * lineHeight);
    EXPECT_LE(ink.bottom, lines * lineHeight);
    EXPECT_LE(ink.right, 120);

    // A word wider than the text rectangle is not cut at its edge.
    const std::wstring word = L"Supercalifragilistic";
    box->SetCaption(word);
    box->PaddingFill().SetRight(80);
    ASSERT_GT(TextSize(*box, word).cx, 60);
    EXPECT_GT(Ink(*box).right, box->TextRect().right + 10);
    box->SetWordWrap(false);
    EXPECT_LE(Ink(*box).right, box->TextRect().right) << "a single line is cut";
}

TEST_F(TextBoxTest, AutoSizeFollowsTheTextTheFontThePaddingAndTheMargin) {
    auto* box = MakeBox(L"Hi", 50, 20);
    box->PaddingFill().SetLeft(3);
    box->PaddingFill().SetRight(5);
    box->PaddingFill().SetTop(2);
    box->PaddingFill().SetBottom(4);
    box->SetAutoSize(true);
    SIZE text = TextSize(*box, L"Hi");
    EXPECT_EQ(box->Width(), text.cx + 8);
    EXPECT_EQ(box->Height(), text.cy + 6);

    box->SetCaption(L"Hi there, a longer text");
    text = TextSize(*box, box->Caption());
    EXPECT_EQ(box->Width(), text.cx + 8);
    box->TextFont().SetHeight(-30);
    text = TextSize(*box, box->Caption());
    EXPECT_EQ(box->Width(), text.cx + 8);
    EXPECT_EQ(box->Height(), text.cy + 6);

    // The margin surrounds the text: a measured text box keeps its size however often it is
    // measured again.
    box->SetInnerMargin(4);
    box->UpdateAutoSize();
    box->UpdateAutoSize();
    EXPECT_EQ(box->Width(), text.cx + 8 + 8);
    EXPECT_EQ(box->Height(), text.cy + 6 + 8);

    // Wrapped, the width stays and the height takes the lines.
    box->SetInnerMargin(0);
    box->SetAutoSize(false);
    box->SetBounds(10, 10, 140, 40);
    box->TextFont().SetHeight(-14);
    box->SetWordWrap(true);
    box->SetAutoSize(true);
    toolkit::Bitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(box->TextFont());
    const auto lines = lyra::WrapTextLines(scratch.Canvas(), box->Caption(), box->TextRect());
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(box->Width(), 140);
    EXPECT_EQ(box->Height(), int(lines.size()) * lyra::LineHeight(scratch.Canvas(), lines[0]) + 6);
}

TEST_F(TextBoxTest, TheInnerMarginShowsAtTheNextRepaintAndElipsisChangesNothing) {
    auto* box = MakeBox(L"A long text that does not fit", 100, 40);
    form->Show();
    const std::vector<unsigned> before = test::Pixels(box->BufferBitmap());
    const RECT ink = Ink(*box);

    box->SetInnerMargin(10);
    EXPECT_EQ(test::Pixels(box->BufferBitmap()), before) << "no repaint of its own";
    box->Invalidate();
    EXPECT_EQ(Ink(*box).left, ink.left + 10);
    EXPECT_LE(Ink(*box).right, 90) << "cut 10 pixels in";

    box->SetInnerMargin(0);
    box->Invalidate();
    box->SetElipsis(true);
    EXPECT_TRUE(box->Elipsis());
    EXPECT_EQ(test::Pixels(box->BufferBitmap()), before);
}

TEST_F(TextBoxTest, TakesTheThemeColoursOverItsParentsBackground) {
    auto* box = MakeBox(L"Hello World", 200, 40);
    form->Show();
    for (const auto& theme : test::kThemeColours) {
        UseTheme(theme.dark);
        SCOPED_TRACE(theme.dark ? "dark" : "light");
        EXPECT_EQ(Rgb(box->Background()), theme.background);
        EXPECT_EQ(Rgb(box->Background()), Rgb(form->Background()));
        EXPECT_EQ(PixelRgb(box->BufferBitmap(), 1, 1), theme.background);
        EXPECT_TRUE(test::HasPixel(box->BufferBitmap(), theme.foreground)) << "the text";
        EXPECT_EQ(test::ScreenPixel(*box, {1, 1}), theme.background);
    }
}

TEST_F(TextBoxTest, CustomColoursReplaceTheThemeAndTheParentsBackground) {
    auto* box = MakeBox(L"Hello World", 200, 40);
    form->Show();
    lyra::LyColorSets& colors = box->CustomColors();
    colors.LightBackGround = 0x00FF0000;
    colors.LightForeGround = 0x000000FF;
    colors.DarkBackGround = 0x00008000;
    colors.DarkForeGround = 0x0000FFFF;
    colors.SetEnabled(true);
    const struct {
        bool dark;
        unsigned background, foreground;
    } themes[] = {{false, 0x0000FF, 0xFF0000}, {true, 0x008000, 0xFFFF00}};
    for (const auto& theme : themes) {
        UseTheme(theme.dark);
        SCOPED_TRACE(theme.dark ? "dark" : "light");
        EXPECT_EQ(PixelRgb(box->BufferBitmap(), 1, 1), theme.background);
        EXPECT_TRUE(test::HasPixel(box->BufferBitmap(), theme.foreground));
        EXPECT_EQ(test::ScreenPixel(*box, {1, 1}), theme.background);
    }
    colors.SetEnabled(false);
    EXPECT_EQ(box->Background(), form->Background()) << "back to the parent's background";
}

} // namespace
