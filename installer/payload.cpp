#include "installer/payload.h"

#include <windows.h>

#include <stdexcept>
#include <system_error>

#include "installer/file_writer.h"

namespace installer {

std::span<const std::byte> PayloadResource(const wchar_t* name) {
    HRSRC info = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = info ? LoadResource(nullptr, info) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) {
        std::wstring wide = name;
        throw std::runtime_error("The installer is damaged: its resource " +
                                 std::string(wide.begin(), wide.end()) + " is missing");
    }
    return {static_cast<const std::byte*>(data), SizeofResource(nullptr, info)};
}

void WritePayloadFile(const wchar_t* name, const std::wstring& file) {
    WriteWholeFile(file, PayloadResource(name));
}

} // namespace installer
