#include "installer/uninstall_record.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <system_error>

#include "installer/config.h"
#include "installer/folders.h"
#include "vel/paths.h"
#include "vel/registry.h"
#include "vel/registry_key.h"

namespace installer {

namespace {

// Full access in the 64-bit view: the record must land where the system's list of
// installed programs looks, whatever view this process would get by default.
constexpr REGSAM kRecordAccess = KEY_ALL_ACCESS | KEY_WOW64_64KEY;

class RecordKey {
  public:
    RecordKey() {
        HKEY hive = vel::TWinRegistry::StringToHive(InstallOptions.RegistryHIVE, HKEY_CURRENT_USER);
        LSTATUS status =
            vel::CreateRegKey(hive, InstallOptions.RegistryRecord, kRecordAccess, key_);
        if (status != ERROR_SUCCESS)
            throw std::system_error(status, std::system_category(),
                                    "Cannot open the uninstall record");
    }
    void Write(const wchar_t* name, const std::wstring& value) {
        Set(name, REG_SZ, value.c_str(), (value.size() + 1) * sizeof(wchar_t));
    }
    void Write(const wchar_t* name, DWORD value) { Set(name, REG_DWORD, &value, sizeof(value)); }

  private:
    void Set(const wchar_t* name, DWORD type, const void* data, size_t size) {
        LSTATUS status = RegSetValueExW(key_.Get(), name, 0, type, static_cast<const BYTE*>(data),
                                        static_cast<DWORD>(size));
        if (status != ERROR_SUCCESS)
            throw std::system_error(status, std::system_category(),
                                    "Cannot write the uninstall record");
    }
    vel::UniqueKey key_;
};

// The date the list of installed programs shows, as YYYYMMDD in local time.
std::wstring InstallDateToday() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    wchar_t date[9];
    swprintf(date, 9, L"%04u%02u%02u", now.wYear, now.wMonth, now.wDay);
    return date;
}

} // namespace

void WriteRegistryRecord(uint64_t notCounted) {
    const TAppOptions& app = AppOptions;
    const TInstallOptions& install = InstallOptions;
    RecordKey key;
    key.Write(L"DisplayIcon", app.ExeLocation());
    key.Write(L"DisplayName", app.AppFullName);
    key.Write(L"DisplayVersion", app.ProgramVersion.ToString());
    const uint64_t size = vel::GetFolderSize(install.InstallPath);
    key.Write(L"EstimatedSize", static_cast<DWORD>((size - std::min(size, notCounted)) / 1024));
    key.Write(L"InstallLocation", install.InstallPath);
    key.Write(L"NoModify", DWORD{1});
    key.Write(L"NoRepair", DWORD{1});
    key.Write(L"Publisher", app.Publisher);
    key.Write(L"UninstallString", install.EnableUninstaller
                                      ? WithDelimiter(install.InstallPath) + L"Uninstall.exe"
                                      : app.ExeLocation());
    if (!app.HelpLink.empty()) key.Write(L"URLInfoAbout", app.HelpLink);
    if (!app.SupportLink.empty()) key.Write(L"HelpLink", app.SupportLink);
    if (!app.UpdateLink.empty()) key.Write(L"URLUpdateInfo", app.UpdateLink);
    key.Write(L"InstallDate", InstallDateToday());
    if (install.EnableUninstaller)
        key.Write(L"QuietUninstallString",
                  L"\"" + WithDelimiter(install.InstallPath) + L"Uninstall.exe\" -silent");
}

std::optional<TRecordValues> ReadRegistryRecord() {
    HKEY hive = vel::TWinRegistry::StringToHive(InstallOptions.RegistryHIVE, HKEY_CURRENT_USER);
    vel::UniqueKey record;
    if (InstallOptions.RegistryRecord.empty() ||
        vel::OpenRegKey(hive, InstallOptions.RegistryRecord, KEY_READ | KEY_WOW64_64KEY, record) !=
            ERROR_SUCCESS)
        return std::nullopt;
    TRecordValues values;
    for (DWORD index = 0;; ++index) {
        wchar_t name[16384];
        DWORD nameLength = static_cast<DWORD>(std::size(name)), type = REG_NONE, size = 0;
        if (RegEnumValueW(record.Get(), index, name, &nameLength, nullptr, &type, nullptr, &size) !=
            ERROR_SUCCESS)
            break;
        TRecordValue value{std::wstring(name, nameLength), type, std::vector<BYTE>(size)};
        if (RegQueryValueExW(record.Get(), value.Name.c_str(), nullptr, nullptr, value.Data.data(),
                             &size) == ERROR_SUCCESS) {
            value.Data.resize(size);
            values.push_back(std::move(value));
        }
    }
    return values;
}

void RestoreRegistryRecord(const TRecordValues& values) {
    HKEY hive = vel::TWinRegistry::StringToHive(InstallOptions.RegistryHIVE, HKEY_CURRENT_USER);
    vel::UniqueKey record;
    if (vel::CreateRegKey(hive, InstallOptions.RegistryRecord, kRecordAccess, record) !=
        ERROR_SUCCESS)
        return;
    // Only the values: sub-keys that someone else keeps below the record stay as they are.
    for (;;) {
        wchar_t name[16384];
        DWORD nameLength = static_cast<DWORD>(std::size(name));
        if (RegEnumValueW(record.Get(), 0, name, &nameLength, nullptr, nullptr, nullptr, nullptr) !=
                ERROR_SUCCESS ||
            RegDeleteValueW(record.Get(), name) != ERROR_SUCCESS)
            break;
    }
    for (const TRecordValue& value : values)
        RegSetValueExW(record.Get(), value.Name.c_str(), 0, value.Type, value.Data.data(),
                       static_cast<DWORD>(value.Data.size()));
}

void DeleteRegistryRecord() {
    // Before stage 1 there is no record path; an empty path would name the hive itself.
    if (InstallOptions.RegistryRecord.empty()) return;
    HKEY hive = vel::TWinRegistry::StringToHive(InstallOptions.RegistryHIVE, HKEY_CURRENT_USER);
    vel::UniqueKey record;
    if (vel::OpenRegKey(hive, InstallOptions.RegistryRecord, kRecordAccess, record) !=
        ERROR_SUCCESS)
        return;
    RegDeleteTreeW(record.Get(), nullptr);
    record.Reset();
    RegDeleteKeyExW(hive, InstallOptions.RegistryRecord.c_str(), KEY_WOW64_64KEY, 0);
}

} // namespace installer
