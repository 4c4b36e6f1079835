#include "lyra/files.h"

#include <windows.h>

#include "lyra/registry.h"
#include "vel/folders.h"
#include "vel/shell.h"

namespace lyra {

std::wstring GetUserShellFolder(TUserShellFolder kind) {
    return vel::GetUserShellFolderWith(kind, LyQuickReg::GetStringValue);
}

int64_t FileSizeOf(const std::wstring& path) {
    WIN32_FIND_DATAW entry;
    const vel::UniqueFind find(FindFirstFileW(path.c_str(), &entry));
    if (!find) return -1;
    return static_cast<int64_t>((static_cast<uint64_t>(entry.nFileSizeHigh) << 32) |
                                entry.nFileSizeLow);
}

void ShellRun(const std::wstring& fileName, const std::wstring& parameters) {
    vel::ShellRun(fileName, true, parameters, false, L"");
}

} // namespace lyra
