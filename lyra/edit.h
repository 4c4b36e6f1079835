#pragma once
// The framework's single-line text field, drawn entirely by the framework: a rounded field
// with an accent underline or outline, its own blinking caret, selection by mouse and
// keyboard, horizontal scrolling of long text, a hint while empty, a password character, a
// numbers-only mode, forced letter case, an undo history and a built-in context menu (Cut,
// Copy, Paste, Undo, Select All). An invisible system caret follows the drawn one, so input
// methods and magnifiers know where the typing happens.
#include "lyra/color_sets.h"
#include "lyra/color_state_sets.h"
#include "lyra/control_interface.h"
#include "lyra/edit_text.h"
#include "lyra/layouts.h"
#include "lyra/windows_control.h"
#include "toolkit/system_caret.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace toolkit {
class Timer;
} // namespace toolkit

namespace lyra {

class LyPopupMenu;

class LyCustomEdit : public LyWindowsControl, public LyControl {
  public:
    explicit LyCustomEdit(toolkit::Component* AOwner);
    ~LyCustomEdit() override;

    // The built-in context menu (Cut, Copy, Paste, Undo, Select All).
    LyPopupMenu& DefaultMenu() const { return *FDefaultMenu; }

    LyCompleteColorSets& CustomColors() { return *FCustomColors; }
    LySingleColorStateSets& CustomEditColors() { return *FCustomEditColors; }

    const std::wstring& Text() const { return FText; }
    // Replaces the content: clears the undo history, raises OnChangeValue (not OnChange)
    // and keeps the caret and selection where they were, within the new text.
    void SetText(const std::wstring& Value);
    // The text as a 64-bit number; 0 when it is empty or not a number.
    std::int64_t Value() const;
    void SetValue(std::int64_t Value);
    int Position() const { return FPosition; }
    // Ignored when negative, beyond the text or unchanged; clears the selection.
    void SetPosition(int Value);
    int SelectionLength() const { return FSelLength; }
    // Kept within the text after Position.
    void SetSelectionLength(int Value);
    wchar_t PasswordChar() const { return FPasswordChar; }
    void SetPasswordChar(wchar_t Value);
    LyLayout Layout() const { return FLayout; }
    void SetLayout(LyLayout Value);
    LyLayout LayoutHorizontal() const { return FLayoutHorizontal; }
    void SetLayoutHorizontal(LyLayout Value);
    const std::wstring& TextHint() const { return FTextHint; }
    void SetTextHint(const std::wstring& Value);
    bool ClearSelectionOnExit() const { return FClearSelectionOnExit; }
    void SetClearSelectionOnExit(bool Value) { FClearSelectionOnExit = Value; }
    bool CanUndo() const { return FCanUndo; }
    // Switching it off forgets the history.
    void SetCanUndo(bool Value);
    LyCharCase CharCase() const { return FCharCase; }
    void SetCharCase(LyCharCase Value);
    bool NumbersOnly() const { return FNumbersOnly; }
    // A text that is no number becomes "0".
    void SetNumbersOnly(bool Value);
    bool EnableSelection() const { return FEnableSelection; }
    void SetEnableSelection(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    int LineSize() const { return FLineSize; }
    void SetLineSize(int Value);
    int Roundness() const { return FRoundness; }
    void SetRoundness(int Value);
    int TextMarginX() const { return FTextMarginX; }
    void SetTextMarginX(int Value);
    int TextMarginY() const { return FTextMarginY; }
    void SetTextMarginY(int Value);
    LyDetailType Detail() const { return FDetail; }
    void SetDetail(LyDetailType Value);
    // Up and Down act as Left and Right.
    bool HandleUpDown() const { return FHandleUpDown; }
    void SetHandleUpDown(bool Value) { FHandleUpDown = Value; }

    int TextLength() const { return int(FText.size()); }
    bool HasSelection() const { return FSelLength > 0; }
    // The end the selection grew from, and the end that moves (where the caret is drawn).
    int SelectionStart() const;
    int SelectionEnd() const;
    // The selected part of the displayed text.
    std::wstring Selection() const;
    // Whether the displayed text is wider than the text area.
    bool ExtendsBounds();
    // What is drawn: the password character once per character, or the text.
    std::wstring DisplayText() const;

    void ClearSelection() { SetSelectionLength(0); }
    void DeleteSelection();
    void SelectAll();
    void Clear() { SetText(L""); }
    // Back to the text before the last change by typing, deleting or pasting.
    void Undo();
    // Copy and Cut leave the clipboard alone without a selection or with a password.
    void CopyToClipBoard();
    void CutToClipBoard();
    void PasteFromClipBoard();
    // How many earlier texts Undo can go back to.
    int HistoryCount() const { return int(FHistory.size()); }

    // Layout, as UpdateRects computed it.
    const RECT& DrawRect() const { return FDrawRectangle; }
    const RECT& LineRect() const { return FLineRect; }
    const RECT& TxtRect() const { return FTxtRect; }
    // Text x minus this is the x inside the text area.
    int CutPosition() const { return FCutPosition; }
    // The caret's x inside the text area.
    int DrawPosition() const { return FDrawPosition; }
    // The blinking caret's phase; it only shows while the control has the focus.
    bool CaretShown() const { return FCaretShown; }
    TColor LineColor() const { return FLineColor; }
    const LyCompleteColorSet& DrawColors() const { return *FDrawColors; }
    const LySingleColorStateSet& EditColors() const { return *FEditColors; }

    bool IsContainer() const override { return false; }
    void UpdateTheme(bool UpdateChildren) override;
    TColor Background() const override { return FDrawColors->BackGround; }
    void Loaded() override;

    // After every change by typing, deleting, cutting or pasting.
    toolkit::NotifyEvent OnChange;
    // After those and after Text is assigned.
    toolkit::NotifyEvent OnChangeValue;

  protected:
    void UpdateColors();
    void UpdateRects();
    void PaintBuffer() override;
    void InteractionStateChanged(LyControlState AState) override;
    void HandleKeyDown(bool& CanHandle, WORD Key, toolkit::ShiftState Shift) override;
    void KeyDown(WORD& key, toolkit::ShiftState shift) override;
    void KeyPress(wchar_t& key) override;
    void MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) override;
    void MouseMove(toolkit::ShiftState shift, int x, int y) override;
    void DblClick() override;
    void DoEnter() override;
    void DoExit() override;
    void OpenPopupMenu(int X, int Y) override;
    bool HasPopupMenu() const override { return true; }
    void HandleCreated() override;
    void FontUpdate() override;
    void ScaleChanged(float Scaling) override;
    void Resize() override;
    void ParentChanged() override;

  private:
    // Keeps the window text in step with the content.
    void TextStored();
    // Stores a value the layout depends on, then lays out and redraws when it changed.
    template <class T> void ChangeLayout(T& Field, const T& Value);
    // Typing, deleting and pasting: remembered for Undo, case forced, events raised.
    void ChangeText(const std::wstring& Value);
    // Selects from a to b, b being the end that moves.
    void SelectRange(int a, int b);
    // Moves the caret to an index of the text and drops the selection.
    void MoveCaret(int Index);
    // Caret and selection back inside the text.
    void ClampSelection();
    // Scrolls so that x (inside the text area) is visible, then places the caret.
    void ScrollIntoView(int x);
    // The width of the first Count displayed characters.
    int DisplayWidth(int Count);
    int TextHeight();
    // The top of the text line in the text area, placed by Layout.
    int TextTop();
    // The character index nearest to a client x.
    int IndexAt(int ClientX);
    // Where Ctrl+arrow jumps from Position; a password has no words, only its two ends.
    int WordLeft(int Position) const;
    int WordRight(int Position) const;
    // Shift+Left and Shift+Right: one character more or less at the moving end.
    void ExtendSelection(bool Leftwards);
    bool HandleEditingKey(WORD Key, toolkit::ShiftState Shift);
    void ApplyAutoSize();
    void UpdateLineColor();
    // The caret shows at once after every move or edit and starts blinking from there.
    void RestartCaretBlink();
    void PlaceSystemCaret();
    // The rectangle of the drawn caret, in client coordinates.
    RECT CaretRect();
    // The built-in menu: its entries, and which of them can be used now.
    void CreateDefaultMenu();
    void UpdateDefaultMenu();
    void DefaultMenuClick(int Index);

    std::unique_ptr<LyCompleteColorSets> FCustomColors;
    std::unique_ptr<LySingleColorStateSets> FCustomEditColors;
    std::unique_ptr<LyCompleteColorSet> FDrawColors;
    std::unique_ptr<LySingleColorStateSet> FEditColors;
    std::wstring FText = L"Hello World!";
    int FPosition = 0;
    int FSelLength = 0;
    // The selection was extended leftwards: its moving end is FPosition.
    bool FSelGoesLeft = false;
    int FCutPosition = 0;
    int FDrawPosition = 0;
    // Where the left button went down (a character index), -1 outside the text area.
    int FDownStart = -1;
    std::vector<std::wstring> FHistory;
    // Owned as a component of this control.
    LyPopupMenu* FDefaultMenu = nullptr;
    int FIndicatorWidth = 1;
    TColor FLineColor = 0;
    RECT FDrawRectangle{}, FLineRect{}, FTxtRect{};
    wchar_t FPasswordChar = 0;
    LyLayout FLayout = LyLayout::Center;
    LyLayout FLayoutHorizontal = LyLayout::Beginning;
    std::wstring FTextHint;
    bool FClearSelectionOnExit = true;
    bool FCanUndo = true;
    LyCharCase FCharCase = LyCharCase::Both;
    bool FNumbersOnly = false;
    bool FEnableSelection = true;
    bool FAutoSize = true;
    int FLineSize = 2;
    int FRoundness = 10;
    int FTextMarginX = 5;
    int FTextMarginY = 5;
    LyDetailType FDetail = LyDetailType::Underline;
    bool FHandleUpDown = true;
    bool FCaretShown = true;
    std::unique_ptr<toolkit::Timer> FCaretBlink;
    toolkit::SystemCaret FSystemCaret;
};

// The edit with its properties published for window descriptions.
class LyEdit : public LyCustomEdit {
  public:
    explicit LyEdit(toolkit::Component* AOwner);
};

} // namespace lyra
