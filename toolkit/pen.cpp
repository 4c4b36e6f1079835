#include "toolkit/pen.h"

#include <algorithm>

namespace toolkit {

void Pen::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    Changed();
}

void Pen::SetWidth(int width) {
    width = std::max(width, 1);
    if (width == width_) return;
    width_ = width;
    Changed();
}

void Pen::SetStyle(PenStyle style) {
    if (style == style_) return;
    style_ = style;
    Changed();
}

HPEN Pen::Handle() const {
    if (style_ == PenStyle::Clear) return HPEN(GetStockObject(NULL_PEN));
    if (!handle_) {
        int style = style_ == PenStyle::Dash  ? PS_DASH
                    : style_ == PenStyle::Dot ? PS_DOT
                                              : PS_SOLID;
        handle_.Reset(CreatePen(style, width_, ColorToRGB(color_)));
    }
    return handle_.Get();
}

} // namespace toolkit
