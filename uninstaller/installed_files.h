#pragma once
// InstalledFiles.lst, which the installer keeps beside the report: every file it wrote
// ("F <path>") and folder it created ("D <path>"), relative to the install folder. UTF-8
// with CR LF line ends; lines starting with ";" are comments.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace uninstaller {

struct TInstalledFiles {
    std::vector<std::wstring> Files;   // relative paths, checked and normalised
    std::vector<std::wstring> Folders; // relative paths, checked and normalised
    std::vector<std::wstring> Refused; // lines that are no entry or name an unsafe path
};

// Parses the list's text (already decoded). Never fails: what cannot be trusted lands
// in Refused and is left alone.
TInstalledFiles ParseInstalledFiles(std::wstring_view text);

// The path in "\"-separated form when it stays inside the folder it is relative to:
// not absolute, no drive or stream (":"), no "." or ".." parts, no wildcard or reserved
// characters, and no part ending in a dot or space (Windows would trim those and could
// so turn "..." into ".."). Nothing otherwise.
std::optional<std::wstring> SafeRelativePath(std::wstring_view path);

} // namespace uninstaller

namespace uninstaller {

// Reads and parses InstalledFiles.lst in the install folder; nothing when it is missing
// or cannot be read (an installation by an older installer has none).
std::optional<TInstalledFiles> ReadInstalledFiles(const std::wstring& installFolder);

} // namespace uninstaller
