#pragma once
// A plain system popup menu of text entries, each with a shortcut label and greyed while it
// cannot be used. It asks its OnBeforePopup callback before it opens (where the entries are
// enabled or greyed) and tells OnItemClick which entry was chosen.
#include "toolkit/component.h"
#include "toolkit/popup_menu.h"

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace toolkit {

class ContextMenu : public Component, public PopupMenu {
  public:
    struct Item {
        std::wstring Caption;
        std::wstring ShortCut;
        bool Enabled = true;
    };
    // Clearing CanPopup keeps the menu closed; Point is where it would open (screen).
    using BeforePopupEvent = std::function<void(Component* Sender, bool& CanPopup, POINT Point)>;
    using ItemClickEvent = std::function<void(Component* Sender, const Item& Item, int Index)>;

    explicit ContextMenu(Component* owner);

    // Adds an entry at the end and gives its index.
    int Add(std::wstring Caption, std::wstring ShortCut);
    int Count() const { return int(items_.size()); }
    const Item& Items(int index) const { return items_.at(index); }
    void SetEnabled(int index, bool enabled) { items_.at(index).Enabled = enabled; }

    // Shows the menu at a screen point and returns once it closed (after OnItemClick when an
    // entry was chosen). Its messages go to the owner's window when the owner is a windowed
    // control, else to the active window.
    void Popup(int screenX, int screenY) override;

    BeforePopupEvent OnBeforePopup;
    ItemClickEvent OnItemClick;

  private:
    std::vector<Item> items_;
};

} // namespace toolkit
