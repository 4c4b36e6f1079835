#include "vel/unfollowed_files.h"

#include "vel/folders.h"

namespace vel {

namespace {
// ERROR_STOPPED_ON_SYMLINK, which MinGW's headers lack.
constexpr DWORD kStoppedOnLink = 681;
} // namespace

bool IsReparsePoint(HANDLE file) {
    FILE_BASIC_INFO info{};
    return !GetFileInformationByHandleEx(file, FileBasicInfo, &info, sizeof(info)) ||
           (info.FileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

UniqueHandle OpenUnfollowed(const std::wstring& path, DWORD access, DWORD share, DWORD disposition,
                            DWORD flags) {
    UniqueHandle file(
        CreateFileW(ExtendedLengthPath(path).c_str(), access, share, nullptr, disposition,
                    flags | FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (file && IsReparsePoint(file.Get())) {
        file.Reset();
        SetLastError(kStoppedOnLink);
    }
    return file;
}

bool DeleteThroughHandle(HANDLE file) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof(disposition));
}

bool PathPassesThroughLink(const std::wstring& path) {
    const std::wstring full = ExtendedLengthPath(path);
    // Each prefix that ends before a delimiter, after the root ("\\?\C:\", a share).
    const size_t rootEnd = full.find(L'\\', full.starts_with(L"\\\\?\\UNC\\") ? 8 : 4);
    if (rootEnd == std::wstring::npos) return false;
    for (size_t end = full.find(L'\\', rootEnd + 1);; end = full.find(L'\\', end + 1)) {
        const DWORD attributes = GetFileAttributesW(full.substr(0, end).c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) return false;
        if (attributes & FILE_ATTRIBUTE_REPARSE_POINT) return true;
        if (end == std::wstring::npos) return false;
    }
}

} // namespace vel
