#include "installer/file_writer.h"

#include <windows.h>

#include <system_error>

namespace installer {

void ThrowLastError(const std::string& what) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

std::string ReadWholeFile(const std::wstring& file) {
    vel::UniqueHandle in(CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                     OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!in || !GetFileSizeEx(in.Get(), &size) || size.QuadPart > (64 << 20)) return {};
    std::string data(static_cast<size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    if (!ReadFile(in.Get(), data.data(), static_cast<DWORD>(data.size()), &got, nullptr)) return {};
    data.resize(got);
    return data;
}

void WriteAll(HANDLE file, std::span<const std::byte> data) {
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(file, zero, nullptr, FILE_BEGIN)) ThrowLastError("Cannot write the file");
    Append(file, data);
    if (!SetEndOfFile(file)) ThrowLastError("Cannot write the file");
}

void Append(HANDLE file, std::span<const std::byte> data) {
    constexpr size_t kChunk = 4 << 20;
    for (size_t done = 0; done < data.size();) {
        DWORD part = static_cast<DWORD>(std::min(kChunk, data.size() - done));
        DWORD written = 0;
        if (!WriteFile(file, data.data() + done, part, &written, nullptr) || written != part)
            ThrowLastError("Cannot write the file");
        done += part;
    }
}

void WriteWholeFile(const std::wstring& file, std::span<const std::byte> data) {
    const std::wstring partial = file + L".partial";
    {
        vel::UniqueHandle out(CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!out) ThrowLastError("Cannot create the file");
        try {
            WriteAll(out.Get(), data);
        } catch (...) {
            out.Reset();
            DeleteFileW(partial.c_str());
            throw;
        }
    }
    if (!MoveFileExW(partial.c_str(), file.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DWORD error = GetLastError();
        DeleteFileW(partial.c_str());
        SetLastError(error);
        ThrowLastError("Cannot replace the file");
    }
}

} // namespace installer
