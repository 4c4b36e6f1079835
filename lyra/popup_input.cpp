// A menu level's mouse and keyboard handling.
#include "lyra/popup_menu.h"

namespace lyra {

namespace {
// Entries the keyboard and the mouse can reach: visible, enabled, no separator.
bool Reachable(const LyPopupContainer& entry) {
    return entry.Visible() && entry.Enabled() && !entry.IsSeparator();
}
} // namespace

int LyPopupComponent::ItemAt(POINT point) const {
    for (int index = 0; index < Items().Count(); ++index) {
        const LyPopupItem& entry = *Items().GetItem(index);
        if (entry.Enabled() && PtInRect(&entry.Bounds(), point)) return index;
    }
    return -1;
}

void LyPopupComponent::SetHoverOver(int Value) {
    FHoverOver = Value;
    if (FGlassBlur) FGlassBlur->Invalidate();
}

void LyPopupComponent::BackdropMouseMove(int X, int Y) {
    const int previous = FHoverOver;
    SetHoverOver(ItemAt({X, Y}));
    LyPopupComponent* entry = Entry(FHoverOver);
    if (!entry || FHoverOver == previous) return;
    if (GetActiveWindow() != FForm->Handle()) SetForegroundWindow(FForm->Handle());
    if (LyPopupComponent* child = OpenChild()) child->CloseMenu(false);
    if (entry->OnHover) entry->OnHover(entry);
    if (!entry->MenuOpen()) OpenSubmenu(FHoverOver);
}

void LyPopupComponent::BackdropMouseUp() {
    FItemPressed = false;
    SetHoverOver(FHoverOver);
    const int index = FHoverOver;
    LyPopupComponent* entry = Entry(index);
    if (!entry) return;
    const std::weak_ptr<bool> alive = FAlive;
    ExecuteItem(index);
    if (!alive.expired() && MenuOpen() && !entry->MenuOpen()) OpenSubmenu(index);
}

void LyPopupComponent::KeyDown(WORD Key) {
    switch (Key) {
    case VK_RETURN:
    case VK_SPACE:
        if (Entry(FHoverOver)) ExecuteItem(FHoverOver);
        return;
    case VK_ESCAPE:
        CloseMenu(false);
        return;
    case VK_LEFT:
        if (FParentPopup) CloseMenu(false);
        return;
    case VK_RIGHT:
        if (Entry(FHoverOver)) OpenSubmenu(FHoverOver);
        return;
    case VK_UP:
    case VK_DOWN: {
        // Hidden and greyed entries are passed over like separators: Enter must never run
        // an entry the user cannot see or use. No wrap-around.
        const int step = Key == VK_UP ? -1 : 1;
        int index = FHoverOver;
        do
            index += step;
        while (Entry(index) && !Reachable(*Entry(index)));
        if (Entry(index)) SetHoverOver(index);
        return;
    }
    default:
        return;
    }
}

} // namespace lyra
