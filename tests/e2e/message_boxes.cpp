#include "tests/e2e/message_boxes.h"

#include "tests/e2e/fake_installation.h"
#include "tests/support/windows.h"

namespace test {

std::wstring AnswerMessageBox(const std::wstring& caption, int button, DWORD timeoutMs) {
    HWND box = WaitForWindow(caption, 0, timeoutMs);
    if (!box) return L"";
    const std::wstring text = MessageBoxText(box);
    PressDialogButton(box, button);
    WaitFor([&] { return !IsWindow(box); }, timeoutMs);
    return text;
}

} // namespace test
