#include <gtest/gtest.h>

#include "installer/command_line.h"
#include "vel/text.h"

namespace installer {
namespace {

TEST(HelpText, IsTheSwitchListWithCarriageReturnsOnly) {
    EXPECT_EQ(HelpText.size(), 682u);
    EXPECT_EQ(HelpText.find(L'\n'), std::wstring::npos);
    auto lines = vel::SplitString(HelpText, L"\r");
    ASSERT_EQ(lines.size(), 15u); // 14 lines and the empty piece after the final return
    EXPECT_EQ(lines[0], L"Avalabile Parameters:");
    EXPECT_EQ(lines[1], L"");
    EXPECT_EQ(
        lines[11],
        L"-force -> Force multiple instances of the installer, also bypasses dialog confirmations");
    EXPECT_EQ(lines[13], L"-ad -> Auto-delete installer when closed");
    EXPECT_EQ(lines[14], L"");
}

TEST(InstallPathParent, IsTheFolderAboveTheTarget) {
    const struct {
        const wchar_t* path;
        const wchar_t* parent;
    } cases[] = {
        {L"C:\\Apps\\Quillpad", L"C:\\Apps"},
        {L"C:\\Apps\\Quillpad\\", L"C:\\Apps"},
        {L"C:\\Quillpad", L"C:\\"},
        {L"C:/Apps/Quillpad", L"C:/Apps"},
        {L"\\\\server\\share\\Quillpad", L"\\\\server\\share"},
        {L"Quillpad", L""},
        {L"", L""},
        {L"C:\\", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InstallPathParent(c.path), c.parent) << c.path;
}

TEST(SelfDelete, ShellCommandDeletesTheInstallerAfterThreeSeconds) {
    EXPECT_EQ(SelfDeleteParameters(L"C:\\Users\\me\\Downloads\\QuillpadSetup.exe"),
              L"/c \"timeout /t 3 && del \"C:\\Users\\me\\Downloads\\QuillpadSetup.exe\"\"");
}

} // namespace
} // namespace installer
