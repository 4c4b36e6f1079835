#pragma once
// The fill a canvas uses: a solid colour, or none (shapes stay hollow, text keeps the
// background).
#include "toolkit/color.h"
#include "toolkit/gdi_handles.h"

namespace toolkit {

enum class BrushStyle { Solid, Clear };

class Brush {
  public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    BrushStyle Style() const { return style_; }
    void SetStyle(BrushStyle style);
    HBRUSH Handle() const;

  private:
    TColor color_ = clWhite;
    BrushStyle style_ = BrushStyle::Solid;
    mutable GdiObject<HBRUSH> handle_;
};

} // namespace toolkit
