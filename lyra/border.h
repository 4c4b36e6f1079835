#pragma once
// The frame of a control, drawn inside its rectangle.
#include "toolkit/canvas.h"
#include "toolkit/color.h"

#include <windows.h>

namespace lyra {

// A solid frame of that width (0: none) whose outer edge lies on the rectangle's edge, with
// corners of size roundness (0: square). Brush and pen of the canvas stay as they were.
void DrawBorder(toolkit::Canvas& canvas, const RECT& rect, toolkit::TColor color, int width,
                int roundness);

} // namespace lyra
