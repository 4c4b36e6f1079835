#pragma once
// The shared part of the framework's simple buffered controls: published custom colours, the
// resolved colours painting reads, and a theme update that resolves the colours, lays the
// control out again and repaints.
#include "lyra/color_sets.h"
#include "lyra/control_interface.h"
#include "lyra/windows_control.h"

#include <memory>

namespace lyra {

class LyThemedControl : public LyWindowsControl, public LyControl {
  public:
    ~LyThemedControl() override;

    LyColorSets& CustomColors() { return *FCustomColors; }
    // The colours in force: accent, background and foreground.
    const LyCompleteColorSet& DrawColors() const { return *FDrawColors; }

    bool IsContainer() const override { return false; }
    // UpdateColors, UpdateRects, then a repaint; the control has no children to pass it on to.
    void UpdateTheme(bool UpdateChildren) override;
    TColor Background() const override { return FDrawColors->BackGround; }
    // The colours set while the description was read take effect now.
    void Loaded() override;

  protected:
    explicit LyThemedControl(toolkit::Component* AOwner);
    // Resolves DrawColors for the theme in force (and sets the control's Color).
    virtual void UpdateColors() = 0;
    // Computes the layout rectangles.
    virtual void UpdateRects() = 0;
    LyCompleteColorSet& ResolvedColors() { return *FDrawColors; }

  private:
    std::unique_ptr<LyColorSets> FCustomColors;
    std::unique_ptr<LyCompleteColorSet> FDrawColors;
};

} // namespace lyra
