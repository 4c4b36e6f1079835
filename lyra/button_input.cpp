// What the button does when it is clicked, by the mouse, by the keyboard or by holding it.
#include "lyra/button.h"

#include "lyra/files.h"

namespace lyra {

namespace {

// The first repeat waits a little longer, like a held key.
constexpr int RepeatDelay = 500;
constexpr int RepeatInterval = 50;

bool ActivationKey(WORD Key) {
    return Key == VK_RETURN || Key == VK_SPACE;
}

} // namespace

void LyButton::Click() {
    switch (FButtonKind) {
    case LyButtonKind::Toggle:
        SetChecked(!FChecked);
        if (OnCheck) OnCheck(this);
        break;
    case LyButtonKind::Dropdown:
        OpenDropDown();
        if (OnDropDown) OnDropDown(this);
        break;
    case LyButtonKind::Link:
        if (!FHyperLinkURL.empty()) ShellRun(FHyperLinkURL, L"");
        if (OnOpenLink) OnOpenLink(this);
        break;
    default:
        break;
    }
    if (FAutoStateToggle) SetStateEnabled(FStateDuration != 0 || !FStateEnabled);
    PassModalResult();
    LyWindowsControl::Click();
}

void LyButton::OpenDropDown() {
    if (!FDropDown) return;
    const POINT below = ClientToScreen({0, Height() + 5});
    FDropDown->Popup(below.x, below.y);
}

void LyButton::PassModalResult() {
    toolkit::Form* form = ParentForm();
    if (!form) return;
    bool sendModal = true;
    if (OnBeforeModalResult) OnBeforeModalResult(this, sendModal);
    if (sendModal) form->SetModalResult(FModalResult);
}

void LyButton::KeyDown(WORD& Key, toolkit::ShiftState Shift) {
    LyWindowsControl::KeyDown(Key, Shift);
    if (ActivationKey(Key)) SetState(LyControlState::Press, false, false);
}

void LyButton::KeyUp(WORD& Key, toolkit::ShiftState Shift) {
    LyWindowsControl::KeyUp(Key, Shift);
    if (ActivationKey(Key)) SetState(LyControlState::None, true, false);
}

void LyButton::KeyPress(wchar_t& Key) {
    LyWindowsControl::KeyPress(Key);
    if (Key == L'\r' || Key == L' ') Click();
}

void LyButton::MouseDown(toolkit::MouseButton Button, toolkit::ShiftState Shift, int X, int Y) {
    LyWindowsControl::MouseDown(Button, Shift, X, Y);
    if (!FRepeatWhenPressed) return;
    FAutoRepeat->SetInterval(RepeatDelay);
    FAutoRepeat->SetEnabled(true);
}

void LyButton::MouseUp(toolkit::MouseButton Button, toolkit::ShiftState Shift, int X, int Y) {
    LyWindowsControl::MouseUp(Button, Shift, X, Y);
    FAutoRepeat->SetEnabled(false);
}

void LyButton::AutoRepeatTick() {
    Click();
    FAutoRepeat->SetInterval(RepeatInterval);
    if (!FRepeatWhenPressed || Interaction() != LyControlState::Press)
        FAutoRepeat->SetEnabled(false);
    Invalidate();
}

} // namespace lyra
