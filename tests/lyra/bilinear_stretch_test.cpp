// Bilinear stretching of raw 24-bit rows.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "lyra/bilinear_stretch.h"

namespace lyra {
namespace {

// Grey pixels (all three bytes alike) in rows without padding.
std::vector<std::uint8_t> Grey(const std::vector<int>& levels) {
    std::vector<std::uint8_t> pixels;
    for (int level : levels)
        pixels.insert(pixels.end(), 3, std::uint8_t(level));
    return pixels;
}

std::vector<int> Levels(const std::vector<std::uint8_t>& pixels) {
    std::vector<int> levels;
    for (std::size_t i = 0; i < pixels.size(); i += 3)
        levels.push_back(pixels[i]);
    return levels;
}

std::vector<int> Stretched(const std::vector<int>& row, int width) {
    std::vector<std::uint8_t> source = Grey(row), target(3 * width);
    const int sourceWidth = int(row.size());
    StretchBilinear24({source.data(), sourceWidth, 1, 3 * sourceWidth},
                      {target.data(), width, 1, 3 * width});
    return Levels(target);
}

TEST(StretchBilinear24, BlendsBetweenPixelCentresAndRepeatsTheEdges) {
    EXPECT_EQ(Stretched({0, 255}, 8), (std::vector<int>{0, 0, 32, 96, 159, 223, 255, 255}));
    EXPECT_EQ(Stretched({10, 20, 30}, 3), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(Stretched({77}, 5), (std::vector<int>{77, 77, 77, 77, 77}));
    EXPECT_EQ(Stretched({0, 100, 200, 100}, 2), (std::vector<int>{50, 150}));
}

TEST(StretchBilinear24, BlendsRowsAndFollowsNegativeStrides) {
    // Two rows stored bottom-up: the top row (black) lies last in memory.
    std::vector<std::uint8_t> source = Grey({255, 255, 0, 0});
    std::vector<std::uint8_t> target(3 * 2 * 4);
    StretchBilinear24({source.data() + 6, 2, 2, -6}, {target.data(), 2, 4, 6});
    EXPECT_EQ(Levels(target), (std::vector<int>{0, 0, 64, 64, 191, 191, 255, 255}));
}

} // namespace
} // namespace lyra
