// The edit's keyboard and mouse: caret moves, selection, editing keys, typed characters.
#include "lyra/edit.h"

#include <algorithm>

namespace lyra {

int LyCustomEdit::WordLeft(int Position) const {
    return FPasswordChar != 0 ? 0 : WordBoundaryLeft(FText, Position);
}

int LyCustomEdit::WordRight(int Position) const {
    return FPasswordChar != 0 ? TextLength() : WordBoundaryRight(FText, Position);
}

void LyCustomEdit::ExtendSelection(bool Leftwards) {
    if (!HasSelection()) FSelGoesLeft = Leftwards;
    if (FSelGoesLeft == Leftwards) {
        // The moving end goes outwards.
        if (Leftwards && FPosition > 0) {
            --FPosition;
            ++FSelLength;
        } else if (!Leftwards && FPosition + FSelLength < TextLength()) {
            ++FSelLength;
        }
    } else {
        // It comes back towards the anchor.
        if (!Leftwards) ++FPosition;
        --FSelLength;
    }
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::HandleKeyDown(bool& CanHandle, WORD Key, toolkit::ShiftState Shift) {
    LyWindowsControl::HandleKeyDown(CanHandle, Key, Shift);
    // The arrows move the caret here, not the focus.
    const bool upDown = Key == VK_UP || Key == VK_DOWN;
    if (Key == VK_LEFT || Key == VK_RIGHT || (upDown && FHandleUpDown)) CanHandle = false;
}

void LyCustomEdit::KeyDown(WORD& key, toolkit::ShiftState shift) {
    LyWindowsControl::KeyDown(key, shift);
    if (key != 0 && HandleEditingKey(key, shift)) key = 0;
}

bool LyCustomEdit::HandleEditingKey(WORD Key, toolkit::ShiftState Shift) {
    using toolkit::ShiftKey;
    const bool ctrl = Shift.Contains(ShiftKey::Ctrl);
    const bool shift = Shift.Contains(ShiftKey::Shift) && FEnableSelection;
    if (FHandleUpDown && Key == VK_UP) Key = VK_LEFT;
    if (FHandleUpDown && Key == VK_DOWN) Key = VK_RIGHT;
    switch (Key) {
    case VK_LEFT:
        if (ctrl) {
            const int target = WordLeft(SelectionEnd());
            shift ? SelectRange(SelectionStart(), target) : MoveCaret(target);
        } else if (shift) {
            ExtendSelection(true);
        } else {
            MoveCaret(HasSelection() ? FPosition : FPosition - 1);
        }
        return true;
    case VK_RIGHT:
        if (ctrl) {
            const int target = std::min(WordRight(SelectionEnd() + 1), TextLength());
            shift ? SelectRange(SelectionStart(), target) : MoveCaret(target);
        } else if (shift) {
            ExtendSelection(false);
        } else {
            MoveCaret(HasSelection() ? FPosition + FSelLength : FPosition + 1);
        }
        return true;
    case VK_HOME:
    case VK_END: {
        const int target = Key == VK_HOME ? 0 : TextLength();
        shift ? SelectRange(SelectionStart(), target) : MoveCaret(target);
        return true;
    }
    case VK_BACK:
        if (HasSelection()) {
            DeleteSelection();
        } else if (FPosition > 0) {
            const int from = ctrl ? WordLeft(FPosition) : FPosition - 1;
            std::wstring text = FText;
            text.erase(from, FPosition - from);
            FPosition = from;
            ChangeText(text);
        }
        return true;
    case VK_DELETE:
        if (HasSelection()) {
            DeleteSelection();
        } else if (FPosition < TextLength()) {
            const int to = ctrl ? std::min(WordRight(FPosition + 1), TextLength()) : FPosition + 1;
            std::wstring text = FText;
            text.erase(FPosition, to - FPosition);
            ChangeText(text);
        }
        return true;
    default:
        break;
    }
    // Ctrl with Alt is AltGr, which types characters on many layouts (Polish AltGr+Z gives
    // "ż"): those shortcuts need Ctrl alone.
    if (!ctrl || Shift.Contains(ShiftKey::Alt)) return false;
    switch (Key) {
    case 'A':
        SelectAll();
        return true;
    case 'C':
        CopyToClipBoard();
        return true;
    case 'V':
        PasteFromClipBoard();
        return true;
    case 'X':
        CutToClipBoard();
        return true;
    case 'Z':
        Undo();
        return true;
    default:
        return false;
    }
}

void LyCustomEdit::KeyPress(wchar_t& key) {
    LyWindowsControl::KeyPress(key);
    // Control characters are no text: Backspace, Tab, Enter, Escape, the characters that
    // Ctrl shortcuts produce and Ctrl+Backspace's DEL. Everything else the keyboard layout
    // gives is typed, AltGr's characters (such as "\" and "@") included.
    if (key < L' ' || key == 0x7F) return;
    if (FNumbersOnly && (key < L'0' || key > L'9')) return;
    DeleteSelection();
    std::wstring text = FText;
    text.insert(text.begin() + FPosition, key);
    ++FPosition;
    ChangeText(text);
    key = 0;
}

int LyCustomEdit::IndexAt(int ClientX) {
    const int x = ClientX + FCutPosition - FTxtRect.left;
    const std::wstring text = DisplayText();
    toolkit::Canvas& canvas = Buffer();
    canvas.Font().Assign(TextFont());
    if (x >= canvas.TextWidth(text)) return TextLength();
    for (int index = 1; index <= TextLength(); ++index) {
        const int middle = canvas.TextWidth(text.substr(0, index)) -
                           canvas.TextWidth(text.substr(index - 1, 1)) / 2;
        if (middle >= x) return index - 1;
    }
    return TextLength();
}

void LyCustomEdit::MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) {
    // The second press of a double click keeps the word DblClick selected.
    if (button == toolkit::MouseButton::Left && !shift.Contains(toolkit::ShiftKey::Double)) {
        const bool extend = shift.Contains(toolkit::ShiftKey::Shift) && FEnableSelection;
        FDownStart = -1;
        if (x >= FTxtRect.left) {
            const int index = IndexAt(x);
            if (extend) {
                // Shift+click moves the selection's free end; a drag goes on from its anchor.
                FDownStart = SelectionStart();
                SelectRange(FDownStart, index);
            } else {
                FDownStart = index;
                MoveCaret(index);
            }
        } else if (!extend) {
            ClearSelection();
        }
    }
    LyWindowsControl::MouseDown(button, shift, x, y);
}

void LyCustomEdit::MouseMove(toolkit::ShiftState shift, int x, int y) {
    LyWindowsControl::MouseMove(shift, x, y);
    // The left button held, not the hover state: a drag may leave the field and come back.
    if (FDownStart == -1 || !FEnableSelection || !shift.Contains(toolkit::ShiftKey::Left)) return;
    SelectRange(FDownStart, IndexAt(std::max(x, 0)));
}

void LyCustomEdit::DblClick() {
    int from = FPosition, to = FPosition;
    if (FPasswordChar != 0) {
        from = 0;
        to = TextLength();
    } else {
        while (from > 0 && IsWordCharacter(FText[from - 1]))
            --from;
        to = WordBoundaryRight(FText, FPosition);
        // Between words the separator under the mouse is the "word".
        if (from == to && to < TextLength()) ++to;
    }
    FDownStart = -1;
    SelectRange(from, to);
    LyWindowsControl::DblClick();
}

} // namespace lyra
