#include "installer/folders.h"

#include <windows.h>

#include "vel/folders.h"

namespace installer {

bool FileExists(const std::wstring& path) {
    DWORD a = GetFileAttributesW(vel::ExtendedLengthPath(path).c_str());
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FolderOf(const std::wstring& path) {
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"" : path.substr(0, slash);
}

std::wstring WithDelimiter(const std::wstring& folder) {
    std::wstring result = folder;
    while (!result.empty() && (result.back() == L'\\' || result.back() == L'/'))
        result.pop_back();
    return result + L'\\';
}

} // namespace installer
