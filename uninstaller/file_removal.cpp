#include "uninstaller/file_removal.h"

#include <windows.h>

#include "uninstaller/paths.h"
#include "vel/folders.h"

namespace uninstaller {

namespace {

// Installed files may lie deeper than the classic 260-character limit.
std::wstring LongPath(const std::wstring& path) {
    return vel::ExtendedLengthPath(path);
}

bool IsGone(DWORD error) {
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// A folder between the install folder and the entry is a link (junction or symbolic
// link): what lies behind it is not the installation's.
bool LiesBehindLink(const std::wstring& folder, const std::wstring& relative) {
    for (size_t slash = relative.find(L'\\'); slash != std::wstring::npos;
         slash = relative.find(L'\\', slash + 1)) {
        DWORD attributes =
            GetFileAttributesW(LongPath(JoinPath(folder, relative.substr(0, slash))).c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_REPARSE_POINT))
            return true;
    }
    return false;
}

// Calls visit(full path, find data) for every entry of the folder but "." and "..".
template <class Visit> void ForEachEntry(const std::wstring& folder, Visit visit) {
    WIN32_FIND_DATAW data;
    vel::UniqueFind find(FindFirstFileExW(LongPath(JoinPath(folder, L"*")).c_str(), FindExInfoBasic,
                                          &data, FindExSearchNameMatch, nullptr, 0));
    if (!find) return;
    do {
        const std::wstring name = data.cFileName;
        if (name != L"." && name != L"..") visit(JoinPath(folder, name), data);
    } while (FindNextFileW(find.Get(), &data));
}

} // namespace

bool RemoveFile(const std::wstring& path) {
    const std::wstring file = LongPath(path);
    DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return IsGone(GetLastError());
    if (attributes & FILE_ATTRIBUTE_READONLY)
        SetFileAttributesW(file.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
    return DeleteFileW(file.c_str()) || IsGone(GetLastError());
}

bool RemoveEmptyFolder(const std::wstring& folder) {
    return IsFolderEmpty(folder) && RemoveDirectoryW(LongPath(folder).c_str());
}

std::vector<std::wstring> FolderEntries(const std::wstring& folder) {
    std::vector<std::wstring> names;
    ForEachEntry(folder, [&](const std::wstring&, const WIN32_FIND_DATAW& data) {
        names.push_back(data.cFileName);
    });
    return names;
}

std::vector<std::wstring> RemoveInstalledFiles(const std::wstring& folder,
                                               const std::vector<std::wstring>& files) {
    std::vector<std::wstring> remaining;
    for (const std::wstring& file : files) {
        const std::wstring path = JoinPath(folder, file);
        if (LiesBehindLink(folder, file) || vel::FolderExists(path)) continue;
        if (!RemoveFile(path)) remaining.push_back(path);
    }
    return remaining;
}

bool IsFolderEmpty(const std::wstring& folder) {
    return FolderEntries(folder).empty();
}

void RemoveEmptyFolders(const std::wstring& folder, const std::vector<std::wstring>& folders) {
    for (const std::wstring& relative : folders) {
        const std::wstring path = JoinPath(folder, relative);
        if (!LiesBehindLink(folder, relative)) RemoveEmptyFolder(path);
    }
}

bool RemoveFolderTree(const std::wstring& folder) {
    DWORD attributes = GetFileAttributesW(LongPath(folder).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return IsGone(GetLastError());
    if (!(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
        ForEachEntry(folder, [](const std::wstring& path, const WIN32_FIND_DATAW& data) {
            const bool isFolder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            const bool isLink = data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
            if (isFolder && !isLink)
                RemoveFolderTree(path);
            else if (isFolder)
                RemoveDirectoryW(LongPath(path).c_str());
            else
                RemoveFile(path);
        });
    }
    return RemoveDirectoryW(LongPath(folder).c_str()) || IsGone(GetLastError());
}

} // namespace uninstaller
