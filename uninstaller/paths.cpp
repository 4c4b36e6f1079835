#include "uninstaller/paths.h"

#include <windows.h>

#include <exception>

#include "vel/folders.h"
#include "vel/paths.h"
#include "vel/zip_files.h"

namespace uninstaller {

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty()) return name;
    return folder.back() == L'\\' ? folder + name : folder + L"\\" + name;
}

std::wstring ParentFolder(const std::wstring& path) {
    size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? L"" : path.substr(0, slash);
}

bool FileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(vel::ExtendedLengthPath(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool EqualNames(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                static_cast<int>(b.size()), TRUE) == CSTR_EQUAL;
}

namespace {

// The long form of the longest existing leading part, the rest appended unchanged.
std::wstring LongForm(const std::wstring& path) {
    DWORD n = GetLongPathNameW(path.c_str(), nullptr, 0);
    if (n > 0) {
        std::wstring longer(n, L'\0');
        n = GetLongPathNameW(path.c_str(), longer.data(), n);
        longer.resize(n);
        return longer;
    }
    size_t slash = path.find_last_of(L'\\');
    if (slash == std::wstring::npos || slash + 1 >= path.size() || slash < 3) return path;
    return JoinPath(LongForm(path.substr(0, slash)), path.substr(slash + 1));
}

} // namespace

std::wstring NormalizedPath(const std::wstring& path) {
    if (path.empty()) return path;
    try {
        return LongForm(vel::FullPath(vel::ExpandEnvironmentMacros(path)));
    } catch (const std::exception&) {
        return path; // not a usable path: compared as written
    }
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    if (a.empty() || b.empty()) return false;
    return EqualNames(NormalizedPath(a), NormalizedPath(b));
}

bool IsInsideFolder(const std::wstring& folder, const std::wstring& path) {
    if (folder.empty() || path.empty()) return false;
    std::wstring base = NormalizedPath(folder);
    if (base.back() != L'\\') base += L'\\';
    const std::wstring full = NormalizedPath(path);
    return full.size() > base.size() && EqualNames(full.substr(0, base.size()), base);
}

} // namespace uninstaller
