#pragma once
// A PNG picture decoded with libpng. Besides drawing itself it tells what the file held:
// colour type, bit depth, palette, transparency entries and the kind of transparency.
#include "toolkit/bitmap.h"
#include "toolkit/graphic.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace toolkit {

// None; Bit: one colour (or one palette entry) is fully transparent; Partial: an alpha
// channel or palette entries with several alpha values.
enum class PngTransparency { None, Bit, Partial };

class PngImage : public Graphic {
  public:
    PngImage() = default;
    // Throws Error with libpng's reason when the bytes are not a readable PNG.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // As stored: 0 grey, 2 RGB, 3 palette, 4 grey with alpha, 6 RGB with alpha.
    int ColorType() const { return colorType_; }
    int BitDepth() const { return bitDepth_; }
    PngTransparency TransparencyMode() const { return transparency_; }
    // Palette entries as red, green, blue; the alpha of palette entries from the tRNS chunk.
    const std::vector<std::array<std::uint8_t, 3>>& Palette() const { return palette_; }
    const std::vector<std::uint8_t>& TransparencyEntries() const { return transparencyEntries_; }
    // Row y (from the top) as 8-bit red, green, blue, alpha (not premultiplied) per pixel.
    const std::uint8_t* Row(int y) const;

    void Draw(Canvas& canvas, const RECT& rect, BYTE opacity) const override;
    void AssignTo(Bitmap& target) const override;
    std::unique_ptr<Graphic> Clone() const override;

  private:
    // The bitmap that drawing uses, made on first draw.
    const Bitmap& Rendered() const;

    int width_ = 0;
    int height_ = 0;
    int colorType_ = 0;
    int bitDepth_ = 0;
    PngTransparency transparency_ = PngTransparency::None;
    std::vector<std::array<std::uint8_t, 3>> palette_;
    std::vector<std::uint8_t> transparencyEntries_;
    std::vector<std::uint8_t> pixels_;
    mutable std::unique_ptr<Bitmap> rendered_;
};

} // namespace toolkit
