#pragma once
// The separable Gaussian blur on raw 24-bit pixels (blue, green, red; rows of any stride).
#include <array>
#include <cstdint>

namespace lyra {

// Weights for offsets -50...50; only -Size...Size take part.
struct GaussianKernel {
    static constexpr int MaxSize = 50;
    int Size = 1;
    std::array<float, 2 * MaxSize + 1> Weights{};

    float Weight(int offset) const { return Weights[offset + MaxSize]; }
};

// The kernel stops where the tail it drops falls below one 510th, so a blurred 8-bit value
// moves by less than half a level. A radius of 0 or less gives the kernel that changes nothing.
GaussianKernel MakeGaussianKernel(double radius);

// Blurs width x height pixels of 3 bytes in place: every row, then every column. Edge pixels
// repeat beyond the edges; each pass truncates its results to whole levels.
void BlurPixels24(std::uint8_t* firstRow, int width, int height, int stride,
                  const GaussianKernel& kernel);

} // namespace lyra
