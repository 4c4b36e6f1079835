#pragma once
// Deleting files and folders for the uninstall. Links are never followed: a folder that
// a user turned into a junction to somewhere else keeps what it points at.
#include <string>
#include <vector>

namespace uninstaller {

// Deletes a file, read-only or not. A file that is already gone counts as deleted.
bool RemoveFile(const std::wstring& path);

// Deletes the files (paths relative to folder). Files reached through a linked folder
// inside the install folder are left alone. Returns the paths that are still there.
std::vector<std::wstring> RemoveInstalledFiles(const std::wstring& folder,
                                               const std::vector<std::wstring>& files);

// Removes each folder (relative to folder, deepest first) when it is empty; folders
// with files in them, such as the user's own, are kept.
void RemoveEmptyFolders(const std::wstring& folder, const std::vector<std::wstring>& folders);

// Removes a folder with everything in it; a link inside is removed, not followed.
// True when the folder is gone.
bool RemoveFolderTree(const std::wstring& folder);

// Removes the folder when there is nothing in it; true when it was removed.
bool RemoveEmptyFolder(const std::wstring& folder);

// The names of the folder's entries; none when it cannot be listed.
std::vector<std::wstring> FolderEntries(const std::wstring& folder);

// The folder has nothing in it.
bool IsFolderEmpty(const std::wstring& folder);

} // namespace uninstaller
