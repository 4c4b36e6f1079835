// Which folders the settings page accepts as the install folder: compared as canonical
// absolute paths at folder boundaries.
#include <gtest/gtest.h>

#include "installer/install_path_check.h"

namespace installer {
namespace {

TEST(InstallPathCheck, JudgesFoldersAtTheirBoundaries) {
    const TProtectedFolders folders{L"C:\\Windows",
                                    {L"C:\\Program Files", L"C:\\Program Files (x86)"}};
    const struct {
        const wchar_t* typed;
        bool admin;
        TPathVerdict verdict;
        const wchar_t* canonical;
    } cases[] = {
        {L"D:\\Apps\\Quillpad", false, TPathVerdict::Accepted, L"D:\\Apps\\Quillpad"},
        {L"D:/Apps/./Tools/../Quillpad\\", false, TPathVerdict::Accepted, L"D:\\Apps\\Quillpad"},
        {L"C:\\Windows.old\\Quillpad", false, TPathVerdict::Accepted, L"C:\\Windows.old\\Quillpad"},
        {L"C:\\Windows", true, TPathVerdict::SystemFolder, nullptr},
        {L"C:/Windows/System32/x", true, TPathVerdict::SystemFolder, nullptr},
        {L"c:\\WINDOWS\\Temp\\..\\x", true, TPathVerdict::SystemFolder, nullptr},
        {L"D:\\Apps\\..\\..\\Windows\\x", true, TPathVerdict::Accepted, L"D:\\Windows\\x"},
        {L"C:\\", true, TPathVerdict::SystemFolder, nullptr},
        {L"E:", true, TPathVerdict::Invalid, nullptr},
        {L"C:Quillpad", true, TPathVerdict::Invalid, nullptr},
        {L"Quillpad", true, TPathVerdict::Invalid, nullptr},
        {L"\\Quillpad", true, TPathVerdict::Invalid, nullptr},
        {L"", true, TPathVerdict::Invalid, nullptr},
        {L"D:\\Apps\\Quill|pad", true, TPathVerdict::Invalid, nullptr},
        {L"D:\\Apps:Stream", true, TPathVerdict::Invalid, nullptr},
        {L"C:\\Program Files\\Quillpad", false, TPathVerdict::NeedsAdmin, nullptr},
        {L"C:\\Program Files (x86)\\Quillpad", false, TPathVerdict::NeedsAdmin, nullptr},
        {L"C:\\Program Files\\Quillpad", true, TPathVerdict::Accepted, L"C:\\Program Files\\Quillpad"},
        {L"C:\\Program Filesystem\\Quillpad", false, TPathVerdict::Accepted,
         L"C:\\Program Filesystem\\Quillpad"},
        {L"\\\\server\\share\\Quillpad", false, TPathVerdict::Accepted, L"\\\\server\\share\\Quillpad"},
    };
    for (const auto& c : cases) {
        std::wstring canonical;
        EXPECT_EQ(CheckInstallPath(c.typed, folders, c.admin, canonical), c.verdict)
            << testing::PrintToString(std::wstring(c.typed));
        if (c.canonical) {
            EXPECT_EQ(canonical, c.canonical);
        }
    }
}

TEST(InstallPathCheck, EveryRefusalHasItsMessage) {
    EXPECT_EQ(PathRefusalText(TPathVerdict::Invalid),
              L"The installation path of the application is invalid!");
    EXPECT_EQ(PathRefusalText(TPathVerdict::NeedsAdmin),
              L"You need to restart this app as administrator to install to that location.");
    EXPECT_EQ(PathRefusalText(TPathVerdict::SystemFolder),
              L"You can't install this app there. Windows will not like that.");
}

} // namespace
} // namespace installer
