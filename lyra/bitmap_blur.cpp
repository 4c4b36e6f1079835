#include "lyra/bitmap_blur.h"

#include "lyra/bilinear_stretch.h"
#include "lyra/bitmap_drawing.h"
#include "lyra/blur.h"
#include "toolkit/canvas.h"
#include "toolkit/error.h"

#include <algorithm>

namespace lyra {

namespace {

// The rows of a 24-bit bitmap from the top.
PixelRows24 RowsOf(toolkit::Bitmap& bitmap) {
    return {bitmap.ScanLine(0), bitmap.Width(), bitmap.Height(), -bitmap.Stride()};
}

} // namespace

void GaussianBlur(toolkit::Bitmap& bitmap, double radius) {
    if (bitmap.PixelFormat() != toolkit::PixelFormatKind::Bits24)
        throw toolkit::Error(L"GaussianBlur only works for 24-bit bitmaps");
    if (bitmap.Empty()) return;
    GdiFlush();
    const PixelRows24 rows = RowsOf(bitmap);
    BlurPixels24(rows.firstRow, rows.width, rows.height, rows.stride, MakeGaussianKernel(radius));
}

void FastBlur(toolkit::Bitmap& bitmap, double radius, int divisor, bool highQualityMode) {
    if (bitmap.Empty()) return;
    divisor = std::max(divisor, 1);
    toolkit::Bitmap small(std::max(bitmap.Width() / divisor, 4),
                          std::max(bitmap.Height() / divisor, 4), toolkit::PixelFormatKind::Bits24);
    const RECT smallRect{0, 0, small.Width(), small.Height()};
    if (highQualityMode) {
        DrawBitmapHighQuality(small.Canvas().Handle(), smallRect, bitmap, 255, false, true);
    } else {
        HDC target = small.Canvas().Handle();
        const int previous = SetStretchBltMode(target, COLORONCOLOR);
        StretchBlt(target, 0, 0, small.Width(), small.Height(), bitmap.Canvas().Handle(), 0, 0,
                   bitmap.Width(), bitmap.Height(), SRCCOPY);
        SetStretchBltMode(target, previous);
    }
    GaussianBlur(small, radius);
    // Enlarging back is most of the work; for 24-bit bitmaps (screen captures) our own
    // bilinear stretch does what GDI+ does, several times faster.
    if (bitmap.PixelFormat() == toolkit::PixelFormatKind::Bits24) {
        GdiFlush();
        StretchBilinear24(RowsOf(small), RowsOf(bitmap));
    } else {
        DrawBitmapHighQuality(bitmap.Canvas().Handle(), {0, 0, bitmap.Width(), bitmap.Height()},
                              small, 255, false, true);
    }
}

} // namespace lyra
