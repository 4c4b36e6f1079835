#include "popup_test_support.h"

#include "tests/gui_support/gui_test_support.h"

namespace test {

bool AwaitOpened(lyra::LyPopupComponent& level) {
    return PumpUntil([&] {
        return level.MenuOpen() && IsWindowVisible(level.MenuWindow()->Handle()) &&
               (!level.Animation() || level.Animation()->Finished());
    });
}

POINT EntryCentre(const lyra::LyPopupContainer& entry) {
    const RECT& bounds = entry.Bounds();
    return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

void HoverEntry(lyra::LyPopupComponent& level, int index) {
    MouseMoveTo(*level.MenuWindow(), EntryCentre(*level.Items().GetItem(index)));
    Pump();
}

void ClickEntry(lyra::LyPopupComponent& level, int index) {
    Click(*level.MenuWindow(), EntryCentre(*level.Items().GetItem(index)));
    Pump();
}

} // namespace test
