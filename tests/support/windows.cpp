#include "tests/support/windows.h"

#include <stdexcept>

#include "tests/support/support.h"

namespace test {

namespace {
struct Search {
    const std::wstring* caption;
    DWORD pid;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    if (!IsWindowVisible(hwnd)) return TRUE;
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (search->pid != 0 && owner != search->pid) return TRUE;
    wchar_t text[512];
    int n = GetWindowTextW(hwnd, text, static_cast<int>(std::size(text)));
    if (std::wstring(text, static_cast<size_t>(n)) != *search->caption) return TRUE;
    search->found = hwnd;
    return FALSE;
}
} // namespace

HWND WaitForWindow(const std::wstring& caption, DWORD pid, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    do {
        Search search{&caption, pid, nullptr};
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        if (search.found) return search.found;
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::wstring MessageBoxText(HWND box) {
    // The message is the static control with id 0xFFFF in a standard message box.
    HWND text = GetDlgItem(box, 0xFFFF);
    wchar_t buffer[4096];
    int n = text ? GetWindowTextW(text, buffer, static_cast<int>(std::size(buffer))) : 0;
    return std::wstring(buffer, static_cast<size_t>(n));
}

void PressDialogButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

StartedProcess::~StartedProcess() {
    if (!process) return;
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) TerminateProcess(process, 999);
    CloseHandle(process);
}

DWORD StartedProcess::Wait(DWORD timeoutMs) {
    if (WaitForSingleObject(process, timeoutMs) != WAIT_OBJECT_0) return WAIT_TIMEOUT;
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

void StartProcess(const std::wstring& commandLine, StartedProcess& started,
                  const std::wstring& environment) {
    std::wstring block = EnvironmentBlock(environment);
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    std::wstring line = commandLine;
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        block.empty() ? nullptr : block.data(), nullptr, &si, &pi))
        throw std::runtime_error("CreateProcess failed for " + Narrow(commandLine));
    CloseHandle(pi.hThread);
    started.process = pi.hProcess;
    started.pid = pi.dwProcessId;
}

} // namespace test
