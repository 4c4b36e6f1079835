#pragma once
// Gaussian blur of bitmaps, as under frosted-glass menus.
#include "toolkit/bitmap.h"

namespace lyra {

// Blurs a 24-bit bitmap in place; throws toolkit::Error for any other kind.
void GaussianBlur(toolkit::Bitmap& bitmap, double radius);

// Blurs a copy shrunk by Divisor (so the cost falls with its square) and stretches it back over
// the bitmap. HighQualityMode shrinks with filtering instead of dropping pixels.
void FastBlur(toolkit::Bitmap& bitmap, double radius, int divisor, bool highQualityMode);

} // namespace lyra
