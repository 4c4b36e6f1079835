#include "lyra/draw_modes.h"

#include "lyra/bitmap_drawing.h"

#include <cmath>

namespace lyra {

namespace {

RECT Sized(LONG left, LONG top, LONG width, LONG height) {
    return {left, top, left + width, top + height};
}

RECT Moved(const RECT& rect, LONG dx, LONG dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

// Scaled to the rectangle's width, or to its height where the width-scaled
// picture would not cover (cover) or not fit inside the rectangle.
RECT ScaledFromTopLeft(const RECT& rect, int gw, int gh, bool cover) {
    const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
    const double scaledHeight = double(width) / gw * gh;
    const bool byHeight = cover ? scaledHeight < height : scaledHeight > height;
    if (byHeight) return Sized(rect.left, rect.top, LONG(double(height) / gh * gw), height);
    return Sized(rect.left, rect.top, width, LONG(scaledHeight));
}

// The picture's share of the difference between its size and the rectangle's.
RECT Centred(const RECT& placed, const RECT& rect, int share) {
    const LONG dx = ((rect.right - rect.left) - (placed.right - placed.left)) / share;
    const LONG dy = ((rect.bottom - rect.top) - (placed.bottom - placed.top)) / share;
    return Moved(placed, dx, dy);
}

std::vector<RECT> Tiles(const RECT& rect, int gw, int gh) {
    std::vector<RECT> tiles;
    const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
    LONG y = 0;
    do {
        LONG x = 0;
        do {
            tiles.push_back(Sized(rect.left + x, rect.top + y, gw, gh));
            x += gw;
        } while (x < width);
        y += gh;
    } while (y < height);
    return tiles;
}

std::vector<RECT> Placed(const RECT& rect, int gw, int gh, LyDrawMode mode) {
    switch (mode) {
    case LyDrawMode::Fill:
        return {ScaledFromTopLeft(rect, gw, gh, true)};
    case LyDrawMode::Fit:
        return {ScaledFromTopLeft(rect, gw, gh, false)};
    case LyDrawMode::Stretch:
        return {rect};
    case LyDrawMode::Center: {
        const LONG cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
        // Natural size even when it is odd, so the picture is not squeezed by a pixel.
        return {Sized(cx - gw / 2, cy - gh / 2, gw, gh)};
    }
    case LyDrawMode::CenterFill:
        return {Centred(ScaledFromTopLeft(rect, gw, gh, true), rect, 2)};
    case LyDrawMode::Center3Fill:
        return {Centred(ScaledFromTopLeft(rect, gw, gh, true), rect, 3)};
    case LyDrawMode::CenterFit:
        return {Centred(ScaledFromTopLeft(rect, gw, gh, false), rect, 2)};
    case LyDrawMode::Normal:
        return {Sized(rect.left, rect.top, gw, gh)};
    case LyDrawMode::Tile:
        return Tiles(rect, gw, gh);
    }
    return {};
}

} // namespace

std::vector<RECT> GetDrawModeRects(const RECT& rect, int graphicWidth, int graphicHeight,
                                   LyDrawMode mode, int inset) {
    if (graphicWidth <= 0 || graphicHeight <= 0) return {};
    std::vector<RECT> rects = Placed(rect, graphicWidth, graphicHeight, mode);
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
    return Sized(rect.left, rect.top, LONG(std::lround(percent / 100 * (rect.right - rect.left))),
                 LONG(std::lround(percent / 100 * (rect.bottom - rect.top))));
}

} // namespace lyra
