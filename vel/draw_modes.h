#pragma once
// Where a picture goes in a rectangle by draw mode: filled, fitted, stretched, centred, at
// its natural size or tiled.
#include "toolkit/graphic.h"

#include <windows.h>

#include <cstdint>
#include <vector>

namespace vel {

enum class TDrawMode : std::uint8_t {
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

// The rectangles (one, or one per tile) a picture of GraphicWidth x GraphicHeight takes in
// Rect. Fill covers Rect from its top-left (the overhang lies right or below unless centred),
// Fit lies inside it; Center keeps the natural size around Rect's centre. Empty for a picture
// without pixels.
std::vector<RECT> GetDrawModeRects(const RECT& Rect, int GraphicWidth, int GraphicHeight,
                                   TDrawMode Mode);
std::vector<RECT> GetDrawModeRects(const RECT& Rect, const toolkit::Graphic* Graphic,
                                   TDrawMode Mode);

} // namespace vel
