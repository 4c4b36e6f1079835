#pragma once
// The start-menu and desktop shortcuts the installation made in the current user's
// folders.
#include <string>
#include <vector>

#include "uninstaller/install_report.h"

namespace uninstaller {

// "<Name>.lnk" in the user's Programs folder and on the desktop, for the shortcuts the
// report says were created.
std::vector<std::wstring> ReportedShortcuts(const TInstallReport& report);

// The shortcut file's target is the executable. COM must be initialised on this thread.
bool ShortcutPointsAt(const std::wstring& shortcut, const std::wstring& executable);

// Deletes the reported shortcuts that still point at the application; a shortcut that
// was changed to point elsewhere is the user's now and stays, and so are all of them
// when the report's program is not in installFolder (a copied folder must not take the
// original installation's shortcuts with it). Returns the ones that could not be deleted.
std::vector<std::wstring> RemoveShortcuts(const TInstallReport& report,
                                          const std::wstring& installFolder);

} // namespace uninstaller
