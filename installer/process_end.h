#pragma once
// How the installer process ends, and the exit codes a deployment script sees.
namespace installer {

enum class ExitCode : unsigned {
    Success = 0,          // installed, or any other orderly end
    SetupCannotStart = 1, // invalid "-installpath" or "-option", elevation declined, start-up error
    InstallationFailed = 4, // an installation ran and failed
};

// The exit code that the current state calls for: InstallationFailed once a stage has
// failed, otherwise Success.
ExitCode OutcomeExitCode();

// Ends the process at once with the given code; console output is flushed first.
[[noreturn]] void EndInstaller(ExitCode code);
[[noreturn]] inline void EndInstaller() {
    EndInstaller(OutcomeExitCode());
}

} // namespace installer
