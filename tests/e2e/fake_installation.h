#pragma once
// An installation made by a test the way the installer makes one: the application's
// files, Uninstall.exe, the report and file list, two shortcuts, a data folder and the
// uninstall record, all under a scratch folder and a registry key of this test's own.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/support.h"

namespace test {

class FakeInstallation {
  public:
    explicit FakeInstallation(HKEY hive = HKEY_CURRENT_USER);
    ~FakeInstallation();
    FakeInstallation(const FakeInstallation&) = delete;
    FakeInstallation& operator=(const FakeInstallation&) = delete;

    std::wstring Name;       // unique per test, also the shortcuts' file name
    std::wstring Folder;     // the install folder (a space and an accented letter in its name; Wine
                             // keeps shortcut targets in the ANSI code page, so no wider)
    std::wstring DataFolder; // the report's Data Path
    std::wstring TempFolder; // the uninstaller's temporary folder (TMP and TEMP)
    std::wstring RecordPath; // below the hive, 64-bit view
    HKEY Hive;

    std::wstring Path(const std::wstring& relative) const { return Folder + L"\\" + relative; }
    std::wstring Executable() const { return Path(L"Quillpad.exe"); }
    std::wstring ReportFile() const { return Path(L"InstallReport.ini"); }
    std::wstring ListFile() const { return Path(L"InstalledFiles.lst"); }
    std::wstring Shortcut(bool desktop) const;
    // Files the installation wrote besides the uninstaller's own three.
    std::vector<std::wstring> InstalledFiles() const;

    void SetReportValue(const std::wstring& section, const std::wstring& key,
                        const std::wstring& value) const;
    void WriteList(const std::string& entries) const; // the list's lines after its comment
    bool RecordExists() const;

    // Runs Uninstall.exe from cmd.exe as typed at a prompt, then waits until the
    // uninstaller's temporary copy is gone (it removes itself after this process ended).
    ProcessResult Uninstall(const std::wstring& arguments,
                            const std::wstring& environment = L"") const;
    // TMP and TEMP for the uninstaller, so its temporary copy goes to TempFolder.
    std::wstring TemporaryFolderEnvironment() const;
    // Nothing is left of the uninstaller's temporary copy.
    bool TemporaryCopyGone() const;
    // Waits until Uninstall.exe is gone, which happens a moment after it ended.
    bool WaitUntilUninstallerGone() const;

  private:
    ScratchFolder scratch_;
};

// Waits for a condition that another process brings about, checking every 50 ms.
template <class Condition> bool WaitFor(Condition condition, DWORD timeoutMs = 30000) {
    for (DWORD waited = 0; !condition(); waited += 50) {
        if (waited >= timeoutMs) return false;
        Sleep(50);
    }
    return true;
}

} // namespace test
