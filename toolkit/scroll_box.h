#pragma once
// A windowed container whose content may be larger than itself: its system scroll bars
// follow the extent of its children, and scrolling moves them (ScrollWindow for the
// windowed ones). Aligned children are laid out in the scrolled coordinates.
#include "toolkit/scroll_bar_settings.h"
#include "toolkit/win_control.h"

namespace toolkit {

class ScrollBox : public WinControl {
  public:
    explicit ScrollBox(Component* owner);

    bool AutoScroll() const { return autoScroll_; }
    void SetAutoScroll(bool value);
    FrameStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(FrameStyle style);
    ScrollBarSettings& HorzScrollBar() { return horizontal_; }
    ScrollBarSettings& VertScrollBar() { return vertical_; }

    // Moves the content by (dx, dy) pixels: ScrollWindow shifts the painted pixels and the
    // windowed children, the window-less children are shifted here.
    void ScrollBy(int dx, int dy);
    // Scrolls as little as needed for a child to show whole (or its top-left part).
    void ScrollInView(Control* control);
    bool MouseWheel(ShiftState shift, int delta, POINT mousePos) override;

  protected:
    void CreateParams(WindowParams& params) override;
    void CreateWnd() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void AlignControls(RECT rect) override;
    void AdjustClientRect(RECT& rect) const override;
    void ControlsChanged() override { UpdateScrollBars(); }

  private:
    // Measures the children and sets both bars' ranges, pages and visibility.
    void UpdateScrollBars();
    void ScrollTo(ScrollBarSettings& bar, int position);
    // Where a bar may go: 0 to the extent beyond the page.
    int MaxPosition(const ScrollBarSettings& bar) const;
    void HandleScrollMessage(ScrollBarSettings& bar, int code);

    bool autoScroll_ = true;
    FrameStyle borderStyle_ = FrameStyle::Single;
    ScrollBarSettings horizontal_;
    ScrollBarSettings vertical_;
    bool updatingBars_ = false;
};

} // namespace toolkit
