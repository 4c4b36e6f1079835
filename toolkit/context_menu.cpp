#include "toolkit/context_menu.h"

#include "toolkit/error.h"
#include "toolkit/win_control.h"

#include <utility>

namespace toolkit {

namespace {
class MenuHandle {
  public:
    MenuHandle() : menu_(CreatePopupMenu()) {
        if (!menu_) throw Error(L"Cannot create a popup menu");
    }
    ~MenuHandle() { DestroyMenu(menu_); }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    HMENU Get() const { return menu_; }

  private:
    HMENU menu_;
};
} // namespace

ContextMenu::ContextMenu(Component* owner) : Component(owner) {}

int ContextMenu::Add(std::wstring Caption, std::wstring ShortCut) {
    items_.push_back({std::move(Caption), std::move(ShortCut), true});
    return Count() - 1;
}

void ContextMenu::Popup(int screenX, int screenY) {
    bool canPopup = true;
    if (OnBeforePopup) OnBeforePopup(this, canPopup, POINT{screenX, screenY});
    if (!canPopup || items_.empty()) return;

    MenuHandle menu;
    for (int index = 0; index < Count(); ++index) {
        const Item& item = items_[index];
        // The tab puts the shortcut label in the menu's right-hand column.
        const std::wstring text =
            item.ShortCut.empty() ? item.Caption : item.Caption + L'\t' + item.ShortCut;
        const UINT flags = MF_STRING | (item.Enabled ? MF_ENABLED : MF_GRAYED);
        // Command 0 means "nothing chosen", so the entries count from 1.
        AppendMenuW(menu.Get(), flags, UINT_PTR(index + 1), text.c_str());
    }
    auto* control = dynamic_cast<WinControl*>(Owner());
    HWND window = control ? control->Handle() : GetActiveWindow();
    const int chosen =
        int(TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screenX,
                           screenY, 0, window, nullptr));
    if (chosen > 0 && chosen <= Count() && OnItemClick)
        OnItemClick(this, items_[chosen - 1], chosen - 1);
}

} // namespace toolkit
