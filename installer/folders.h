#pragma once
// Small path helpers of the installation.
#include <string>

namespace installer {

bool FileExists(const std::wstring& path);

// The folder part of a path (before the last delimiter), or empty.
std::wstring FolderOf(const std::wstring& path);

// The folder with exactly one trailing delimiter.
std::wstring WithDelimiter(const std::wstring& folder);

} // namespace installer
