#include "lyra/bilinear_stretch.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace lyra {

namespace {

// Weights in 8-bit fixed point: two blends of 8-bit values stay within 32 bits.
constexpr int WeightShift = 8;
constexpr int One = 1 << WeightShift;

// For every target coordinate, the two source coordinates around its sample point and the
// weight of the second.
struct Samples {
    std::vector<int> first, second, weight;

    Samples(int sourceSize, int targetSize)
        : first(targetSize), second(targetSize), weight(targetSize) {
        const double scale = double(sourceSize) / targetSize;
        for (int t = 0; t < targetSize; ++t) {
            const double at = std::clamp((t + 0.5) * scale - 0.5, 0.0, double(sourceSize - 1));
            first[t] = int(at);
            second[t] = std::min(first[t] + 1, sourceSize - 1);
            weight[t] = int(std::lround((at - first[t]) * One));
        }
    }
};

const std::uint8_t* Row(const PixelRows24& rows, int y) {
    return rows.firstRow + std::ptrdiff_t(y) * rows.stride;
}

// One source row blended across, 8 fractional bits per value.
void StretchRow(const std::uint8_t* source, const Samples& columns, std::uint32_t* out) {
    const int count = int(columns.first.size());
    for (int x = 0; x < count; ++x) {
        const std::uint8_t* a = source + 3 * columns.first[x];
        const std::uint8_t* b = source + 3 * columns.second[x];
        const std::uint32_t wb = columns.weight[x], wa = One - wb;
        for (int c = 0; c < 3; ++c)
            out[3 * x + c] = wa * a[c] + wb * b[c];
    }
}

} // namespace

void StretchBilinear24(const PixelRows24& source, const PixelRows24& target) {
    if (source.width <= 0 || source.height <= 0 || target.width <= 0 || target.height <= 0) return;
    const Samples columns(source.width, target.width);
    const Samples rows(source.height, target.height);
    const int count = 3 * target.width;
    // The two stretched source rows that the current target row lies between; enlarging reuses
    // them for many target rows.
    std::vector<std::uint32_t> upper(count), lower(count);
    int upperRow = -1, lowerRow = -1;
    for (int y = 0; y < target.height; ++y) {
        if (rows.first[y] != upperRow) {
            upperRow = rows.first[y];
            if (upperRow == lowerRow) {
                upper.swap(lower);
                lowerRow = -1;
            } else {
                StretchRow(Row(source, upperRow), columns, upper.data());
            }
        }
        if (rows.second[y] != lowerRow) {
            lowerRow = rows.second[y];
            StretchRow(Row(source, lowerRow), columns, lower.data());
        }
        const std::uint32_t wb = rows.weight[y], wa = One - wb;
        std::uint8_t* out = target.firstRow + std::ptrdiff_t(y) * target.stride;
        constexpr std::uint32_t half = 1u << (2 * WeightShift - 1);
        for (int i = 0; i < count; ++i)
            out[i] = std::uint8_t((wa * upper[i] + wb * lower[i] + half) >> (2 * WeightShift));
    }
}

} // namespace lyra
