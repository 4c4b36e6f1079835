#include <gtest/gtest.h>

#include "tests/support/support.h"
#include "vel/console.h"

namespace vel {
namespace {

TEST(ConsoleShell, OnlyCmdAndPowerShellCountInAnyLetterCase) {
    const struct {
        const wchar_t* path;
        bool shell;
    } cases[] = {
        {L"C:\\Windows\\System32\\cmd.exe", true},
        {L"C:\\WINDOWS\\SYSTEM32\\CMD.EXE", true},
        {L"C:\\Windows\\System32\\WindowsPowerShell\\v1.0\\PowerShell.exe", true},
        {L"cmd.exe", true},
        {L"C:\\Windows\\explorer.exe", false},
        {L"C:\\Program Files\\PowerShell\\7\\pwsh.exe", false},
        {L"C:\\cmd.exe\\setup.exe", false},
        {L"C:\\Tools\\xcmd.exe", false},
        {L"C:\\Windows\\System32\\cmd.exe.bak", false},
        {L"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsCommandShell(c.path), c.shell) << testing::PrintToString(std::wstring(c.path));
}

std::wstring Probe() {
    return L"\"" + test::BuildFile(L"tests\\console_probe.exe") + L"\"";
}

// The probe's exit code: bit 0 connected, bit 1 has a console window.
constexpr DWORD kConnected = 1, kConsoleWindow = 2;

// A user types the command at cmd.exe and reads the console: the probe plays that user,
// running cmd.exe in a console of its own and reporting the screen.
TEST(ConsoleOutput, LinesAppearOnTheConsoleOfTheShellThatStartedTheProgram) {
    const auto result = test::RunProcess(
        Probe() + L" /host \"(!) Beginning instalation\" \"C:\\Programme\\Gr\u00FC\u00DFe \u03A9\" "
                  L"/disconnect \"(!) again\"");
    ASSERT_FALSE(result.timedOut);
    // Disconnect detaches; the next line attaches again.
    EXPECT_EQ(test::Widen(result.output),
              L"(!) Beginning instalation\nC:\\Programme\\Gr\u00FC\u00DFe \u03A9\n(!) again\n\n");
    EXPECT_TRUE(result.exitCode & kConnected);
}

TEST(ConsoleOutput, RedirectedOutputOfAShellReceivesUtf8Lines) {
    const auto result =
        test::RunProcess(L"cmd.exe /c \"" + Probe() + L" first \"Gr\u00FC\u00DFe \u03A9\"\"");
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.output, "first\r\nGr\u00FC\u00DFe \u03A9\r\n"); // UTF-8 bytes
    EXPECT_TRUE(result.exitCode & kConnected);
}

TEST(ConsoleOutput, AnotherParentGetsNothingAndNoConsoleAppears) {
    const auto result = test::RunProcess(Probe() + L" \"(!) Beginning instalation\"");
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.output, "");
    EXPECT_FALSE(result.exitCode & kConnected);
    EXPECT_FALSE(result.exitCode & kConsoleWindow);
}

TEST(ConsoleOutput, ForcedConnectAttachesWithoutAShellAndOnlyOnce) {
    const auto result = test::RunProcess(Probe() + L" /force line");
    ASSERT_FALSE(result.timedOut);
    EXPECT_EQ(result.output, "connect 1 0\r\nline\r\n");
    EXPECT_TRUE(result.exitCode & kConnected);
}

} // namespace
} // namespace vel
