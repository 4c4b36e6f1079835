#pragma once
// What an uninstall removes from the install folder, worked out before anything is
// touched: the installed files, then the folders that end up empty.
#include <string>
#include <vector>

#include "uninstaller/installed_files.h"

namespace uninstaller {

struct TRemovalPlan {
    // Installed files, relative to the install folder. The uninstaller's own files
    // (Uninstall.exe, the report and the list) are not among them: they go last.
    std::vector<std::wstring> Files;
    // Folders removed when they end up empty, deepest first: the listed ones and every
    // folder that holds a listed entry (an update does not list the folders the first
    // installation made). The install folder itself is not among them.
    std::vector<std::wstring> Folders;
};

TRemovalPlan PlanRemoval(const TInstalledFiles& list);

// The uninstaller's own file names, which never count as installed content.
bool IsUninstallerFile(const std::wstring& relativePath);

} // namespace uninstaller
