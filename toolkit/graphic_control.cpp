#include "toolkit/graphic_control.h"

namespace toolkit {

GraphicControl::GraphicControl(Component* owner) : Control(owner), canvas_(*this) {}

GraphicControl::~GraphicControl() {
    MarkDestroying();
}

void GraphicControl::Paint() {}

void GraphicControl::PaintOn(HDC dc) {
    canvas_.BeginPaint(dc);
    try {
        Paint();
    } catch (...) {
        canvas_.EndPaint();
        throw;
    }
    canvas_.EndPaint();
}

} // namespace toolkit
