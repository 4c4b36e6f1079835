// Text in rectangles with the canvas's real font: wrapping, measuring, drawing and fitting.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "lyra/text_layout.h"

#include "draw_test_bitmaps.h"
#include "rect_compare.h"

namespace lyra {
namespace {

using test::GreyBitmap;
using test::Level;

const std::wstring threeWords = L"alpha beta gamma";

class TextLayout : public testing::Test {
  protected:
    GreyBitmap bitmap{200, 120, 255};
    toolkit::Canvas& canvas = bitmap.Canvas();

    void SetUp() override {
        canvas.Font().SetHeight(-14);
        canvas.Font().SetColor(toolkit::clBlack);
        canvas.Brush().SetStyle(toolkit::BrushStyle::Clear);
    }
    int Width(const std::wstring& text) { return canvas.TextWidth(text); }
    int Line() { return LineHeight(canvas, L""); }

    // The first and last rows with dark pixels, or (-1, -1).
    std::pair<int, int> InkRows() {
        int first = -1, last = -1;
        for (int y = 0; y < bitmap.Height(); ++y)
            for (int x = 0; x < bitmap.Width(); ++x)
                if (Level(bitmap, x, y) < 128) {
                    if (first < 0) first = y;
                    last = y;
                    break;
                }
        return {first, last};
    }
};

TEST_F(TextLayout, WrapTextLinesBreaksAtTheRectangleWidth) {
    const RECT twoWords{0, 0, Width(L"alpha beta ") + 2, 100};
    EXPECT_EQ(WrapTextLines(canvas, threeWords, twoWords),
              (std::vector<std::wstring>{L"alpha beta ", L"gamma"}));
    // Every word is wider than the rectangle: each stands alone, after an empty first line.
    EXPECT_EQ(WrapTextLines(canvas, threeWords, {0, 0, 5, 100}),
              (std::vector<std::wstring>{L"", L"alpha ", L"beta ", L"gamma"}));
    EXPECT_EQ(WrapTextLines(canvas, L"alpha\rbeta", {0, 0, 1000, 100}),
              (std::vector<std::wstring>{L"alpha", L"beta"}));
}

TEST_F(TextLayout, LineHeightOfAnEmptyLineIsThatOfAnyLine) {
    EXPECT_GT(Line(), 0);
    EXPECT_EQ(Line(), LineHeight(canvas, L"|"));
    EXPECT_EQ(Line(), LineHeight(canvas, L"alpha"));
}

TEST_F(TextLayout, AutoWrapsOnlyTextWiderThanTheRectangle) {
    const RECT wide{10, 10, 190, 110};
    EXPECT_EQ(MeasureTextRect(canvas, wide, threeWords, {LyTextFlag::Auto}), wide);

    const RECT narrow{10, 10, 10 + Width(L"alpha beta ") + 2, 110};
    EXPECT_EQ(MeasureTextRect(canvas, narrow, threeWords, {LyTextFlag::Auto}),
              (RECT{10, 10, narrow.right, 10 + 2 * Line()}));
    // The inset shrinks the rectangle first, so the same text now needs three lines.
    const RECT measured = MeasureTextRect(canvas, narrow, threeWords, {LyTextFlag::Auto}, 8);
    EXPECT_EQ(measured, (RECT{18, 18, narrow.right - 8, 18 + 3 * Line()}));
}

TEST_F(TextLayout, WrappedTextStartsAtTheTopMiddleOrBottom) {
    const RECT rect{0, 0, Width(L"alpha beta ") + 2, 101};
    const int total = 2 * Line();
    struct Case {
        LyTextFlags flags;
        int top;
    };
    const Case cases[] = {
        {{LyTextFlag::WordWrap}, 0},
        {{LyTextFlag::WordWrap, LyTextFlag::Top}, 0},
        {{LyTextFlag::WordWrap, LyTextFlag::VerticalCenter}, int(std::lround(50.5 - total / 2.0))},
        {{LyTextFlag::WordWrap, LyTextFlag::Bottom}, 101 - total},
    };
    for (const Case& c : cases) {
        const RECT measured = MeasureTextRect(canvas, rect, threeWords, c.flags);
        EXPECT_EQ(measured.top, c.top) << c.flags.Bits();
        EXPECT_EQ(measured.bottom - measured.top, total) << c.flags.Bits();
    }
}

TEST_F(TextLayout, DrawTextRectPutsTheInkWhereTheFlagsSay) {
    const RECT rect{0, 0, 200, 120};
    DrawTextRect(canvas, rect, threeWords, {LyTextFlag::Bottom});
    const auto singleBottom = InkRows();
    EXPECT_GT(singleBottom.first, 120 - Line() - 1);

    bitmap.Fill(255);
    const RECT narrow{0, 0, Width(L"alpha beta ") + 2, 120};
    DrawTextRect(canvas, narrow, threeWords, {LyTextFlag::WordWrap});
    const auto wrappedTop = InkRows();
    EXPECT_LT(wrappedTop.first, Line());
    EXPECT_GE(wrappedTop.second, Line()); // the second line
    EXPECT_LT(wrappedTop.second, 2 * Line());

    bitmap.Fill(255);
    DrawTextRect(canvas, narrow, L"", {LyTextFlag::WordWrap});
    EXPECT_EQ(InkRows().first, -1);
}

TEST_F(TextLayout, FitFontHeightFindsTheLargestFontThatFits) {
    for (const std::wstring text : {L"W", L"Ag", L"wide text"}) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        const int height = FitFontHeight(canvas, text, 16, 16);
        EXPECT_EQ(canvas.Font().Height(), height);
        ASSERT_LT(height, 0);
        const SIZE fits = canvas.TextExtent(text);
        EXPECT_LE(fits.cx, 16);
        EXPECT_LE(fits.cy, 16);
        if (height < -1) {
            canvas.Font().SetHeight(height - 1);
            const SIZE larger = canvas.TextExtent(text);
            EXPECT_TRUE(larger.cx > 16 || larger.cy > 16);
        }
    }
    EXPECT_EQ(FitFontHeight(canvas, L"", 16, 16), 0);
}

} // namespace
} // namespace lyra
