#pragma once
// A JPEG picture decoded with libjpeg-turbo into a 24-bit bitmap (grey, colour and CMYK files).
#include "toolkit/bitmap.h"
#include "toolkit/graphic.h"

#include <cstdint>
#include <span>

namespace toolkit {

class JpegImage : public Graphic {
  public:
    JpegImage() = default;
    // Throws Error with libjpeg's reason when the bytes are not a readable JPEG.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);

    int Width() const override { return bitmap_.Width(); }
    int Height() const override { return bitmap_.Height(); }
    bool Grayscale() const { return grayscale_; }
    const Bitmap& Pixels() const { return bitmap_; }

    void Draw(Canvas& canvas, const RECT& rect, BYTE opacity) const override;
    void AssignTo(Bitmap& target) const override;
    std::unique_ptr<Graphic> Clone() const override;

  private:
    Bitmap bitmap_;
    bool grayscale_ = false;
};

} // namespace toolkit
