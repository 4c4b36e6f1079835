#pragma once
// Entry names as the archive stores them: UTF-8 when the entry says so (general-purpose
// flag bit 11 or an Info-ZIP Unicode path field) or when it was made on Unix and its
// name is valid UTF-8, otherwise the original IBM PC code page 437.
#include <optional>
#include <string>
#include <string_view>

namespace vel {

// Strict UTF-8: overlong forms, surrogates, values above U+10FFFF and cut sequences
// give no result, since a name that decodes loosely could hide a different path.
std::optional<std::wstring> DecodeUtf8(std::string_view bytes);

// Every byte maps to one character; 0x00-0x7F are ASCII.
std::wstring DecodeCp437(std::string_view bytes);

// UTF-16 to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string EncodeUtf8(std::wstring_view text);

} // namespace vel
