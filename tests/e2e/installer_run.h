#pragma once
// Running the built installer as a user or a deployment script would, and cleaning up
// what an installation leaves in the user's profile and registry.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/support.h"

namespace test {

// The built installer (QuillpadSetup.exe, or a variant such as QuillpadSetupBoth.exe).
std::wstring SetupExe(const std::wstring& name = L"QuillpadSetup.exe");

// Runs the installer from cmd.exe with the given arguments, as typed at a prompt, and
// returns what the console showed and the installer's exit code.
ProcessResult RunSetupFromConsole(const std::wstring& arguments,
                                  const std::wstring& environment = L"",
                                  const std::wstring& exe = SetupExe());

// The lines of console output, without line ends.
std::vector<std::string> OutputLines(const std::string& output);

// Removes the traces an installation leaves outside its folder before and after a test:
// the uninstall records, the two shortcuts and the installer's temporary folder.
class CleanInstallState {
  public:
    CleanInstallState() { Clean(); }
    ~CleanInstallState() { Clean(); }
    static void Clean();
};

std::wstring UninstallKey();
// A string value of the uninstall record in the hive (64-bit view), or nothing.
bool ReadRecordValue(HKEY hive, const wchar_t* name, std::wstring& value);
bool ReadRecordNumber(HKEY hive, const wchar_t* name, DWORD& value);
bool RecordExists(HKEY hive);
// Writes a text value into the per-user record, as an earlier installation would have.
void WriteUserRecordValue(const wchar_t* name, const std::wstring& value);
std::wstring ShellFolder(int csidl);

} // namespace test
