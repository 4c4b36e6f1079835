#pragma once
// A program cannot delete its own file while it runs, and Uninstall.exe lives in the
// folder it removes. So the uninstaller that a user starts copies itself to a folder of
// its own under the temporary folder and lets that copy do the work. It waits for the
// copy's result and ends with it; the copy then waits for it to end, deletes
// Uninstall.exe and the emptied install folder, and has its own folder removed by a
// hidden command shell once it has ended itself.
#include <cstdint>
#include <string>
#include <vector>

#include "uninstaller/exit_codes.h"
#include "uninstaller/switches.h"
#include "vel/handle.h"

namespace uninstaller {

// Starts the temporary copy on installFolder with the user's switches, prints the lines
// it reports, and returns its result. The copy also waits for the processes in
// switches.WaitFor (the one that restarted this one elevated) before it deletes
// Uninstall.exe.
TUninstallResult RunFromTemporaryCopy(const std::wstring& installFolder,
                                      const TUninstallSwitches& switches);

// In the copy: handles of the processes that run the original Uninstall.exe, opened at
// once, while they are sure to be alive and waiting.
std::vector<vel::UniqueHandle> OpenWaitingProcesses(const std::vector<uint32_t>& pids);

// In the copy, after its result was sent: waits for those processes to end, then
// deletes Uninstall.exe and the install folder when nothing else is left in it.
void RemoveOriginalUninstaller(const std::wstring& installFolder,
                               const std::vector<vel::UniqueHandle>& waitFor);

// In the copy, last: a hidden command shell deletes the copy and its folder once this
// process has ended. Does nothing when this program is not such a copy.
void ScheduleTemporaryCopyRemoval();

} // namespace uninstaller
