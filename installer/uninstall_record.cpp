#include "installer/uninstall_record.h"

#include <windows.h>

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

void WriteRegistryRecord() {
    const TAppOptions& app = AppOptions;
    const TInstallOptions& install = InstallOptions;
    RecordKey key;
    key.Write(L"DisplayIcon", app.ExeLocation());
    key.Write(L"DisplayName", app.AppFullName);
    key.Write(L"DisplayVersion", app.ProgramVersion.ToString());
    key.Write(L"EstimatedSize", static_cast<DWORD>(vel::GetFolderSize(install.InstallPath) / 1024));
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
