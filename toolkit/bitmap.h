#pragma once
// A device-independent bitmap (DIB section) of 24 or 32 bits per pixel with a canvas.
// Rows lie bottom-up in memory as in a BMP file; ScanLine counts from the top.
#include "toolkit/color.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/graphic.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace toolkit {

class Canvas;

enum class PixelFormatKind { Bits24, Bits32 };
// How a 32-bit bitmap's fourth byte is read: not at all, as plain alpha, or as alpha that
// the colour bytes are already multiplied with (what AlphaBlend wants).
enum class AlphaFormatKind { Ignored, Straight, Premultiplied };

class Bitmap : public Graphic {
  public:
    Bitmap();
    Bitmap(int width, int height, PixelFormatKind format = PixelFormatKind::Bits32);
    ~Bitmap() override;

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    // Keeps the content at the top left; new pixels are zero.
    void SetSize(int width, int height);
    void SetWidth(int width) { SetSize(width, height_); }
    void SetHeight(int height) { SetSize(width_, height); }

    PixelFormatKind PixelFormat() const { return format_; }
    void SetPixelFormat(PixelFormatKind format);
    AlphaFormatKind AlphaFormat() const { return alpha_; }
    // Switching between straight and premultiplied alpha converts the pixels.
    void SetAlphaFormat(AlphaFormatKind alpha);
    // The colour that a Transparent bitmap leaves out; its bottom-left pixel unless set.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor color) { transparentColor_ = color; }

    HBITMAP Handle() const { return handle_.Get(); }
    toolkit::Canvas& Canvas();
    int Stride() const;
    // Row y counted from the top: 3 or 4 bytes a pixel, in the order blue, green, red, alpha.
    std::uint8_t* ScanLine(int y);
    const std::uint8_t* ScanLine(int y) const;

    void Draw(toolkit::Canvas& canvas, const RECT& rect, BYTE opacity) const override;
    void AssignTo(Bitmap& target) const override;
    std::unique_ptr<Graphic> Clone() const override;
    // Makes this bitmap a copy of any picture.
    void Assign(const Graphic& source) { source.AssignTo(*this); }

    // Reads a BMP file; throws Error when it is not one.
    void LoadFromBytes(std::span<const std::uint8_t> bytes);
    // Becomes a 32-bit bitmap with premultiplied alpha from rows of straight red, green,
    // blue and alpha bytes, top row first.
    void LoadFromRgba(std::span<const std::uint8_t> rgba, int width, int height);

  private:
    class BitmapCanvas;
    // Replaces the pixels with a new DIB of the given size and format, copying what fits.
    void Recreate(int width, int height, PixelFormatKind format);
    HDC SourceDC() const;
    void DrawOpaque(HDC target, const RECT& rect, BYTE opacity) const;

    int width_ = 0;
    int height_ = 0;
    PixelFormatKind format_ = PixelFormatKind::Bits32;
    AlphaFormatKind alpha_ = AlphaFormatKind::Ignored;
    std::optional<TColor> transparentColor_;
    GdiObject<HBITMAP> handle_;
    std::uint8_t* bits_ = nullptr;
    std::unique_ptr<BitmapCanvas> canvas_;
};

} // namespace toolkit
