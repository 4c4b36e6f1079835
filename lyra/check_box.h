#pragma once
// The framework's check box: two states, or three with AllowGrayed. Checking it draws the
// check mark in two strokes over twenty timer ticks.
#include "lyra/gdi_shapes.h"
#include "lyra/selection_control.h"
#include "toolkit/timer.h"

#include <memory>
#include <vector>

namespace lyra {

enum class LyCheckBoxState { Checked, Unchecked, Grayed };
const toolkit::EnumNames<LyCheckBoxState>& LyCheckBoxStateNames();

// The strokes of the check mark in a square box, drawn as far as Status (0..100) says: the
// short stroke over the first half, the long one over the second.
std::vector<TLine> CheckMarkStrokes(const RECT& Box, int Status);

class LyCheckBox : public LySelectionControl {
  public:
    explicit LyCheckBox(toolkit::Component* AOwner);
    ~LyCheckBox() override;

    bool AllowGrayed() const { return FAllowGrayed; }
    // Turning it off while grayed unchecks the box without OnChange.
    void SetAllowGrayed(bool Value);
    LyCheckBoxState State() const { return FState; }
    void SetState(LyCheckBoxState Value);
    // The interaction state setters of the base stay reachable.
    using LySelectionControl::SetState;
    // Grayed reads as checked.
    bool Checked() const { return FState != LyCheckBoxState::Unchecked; }
    void SetChecked(bool Value);
    bool AnimationEnabled() const { return FAnimationEnabled; }
    void SetAnimationEnabled(bool Value);
    // How far the check mark is drawn, 0..100.
    int AnimationStatus() const { return FAnimationStatus; }
    bool Animating() const { return FAnimateTimer->Enabled(); }

    toolkit::NotifyEvent OnChange;

  protected:
    // Unchecked, checked, then grayed when allowed, and round again.
    void Select() override;
    void PaintGlyphs() override;

  private:
    void AnimationTick();
    void PaintCheckMark(const Gdiplus::Pen& Pen);

    bool FAllowGrayed = false;
    LyCheckBoxState FState = LyCheckBoxState::Unchecked;
    bool FAnimationEnabled = true;
    int FAnimationStatus = 100;
    std::unique_ptr<toolkit::Timer> FAnimateTimer;
};

} // namespace lyra
