#pragma once
// Finding and driving the windows of other processes, as a user would.
#include <windows.h>

#include <string>

namespace test {

// Waits for a visible top-level window with exactly this caption that belongs to the
// process (any process when pid is 0); null after the timeout.
HWND WaitForWindow(const std::wstring& caption, DWORD pid = 0, DWORD timeoutMs = 20000);

// The message text of a standard message box (its static text control).
std::wstring MessageBoxText(HWND box);

// Presses a button of a dialog by its command id (IDOK, IDYES, IDNO ...).
void PressDialogButton(HWND dialog, int id);

// Starts a process without waiting for it; returns its handle and id.
struct StartedProcess {
    HANDLE process = nullptr;
    DWORD pid = 0;
    ~StartedProcess();
    DWORD Wait(DWORD timeoutMs = 60000); // the exit code, or WAIT_TIMEOUT
};
void StartProcess(const std::wstring& commandLine, StartedProcess& started,
                  const std::wstring& environment = L"");

} // namespace test
