#pragma once
// Placing a picture in a rectangle by draw mode (fill, fit, centre, tile, ...).
#include "toolkit/canvas.h"
#include "toolkit/graphic.h"
#include "vel/draw_modes.h"

#include <windows.h>

#include <vector>

namespace lyra {

// The utility library's draw modes under the framework's name (same values, same order).
enum class LyDrawMode {
    Fill = int(vel::TDrawMode::Fill),
    Fit = int(vel::TDrawMode::Fit),
    Stretch = int(vel::TDrawMode::Stretch),
    Center = int(vel::TDrawMode::Center),
    CenterFill = int(vel::TDrawMode::CenterFill),
    Center3Fill = int(vel::TDrawMode::Center3Fill),
    CenterFit = int(vel::TDrawMode::CenterFit),
    Normal = int(vel::TDrawMode::Normal),
    Tile = int(vel::TDrawMode::Tile)
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
