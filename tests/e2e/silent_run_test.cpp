// A silent run as a deployment script makes it: it never waits for a person, and output
// the script does not read never changes its outcome.
#include <windows.h>
#include <gtest/gtest.h>

#include "tests/e2e/installer_run.h"
#include "tests/support/windows.h"

namespace test {
namespace {

using Lines = std::vector<std::string>;

const std::string kDowngradeLine =
    "(!) The version of this application you are installing is older than the present version "
    "on this computer. Continue anyways?";
const Lines kSilentSuccess = {"(!) Beginning instalation", "(!) Installation type: silent",
                              "(!) Installation successfull"};

// Long enough for an installation, far shorter than a person who never comes.
constexpr DWORD kNoWaiting = 60000;

class SilentRun : public ::testing::Test {
  protected:
    CleanInstallState clean;
    ScratchFolder scratch;
    std::wstring Target() const { return scratch.Path() + L"\\Quillpad"; }
    std::wstring InstallPath() const { return L" -installpath \"" + Target() + L"\""; }
    ProcessResult Run(const std::wstring& arguments) {
        ProcessResult result =
            RunProcess(L"cmd.exe /c \"\"" + SetupExe() + L"\" " + arguments + L"\"", kNoWaiting);
        EXPECT_FALSE(result.timedOut) << Narrow(arguments) << " waited for someone";
        return result;
    }
};

TEST_F(SilentRun, DowngradeIsDeclinedOnTheConsoleUnlessForced) {
    WriteUserRecordValue(L"DisplayVersion", L"1.4.0");
    const struct {
        std::wstring arguments;
        Lines lines;
        DWORD exitCode;
    } cases[] = {
        {L"-silent" + InstallPath(), {kDowngradeLine}, 2},
        {L"-start /silent" + InstallPath(), {kDowngradeLine}, 2},
        {L"-silent -force" + InstallPath(), kSilentSuccess, 0},
    };
    for (const auto& c : cases) {
        ProcessResult result = Run(c.arguments);
        EXPECT_EQ(OutputLines(result.output), c.lines) << Narrow(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << Narrow(c.arguments);
    }
    EXPECT_TRUE(FileExists(Target() + L"\\Quillpad.exe")) << "the forced run installed";
}

TEST_F(SilentRun, RegistryErrorsGoToTheConsole) {
    // A version that is no text cannot be read as one: the registry reports an error.
    const DWORD number = 5;
    RegSetKeyValueW(HKEY_CURRENT_USER, UninstallKey().c_str(), L"DisplayVersion", REG_DWORD,
                    &number, sizeof(number));
    ProcessResult result = Run(L"-silent" + InstallPath());
    Lines expected = {"<!> Windows Registry Error: Cannot read from the Windows Registry"};
    expected.insert(expected.end(), kSilentSuccess.begin(), kSilentSuccess.end());
    EXPECT_EQ(OutputLines(result.output), expected);
    EXPECT_EQ(result.exitCode, 0u);
}

TEST_F(SilentRun, SecondInstanceEndsAtOnce) {
    StartedProcess first;
    StartProcess(L"\"" + SetupExe() + L"\"", first);
    ASSERT_NE(WaitForWindow(L"Quillpad Studio Installer", first.pid), nullptr);

    ProcessResult second = Run(L"-silent" + InstallPath());
    EXPECT_EQ(OutputLines(second.output),
              Lines{"(!) A instance of the installer is already running."});
    EXPECT_EQ(second.exitCode, 1u);
    EXPECT_FALSE(FileExists(Target()));

    PostMessageW(WaitForWindow(L"Quillpad Studio Installer", first.pid), WM_CLOSE, 0, 0);
    EXPECT_EQ(first.Wait(), 2u);
}

// Starts the installer from cmd.exe with output as its standard output and error (null:
// none at all), calls reader with the process running, and returns the exit code.
template <class Reader>
DWORD RunWithOutput(const std::wstring& arguments, HANDLE output, Reader reader) {
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = output;
    si.hStdError = output;
    PROCESS_INFORMATION pi{};
    std::wstring line = L"cmd.exe /c \"\"" + SetupExe() + L"\" " + arguments + L"\"";
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si,
                        &pi))
        return ~0u;
    CloseHandle(pi.hThread);
    reader();
    DWORD code = WAIT_TIMEOUT;
    if (WaitForSingleObject(pi.hProcess, kNoWaiting) == WAIT_OBJECT_0)
        GetExitCodeProcess(pi.hProcess, &code);
    else
        TerminateProcess(pi.hProcess, 999);
    CloseHandle(pi.hProcess);
    return code;
}

TEST_F(SilentRun, OutputNobodyReadsChangesNothing) {
    // No standard output at all.
    EXPECT_EQ(RunWithOutput(L"-silent" + InstallPath(), nullptr, [] {}), 0u);
    EXPECT_TRUE(FileExists(Target() + L"\\Quillpad.exe"));
    EXPECT_TRUE(RecordExists(HKEY_CURRENT_USER));

    // A script that reads the first line and then closes its end of the pipe.
    CleanInstallState::Clean();
    RemoveTree(Target());
    SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    ASSERT_TRUE(CreatePipe(&read, &write, &inherit, 0));
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    std::string first;
    const DWORD code = RunWithOutput(L"-silent" + InstallPath(), write, [&] {
        CloseHandle(write);
        char c = 0;
        DWORD got = 0;
        while (ReadFile(read, &c, 1, &got, nullptr) && got == 1 && c != '\n')
            first += c;
        CloseHandle(read);
    });
    EXPECT_EQ(first, "(!) Beginning instalation\r");
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(FileExists(Target() + L"\\Quillpad.exe"));
    EXPECT_TRUE(RecordExists(HKEY_CURRENT_USER));
}

} // namespace
} // namespace test
