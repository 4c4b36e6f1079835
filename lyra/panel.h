#pragma once
// The framework's themed container: a toolkit panel whose colour follows the theme (the
// window background or the lighter content colour), which passes theme changes on to its
// framework children and may show a rounded accent bar along its left edge.
#include "lyra/color_sets.h"
#include "lyra/control_interface.h"
#include "lyra/layouts.h"
#include "toolkit/panel.h"

#include <memory>

namespace lyra {

// The toolkit panel as the framework's panels start from.
class LyPanelBase : public toolkit::Panel {
  public:
    using toolkit::Panel::Panel;
};

class LyPanel : public LyPanelBase, public LyControl {
  public:
    explicit LyPanel(toolkit::Component* AOwner);
    ~LyPanel() override;

    LyCompleteColorSets& CustomColors() { return *FCustomColors; }
    const LyCompleteColorSet& DrawColors() const { return *FDrawColors; }
    LyBackgroundColor BackgroundColor() const { return FBackgroundColor; }
    // The panel and its framework children take the chosen colour at once.
    void SetBackgroundColor(LyBackgroundColor Value);
    bool AccentLine() const { return FAccentLine; }
    void SetAccentLine(bool Value);
    int AccentLineWidth() const { return FAccentLineWidth; }
    void SetAccentLineWidth(int Value);
    // Where the accent bar goes: 10 pixels in from the left, top and bottom.
    RECT AccentLineRect() const;

    // Draws the accent bar on the panel's canvas when AccentLine is on.
    virtual void DrawAccentLine();

    bool IsContainer() const override { return true; }
    // Resolves the colours, repaints and, when asked, updates every framework child.
    void UpdateTheme(bool UpdateChildren) override;
    // The colour the panel fills with.
    TColor Background() const override;
    void Loaded() override;

  protected:
    void Paint() override;
    void Resize() override;

  private:
    void UpdateColors();

    std::unique_ptr<LyCompleteColorSets> FCustomColors;
    std::unique_ptr<LyCompleteColorSet> FDrawColors;
    LyBackgroundColor FBackgroundColor = LyBackgroundColor::Background;
    bool FAccentLine = false;
    int FAccentLineWidth = 8;
};

} // namespace lyra
