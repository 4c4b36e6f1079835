#pragma once
// The control a form's client-drawn title bar shows: it paints the bar, the caption and the
// caption buttons in the colours of the form's CustomTitleBar, may hold controls of its own,
// and leaves the rest of the bar to the form, which lets the user drag the window by it.
#include "toolkit/win_control.h"

#include <vector>

namespace toolkit {

class Form;
class TitleBar;

class TitleBarPanel : public WinControl {
  public:
    enum class CaptionButton { None, Minimize, Maximize, Close };

    explicit TitleBarPanel(Component* owner);

    // The caption buttons from the right edge leftwards.
    std::vector<CaptionButton> Buttons() const;
    RECT ButtonRect(CaptionButton button) const;
    CaptionButton ButtonAt(POINT point) const;

    void MouseDown(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseUp(MouseButton button, ShiftState shift, int x, int y) override;
    void MouseMove(ShiftState shift, int x, int y) override;
    void MouseLeave() override;

  protected:
    void Paint() override;
    LRESULT NcHitTest(POINT screenPoint) override;

  private:
    // The form whose title bar this panel is, or null while it is an ordinary panel.
    Form* HostForm() const;
    void PaintButton(CaptionButton button, const TitleBar& bar, bool active);
    int ButtonWidth() const;

    CaptionButton hover_ = CaptionButton::None;
    CaptionButton pressed_ = CaptionButton::None;
};

} // namespace toolkit
