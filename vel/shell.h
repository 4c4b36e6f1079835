#pragma once
// Starting programs and documents through the shell, the administrator test and
// shortcut files.
#include <string>

#include "vel/handle.h"

namespace vel {

// Starts file through the shell: verb "runas" (asks for elevation) when admin is true,
// else "open"; shown normally or hidden. Failures are not reported.
void ShellRun(const std::wstring& file, bool visible, const std::wstring& parameters, bool admin,
              const std::wstring& folder);

// Starts file with parameters through the shell, shown normally, and returns the new
// process so the caller can wait for it; "runas" when admin is true. The handle is
// empty when nothing was started (the file is missing, or the user declined elevation).
UniqueHandle ShellStartProcess(const std::wstring& file, const std::wstring& parameters,
                               bool admin);

// The process token is a member of the built-in Administrators group (elevated).
bool IsAdministrator();

// Writes a shell shortcut file. COM must be initialised on this thread. Throws
// std::runtime_error when the shell link object cannot be created; the individual
// settings and the save are not checked.
void CreateShortcut(const std::wstring& target, const std::wstring& shortcut,
                    const std::wstring& description, const std::wstring& arguments);

} // namespace vel
