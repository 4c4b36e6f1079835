#include "uninstaller/relocation.h"

#include <windows.h>

#include "uninstaller/file_removal.h"
#include "uninstaller/install_report.h"
#include "uninstaller/paths.h"
#include "uninstaller/result_channel.h"
#include "uninstaller/user_interface.h"
#include "vel/parameters.h"

namespace uninstaller {

namespace {

// The temporary copy's folder is "<temp>\VelmarUninstall-<pid>-<n>".
constexpr wchar_t kCopyFolderPrefix[] = L"VelmarUninstall-";

// How long the copy waits for the original uninstaller to end, and then for Windows to
// let go of its file.
constexpr DWORD kOriginalEndWaitMs = 60000;
constexpr int kDeleteAttempts = 40;
constexpr DWORD kDeleteRetryMs = 250;

std::wstring TemporaryRoot() {
    wchar_t path[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, path);
    return NormalizedPath(std::wstring(path, n));
}

std::wstring CreateCopyFolder() {
    const std::wstring root = TemporaryRoot();
    for (int n = 0; n < 1000; ++n) {
        std::wstring folder =
            JoinPath(root, kCopyFolderPrefix + std::to_wstring(GetCurrentProcessId()) + L"-" +
                               std::to_wstring(n));
        if (CreateDirectoryW(folder.c_str(), nullptr)) return folder;
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return L"";
}

// Starts a program that inherits exactly the given handles and nothing else of ours (a
// script's output pipe must not be held open by it).
vel::UniqueHandle StartInheriting(const std::wstring& program, std::wstring commandLine,
                                  const std::wstring& folder, std::vector<HANDLE> handles,
                                  const STARTUPINFOW& startup, DWORD flags) {
    SIZE_T size = 0;
    InitializeProcThreadAttributeList(nullptr, 1, 0, &size);
    std::vector<unsigned char> storage(size);
    auto attributes = reinterpret_cast<LPPROC_THREAD_ATTRIBUTE_LIST>(storage.data());
    if (!InitializeProcThreadAttributeList(attributes, 1, 0, &size)) return {};
    STARTUPINFOEXW info{};
    info.StartupInfo = startup;
    info.StartupInfo.cb = sizeof(info);
    info.lpAttributeList = attributes;
    UpdateProcThreadAttribute(attributes, 0, PROC_THREAD_ATTRIBUTE_HANDLE_LIST, handles.data(),
                              handles.size() * sizeof(HANDLE), nullptr, nullptr);
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                  flags | EXTENDED_STARTUPINFO_PRESENT, nullptr, folder.c_str(),
                                  &info.StartupInfo, &process);
    DeleteProcThreadAttributeList(attributes);
    if (!started) return {};
    CloseHandle(process.hThread);
    return vel::UniqueHandle(process.hProcess);
}

struct Pipe {
    vel::UniqueHandle read, write;
    // One end is inheritable, the other stays with us.
    explicit Pipe(bool inheritRead) {
        SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
        HANDLE r = nullptr, w = nullptr;
        if (!CreatePipe(&r, &w, &inherit, 0)) return;
        read.Reset(r);
        write.Reset(w);
        SetHandleInformation(inheritRead ? write.Get() : read.Get(), HANDLE_FLAG_INHERIT, 0);
    }
};

} // namespace

TUninstallResult RunFromTemporaryCopy(const std::wstring& installFolder,
                                      const TUninstallSwitches& switches) {
    const std::wstring copyFolder = CreateCopyFolder();
    const std::wstring copy = JoinPath(copyFolder, kUninstallerName);
    if (copyFolder.empty() || !CopyFileW(vel::OwnExecutablePath().c_str(), copy.c_str(), TRUE)) {
        if (!copyFolder.empty()) RemoveFolderTree(copyFolder);
        return TUninstallResult::Failed;
    }
    Pipe results(false);
    std::vector<std::wstring> parameters = UserSwitches(switches);
    parameters.insert(parameters.end(), {L"-relocated", installFolder});
    for (uint32_t pid : switches.WaitFor)
        parameters.insert(parameters.end(), {L"-waitfor", std::to_wstring(pid)});
    parameters.insert(parameters.end(), {L"-waitfor", std::to_wstring(GetCurrentProcessId())});
    parameters.insert(
        parameters.end(),
        {L"-resultpipe", std::to_wstring(reinterpret_cast<uintptr_t>(results.write.Get()))});
    STARTUPINFOW startup{};
    vel::UniqueHandle worker =
        StartInheriting(copy, L"\"" + copy + L"\" " + vel::JoinParameters(parameters),
                        TemporaryRoot(), {results.write.Get()}, startup, 0);
    results.write.Reset();
    if (!worker) {
        RemoveFolderTree(copyFolder);
        return TUninstallResult::Failed;
    }
    if (auto result = ReadResults(results.read.Get(), ConsoleLine)) return *result;
    // The copy ended without a result: it cannot clean up after itself any more.
    WaitForSingleObject(worker.Get(), kOriginalEndWaitMs);
    RemoveFolderTree(copyFolder);
    return TUninstallResult::Failed;
}

std::vector<vel::UniqueHandle> OpenWaitingProcesses(const std::vector<uint32_t>& pids) {
    std::vector<vel::UniqueHandle> handles;
    for (uint32_t pid : pids)
        if (HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid)) handles.emplace_back(process);
    return handles;
}

void RemoveOriginalUninstaller(const std::wstring& installFolder,
                               const std::vector<vel::UniqueHandle>& waitFor) {
    for (const vel::UniqueHandle& process : waitFor)
        WaitForSingleObject(process.Get(), kOriginalEndWaitMs);
    // Windows releases a program's file a moment after the process has ended.
    const std::wstring original = JoinPath(installFolder, kUninstallerName);
    for (int attempt = 0; attempt < kDeleteAttempts && !RemoveFile(original); ++attempt)
        Sleep(kDeleteRetryMs);
    RemoveEmptyFolder(installFolder);
}

void ScheduleTemporaryCopyRemoval() {
    const std::wstring copyFolder = ParentFolder(vel::OwnExecutablePath());
    const std::wstring name = copyFolder.substr(copyFolder.find_last_of(L'\\') + 1);
    if (!name.starts_with(kCopyFolderPrefix) ||
        !SamePath(ParentFolder(copyFolder), TemporaryRoot()))
        return;

    // The shell reads its input until this process has ended and the pipe breaks, then
    // deletes the copy (retrying while Windows still holds the file) and the folder. It
    // works in the temporary folder by relative names, so no path needs quoting rules.
    Pipe untilWeEnd(true);
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    vel::UniqueHandle nul(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      &inherit, OPEN_EXISTING, 0, nullptr));
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const std::wstring cmd = JoinPath(system, L"cmd.exe");
    const std::wstring removeCopy =
        L"del /f /q \"" + name + L"\\" + kUninstallerName + L"\" & rd \"" + name + L"\"";
    // ping is the shell's way to wait: one second per echo after the first.
    auto pause = [](int seconds) {
        return L" & ping -n " + std::to_wstring(seconds + 1) + L" 127.0.0.1 & ";
    };
    const std::wstring commandLine = L"\"" + cmd + L"\" /d /c \"set /p x= & " + removeCopy +
                                     pause(1) + removeCopy + pause(3) + removeCopy + L"\"";
    STARTUPINFOW startup{};
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = untilWeEnd.read.Get();
    startup.hStdOutput = nul.Get();
    startup.hStdError = nul.Get();
    vel::UniqueHandle shell =
        StartInheriting(cmd, commandLine, ParentFolder(copyFolder),
                        {untilWeEnd.read.Get(), nul.Get()}, startup, CREATE_NO_WINDOW);
    // Kept open on purpose: its end, when this process exits, is the shell's signal.
    if (shell) untilWeEnd.write.Release();
}

} // namespace uninstaller
