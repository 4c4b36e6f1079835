#include "lyra/border.h"

#include "toolkit/gdi_handles.h"

namespace lyra {

void DrawBorder(toolkit::Canvas& canvas, const RECT& rect, toolkit::TColor color, int width,
                int roundness) {
    if (width <= 0) return;
    // A GDI pen is centred on the outline and an even pen lies one pixel more to the outside;
    // these insets put its outer edge on the rectangle's edge either way.
    const int inner = width / 2;
    const int outer = width % 2 ? width / 2 : width / 2 - 1;
    const RECT outline{rect.left + inner, rect.top + inner, rect.right - outer,
                       rect.bottom - outer};
    HDC dc = canvas.Handle();
    const toolkit::GdiObject<HPEN> pen(CreatePen(PS_SOLID, width, toolkit::ColorToRGB(color)));
    const toolkit::ScopedSelect selectPen(dc, pen.Get());
    const toolkit::ScopedSelect selectBrush(dc, GetStockObject(NULL_BRUSH));
    if (roundness > 0)
        RoundRect(dc, outline.left, outline.top, outline.right, outline.bottom, roundness,
                  roundness);
    else
        Rectangle(dc, outline.left, outline.top, outline.right, outline.bottom);
}

} // namespace lyra
