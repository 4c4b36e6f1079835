#pragma once
// Junction-like links planted where an installation will write, as a hostile user would.
#include <string>

namespace test {

// Makes link a symbolic link to the folder target; false when it could not. Wine cannot
// make one through the Win32 calls (it reports success and makes nothing), but it shows a
// Unix symbolic link as a folder with the reparse-point attribute: under Wine the link is
// made with the system's ln.
bool PlantFolderLink(const std::wstring& link, const std::wstring& target);

} // namespace test
