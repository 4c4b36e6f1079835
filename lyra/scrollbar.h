#pragma once
// The framework's slim scroll bar: a rounded track with a rounded thumb and, optionally, two
// arrow buttons. While the mouse is elsewhere it shrinks to a thin line at one side and its
// track fades into the background; hovering widens it again with the reverse fade.
#include "lyra/color_sets.h"
#include "lyra/control_interface.h"
#include "lyra/windows_control.h"
#include "toolkit/timer.h"

#include <cstdint>
#include <memory>

namespace lyra {

enum class LyOrientation { Horizontal, Vertical };
const toolkit::EnumNames<LyOrientation>& LyOrientationNames();

// The thumb's length on a track of TrackLength pixels: CustomSize when set, else the page's
// share of the range (at least 20 pixels), else 40; never longer than the track, and the
// whole track when the range is smaller than the page.
int ThumbLength(int TrackLength, std::int64_t Range, int PageSize, int CustomSize);

class LyScrollbar : public LyWindowsControl, public LyControl {
  public:
    explicit LyScrollbar(toolkit::Component* AOwner);
    ~LyScrollbar() override;

    LyCompleteColorSets& CustomColors() { return *FCustomColors; }
    const LyCompleteColorSet& DrawColors() const { return *FDrawColors; }
    LyOrientation Orientation() const { return FOrientation; }
    // Turns the bar: width and height swap.
    void SetOrientation(LyOrientation Value);
    std::int64_t Position() const { return FPosition; }
    // Kept within Min..Max; a change raises OnChange.
    void SetPosition(std::int64_t Value);
    std::int64_t Min() const { return FMin; }
    // Raises Position and Max to a new Min above them.
    void SetMin(std::int64_t Value);
    std::int64_t Max() const { return FMax; }
    // Lowers Position to a new Max below it. A Max below Min leaves an empty range.
    void SetMax(std::int64_t Value);
    int SmallChange() const { return FSmallChange; }
    // Only steps above 0 are taken.
    void SetSmallChange(int Value);
    int PageSize() const { return FPageSize; }
    // Only sizes above 0 are taken.
    void SetPageSize(int Value);
    int CustomScrollbarSize() const { return FCustomScrollbarSize; }
    // A fixed thumb length; ignored when it is not shorter than the bar.
    void SetCustomScrollbarSize(int Value);
    bool EnableButtons() const { return FEnableButtons; }
    void SetEnableButtons(bool Value);
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    bool Minimised() const { return FMinimised; }
    void SetMinimised(bool Value);
    bool AutoMinimise() const { return FAutoMinimise; }
    void SetAutoMinimise(bool Value);

    // Where Position lies in the range, 0..1.
    double GetPercentage() const { return GetPercentageCustom(FPosition); }
    // Where Value lies in the range: 0 below Min and for an empty range.
    double GetPercentageCustom(std::int64_t Value) const;

    // The layout: the whole track, the thumb, the two arrow buttons.
    const RECT& TrackRect() const { return DrawRect; }
    const RECT& ThumbRect() const { return SliderRect; }
    const RECT& ButtonRect1() const { return Button1; }
    const RECT& ButtonRect2() const { return Button2; }
    // The thumb as it is painted: minimised, a half-thickness line on the right (bottom) side.
    RECT PaintedThumbRect() const;
    // The colour the track is filled with now (it fades while minimising or expanding).
    TColor TrackColor() const { return FBackgroundColor; }
    // How far the fade got, 0..255 (255 when none runs).
    int FadeProgress() const { return FAnimPos; }
    TColor ThumbColor() const { return FDrawColors->ForeGround; }
    // A thumb drag is in progress.
    bool Dragging() const { return FPressInitiated; }
    // The fade and the arrow buttons' repeat.
    const toolkit::Timer& FadeTimer() const { return *FAnim; }
    const toolkit::Timer& RepeatTimer() const { return *FRepeater; }

    bool IsContainer() const override { return false; }
    // Colours, layout, repaint.
    void UpdateTheme(bool UpdateChildren) override;
    TColor Background() const override { return FDrawColors->BackGround; }
    void Loaded() override;

    toolkit::NotifyEvent OnChange;

  protected:
    void PaintBuffer() override;
    void InteractionStateChanged(LyControlState AState) override;
    void ScaleChanged(float Scaling) override;
    void Resize() override;
    void MouseMove(toolkit::ShiftState Shift, int X, int Y) override;
    void MouseDown(toolkit::MouseButton Button, toolkit::ShiftState Shift, int X, int Y) override;
    void MouseUp(toolkit::MouseButton Button, toolkit::ShiftState Shift, int X, int Y) override;
    void KeyPress(wchar_t& Key) override;

  private:
    bool Vertical() const { return FOrientation == LyOrientation::Vertical; }
    void UpdateColors();
    void UpdateRects();
    // Sets the thin-line state, fading the track when it changes and Animation is on.
    void ApplyMinimised(bool Value, bool Fade);
    void FadeTick();
    // A tick of the held arrow: the quicker interval from now on, and a step.
    void RepeatStep();
    // SmallChange toward the arrow under the mouse.
    void StepButtons();
    void PaintArrows();
    // Position for the thumb centred on a point along the bar.
    void DragTo(int Offset);
    void Relayout();
    std::int64_t Clamped(std::int64_t Value) const;
    // Stores a position already in range; a change raises OnChange.
    void StorePosition(std::int64_t Value);

    std::unique_ptr<LyCompleteColorSets> FCustomColors;
    std::unique_ptr<LyCompleteColorSet> FDrawColors;
    LyOrientation FOrientation = LyOrientation::Vertical;
    std::int64_t FPosition = 0;
    std::int64_t FMin = 0;
    std::int64_t FMax = 100;
    int FSmallChange = 1;
    int FPageSize = 1;
    int FCustomScrollbarSize = 0;
    bool FEnableButtons = true;
    bool FAnimation = true;
    bool FMinimised = false;
    bool FAutoMinimise = true;
    int FSliderSpacing = 3;

    RECT DrawRect{}, SliderRect{}, Button1{}, Button2{};
    int FScrollBarHeight = 90;
    // Where the thumb may travel: its first pixel along the bar and the track's length.
    int FTrackStart = 0, FTrackLength = 0;
    int FRoundness = 0;
    int FSliderSize = 0;
    TColor FBackgroundColor = 0;
    // The fade's progress, 0..255; 255 when none runs.
    int FAnimPos = 255;
    bool FPressInitiated = false;
    bool Contains1 = false, Contains2 = false;
    // Last, so they stop before anything they reach goes away.
    std::unique_ptr<toolkit::Timer> FAnim;
    std::unique_ptr<toolkit::Timer> FRepeater;
};

} // namespace lyra
