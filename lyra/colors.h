#pragma once
// Colour references as Windows stores them (0x00BBGGRR; negative values name system colours)
// and the per-channel arithmetic all drawing uses.
#include "vel/color_light.h"

#include <cstdint>

namespace lyra {

using TColor = std::int32_t;

constexpr int RedOf(TColor color) {
    return color & 0xFF;
}
constexpr int GreenOf(TColor color) {
    return (color >> 8) & 0xFF;
}
constexpr int BlueOf(TColor color) {
    return (color >> 16) & 0xFF;
}
constexpr TColor MakeColor(int red, int green, int blue) {
    return TColor(red | (green << 8) | (blue << 16));
}

// The plain RGB value of a colour reference: system colours are looked up.
TColor ResolveColor(TColor color);

// Adds Amount (signed) to each channel of the resolved colour, clamped to 0..255.
using vel::ChangeColorLight;
// The mean of the three channels of the resolved colour, truncated.
int ColorBrightness(TColor color);
// The resolved colour with each channel set to the mean of the three.
TColor ColorToGrayscale(TColor color);
// A readable text colour on the given background: light on dark, dark on light.
TColor ContrastColor(TColor background);
// From at amount 0, to at amount 255 (clamped into that range), linear per channel in
// between; both colours are resolved first.
TColor ColorBlend(TColor from, TColor to, int amount);
// The GDI+ colour 0xAARRGGBB. Throws std::out_of_range for a system colour reference:
// resolve it first.
std::uint32_t MakeGPColor(TColor color, std::uint8_t alpha = 255);

} // namespace lyra
