#pragma once
// Drawing bitmaps and pictures: scaled with GDI+ filtering, with opacity, and with
// exclusive-or.
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/png_image.h"

#include <windows.h>

namespace lyra {

// Draws the whole bitmap scaled into rect. HighQualityMode picks bicubic filtering over
// bilinear; WrapEdges mirrors the source beyond its edges so the filter does not fade them.
void DrawBitmapHighQuality(HDC dc, const RECT& rect, const toolkit::Bitmap& bitmap, BYTE opacity,
                           bool highQualityMode, bool wrapEdges);
void DrawHighQuality(toolkit::Canvas& canvas, const RECT& rect, const toolkit::Bitmap& bitmap,
                     BYTE opacity = 255, bool highQualityMode = true);

// A PNG with an 8-bit alpha channel (or palette alpha) becomes a 32-bit bitmap with straight or
// premultiplied alpha; any other PNG is copied as its own kind of bitmap.
void AssignPng(toolkit::Bitmap& bitmap, const toolkit::PngImage& png, bool premultiply);

// Draws the picture stretched into rect with a constant opacity; nothing for no picture.
void DrawGraphicOpacity(toolkit::Canvas& canvas, const RECT& rect, const toolkit::Graphic* graphic,
                        BYTE opacity);

// Combines the source's pixels from its top-left corner into rect of target with exclusive-or.
void XorDraw(toolkit::Canvas& source, toolkit::Canvas& target, const RECT& rect);
void XorDraw(toolkit::Bitmap& source, toolkit::Canvas& target, const RECT& rect);

} // namespace lyra
