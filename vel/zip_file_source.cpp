#include "vel/zip_file_source.h"

#include <algorithm>
#include <cstring>

#include "vel/zip_error.h"
#include "vel/zip_files.h"

namespace vel {

namespace {

constexpr size_t kLargestRead = 1u << 30;
// Reads this large or larger go straight to the caller's buffer.
constexpr size_t kWindowSize = 1u << 20;

ZipError ReadError(DWORD error) {
    return ZipError(L"The archive cannot be read: " + SystemErrorText(error));
}

} // namespace

ZipFileSource::ZipFileSource(UniqueHandle file) : file_(std::move(file)), window_(kWindowSize) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file_.Get(), &size)) throw ReadError(GetLastError());
    size_ = static_cast<uint64_t>(size.QuadPart);
}

void ZipFileSource::Read(uint64_t offset, void* buffer, size_t size) {
    if (offset >= windowStart_ && offset - windowStart_ <= windowLength_ &&
        size <= windowLength_ - (offset - windowStart_)) {
        std::memcpy(buffer, window_.data() + (offset - windowStart_), size);
        return;
    }
    // Large reads, and reads past the end (which fail as they always did), bypass the window.
    if (size >= kWindowSize || offset > size_ || size > size_ - offset) {
        ReadFromFile(offset, buffer, size);
        return;
    }
    const size_t length = static_cast<size_t>(std::min<uint64_t>(kWindowSize, size_ - offset));
    windowLength_ = 0; // nothing valid should the read fail
    ReadFromFile(offset, window_.data(), length);
    windowStart_ = offset;
    windowLength_ = length;
    std::memcpy(buffer, window_.data(), size);
}

void ZipFileSource::ReadFromFile(uint64_t offset, void* buffer, size_t size) {
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
