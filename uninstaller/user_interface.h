#pragma once
// What the uninstaller tells its user: message windows in a normal run, console lines
// on the command shell that started it.
#include <string>

namespace uninstaller {

// The caption of every uninstaller window: "Uninstall <name>".
std::wstring MessageTitle(const std::wstring& appName);

// A question with Yes and No; defaultYes picks the button that Enter presses.
bool AskYesNo(const std::wstring& title, const std::wstring& text, bool defaultYes);

// A message with an OK button, shown as an error or as information.
void ShowMessage(const std::wstring& title, const std::wstring& text, bool isError);

// Writes one line on the console of the command shell that started this process;
// nothing when it was started any other way.
void ConsoleLine(const std::wstring& text);

} // namespace uninstaller
