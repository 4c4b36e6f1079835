#include "tests/uninstaller_e2e/message_boxes.h"

#include <stdexcept>

#include "tests/support/support.h"
#include "tests/uninstaller_e2e/fake_installation.h"

namespace test {

namespace {
// The static control that holds a message box's text.
constexpr int kMessageTextId = 0xFFFF;
} // namespace

std::wstring AnswerMessageBox(const std::wstring& caption, int button, DWORD timeoutMs) {
    HWND box = nullptr;
    if (!WaitFor(
            [&] {
                return (box = FindWindowW(L"#32770", caption.c_str())) != nullptr &&
                       IsWindowVisible(box);
            },
            timeoutMs))
        return L"";
    wchar_t text[4096] = {};
    GetDlgItemTextW(box, kMessageTextId, text, static_cast<int>(std::size(text)));
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box, button)));
    WaitFor([&] { return !IsWindow(box); }, timeoutMs);
    return text;
}

StartedProcess::StartedProcess(std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info))
        throw std::runtime_error("cannot start " + Narrow(commandLine));
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
}

StartedProcess::~StartedProcess() {
    if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) TerminateProcess(process_, 1);
    CloseHandle(process_);
}

DWORD StartedProcess::Wait(DWORD timeoutMs) {
    if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) {
        TerminateProcess(process_, 1);
        return WAIT_TIMEOUT;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

} // namespace test
