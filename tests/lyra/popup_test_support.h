#pragma once
// Shared by the popup menu's tests: waiting for a menu level to open, and real mouse input on
// its entries.
#include "lyra/popup_menu.h"

#include <windows.h>

namespace test {

// Pumps until the level's window shows and its opening animation has ended; false when that
// does not happen within a few seconds.
bool AwaitOpened(lyra::LyPopupComponent& level);
// The centre of an entry in its level's window (client coordinates).
POINT EntryCentre(const lyra::LyPopupContainer& entry);
// Moves the mouse onto an entry of an open level, as the system reports it to the window.
void HoverEntry(lyra::LyPopupComponent& level, int index);
// A left click on an entry of an open level.
void ClickEntry(lyra::LyPopupComponent& level, int index);

} // namespace test
