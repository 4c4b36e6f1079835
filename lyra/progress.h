#pragma once
// The framework's thin, pill-shaped progress bar: a faint track line with a thicker bar on
// top. New values slide in smoothly; the indeterminate kind runs a segment of changing length
// across the track; the paused and error kinds colour the bar. Both animations run on worker
// threads owned by the control and hand every repaint to the window thread.
#include "lyra/color_sets.h"
#include "lyra/control_interface.h"
#include "lyra/windows_control.h"

#include <atomic>
#include <memory>

namespace lyra {

enum class LyProgressKind { Normal, Intermediate, Paused, Error };
const toolkit::EnumNames<LyProgressKind>& LyProgressKindNames();

class LyProgress : public LyWindowsControl, public LyControl {
  public:
    explicit LyProgress(toolkit::Component* AOwner);
    ~LyProgress() override;

    LyCompleteColorSets& CustomColors() { return *FCustomColors; }
    // Colours of the Paused (foreground) and Error (background) kinds.
    LyColorSets& CustomOtherColors() { return *FCustomOtherColors; }
    // The percentage shown; not clamped.
    float Value() const { return FValue; }
    void SetValue(float AValue);
    bool Animations() const { return FAnimations; }
    void SetAnimations(bool Value) { FAnimations = Value; }
    LyProgressKind ProgressKind() const { return FProgressKind; }
    void SetProgressKind(LyProgressKind Value);
    int ProgressHeight() const { return FProgressHeight; }
    void SetProgressHeight(int Value);
    int ProgressLineHeight() const { return FProgressLineHeight; }
    void SetProgressLineHeight(int Value);
    // Lays the bar out again for the value and kind in force and repaints.
    void Reset();

    // Where the bar and the track line are drawn now.
    const RECT& FilledRect() const { return FFilledRect; }
    const RECT& LineRect() const { return FLineRect; }
    // A value slide or the indeterminate segment is running.
    bool Sliding() const;
    bool SegmentRunning() const;

    bool IsContainer() const override { return false; }
    void UpdateTheme(bool UpdateChildren) override;
    TColor Background() const override { return FDrawColors->BackGround; }

  protected:
    void PaintBuffer() override;
    void InteractionStateChanged(LyControlState AState) override;
    void Resize() override;

  private:
    class ValueSlide;
    class SegmentRun;
    friend class ValueSlide;
    friend class SegmentRun;

    void UpdateColors();
    void UpdateRects();
    void AnimateValue(float From);
    void SetAnimationThread(bool Active);
    // Lays out and repaints on the window thread; nothing once the control is going.
    void Relayout();
    TColor BarColor() const;

    std::unique_ptr<LyCompleteColorSets> FCustomColors;
    std::unique_ptr<LyColorSets> FCustomOtherColors;
    std::unique_ptr<LyCompleteColorSet> FDrawColors;
    std::unique_ptr<LyColorSet> FOtherColors;
    std::atomic<float> FValue{0};
    bool FAnimations = true;
    LyProgressKind FProgressKind = LyProgressKind::Normal;
    int FProgressHeight = 4;
    int FProgressLineHeight = 2;
    RECT DrawRect{}, FFilledRect{}, FLineRect{};
    // The width the segment worker measures its steps by (DrawRect's).
    std::atomic<int> FTrackWidth{0};
    // Written by the workers, read on the window thread.
    std::atomic<float> FValueAdd{0}, FValueAddMax{0};
    std::atomic<int> FProgressPos{0};
    std::atomic<bool> FThreadActive{false};
    std::atomic<int> FOffset{0}, FInterSize{0}, FLengthState{0};
    std::unique_ptr<ValueSlide> FProgressThread;
    std::unique_ptr<SegmentRun> FAnimateThread;
};

} // namespace lyra
