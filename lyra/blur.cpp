#include "lyra/blur.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace lyra {

GaussianKernel MakeGaussianKernel(double radius) {
    GaussianKernel kernel;
    constexpr int max = GaussianKernel::MaxSize;
    auto& w = kernel.Weights;
    if (!(radius > 0)) {
        // exp(-(j / 0)^2) has no value at j = 0; a zero radius means no blur at all.
        w[max] = 1.0f;
        return kernel;
    }
    double sum = 0;
    for (int j = -max; j <= max; ++j) {
        w[j + max] = float(std::exp(-(j / radius) * (j / radius) / 2));
        sum += w[j + max];
    }
    for (auto& weight : w)
        weight = float(weight / sum);

    // Drop pairs of outer weights while the tail dropped so far is below one 510th; the pair
    // that carries it past goes too, which shortens the kernel a step and is renormalised away.
    constexpr double granularity = 1.0 / (2 * 255);
    double tail = 0;
    int size = max;
    while (tail < granularity && size > 1) {
        tail += 2 * w[size + max];
        --size;
    }
    kernel.Size = size;
    sum = 0;
    for (int j = -size; j <= size; ++j)
        sum += w[j + max];
    for (int j = -max; j <= max; ++j)
        w[j + max] = std::abs(j) <= size ? float(w[j + max] / sum) : 0.0f;
    // Keeps a uniform area from losing a level to rounding.
    w[max] += 0.000001f;
    return kernel;
}

namespace {

// Weights in 16.16 fixed point. They add up to exactly one, so uniform areas stay as they are;
// their rounding together moves a result by less than a quarter level.
constexpr int FixedShift = 16;

struct FixedKernel {
    int size;
    std::array<std::uint32_t, GaussianKernel::MaxSize + 1> weights; // offsets 0...size

    explicit FixedKernel(const GaussianKernel& kernel) : size(kernel.Size), weights{} {
        constexpr double one = 1 << FixedShift;
        std::uint32_t outer = 0;
        for (int j = 1; j <= size; ++j) {
            weights[j] = std::uint32_t(std::lround(kernel.Weight(j) * one));
            outer += 2 * weights[j];
        }
        weights[0] = (1u << FixedShift) - std::min(outer, 1u << FixedShift);
    }
};

// sums[i] = w(0) * taps[size][i] + sum over k of w(k) * (taps[size - k][i] + taps[size + k][i]),
// where taps[size + k] are the values k pixels after (or, for negative k, before) those of
// taps[size]: 3 bytes on along a row, k rows on down a column. The loops run over i innermost so
// that they vectorise and read memory in order.
void Accumulate(const FixedKernel& kernel, std::uint32_t* sums, int count,
                const std::uint8_t* const* taps) {
    const std::uint8_t* centre = taps[kernel.size];
    const std::uint32_t w0 = kernel.weights[0];
    for (int i = 0; i < count; ++i)
        sums[i] = w0 * centre[i];
    for (int k = 1; k <= kernel.size; ++k) {
        const std::uint8_t* before = taps[kernel.size - k];
        const std::uint8_t* after = taps[kernel.size + k];
        const std::uint32_t w = kernel.weights[k];
        for (int i = 0; i < count; ++i)
            sums[i] += w * (std::uint32_t(before[i]) + after[i]);
    }
}

void Store(const std::uint32_t* sums, int count, std::uint8_t* target) {
    for (int i = 0; i < count; ++i)
        target[i] = std::uint8_t(std::min<std::uint32_t>(sums[i] >> FixedShift, 255));
}

void BlurRows(std::uint8_t* firstRow, int width, int height, int stride,
              const FixedKernel& kernel) {
    const int size = kernel.size;
    const int count = 3 * width;
    // The row with its edge pixels repeated size times on either side.
    std::vector<std::uint8_t> padded(std::size_t(3) * (width + 2 * size));
    std::vector<std::uint32_t> sums(count);
    std::vector<const std::uint8_t*> taps(2 * size + 1);
    for (int t = 0; t <= 2 * size; ++t)
        taps[t] = padded.data() + 3 * t;
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = firstRow + std::ptrdiff_t(y) * stride;
        std::memcpy(padded.data() + 3 * size, row, count);
        for (int p = 0; p < size; ++p) {
            std::memcpy(padded.data() + 3 * p, row, 3);
            std::memcpy(padded.data() + 3 * (size + width + p), row + 3 * (width - 1), 3);
        }
        Accumulate(kernel, sums.data(), count, taps.data());
        Store(sums.data(), count, row);
    }
}

void BlurColumns(std::uint8_t* firstRow, int width, int height, int stride,
                 const FixedKernel& kernel) {
    const int size = kernel.size;
    const int count = 3 * width;
    // Results may only replace a row once no later row reads it: work from a copy.
    std::vector<std::uint8_t> source(std::size_t(count) * height);
    for (int y = 0; y < height; ++y)
        std::memcpy(source.data() + std::size_t(count) * y, firstRow + std::ptrdiff_t(y) * stride,
                    count);
    std::vector<std::uint32_t> sums(count);
    std::vector<const std::uint8_t*> taps(2 * size + 1);
    for (int y = 0; y < height; ++y) {
        for (int t = 0; t <= 2 * size; ++t)
            taps[t] = source.data() + std::size_t(count) * std::clamp(y + t - size, 0, height - 1);
        Accumulate(kernel, sums.data(), count, taps.data());
        Store(sums.data(), count, firstRow + std::ptrdiff_t(y) * stride);
    }
}

} // namespace

void BlurPixels24(std::uint8_t* firstRow, int width, int height, int stride,
                  const GaussianKernel& kernel) {
    if (width <= 0 || height <= 0) return;
    const FixedKernel fixed(kernel);
    BlurRows(firstRow, width, height, stride, fixed);
    BlurColumns(firstRow, width, height, stride, fixed);
}

} // namespace lyra
