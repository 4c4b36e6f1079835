#pragma once
// Small 24-bit bitmaps for drawing tests and reading their pixels back.
#include "toolkit/bitmap.h"

#include <cstdint>

namespace lyra::test {

// A 24-bit bitmap of one grey level.
class GreyBitmap : public toolkit::Bitmap {
  public:
    GreyBitmap(int width, int height, std::uint8_t level)
        : Bitmap(width, height, toolkit::PixelFormatKind::Bits24) {
        Fill(level);
    }
    void Fill(std::uint8_t level) {
        GdiFlush();
        for (int y = 0; y < Height(); ++y)
            for (int x = 0; x < 3 * Width(); ++x)
                ScanLine(y)[x] = level;
    }
};

// The green level of a pixel of a 24-bit bitmap, after GDI finished drawing.
inline int Level(const toolkit::Bitmap& bitmap, int x, int y) {
    GdiFlush();
    return bitmap.ScanLine(y)[3 * x + 1];
}

} // namespace lyra::test
