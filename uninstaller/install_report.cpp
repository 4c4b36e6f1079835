#include "uninstaller/install_report.h"

#include <windows.h>

#include "uninstaller/paths.h"
#include "uninstaller/registry_record.h"

namespace uninstaller {

namespace {

std::wstring ReportValue(const std::wstring& file, const wchar_t* section, const wchar_t* key) {
    std::wstring value(512, L'\0');
    while (true) {
        DWORD n = GetPrivateProfileStringW(section, key, L"", value.data(),
                                           static_cast<DWORD>(value.size()), file.c_str());
        if (n + 1 < value.size()) {
            value.resize(n);
            return value;
        }
        value.resize(value.size() * 2);
    }
}

} // namespace

bool TInstallReport::NeedsAdministrator() const {
    return HiveFromName(RegistryHive) == HKEY_LOCAL_MACHINE;
}

bool IsPlainFileName(const std::wstring& name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    for (wchar_t c : name)
        if (c < L' ' || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos)
            return false;
    return true;
}

TReportReading ReadInstallReport(const std::wstring& folder) {
    TReportReading reading;
    const std::wstring file = JoinPath(folder, kReportFileName);
    if (!FileExists(file)) {
        reading.Result = TUninstallResult::ReportMissing;
        return reading;
    }
    if (ReportValue(file, L"Report", L"Report Version") != kAcceptedReportVersion) {
        reading.Result = TUninstallResult::ReportMismatch;
        return reading;
    }
    TInstallReport& r = reading.Report;
    r.Name = ReportValue(file, L"Application", L"Name");
    r.InstallPath = ReportValue(file, L"Application", L"Install Path");
    r.DataPath = ReportValue(file, L"Application", L"Data Path");
    r.Executable = ReportValue(file, L"Application", L"Executable");
    r.ShortcutMenu = ReportValue(file, L"Configuration", L"Shortcut-Menu") == L"1";
    r.ShortcutDesktop = ReportValue(file, L"Configuration", L"Shortcut-Desktop") == L"1";
    r.UserInstall = ReportValue(file, L"Installation", L"User Install") == L"1";
    r.RegistryRecord = ReportValue(file, L"Installation", L"Registry Record");
    r.RegistryHive = ReportValue(file, L"Installation", L"Registry HIVE");

    if (!IsPlainFileName(r.Name))
        reading.Problem = L"the application name \"" + r.Name + L"\" is not a plain name";
    else if (!HiveFromName(r.RegistryHive))
        reading.Problem = L"the registry hive \"" + r.RegistryHive + L"\" is unknown";
    else if (!IsUninstallRecordPath(r.RegistryRecord))
        reading.Problem =
            L"the registry record \"" + r.RegistryRecord + L"\" is no uninstall record";
    if (!reading.Problem.empty()) reading.Result = TUninstallResult::ReportDamaged;
    return reading;
}

} // namespace uninstaller
