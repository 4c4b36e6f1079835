#pragma once
// What a control opens on a right click or the menu key. The toolkit has no menu of its
// own; the framework's menus implement this.
namespace toolkit {

class PopupMenu {
  public:
    virtual ~PopupMenu() = default;
    virtual void Popup(int screenX, int screenY) = 0;
};

} // namespace toolkit
