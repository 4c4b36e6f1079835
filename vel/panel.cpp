#include "vel/panel.h"

namespace vel {

VPanel::VPanel(toolkit::Component* AOwner) : toolkit::Panel(AOwner) {
    SetBevelOuter(toolkit::BevelCut::None);
    SetBevelInner(toolkit::BevelCut::None);
    PublishEnum(L"UseAccentColor", &VPanel::UseAccentColor, &VPanel::SetUseAccentColor,
                VAccentColorNames());
}

void VPanel::SetUseAccentColor(VAccentColor Value) {
    FAccent = Value;
    if (Value != VAccentColor::None) SetParentColor(false);
    Invalidate();
}

void VPanel::Invalidate() {
    toolkit::Panel::Invalidate();
    // Setting the colour it has already does nothing, so this does not come back here.
    if (FAccent != VAccentColor::None) SetColor(AccentColorOf(FAccent));
}

} // namespace vel
