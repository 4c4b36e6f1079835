#include "lyra/gdi_shapes.h"

#include "vel/gdiplus_session.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

namespace lyra {

TRoundRect::TRoundRect(const RECT& rect, int radius)
    : Rect(rect), RoundTL(radius), RoundTR(radius), RoundBL(radius), RoundBR(radius) {}

TRoundRect::TRoundRect(const RECT& rect, int radiusX, int radiusY)
    : TRoundRect(rect, (radiusX + radiusY) / 2) {}

RECT TLine::Rect() const {
    return {std::min(Start.x, End.x), std::min(Start.y, End.y), std::max(Start.x, End.x),
            std::max(Start.y, End.y)};
}

void PrepareAlphaBitmap(toolkit::Bitmap& bitmap, int width, int height) {
    using toolkit::AlphaFormatKind;
    bitmap.SetAlphaFormat(AlphaFormatKind::Ignored);
    // Dropping the old pixels first leaves every new one cleared.
    bitmap.SetSize(0, 0);
    bitmap.SetPixelFormat(toolkit::PixelFormatKind::Bits32);
    bitmap.SetSize(width, height);
    bitmap.SetAlphaFormat(AlphaFormatKind::Premultiplied);
}

void AddRoundRectPath(Gdiplus::GraphicsPath& path, const TRoundRect& shape) {
    const RECT& r = shape.Rect;
    // GDI+ refuses arcs of size 0: such a corner is the corner point itself.
    auto corner = [&path](int x, int y, int size, float startAngle, int cornerX, int cornerY) {
        if (size > 0)
            path.AddArc(x, y, size, size, startAngle, 90.0f);
        else
            path.AddLine(cornerX, cornerY, cornerX, cornerY);
    };
    corner(r.left, r.top, shape.RoundTL, 180.0f, r.left, r.top);
    corner(r.right - shape.RoundTR, r.top, shape.RoundTR, 270.0f, r.right, r.top);
    corner(r.right - shape.RoundBR, r.bottom - shape.RoundBR, shape.RoundBR, 0.0f, r.right,
           r.bottom);
    corner(r.left, r.bottom - shape.RoundBL, shape.RoundBL, 90.0f, r.left, r.bottom);
    path.CloseFigure();
}

namespace {

// Draws a shape whose geometry lies in bounds (pen centred on its outline) through a scratch
// bitmap that has room for the pen on every side. draw receives graphics whose origin is
// already moved so that it takes the shape's own coordinates.
void DrawThroughScratch(toolkit::Canvas& canvas, const RECT& bounds, const Gdiplus::Pen* pen,
                        const std::function<void(Gdiplus::Graphics&)>& draw) {
    vel::EnsureGdiplus();
    // Whole pixels for the half of the pen outside the outline and its anti-aliased fringe.
    const int margin = pen ? int(std::ceil(pen->GetWidth())) : 0;
    toolkit::Bitmap scratch;
    PrepareAlphaBitmap(scratch, bounds.right - bounds.left + 2 * margin,
                       bounds.bottom - bounds.top + 2 * margin);
    if (scratch.Empty()) return;
    {
        Gdiplus::Graphics graphics(scratch.Canvas().Handle());
        graphics.SetSmoothingMode(Gdiplus::SmoothingModeHighQuality);
        graphics.TranslateTransform(Gdiplus::REAL(margin - bounds.left),
                                    Gdiplus::REAL(margin - bounds.top));
        draw(graphics);
    }
    scratch.Draw(
        canvas,
        {bounds.left - margin, bounds.top - margin, bounds.right + margin, bounds.bottom + margin},
        255);
}

} // namespace

void GDIRectangle(toolkit::Canvas& canvas, const RECT& rect, const Gdiplus::Brush* brush,
                  const Gdiplus::Pen* pen) {
    DrawThroughScratch(canvas, rect, pen, [&](Gdiplus::Graphics& graphics) {
        const Gdiplus::Rect shape(rect.left, rect.top, rect.right - rect.left,
                                  rect.bottom - rect.top);
        if (brush) graphics.FillRectangle(brush, shape);
        if (pen) graphics.DrawRectangle(pen, shape);
    });
}

void GDIRoundRect(toolkit::Canvas& canvas, const TRoundRect& shape, const Gdiplus::Brush* brush,
                  const Gdiplus::Pen* pen) {
    DrawThroughScratch(canvas, shape.Rect, pen, [&](Gdiplus::Graphics& graphics) {
        Gdiplus::GraphicsPath path(Gdiplus::FillModeAlternate);
        AddRoundRectPath(path, shape);
        if (brush) graphics.FillPath(brush, &path);
        if (pen) graphics.DrawPath(pen, &path);
    });
}

void GDILine(toolkit::Canvas& canvas, const TLine& line, const Gdiplus::Pen& pen) {
    DrawThroughScratch(canvas, line.Rect(), &pen, [&](Gdiplus::Graphics& graphics) {
        graphics.DrawLine(&pen, Gdiplus::Point(line.Start.x, line.Start.y),
                          Gdiplus::Point(line.End.x, line.End.y));
    });
}

void GDIFillRect(toolkit::Canvas& canvas, const RECT& rect, toolkit::TColor color, BYTE alpha) {
    const Gdiplus::SolidBrush brush(Gdiplus::Color(MakeGPColor(color, alpha)));
    GDIRectangle(canvas, rect, &brush, nullptr);
}

} // namespace lyra
