#pragma once
// Answering another process's message boxes as a user would, with real window messages.
#include <windows.h>

#include <string>

namespace test {

// Waits for a message box with this caption, reads its text, presses the button with
// the command id (IDYES, IDNO, IDOK) and waits until the box has gone. Returns the text,
// or nothing when no such box appeared within timeoutMs.
std::wstring AnswerMessageBox(const std::wstring& caption, int button, DWORD timeoutMs = 30000);

// A process started without waiting for it.
class StartedProcess {
  public:
    explicit StartedProcess(std::wstring commandLine);
    ~StartedProcess();
    StartedProcess(const StartedProcess&) = delete;
    StartedProcess& operator=(const StartedProcess&) = delete;
    DWORD Pid() const { return pid_; }
    HANDLE Handle() const { return process_; }
    // The exit code, or WAIT_TIMEOUT when it did not end in time (it is then ended).
    DWORD Wait(DWORD timeoutMs = 60000);

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
};

} // namespace test
