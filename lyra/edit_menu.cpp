// The edit's built-in context menu.
#include "lyra/edit.h"
#include "lyra/popup_menu.h"
#include "toolkit/clipboard.h"

namespace lyra {

namespace {
enum MenuEntry { CutEntry, CopyEntry, PasteEntry, UndoEntry, SelectAllEntry };

struct MenuEntryLook {
    const wchar_t* text;
    const wchar_t* glyph;
    const wchar_t* shortcut;
};
constexpr MenuEntryLook Entries[] = {{L"Cut", L"\uE8C6", L"Ctrl+X"},
                                     {L"Copy", L"\uE8C8", L"Ctrl+C"},
                                     {L"Paste", L"\uE77F", L"Ctrl+V"},
                                     {L"Undo", L"\uE7A7", L"Ctrl+Z"},
                                     {L"Select All", L"\uE8B3", L"Ctrl+A"}};
} // namespace

void LyCustomEdit::CreateDefaultMenu() {
    FDefaultMenu = new LyPopupMenu(this);
    for (const MenuEntryLook& look : Entries) {
        LyPopupItem* item = FDefaultMenu->AddItem(look.text);
        item->SetShortcut(look.shortcut);
        item->Image().SetEnabled(true);
        item->Image().SetIconType(LyIconType::SegoeIcon);
        item->Image().SetSelectSegoe(look.glyph);
    }
    FDefaultMenu->OnBeforePopup = [this](toolkit::Component*, bool&, POINT&) {
        UpdateDefaultMenu();
    };
    FDefaultMenu->OnItemClick = [this](toolkit::Component*, LyPopupComponent*, int Index) {
        DefaultMenuClick(Index);
    };
}

void LyCustomEdit::UpdateDefaultMenu() {
    // Entries that cannot be used show greyed, so the menu always has the same shape.
    const bool canCopy = HasSelection() && FPasswordChar == 0;
    LyPopupItems& items = FDefaultMenu->Items();
    items.GetItem(CutEntry)->SetEnabled(canCopy);
    items.GetItem(CopyEntry)->SetEnabled(canCopy);
    items.GetItem(PasteEntry)->SetEnabled(toolkit::Clipboard::HasText());
    items.GetItem(UndoEntry)->SetEnabled(FCanUndo && !FHistory.empty());
    items.GetItem(SelectAllEntry)->SetEnabled(true);
}

void LyCustomEdit::DefaultMenuClick(int Index) {
    switch (Index) {
    case CutEntry:
        CutToClipBoard();
        break;
    case CopyEntry:
        CopyToClipBoard();
        break;
    case PasteEntry:
        PasteFromClipBoard();
        break;
    case UndoEntry:
        Undo();
        break;
    case SelectAllEntry:
        SelectAll();
        break;
    default:
        break;
    }
}

void LyCustomEdit::OpenPopupMenu(int X, int Y) {
    // An assigned menu replaces the built-in one.
    if (PopupMenu()) return LyWindowsControl::OpenPopupMenu(X, Y);
    const POINT screen = ClientToScreen({X, Y});
    FDefaultMenu->Popup(screen.x, screen.y);
}

} // namespace lyra
