#pragma once
// Administrator rights for removing an all-users installation.
#include <cstdint>
#include <optional>
#include <vector>

#include "uninstaller/exit_codes.h"
#include "uninstaller/switches.h"

namespace uninstaller {

// This process runs with administrator rights. Wine runs everything as an administrator,
// so a test sets QUILLPAD_UNINSTALL_AS_STANDARD_USER=1 to see the other case; the
// variable is removed at once, so the elevated restart does not inherit it.
bool HasAdministratorRights();

// Starts this uninstaller again with administrator rights (the system asks the user),
// waits for it and returns its result; nothing when it was not started (declined).
// The restarted copy is told to wait for this process before deleting Uninstall.exe.
std::optional<TUninstallResult> RunElevated(const TUninstallSwitches& switches);

} // namespace uninstaller
