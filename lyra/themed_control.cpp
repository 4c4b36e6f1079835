#include "lyra/themed_control.h"

namespace lyra {

LyThemedControl::LyThemedControl(toolkit::Component* AOwner)
    : LyWindowsControl(AOwner), FCustomColors(std::make_unique<LyColorSets>(this)),
      FDrawColors(std::make_unique<LyCompleteColorSet>()) {
    PublishObject(L"CustomColors", *FCustomColors);
}

LyThemedControl::~LyThemedControl() = default;

void LyThemedControl::UpdateTheme(bool) {
    UpdateColors();
    UpdateRects();
    Invalidate();
}

void LyThemedControl::Loaded() {
    UpdateColors();
    UpdateRects();
    LyWindowsControl::Loaded();
}

} // namespace lyra
