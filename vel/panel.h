#pragma once
// A borderless panel that can take the system accent colour as its background.
#include "toolkit/panel.h"
#include "vel/accent_color.h"

namespace vel {

class VPanel : public toolkit::Panel {
  public:
    explicit VPanel(toolkit::Component* AOwner);

    VAccentColor UseAccentColor() const { return FAccent; }
    // Any accent stops the panel following its parent's colour.
    void SetUseAccentColor(VAccentColor Value);

    // Takes the accent colour of its kind (when it has one) each time it is invalidated.
    void Invalidate() override;

  private:
    VAccentColor FAccent = VAccentColor::None;
};

} // namespace vel
