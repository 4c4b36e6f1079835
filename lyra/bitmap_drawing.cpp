#include "lyra/bitmap_drawing.h"

#include "lyra/gdiplus_session.h"

#include <gdiplus.h>

namespace lyra {

namespace {

Gdiplus::PixelFormat GdiplusFormat(const toolkit::Bitmap& bitmap) {
    using toolkit::AlphaFormatKind;
    if (bitmap.PixelFormat() == toolkit::PixelFormatKind::Bits24) return PixelFormat24bppRGB;
    switch (bitmap.AlphaFormat()) {
    case AlphaFormatKind::Premultiplied:
        return PixelFormat32bppPARGB;
    case AlphaFormatKind::Straight:
        return PixelFormat32bppARGB;
    case AlphaFormatKind::Ignored:
        break;
    }
    // The fourth byte of an opaque bitmap is not alpha; reading it as alpha would make the
    // picture invisible.
    return PixelFormat32bppRGB;
}

} // namespace

void DrawBitmapHighQuality(HDC dc, const RECT& rect, const toolkit::Bitmap& bitmap, BYTE opacity,
                           bool highQualityMode, bool wrapEdges) {
    if (bitmap.Empty()) return;
    EnsureGdiplus();
    GdiFlush();
    // Wraps the DIB's memory without copying. Rows lie bottom-up: start at the top row and step
    // backwards.
    Gdiplus::Bitmap source(bitmap.Width(), bitmap.Height(), -bitmap.Stride(), GdiplusFormat(bitmap),
                           const_cast<BYTE*>(bitmap.ScanLine(0)));
    Gdiplus::Graphics graphics(dc);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.SetInterpolationMode(highQualityMode ? Gdiplus::InterpolationModeHighQuality
                                                  : Gdiplus::InterpolationModeHighQualityBilinear);
    const Gdiplus::Rect target(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    if (!wrapEdges && opacity == 255) {
        graphics.DrawImage(&source, target);
        return;
    }
    Gdiplus::ColorMatrix matrix{};
    for (int i = 0; i < 5; ++i)
        matrix.m[i][i] = 1.0f;
    matrix.m[3][3] = opacity / 255.0f;
    Gdiplus::ImageAttributes attributes;
    attributes.SetColorMatrix(&matrix);
    if (wrapEdges) attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.DrawImage(&source, target, 0, 0, bitmap.Width(), bitmap.Height(), Gdiplus::UnitPixel,
                       &attributes);
}

void DrawHighQuality(toolkit::Canvas& canvas, const RECT& rect, const toolkit::Bitmap& bitmap,
                     BYTE opacity, bool highQualityMode) {
    DrawBitmapHighQuality(canvas.Handle(), rect, bitmap, opacity, highQualityMode, false);
}

void AssignPng(toolkit::Bitmap& bitmap, const toolkit::PngImage& png, bool premultiply) {
    using toolkit::AlphaFormatKind;
    if (png.TransparencyMode() != toolkit::PngTransparency::Partial || png.BitDepth() != 8) {
        png.AssignTo(bitmap);
        return;
    }
    bitmap.SetAlphaFormat(AlphaFormatKind::Ignored);
    bitmap.SetSize(0, 0);
    bitmap.SetPixelFormat(toolkit::PixelFormatKind::Bits32);
    bitmap.SetSize(png.Width(), png.Height());
    // The decoder already expands palette and grey pixels to red, green, blue and alpha.
    for (int y = 0; y < png.Height(); ++y) {
        const std::uint8_t* source = png.Row(y);
        std::uint8_t* target = bitmap.ScanLine(y);
        for (int x = 0; x < png.Width(); ++x, source += 4, target += 4) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
            target[3] = source[3];
        }
    }
    bitmap.SetAlphaFormat(AlphaFormatKind::Straight);
    if (premultiply) bitmap.SetAlphaFormat(AlphaFormatKind::Premultiplied);
}

void DrawGraphicOpacity(toolkit::Canvas& canvas, const RECT& rect, const toolkit::Graphic* graphic,
                        BYTE opacity) {
    if (!graphic) return;
    if (opacity == 255) {
        canvas.StretchDraw(rect, *graphic);
        return;
    }
    if (auto* bitmap = dynamic_cast<const toolkit::Bitmap*>(graphic)) {
        bitmap->Draw(canvas, rect, opacity);
        return;
    }
    toolkit::Bitmap copy;
    if (auto* png = dynamic_cast<const toolkit::PngImage*>(graphic))
        AssignPng(copy, *png, true);
    else
        graphic->AssignTo(copy);
    copy.Draw(canvas, rect, opacity);
}

void XorDraw(toolkit::Canvas& source, toolkit::Canvas& target, const RECT& rect) {
    BitBlt(target.Handle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
           source.Handle(), 0, 0, SRCINVERT);
}

void XorDraw(toolkit::Bitmap& source, toolkit::Canvas& target, const RECT& rect) {
    XorDraw(source.Canvas(), target, rect);
}

} // namespace lyra
