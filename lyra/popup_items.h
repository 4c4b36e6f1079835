#pragma once
// The data of the framework's popup menus: an entry (text, flags, icon, shortcut label,
// children, callbacks and its hit rectangle) and the ordered list of an entry's children.
#include "lyra/classes.h"
#include "lyra/icon_select.h"
#include "toolkit/control_types.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace lyra {

class LyPopupItem;
class LyPopupContainer;

// The children of a menu or an entry, in display order. The container that holds the list
// owns them.
class LyPopupItems : public TMPersistent {
  public:
    explicit LyPopupItems(LyPopupContainer* AOwner);

    int Count() const { return int(FItems.size()); }
    // The first entry whose Text is exactly AText, or -1.
    int IndexOf(const std::wstring& AText) const;
    // Appends an entry; the list's container takes it over.
    void Add(LyPopupItem* AItem);
    // Removes the entry at Index, freeing it when AndFree.
    void Delete(int Index, bool AndFree);
    void Clear(bool AndFree);
    LyPopupItem* GetItem(int AIndex) const { return FItems.at(AIndex); }
    // The place of an entry in the list, -1 when it is not listed.
    int Find(const LyPopupContainer* AItem) const;

  private:
    friend class LyPopupContainer;
    LyPopupContainer* FContainer;
    std::vector<LyPopupItem*> FItems;
};

class LyPopupContainer : public LyComponent {
  public:
    explicit LyPopupContainer(toolkit::Component* AOwner);
    ~LyPopupContainer() override;

    const std::wstring& Text() const { return FText; }
    void SetText(const std::wstring& Value) { FText = Value; }
    const std::wstring& Hint() const { return FHint; }
    void SetHint(const std::wstring& Value) { FHint = Value; }
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool Value) { FAutoCheck = Value; }
    bool Checked() const { return FChecked; }
    // A radio entry clears the radio entries next to it (without their callbacks).
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    bool IsDefault() const { return FDefault; }
    void SetIsDefault(bool Value) { FDefault = Value; }
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value) { FRadioItem = Value; }
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value) { FVisible = Value; }
    LyIconSelect& Image() { return *FImage; }
    const LyIconSelect& Image() const { return *FImage; }
    LyPopupItems& Items() { return *FItems; }
    const LyPopupItems& Items() const { return *FItems; }
    const std::wstring& Shortcut() const { return FShortCut; }
    void SetShortcut(const std::wstring& Value) { FShortCut = Value; }
    // "-" is a separator line.
    bool IsSeparator() const { return FText == L"-"; }
    void SetIsSeparator(bool Value);
    // The index in the container that lists this entry, -1 when none does.
    int MenuIndex() const;
    // Where the entry was last painted in its parent's window.
    const RECT& Bounds() const { return FBounds; }

    int GetMenuItemCount() const { return FItems->Count(); }
    LyPopupItem* GetMenuItem(int Index) const { return FItems->GetItem(Index); }

    toolkit::NotifyEvent OnClick;
    toolkit::NotifyEvent OnHover;
    toolkit::NotifyEvent OnCheck;

  protected:
    friend class LyPopupItems;
    RECT FBounds{};
    // The container whose list holds this entry.
    LyPopupContainer* FListedIn = nullptr;

  private:
    std::wstring FText;
    std::wstring FHint;
    bool FAutoCheck = false;
    bool FChecked = false;
    bool FEnabled = true;
    bool FDefault = false;
    bool FRadioItem = false;
    bool FVisible = true;
    std::unique_ptr<LyIconSelect> FImage;
    std::unique_ptr<LyPopupItems> FItems;
    std::wstring FShortCut;
};

} // namespace lyra
