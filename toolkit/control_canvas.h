#pragma once
// The canvas of a control: lent the paint DC while the control paints, and a DC of the
// window the control lies on when code draws on it at any other time. Those window DCs are
// given back after the message that took them (the message loop calls FreeWindowDCs).
#include "toolkit/canvas.h"

namespace toolkit {

class Control;

class ControlCanvas : public Canvas {
  public:
    explicit ControlCanvas(Control& control) : control_(control) {}
    ~ControlCanvas() override;

    // Lends the canvas the DC of a paint cycle, set up with the control's font and colour.
    void BeginPaint(HDC dc);
    void EndPaint();
    static void FreeWindowDCs();

  protected:
    void CreateHandle() override;

  private:
    void ReleaseWindowDC();

    Control& control_;
    HWND window_ = nullptr;
    HDC windowDC_ = nullptr;
};

} // namespace toolkit
