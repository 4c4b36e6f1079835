#include "installer/payload.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "installer/file_writer.h"
#include "vel/handle.h"
#include "vel/parameters.h"

namespace installer {

namespace {

[[noreturn]] void Damaged(const std::string& what) {
    throw std::runtime_error("The installer is damaged: " + what);
}

// Where mapped bytes of the executable lie in its file: their distance from the image
// base is a relative address, which the section holding them turns into a file offset.
uint64_t FileOffsetOf(std::span<const std::byte> mapped) {
    const auto* base = reinterpret_cast<const std::byte*>(GetModuleHandleW(nullptr));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const uint64_t address = static_cast<uint64_t>(mapped.data() - base);
    const IMAGE_SECTION_HEADER* section = IMAGE_FIRST_SECTION(nt);
    for (WORD i = 0; i < nt->FileHeader.NumberOfSections; ++i, ++section)
        if (address >= section->VirtualAddress &&
            address + mapped.size() <= uint64_t{section->VirtualAddress} + section->SizeOfRawData)
            return address - section->VirtualAddress + section->PointerToRawData;
    Damaged("a resource lies outside its sections");
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
    LARGE_INTEGER at{};
    at.QuadPart = static_cast<LONGLONG>(FileOffsetOf(resource));
    vel::UniqueHandle self(CreateFileW(vel::OwnExecutablePath().c_str(), GENERIC_READ,
                                       FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr,
                                       OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!self || !SetFilePointerEx(self.Get(), at, nullptr, FILE_BEGIN))
        ThrowLastError("Cannot read the installer's own file");
    LARGE_INTEGER zero{};
    if (!SetFilePointerEx(file, zero, nullptr, FILE_BEGIN)) ThrowLastError("Cannot write the file");
    std::vector<std::byte> buffer(1 << 20);
    for (size_t left = resource.size(); left > 0;) {
        const DWORD part = static_cast<DWORD>(std::min(buffer.size(), left));
        DWORD got = 0;
        if (!ReadFile(self.Get(), buffer.data(), part, &got, nullptr))
            ThrowLastError("Cannot read the installer's own file");
        if (got != part) Damaged("its file ends inside a resource");
        Append(file, std::span(buffer).first(part));
        left -= part;
    }
    if (!SetEndOfFile(file)) ThrowLastError("Cannot write the file");
}

void WritePayloadFile(const wchar_t* name, const std::wstring& file) {
    WriteWholeFile(file, PayloadResource(name));
}

} // namespace installer
