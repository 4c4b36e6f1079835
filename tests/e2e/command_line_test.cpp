// The switches, run from cmd.exe as a user or a deployment script would.
#include <gtest/gtest.h>

#include "tests/e2e/installer_run.h"
#include "tests/support/windows.h"
#include "tests/support/wizard_driver.h"

namespace test {
namespace {

using Lines = std::vector<std::string>;

const Lines kHelpLines = {
    "Avalabile Parameters:",
    "",
    "------------------------",
    "-help -> Shows this information",
    "-silent -> Installs the program in the background with no GUI",
    "-start -> Starts the instalation process after opening the program",
    "-startafterfinish -> Starts the program after the installation is finished",
    "-closeafterfinish -> Close the installer after the installation is finnished",
    "-installpath <PATH> -> Set the install path",
    "-option <ID> TRUE/FALSE -> Set a option to a boolean value",
    "-user -> Install application for this user",
    "-force -> Force multiple instances of the installer, also bypasses dialog confirmations",
    "-alluser -> Install application for all users",
    "-ad -> Auto-delete installer when closed",
    "",
};

const Lines kSilentSuccess = {"(!) Beginning instalation", "(!) Installation type: silent",
                              "(!) Installation successfull"};

class CommandLine : public ::testing::Test {
  protected:
    CleanInstallState clean;
    ScratchFolder scratch;
    std::wstring Target() const { return scratch.Path() + L"\\Quillpad"; }
};

TEST_F(CommandLine, ConsoleLinesAndExitCodes) {
    const std::wstring target = L"\"" + scratch.Path() + L"\\Quillpad\"";
    const struct {
        std::wstring arguments;
        Lines lines;
        DWORD exitCode;
    } cases[] = {
        {L"-help", kHelpLines, 0},
        {L"-silent -installpath " + target + L" -help", kHelpLines, 0},
        {L"/help", kHelpLines, 0},
        {L"-option x TRUE", {"<!> Error: The provided parameter is incorrect"}, 1},
        {L"-option", {"<!> Error: The provided parameter is incorrect"}, 1},
        {L"-option \"\" TRUE", {"<!> Error: The provided parameter is incorrect"}, 1},
        {L"-installpath Quillpad",
         {"(!) Attention: The installation path provided is invalid!"},
         1},
        {L"-installpath", {"(!) Attention: The installation path provided is invalid!"}, 1},
        {L"-installpath \"" + scratch.Path() + L"\\missing\\Quillpad\"",
         {"(!) Attention: The installation path provided is invalid!"},
         1},
        {L"-alluser -installpath Quillpad",
         {"(!) Installation does not allow changing install type.",
          "(!) Attention: The installation path provided is invalid!"},
         1},
    };
    for (const auto& c : cases) {
        ProcessResult result = RunSetupFromConsole(c.arguments);
        EXPECT_FALSE(result.timedOut) << Narrow(c.arguments);
        EXPECT_EQ(OutputLines(result.output), c.lines) << Narrow(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << Narrow(c.arguments);
    }
}

TEST_F(CommandLine, SilentInstallReportsOnTheConsole) {
    ProcessResult result = RunSetupFromConsole(
        L"-start /silent -option 2 TRUE -option 4 true -installpath \"" + Target() + L"\"");
    EXPECT_EQ(OutputLines(result.output), kSilentSuccess);
    EXPECT_EQ(result.exitCode, 0u);
    EXPECT_TRUE(FileExists(Target() + L"\\Quillpad.exe"));
    EXPECT_EQ(ReadTextFile(Target() + L"\\InstallReport.ini").find(L"Options=false,true,false") !=
                  std::wstring::npos,
              true);
}

TEST_F(CommandLine, CapitalisedSwitchIsNoSwitchAndTheWindowOpens) {
    StartedProcess setup;
    StartProcess(L"\"" + SetupExe() + L"\" -Silent", setup);
    HWND window = WaitForWindow(L"Quillpad Studio Installer", setup.pid);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), 2u) << "closed before installing: the user said no";
    EXPECT_FALSE(RecordExists(HKEY_CURRENT_USER));
}

TEST_F(CommandLine, SilentThenStartOpensTheWindowOnTheInstallingPage) {
    StartedProcess setup;
    StartProcess(L"\"" + SetupExe() + L"\" -silent -start -closeafterfinish -installpath \"" +
                     Target() + L"\"",
                 setup);
    EXPECT_EQ(setup.Wait(), 0u) << "the window installs at once and closes when done";
    EXPECT_TRUE(FileExists(Target() + L"\\Quillpad.exe"));
    EXPECT_TRUE(RecordExists(HKEY_CURRENT_USER));
}

TEST_F(CommandLine, WithoutAConsoleErrorsAreShownInAMessage) {
    StartedProcess setup;
    StartProcess(L"\"" + SetupExe() + L"\" -option x", setup);
    HWND message = WaitForMessage(setup.pid, L"Error");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(MessageSays(message, L"The provided parameters are invalid!"));
    EXPECT_TRUE(AnswerMessage(message, L"Ok"));
    EXPECT_EQ(setup.Wait(), 1u);
}

TEST_F(CommandLine, SecondInstanceIsRefusedUnlessForced) {
    StartedProcess first;
    StartProcess(L"\"" + SetupExe() + L"\"", first);
    HWND window = WaitForWizard(first.pid);
    ASSERT_NE(window, nullptr);

    StartedProcess second;
    StartProcess(L"\"" + SetupExe() + L"\" -help", second);
    HWND message = WaitForMessage(second.pid, L"Program is already running");
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(MessageSays(message, L"A instance of the installer is already running."));
    EXPECT_TRUE(AnswerMessage(message, L"Ok"));
    EXPECT_EQ(second.Wait(), 1u) << "the second copy could not start";

    // "-force" anywhere, also with a slash, lets the second copy go on (here: to the help).
    ProcessResult forced = RunSetupFromConsole(L"-help /force");
    EXPECT_EQ(OutputLines(forced.output), kHelpLines);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.Wait(), 2u);
}

TEST_F(CommandLine, DeclinedElevationPromptEndsWithDeclined) {
    ProcessResult result = RunSetupFromConsole(
        L"-alluser -silent -installpath \"" + Target() + L"\"",
        L"QUILLPAD_SETUP_AS_STANDARD_USER=1\nQUILLPAD_SETUP_DECLINE_ELEVATION=1",
        SetupExe(L"QuillpadSetupBoth.exe"));
    EXPECT_EQ(OutputLines(result.output), Lines{"(!) Restarting as administrator"});
    EXPECT_EQ(result.exitCode, 2u);
    EXPECT_FALSE(FolderExists(Target()));
}

TEST_F(CommandLine, StandardUserChoosingAllUsersRestartsElevatedWithForce) {
    const std::wstring trace = scratch.Path() + L"\\trace.txt";
    const std::wstring target = scratch.Path() + L"\\Quill pad";
    ProcessResult result =
        RunSetupFromConsole(L"-alluser -silent -installpath \"" + target + L"\"",
                            L"QUILLPAD_SETUP_AS_STANDARD_USER=1\nQUILLPAD_SETUP_TRACE=" + trace,
                            SetupExe(L"QuillpadSetupBoth.exe"));
    EXPECT_EQ(OutputLines(result.output), Lines{"(!) Restarting as administrator"})
        << "the elevated copy's parent is the installer, not a shell, so it prints nothing";
    EXPECT_EQ(result.exitCode, 0u) << "the first copy passes on the elevated copy's outcome";

    auto lines = OutputLines(Narrow(ReadTextFile(trace)));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find("QuillpadSetupBoth.exe"), std::string::npos);
    EXPECT_NE(lines[1].find("-alluser -force -elevated -alluser -silent -installpath \"" +
                            Narrow(target) + "\""),
              std::string::npos)
        << lines[1];
    EXPECT_TRUE(RecordExists(HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(FileExists(target + L"\\Quillpad.exe"));
}

TEST_F(CommandLine, TheElevatedCopyGetsTheInstallFolderAsAnAbsolutePath) {
    const std::wstring trace = scratch.Path() + L"\\trace.txt";
    // Typed relative to the prompt's folder; the elevated copy starts in another one.
    ProcessResult result =
        RunProcess(L"cmd.exe /c \"cd /d \"" + scratch.Path() + L"\" && \"" +
                       SetupExe(L"QuillpadSetupBoth.exe") +
                       L"\" -alluser -silent -installpath \".\\Quill pad\"\"",
                   120000, L"QUILLPAD_SETUP_AS_STANDARD_USER=1\nQUILLPAD_SETUP_TRACE=" + trace);
    EXPECT_EQ(result.exitCode, 0u);
    auto lines = OutputLines(Narrow(ReadTextFile(trace)));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find("-installpath \"" + Narrow(scratch.Path()) + "\\Quill pad\""),
              std::string::npos)
        << lines[1];
    EXPECT_TRUE(FileExists(scratch.Path() + L"\\Quill pad\\Quillpad.exe"));
}

TEST_F(CommandLine, AnElevatedCopyWithoutTheRightsDoesNotRestartAgain) {
    const std::wstring trace = scratch.Path() + L"\\trace.txt";
    ProcessResult result =
        RunSetupFromConsole(L"-alluser -force -elevated -silent -installpath \"" + Target() + L"\"",
                            L"QUILLPAD_SETUP_AS_STANDARD_USER=1\nQUILLPAD_SETUP_TRACE=" + trace,
                            SetupExe(L"QuillpadSetupBoth.exe"));
    EXPECT_EQ(OutputLines(result.output),
              (Lines{"(!) Restarting as administrator",
                     "<!> Error: Administrator rights are needed to install for all users."}));
    EXPECT_EQ(result.exitCode, 1u);
    EXPECT_EQ(OutputLines(Narrow(ReadTextFile(trace))).size(), 1u) << "no further copy started";
    EXPECT_FALSE(FolderExists(Target()));
}

} // namespace
} // namespace test

namespace test {
namespace {

// What a user at a console window sees: the probe opens a console of its own, runs the
// command there through cmd.exe, and reports the screen.
std::string Screen(const std::wstring& arguments) {
    ProcessResult result = RunProcess(L"\"" + BuildFile(L"tests\\console_probe.exe") +
                                      L"\" /hostrun \"" + SetupExe() + L"\" " + arguments);
    EXPECT_FALSE(result.timedOut);
    return result.output;
}

TEST_F(CommandLine, UserAtAConsoleWindowSeesTheLines) {
    // The console is 80 columns wide: the longest help line wraps onto a second row.
    std::string help = Screen(L"-help");
    std::erase(help, '\n');
    size_t at = 0;
    for (const std::string& line : kHelpLines) {
        at = help.find(line, at);
        ASSERT_NE(at, std::string::npos) << line;
    }

    std::string install = Screen(L"-silent -installpath \"" + Target() + L"\"");
    EXPECT_NE(install.find("(!) Beginning instalation\n(!) Installation type: silent\n(!) "
                           "Installation successfull\n"),
              std::string::npos)
        << install;
}

TEST_F(CommandLine, StartRunsTheWindowAndFinishActionsFollowTheSwitches) {
    ProcessResult start =
        RunSetupFromConsole(L"-start -closeafterfinish -installpath \"" + Target() + L"\"");
    EXPECT_EQ(OutputLines(start.output),
              (Lines{"(!) Beginning instalation", "(!) Installation type: normal"}));
    EXPECT_EQ(start.exitCode, 0u);

    // A silent run never starts the application, even when asked to.
    CleanInstallState::Clean();
    ProcessResult silent =
        RunSetupFromConsole(L"-startafterfinish -silent -installpath \"" + Target() + L"\"");
    EXPECT_EQ(OutputLines(silent.output), kSilentSuccess);
    EXPECT_EQ(WaitForWindow(L"Quillpad Studio 1.3.0.0", 0, 2000), nullptr);
}

TEST_F(CommandLine, InstallTypeSwitchesWhereTheBuildAllowsAChoice) {
    ProcessResult user =
        RunSetupFromConsole(L"-alluser -user -silent -installpath \"" + Target() + L"\"", L"",
                            SetupExe(L"QuillpadSetupBoth.exe"));
    EXPECT_EQ(OutputLines(user.output), kSilentSuccess)
        << "the later switch wins; no restart for a user install";
    EXPECT_TRUE(RecordExists(HKEY_CURRENT_USER));
    EXPECT_FALSE(RecordExists(HKEY_LOCAL_MACHINE));
    EXPECT_NE(ReadTextFile(Target() + L"\\InstallReport.ini").find(L"User Install=1"),
              std::wstring::npos);
}

TEST_F(CommandLine, SelfDeletionRemovesTheInstallerFileAfterItEnds) {
    const std::wstring copy = scratch.Path() + L"\\QuillpadSetup.exe";
    ASSERT_TRUE(CopyFileW(SetupExe().c_str(), copy.c_str(), FALSE));
    ProcessResult result =
        RunSetupFromConsole(L"-silent -ad -installpath \"" + Target() + L"\"", L"", copy);
    EXPECT_EQ(result.exitCode, 0u);
    bool gone = false;
    for (int i = 0; i < 200 && !gone; ++i, Sleep(100))
        gone = !FileExists(copy);
    EXPECT_TRUE(gone);
}

} // namespace
} // namespace test
