#pragma once
// Answering another process's message boxes as a user would, with real window messages.
#include <windows.h>

#include <string>

namespace test {

// Waits for a message box with this caption, reads its text, presses the button with
// the command id (IDYES, IDNO, IDOK) and waits until the box has gone. Returns the text,
// or nothing when no such box appeared within timeoutMs.
std::wstring AnswerMessageBox(const std::wstring& caption, int button, DWORD timeoutMs = 30000);

} // namespace test
