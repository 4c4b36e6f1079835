// Time of the blurs on a 1920 x 1080 screenshot-sized bitmap: GaussianBlur over the whole
// picture, and FastBlur as the frosted-glass background and the popup menus call it.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

#include "lyra/bitmap_blur.h"

namespace {

using Clock = std::chrono::steady_clock;

// Smooth gradients with noise on top, roughly like a desktop with windows on it.
void FillLikeAScreen(toolkit::Bitmap& bitmap) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> noise(-20, 20);
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::uint8_t* pixel = bitmap.ScanLine(y);
        for (int x = 0; x < bitmap.Width(); ++x, pixel += 3) {
            pixel[0] = std::uint8_t(std::clamp(x * 255 / bitmap.Width() + noise(random), 0, 255));
            pixel[1] = std::uint8_t(std::clamp(y * 255 / bitmap.Height() + noise(random), 0, 255));
            pixel[2] = std::uint8_t(((x / 64 + y / 64) % 2) * 200 + 20);
        }
    }
}

// The median of several runs, each on a fresh copy of the picture, in milliseconds.
double MedianMilliseconds(const toolkit::Bitmap& picture,
                          const std::function<void(toolkit::Bitmap&)>& blur) {
    std::vector<double> times;
    for (int run = 0; run < 9; ++run) {
        toolkit::Bitmap copy;
        picture.AssignTo(copy);
        const auto start = Clock::now();
        blur(copy);
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int wmain() {
    toolkit::Bitmap picture(1920, 1080, toolkit::PixelFormatKind::Bits24);
    FillLikeAScreen(picture);
    std::printf("1920 x 1080, 24 bits, median of 9 runs\n");
    for (double radius : {3.0, 8.0, 16.0}) {
        const double ms = MedianMilliseconds(
            picture, [radius](toolkit::Bitmap& b) { lyra::GaussianBlur(b, radius); });
        std::printf("GaussianBlur radius %4.1f          %8.2f ms\n", radius, ms);
    }
    struct Fast {
        double radius;
        int divisor;
        bool highQuality;
    };
    for (const Fast& fast : {Fast{3, 8, false}, Fast{8, 10, false}, Fast{8, 10, true}}) {
        const double ms = MedianMilliseconds(picture, [&fast](toolkit::Bitmap& b) {
            lyra::FastBlur(b, fast.radius, fast.divisor, fast.highQuality);
        });
        std::printf("FastBlur radius %4.1f divisor %2d%s %8.2f ms\n", fast.radius, fast.divisor,
                    fast.highQuality ? " HQ" : "   ", ms);
    }
    return 0;
}
