#include "installer/install_path_check.h"

#include <windows.h>
#include <shlobj.h>

#include <exception>

#include "vel/system_folders.h"
#include "vel/zip_files.h"

namespace installer {

namespace {

bool IsDelimiter(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// "X:\..." or a share "\\server\share\...": nothing that depends on the current folder
// or the current drive.
bool IsAbsolute(const std::wstring& path) {
    if (path.size() >= 3 && iswalpha(path[0]) && path[1] == L':' && IsDelimiter(path[2]))
        return true;
    return path.size() > 2 && IsDelimiter(path[0]) && IsDelimiter(path[1]) && !IsDelimiter(path[2]);
}

// Characters no file name may hold; the drive's colon is the only colon allowed.
bool HasForbiddenCharacter(const std::wstring& path) {
    for (size_t i = 0; i < path.size(); ++i) {
        const wchar_t c = path[i];
        if (c < 32 || wcschr(L"<>\"|?*", c) || (c == L':' && i != 1)) return true;
    }
    return false;
}

std::wstring WithoutTrailingDelimiters(std::wstring path) {
    while (path.size() > 3 && IsDelimiter(path.back()))
        path.pop_back();
    return path;
}

bool SameText(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

// path is folder or lies below it.
bool IsWithin(const std::wstring& path, const std::wstring& folder) {
    const std::wstring base = WithoutTrailingDelimiters(folder);
    if (base.empty() || path.size() < base.size()) return false;
    if (!SameText(path.substr(0, base.size()), base)) return false;
    return path.size() == base.size() || IsDelimiter(path[base.size()]) || IsDelimiter(base.back());
}

bool IsDriveRoot(const std::wstring& path) {
    return path.size() <= 3 && path.size() >= 2 && path[1] == L':';
}

} // namespace

TProtectedFolders SystemProtectedFolders() {
    TProtectedFolders folders;
    folders.Windows = vel::KnownFolder(FOLDERID_Windows);
    for (REFKNOWNFOLDERID id : {FOLDERID_ProgramFiles, FOLDERID_ProgramFilesX86}) {
        std::wstring folder = vel::KnownFolder(id);
        if (!folder.empty()) folders.ProgramFiles.push_back(folder);
    }
    return folders;
}

bool InProgramFiles(const std::wstring& path, const TProtectedFolders& folders) {
    for (const std::wstring& programFiles : folders.ProgramFiles)
        if (IsWithin(path, programFiles)) return true;
    return false;
}

TPathVerdict CheckInstallPath(const std::wstring& typed, const TProtectedFolders& folders,
                              bool isAdmin, std::wstring& canonical) {
    if (!IsAbsolute(typed) || HasForbiddenCharacter(typed)) return TPathVerdict::Invalid;
    std::wstring full;
    try {
        full = vel::FullPath(typed);
    } catch (const std::exception&) {
        return TPathVerdict::Invalid;
    }
    if (IsDriveRoot(full) || IsWithin(full, folders.Windows)) return TPathVerdict::SystemFolder;
    if (!isAdmin && InProgramFiles(full, folders)) return TPathVerdict::NeedsAdmin;
    canonical = full;
    return TPathVerdict::Accepted;
}

std::wstring PathRefusalText(TPathVerdict verdict) {
    switch (verdict) {
    case TPathVerdict::NeedsAdmin:
        return L"You need to restart this app as administrator to install to that location.";
    case TPathVerdict::SystemFolder:
        return L"You can't install this app there. Windows will not like that.";
    default:
        return L"The installation path of the application is invalid!";
    }
}

} // namespace installer
