#include "toolkit/canvas.h"

#include "toolkit/error.h"
#include "toolkit/graphic.h"

namespace toolkit {

HDC Canvas::Handle() {
    if (!dc_) CreateHandle();
    if (!dc_) throw Error(L"Canvas does not allow drawing");
    return dc_;
}

void Canvas::FillRect(const RECT& rect) {
    if (brush_.Style() == BrushStyle::Clear) return;
    ::FillRect(Handle(), &rect, brush_.Handle());
}

void Canvas::FrameRect(const RECT& rect) {
    if (brush_.Style() == BrushStyle::Clear) return;
    ::FrameRect(Handle(), &rect, brush_.Handle());
}

void Canvas::Rectangle(const RECT& rect) {
    HDC dc = Handle();
    ScopedSelect pen(dc, pen_.Handle());
    ScopedSelect brush(dc, brush_.Handle());
    ::Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::RoundRect(const RECT& rect, int cornerWidth, int cornerHeight) {
    HDC dc = Handle();
    ScopedSelect pen(dc, pen_.Handle());
    ScopedSelect brush(dc, brush_.Handle());
    ::RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, cornerWidth, cornerHeight);
}

void Canvas::Ellipse(const RECT& rect) {
    HDC dc = Handle();
    ScopedSelect pen(dc, pen_.Handle());
    ScopedSelect brush(dc, brush_.Handle());
    ::Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
}

void Canvas::MoveTo(int x, int y) {
    MoveToEx(Handle(), x, y, nullptr);
}

void Canvas::LineTo(int x, int y) {
    HDC dc = Handle();
    ScopedSelect pen(dc, pen_.Handle());
    ::LineTo(dc, x, y);
}

void Canvas::Polygon(const std::vector<POINT>& points) {
    HDC dc = Handle();
    ScopedSelect pen(dc, pen_.Handle());
    ScopedSelect brush(dc, brush_.Handle());
    ::Polygon(dc, points.data(), int(points.size()));
}

void Canvas::Polyline(const std::vector<POINT>& points) {
    HDC dc = Handle();
    ScopedSelect pen(dc, pen_.Handle());
    ::Polyline(dc, points.data(), int(points.size()));
}

void Canvas::DrawFocusRect(const RECT& rect) {
    ::DrawFocusRect(Handle(), &rect);
}

COLORREF Canvas::Pixel(int x, int y) {
    return GetPixel(Handle(), x, y);
}

void Canvas::SetPixel(int x, int y, TColor color) {
    ::SetPixelV(Handle(), x, y, ColorToRGB(color));
}

void Canvas::PrepareText(HDC dc) {
    SetTextColor(dc, ColorToRGB(font_.Color()));
    if (brush_.Style() == BrushStyle::Clear) {
        SetBkMode(dc, TRANSPARENT);
    } else {
        SetBkMode(dc, OPAQUE);
        SetBkColor(dc, ColorToRGB(brush_.Color()));
    }
}

void Canvas::TextOut(int x, int y, const std::wstring& text) {
    HDC dc = Handle();
    ScopedSelect font(dc, font_.Handle());
    PrepareText(dc);
    ExtTextOutW(dc, x, y, 0, nullptr, text.c_str(), UINT(text.size()), nullptr);
}

void Canvas::TextRect(const RECT& rect, int x, int y, const std::wstring& text) {
    HDC dc = Handle();
    ScopedSelect font(dc, font_.Handle());
    PrepareText(dc);
    UINT options = ETO_CLIPPED | (brush_.Style() == BrushStyle::Clear ? 0 : ETO_OPAQUE);
    ExtTextOutW(dc, x, y, options, &rect, text.c_str(), UINT(text.size()), nullptr);
}

void Canvas::TextRect(RECT& rect, const std::wstring& text, UINT format) {
    HDC dc = Handle();
    ScopedSelect font(dc, font_.Handle());
    PrepareText(dc);
    DrawTextW(dc, text.c_str(), int(text.size()), &rect, format);
}

SIZE Canvas::TextExtent(const std::wstring& text) {
    HDC dc = Handle();
    ScopedSelect font(dc, font_.Handle());
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), int(text.size()), &size);
    return size;
}

void Canvas::Draw(int x, int y, const Graphic& graphic, BYTE opacity) {
    StretchDraw({x, y, x + graphic.Width(), y + graphic.Height()}, graphic, opacity);
}

void Canvas::StretchDraw(const RECT& rect, const Graphic& graphic, BYTE opacity) {
    if (graphic.Empty()) return;
    graphic.Draw(*this, rect, opacity);
}

void Canvas::CopyRect(const RECT& destination, Canvas& source, const RECT& sourceRect) {
    HDC dc = Handle();
    int previous = SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, destination.left, destination.top, destination.right - destination.left,
               destination.bottom - destination.top, source.Handle(), sourceRect.left,
               sourceRect.top, sourceRect.right - sourceRect.left,
               sourceRect.bottom - sourceRect.top, copyMode_);
    SetStretchBltMode(dc, previous);
}

RECT Canvas::ClipRect() {
    RECT rect{};
    GetClipBox(Handle(), &rect);
    return rect;
}

} // namespace toolkit
