#pragma once
// The uninstaller's command line. Users and scripts give "-silent", "-removedata" and
// "-help" (a leading "/" counts as "-"); the other switches are passed by the
// uninstaller to its own temporary copy and elevated restart.
#include <cstdint>
#include <string>
#include <vector>

namespace uninstaller {

struct TUninstallSwitches {
    bool Silent = false;     // no windows and no questions
    bool RemoveData = false; // also remove the application's data folder
    bool Help = false;
    bool Elevated = false; // this is the restart that asked for administrator rights
    // Set for the temporary copy: the install folder it works on, the processes that
    // still run the original Uninstall.exe, and the pipe that carries its result back.
    std::wstring InstallFolder;
    std::vector<uint32_t> WaitFor;
    uintptr_t ResultPipe = 0;
    std::vector<std::wstring> Unknown; // parameters that are none of the above
};

// Reads parameters 1..n (the program path excluded), each already turned from "/" to "-".
TUninstallSwitches ParseSwitches(const std::vector<std::wstring>& parameters);

// The switches a user gave, to hand on to a restarted or relocated uninstaller.
std::vector<std::wstring> UserSwitches(const TUninstallSwitches& switches);

// The lines of the usage text.
std::vector<std::wstring> UsageLines();

} // namespace uninstaller
