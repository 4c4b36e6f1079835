#include "toolkit/brush.h"

namespace toolkit {

void Brush::SetColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    handle_.Reset();
    // Setting a colour means "fill with it", as it would on any other canvas.
    style_ = BrushStyle::Solid;
}

void Brush::SetStyle(BrushStyle style) {
    if (style == style_) return;
    style_ = style;
    handle_.Reset();
}

HBRUSH Brush::Handle() const {
    if (style_ == BrushStyle::Clear) return HBRUSH(GetStockObject(NULL_BRUSH));
    if (!handle_) handle_.Reset(CreateSolidBrush(ColorToRGB(color_)));
    return handle_.Get();
}

} // namespace toolkit
