#include "toolkit/data_sources.h"

#include "toolkit/error.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace toolkit {

std::optional<std::span<const std::uint8_t>> FindResourceData(const std::wstring& name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!resource) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, resource);
    if (!loaded) return std::nullopt;
    auto* data = static_cast<const std::uint8_t*>(LockResource(loaded));
    return std::span<const std::uint8_t>(data, SizeofResource(module, resource));
}

std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path) {
    std::ifstream file(std::filesystem::path(path), std::ios::binary);
    if (!file) throw Error(L"Cannot open the file " + path);
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                    std::istreambuf_iterator<char>());
    if (file.bad()) throw Error(L"Cannot read the file " + path);
    return bytes;
}

std::wstring Utf8ToWide(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 3 && bytes[0] == 0xEF && bytes[1] == 0xBB && bytes[2] == 0xBF)
        bytes = bytes.subspan(3);
    if (bytes.empty()) return {};
    auto* text = reinterpret_cast<const char*>(bytes.data());
    int size =
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, int(bytes.size()), nullptr, 0);
    if (size <= 0) throw Error(L"The text is not valid UTF-8");
    std::wstring result(size, L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text, int(bytes.size()), result.data(),
                        size);
    return result;
}

} // namespace toolkit
