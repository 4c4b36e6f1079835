#include "uninstaller/registry_record.h"

#include "uninstaller/paths.h"

namespace uninstaller {

namespace {

constexpr wchar_t kUninstallRoot[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

class UniqueKey {
  public:
    ~UniqueKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY* Out() { return &key_; }
    HKEY Get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

std::wstring InstallLocation(HKEY key) {
    DWORD size = 0;
    if (RegGetValueW(key, nullptr, L"InstallLocation", RRF_RT_REG_SZ, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return L"";
    std::wstring value(size / sizeof(wchar_t) + 1, L'\0');
    size = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (RegGetValueW(key, nullptr, L"InstallLocation", RRF_RT_REG_SZ, nullptr, value.data(),
                     &size) != ERROR_SUCCESS)
        return L"";
    value.resize(value.find(L'\0'));
    return value;
}

bool IsMissing(LSTATUS status) {
    return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND;
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
    UniqueKey key;
    LSTATUS status = RegOpenKeyExW(hive, path.c_str(), 0,
                                   KEY_READ | DELETE | KEY_SET_VALUE | KEY_WOW64_64KEY, key.Out());
    if (IsMissing(status)) return TRecordRemoval::Missing;
    if (status != ERROR_SUCCESS) return TRecordRemoval::Failed;
    const std::wstring location = InstallLocation(key.Get());
    if (!location.empty() && !SamePath(location, installFolder))
        return TRecordRemoval::OtherInstall;
    status = RegDeleteTreeW(key.Get(), nullptr);
    if (status == ERROR_SUCCESS) status = RegDeleteKeyExW(hive, path.c_str(), KEY_WOW64_64KEY, 0);
    if (status == ERROR_SUCCESS || IsMissing(status)) return TRecordRemoval::Removed;
    return TRecordRemoval::Failed;
}

} // namespace uninstaller
