#include "installer/blocking_process.h"

#include <windows.h>

#include <string>

#include "installer/config.h"
#include "vel/handle.h"

namespace installer {

namespace {

// What tells the recorded process apart from a later one that got the same identifier.
struct TProcessIdentity {
    DWORD PID = 0;
    std::wstring ImagePath;
    FILETIME Created{};
};

TProcessIdentity blockingIdentity;

bool ReadIdentity(HANDLE process, DWORD pid, TProcessIdentity& identity) {
    std::wstring path(32768, L'\0');
    DWORD length = static_cast<DWORD>(path.size());
    if (!QueryFullProcessImageNameW(process, 0, path.data(), &length)) return false;
    path.resize(length);
    FILETIME exited, kernel, user;
    if (!GetProcessTimes(process, &identity.Created, &exited, &kernel, &user)) return false;
    identity.PID = pid;
    identity.ImagePath = path;
    return true;
}

bool SameIdentity(const TProcessIdentity& a, const TProcessIdentity& b) {
    return a.PID == b.PID && CompareFileTime(&a.Created, &b.Created) == 0 &&
           CompareStringOrdinal(a.ImagePath.c_str(), -1, b.ImagePath.c_str(), -1, TRUE) ==
               CSTR_EQUAL;
}

} // namespace

bool FindBlockingProcess() {
    if (!InstallOptions.CanBeRun || AppOptions.ExeOfPath.empty()) return false;
    for (const vel::TProcess& process : vel::GetProcessList()) {
        if (process.Module != AppOptions.ExeOfPath) continue;
        BlockingProcess = process;
        blockingIdentity = {};
        vel::UniqueHandle handle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE,
                                             static_cast<DWORD>(process.PID)));
        if (handle) ReadIdentity(handle.Get(), static_cast<DWORD>(process.PID), blockingIdentity);
        return true;
    }
    return false;
}

void EndBlockingProcess() {
    // A process we could not identify when it was listed is not ended blindly.
    if (blockingIdentity.PID == 0) return;
    vel::UniqueHandle handle(OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION,
                                         FALSE, blockingIdentity.PID));
    if (!handle) return;
    TProcessIdentity now;
    if (!ReadIdentity(handle.Get(), blockingIdentity.PID, now) ||
        !SameIdentity(now, blockingIdentity))
        return;
    if (TerminateProcess(handle.Get(), 1)) WaitForSingleObject(handle.Get(), 5000);
}

} // namespace installer
