#pragma once
// The application's data folder (the report's Data Path), removed only when the user
// agrees or a switch asks for it.
#include <string>

namespace uninstaller {

// The folder may be removed with everything in it: an absolute path at least two folders
// below a drive or share root that is neither one of the user's or the system's
// well-known folders nor one that contains them or the install folder.
bool IsRemovableDataFolder(const std::wstring& dataFolder, const std::wstring& installFolder);

} // namespace uninstaller
