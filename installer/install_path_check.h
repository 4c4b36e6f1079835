#pragma once
// Whether a folder typed on the settings page may become the install folder.
#include <string>
#include <vector>

namespace installer {

enum class TPathVerdict {
    Accepted,
    Invalid,      // relative, or not a path at all
    NeedsAdmin,   // below a Program Files folder without administrator rights
    SystemFolder, // a drive root, or the Windows folder and below
};

// The folders that the check keeps an install out of, as absolute paths.
struct TProtectedFolders {
    std::wstring Windows;
    std::vector<std::wstring> ProgramFiles;
};

// The system's own folders, asked of the shell rather than read from the environment.
TProtectedFolders SystemProtectedFolders();

// The path is a Program Files folder or lies below one (path absolute and canonical).
bool InProgramFiles(const std::wstring& path, const TProtectedFolders& folders);

// Judges the typed path. Folders are compared as canonical absolute paths at folder
// boundaries, so "C:\Windows.old" is not the Windows folder and "C:/Windows/x" is inside
// it. An accepted path comes back in canonical form in canonical.
TPathVerdict CheckInstallPath(const std::wstring& typed, const TProtectedFolders& folders,
                              bool isAdmin, std::wstring& canonical);

// The message that explains a refusal to the user.
std::wstring PathRefusalText(TPathVerdict verdict);

} // namespace installer
