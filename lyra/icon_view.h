#pragma once
// A themed icon: one icon selection (icon-font glyphs, a picture or a bitmap) drawn square,
// scaled to the control and placed in nine positions, in the theme's (or its own) colours;
// grey while disabled.
#include "lyra/icon_select.h"
#include "lyra/layouts.h"
#include "lyra/themed_control.h"

#include <memory>

namespace lyra {

// The colour of a disabled icon view's glyphs in either theme.
inline constexpr TColor DisabledIconColor = 0x00808080;

class LyIconView : public LyThemedControl {
  public:
    explicit LyIconView(toolkit::Component* AOwner);
    ~LyIconView() override;

    LyIconSelect& Image() { return *FImage; }
    // The view keeps its own selection and takes over the settings of the given one.
    void SetImage(const LyIconSelect& Value);
    // The icon's side as a fraction of the client width and height (the smaller of the two).
    double Scale() const { return FScale; }
    void SetScale(double Value);
    LyLayout LayoutHorizontal() const { return FLayoutHorizontal; }
    void SetLayoutHorizontal(LyLayout Value);
    LyLayout LayoutVertical() const { return FLayoutVertical; }
    void SetLayoutVertical(LyLayout Value);
    // Where the icon is drawn.
    const RECT& IconRect() const { return FIconRect; }

  protected:
    // The theme's or the custom colours; a grey foreground while disabled. The parent's
    // background is not taken.
    void UpdateColors() override;
    void UpdateRects() override;
    void PaintBuffer() override;
    void Resize() override;
    void InteractionStateChanged(LyControlState AState) override;

  private:
    std::unique_ptr<LyIconSelect> FImage;
    double FScale = 1.0;
    LyLayout FLayoutHorizontal = LyLayout::Center;
    LyLayout FLayoutVertical = LyLayout::Center;
    RECT FIconRect{};
};

} // namespace lyra
