#include "lyra/colors.h"

#include <algorithm>
#include <stdexcept>

namespace lyra {

int ColorBrightness(TColor color) {
    // A system colour's stored bytes are only its index; its brightness is that of its RGB.
    const TColor plain = ResolveColor(color);
    return (RedOf(plain) + GreenOf(plain) + BlueOf(plain)) / 3;
}

TColor ColorToGrayscale(TColor color) {
    const int gray = ColorBrightness(color);
    return MakeColor(gray, gray, gray);
}

TColor ContrastColor(TColor background) {
    return ColorBrightness(background) <= 150 ? MakeColor(0xF3, 0xF3, 0xF3)
                                              : MakeColor(0x20, 0x20, 0x20);
}

TColor ColorBlend(TColor from, TColor to, int amount) {
    amount = std::clamp(amount, 0, 255);
    const TColor start = ResolveColor(from), end = ResolveColor(to);
    auto channel = [amount](int a, int b) { return a + amount * (b - a) / 255; };
    return MakeColor(channel(RedOf(start), RedOf(end)), channel(GreenOf(start), GreenOf(end)),
                     channel(BlueOf(start), BlueOf(end)));
}

std::uint32_t MakeGPColor(TColor color, std::uint8_t alpha) {
    if (color < 0)
        throw std::out_of_range("MakeGPColor needs a plain RGB colour, not a system colour");
    return std::uint32_t(alpha) << 24 | std::uint32_t(RedOf(color)) << 16 |
           std::uint32_t(GreenOf(color)) << 8 | std::uint32_t(BlueOf(color));
}

} // namespace lyra
