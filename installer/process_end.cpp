#include "installer/process_end.h"

#include <windows.h>

#include <cstdio>

#include "installer/config.h"

namespace installer {

ExitCode OutcomeExitCode() {
    switch (InstallRun) {
    case TInstallRun::NotStarted:
        return ExitCode::Declined;
    case TInstallRun::Running:
    case TInstallRun::Stopped:
        return ExitCode::InstallationStopped;
    case TInstallRun::Finished:
        break;
    }
    return InstallFailed ? ExitCode::InstallationFailed : ExitCode::Success;
}

void EndInstaller(ExitCode code) {
    std::fflush(stdout);
    ExitProcess(static_cast<UINT>(code));
}

} // namespace installer
