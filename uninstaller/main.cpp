// Quillpad's uninstaller, written beside the application as Uninstall.exe. It removes
// what the installation wrote, as told by the install report and the list of installed
// files beside it, and leaves everything else alone.
#include <windows.h>

#include "uninstaller/launcher.h"
#include "vel/dll_search.h"
#include "vel/parameters.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    vel::RestrictDllSearch();
    std::vector<std::wstring> parameters;
    for (int i = 1; i <= vel::ParameterCount(); ++i)
        parameters.push_back(vel::GetParameter(i));
    const uninstaller::TUninstallSwitches switches = uninstaller::ParseSwitches(parameters);
    const uninstaller::TUninstallResult result = switches.InstallFolder.empty()
                                                     ? uninstaller::RunLauncher(switches)
                                                     : uninstaller::RunWorker(switches);
    return uninstaller::ExitCode(result);
}
