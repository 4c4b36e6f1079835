#include "installer/install_report.h"

#include <windows.h>

#include <system_error>

#include "installer/config.h"
#include "installer/folders.h"
#include "vel/text.h"

namespace installer {

namespace {

// The profile functions write a new file in the ANSI code page, which cannot hold every
// folder name a user may choose. A file that starts with a UTF-16 byte order mark is
// kept in UTF-16 by them, so a new report is started that way.
void CreateUnicodeReport(const std::wstring& file) {
    HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return; // it exists already (or the writes below report why not)
    const unsigned char bom[] = {0xFF, 0xFE};
    DWORD written = 0;
    WriteFile(h, bom, sizeof(bom), &written, nullptr);
    CloseHandle(h);
}

std::wstring Flag(bool value) {
    return value ? L"1" : L"0";
}

std::wstring Words(bool a, bool b, bool c) {
    return vel::BooleanToText(a) + L"," + vel::BooleanToText(b) + L"," + vel::BooleanToText(c);
}

} // namespace

void WriteInstallReport(const std::wstring& folder) {
    const TAppOptions& app = AppOptions;
    const TInstallOptions& install = InstallOptions;
    const std::wstring file = WithDelimiter(folder) + L"InstallReport.ini";
    const struct {
        const wchar_t* section;
        const wchar_t* key;
        std::wstring value;
    } entries[] = {
        {L"Report", L"File Type", L"Velmar Software Installer Report"},
        {L"Report", L"Installer", L"Velmar Software Installer"},
        {L"Report", L"Version", InstallerVersion.ToString()},
        {L"Report", L"Report Version", ReportVersion.ToString()},
        {L"Application", L"Name", app.AppName},
        {L"Application", L"Install Path", install.InstallPath},
        {L"Application", L"Data Path", app.AppDataPath},
        {L"Application", L"Executable", app.ExeLocation()},
        {L"Configuration", L"Shortcut-Menu", Flag(install.CreateStartMenu)},
        {L"Configuration", L"Shortcut-Desktop", Flag(install.CreateDesktop)},
        {L"Configuration", L"Options", Words(install.Option1, install.Option2, install.Option3)},
        {L"Configuration", L"Extensions",
         Words(install.Extension1, install.Extension2, install.Extension3)},
        {L"Installation", L"Has EULA", Flag(install.HasEULA)},
        {L"Installation", L"User Install", Flag(install.InstallPick == TInstallPick::User)},
        {L"Installation", L"Registry Record", install.RegistryRecord},
        {L"Installation", L"Registry HIVE", install.RegistryHIVE},
    };
    CreateUnicodeReport(file);
    for (const auto& entry : entries)
        if (!WritePrivateProfileStringW(entry.section, entry.key, entry.value.c_str(),
                                        file.c_str()))
            throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                                    "Cannot write the install report");
}

} // namespace installer
