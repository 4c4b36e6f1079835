#include "vel/kept_files.h"

#include <atomic>

#include "vel/folders.h"

namespace vel {

namespace {

DWORD CheckIsFile(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(ExtendedLengthPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_PATH_NOT_FOUND ? ERROR_FILE_NOT_FOUND : error;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

// Tries names beside the file until one is free; place makes the kept content there.
template <class Place> DWORD KeepBeside(const std::wstring& path, TKeptFile& kept, Place place) {
    if (const DWORD error = CheckIsFile(path); error != ERROR_SUCCESS) return error;
    static std::atomic<unsigned> counter{0};
    for (;;) {
        const std::wstring candidate = path + L".~qp" + std::to_wstring(GetCurrentProcessId()) +
                                       L"-" + std::to_wstring(counter++) + L".old";
        if (place(ExtendedLengthPath(path), ExtendedLengthPath(candidate))) {
            kept = {path, candidate};
            return ERROR_SUCCESS;
        }
        const DWORD error = GetLastError();
        if (error != ERROR_ALREADY_EXISTS && error != ERROR_FILE_EXISTS) return error;
    }
}

} // namespace

DWORD KeepAside(const std::wstring& path, TKeptFile& kept) {
    return KeepBeside(path, kept, [](const std::wstring& from, const std::wstring& to) {
        return MoveFileExW(from.c_str(), to.c_str(), 0) != 0;
    });
}

DWORD KeepCopy(const std::wstring& path, TKeptFile& kept) {
    return KeepBeside(path, kept, [](const std::wstring& from, const std::wstring& to) {
        return CopyFileW(from.c_str(), to.c_str(), TRUE) != 0;
    });
}

bool PutBack(const TKeptFile& kept) {
    return MoveFileExW(ExtendedLengthPath(kept.KeptAs).c_str(),
                       ExtendedLengthPath(kept.Path).c_str(), MOVEFILE_REPLACE_EXISTING) != 0;
}

bool PutBackAll(const std::vector<TKeptFile>& kept) {
    bool all = true;
    for (auto file = kept.rbegin(); file != kept.rend(); ++file)
        all = PutBack(*file) && all;
    return all;
}

void DiscardAll(const std::vector<TKeptFile>& kept) {
    for (const TKeptFile& file : kept) {
        const std::wstring path = ExtendedLengthPath(file.KeptAs);
        const DWORD attributes = GetFileAttributesW(path.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        if (!DeleteFileW(path.c_str()))
            MoveFileExW(path.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    }
}

} // namespace vel
