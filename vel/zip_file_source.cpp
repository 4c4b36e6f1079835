#include "vel/zip_file_source.h"

#include <algorithm>

#include "vel/zip_error.h"
#include "vel/zip_files.h"

namespace vel {

namespace {

constexpr size_t kLargestRead = 1u << 30;

ZipError ReadError(DWORD error) {
    return ZipError(L"The archive cannot be read: " + SystemErrorText(error));
}

} // namespace

ZipFileSource::ZipFileSource(UniqueHandle file) : file_(std::move(file)) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file_.Get(), &size)) throw ReadError(GetLastError());
    size_ = static_cast<uint64_t>(size.QuadPart);
}

void ZipFileSource::Read(uint64_t offset, void* buffer, size_t size) {
    auto* out = static_cast<uint8_t*>(buffer);
    while (size > 0) {
        OVERLAPPED at{};
        at.Offset = static_cast<DWORD>(offset);
        at.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD got = 0;
        const DWORD chunk = static_cast<DWORD>(std::min(size, kLargestRead));
        if (!ReadFile(file_.Get(), out, chunk, &got, &at)) {
            DWORD error = GetLastError();
            // A handle opened for overlapped I/O completes later; wait for it here.
            if (error == ERROR_IO_PENDING && GetOverlappedResult(file_.Get(), &at, &got, TRUE))
                error = ERROR_SUCCESS;
            else if (error == ERROR_IO_PENDING)
                error = GetLastError();
            if (error == ERROR_HANDLE_EOF)
                got = 0;
            else if (error != ERROR_SUCCESS)
                throw ReadError(error);
        }
        if (got == 0) throw DamagedArchive(L"it ends early");
        out += got;
        offset += got;
        size -= got;
    }
}

} // namespace vel
