#pragma once
// The framework's path functions: the utility library's expansion and version functions,
// the user's shell folders read through LyQuickReg, and two small file helpers.
#include <cstdint>
#include <string>

#include "vel/paths.h"

namespace lyra {

using vel::ExpandEnvironmentMacros;
using vel::ExpandPathMacros;
using vel::ExpandShellFolders;
using vel::GetWindowsVersionNumber;
using vel::TUserShellFolder;

// As vel::GetUserShellFolder, with failures shown the framework's way.
std::wstring GetUserShellFolder(TUserShellFolder kind);

// The size in bytes of the first file matching path (wildcards allowed), or -1 when none does.
int64_t FileSizeOf(const std::wstring& path);

// Opens a file or starts a program through the shell, shown normally; failures are not reported.
void ShellRun(const std::wstring& fileName, const std::wstring& parameters);

} // namespace lyra
