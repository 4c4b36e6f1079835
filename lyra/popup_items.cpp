#include "lyra/popup_items.h"

#include "lyra/popup_menu.h"

namespace lyra {

LyPopupItems::LyPopupItems(LyPopupContainer* AOwner) : TMPersistent(AOwner), FContainer(AOwner) {}

int LyPopupItems::IndexOf(const std::wstring& AText) const {
    for (int index = 0; index < Count(); ++index)
        if (FItems[index]->Text() == AText) return index;
    return -1;
}

int LyPopupItems::Find(const LyPopupContainer* AItem) const {
    // Compared as containers: an entry being destroyed is no LyPopupItem any more.
    for (int index = 0; index < Count(); ++index)
        if (static_cast<const LyPopupContainer*>(FItems[index]) == AItem) return index;
    return -1;
}

void LyPopupItems::Add(LyPopupItem* AItem) {
    if (!AItem || Find(AItem) >= 0) return;
    // An entry is listed in one place only; its old list lets it go.
    if (AItem->FListedIn) AItem->FListedIn->Items().Delete(AItem->MenuIndex(), false);
    FItems.push_back(AItem);
    AItem->FListedIn = FContainer;
}

void LyPopupItems::Delete(int Index, bool AndFree) {
    if (Index < 0 || Index >= Count()) return;
    LyPopupItem* item = FItems[Index];
    FItems.erase(FItems.begin() + Index);
    item->FListedIn = nullptr;
    if (AndFree) delete item;
}

void LyPopupItems::Clear(bool AndFree) {
    while (Count() > 0)
        Delete(Count() - 1, AndFree);
}

LyPopupContainer::LyPopupContainer(toolkit::Component* AOwner)
    : LyComponent(AOwner), FImage(std::make_unique<LyIconSelect>(nullptr)),
      FItems(std::make_unique<LyPopupItems>(this)) {}

LyPopupContainer::~LyPopupContainer() {
    FItems->Clear(true);
    if (FListedIn) FListedIn->Items().Delete(MenuIndex(), false);
}

void LyPopupContainer::SetChecked(bool Value) {
    FChecked = Value;
    if (!FRadioItem || !FListedIn) return;
    const LyPopupItems& siblings = FListedIn->Items();
    const int self = MenuIndex();
    for (int index = self - 1; index >= 0 && siblings.GetItem(index)->RadioItem(); --index)
        siblings.GetItem(index)->FChecked = false;
    for (int index = self + 1; index < siblings.Count() && siblings.GetItem(index)->RadioItem();
         ++index)
        siblings.GetItem(index)->FChecked = false;
}

void LyPopupContainer::SetIsSeparator(bool Value) {
    if (Value) FText = L"-";
}

int LyPopupContainer::MenuIndex() const {
    return FListedIn ? FListedIn->Items().Find(this) : -1;
}

} // namespace lyra
