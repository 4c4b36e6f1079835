#pragma once
// The framework's radio button: checking one unchecks every other radio button of the same
// parent. The user can only check it; it is unchecked by code or by a sibling.
#include "lyra/selection_control.h"

#include <cstdint>

namespace lyra {

class LyRadioButton : public LySelectionControl {
  public:
    explicit LyRadioButton(toolkit::Component* AOwner);

    bool Checked() const { return FChecked; }
    // Checking unchecks the siblings, then raises OnCheck (not while read from a description).
    void SetChecked(bool Value);
    // The Tag of the first checked radio button among the parent's controls; this button's
    // own Tag when none is checked or it has no parent.
    std::intptr_t GetCheckedTag() const;

    toolkit::NotifyEvent OnCheck;

  protected:
    void Select() override;
    void PaintGlyphs() override;

  private:
    bool FChecked = false;
};

} // namespace lyra
