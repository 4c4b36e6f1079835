#pragma once
// Placing a picture in a rectangle by draw mode (fill, fit, centre, tile, ...).
#include "toolkit/canvas.h"
#include "toolkit/graphic.h"

#include <windows.h>

#include <vector>

namespace lyra {

enum class LyDrawMode {
    Fill,
    Fit,
    Stretch,
    Center,
    CenterFill,
    Center3Fill,
    CenterFit,
    Normal,
    Tile
};

// Where a picture of graphicWidth x graphicHeight goes in rect, each result shrunk by inset on
// every side: one rectangle, or for Tile one per tile. Fill covers rect from its top-left (its
// overhang lies right or below unless centred), Fit lies inside it. Empty for an empty picture.
std::vector<RECT> GetDrawModeRects(const RECT& rect, int graphicWidth, int graphicHeight,
                                   LyDrawMode mode, int inset = 0);
std::vector<RECT> GetDrawModeRects(const RECT& rect, const toolkit::Graphic* graphic,
                                   LyDrawMode mode, int inset = 0);

void DrawImageInRect(toolkit::Canvas& canvas, const RECT& rect, const toolkit::Graphic* graphic,
                     LyDrawMode mode, int inset = 0);

// Width and height scaled by percent, from the top-left corner.
RECT ScaleRectPercent(const RECT& rect, double percent);

} // namespace lyra
