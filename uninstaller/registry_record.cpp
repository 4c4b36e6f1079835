#include "uninstaller/registry_record.h"

#include "uninstaller/paths.h"
#include "vel/registry_copy.h"
#include "vel/registry_key.h"

namespace uninstaller {

namespace {

constexpr wchar_t kUninstallRoot[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

std::wstring InstallLocation(HKEY key) {
    vel::TRegValue value;
    if (vel::ReadRegValue(key, L"InstallLocation", value) != ERROR_SUCCESS) return L"";
    return vel::DecodeText(value).value_or(L"");
}

} // namespace

HKEY HiveFromName(const std::wstring& name) {
    if (EqualNames(name, L"HKEY_CURRENT_USER")) return HKEY_CURRENT_USER;
    if (EqualNames(name, L"HKEY_LOCAL_MACHINE")) return HKEY_LOCAL_MACHINE;
    return nullptr;
}

bool IsUninstallRecordPath(const std::wstring& path) {
    const std::wstring root = kUninstallRoot;
    if (path.size() <= root.size() || !EqualNames(path.substr(0, root.size()), root)) return false;
    const std::wstring name = path.substr(root.size());
    return name.find(L'\\') == std::wstring::npos && name != L"." && name != L"..";
}

TRecordRemoval RemoveRegistryRecord(HKEY hive, const std::wstring& path,
                                    const std::wstring& installFolder) {
    vel::UniqueKey key;
    LSTATUS status = vel::OpenRegKey(hive, path, KEY_QUERY_VALUE | KEY_WOW64_64KEY, key);
    if (vel::IsMissing(status)) return TRecordRemoval::Missing;
    if (status != ERROR_SUCCESS) return TRecordRemoval::Failed;
    const std::wstring location = InstallLocation(key.Get());
    if (!location.empty() && !SamePath(location, installFolder))
        return TRecordRemoval::OtherInstall;
    key.Reset();
    status = vel::DeleteKeyTree(hive, path, KEY_WOW64_64KEY);
    if (status == ERROR_SUCCESS || vel::IsMissing(status)) return TRecordRemoval::Removed;
    return TRecordRemoval::Failed;
}

} // namespace uninstaller
