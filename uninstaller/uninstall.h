#pragma once
// The uninstall itself, run by the uninstaller's temporary copy: questions, the running
// application, shortcuts, installed files, the data folder, the registry record and the
// report. Uninstall.exe and the install folder are left to RemoveOriginalUninstaller,
// since the process that runs Uninstall.exe may still be waiting for this one.
#include <functional>
#include <string>

#include "uninstaller/exit_codes.h"

namespace uninstaller {

struct TUninstallRequest {
    std::wstring InstallFolder;
    bool Silent = false;
    bool RemoveData = false;
    std::function<void(const std::wstring&)> Print; // one status line ("(!) " or "<!> ")
};

struct TUninstallOutcome {
    TUninstallResult Result = TUninstallResult::Failed;
    // The installation is gone: Uninstall.exe and the emptied folders are to follow.
    bool RemoveUninstaller = false;
};

TUninstallOutcome RunUninstall(const TUninstallRequest& request);

} // namespace uninstaller
