#pragma once
// The framework's context and drop-down menus. Every level is a borderless always-on-top
// layered window of its own with a frosted-glass backdrop on which the level paints its
// entries (text, check marks, icons, shortcut labels, submenu arrows, a rounded highlight),
// with rounded corners, an accent border and a short opening animation.
#include "lyra/animations.h"
#include "lyra/blur_material.h"
#include "lyra/color_sets.h"
#include "lyra/control_interface.h"
#include "lyra/popup_items.h"
#include "toolkit/form.h"
#include "toolkit/popup_menu.h"

#include <functional>
#include <memory>

namespace lyra {

enum class LyAnimateSelection { Instant, Opacity, Linear, Square };
const toolkit::EnumNames<LyAnimateSelection>& LyAnimateSelectionNames();

class LyPopupComponent;
class LyPopupMenu;

// Clearing CanPopup keeps the menu closed; Point (screen) may be moved.
using TOnBeforePopup =
    std::function<void(toolkit::Component* Sender, bool& CanPopup, POINT& Point)>;
using TOnItemClick =
    std::function<void(toolkit::Component* Sender, LyPopupComponent* Item, int Index)>;

// The window of one menu level: it passes its show, activation and key news to the level.
class LyPopupWindow : public toolkit::Form {
  public:
    explicit LyPopupWindow(LyPopupComponent& Level);

  protected:
    void DoShow() override;
    void KeyDown(WORD& key, toolkit::ShiftState shift) override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    LyPopupComponent& FLevel;
};

// What shows one entry's children as a menu level.
class LyPopupComponent : public LyPopupContainer, public LyControl {
  public:
    explicit LyPopupComponent(toolkit::Component* AOwner);
    ~LyPopupComponent() override;

    LyColorSets& CustomColors() { return *FCustomColors; }
    const LyColorSet& DrawColors() const { return *FDrawColors; }
    bool FlatMenu() const { return FFlatMenu; }
    void SetFlatMenu(bool Value) { FFlatMenu = Value; }
    bool EnableRadius() const { return FEnableRadius; }
    void SetEnableRadius(bool Value) { FEnableRadius = Value; }
    bool EnableBorder() const { return FEnableBorder; }
    void SetEnableBorder(bool Value) { FEnableBorder = Value; }
    LyAnimateSelection AnimationType() const { return FAnimType; }
    void SetAnimationType(LyAnimateSelection Value) { FAnimType = Value; }

    // This level's window and backdrop; null before its first opening.
    toolkit::Form* MenuWindow() const { return FForm.get(); }
    LyBlurMaterial* Backdrop() const { return FGlassBlur; }
    bool MenuOpen() const;
    int HoverOver() const { return FHoverOver; }
    LyPopupComponent* ParentPopup() const { return FParentPopup; }
    LyPopupMenu* ParentMenu() const { return FParentMenu; }
    // The opening animation while this level has one.
    TIntAni* Animation() const { return FAnim.get(); }
    int NormalWidth() const { return NormalWidthValue; }
    int NormalHeight() const { return NormalHeightValue; }

    // Hides this level's window (and frees it when FreeMem).
    void CloseMenu(bool FreeMem);
    // Closes this level and every level above it, up to the root.
    void CloseWindowsBackwards();
    // Closes the submenus opened from this level (and this level when CloseSelf).
    void CloseWindowsForward(bool CloseSelf);
    // Runs the entry at Index as a click or the Enter key would.
    void ExecuteItem(int Index);
    // Adds an entry with that text at the end of Items and returns it.
    LyPopupItem* AddItem(const std::wstring& Text);

    bool IsContainer() const override { return true; }
    void UpdateTheme(bool UpdateChildren) override;
    TColor Background() const override { return FDrawColors->BackGround; }

  protected:
    friend class LyPopupWindow;
    // Opens this level's window at a screen point.
    void ShowPopupWindow(POINT Point);

    LyAnimateSelection FAnimType = LyAnimateSelection::Linear;
    LyPopupComponent* FParentPopup = nullptr;
    LyPopupMenu* FParentMenu = nullptr;

  private:
    void CreateMenuWindow();
    // Places the window inside the screen and starts the opening animation.
    void Opening();
    void AnimationStep(int Value);
    void PaintItems();
    void SetHoverOver(int Value);
    // The entry at a point of the window that takes the mouse, or -1.
    int ItemAt(POINT point) const;
    void BackdropMouseMove(int X, int Y);
    void BackdropMouseUp();
    void KeyDown(WORD Key);
    void OpenSubmenu(int Index);
    void Activated();
    void Deactivated();
    // Closes the whole menu when none of its open windows has the focus.
    void CheckFocus();
    // The open submenu of one of this level's entries, or null.
    LyPopupComponent* OpenChild() const;
    LyPopupComponent* Entry(int Index) const;

    std::unique_ptr<TIntAni> FAnim;
    bool FLinearUpwards = false;
    int NormalHeightValue = 0;
    int NormalWidthValue = 0;
    POINT FDropPoint{};
    std::unique_ptr<LyPopupWindow> FForm;
    LyBlurMaterial* FGlassBlur = nullptr;
    std::unique_ptr<LyColorSets> FCustomColors;
    std::unique_ptr<LyColorSet> FDrawColors;
    int FHoverOver = -1;
    bool FItemPressed = false;
    bool FFlatMenu = false;
    bool FEnableRadius = true;
    bool FEnableBorder = true;
    // Shared with calls posted for later, so they know whether this level still exists.
    std::shared_ptr<bool> FAlive = std::make_shared<bool>(true);
};

// One menu entry; one with children opens them as a submenu.
class LyPopupItem : public LyPopupComponent {
  public:
    explicit LyPopupItem(toolkit::Component* AOwner);
    // Nested in a menu or an entry in a window description: it becomes the last entry there,
    // named by its component name until its Text is read.
    void SetParentComponent(toolkit::Component* parent) override;
};

// The root of a menu: its look, its closing rules and the Popup operations.
class LyPopupMenu : public LyPopupComponent, public toolkit::PopupMenu {
  public:
    explicit LyPopupMenu(toolkit::Component* AOwner);

    bool CloseOnCheck() const { return FCloseOnCheck; }
    void SetCloseOnCheck(bool Value) { FCloseOnCheck = Value; }
    bool CloseOnExecute() const { return FCloseOnExecute; }
    void SetCloseOnExecute(bool Value) { FCloseOnExecute = Value; }
    bool CloseOnNoExecuteClick() const { return FCloseOnNoExecuteClick; }
    void SetCloseOnNoExecuteClick(bool Value) { FCloseOnNoExecuteClick = Value; }

    void Popup(int X, int Y) override;
    void PopupAtCursor();
    void PopupAtPoint(POINT Point);

    toolkit::NotifyEvent OnPopup;
    TOnBeforePopup OnBeforePopup;
    TOnItemClick OnItemClick;

  private:
    friend class LyPopupComponent;
    // The window that was active when the menu opened gets the focus back when it closes.
    HWND FPreviousActive = nullptr;
    bool FCloseOnCheck = false;
    bool FCloseOnExecute = true;
    bool FCloseOnNoExecuteClick = true;
};

} // namespace lyra
