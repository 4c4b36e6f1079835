#pragma once
// The install report, InstallReport.ini beside the uninstaller: what the installation
// made (folders, shortcuts, registry record). The keys and their meanings are shared
// with the installer, which writes them.
#include <string>

#include "uninstaller/exit_codes.h"

namespace uninstaller {

inline constexpr wchar_t kReportFileName[] = L"InstallReport.ini";
inline constexpr wchar_t kInstalledFilesName[] = L"InstalledFiles.lst";
inline constexpr wchar_t kUninstallerName[] = L"Uninstall.exe";
// The only report layout this uninstaller understands.
inline constexpr wchar_t kAcceptedReportVersion[] = L"1.0.0";

struct TInstallReport {
    std::wstring Name; // the application's short name, also the shortcuts' name
    std::wstring InstallPath;
    std::wstring DataPath;   // the application's per-user data folder
    std::wstring Executable; // full path of the application's program
    bool ShortcutMenu = false;
    bool ShortcutDesktop = false;
    bool UserInstall = false;
    std::wstring RegistryRecord; // key below the hive, e.g. SOFTWARE\...\Uninstall\Quillpad
    std::wstring RegistryHive;   // "HKEY_CURRENT_USER" or "HKEY_LOCAL_MACHINE"

    // Removing the record of an all-users installation needs administrator rights.
    bool NeedsAdministrator() const;
};

struct TReportReading {
    TUninstallResult Result = TUninstallResult::Removed; // Removed: the report is usable
    TInstallReport Report;
    std::wstring Problem; // what is wrong with a damaged report
};

// Reads and checks the report in folder. A report whose values would make the uninstall
// touch something outside the installation (a name with path delimiters, a record that
// is no uninstall record, an unknown hive) is damaged, not trusted.
TReportReading ReadInstallReport(const std::wstring& folder);

// A name usable as one file name: not empty, no path delimiters or reserved characters.
bool IsPlainFileName(const std::wstring& name);

} // namespace uninstaller
