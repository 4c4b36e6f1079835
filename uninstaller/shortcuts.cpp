#include "uninstaller/shortcuts.h"

#include <windows.h>

#include <objbase.h>
#include <shlobj.h>

#include "uninstaller/file_removal.h"
#include "uninstaller/paths.h"
#include "vel/com_ptr.h"
#include "vel/paths.h"

namespace uninstaller {

std::vector<std::wstring> ReportedShortcuts(const TInstallReport& report) {
    std::vector<std::wstring> shortcuts;
    const std::wstring file = report.Name + L".lnk";
    if (report.ShortcutMenu)
        shortcuts.push_back(
            JoinPath(vel::GetUserShellFolder(vel::TUserShellFolder::Programs), file));
    if (report.ShortcutDesktop)
        shortcuts.push_back(
            JoinPath(vel::GetUserShellFolder(vel::TUserShellFolder::Desktop), file));
    return shortcuts;
}

bool ShortcutPointsAt(const std::wstring& shortcut, const std::wstring& executable) {
    vel::ComPtr<IShellLinkW> link;
    vel::ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                reinterpret_cast<void**>(link.Out()))) ||
        FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out()))) ||
        FAILED(file->Load(shortcut.c_str(), STGM_READ)))
        return false;
    std::wstring target(32768, L'\0');
    if (link->GetPath(target.data(), static_cast<int>(target.size()), nullptr, SLGP_RAWPATH) !=
        S_OK)
        return false;
    target.resize(target.find(L'\0'));
    return SamePath(target, executable);
}

std::vector<std::wstring> RemoveShortcuts(const TInstallReport& report,
                                          const std::wstring& installFolder) {
    std::vector<std::wstring> remaining;
    if (!IsInsideFolder(installFolder, report.Executable)) return remaining;
    for (const std::wstring& shortcut : ReportedShortcuts(report))
        if (FileExists(shortcut) && ShortcutPointsAt(shortcut, report.Executable) &&
            !RemoveFile(shortcut))
            remaining.push_back(shortcut);
    return remaining;
}

} // namespace uninstaller
