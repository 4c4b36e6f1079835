#include "installer/payload.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <system_error>

#include "installer/file_writer.h"

namespace installer {

namespace {

[[noreturn]] void Damaged(const std::string& what) {
    throw std::runtime_error("The installer is damaged: " + what);
}

} // namespace

std::span<const std::byte> PayloadResource(const wchar_t* name) {
    HRSRC info = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = info ? LoadResource(nullptr, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        std::wstring wide = name;
        Damaged("its resource " + std::string(wide.begin(), wide.end()) + " is missing");
    }
    return {static_cast<const std::byte*>(data), SizeofResource(nullptr, info)};
}

void CopyPayloadResource(const wchar_t* name, HANDLE file) {
    const std::span<const std::byte> resource = PayloadResource(name);
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(file, zero, nullptr, FILE_BEGIN)) ThrowLastError("Cannot write the file");
    constexpr size_t kPart = 4 << 20;
    for (size_t done = 0; done < resource.size(); done += kPart) {
        const std::span<const std::byte> part =
            resource.subspan(done, std::min(kPart, resource.size() - done));
        Append(file, part);
        // Unlocking pages that were never locked takes them out of the working set, so it
        // does not grow with the payload.
        VirtualUnlock(const_cast<std::byte*>(part.data()), part.size());
    }
    if (!SetEndOfFile(file)) ThrowLastError("Cannot write the file");
}

void WritePayloadFile(const wchar_t* name, const std::wstring& file) {
    WriteWholeFile(file, PayloadResource(name));
}

} // namespace installer
