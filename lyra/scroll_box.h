#pragma once
// The framework's scrolling container: the toolkit's scroll box with its system bars hidden
// and two slim framework bars instead. Their ranges follow the children, moving a bar scrolls
// the children, the wheel scrolls smoothly, and theme changes reach every framework control
// inside, however deeply nested.
#include "lyra/color_sets.h"
#include "lyra/control_interface.h"
#include "lyra/layouts.h"
#include "lyra/scrollbar.h"
#include "toolkit/scroll_box.h"
#include "toolkit/timer.h"

#include <memory>

namespace lyra {

class LyScrollBox;

// One of a scroll box's two bars. Its range is what the box's children reach beyond the
// visible part of the box.
class LyScrollBoxScrollBar : public LyScrollbar {
  public:
    explicit LyScrollBoxScrollBar(toolkit::Component* AOwner);

    // Measures the children of the scroll box it stands in and sets Max and the visibility;
    // nothing in any other parent.
    void UpdateRange();
};

class LyScrollBox : public toolkit::ScrollBox, public LyControl {
  public:
    explicit LyScrollBox(toolkit::Component* AOwner);
    ~LyScrollBox() override;

    LyCompleteColorSets& CustomColors() { return *FCustomColors; }
    const LyCompleteColorSet& DrawColors() const { return *FDrawColors; }
    LyBackgroundColor BackgroundColor() const { return FBackgroundColor; }
    void SetBackgroundColor(LyBackgroundColor Value);
    int ScrollExtendX() const { return FScrollExtendX; }
    void SetScrollExtendX(int Value);
    int ScrollExtendY() const { return FScrollExtendY; }
    void SetScrollExtendY(int Value);
    bool ScrollbarEnableVertical() const { return FScrollbarEnableVertical; }
    void SetScrollbarEnableVertical(bool Value);
    bool ScrollbarEnableHorizontal() const { return FScrollbarEnableHorizontal; }
    void SetScrollbarEnableHorizontal(bool Value);
    int ScrollSpeed() const { return FScrollSpeed; }
    void SetScrollSpeed(int Value) { FScrollSpeed = Value; }
    // The wheel scrolls in small steps on a timer rather than at once.
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    LyScrollBoxScrollBar& ScrollBarVert() { return *FScrollBarVert; }
    LyScrollBoxScrollBar& ScrollBarHorz() { return *FScrollBarHorz; }
    // The scroll offsets applied to the children.
    int PosX() const { return FPosX; }
    int PosY() const { return FPosY; }
    // Wheel scrolling still to be done, in pixels.
    int PendingX() const { return FAnimX; }
    int PendingY() const { return FAnimY; }
    const toolkit::Timer& WheelTimer() const { return *FAnim; }

    // Deletes every child control but the two bars, last first.
    void DestroyAll();

    bool IsContainer() const override { return true; }
    // Colours, the bars' places and colours, and, when asked, every framework child.
    void UpdateTheme(bool UpdateChildren) override;
    // The colour the box fills with.
    TColor Background() const override;
    void Loaded() override;
    bool MouseWheel(toolkit::ShiftState Shift, int Delta, POINT MousePos) override;

  protected:
    // The bars' ranges are measured first, so the children align in the area they leave.
    void AlignControls(RECT Rect) override;
    // The content's area: scrolled, at least the visible part, beside the visible bars.
    void AdjustClientRect(RECT& Rect) const override;
    void ControlsChanged() override;
    void Resize() override;

  private:
    friend class LyScrollBoxScrollBar;
    bool IsBar(const toolkit::Control* Control) const;
    void UpdateColors();
    // The vertical bar along the right edge, the horizontal one along the bottom.
    void PlaceBars();
    // A bar moved: the children follow.
    void BarChanged(LyScrollBoxScrollBar& Bar);
    void WheelTick();

    std::unique_ptr<LyCompleteColorSets> FCustomColors;
    std::unique_ptr<LyCompleteColorSet> FDrawColors;
    LyBackgroundColor FBackgroundColor = LyBackgroundColor::Background;
    int FScrollExtendX = 0;
    int FScrollExtendY = 100;
    bool FScrollbarEnableVertical = true;
    bool FScrollbarEnableHorizontal = true;
    int FScrollSpeed = 25;
    int FPosX = 0, FPosY = 0;
    int FAnimX = 0, FAnimY = 0;
    bool FAnimation = true;
    // The bars' ranges and places are being worked out: their own changes need no new layout.
    bool FArranging = false;
    LyScrollBoxScrollBar* FScrollBarVert = nullptr;
    LyScrollBoxScrollBar* FScrollBarHorz = nullptr;
    std::unique_ptr<toolkit::Timer> FAnim;
};

} // namespace lyra
