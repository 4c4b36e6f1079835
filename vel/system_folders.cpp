#include "vel/system_folders.h"

#include <objbase.h>

namespace vel {

namespace {
template <class Query> std::wstring FolderFrom(Query query) {
    wchar_t folder[MAX_PATH + 1];
    const UINT n = query(folder, static_cast<UINT>(std::size(folder)));
    return n > 0 && n < std::size(folder) ? std::wstring(folder, n) : std::wstring();
}
} // namespace

std::wstring SystemWindowsFolder() {
    return FolderFrom(GetSystemWindowsDirectoryW);
}

std::wstring SystemFolder() {
    return FolderFrom(GetSystemDirectoryW);
}

std::wstring SystemProgram(const std::wstring& fileName) {
    return SystemFolder() + L"\\" + fileName;
}

std::wstring KnownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, KF_FLAG_DONT_VERIFY, nullptr, &path)) && path)
        folder = path;
    CoTaskMemFree(path);
    while (folder.size() > 3 && folder.back() == L'\\')
        folder.pop_back();
    return folder;
}

} // namespace vel
