#include "uninstaller/user_interface.h"

#include <windows.h>

#include <system_error>

#include "vel/console.h"

namespace uninstaller {

std::wstring MessageTitle(const std::wstring& appName) {
    return appName.empty() ? L"Uninstall" : L"Uninstall " + appName;
}

bool AskYesNo(const std::wstring& title, const std::wstring& text, bool defaultYes) {
    const UINT style = MB_YESNO | MB_ICONQUESTION | MB_SETFOREGROUND |
                       (defaultYes ? MB_DEFBUTTON1 : MB_DEFBUTTON2);
    return MessageBoxW(nullptr, text.c_str(), title.c_str(), style) == IDYES;
}

void ShowMessage(const std::wstring& title, const std::wstring& text, bool isError) {
    MessageBoxW(nullptr, text.c_str(), title.c_str(),
                MB_OK | MB_SETFOREGROUND | (isError ? MB_ICONERROR : MB_ICONINFORMATION));
}

void ConsoleLine(const std::wstring& text) {
    // Asked once: the answer walks the process list, and the parent does not change.
    static const bool fromConsole = vel::sysconsole::ConsoleCalled();
    if (!fromConsole) return;
    try {
        vel::sysconsole::QuickOutput(text);
    } catch (const std::system_error&) {
        // A console that went away does not stop the uninstall.
    }
}

} // namespace uninstaller
