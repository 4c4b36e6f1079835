#include "vel/draw_modes.h"

namespace vel {

namespace {

RECT Sized(LONG left, LONG top, LONG width, LONG height) {
    return {left, top, left + width, top + height};
}

RECT Moved(const RECT& rect, LONG dx, LONG dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

// Size times numerator over denominator in the rule's order of operations.
double Scaled(LONG size, int numerator, int denominator, TPlacementRule rule) {
    if (rule == TPlacementRule::Framework) return double(size) / denominator * numerator;
    return double(numerator) * size / denominator;
}

// Scaled to the rectangle's width, or to its height where the width-scaled
// picture would not cover (cover) or not fit inside the rectangle.
RECT ScaledFromTopLeft(const RECT& rect, int gw, int gh, bool cover, TPlacementRule rule) {
    const LONG width = rect.right - rect.left, height = rect.bottom - rect.top;
    const double scaledHeight = Scaled(width, gh, gw, rule);
    const bool byHeight = cover ? scaledHeight < height : scaledHeight > height;
    if (byHeight) return Sized(rect.left, rect.top, LONG(Scaled(height, gw, gh, rule)), height);
    return Sized(rect.left, rect.top, width, LONG(scaledHeight));
}

RECT AroundCentre(const RECT& rect, int gw, int gh, TPlacementRule rule) {
    const LONG cx = (rect.left + rect.right) / 2, cy = (rect.top + rect.bottom) / 2;
    if (rule == TPlacementRule::Framework) return Sized(cx - gw / 2, cy - gh / 2, gw, gh);
    return {cx - gw / 2, cy - gh / 2, cx + gw / 2, cy + gh / 2};
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

} // namespace

std::vector<RECT> GetDrawModeRects(const RECT& Rect, int GraphicWidth, int GraphicHeight,
                                   TDrawMode Mode, TPlacementRule Rule) {
    const int gw = GraphicWidth, gh = GraphicHeight;
    if (gw <= 0 || gh <= 0) return {};
    switch (Mode) {
    case TDrawMode::Fill:
        return {ScaledFromTopLeft(Rect, gw, gh, true, Rule)};
    case TDrawMode::Fit:
        return {ScaledFromTopLeft(Rect, gw, gh, false, Rule)};
    case TDrawMode::Stretch:
        return {Rect};
    case TDrawMode::Center:
        return {AroundCentre(Rect, gw, gh, Rule)};
    case TDrawMode::CenterFill:
        return {Centred(ScaledFromTopLeft(Rect, gw, gh, true, Rule), Rect, 2)};
    case TDrawMode::Center3Fill:
        return {Centred(ScaledFromTopLeft(Rect, gw, gh, true, Rule), Rect, 3)};
    case TDrawMode::CenterFit:
        return {Centred(ScaledFromTopLeft(Rect, gw, gh, false, Rule), Rect, 2)};
    case TDrawMode::Normal:
        return {Sized(Rect.left, Rect.top, gw, gh)};
    case TDrawMode::Tile:
        return Tiles(Rect, gw, gh);
    }
    return {};
}

std::vector<RECT> GetDrawModeRects(const RECT& Rect, const toolkit::Graphic* Graphic,
                                   TDrawMode Mode) {
    if (!Graphic) return {};
    return GetDrawModeRects(Rect, Graphic->Width(), Graphic->Height(), Mode);
}

} // namespace vel
