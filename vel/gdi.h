#pragma once
// Drawing pictures with GDI+: scaled with high-quality filtering and with a constant opacity,
// and PNG pictures turned into bitmaps that keep their alpha channel.
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/graphic.h"
#include "toolkit/png_image.h"

#include <windows.h>

namespace vel {

// Draws the whole bitmap scaled into Rect (a negative width or height mirrors it).
// HighQualityMode picks bicubic filtering over bilinear; WrapEdges mirrors the source beyond
// its edges so the filter does not fade them. The bitmap's memory is handed over, not copied.
void DrawBitmapHighQuality(HDC DC, const RECT& Rect, const toolkit::Bitmap& Bitmap, BYTE Opacity,
                           bool HighQualityMode, bool WrapEdges);
// Any picture, scaled into Rect with GDI+; pictures other than bitmaps are converted first.
void DrawHighQuality(toolkit::Canvas& Canvas, const RECT& Rect, const toolkit::Graphic& Graphic,
                     BYTE Opacity = 255, bool HighQualityMode = true);
// Draws the picture stretched into Rect with a constant opacity; nothing for no picture.
void DrawGraphicOpacity(toolkit::Canvas& Canvas, const RECT& Rect, const toolkit::Graphic* Graphic,
                        BYTE Opacity);

// A PNG with 8-bit alpha (an alpha channel or palette alpha) becomes a 32-bit bitmap with
// straight or premultiplied alpha; any other PNG is copied as its own kind of bitmap. An empty
// PNG gives a 0 x 0 bitmap.
void AssignPng(toolkit::Bitmap& Target, const toolkit::PngImage& Png, bool Premultiply);
// Any picture into the bitmap: PNG pictures through AssignPng (premultiplied).
void AssignGraphicToBitmap(toolkit::Bitmap& Target, const toolkit::Graphic& Graphic);

} // namespace vel
