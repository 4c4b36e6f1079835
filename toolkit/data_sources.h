#pragma once
// Bytes from the program's resources and from files, and their text.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace toolkit {

// The bytes of an RCDATA resource of the program, or nothing when there is none. They live
// as long as the program.
std::optional<std::span<const std::uint8_t>> FindResourceData(const std::wstring& name);
// A whole file; throws Error naming the file when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::wstring& path);
// UTF-8 (with or without a byte order mark) as UTF-16; throws Error when it is not UTF-8.
std::wstring Utf8ToWide(std::span<const std::uint8_t> bytes);

} // namespace toolkit
