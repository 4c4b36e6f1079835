// The whole life of an installation: the built installer installs, the Uninstall.exe it
// wrote removes it again.
#include <gtest/gtest.h>

#include <shlobj.h>

#include "tests/e2e/fake_installation.h"
#include "tests/e2e/installer_run.h"

namespace test {
namespace {

TEST(InstallThenUninstall, NothingIsLeftButTheUsersFiles) {
    CleanInstallState clean;
    ScratchFolder scratch;
    const std::wstring target = scratch.Path() + L"\\Quillpad";
    const std::wstring temp = scratch.Path() + L"\\Temp";
    ASSERT_TRUE(CreateDirectoryW(temp.c_str(), nullptr));
    ASSERT_EQ(RunSetupFromConsole(L"-silent -installpath \"" + target + L"\"").exitCode, 0u);
    WriteTextFile(target + L"\\my notes.txt", "mine");
    // An update over it lists only what it wrote this time; the folders the first run
    // made must still go.
    ASSERT_EQ(RunSetupFromConsole(L"-silent").exitCode, 0u);
    ASSERT_TRUE(RecordExists(HKEY_CURRENT_USER));

    const ProcessResult result =
        RunProcess(L"cmd.exe /c \"\"" + target + L"\\Uninstall.exe\" -silent\"", 120000,
                   L"TMP=" + temp + L"\nTEMP=" + temp);
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    const auto lines = OutputLines(result.output);
    ASSERT_FALSE(lines.empty()) << result.output;
    EXPECT_EQ(lines.back(), "(!) Quillpad was removed from your computer.");
    EXPECT_TRUE(WaitFor([&] { return !FileExists(target + L"\\Uninstall.exe"); }));

    WIN32_FIND_DATAW data;
    std::vector<std::string> left;
    HANDLE find = FindFirstFileW((target + L"\\*").c_str(), &data);
    ASSERT_NE(find, INVALID_HANDLE_VALUE);
    do {
        if (wcscmp(data.cFileName, L".") != 0 && wcscmp(data.cFileName, L"..") != 0)
            left.push_back(Narrow(data.cFileName));
    } while (FindNextFileW(find, &data));
    FindClose(find);
    EXPECT_EQ(left, std::vector<std::string>{"my notes.txt"});
    EXPECT_FALSE(RecordExists(HKEY_CURRENT_USER));
    for (int folder : {CSIDL_PROGRAMS, CSIDL_DESKTOPDIRECTORY})
        EXPECT_FALSE(FileExists(ShellFolder(folder) + L"\\Quillpad.lnk"));
    EXPECT_TRUE(WaitFor([&] { return RemoveDirectoryW(temp.c_str()) != FALSE; }));
}

} // namespace
} // namespace test
