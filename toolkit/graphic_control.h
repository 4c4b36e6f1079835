#pragma once
// A control without a window of its own: it paints on its parent's canvas, in the parent's
// paint cycle, and its parent hands it the mouse input that falls on it.
#include "toolkit/control.h"
#include "toolkit/control_canvas.h"

#include <memory>

namespace toolkit {

class GraphicControl : public Control {
  public:
    explicit GraphicControl(Component* owner);
    ~GraphicControl() override;

    // The canvas to paint on; its origin is the control's top-left corner.
    toolkit::Canvas& Canvas() { return canvas_; }

  protected:
    virtual void Paint();

  private:
    friend class WinControl;
    // The parent's paint cycle: dc is already moved and clipped to this control.
    void PaintOn(HDC dc);

    ControlCanvas canvas_;
};

} // namespace toolkit
