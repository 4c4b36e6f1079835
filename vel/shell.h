#pragma once
// Starting programs and documents through the shell, the administrator test and
// shortcut files.
#include <string>

namespace vel {

// Starts file through the shell: verb "runas" (asks for elevation) when admin is true,
// else "open"; shown normally or hidden. Failures are not reported.
void ShellRun(const std::wstring& file, bool visible, const std::wstring& parameters, bool admin,
              const std::wstring& folder);

// The process token is a member of the built-in Administrators group (elevated).
bool IsAdministrator();

// Writes a shell shortcut file. COM must be initialised on this thread. Throws
// std::runtime_error when the shell link object cannot be created; the individual
// settings and the save are not checked.
void CreateShortcut(const std::wstring& target, const std::wstring& shortcut, const std::wstring& description,
                    const std::wstring& arguments);

} // namespace vel
