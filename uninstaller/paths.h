#pragma once
// Path comparisons that follow the file system's rules: case-insensitive, short (8.3)
// and long names alike, trailing delimiters ignored.
#include <string>

namespace uninstaller {

// folder and name joined by exactly one "\".
std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

// The part before the last "\" (no trailing delimiter); empty when there is none.
std::wstring ParentFolder(const std::wstring& path);

bool FileExists(const std::wstring& path);

// The absolute path with environment variables expanded, "." and ".." resolved, long names for the
// parts that exist and no trailing delimiter (except for a drive root).
std::wstring NormalizedPath(const std::wstring& path);

// Both name the same file or folder.
bool SamePath(const std::wstring& a, const std::wstring& b);

// path lies inside folder (at any depth), not the folder itself.
bool IsInsideFolder(const std::wstring& folder, const std::wstring& path);

// Equal in the file system's case-insensitive sense.
bool EqualNames(const std::wstring& a, const std::wstring& b);

} // namespace uninstaller
