#pragma once
// The installed application must not run while its files are removed.
#include <string>
#include <vector>

#include "vel/process.h"

namespace uninstaller {

// Processes whose image is one of the programs (full paths, compared as the file system
// does). This process never counts.
std::vector<vel::TProcess> FindRunningPrograms(const std::vector<std::wstring>& programs);

// "Quillpad.exe (PID 1234) is running", one clause per process joined by ", ".
std::wstring DescribeProcesses(const std::vector<vel::TProcess>& processes);

// Asks each process to close and waits for it; forces those that do not end. True when
// none of them runs any more.
bool CloseProcesses(const std::vector<vel::TProcess>& processes, bool force);

} // namespace uninstaller
