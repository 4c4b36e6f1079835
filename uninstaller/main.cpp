// Quillpad's uninstaller, written beside the application as Uninstall.exe. It reads the
// install report beside itself and refuses a report format it does not know.
#include <windows.h>

#include <string>

namespace {

constexpr wchar_t kAcceptedReportVersion[] = L"1.0.0";

std::wstring OwnFolder() {
    wchar_t path[MAX_PATH * 4];
    DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L'\\') + 1);
}

std::wstring ReportValue(const std::wstring& report, const wchar_t* section, const wchar_t* key) {
    wchar_t value[4096];
    DWORD n = GetPrivateProfileStringW(section, key, L"", value, static_cast<DWORD>(std::size(value)), report.c_str());
    return std::wstring(value, n);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring report = OwnFolder() + L"InstallReport.ini";
    if (ReportValue(report, L"Report", L"Report Version") != kAcceptedReportVersion) {
        MessageBoxW(nullptr, L"The installer report version is mismatched. Installation cannot continue",
                    L"Uninstall", MB_OK | MB_ICONERROR);
        return 2;
    }
    std::wstring name = ReportValue(report, L"Application", L"Name");
    MessageBoxW(nullptr, (L"Use Settings > Apps to remove " + name + L".").c_str(), L"Uninstall", MB_OK);
    return 0;
}
