#include "installer/installer_message.h"

#include <windows.h>

#include "installer/command_line.h"
#include "installer/wizard.h"

namespace installer {

namespace {
TMessageAnswer& Answer() {
    static TMessageAnswer answer;
    return answer;
}
} // namespace

void AnswerMessagesWith(TMessageAnswer answer) {
    Answer() = std::move(answer);
}

int InstallerMessage(const std::wstring& title, const std::wstring& text, TMsgButtons buttons) {
    if (Answer()) return Answer()(title, text, buttons);
    // A silent run never waits for a person: the text becomes a console line, and a
    // question is answered no, so nothing happens that nobody agreed to.
    if (SilentRequested()) {
        ConsoleLine(L"(!) " + text);
        return buttons == TMsgButtons::YesNo ? kResultNo : kResultOK;
    }
    UINT style =
        (buttons == TMsgButtons::YesNo ? MB_YESNO | MB_ICONQUESTION : MB_OK | MB_ICONINFORMATION);
    HWND owner = VisibleWizardWindow();
    // Without an owner the message would open behind other windows and hide from the taskbar.
    if (!owner) style |= MB_SETFOREGROUND | MB_TOPMOST;
    return MessageBoxW(owner, text.c_str(), title.c_str(), style);
}

} // namespace installer
