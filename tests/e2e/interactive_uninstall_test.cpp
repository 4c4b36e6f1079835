// Uninstall.exe run as from the installed-programs list: its questions are answered by
// pressing the buttons of its message boxes.
#include <gtest/gtest.h>

#include "tests/e2e/fake_installation.h"
#include "tests/e2e/installer_run.h"
#include "tests/e2e/message_boxes.h"
#include "tests/support/windows.h"

namespace test {
namespace {

class InteractiveUninstall : public ::testing::Test {
  protected:
    FakeInstallation install;

    std::wstring Caption() const { return L"Uninstall " + install.Name; }
    std::wstring Command() const { return L"\"" + install.Path(L"Uninstall.exe") + L"\""; }
    bool NothingRemoved() const {
        for (const std::wstring& file : install.InstalledFiles())
            if (!FileExists(file)) return false;
        return FileExists(install.ReportFile()) && install.RecordExists() &&
               FileExists(install.Shortcut(true));
    }
};

::testing::AssertionResult Says(const std::wstring& text, const std::wstring& part) {
    if (text.find(part) != std::wstring::npos) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "\"" << Narrow(part) << "\" not in \"" << Narrow(text) << "\"";
}

TEST_F(InteractiveUninstall, YesRemovesTheInstallationAndNoKeepsTheData) {
    StartedProcess uninstall;
    StartProcess(Command(), uninstall, install.TemporaryFolderEnvironment());
    EXPECT_TRUE(Says(AnswerMessageBox(Caption(), IDYES),
                     L"Do you want to remove " + install.Name + L" and all of its components"));
    EXPECT_TRUE(Says(AnswerMessageBox(Caption(), IDNO), install.DataFolder));
    EXPECT_TRUE(Says(AnswerMessageBox(Caption(), IDOK),
                     install.Name + L" was removed from your computer."));
    EXPECT_EQ(uninstall.Wait(), 0u);

    EXPECT_TRUE(WaitFor([&] { return !FolderExists(install.Folder); }));
    EXPECT_FALSE(install.RecordExists());
    for (bool desktop : {false, true})
        EXPECT_FALSE(FileExists(install.Shortcut(desktop)));
    EXPECT_TRUE(FileExists(install.DataFolder + L"\\settings.ini"));
    EXPECT_TRUE(WaitFor([&] { return install.TemporaryCopyGone(); }));
}

TEST_F(InteractiveUninstall, NoRemovesNothingAndASecondUninstallerWaitsItsTurn) {
    ScratchFolder firstTemp; // the first run's temporary copy, apart from the second's
    StartedProcess uninstall;
    StartProcess(Command(), uninstall, L"TMP=" + firstTemp.Path() + L"\nTEMP=" + firstTemp.Path());
    const HWND question = WaitForWindow(Caption());
    ASSERT_TRUE(question);
    const ProcessResult second = install.Uninstall(L"-silent");
    EXPECT_EQ(second.exitCode, 10u) << second.output;
    EXPECT_TRUE(Says(MessageBoxText(question), L"Do you want to remove"));
    PressDialogButton(question, IDNO);
    EXPECT_EQ(uninstall.Wait(), 1u);
    EXPECT_TRUE(NothingRemoved());
    EXPECT_TRUE(WaitFor([&] { return RemoveDirectoryW(firstTemp.Path().c_str()) != FALSE; }));
}

TEST_F(InteractiveUninstall, NamesTheRunningApplicationAndClosesItWhenAsked) {
    const struct {
        int answer;
        DWORD exitCode;
        std::wstring last; // the final message
    } cases[] = {
        {IDNO, 5, install.Name + L" is running. Close it and run the uninstaller again."},
        {IDYES, 0, install.Name + L" was removed from your computer."},
    };
    for (const auto& c : cases) {
        StartedProcess quillpad;
        StartProcess(L"\"" + install.Executable() + L"\"", quillpad);
        WaitForInputIdle(quillpad.process, 10000);
        StartedProcess uninstall;
        StartProcess(Command(), uninstall, install.TemporaryFolderEnvironment());
        AnswerMessageBox(Caption(), IDYES);
        AnswerMessageBox(Caption(), IDNO); // keep the data
        EXPECT_TRUE(Says(AnswerMessageBox(Caption(), c.answer),
                         L"Quillpad.exe (PID " + std::to_wstring(quillpad.pid) + L") is running"));
        EXPECT_TRUE(Says(AnswerMessageBox(Caption(), IDOK), c.last));
        EXPECT_EQ(uninstall.Wait(), c.exitCode);
        if (c.answer == IDYES) {
            EXPECT_EQ(WaitForSingleObject(quillpad.process, 0), WAIT_OBJECT_0);
            EXPECT_FALSE(FileExists(install.Executable()));
        } else {
            EXPECT_TRUE(NothingRemoved());
        }
        EXPECT_TRUE(WaitFor([&] { return install.TemporaryCopyGone(); }));
    }
}

} // namespace
} // namespace test
