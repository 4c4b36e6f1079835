// The edit's built-in context menu. It is the toolkit's plain system menu for now; this file
// is the one place that knows which menu it is.
#include "lyra/edit.h"
#include "toolkit/clipboard.h"
#include "toolkit/context_menu.h"

namespace lyra {

namespace {
enum MenuEntry { CutEntry, CopyEntry, PasteEntry, UndoEntry, SelectAllEntry };
} // namespace

void LyCustomEdit::CreateDefaultMenu() {
    FDefaultMenu = new toolkit::ContextMenu(this);
    FDefaultMenu->Add(L"Cut", L"Ctrl+X");
    FDefaultMenu->Add(L"Copy", L"Ctrl+C");
    FDefaultMenu->Add(L"Paste", L"Ctrl+V");
    FDefaultMenu->Add(L"Undo", L"Ctrl+Z");
    FDefaultMenu->Add(L"Select All", L"Ctrl+A");
    FDefaultMenu->OnBeforePopup = [this](toolkit::Component*, bool&, POINT) {
        UpdateDefaultMenu();
    };
    FDefaultMenu->OnItemClick = [this](toolkit::Component*, const toolkit::ContextMenu::Item&,
                                       int Index) { DefaultMenuClick(Index); };
}

void LyCustomEdit::UpdateDefaultMenu() {
    const bool canCopy = HasSelection() && FPasswordChar == 0;
    FDefaultMenu->SetEnabled(CutEntry, canCopy);
    FDefaultMenu->SetEnabled(CopyEntry, canCopy);
    FDefaultMenu->SetEnabled(PasteEntry, toolkit::Clipboard::HasText());
    FDefaultMenu->SetEnabled(UndoEntry, FCanUndo && !FHistory.empty());
    FDefaultMenu->SetEnabled(SelectAllEntry, true);
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
