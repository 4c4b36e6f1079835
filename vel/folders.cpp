#include "vel/folders.h"

#include <windows.h>

#include <system_error>
#include <vector>

namespace vel {

std::wstring ExtendedLengthPath(const std::wstring& path) {
    if (path.starts_with(L"\\\\?\\")) return path;
    std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
    if (full.empty()) return path;
    full.resize(
        GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    if (full.starts_with(L"\\\\.\\")) return full; // a device, not a file path
    if (full.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(ExtendedLengthPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {
// Paths here are extended-length and have no trailing backslash. Each returns 0 when the
// folder exists afterwards, else the Windows error.
DWORD TryCreateFolder(const std::wstring& folder) {
    if (CreateDirectoryW(folder.c_str(), nullptr)) return ERROR_SUCCESS;
    const DWORD error = GetLastError();
    return error == ERROR_ALREADY_EXISTS && FolderExists(folder) ? ERROR_SUCCESS : error;
}

// Creates the folder and its missing parents, appending each folder it created.
DWORD CreateFolderWithParents(const std::wstring& folder, std::vector<std::wstring>& created) {
    if (FolderExists(folder)) return ERROR_SUCCESS;
    DWORD error = TryCreateFolder(folder);
    if (error == ERROR_PATH_NOT_FOUND) {
        const size_t slash = folder.rfind(L'\\');
        if (slash == std::wstring::npos || slash < 4) return error; // only the "\\?\" prefix is left
        if (const DWORD parentError = CreateFolderWithParents(folder.substr(0, slash), created))
            return parentError;
        error = TryCreateFolder(folder);
    }
    if (error == ERROR_SUCCESS) created.push_back(folder);
    return error;
}
} // namespace

std::vector<std::wstring> CreateFolderTree(const std::wstring& folder) {
    std::wstring path = ExtendedLengthPath(folder);
    // Keep the backslash of a drive's root: "\\?\C:" alone names the volume, not its folder.
    while (path.size() > 4 && path.back() == L'\\' && path[path.size() - 2] != L':')
        path.pop_back();
    std::vector<std::wstring> created;
    if (const DWORD error = CreateFolderWithParents(path, created))
        throw std::system_error(static_cast<int>(error), std::system_category());
    return created;
}

} // namespace vel
