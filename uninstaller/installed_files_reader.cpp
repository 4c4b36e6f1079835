#include <windows.h>

#include "uninstaller/install_report.h"
#include "uninstaller/installed_files.h"
#include "uninstaller/paths.h"
#include "vel/handle.h"
#include "vel/utf8.h"

namespace uninstaller {

std::optional<TInstalledFiles> ReadInstalledFiles(const std::wstring& installFolder) {
    vel::UniqueHandle file(CreateFileW(JoinPath(installFolder, kInstalledFilesName).c_str(),
                                       GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return std::nullopt;
    std::string bytes;
    char buffer[16384];
    DWORD got = 0;
    while (true) {
        if (!ReadFile(file.Get(), buffer, sizeof(buffer), &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return ParseInstalledFiles(vel::FromUtf8(bytes));
}

} // namespace uninstaller
