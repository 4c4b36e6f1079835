#pragma once
// A drawing surface over an HDC with the font, brush and pen that drawing uses. The tools
// are selected only for the duration of each call, so they can change at any time.
#include "toolkit/brush.h"
#include "toolkit/font.h"
#include "toolkit/pen.h"

#include <windows.h>

#include <string>
#include <vector>

namespace toolkit {

class Graphic;

class Canvas {
  public:
    Canvas() = default;
    explicit Canvas(HDC dc) : dc_(dc) {}
    virtual ~Canvas() = default;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // The DC; made on demand where the canvas knows how. Throws Error when there is none.
    HDC Handle();
    bool HandleAllocated() const { return dc_ != nullptr; }
    // Lends the canvas a DC that the caller keeps owning (null to take it back).
    void SetHandle(HDC dc) { dc_ = dc; }

    toolkit::Font& Font() { return font_; }
    toolkit::Brush& Brush() { return brush_; }
    toolkit::Pen& Pen() { return pen_; }
    // The raster operation of CopyRect, SRCCOPY by default.
    DWORD CopyMode() const { return copyMode_; }
    void SetCopyMode(DWORD mode) { copyMode_ = mode; }

    void FillRect(const RECT& rect);
    void FrameRect(const RECT& rect);
    void Rectangle(const RECT& rect);
    void RoundRect(const RECT& rect, int cornerWidth, int cornerHeight);
    void Ellipse(const RECT& rect);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polygon(const std::vector<POINT>& points);
    void Polyline(const std::vector<POINT>& points);
    void DrawFocusRect(const RECT& rect);
    COLORREF Pixel(int x, int y);
    void SetPixel(int x, int y, TColor color);

    void TextOut(int x, int y, const std::wstring& text);
    // Text at (x, y), clipped to rect.
    void TextRect(const RECT& rect, int x, int y, const std::wstring& text);
    // DrawText with DT_ flags; with DT_CALCRECT rect receives the measured size.
    void TextRect(RECT& rect, const std::wstring& text, UINT format);
    SIZE TextExtent(const std::wstring& text);
    int TextWidth(const std::wstring& text) { return TextExtent(text).cx; }
    int TextHeight(const std::wstring& text) { return TextExtent(text).cy; }

    void Draw(int x, int y, const Graphic& graphic, BYTE opacity = 255);
    void StretchDraw(const RECT& rect, const Graphic& graphic, BYTE opacity = 255);
    void CopyRect(const RECT& destination, Canvas& source, const RECT& sourceRect);
    RECT ClipRect();

  protected:
    // Called when drawing needs a DC and none is set; a subclass makes one here.
    virtual void CreateHandle() {}
    void SetOwnHandle(HDC dc) { dc_ = dc; }

  private:
    // Sets up text colour and background for the text calls.
    void PrepareText(HDC dc);

    HDC dc_ = nullptr;
    toolkit::Font font_;
    toolkit::Brush brush_;
    toolkit::Pen pen_;
    DWORD copyMode_ = SRCCOPY;
};

} // namespace toolkit
