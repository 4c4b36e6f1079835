#include "lyra/bitmap_drawing.h"

namespace lyra {

void XorDraw(toolkit::Canvas& source, toolkit::Canvas& target, const RECT& rect) {
    BitBlt(target.Handle(), rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
           source.Handle(), 0, 0, SRCINVERT);
}

void XorDraw(toolkit::Bitmap& source, toolkit::Canvas& target, const RECT& rect) {
    XorDraw(source.Canvas(), target, rect);
}

} // namespace lyra
