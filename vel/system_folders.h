#pragma once
// Folders as the system itself knows them, never from environment variables or
// user-editable registry values (which a standard user can point anywhere while an
// elevated program trusts them).
#include <windows.h>
#include <shlobj.h>

#include <string>

namespace vel {

// The Windows folder (GetSystemWindowsDirectoryW), e.g. C:\Windows, without a trailing "\".
std::wstring SystemWindowsFolder();

// System32 (GetSystemDirectoryW), without a trailing "\".
std::wstring SystemFolder();

// The full path of a program in System32, e.g. SystemProgram(L"cmd.exe").
std::wstring SystemProgram(const std::wstring& fileName);

// A known folder (SHGetKnownFolderPath, FOLDERID_...) without a trailing "\"; empty when
// the system has none for this user.
std::wstring KnownFolder(REFKNOWNFOLDERID id);

} // namespace vel
