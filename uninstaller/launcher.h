#pragma once
// The two roles of Uninstall.exe: the launcher that a user or script starts, and the
// worker, its temporary copy.
#include "uninstaller/exit_codes.h"
#include "uninstaller/switches.h"

namespace uninstaller {

// Checks the report and the rights, restarts elevated when needed, hands the work to a
// temporary copy and returns its result.
TUninstallResult RunLauncher(const TUninstallSwitches& switches);

// Runs the uninstall in the temporary copy and reports to the launcher.
TUninstallResult RunWorker(const TUninstallSwitches& switches);

} // namespace uninstaller
