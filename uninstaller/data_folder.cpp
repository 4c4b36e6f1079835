#include "uninstaller/data_folder.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "uninstaller/paths.h"

namespace uninstaller {

namespace {

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    PWSTR path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

// Folders below a root: "C:\a\b" has two, "\\server\share\a" has one.
size_t FoldersBelowRoot(const std::wstring& path) {
    size_t parts = static_cast<size_t>(std::count(path.begin(), path.end(), L'\\'));
    return path.starts_with(L"\\\\") ? (parts >= 3 ? parts - 3 : 0) : parts;
}

bool IsAbsolute(const std::wstring& path) {
    return path.starts_with(L"\\\\") || (path.size() >= 3 && path[1] == L':' && path[2] == L'\\');
}

} // namespace

bool IsRemovableDataFolder(const std::wstring& dataFolder, const std::wstring& installFolder) {
    if (!IsAbsolute(dataFolder)) return false;
    const std::wstring folder = NormalizedPath(dataFolder);
    if (FoldersBelowRoot(folder) < 2) return false;
    std::vector<std::wstring> guarded = {installFolder};
    for (REFKNOWNFOLDERID id :
         {FOLDERID_Profile, FOLDERID_LocalAppData, FOLDERID_RoamingAppData,
          FOLDERID_LocalAppDataLow, FOLDERID_ProgramData, FOLDERID_Windows, FOLDERID_System,
          FOLDERID_ProgramFiles, FOLDERID_ProgramFilesX86, FOLDERID_UserProgramFiles,
          FOLDERID_Desktop, FOLDERID_Documents, FOLDERID_Downloads, FOLDERID_Programs,
          FOLDERID_StartMenu, FOLDERID_Public, FOLDERID_UserProfiles})
        guarded.push_back(KnownFolder(id));
    for (const std::wstring& known : guarded)
        if (!known.empty() && (SamePath(folder, known) || IsInsideFolder(folder, known)))
            return false;
    return true;
}

} // namespace uninstaller
