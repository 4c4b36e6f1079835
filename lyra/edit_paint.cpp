// How the edit looks: the field, its border and accent line, the text or its hint, the
// selection and the caret.
#include "lyra/bitmap_drawing.h"
#include "lyra/edit.h"
#include "lyra/gdi_shapes.h"

#include <algorithm>

namespace lyra {

namespace {
Gdiplus::SolidBrush SolidBrush(TColor Color) {
    return Gdiplus::SolidBrush(Gdiplus::Color(MakeGPColor(Color)));
}
} // namespace

int LyCustomEdit::TextTop() {
    const int height = TextHeight();
    const int spare = FTxtRect.bottom - FTxtRect.top - height;
    const int offset = FLayout == LyLayout::Beginning ? 0
                       : FLayout == LyLayout::Center  ? spare / 2
                                                      : spare;
    return FTxtRect.top + offset;
}

RECT LyCustomEdit::CaretRect() {
    // On the text line, so the caret, the selection and the letters share one height.
    const int top = TextTop();
    const int left = FTxtRect.left + FDrawPosition - FIndicatorWidth / 2;
    return {left, top, left + FIndicatorWidth, top + TextHeight()};
}

void LyCustomEdit::PaintBuffer() {
    if (!HandleAllocated()) return;
    PaintBackground();
    toolkit::Canvas& canvas = Buffer();

    const TColor fill = Focused() ? FEditColors->Press : FEditColors->GetColor(Interaction());
    const auto fillBrush = SolidBrush(fill);
    GDIRoundRect(canvas, TRoundRect(FDrawRectangle, FRoundness), &fillBrush, nullptr);

    const bool outline = FDetail == LyDetailType::Outline;
    const int penWidth = outline ? FLineSize : 1;
    const TColor border = ChangeColorLight(outline ? FLineColor : FDrawColors->BackGround, 15);
    const Gdiplus::Pen pen(Gdiplus::Color(MakeGPColor(border)), Gdiplus::REAL(penWidth));
    RECT borderRect = FDrawRectangle;
    InflateRect(&borderRect, -penWidth, -penWidth);
    GDIRoundRect(canvas, TRoundRect(borderRect, std::max(FRoundness - penWidth, 1)), nullptr, &pen);

    if (FDetail == LyDetailType::Underline) {
        const auto lineBrush = SolidBrush(FLineColor);
        GDIRoundRect(canvas, TRoundRect(FLineRect, FLineSize), &lineBrush, nullptr);
    }

    const int top = TextTop();
    const int height = TextHeight();
    if (HasSelection()) {
        const int left = FTxtRect.left + DisplayWidth(FPosition) - FCutPosition;
        const int right = FTxtRect.left + DisplayWidth(FPosition + FSelLength) - FCutPosition;
        RECT selection{std::max(left, int(FTxtRect.left)), top,
                       std::min(right, int(FTxtRect.right)), top + height};
        const auto accent = SolidBrush(FDrawColors->Accent);
        GDIRectangle(canvas, selection, &accent, nullptr);
    }

    const std::wstring display = DisplayText();
    const bool showHint = display.empty() && !FTextHint.empty();
    canvas.Font().Assign(TextFont());
    if (showHint) canvas.Font().SetColor(ColorBlend(TextFont().Color(), fill, 100));
    canvas.Brush().SetStyle(toolkit::BrushStyle::Clear);
    canvas.TextRect(FTxtRect, FTxtRect.left - FCutPosition, top, showHint ? FTextHint : display);

    if (Focused() && FCaretShown) {
        const RECT caret = CaretRect();
        toolkit::Bitmap white(caret.right - caret.left, caret.bottom - caret.top);
        white.Canvas().Brush().SetColor(toolkit::clWhite);
        white.Canvas().FillRect({0, 0, white.Width(), white.Height()});
        XorDraw(white, canvas, caret);
    }
    LyWindowsControl::PaintBuffer();
}

} // namespace lyra
