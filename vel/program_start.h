#pragma once
// Starting programs without the search path: system programs by their full System32 path,
// and programs for the signed-in user from an elevated process.
#include <string>

#include "vel/handle.h"

namespace vel {

// Starts a program of System32 (e.g. L"taskkill.exe") by its full path, with System32 as
// its working folder, so a program of that name in the current folder or on the search
// path is never run. Hidden programs get no console window. Returns the new process, or
// an empty handle with the system's error.
UniqueHandle StartSystemProgram(const std::wstring& fileName, const std::wstring& arguments,
                                bool visible);

// Starts a program without administrator rights from an elevated process: as the user
// whose desktop shell is running (with the token of the process that owns the shell's
// desktop window, GetShellWindow), so an elevated installer starts the application as the
// user who started it. Without a shell window (no desktop shell is running) it runs with
// a restricted copy of this process's token: the Administrators group for deny only, no
// privileges but the change-notify one, medium integrity. Returns an empty handle with the
// system's error when neither works; nothing is then started with this process's rights.
UniqueHandle StartUnelevated(const std::wstring& program, const std::wstring& arguments,
                             const std::wstring& folder, bool visible);

} // namespace vel
