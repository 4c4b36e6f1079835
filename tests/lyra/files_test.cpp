#include <gtest/gtest.h>

#include <windows.h>

#include "lyra/files.h"
#include "tests/support/support.h"

namespace lyra {
namespace {

TEST(LyraFiles, FileSizeOfTheFirstMatch) {
    test::ScratchFolder scratch;
    test::WriteTextFile(scratch.Path() + L"\\one.txt", std::string(1234, 'x'));
    EXPECT_EQ(FileSizeOf(scratch.Path() + L"\\one.txt"), 1234);
    EXPECT_EQ(FileSizeOf(scratch.Path() + L"\\*.txt"), 1234);
    EXPECT_EQ(FileSizeOf(scratch.Path() + L"\\missing.txt"), -1);
    test::WriteTextFile(scratch.Path() + L"\\empty.txt", "");
    EXPECT_EQ(FileSizeOf(scratch.Path() + L"\\empty.txt"), 0);
}

TEST(LyraFiles, UserShellFoldersMatchTheUtilityLibrary) {
    for (auto kind : {TUserShellFolder::Profile, TUserShellFolder::Desktop,
                      TUserShellFolder::AppData, TUserShellFolder::Programs}) {
        EXPECT_EQ(GetUserShellFolder(kind), vel::GetUserShellFolder(kind));
        EXPECT_FALSE(GetUserShellFolder(kind).empty());
    }
}

TEST(LyraFiles, ShellRunStartsTheProgram) {
    test::ScratchFolder scratch;
    const std::wstring marker = scratch.Path() + L"\\started.txt";
    ShellRun(L"cmd.exe", L"/c echo started> \"" + marker + L"\"");
    // Wait for the started program, however long it takes to come up.
    for (int attempt = 0; attempt < 600 && !test::FileExists(marker); ++attempt)
        Sleep(100);
    ASSERT_TRUE(test::FileExists(marker));
}

} // namespace
} // namespace lyra
