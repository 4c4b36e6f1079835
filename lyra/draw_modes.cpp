#include "lyra/draw_modes.h"

#include "lyra/bitmap_drawing.h"

#include <cmath>

namespace lyra {

std::vector<RECT> GetDrawModeRects(const RECT& rect, int graphicWidth, int graphicHeight,
                                   LyDrawMode mode, int inset) {
    std::vector<RECT> rects = vel::GetDrawModeRects(
        rect, graphicWidth, graphicHeight, vel::TDrawMode(mode), vel::TPlacementRule::Framework);
    for (RECT& placed : rects)
        placed = {placed.left + inset, placed.top + inset, placed.right - inset,
                  placed.bottom - inset};
    return rects;
}

std::vector<RECT> GetDrawModeRects(const RECT& rect, const toolkit::Graphic* graphic,
                                   LyDrawMode mode, int inset) {
    if (!graphic) return {};
    return GetDrawModeRects(rect, graphic->Width(), graphic->Height(), mode, inset);
}

void DrawImageInRect(toolkit::Canvas& canvas, const RECT& rect, const toolkit::Graphic* graphic,
                     LyDrawMode mode, int inset) {
    for (const RECT& placed : GetDrawModeRects(rect, graphic, mode, inset))
        DrawGraphicOpacity(canvas, placed, graphic, 255);
}

RECT ScaleRectPercent(const RECT& rect, double percent) {
    return {rect.left, rect.top,
            rect.left + LONG(std::lround(percent / 100 * (rect.right - rect.left))),
            rect.top + LONG(std::lround(percent / 100 * (rect.bottom - rect.top)))};
}

} // namespace lyra
