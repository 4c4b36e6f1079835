#pragma once
// The list of what an installation put into its folder, kept beside the install report
// so the uninstaller removes exactly that and leaves the user's own files alone.
#include <string>

#include "installer/install_engine.h"

namespace installer {

// The list's file name inside the install folder.
inline constexpr wchar_t kInstalledFilesName[] = L"InstalledFiles.lst";

// Writes the list into the install folder and returns its path. UTF-8 text, one entry a
// line: "F <path>" for a file and "D <path>" for a folder this installation created,
// relative to the install folder; files outside it (the shortcuts) are left to the
// report's shortcut keys. Throws std::system_error when it cannot be written.
std::wstring WriteInstalledFilesList(const std::wstring& installFolder,
                                     const TInstallJournal& journal);

} // namespace installer
