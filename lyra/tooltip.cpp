#include "lyra/tooltip.h"

#include "lyra/border.h"
#include "lyra/colors.h"
#include "lyra/theme_manager.h"

namespace lyra {

namespace {
// Between the frame and the text.
constexpr int kMarginX = 7;
constexpr int kMarginY = 5;
} // namespace

LyCustomTooltip::LyCustomTooltip(toolkit::Component* aOwner) : toolkit::HintWindow(aOwner) {
    Font().SetName(L"Segoe UI");
    Font().SetSize(8);
}

void LyCustomTooltip::CreateParams(toolkit::WindowParams& params) {
    toolkit::HintWindow::CreateParams(params);
    params.style &= ~DWORD(WS_BORDER);
    if (!ShowShadow) params.classStyle &= ~UINT(CS_DROPSHADOW);
}

RECT LyCustomTooltip::CalcHintRect(int MaxWidth, const std::wstring& AHint) {
    Canvas().Font().Assign(Font());
    RECT rect{0, 0, MaxWidth, 0};
    Canvas().TextRect(rect, AHint, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    rect.right += (kMarginX + BorderThickness) * 2;
    rect.bottom += (kMarginY + BorderThickness) * 2;
    return rect;
}

void LyCustomTooltip::Paint() {
    toolkit::Canvas& canvas = Canvas();
    canvas.Brush().SetStyle(toolkit::BrushStyle::Solid);
    canvas.Brush().SetColor(BackColor);
    canvas.FillRect({0, 0, Width(), Height()});
    canvas.Brush().SetStyle(toolkit::BrushStyle::Clear);
    DrawBorder(canvas, {0, 0, Width(), Height()}, BorderColor, BorderThickness, 5);

    canvas.Font().Assign(Font());
    canvas.Font().SetColor(ContrastColor(BackColor));
    const int t = BorderThickness;
    RECT text{kMarginX + t, kMarginY + t, Width() - kMarginX - t, Height() - kMarginY - t};
    canvas.TextRect(text, Caption(), DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS);
}

LRESULT LyCustomTooltip::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // No frame of the system's: the frame is part of the painting.
    if (message == WM_NCPAINT) return 0;
    return toolkit::HintWindow::WndProc(message, wParam, lParam);
}

void LyCustomTooltip::TakeTooltipColors(bool DarkHalf) {
    const LyCompleteColorSets& colors = ThemeManager().SystemToolTip();
    BackColor = colors.ThemeColor(DarkHalf, LyColorKind::BackGround);
    BorderColor = colors.ThemeColor(DarkHalf, LyColorKind::BackGroundInterior);
}

LyLightTooltip::LyLightTooltip(toolkit::Component* aOwner) : LyCustomTooltip(aOwner) {
    ApplyColor();
}

void LyLightTooltip::ApplyColor() {
    TakeTooltipColors(false);
}

LyDarkTooltip::LyDarkTooltip(toolkit::Component* aOwner) : LyCustomTooltip(aOwner) {
    ApplyColor();
}

void LyDarkTooltip::ApplyColor() {
    TakeTooltipColors(true);
}

} // namespace lyra
