#pragma once
// Anti-aliased shapes with GDI+ on plain device contexts. Each shape is drawn into a small
// premultiplied 32-bit scratch bitmap (the shape plus the pen width on every side) that is
// then alpha-blended onto the canvas, so translucent fills and smooth edges work anywhere.
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/color.h"

#include <windows.h>
#include <gdiplus.h>

#include "lyra/colors.h"

namespace lyra {

// A rectangle with a corner size (the width and height of the corner's ellipse) per corner.
struct TRoundRect {
    RECT Rect{};
    int RoundTL = 0;
    int RoundTR = 0;
    int RoundBL = 0;
    int RoundBR = 0;

    TRoundRect() = default;
    TRoundRect(const RECT& rect, int radius);
    // Both radii become their mean: the corners are always circular.
    TRoundRect(const RECT& rect, int radiusX, int radiusY);

    int Width() const { return Rect.right - Rect.left; }
    int Height() const { return Rect.bottom - Rect.top; }
};

struct TLine {
    POINT Start{};
    POINT End{};

    // From the smaller to the larger coordinates.
    RECT Rect() const;
};

// Makes the bitmap a cleared (transparent black) premultiplied 32-bit bitmap of that size;
// negative sizes count as 0.
void PrepareAlphaBitmap(toolkit::Bitmap& bitmap, int width, int height);

// The outline of a rounded rectangle: four quarter arcs, closed. A corner of size 0 is sharp.
void AddRoundRectPath(Gdiplus::GraphicsPath& path, const TRoundRect& shape);

// Fills with the brush and then outlines with the pen; either may be null.
void GDIRectangle(toolkit::Canvas& canvas, const RECT& rect, const Gdiplus::Brush* brush,
                  const Gdiplus::Pen* pen);
void GDIRoundRect(toolkit::Canvas& canvas, const TRoundRect& shape, const Gdiplus::Brush* brush,
                  const Gdiplus::Pen* pen);
void GDILine(toolkit::Canvas& canvas, const TLine& line, const Gdiplus::Pen& pen);
// A translucent fill: alpha 0 leaves the canvas as it is, 255 covers it.
void GDIFillRect(toolkit::Canvas& canvas, const RECT& rect, toolkit::TColor color, BYTE alpha);

} // namespace lyra
