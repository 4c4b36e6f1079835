#include "vel/gdi.h"

#include "vel/gdiplus_session.h"

#include <gdiplus.h>

namespace vel {

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

void DrawBitmapHighQuality(HDC DC, const RECT& Rect, const toolkit::Bitmap& Bitmap, BYTE Opacity,
                           bool HighQualityMode, bool WrapEdges) {
    if (Bitmap.Empty()) return;
    EnsureGdiplus();
    GdiFlush();
    // Wraps the DIB's memory without copying. Rows lie bottom-up: start at the top row and step
    // backwards.
    Gdiplus::Bitmap source(Bitmap.Width(), Bitmap.Height(), -Bitmap.Stride(), GdiplusFormat(Bitmap),
                           const_cast<BYTE*>(Bitmap.ScanLine(0)));
    Gdiplus::Graphics graphics(DC);
    graphics.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    graphics.SetInterpolationMode(HighQualityMode ? Gdiplus::InterpolationModeHighQuality
                                                  : Gdiplus::InterpolationModeHighQualityBilinear);
    const Gdiplus::Rect target(Rect.left, Rect.top, Rect.right - Rect.left, Rect.bottom - Rect.top);
    if (!WrapEdges && Opacity == 255) {
        graphics.DrawImage(&source, target);
        return;
    }
    Gdiplus::ColorMatrix matrix{};
    for (int i = 0; i < 5; ++i)
        matrix.m[i][i] = 1.0f;
    matrix.m[3][3] = Opacity / 255.0f;
    Gdiplus::ImageAttributes attributes;
    attributes.SetColorMatrix(&matrix);
    if (WrapEdges) attributes.SetWrapMode(Gdiplus::WrapModeTileFlipXY);
    graphics.DrawImage(&source, target, 0, 0, Bitmap.Width(), Bitmap.Height(), Gdiplus::UnitPixel,
                       &attributes);
}

void DrawHighQuality(toolkit::Canvas& Canvas, const RECT& Rect, const toolkit::Graphic& Graphic,
                     BYTE Opacity, bool HighQualityMode) {
    if (auto* bitmap = dynamic_cast<const toolkit::Bitmap*>(&Graphic)) {
        DrawBitmapHighQuality(Canvas.Handle(), Rect, *bitmap, Opacity, HighQualityMode, false);
        return;
    }
    toolkit::Bitmap copy;
    AssignGraphicToBitmap(copy, Graphic);
    DrawBitmapHighQuality(Canvas.Handle(), Rect, copy, Opacity, HighQualityMode, false);
}

void DrawGraphicOpacity(toolkit::Canvas& Canvas, const RECT& Rect, const toolkit::Graphic* Graphic,
                        BYTE Opacity) {
    if (!Graphic) return;
    if (Opacity == 255) {
        Canvas.StretchDraw(Rect, *Graphic);
        return;
    }
    if (auto* bitmap = dynamic_cast<const toolkit::Bitmap*>(Graphic)) {
        bitmap->Draw(Canvas, Rect, Opacity);
        return;
    }
    toolkit::Bitmap copy;
    AssignGraphicToBitmap(copy, *Graphic);
    copy.Draw(Canvas, Rect, Opacity);
}

void AssignPng(toolkit::Bitmap& Target, const toolkit::PngImage& Png, bool Premultiply) {
    using toolkit::AlphaFormatKind;
    if (Png.Empty()) {
        Target.SetSize(0, 0);
        return;
    }
    if (Png.TransparencyMode() != toolkit::PngTransparency::Partial || Png.BitDepth() != 8) {
        Png.AssignTo(Target);
        return;
    }
    Target.SetAlphaFormat(AlphaFormatKind::Ignored);
    Target.SetSize(0, 0);
    Target.SetPixelFormat(toolkit::PixelFormatKind::Bits32);
    Target.SetSize(Png.Width(), Png.Height());
    // The decoder already expands palette and grey pixels to red, green, blue and alpha.
    for (int y = 0; y < Png.Height(); ++y) {
        const std::uint8_t* source = Png.Row(y);
        std::uint8_t* target = Target.ScanLine(y);
        for (int x = 0; x < Png.Width(); ++x, source += 4, target += 4) {
            target[0] = source[2];
            target[1] = source[1];
            target[2] = source[0];
            target[3] = source[3];
        }
    }
    Target.SetAlphaFormat(AlphaFormatKind::Straight);
    if (Premultiply) Target.SetAlphaFormat(AlphaFormatKind::Premultiplied);
}

void AssignGraphicToBitmap(toolkit::Bitmap& Target, const toolkit::Graphic& Graphic) {
    if (auto* png = dynamic_cast<const toolkit::PngImage*>(&Graphic))
        AssignPng(Target, *png, true);
    else
        Graphic.AssignTo(Target);
}

} // namespace vel
