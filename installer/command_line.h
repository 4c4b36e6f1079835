#pragma once
// The switches, silent mode, and the steps that end an installer run.
#include <string>

namespace installer {

// The switch list shown by "-help": lines separated by a carriage return, ending in one.
extern const std::wstring HelpText;

// The installer was started from a command shell (cmd.exe or PowerShell).
bool StartedFromConsole();

// "-silent" is somewhere on the command line: nothing may then wait for a person, also
// before the switches are read (the downgrade question, another running copy).
bool SilentRequested();
// "-force" is somewhere on the command line.
bool ForceRequested();

// "-alluser" is somewhere on the command line.
bool AllUsersRequested();

// The switch that RestartAsAdministrator adds: this copy is the elevated restart of one
// that is waiting for it.
inline constexpr wchar_t kElevatedMarker[] = L"-elevated";
bool ElevatedCopy();

// Writes one status line on the console of the command shell that started the
// installer; does nothing when the installer was started otherwise. Best effort: output
// that cannot be written (a script stopped reading) is dropped, never an error.
void ConsoleLine(const std::wstring& text);

// Reads the switches and adjusts the configuration. Returns when the wizard should
// start; otherwise ends the process (help, errors, a silent installation, an elevated
// restart).
void ProcessParameters();

// Starts this installer again with administrator rights ("runas"), with extra, "-force"
// and the elevated marker before the original parameters (the install path among them
// made absolute), and ends this process with the exit code of the elevated copy. An
// elevated copy that still lacks the rights ends with SetupCannotStart instead.
[[noreturn]] void RestartAsAdministrator(const std::wstring& extra);

// Runs the action chosen for the end of a finished installation (AfterFinish).
void DoFinishAction();

// Starts the installed application, then closes the installer.
void RunApplication();

// Starts the self-deletion when "-ad" was given, then closes the wizard window or, when
// there is none, ends the process.
void CloseInstaller();

// The parent folder that "-installpath" must name an existing folder of: the expanded
// path without a trailing delimiter, cut before its last delimiter (the root itself for
// a folder directly below a drive's root); empty when there is no delimiter.
std::wstring InstallPathParent(const std::wstring& expandedPath);

// The command line of the shell that deletes the installer file after it ended.
std::wstring SelfDeleteParameters(const std::wstring& installerPath);

} // namespace installer
