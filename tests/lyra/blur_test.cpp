// The Gaussian kernel and the blurs, checked against a plain transcription of the blur that
// sums every tap in double precision.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "lyra/bitmap_blur.h"
#include "lyra/blur.h"
#include "toolkit/error.h"

namespace lyra {
namespace {

using Pixels = std::vector<std::uint8_t>; // 3 bytes a pixel, rows without padding

// One line of n pixels, each channel the truncated double sum over clamped neighbours.
void ReferenceBlurLine(std::vector<std::uint8_t*>& line, const GaussianKernel& kernel) {
    const int n = int(line.size());
    Pixels result(3 * n);
    for (int x = 0; x < n; ++x)
        for (int c = 0; c < 3; ++c) {
            double sum = 0;
            for (int j = -kernel.Size; j <= kernel.Size; ++j)
                sum += kernel.Weight(j) * line[std::clamp(x - j, 0, n - 1)][c];
            result[3 * x + c] = std::uint8_t(std::clamp(int(sum), 0, 255));
        }
    for (int x = 0; x < n; ++x)
        std::copy_n(&result[3 * x], 3, line[x]);
}

Pixels ReferenceBlur(Pixels pixels, int width, int height, double radius) {
    const GaussianKernel kernel = MakeGaussianKernel(radius);
    std::vector<std::uint8_t*> line;
    for (int y = 0; y < height; ++y) {
        line.clear();
        for (int x = 0; x < width; ++x)
            line.push_back(&pixels[3 * (y * width + x)]);
        ReferenceBlurLine(line, kernel);
    }
    for (int x = 0; x < width; ++x) {
        line.clear();
        for (int y = 0; y < height; ++y)
            line.push_back(&pixels[3 * (y * width + x)]);
        ReferenceBlurLine(line, kernel);
    }
    return pixels;
}

// A 24-bit bitmap with these pixels.
class PixelBitmap : public toolkit::Bitmap {
  public:
    PixelBitmap(const Pixels& pixels, int width, int height)
        : Bitmap(width, height, toolkit::PixelFormatKind::Bits24) {
        for (int y = 0; y < height; ++y)
            std::copy_n(&pixels[3 * y * width], 3 * width, ScanLine(y));
    }
};

Pixels PixelsOf(const toolkit::Bitmap& bitmap) {
    Pixels pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        pixels.insert(pixels.end(), bitmap.ScanLine(y), bitmap.ScanLine(y) + 3 * bitmap.Width());
    return pixels;
}

TEST(GaussianKernel, IsNormalisedSymmetricAndDropsOnlyANegligibleTail) {
    for (double radius : {0.5, 1.0, 3.0, 8.0, 16.0, 30.0}) {
        SCOPED_TRACE(radius);
        const GaussianKernel kernel = MakeGaussianKernel(radius);
        ASSERT_GE(kernel.Size, 1);
        ASSERT_LE(kernel.Size, GaussianKernel::MaxSize);
        double sum = 0;
        for (int j = -kernel.Size; j <= kernel.Size; ++j) {
            EXPECT_FLOAT_EQ(kernel.Weight(j), kernel.Weight(-j));
            sum += kernel.Weight(j);
        }
        EXPECT_NEAR(sum, 1.000001, 1e-5);
        if (kernel.Size < GaussianKernel::MaxSize) {
            EXPECT_EQ(kernel.Weight(kernel.Size + 1), 0.0f);
        }

        // Pairs of weights of the full bell curve go while the tail dropped before each is
        // below one 510th, so the last pair to go is the one that carried it past.
        auto bell = [radius](int j) { return std::exp(-(j / radius) * (j / radius) / 2); };
        double total = 0, dropped = 0;
        for (int j = -GaussianKernel::MaxSize; j <= GaussianKernel::MaxSize; ++j) {
            total += bell(j);
            if (std::abs(j) > kernel.Size) dropped += bell(j);
        }
        if (kernel.Size < GaussianKernel::MaxSize) {
            EXPECT_LT((dropped - 2 * bell(kernel.Size + 1)) / total, 1.0 / 510);
        }
        if (kernel.Size > 1) {
            EXPECT_GE(dropped / total, 1.0 / 510);
        }
    }
    // Radius 1: offsets 3 and beyond hold about 0.9 % of the curve; they all go.
    EXPECT_EQ(MakeGaussianKernel(1.0).Size, 2);
}

TEST(GaussianKernel, ZeroRadiusChangesNothing) {
    const GaussianKernel kernel = MakeGaussianKernel(0);
    EXPECT_FLOAT_EQ(kernel.Weight(0), 1.0f);
    EXPECT_FLOAT_EQ(kernel.Weight(1), 0.0f);

    Pixels pixels{10, 20, 30, 200, 100, 0, 7, 7, 7, 255, 255, 255};
    PixelBitmap bitmap(pixels, 2, 2);
    GaussianBlur(bitmap, 0);
    EXPECT_EQ(PixelsOf(bitmap), pixels);
}

TEST(GaussianBlur, LeavesUniformBitmapsAsTheyAre) {
    for (std::uint8_t level : {0, 1, 128, 254, 255})
        for (double radius : {1.0, 3.0, 8.0, 25.0}) {
            SCOPED_TRACE(testing::Message() << int(level) << " at radius " << radius);
            const Pixels uniform(3 * 37 * 11, level);
            PixelBitmap bitmap(uniform, 37, 11);
            GaussianBlur(bitmap, radius);
            EXPECT_EQ(PixelsOf(bitmap), uniform);
        }
}

TEST(GaussianBlur, MatchesTheDoublePrecisionBlurWithinOneLevel) {
    std::mt19937 random(42);
    std::uniform_int_distribution<int> level(0, 255);
    // Odd widths make rows with padding; 1-pixel sizes test the edge repetition alone.
    struct Size {
        int width, height;
    };
    for (const Size size : {Size{29, 17}, Size{1, 9}, Size{8, 1}, Size{64, 48}})
        for (double radius : {0.7, 2.0, 5.0, 12.0}) {
            SCOPED_TRACE(testing::Message()
                         << size.width << " x " << size.height << " at radius " << radius);
            Pixels pixels(3 * size.width * size.height);
            for (auto& value : pixels)
                value = std::uint8_t(level(random));
            PixelBitmap bitmap(pixels, size.width, size.height);
            GaussianBlur(bitmap, radius);
            const Pixels expected = ReferenceBlur(pixels, size.width, size.height, radius);
            const Pixels actual = PixelsOf(bitmap);
            int worst = 0;
            for (std::size_t i = 0; i < actual.size(); ++i)
                worst = std::max(worst, std::abs(int(actual[i]) - int(expected[i])));
            EXPECT_LE(worst, 1);
        }
}

TEST(GaussianBlur, RefusesBitmapsOtherThan24Bit) {
    toolkit::Bitmap bitmap(8, 8, toolkit::PixelFormatKind::Bits32);
    try {
        GaussianBlur(bitmap, 3);
        FAIL() << "no error";
    } catch (const toolkit::Error& error) {
        EXPECT_EQ(error.Message(), L"GaussianBlur only works for 24-bit bitmaps");
    }
}

TEST(FastBlur, KeepsSizeAndUniformColourAndSmoothsAnEdge) {
    for (bool highQuality : {false, true}) {
        SCOPED_TRACE(highQuality);
        toolkit::Bitmap uniform(120, 80, toolkit::PixelFormatKind::Bits24);
        std::fill_n(uniform.ScanLine(uniform.Height() - 1), uniform.Stride() * uniform.Height(),
                    std::uint8_t(90));
        FastBlur(uniform, 3, 8, highQuality);
        ASSERT_EQ(uniform.Width(), 120);
        ASSERT_EQ(uniform.Height(), 80);
        for (int y = 0; y < uniform.Height(); y += 7)
            for (int x = 0; x < 3 * uniform.Width(); x += 5)
                ASSERT_NEAR(uniform.ScanLine(y)[x], 90, 1) << x / 3 << ", " << y;

        // Black left half, white right half: after blurring the middle lies in between.
        toolkit::Bitmap edge(120, 80, toolkit::PixelFormatKind::Bits24);
        for (int y = 0; y < edge.Height(); ++y)
            std::fill_n(edge.ScanLine(y) + 3 * 60, 3 * 60, std::uint8_t(255));
        FastBlur(edge, 3, 8, highQuality);
        const int middle = edge.ScanLine(40)[3 * 60];
        EXPECT_GT(middle, 20);
        EXPECT_LT(middle, 235);
        EXPECT_LT(edge.ScanLine(40)[0], 20);
        EXPECT_GT(edge.ScanLine(40)[3 * 119], 235);
    }
}

TEST(FastBlur, KeepsUniform32BitBitmapsUniform) {
    toolkit::Bitmap bitmap(50, 30, toolkit::PixelFormatKind::Bits32);
    std::fill_n(bitmap.ScanLine(bitmap.Height() - 1), bitmap.Stride() * bitmap.Height(),
                std::uint8_t(60));
    FastBlur(bitmap, 3, 8, false);
    GdiFlush();
    for (int y = 0; y < bitmap.Height(); y += 3)
        for (int x = 0; x < bitmap.Width(); x += 3)
            ASSERT_NEAR(bitmap.ScanLine(y)[4 * x + 1], 60, 1) << x << ", " << y;
}

TEST(FastBlur, DivisorBelowOneCountsAsOne) {
    toolkit::Bitmap bitmap(16, 16, toolkit::PixelFormatKind::Bits24);
    EXPECT_NO_THROW(FastBlur(bitmap, 2, 0, false));
    EXPECT_NO_THROW(FastBlur(bitmap, 2, -3, true));
    EXPECT_EQ(bitmap.ScanLine(8)[24], 0);
}

} // namespace
} // namespace lyra
