#include "vel/console.h"

#include <windows.h>

#include <algorithm>
#include <system_error>

#include "vel/handle.h"
#include "vel/process.h"
#include "vel/text.h"
#include "vel/utf8.h"

namespace vel {

bool sysconsole::Connected = false;

namespace {

// A windowed program started from a shell usually has no standard output at all, or
// handles that are meaningless in this process. When attaching, those are replaced by
// the console's own output; the handle is kept here so Disconnect can undo that.
UniqueHandle& OpenedConsoleOutput() {
    static UniqueHandle output;
    return output;
}

constexpr DWORD kStandardOutputs[] = {STD_OUTPUT_HANDLE, STD_ERROR_HANDLE};

bool Usable(HANDLE h) {
    return h && h != INVALID_HANDLE_VALUE && GetFileType(h) != FILE_TYPE_UNKNOWN;
}

bool IsConsole(HANDLE h) {
    DWORD mode = 0;
    return GetConsoleMode(h, &mode) != 0;
}

// Output redirected to a pipe or file (by the shell or a script) is kept: that is where
// the caller wants the lines. Only missing outputs are pointed at the console. One that
// stays missing is cleared: a stale handle number could later belong to a file this
// process opens, and status lines must never land in it.
void ReopenStandardOutputs() {
    for (DWORD which : kStandardOutputs) {
        if (Usable(GetStdHandle(which))) continue;
        UniqueHandle& output = OpenedConsoleOutput();
        if (!output)
            output.Reset(CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                     nullptr));
        SetStdHandle(which, output ? output.Get() : nullptr);
    }
}

void RestoreStandardOutputs() {
    UniqueHandle& output = OpenedConsoleOutput();
    if (!output) return;
    for (DWORD which : kStandardOutputs)
        if (GetStdHandle(which) == output.Get()) SetStdHandle(which, nullptr);
    output.Reset();
}

FILETIME CreationTime(HANDLE process) {
    FILETIME created{}, exited, kernel, user;
    GetProcessTimes(process, &created, &exited, &kernel, &user);
    return created;
}

// A parent that ended may have left its identifier to a newer, unrelated process; only
// a process older than this one can be the parent.
bool StartedBeforeThisProcess(DWORD pid) {
    UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process) return false;
    const FILETIME parent = CreationTime(process.Get());
    const FILETIME self = CreationTime(GetCurrentProcess());
    return CompareFileTime(&parent, &self) <= 0;
}

// Console handles take UTF-16 directly; pipes and files get UTF-8 so that a script
// reading them sees the same text.
bool WriteAll(HANDLE output, const std::wstring& line) {
    if (IsConsole(output)) {
        for (size_t done = 0; done < line.size();) {
            DWORD written = 0;
            const DWORD chunk = static_cast<DWORD>(std::min<size_t>(line.size() - done, 16384));
            if (!WriteConsoleW(output, line.data() + done, chunk, &written, nullptr) ||
                written == 0)
                return false;
            done += written;
        }
        return true;
    }
    const std::string bytes = ToUtf8(line);
    for (size_t done = 0; done < bytes.size();) {
        DWORD written = 0;
        const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
        if (!WriteFile(output, bytes.data() + done, chunk, &written, nullptr) || written == 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

bool IsCommandShell(const std::wstring& imagePath) {
    const std::wstring lower = LowerCase(imagePath);
    const std::wstring name = lower.substr(lower.find_last_of(L'\\') + 1);
    return name == L"cmd.exe" || name == L"powershell.exe";
}

std::wstring sysconsole::GetParentProcessName() {
    ProcessSnapshot snapshot;
    PROCESSENTRY32W entry;
    const DWORD self = GetCurrentProcessId();
    for (bool more = snapshot.First(entry); more; more = snapshot.Next(entry)) {
        if (entry.th32ProcessID != self) continue;
        if (!StartedBeforeThisProcess(entry.th32ParentProcessID)) return L"";
        return ProcessImagePath(entry.th32ParentProcessID, 4096);
    }
    return L"";
}

bool sysconsole::ConsoleCalled() {
    return IsCommandShell(GetParentProcessName());
}

bool sysconsole::Connect(bool force) {
    if (Connected) return false;
    if (!force && !ConsoleCalled()) return false;
    // Failing to attach is not fatal: output may still be redirected to a pipe or file.
    AttachConsole(ATTACH_PARENT_PROCESS);
    ReopenStandardOutputs();
    Connected = true;
    return true;
}

void sysconsole::QuickOutput(const std::wstring& text) {
    if (!Connected && !Connect(false)) return;
    if (!WriteAll(GetStdHandle(STD_OUTPUT_HANDLE), text + L"\r\n"))
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                "Console output failed");
}

void sysconsole::Disconnect() {
    Connected = false;
    RestoreStandardOutputs();
    FreeConsole();
}

} // namespace vel
