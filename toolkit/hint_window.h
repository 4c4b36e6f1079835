#pragma once
// The small window a hint is shown in. The application creates it from the hint window
// class in force (HintManager::SetWindowClass), so a subclass may change its look.
#include "toolkit/win_control.h"

#include <string>

namespace toolkit {

class HintWindow : public WinControl {
  public:
    explicit HintWindow(Component* owner);

    // The window size a hint needs, as a rectangle at (0, 0), wrapping at maxWidth.
    virtual RECT CalcHintRect(int maxWidth, const std::wstring& hint);
    // Shows the hint at a screen rectangle, kept on its monitor, without taking activation.
    virtual void ActivateHint(RECT rect, const std::wstring& hint);

  protected:
    void CreateParams(WindowParams& params) override;
    void Paint() override;
    LRESULT NcHitTest(POINT screenPoint) override;
};

} // namespace toolkit
