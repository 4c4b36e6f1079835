#include "uninstaller/user_interface.h"

#include <windows.h>

#include "vel/process.h"
#include "vel/text.h"

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

namespace {

bool StartedFromShell() {
    vel::ProcessSnapshot snapshot;
    PROCESSENTRY32W entry;
    for (bool more = snapshot.First(entry); more; more = snapshot.Next(entry)) {
        if (entry.th32ProcessID != GetCurrentProcessId()) continue;
        std::wstring parent =
            vel::LowerCase(vel::ProcessImagePath(entry.th32ParentProcessID, 4096));
        parent = parent.substr(parent.find_last_of(L'\\') + 1);
        return parent == L"cmd.exe" || parent == L"powershell.exe";
    }
    return false;
}

HANDLE ConsoleOutput() {
    if (!StartedFromShell()) return nullptr;
    AttachConsole(ATTACH_PARENT_PROCESS);
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output && output != INVALID_HANDLE_VALUE && GetFileType(output) != FILE_TYPE_UNKNOWN)
        return output;
    return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
}

} // namespace

void ConsoleLine(const std::wstring& text) {
    // Decided once: the parent does not change.
    static const HANDLE output = ConsoleOutput();
    if (!output || output == INVALID_HANDLE_VALUE) return;
    const std::wstring line = text + L"\r\n";
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(output, &mode)) {
        WriteConsoleW(output, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
        return;
    }
    int n = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0,
                                nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), bytes.data(), n,
                        nullptr, nullptr);
    WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

} // namespace uninstaller
