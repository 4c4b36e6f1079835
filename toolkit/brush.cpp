#include "toolkit/brush.h"

namespace toolkit {

void Brush::SetColor(TColor color) {
    // Setting a colour means "fill with it", as it would on any other canvas, even when the
    // colour is the one the brush already had (a clear brush left by the last paint fills again).
    SetStyle(BrushStyle::Solid);
    if (color == color_) return;
    color_ = color;
    handle_.Reset();
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
