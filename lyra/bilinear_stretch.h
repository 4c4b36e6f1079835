#pragma once
// Bilinear scaling of raw 24-bit pixels, for enlarging a blurred, shrunken copy back to full
// size. Sample points sit at pixel centres and the edge pixels repeat beyond the edges, so the
// border keeps its colour instead of fading.
#include <cstdint>

namespace lyra {

struct PixelRows24 {
    std::uint8_t* firstRow;
    int width;
    int height;
    int stride; // bytes from one row to the next, negative for bottom-up rows
};

void StretchBilinear24(const PixelRows24& source, const PixelRows24& target);

} // namespace lyra
