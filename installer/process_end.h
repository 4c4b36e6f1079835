#pragma once
// How the installer process ends, and the exit codes a deployment script sees. The
// numbers follow the ones scripting users know from other setup programs (Inno Setup).
namespace installer {

enum class ExitCode : unsigned {
    Success = 0,             // installed, or an orderly end that had nothing to install (help)
    SetupCannotStart = 1,    // invalid "-installpath" or "-option", another copy running,
                             // elevation failed, start-up error
    Declined = 2,            // the user said no before the installation started
    InstallationFailed = 4,  // an installation ran and failed
    InstallationStopped = 5, // the user stopped a running installation, which was taken back
};

// The exit code that the installation's state calls for: Declined before a run started,
// InstallationStopped while one runs, then InstallationFailed or Success.
ExitCode OutcomeExitCode();

// Ends the process at once with the given code; console output is flushed first.
[[noreturn]] void EndInstaller(ExitCode code);
[[noreturn]] inline void EndInstaller() {
    EndInstaller(OutcomeExitCode());
}

} // namespace installer
