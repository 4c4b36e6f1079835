#pragma once
// How an uninstall ended, as the process's exit code. Scripts that run the quiet
// uninstall string read these, so the numbers never change meaning.
#include <string>

namespace uninstaller {

enum class TUninstallResult : int {
    Removed = 0,            // everything the installation wrote is gone
    Cancelled = 1,          // the user answered No
    ReportMissing = 2,      // no readable InstallReport.ini beside the uninstaller
    ReportMismatch = 3,     // the report's version is not one this uninstaller knows
    ReportDamaged = 4,      // a value the uninstall needs is missing or unsafe
    ApplicationRunning = 5, // the application runs and was not closed
    ElevationRefused = 6,   // administrator rights are needed and were not granted
    PartlyRemoved = 7,      // some items could not be removed; running again may finish
    BadParameters = 8,      // an unknown switch
    Failed = 9,             // the uninstaller itself could not run (temporary copy, lost worker)
    AlreadyRunning = 10,    // another uninstaller works on the same installation
};

inline int ExitCode(TUninstallResult result) {
    return static_cast<int>(result);
}

// One line that says why an uninstall of the application ended with this result.
std::wstring ResultText(TUninstallResult result, const std::wstring& appName);

} // namespace uninstaller
