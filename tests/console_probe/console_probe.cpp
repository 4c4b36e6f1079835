// A windowed program (no console of its own, like the installer) for the console tests.
//
//   console_probe.exe LINE...      prints each parameter as one line through sysconsole.
//                                  "/force" instead connects with force twice and prints
//                                  how both calls went; "/disconnect" detaches there.
//                                  Exit code: 1 when connected at the end, plus 2 when
//                                  the process has a console window.
//   console_probe.exe /host LINE...  plays the user at a command shell: opens a console of
//                                  its own, runs cmd.exe /c console_probe.exe LINE... in
//                                  it, then writes what the console shows (UTF-8) to its
//                                  standard output and exits with cmd's exit code.
//   console_probe.exe /hostrun PROGRAM ARG...  the same for another program: runs
//                                  cmd.exe /c PROGRAM ARG... in a console of its own.
#include <windows.h>

#include <string>
#include <vector>

#include "vel/console.h"
#include "vel/handle.h"
#include "vel/parameters.h"
#include "vel/utf8.h"

namespace {

int PrintLines(const std::vector<std::wstring>& lines) {
    for (const std::wstring& line : lines) {
        if (line == L"/force") {
            const bool first = vel::sysconsole::Connect(true);
            const bool second = vel::sysconsole::Connect(true);
            vel::sysconsole::QuickOutput(L"connect " + std::to_wstring(first) + L" " +
                                         std::to_wstring(second));
        } else if (line == L"/disconnect") {
            vel::sysconsole::Disconnect();
        } else {
            vel::sysconsole::QuickOutput(line);
        }
    }
    return (vel::sysconsole::Connected ? 1 : 0) | (GetConsoleWindow() ? 2 : 0);
}

// Every written row of the console's screen buffer, trailing blanks removed.
std::wstring ScreenText() {
    vel::UniqueHandle screen(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                         FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                         0, nullptr));
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (!screen || !GetConsoleScreenBufferInfo(screen.Get(), &info)) return L"<no console>";
    std::wstring text;
    std::wstring row(static_cast<size_t>(info.dwSize.X), L' ');
    for (SHORT y = 0; y <= info.dwCursorPosition.Y; ++y) {
        DWORD read = 0;
        ReadConsoleOutputCharacterW(screen.Get(), row.data(), info.dwSize.X, COORD{0, y}, &read);
        std::wstring line = row.substr(0, read);
        line.erase(line.find_last_not_of(L' ') + 1);
        text += line + L"\n";
    }
    return text;
}

// Runs cmd.exe /c with the program and its parameters in a new console.
int HostInNewConsole(const std::vector<std::wstring>& parameters) {
    const HANDLE report = GetStdHandle(STD_OUTPUT_HANDLE);
    FreeConsole();
    if (!AllocConsole()) return 100;
    std::wstring command = L"cmd.exe /c \"" + vel::JoinParameters(parameters) + L"\"";

    // cmd.exe gets the console itself as standard input and output, as when a user opens it.
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE;
    vel::UniqueHandle input(CreateFileW(L"CONIN$", GENERIC_READ | GENERIC_WRITE, share, &inherit,
                                        OPEN_EXISTING, 0, nullptr));
    vel::UniqueHandle output(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, share, &inherit,
                                         OPEN_EXISTING, 0, nullptr));
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdInput = input.Get();
    si.hStdOutput = si.hStdError = output.Get();
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                        &pi))
        return 101;
    vel::UniqueHandle process(pi.hProcess), thread(pi.hThread);
    WaitForSingleObject(process.Get(), INFINITE);
    DWORD exitCode = 102;
    GetExitCodeProcess(process.Get(), &exitCode);

    const std::string screen = vel::ToUtf8(ScreenText());
    DWORD written = 0;
    WriteFile(report, screen.data(), static_cast<DWORD>(screen.size()), &written, nullptr);
    return static_cast<int>(exitCode);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    auto parameters = vel::SplitCommandLine(GetCommandLineW());
    parameters.erase(parameters.begin());
    if (!parameters.empty() && parameters.front() == L"/hostrun")
        return HostInNewConsole({parameters.begin() + 1, parameters.end()});
    if (!parameters.empty() && parameters.front() == L"/host") {
        parameters.front() = vel::OwnExecutablePath();
        return HostInNewConsole(parameters);
    }
    return PrintLines(parameters);
}
