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

// The two libraries place pictures alike but for their arithmetic. The utility library scales
// by multiplying before dividing and centres by half sizes (an odd size loses a pixel); the
// framework divides first (a pixel short for some sizes) and keeps the natural size when
// centring.
enum class TPlacementRule { Utility, Framework };

// The rectangles (one, or one per tile) a picture of GraphicWidth x GraphicHeight takes in
// Rect. Fill covers Rect from its top-left (the overhang lies right or below unless centred),
// Fit lies inside it; Center puts the picture around Rect's centre. Empty for a picture
// without pixels.
std::vector<RECT> GetDrawModeRects(const RECT& Rect, int GraphicWidth, int GraphicHeight,
                                   TDrawMode Mode, TPlacementRule Rule = TPlacementRule::Utility);
std::vector<RECT> GetDrawModeRects(const RECT& Rect, const toolkit::Graphic* Graphic,
                                   TDrawMode Mode);

} // namespace vel
