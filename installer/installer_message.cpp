#include "installer/installer_message.h"

#include "installer/command_line.h"
#include "installer/wizard.h"
#include "lyra/dialog.h"

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
    TInstaller* wizard = VisibleWizard();
    lyra::LyDialog dialog(wizard);
    dialog.Title = title;
    dialog.Text = text;
    // Before the wizard exists the message stands alone in the middle of the screen.
    dialog.ScreenCenter = !wizard;
    dialog.Buttons = buttons == TMsgButtons::YesNo
                         ? lyra::LyDialogButtons{lyra::LyDialogButton::Yes, lyra::LyDialogButton::No}
                         : lyra::LyDialogButtons{lyra::LyDialogButton::Ok};
    const int result = dialog.Execute();
    // A question closed without an answer is a No: nothing happens that was not agreed to.
    if (result == kResultYes || result == kResultNo || result == kResultOK) return result;
    return buttons == TMsgButtons::YesNo ? kResultNo : kResultOK;
}

} // namespace installer
