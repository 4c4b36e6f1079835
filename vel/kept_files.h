#pragma once
// Files moved aside (or copied aside) under a temporary name in their own folder, so the
// move is a rename on the same volume, until they are put back or thrown away. An update
// keeps the files it replaces this way until it has succeeded, so a failure can give the
// earlier version back byte for byte.
#include <windows.h>

#include <string>
#include <vector>

namespace vel {

struct TKeptFile {
    std::wstring Path;   // where the file belongs
    std::wstring KeptAs; // where its earlier content waits meanwhile
};

// Renames the file at path aside. Returns ERROR_SUCCESS with kept filled in, or the
// system's error: ERROR_FILE_NOT_FOUND when there is no file, ERROR_ACCESS_DENIED for
// a folder.
DWORD KeepAside(const std::wstring& path, TKeptFile& kept);

// Copies the file at path aside, for a file that is then updated in place. Returns as
// KeepAside does.
DWORD KeepCopy(const std::wstring& path, TKeptFile& kept);

// Moves the kept content back over whatever has the file's name now; false when that
// failed (the kept file then stays where it is, so nothing is lost).
bool PutBack(const TKeptFile& kept);

// Puts back a list, newest first; false when any of them could not be put back.
bool PutBackAll(const std::vector<TKeptFile>& kept);

// Deletes the kept content (also a read-only file). A file that cannot be deleted now
// (an earlier program file still running) goes when the system restarts, where allowed.
void DiscardAll(const std::vector<TKeptFile>& kept);

} // namespace vel
