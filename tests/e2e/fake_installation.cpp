#include "tests/e2e/fake_installation.h"

#include <objbase.h>

#include <atomic>
#include <stdexcept>

#include "tests/support/scratch_key.h"
#include "vel/paths.h"
#include "vel/shell.h"

namespace test {

namespace {

const std::wstring kUninstallRoot = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

void Copy(const std::wstring& from, const std::wstring& to) {
    if (!CopyFileW(from.c_str(), to.c_str(), FALSE))
        throw std::runtime_error("cannot copy " + Narrow(from));
}

void MakeFolder(const std::wstring& folder) {
    if (!CreateDirectoryW(folder.c_str(), nullptr))
        throw std::runtime_error("cannot create " + Narrow(folder));
}

} // namespace

FakeInstallation::FakeInstallation(HKEY hive) : Hive(hive) {
    static std::atomic<int> counter{0};
    Name = L"QuillpadE2E-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(counter++);
    Folder = scratch_.Path() + L"\\Quillpad Stüdio";
    DataFolder = scratch_.Path() + L"\\AppData\\VelmarSoftware\\" + Name;
    TempFolder = scratch_.Path() + L"\\Temp";
    RecordPath = kUninstallRoot + Name;

    for (const std::wstring& folder : {Folder, Folder + L"\\Samples", Folder + L"\\Templates",
                                       TempFolder, scratch_.Path() + L"\\AppData",
                                       scratch_.Path() + L"\\AppData\\VelmarSoftware", DataFolder})
        MakeFolder(folder);
    Copy(BuildFile(L"uninstaller\\Uninstall.exe"), Path(L"Uninstall.exe"));
    Copy(BuildFile(L"resources\\Quillpad.exe"), Executable());
    WriteTextFile(Path(L"Samples\\Welcome.txt"), "Welcome to Quillpad");
    WriteTextFile(Path(L"Templates\\Letter.txt"), "Dear ...");
    WriteTextFile(DataFolder + L"\\settings.ini", "[Window]\r\nWidth=800\r\n");

    // Started as UTF-16, as the installer starts a report, so every folder name survives.
    WriteTextFile(ReportFile(), "\xFF\xFE");
    const struct {
        const wchar_t* section;
        const wchar_t* key;
        std::wstring value;
    } report[] = {
        {L"Report", L"File Type", L"Velmar Software Installer Report"},
        {L"Report", L"Report Version", L"1.0.0"},
        {L"Application", L"Name", Name},
        {L"Application", L"Install Path", Folder},
        {L"Application", L"Data Path", DataFolder + L"\\"},
        {L"Application", L"Executable", Executable()},
        {L"Configuration", L"Shortcut-Menu", L"1"},
        {L"Configuration", L"Shortcut-Desktop", L"1"},
        {L"Installation", L"User Install", hive == HKEY_CURRENT_USER ? L"1" : L"0"},
        {L"Installation", L"Registry Record", RecordPath},
        {L"Installation", L"Registry HIVE",
         hive == HKEY_CURRENT_USER ? L"HKEY_CURRENT_USER" : L"HKEY_LOCAL_MACHINE"},
    };
    for (const auto& entry : report)
        SetReportValue(entry.section, entry.key, entry.value);
    WriteList("D Samples\r\nD Templates\r\nF Quillpad.exe\r\nF Samples\\Welcome.txt\r\nF "
              "Templates\\Letter.txt\r\n"
              "F Uninstall.exe\r\nF InstallReport.ini\r\n");

    HKEY key = nullptr;
    if (RegCreateKeyExW(Hive, RecordPath.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        throw std::runtime_error("cannot create the uninstall record");
    RegSetValueExW(key, L"InstallLocation", 0, REG_SZ,
                   reinterpret_cast<const BYTE*>(Folder.c_str()),
                   static_cast<DWORD>((Folder.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);

    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    for (bool desktop : {false, true})
        vel::CreateShortcut(Executable(), Shortcut(desktop), L"Quillpad Studio", L"");
}

FakeInstallation::~FakeInstallation() {
    RegDeleteTreeW(Hive, RecordPath.c_str());
    RegDeleteKeyExW(Hive, RecordPath.c_str(), KEY_WOW64_64KEY, 0);
    for (bool desktop : {false, true})
        DeleteFileW(Shortcut(desktop).c_str());
}

std::wstring FakeInstallation::Shortcut(bool desktop) const {
    return vel::GetUserShellFolder(desktop ? vel::TUserShellFolder::Desktop
                                           : vel::TUserShellFolder::Programs) +
           L"\\" + Name + L".lnk";
}

std::vector<std::wstring> FakeInstallation::InstalledFiles() const {
    return {Executable(), Path(L"Samples\\Welcome.txt"), Path(L"Templates\\Letter.txt")};
}

void FakeInstallation::SetReportValue(const std::wstring& section, const std::wstring& key,
                                      const std::wstring& value) const {
    WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), ReportFile().c_str());
}

void FakeInstallation::WriteList(const std::string& entries) const {
    WriteTextFile(ListFile(), "; Files and folders that Quillpad Setup installed here.\r\n" +
                                  entries + "F InstalledFiles.lst\r\n");
}

bool FakeInstallation::RecordExists() const {
    return RawKeyExists(Hive, RecordPath, KEY_WOW64_64KEY);
}

ProcessResult FakeInstallation::Uninstall(const std::wstring& arguments,
                                          const std::wstring& environment) const {
    std::wstring variables = TemporaryFolderEnvironment();
    if (!environment.empty()) variables += L"\n" + environment;
    ProcessResult result =
        RunProcess(L"cmd.exe /c \"\"" + Path(L"Uninstall.exe") + L"\" " + arguments + L"\"", 120000,
                   variables);
    WaitFor([&] { return TemporaryCopyGone(); });
    return result;
}

std::wstring FakeInstallation::TemporaryFolderEnvironment() const {
    return L"TMP=" + TempFolder + L"\nTEMP=" + TempFolder;
}

bool FakeInstallation::TemporaryCopyGone() const {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((TempFolder + L"\\*").c_str(), &data);
    bool empty = true;
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = data.cFileName;
            if (name != L"." && name != L"..") empty = false;
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    return empty;
}

bool FakeInstallation::WaitUntilUninstallerGone() const {
    return WaitFor([&] { return !FileExists(Path(L"Uninstall.exe")); });
}

} // namespace test
