#pragma once
// Files and folders that someone else may have planted: opened without following a
// junction or symbolic link, checked on the open handle, and deleted through it. A check
// by path followed by a use by path leaves a moment in which the path can be swapped.
#include <windows.h>

#include <string>

#include "vel/handle.h"

namespace vel {

// CreateFileW with FILE_FLAG_OPEN_REPARSE_POINT (and FILE_FLAG_BACKUP_SEMANTICS, so
// folders open too). When what was opened is a reparse point (a junction, a symbolic
// link), the handle is closed and the result is empty with ERROR_STOPPED_ON_SYMLINK.
UniqueHandle OpenUnfollowed(const std::wstring& path, DWORD access, DWORD share, DWORD disposition,
                            DWORD flags = 0);

// The open file or folder is a junction, a symbolic link or another reparse point.
bool IsReparsePoint(HANDLE file);

// Deletes what the handle (opened with DELETE access) refers to, whatever its name is
// now. A folder must be empty. The name goes when the last handle is closed.
bool DeleteThroughHandle(HANDLE file);

// Some existing part of the path (the folder itself or one above it) is a junction or a
// symbolic link. The parts that do not exist yet are not looked at.
bool PathPassesThroughLink(const std::wstring& path);

} // namespace vel
