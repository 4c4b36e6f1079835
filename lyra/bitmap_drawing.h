#pragma once
// Drawing bitmaps and pictures: scaled with GDI+ filtering, with opacity, and with
// exclusive-or.
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/png_image.h"
#include "vel/gdi.h"

#include <windows.h>

namespace lyra {

// The utility library's picture drawing: scaled with GDI+ filtering, with a constant opacity,
// and PNG pictures with their alpha channel.
using vel::AssignGraphicToBitmap;
using vel::AssignPng;
using vel::DrawBitmapHighQuality;
using vel::DrawGraphicOpacity;
using vel::DrawHighQuality;

// Combines the source's pixels from its top-left corner into rect of target with exclusive-or.
void XorDraw(toolkit::Canvas& source, toolkit::Canvas& target, const RECT& rect);
void XorDraw(toolkit::Bitmap& source, toolkit::Canvas& target, const RECT& rect);

} // namespace lyra
