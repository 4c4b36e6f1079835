#include "uninstaller/running_app.h"

#include <windows.h>

#include "uninstaller/paths.h"
#include "vel/handle.h"

namespace uninstaller {

namespace {

// How long a process gets to end after it was asked to; a program that asks its user
// to save work may take a while, one that hangs is forced after that.
constexpr DWORD kCloseWaitMs = 15000;

} // namespace

std::vector<vel::TProcess> FindRunningPrograms(const std::vector<std::wstring>& programs) {
    std::vector<vel::TProcess> running;
    std::vector<std::wstring> normalized;
    for (const std::wstring& program : programs)
        if (!program.empty()) normalized.push_back(NormalizedPath(program));
    for (vel::TProcess& process : vel::GetProcessList()) {
        if (process.FileName.empty() || static_cast<DWORD>(process.PID) == GetCurrentProcessId())
            continue;
        const std::wstring image = NormalizedPath(process.FileName);
        for (const std::wstring& program : normalized)
            if (EqualNames(image, program)) {
                running.push_back(std::move(process));
                break;
            }
    }
    return running;
}

std::wstring DescribeProcesses(const std::vector<vel::TProcess>& processes) {
    std::wstring text;
    for (const vel::TProcess& process : processes) {
        if (!text.empty()) text += L", ";
        text += process.Module + L" (PID " + std::to_wstring(process.PID) + L") is running";
    }
    return text;
}

bool CloseProcesses(const std::vector<vel::TProcess>& processes, bool force) {
    bool allEnded = true;
    for (const vel::TProcess& process : processes) {
        vel::UniqueHandle handle(OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(process.PID)));
        if (!handle) continue; // it has ended already
        force ? process.KillProcess() : process.CloseProcess();
        if (WaitForSingleObject(handle.Get(), kCloseWaitMs) != WAIT_OBJECT_0) allEnded = false;
    }
    return allEnded;
}

} // namespace uninstaller
