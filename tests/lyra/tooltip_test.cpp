// The framework's hint windows, shown on the screen and read back.
#include "lyra/tooltip.h"
#include "tests/gui_support/gui_test_support.h"

#include <memory>
#include <string>

namespace {

using test::NearRgb;

// The size DrawText gives the hint in the tooltip's font.
SIZE TextSize(lyra::LyCustomTooltip& tooltip, const std::wstring& hint, int maxWidth) {
    toolkit::Bitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(tooltip.Font());
    RECT rect{0, 0, maxWidth, 0};
    scratch.Canvas().TextRect(rect, hint, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    return {rect.right, rect.bottom};
}

// The darkest or the lightest pixel of the text area, whichever stands out from the fill.
unsigned TextPixel(lyra::LyCustomTooltip& tooltip, bool darkText) {
    const auto painted = test::Capture(tooltip);
    unsigned found = darkText ? 0xFFFFFF : 0;
    for (int y = 7; y < tooltip.Height() - 7; ++y)
        for (int x = 9; x < tooltip.Width() - 9; ++x) {
            const unsigned pixel = test::PixelRgb(*painted, x, y);
            if (darkText ? (pixel & 0xFF) < (found & 0xFF) : (pixel & 0xFF) > (found & 0xFF))
                found = pixel;
        }
    return found;
}

template <class Tooltip> std::unique_ptr<Tooltip> ShowHint(const std::wstring& hint) {
    auto tooltip = std::make_unique<Tooltip>(nullptr);
    RECT rect = tooltip->CalcHintRect(300, hint);
    OffsetRect(&rect, 200, 200);
    tooltip->ActivateHint(rect, hint);
    test::Pump();
    return tooltip;
}

class Tooltip : public test::GuiTest {};

TEST_F(Tooltip, LightAndDarkTakeTheThemeManagersTooltipColours) {
    const struct {
        bool dark;
        unsigned back, frame, text;
    } cases[] = {{false, 0xF3F3F3, 0xFBFBFB, 0x202020}, {true, 0x202020, 0x2B2B2B, 0xF3F3F3}};
    for (const auto& expected : cases) {
        std::unique_ptr<lyra::LyCustomTooltip> tooltip;
        if (expected.dark)
            tooltip = ShowHint<lyra::LyDarkTooltip>(L"Quillpad");
        else
            tooltip = ShowHint<lyra::LyLightTooltip>(L"Quillpad");
        const int middle = tooltip->Height() / 2;
        EXPECT_EQ(test::AwaitScreenPixel(*tooltip, {4, 3}, expected.back), expected.back);
        EXPECT_EQ(test::AwaitScreenPixel(*tooltip, {0, middle}, expected.frame), expected.frame);
        EXPECT_EQ(test::AwaitScreenPixel(*tooltip, {1, middle}, expected.frame), expected.frame);
        EXPECT_TRUE(NearRgb(TextPixel(*tooltip, !expected.dark), expected.text, 8))
            << std::hex << TextPixel(*tooltip, !expected.dark);
    }
}

TEST_F(Tooltip, TheHintRectangleHoldsTheTextMarginsAndFrame) {
    lyra::LyLightTooltip tooltip(nullptr);
    const std::wstring hint = L"Install Quillpad Studio";
    const SIZE text = TextSize(tooltip, hint, 300);
    RECT rect = tooltip.CalcHintRect(300, hint);
    EXPECT_EQ(rect.right, text.cx + 18);
    EXPECT_EQ(rect.bottom, text.cy + 14);

    tooltip.BorderThickness = 0;
    rect = tooltip.CalcHintRect(300, hint);
    EXPECT_EQ(rect.right, text.cx + 14);
    EXPECT_EQ(rect.bottom, text.cy + 10);

    // A hint wider than the limit wraps onto more lines.
    const std::wstring longHint = L"Quillpad Studio is being installed in the folder you chose";
    rect = tooltip.CalcHintRect(100, longHint);
    EXPECT_LE(rect.right, 100 + 14);
    EXPECT_GE(rect.bottom, 2 * text.cy + 10);
}

TEST_F(Tooltip, WithoutFrameOrShadow) {
    auto tooltip = std::make_unique<lyra::LyLightTooltip>(nullptr);
    tooltip->BorderThickness = 0;
    tooltip->ShowShadow = false;
    RECT rect = tooltip->CalcHintRect(300, L"Quillpad");
    OffsetRect(&rect, 200, 200);
    tooltip->ActivateHint(rect, L"Quillpad");
    test::Pump();
    EXPECT_EQ(test::AwaitScreenPixel(*tooltip, {0, tooltip->Height() / 2}, 0xF3F3F3u), 0xF3F3F3u);
    EXPECT_EQ(GetClassLongPtrW(tooltip->Handle(), GCL_STYLE) & CS_DROPSHADOW, 0u);
    EXPECT_EQ(GetWindowLongW(tooltip->Handle(), GWL_STYLE) & WS_BORDER, 0);

    auto shadowed = ShowHint<lyra::LyLightTooltip>(L"Quillpad");
    EXPECT_NE(GetClassLongPtrW(shadowed->Handle(), GCL_STYLE) & CS_DROPSHADOW, 0u);
}

} // namespace
