#include "toolkit/scroll_bar_settings.h"

namespace toolkit {

ScrollBarSettings::ScrollBarSettings() {
    Publish(L"Visible", &ScrollBarSettings::Visible, &ScrollBarSettings::SetVisible);
    Publish(L"Position", &ScrollBarSettings::Position, &ScrollBarSettings::SetPosition);
    Publish(L"Increment", &ScrollBarSettings::Increment, &ScrollBarSettings::SetIncrement);
}

void ScrollBarSettings::SetVisible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    if (OnChange) OnChange();
}

void ScrollBarSettings::SetPosition(int value) {
    if (OnScroll)
        OnScroll(value);
    else
        position_ = value;
}

} // namespace toolkit
