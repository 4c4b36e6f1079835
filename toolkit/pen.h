#pragma once
// The line a canvas draws outlines with.
#include "toolkit/color.h"
#include "toolkit/gdi_handles.h"

namespace toolkit {

enum class PenStyle { Solid, Dash, Dot, Clear };

class Pen {
  public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    PenStyle Style() const { return style_; }
    void SetStyle(PenStyle style);
    HPEN Handle() const;

  private:
    void Changed() { handle_.Reset(); }

    TColor color_ = clBlack;
    int width_ = 1;
    PenStyle style_ = PenStyle::Solid;
    mutable GdiObject<HPEN> handle_;
};

} // namespace toolkit
