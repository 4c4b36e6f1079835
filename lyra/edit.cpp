#include "lyra/edit.h"

#include "lyra/popup_menu.h"
#include "lyra/theme_manager.h"
#include "toolkit/clipboard.h"
#include "toolkit/timer.h"

#include <algorithm>

namespace lyra {

namespace {
// A description writes the character itself ('*') or its code (0 for none).
wchar_t ParsePasswordChar(const toolkit::PropertyValue& Value) {
    using Kind = toolkit::PropertyValue::Kind;
    if (Value.kind == Kind::Integer) {
        if (Value.integer < 0 || Value.integer > 0xFFFF)
            throw toolkit::Error(L"PasswordChar is a character code from 0 to 65535");
        return wchar_t(Value.integer);
    }
    const std::wstring text = toolkit::ParseString(Value);
    if (text.size() != 1) throw toolkit::Error(L"PasswordChar is a single character");
    return text[0];
}
} // namespace

LyCustomEdit::LyCustomEdit(toolkit::Component* AOwner)
    : LyWindowsControl(AOwner), FCustomColors(std::make_unique<LyCompleteColorSets>(this)),
      FCustomEditColors(std::make_unique<LySingleColorStateSets>(this)),
      FDrawColors(std::make_unique<LyCompleteColorSet>(this)),
      FEditColors(std::make_unique<LySingleColorStateSet>(this)),
      FCaretBlink(std::make_unique<toolkit::Timer>(nullptr)) {
    // The field shows its focus by the caret and the accent line instead.
    SetAutoFocusLine(false);
    SetCursor(toolkit::CursorKind::IBeam);
    FCaretBlink->SetEnabled(false);
    FCaretBlink->OnTimer = [this](toolkit::Component*) {
        FCaretShown = !FCaretShown;
        Invalidate();
    };
    CreateDefaultMenu();
    SetBounds(Left(), Top(), 150, 35);
    UpdateColors();
    TextStored();
}

LyCustomEdit::~LyCustomEdit() {
    MarkDestroying();
    FCaretBlink.reset();
}

std::wstring LyCustomEdit::DisplayText() const {
    if (FPasswordChar != 0) return std::wstring(FText.size(), FPasswordChar);
    return FText;
}

void LyCustomEdit::SetText(const std::wstring& Value) {
    FText = ApplyCharCase(Value, FCharCase);
    TextStored();
    FHistory.clear();
    ClampSelection();
    if (!Loading() && OnChangeValue) OnChangeValue(this);
    UpdateRects();
    Invalidate();
}

std::int64_t LyCustomEdit::Value() const {
    return ParseInt64(FText).value_or(0);
}

void LyCustomEdit::SetValue(std::int64_t Value) {
    if (!Loading()) SetText(std::to_wstring(Value));
}

void LyCustomEdit::SetPosition(int Value) {
    if (Value == FPosition || Value < 0 || Value > TextLength()) return;
    FPosition = Value;
    FSelLength = 0;
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::SetSelectionLength(int Value) {
    if (Value == FSelLength) return;
    // Counted from Position: the far end is the one that moves.
    FSelGoesLeft = false;
    FSelLength = std::max(std::min(Value, TextLength() - FPosition), 0);
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::ClampSelection() {
    FPosition = std::clamp(FPosition, 0, TextLength());
    FSelLength = std::clamp(FSelLength, 0, TextLength() - FPosition);
}

template <class T> void LyCustomEdit::ChangeLayout(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::SetPasswordChar(wchar_t Value) {
    ChangeLayout(FPasswordChar, Value);
    TextStored();
}

void LyCustomEdit::TextStored() {
    // The window text is what screen readers read out; a password is never in it.
    SetCaption(FPasswordChar ? std::wstring() : FText);
}

void LyCustomEdit::SetLayout(LyLayout Value) {
    ChangeLayout(FLayout, Value);
}

void LyCustomEdit::SetLayoutHorizontal(LyLayout Value) {
    ChangeLayout(FLayoutHorizontal, Value);
}

void LyCustomEdit::SetTextHint(const std::wstring& Value) {
    FTextHint = Value;
    Invalidate();
}

void LyCustomEdit::SetCanUndo(bool Value) {
    FCanUndo = Value;
    if (!Value) FHistory.clear();
}

void LyCustomEdit::SetCharCase(LyCharCase Value) {
    FCharCase = Value;
    FText = ApplyCharCase(FText, Value);
    TextStored();
    Invalidate();
}

void LyCustomEdit::SetNumbersOnly(bool Value) {
    if (Value == FNumbersOnly) return;
    FNumbersOnly = Value;
    if (Value && !ParseInt64(FText)) {
        FText = L"0";
        TextStored();
        ClampSelection();
        UpdateRects();
    }
    Invalidate();
}

void LyCustomEdit::SetEnableSelection(bool Value) {
    FEnableSelection = Value;
    if (HasSelection()) ClearSelection();
}

void LyCustomEdit::SetAutoSize(bool Value) {
    FAutoSize = Value;
    ApplyAutoSize();
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::SetLineSize(int Value) {
    ChangeLayout(FLineSize, Value);
}

void LyCustomEdit::SetRoundness(int Value) {
    FRoundness = Value;
    Invalidate();
}

void LyCustomEdit::SetTextMarginX(int Value) {
    ChangeLayout(FTextMarginX, Value);
}

void LyCustomEdit::SetTextMarginY(int Value) {
    ChangeLayout(FTextMarginY, Value);
}

void LyCustomEdit::SetDetail(LyDetailType Value) {
    FDetail = Value;
    // The outline takes room from the text area, the underline too.
    UpdateRects();
    Invalidate();
}

int LyCustomEdit::SelectionStart() const {
    return FSelGoesLeft ? FPosition + FSelLength : FPosition;
}

int LyCustomEdit::SelectionEnd() const {
    return FSelGoesLeft ? FPosition : FPosition + FSelLength;
}

std::wstring LyCustomEdit::Selection() const {
    return DisplayText().substr(FPosition, FSelLength);
}

bool LyCustomEdit::ExtendsBounds() {
    return DisplayWidth(TextLength()) > FTxtRect.right - FTxtRect.left;
}

void LyCustomEdit::SelectRange(int a, int b) {
    if (!FEnableSelection) return;
    FSelGoesLeft = b < a;
    FPosition = std::min(a, b);
    FSelLength = std::abs(a - b);
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::MoveCaret(int Index) {
    FPosition = std::clamp(Index, 0, TextLength());
    FSelLength = 0;
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::ChangeText(const std::wstring& Value) {
    if (FCanUndo) FHistory.push_back(FText);
    FText = ApplyCharCase(Value, FCharCase);
    TextStored();
    ClampSelection();
    if (OnChange) OnChange(this);
    if (OnChangeValue) OnChangeValue(this);
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::DeleteSelection() {
    if (!HasSelection()) return;
    std::wstring text = FText;
    text.erase(FPosition, FSelLength);
    FSelLength = 0;
    ChangeText(text);
}

void LyCustomEdit::SelectAll() {
    FPosition = 0;
    FSelGoesLeft = false;
    SetSelectionLength(TextLength());
}

void LyCustomEdit::Undo() {
    if (!FCanUndo || FHistory.empty()) return;
    FText = std::move(FHistory.back());
    TextStored();
    FHistory.pop_back();
    ClampSelection();
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::CopyToClipBoard() {
    if (FPasswordChar != 0 || !HasSelection()) return;
    toolkit::Clipboard::SetText(Selection());
}

void LyCustomEdit::CutToClipBoard() {
    if (FPasswordChar != 0 || !HasSelection()) return;
    CopyToClipBoard();
    DeleteSelection();
}

void LyCustomEdit::PasteFromClipBoard() {
    const std::wstring pasted = RemoveLineBreaks(toolkit::Clipboard::Text());
    if (pasted.empty() || (FNumbersOnly && !ParseInt64(pasted))) return;
    const std::wstring text =
        FText.substr(0, FPosition) + pasted + FText.substr(FPosition + FSelLength);
    const int caret = FPosition + int(pasted.size());
    FSelLength = 0;
    FPosition = caret;
    ChangeText(text);
}

void LyCustomEdit::UpdateTheme(bool) {
    UpdateColors();
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::Loaded() {
    UpdateColors();
    ClampSelection();
    LyWindowsControl::Loaded();
    ApplyAutoSize();
    UpdateRects();
    Invalidate();
}

void LyCustomEdit::UpdateColors() {
    LyThemeManager& manager = ThemeManager();
    const bool dark = manager.DarkTheme();
    const LyCompleteColorSet& system = manager.SystemColor;
    if (FCustomColors->Enabled()) {
        FDrawColors->LoadFrom(*FCustomColors, dark);
    } else {
        FDrawColors->Accent = manager.AccentColor();
        FDrawColors->ForeGround = system.ForeGround;
        FDrawColors->BackGround = GetParentBackgroundColor(system.BackGround);
        FDrawColors->BackGroundInterior =
            ChangeColorLight(system.BackGroundInterior, dark ? 40 : -40);
    }
    // Stored windows may name system colours; drawing needs them as plain colours.
    FDrawColors->Accent = ResolveColor(FDrawColors->Accent);
    FDrawColors->ForeGround = ResolveColor(FDrawColors->ForeGround);
    FDrawColors->BackGround = ResolveColor(FDrawColors->BackGround);
    FDrawColors->BackGroundInterior = ResolveColor(FDrawColors->BackGroundInterior);

    if (FCustomEditColors->Enabled()) {
        FEditColors->LoadColors(*FCustomEditColors, dark);
    } else {
        const TColor none = ChangeColorLight(system.BackGroundInterior, 10);
        FEditColors->LoadColors(none, ChangeColorLight(none, 10), system.BackGround);
    }
    if (Color() != FDrawColors->BackGround) SetColor(FDrawColors->BackGround);
    TextFont().SetColor(FDrawColors->ForeGround);
    UpdateLineColor();
}

void LyCustomEdit::UpdateLineColor() {
    FLineColor = Focused() ? FDrawColors->Accent : FDrawColors->BackGroundInterior;
    Invalidate();
}

void LyCustomEdit::UpdateRects() {
    FDrawRectangle = PaddedClientRect();
    FLineRect = FDrawRectangle;
    FLineRect.top = Height() - FLineSize;
    FTxtRect = FDrawRectangle;
    InflateRect(&FTxtRect, -FTextMarginX, -FTextMarginY);
    FTxtRect.bottom -= FLineSize;
    if (FDetail == LyDetailType::Underline) FTxtRect.bottom -= FLineSize;
    if (FDetail == LyDetailType::Outline) InflateRect(&FTxtRect, -FLineSize, -FLineSize);
    if (!Parent()) return;
    ScrollIntoView(DisplayWidth(SelectionEnd()) - FCutPosition);
}

void LyCustomEdit::ScrollIntoView(int x) {
    const int width = FTxtRect.right - FTxtRect.left;
    const int margin = 2 * FLineSize;
    const int textWidth = DisplayWidth(TextLength());
    if (x < 0) FCutPosition += x - margin;
    if (x > width) FCutPosition += x + margin - width;
    if (textWidth <= width) {
        // A text that fits is placed by LayoutHorizontal, whatever was scrolled before.
        const int spare = width - textWidth;
        FCutPosition = FLayoutHorizontal == LyLayout::Center   ? -spare / 2
                       : FLayoutHorizontal == LyLayout::Ending ? -spare
                                                               : 0;
    } else {
        // A long text is never scrolled past its ends further than the margin.
        FCutPosition = std::clamp(FCutPosition, 0, textWidth + margin - width);
    }
    FDrawPosition = DisplayWidth(SelectionEnd()) - FCutPosition;
    PlaceSystemCaret();
    RestartCaretBlink();
}

int LyCustomEdit::DisplayWidth(int Count) {
    toolkit::Canvas& canvas = Buffer();
    canvas.Font().Assign(TextFont());
    return canvas.TextWidth(DisplayText().substr(0, std::clamp(Count, 0, TextLength())));
}

int LyCustomEdit::TextHeight() {
    toolkit::Canvas& canvas = Buffer();
    canvas.Font().Assign(TextFont());
    return canvas.TextHeight(L"Ag");
}

void LyCustomEdit::ApplyAutoSize() {
    if (!FAutoSize || !Parent() || Loading()) return;
    const int height = TextHeight();
    if (height <= 0) return;
    const int wanted = height + FLineSize + 2 * FTextMarginY;
    if (wanted != Height()) SetHeight(wanted);
}

void LyCustomEdit::InteractionStateChanged(LyControlState AState) {
    LyWindowsControl::InteractionStateChanged(AState);
    Invalidate();
}

void LyCustomEdit::DoEnter() {
    LyWindowsControl::DoEnter();
    FSystemCaret.Create(Handle(), FIndicatorWidth, TextHeight());
    PlaceSystemCaret();
    RestartCaretBlink();
    UpdateLineColor();
}

void LyCustomEdit::DoExit() {
    LyWindowsControl::DoExit();
    FCaretBlink->SetEnabled(false);
    FSystemCaret.Destroy();
    if (FNumbersOnly && FText.empty()) SetText(L"0");
    // The focus going to the built-in menu is no leaving: Cut and Copy need the selection.
    if (FClearSelectionOnExit && HasSelection() && !FDefaultMenu->MenuOpen()) SetSelectionLength(0);
    UpdateLineColor();
}

void LyCustomEdit::RestartCaretBlink() {
    FCaretShown = true;
    const UINT blink = GetCaretBlinkTime();
    // The user may have switched blinking off.
    if (blink == 0 || blink == INFINITE) return;
    FCaretBlink->SetInterval(int(blink));
    FCaretBlink->SetEnabled(false);
    FCaretBlink->SetEnabled(Focused());
}

void LyCustomEdit::PlaceSystemCaret() {
    const RECT caret = CaretRect();
    FSystemCaret.MoveTo(caret.left, caret.top);
}

void LyCustomEdit::HandleCreated() {
    LyWindowsControl::HandleCreated();
    ApplyAutoSize();
    Invalidate();
}

void LyCustomEdit::FontUpdate() {
    Invalidate();
    ApplyAutoSize();
}

void LyCustomEdit::ScaleChanged(float Scaling) {
    LyWindowsControl::ScaleChanged(Scaling);
    UpdateRects();
}

void LyCustomEdit::Resize() {
    UpdateRects();
    LyWindowsControl::Resize();
}

void LyCustomEdit::ParentChanged() {
    // The base takes the new surroundings' colours.
    LyWindowsControl::ParentChanged();
    if (!Parent() || Loading() || Destroying()) return;
    ApplyAutoSize();
    UpdateRects();
    Invalidate();
}

LyEdit::LyEdit(toolkit::Component* AOwner) : LyCustomEdit(AOwner) {
    PublishObject(L"CustomColors", CustomColors());
    PublishObject(L"CustomEditColors", CustomEditColors());
    Publish(L"HandleUpDown", &LyEdit::HandleUpDown, &LyEdit::SetHandleUpDown);
    PublishEvent(L"OnChange", OnChange);
    PublishEvent(L"OnChangeValue", OnChangeValue);
    Publish(L"Text", &LyEdit::Text, &LyEdit::SetText);
    AddProperty(std::make_unique<toolkit::ValueProperty<wchar_t>>(
        L"PasswordChar", [this] { return PasswordChar(); },
        [this](const wchar_t& Value) { SetPasswordChar(Value); }, &ParsePasswordChar));
    Publish(L"Value", &LyEdit::Value, &LyEdit::SetValue);
    Publish(L"Position", &LyEdit::Position, &LyEdit::SetPosition);
    Publish(L"SelectionLength", &LyEdit::SelectionLength, &LyEdit::SetSelectionLength);
    PublishEnum(L"Layout", &LyEdit::Layout, &LyEdit::SetLayout, LyLayoutNames());
    PublishEnum(L"LayoutHorizontal", &LyEdit::LayoutHorizontal, &LyEdit::SetLayoutHorizontal,
                LyLayoutNames());
    Publish(L"TextHint", &LyEdit::TextHint, &LyEdit::SetTextHint);
    Publish(L"ClearSelectionOnExit", &LyEdit::ClearSelectionOnExit,
            &LyEdit::SetClearSelectionOnExit);
    Publish(L"CanUndo", &LyEdit::CanUndo, &LyEdit::SetCanUndo);
    PublishEnum(L"CharCase", &LyEdit::CharCase, &LyEdit::SetCharCase, LyCharCaseNames());
    Publish(L"NumbersOnly", &LyEdit::NumbersOnly, &LyEdit::SetNumbersOnly);
    Publish(L"EnableSelection", &LyEdit::EnableSelection, &LyEdit::SetEnableSelection);
    Publish(L"AutoSize", &LyEdit::AutoSize, &LyEdit::SetAutoSize);
    Publish(L"LineSize", &LyEdit::LineSize, &LyEdit::SetLineSize);
    Publish(L"Roundness", &LyEdit::Roundness, &LyEdit::SetRoundness);
    Publish(L"TextMarginX", &LyEdit::TextMarginX, &LyEdit::SetTextMarginX);
    Publish(L"TextMarginY", &LyEdit::TextMarginY, &LyEdit::SetTextMarginY);
    PublishEnum(L"Detail", &LyEdit::Detail, &LyEdit::SetDetail, LyDetailTypeNames());
}

} // namespace lyra
