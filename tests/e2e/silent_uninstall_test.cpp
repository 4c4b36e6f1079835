// Uninstall.exe run from cmd.exe on installations the tests make, as a script would.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/fake_installation.h"
#include "tests/e2e/installer_run.h"
#include "tests/e2e/message_boxes.h"
#include "tests/support/windows.h"
#include "vel/handle.h"
#include "vel/shell.h"

namespace test {
namespace {

bool Exists(const std::wstring& path) {
    return FileExists(path) || FolderExists(path);
}

::testing::AssertionResult Printed(const ProcessResult& result, const std::string& line) {
    const auto lines = OutputLines(result.output);
    if (std::find(lines.begin(), lines.end(), line) != lines.end())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "no line \"" << line << "\" in:\n" << result.output;
}

TEST(SilentUninstall, RemovesTheInstallationAndKeepsWhatTheUserAdded) {
    FakeInstallation install;
    WriteTextFile(install.Path(L"My notes.txt"), "the user's own");
    WriteTextFile(install.Path(L"Samples\\Draft.txt"), "the user's own");

    const ProcessResult result = install.Uninstall(L"-silent");
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    const std::string name = Narrow(install.Name);
    EXPECT_TRUE(Printed(result, "(!) Uninstalling " + name + " from " + Narrow(install.Folder)));
    EXPECT_TRUE(
        Printed(result, "(!) The data folder " + Narrow(install.DataFolder) + "\\ was kept"));
    EXPECT_TRUE(Printed(result, "(!) " + name + " was removed from your computer."));
    EXPECT_TRUE(install.WaitUntilUninstallerGone());

    for (const std::wstring& file : install.InstalledFiles())
        EXPECT_FALSE(Exists(file)) << Narrow(file);
    for (const wchar_t* own : {L"InstallReport.ini", L"InstalledFiles.lst", L"Templates"})
        EXPECT_FALSE(Exists(install.Path(own))) << Narrow(own);
    for (bool desktop : {false, true})
        EXPECT_FALSE(FileExists(install.Shortcut(desktop)));
    EXPECT_FALSE(install.RecordExists());
    EXPECT_TRUE(install.TemporaryCopyGone());
    // The user's files, and the folder that holds one, stay; so does the data folder.
    EXPECT_TRUE(FileExists(install.Path(L"My notes.txt")));
    EXPECT_TRUE(FileExists(install.Path(L"Samples\\Draft.txt")));
    EXPECT_TRUE(FileExists(install.DataFolder + L"\\settings.ini"));
}

TEST(SilentUninstall, WithRemoveDataNothingIsLeft) {
    FakeInstallation install;
    const ProcessResult result = install.Uninstall(L"/silent /removedata");
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    EXPECT_TRUE(
        Printed(result, "(!) Removed the data folder " + Narrow(install.DataFolder) + "\\"));
    EXPECT_TRUE(WaitFor([&] { return !Exists(install.Folder); }));
    EXPECT_FALSE(Exists(install.DataFolder));
    for (bool desktop : {false, true})
        EXPECT_FALSE(FileExists(install.Shortcut(desktop)));
    EXPECT_FALSE(install.RecordExists());
    EXPECT_TRUE(install.TemporaryCopyGone());
}

TEST(SilentUninstall, ALockedFileKeepsWhatARerunNeeds) {
    FakeInstallation install;
    ProcessResult first;
    {
        vel::UniqueHandle locked(CreateFileW(install.Path(L"Samples\\Welcome.txt").c_str(),
                                             GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(locked);
        first = install.Uninstall(L"-silent");
    }
    EXPECT_EQ(first.exitCode, 7u) << first.output;
    EXPECT_TRUE(
        Printed(first, "<!> Could not remove " + Narrow(install.Path(L"Samples\\Welcome.txt"))));
    // The report, the list, the record and Uninstall.exe stay, so running it again works.
    EXPECT_TRUE(FileExists(install.ReportFile()));
    EXPECT_TRUE(FileExists(install.ListFile()));
    EXPECT_TRUE(FileExists(install.Path(L"Uninstall.exe")));
    EXPECT_TRUE(install.RecordExists());

    const ProcessResult second = install.Uninstall(L"-silent");
    EXPECT_EQ(second.exitCode, 0u) << second.output;
    EXPECT_TRUE(WaitFor([&] { return !Exists(install.Folder); }));
    EXPECT_FALSE(install.RecordExists());
}

TEST(SilentUninstall, NeverRemovesADataPathThatHoldsMoreThanTheApplication) {
    FakeInstallation install;
    // A damaged report's Data Path that holds the install folder (and, here, the real
    // data folder): removing it would take far more than the application's data.
    const std::wstring holder = install.Folder.substr(0, install.Folder.rfind(L'\\'));
    install.SetReportValue(L"Application", L"Data Path", holder);
    const ProcessResult result = install.Uninstall(L"-silent -removedata");
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    EXPECT_TRUE(Printed(result, "<!> The data folder " + Narrow(holder) +
                                    " was kept: it is not a folder of " + Narrow(install.Name) +
                                    " alone"));
    EXPECT_TRUE(FileExists(install.DataFolder + L"\\settings.ini"));
}

TEST(SilentUninstall, RefusesAnUnknownSwitch) {
    FakeInstallation install;
    const ProcessResult result = install.Uninstall(L"-silent -keepdata");
    EXPECT_EQ(result.exitCode, 8u) << result.output;
    EXPECT_TRUE(Printed(result, "<!> Unknown parameter: -keepdata"));
    EXPECT_TRUE(Printed(result, "-silent -> Removes the application without windows or questions"));
    EXPECT_TRUE(FileExists(install.Executable()));
}

TEST(SilentUninstall, RefusesReportsItCannotTrust) {
    const struct {
        const wchar_t* section;
        const wchar_t* key;
        const wchar_t* value; // null: the report is deleted
        DWORD exitCode;
        std::string line;
    } cases[] = {
        {L"Report", L"Report Version", L"2.0.0", 3,
         "<!> The installer report version is mismatched. Installation cannot continue"},
        {L"Report", L"Report Version", nullptr, 2,
         "<!> The install report InstallReport.ini was not found beside the uninstaller."},
        {L"Installation", L"Registry Record", L"SOFTWARE\\Microsoft", 4,
         "<!> The install report is damaged. Nothing was removed."},
    };
    for (const auto& c : cases) {
        FakeInstallation install;
        if (c.value)
            install.SetReportValue(c.section, c.key, c.value);
        else
            DeleteFileW(install.ReportFile().c_str());
        const ProcessResult result = install.Uninstall(L"-silent");
        EXPECT_EQ(result.exitCode, c.exitCode) << result.output;
        EXPECT_TRUE(Printed(result, c.line));
        for (const std::wstring& file : install.InstalledFiles())
            EXPECT_TRUE(FileExists(file)) << Narrow(file);
        EXPECT_TRUE(FileExists(install.Path(L"Uninstall.exe")));
        EXPECT_TRUE(install.RecordExists());
        EXPECT_TRUE(FileExists(install.Shortcut(false)));
    }
}

TEST(SilentUninstall, RefusesWhileTheApplicationRuns) {
    FakeInstallation install;
    ProcessResult result;
    DWORD pid = 0;
    {
        StartedProcess quillpad;
        StartProcess(L"\"" + install.Executable() + L"\"", quillpad);
        WaitForInputIdle(quillpad.process, 10000);
        pid = quillpad.pid;
        result = install.Uninstall(L"-silent");
    }
    EXPECT_EQ(result.exitCode, 5u) << result.output;
    EXPECT_TRUE(Printed(result, "<!> Quillpad.exe (PID " + std::to_string(pid) + ") is running"));
    for (const std::wstring& file : install.InstalledFiles())
        EXPECT_TRUE(FileExists(file)) << Narrow(file);
    EXPECT_TRUE(install.RecordExists());
    EXPECT_TRUE(FileExists(install.ReportFile()));
    EXPECT_TRUE(install.TemporaryCopyGone());
}

TEST(SilentUninstall, LeavesAloneWhatIsNotTheInstallations) {
    FakeInstallation install;
    ScratchFolder elsewhere;
    const std::wstring outside = elsewhere.Path() + L"\\precious.txt";
    WriteTextFile(outside, "not the installation's");
    WriteTextFile(install.Folder + L"\\..\\beside.txt", "not the installation's");
    install.WriteList("F Quillpad.exe\r\nF ..\\beside.txt\r\nF " + Narrow(outside) +
                      "\r\nD ..\r\n");
    // The desktop shortcut now points at another program, and the record describes an
    // installation elsewhere: both are someone else's now.
    vel::CreateShortcut(elsewhere.Path() + L"\\Other.exe", install.Shortcut(true), L"Other", L"");
    RegSetKeyValueW(install.Hive, install.RecordPath.c_str(), L"InstallLocation", REG_SZ,
                    elsewhere.Path().c_str(),
                    static_cast<DWORD>((elsewhere.Path().size() + 1) * sizeof(wchar_t)));

    const ProcessResult result = install.Uninstall(L"-silent");
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    EXPECT_TRUE(Printed(result, "<!> Ignored an unsafe entry of the file list: F ..\\beside.txt"));
    EXPECT_TRUE(install.WaitUntilUninstallerGone());
    EXPECT_TRUE(FileExists(outside));
    EXPECT_TRUE(FileExists(install.Folder + L"\\..\\beside.txt"));
    EXPECT_FALSE(FileExists(install.Executable()));
    EXPECT_FALSE(FileExists(install.Shortcut(false)));
    EXPECT_TRUE(FileExists(install.Shortcut(true)));
    EXPECT_TRUE(install.RecordExists());
}

TEST(SilentUninstall, ACopiedInstallationLeavesTheOriginalsShortcuts) {
    FakeInstallation install;
    ScratchFolder original;
    const std::wstring originalExe = original.Path() + L"\\Quillpad.exe";
    ASSERT_TRUE(CopyFileW(install.Executable().c_str(), originalExe.c_str(), FALSE));
    install.SetReportValue(L"Application", L"Install Path", original.Path());
    install.SetReportValue(L"Application", L"Executable", originalExe);
    for (bool desktop : {false, true})
        vel::CreateShortcut(originalExe, install.Shortcut(desktop), L"Quillpad", L"");

    const ProcessResult result = install.Uninstall(L"-silent");
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    EXPECT_TRUE(Printed(result, "(!) The report was written for " + Narrow(original.Path()) +
                                    "; only this folder's installation is removed"));
    EXPECT_TRUE(install.WaitUntilUninstallerGone());
    EXPECT_FALSE(FileExists(install.Executable()));
    for (bool desktop : {false, true})
        EXPECT_TRUE(FileExists(install.Shortcut(desktop)));
    EXPECT_TRUE(FileExists(originalExe));
}

TEST(SilentUninstall, WithoutAFileListRemovesOnlyTheProgramAndItself) {
    FakeInstallation install;
    DeleteFileW(install.ListFile().c_str());
    const ProcessResult result = install.Uninstall(L"-silent");
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    EXPECT_TRUE(Printed(result, "(!) The list of installed files is missing: other files in " +
                                    Narrow(install.Folder) + " were kept"));
    EXPECT_TRUE(install.WaitUntilUninstallerGone());
    EXPECT_FALSE(FileExists(install.Executable()));
    EXPECT_FALSE(FileExists(install.ReportFile()));
    EXPECT_TRUE(FileExists(install.Path(L"Samples\\Welcome.txt")));
    EXPECT_FALSE(install.RecordExists());
}

TEST(SilentUninstall, AllUsersInstallationRestartsElevated) {
    FakeInstallation install(HKEY_LOCAL_MACHINE);
    const ProcessResult result =
        install.Uninstall(L"-silent", L"QUILLPAD_UNINSTALL_AS_STANDARD_USER=1");
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    EXPECT_TRUE(Printed(result, "(!) Restarting as administrator"));
    EXPECT_TRUE(
        Printed(result, "(!) " + Narrow(install.Name) + " was removed from your computer."));
    EXPECT_TRUE(install.WaitUntilUninstallerGone());
    EXPECT_FALSE(install.RecordExists());
    EXPECT_FALSE(FileExists(install.Executable()));
}

} // namespace
} // namespace test
