#include "uninstaller/elevation.h"

#include <windows.h>

#include <string>

#include "vel/handle.h"
#include "vel/parameters.h"
#include "vel/shell.h"

namespace uninstaller {

namespace {

bool PretendStandardUser() {
    wchar_t value[8];
    DWORD n = GetEnvironmentVariableW(L"QUILLPAD_UNINSTALL_AS_STANDARD_USER", value, 8);
    if (n == 0 || n >= 8) return false;
    SetEnvironmentVariableW(L"QUILLPAD_UNINSTALL_AS_STANDARD_USER", nullptr);
    return std::wstring(value, n) == L"1";
}

} // namespace

bool HasAdministratorRights() {
    static const bool pretendStandard = PretendStandardUser();
    return !pretendStandard && vel::IsAdministrator();
}

std::optional<TUninstallResult> RunElevated(const TUninstallSwitches& switches) {
    std::vector<std::wstring> parameters = UserSwitches(switches);
    parameters.push_back(L"-elevated");
    for (uint32_t pid : switches.WaitFor)
        parameters.insert(parameters.end(), {L"-waitfor", std::to_wstring(pid)});
    parameters.insert(parameters.end(), {L"-waitfor", std::to_wstring(GetCurrentProcessId())});
    vel::UniqueHandle elevated =
        vel::ShellStartProcess(vel::OwnExecutablePath(), vel::JoinParameters(parameters), true);
    if (!elevated) return std::nullopt;
    WaitForSingleObject(elevated.Get(), INFINITE);
    DWORD code = 0;
    if (!GetExitCodeProcess(elevated.Get(), &code)) return TUninstallResult::Failed;
    return static_cast<TUninstallResult>(code);
}

} // namespace uninstaller
