#pragma once
// The uninstall registry record that lists the application among the installed programs.
#include <windows.h>

#include <string>

namespace uninstaller {

// HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE by name (any letter case); null for any other.
HKEY HiveFromName(const std::wstring& name);

// The path is one application's key directly below
// SOFTWARE\Microsoft\Windows\CurrentVersion\Uninstall (letter case aside). Deleting
// anything else with its sub-keys could wreck the registry, so nothing else is deleted.
bool IsUninstallRecordPath(const std::wstring& path);

enum class TRecordRemoval {
    Removed,
    Missing,      // there was no record
    OtherInstall, // the record describes an installation in another folder and was kept
    Failed,       // the record could not be deleted (rights)
};

// Deletes the record with its sub-keys in the 64-bit view, unless its InstallLocation
// names a folder other than installFolder (a later installation elsewhere reuses the
// same key, and its entry must survive).
TRecordRemoval RemoveRegistryRecord(HKEY hive, const std::wstring& path,
                                    const std::wstring& installFolder);

} // namespace uninstaller
