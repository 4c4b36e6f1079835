#include "lyra/padding.h"

namespace lyra {

LyPadding::LyPadding(toolkit::Persistent* AOwner) : TAssignPersistent(AOwner) {
    Publish(L"Left", &LyPadding::Left, &LyPadding::SetLeft);
    Publish(L"Top", &LyPadding::Top, &LyPadding::SetTop);
    Publish(L"Right", &LyPadding::Right, &LyPadding::SetRight);
    Publish(L"Bottom", &LyPadding::Bottom, &LyPadding::SetBottom);
}

RECT LyPadding::ApplyTo(RECT ARect) const {
    return {ARect.left + FLeft, ARect.top + FTop, ARect.right - FRight, ARect.bottom - FBottom};
}

void LyPadding::ScaleChanged(float Scaling) {
    for (int* side : {&FLeft, &FTop, &FRight, &FBottom})
        *side = int(float(*side) * Scaling);
}

void LyPadding::SetSide(int& Side, int Value) {
    Side = Value;
    NotifyThemeOwner(Owner());
    if (OnChange) OnChange();
}

} // namespace lyra
