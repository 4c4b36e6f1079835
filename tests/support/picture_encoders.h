#pragma once
// Writes small PNG, GIF and JPEG files for the picture tests with the same libraries the
// toolkit reads them with, so every colour type and frame layout can be made on the spot.
#include <cstdint>
#include <vector>

namespace test {

using Bytes = std::vector<std::uint8_t>;

struct PngPicture {
    int width = 0, height = 0;
    int colorType = 0; // PNG_COLOR_TYPE_*
    int bitDepth = 8;
    Bytes rows;         // packed as PNG stores them, row after row
    Bytes palette = {}; // red, green, blue per entry
    // Palette alphas, or the transparent colour as 16-bit samples (grey, or red green blue).
    Bytes transparency = {};
    bool interlaced = false;
};
Bytes EncodePng(const PngPicture& picture);

struct GifFrame {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<std::uint8_t> indices;
    int delayCentiseconds = 0;
    int transparentIndex = -1;
    int disposal = 0;        // DISPOSE_*
    Bytes localPalette = {}; // red, green, blue per entry; empty uses the global one
};
Bytes EncodeGif(int width, int height, const Bytes& globalPalette,
                const std::vector<GifFrame>& frames, int loopCount = -1, bool interlaced = false);

// Quality 95; rows of red, green, blue (or grey when grey is set).
Bytes EncodeJpeg(int width, int height, bool grey, const Bytes& pixels);

} // namespace test
