#pragma once
// UTF-16 <-> UTF-8 for text that leaves the program as bytes (pipes, files, HTTP bodies,
// exception messages). Pure, so it works the same on every platform.
#include <string>
#include <string_view>

namespace vel {

// Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::wstring_view text);

// Malformed or overlong sequences become U+FFFD, one per offending byte.
std::wstring FromUtf8(std::string_view bytes);

} // namespace vel
