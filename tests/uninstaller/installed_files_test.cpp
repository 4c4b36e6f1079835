#include <gtest/gtest.h>

#include "uninstaller/installed_files.h"
#include "uninstaller/removal_plan.h"

namespace uninstaller {
namespace {

using Paths = std::vector<std::wstring>;

TEST(SafeRelativePath, KeepsEntriesInsideTheFolderOnly) {
    const struct {
        const wchar_t* path;
        const wchar_t* safe; // null: refused
    } cases[] = {
        {L"Quillpad.exe", L"Quillpad.exe"},
        {L"Samples\\Welcome.txt", L"Samples\\Welcome.txt"},
        {L"Samples/Templates/Letter.txt", L"Samples\\Templates\\Letter.txt"},
        {L"Ünïcødé folder\\名前.txt", L"Ünïcødé folder\\名前.txt"},
        {L" leading space.txt", L" leading space.txt"},
        {L"..\\outside.txt", nullptr},
        {L"Samples\\..\\..\\outside.txt", nullptr},
        {L"..", nullptr},
        {L".\\Quillpad.exe", nullptr},
        {L"Samples\\...\\x", nullptr}, // Windows trims trailing dots: "..." would climb
        {L"Samples\\.. \\x", nullptr},
        {L"C:\\Windows\\notepad.exe", nullptr},
        {L"C:notepad.exe", nullptr},
        {L"\\Windows\\notepad.exe", nullptr},
        {L"\\\\server\\share\\x", nullptr},
        {L"/etc/passwd", nullptr},
        {L"Quillpad.exe:stream", nullptr},
        {L"Samples\\*.txt", nullptr},
        {L"Samples\\\\Welcome.txt", nullptr},
        {L"Samples\\", nullptr},
        {L"", nullptr},
        {L"tab\there", nullptr},
    };
    for (const auto& c : cases) {
        auto safe = SafeRelativePath(c.path);
        if (c.safe) {
            ASSERT_TRUE(safe.has_value()) << c.path;
            EXPECT_EQ(*safe, c.safe);
        } else {
            EXPECT_FALSE(safe.has_value()) << c.path << " -> " << safe.value_or(L"");
        }
    }
}

TEST(InstalledFilesList, ReadsEntriesAndRefusesTheRest) {
    const std::wstring text = L"\uFEFF; Files and folders that Quillpad Setup installed here.\r\n"
                              L"D Samples\r\n"
                              L"F Quillpad.exe\r\n"
                              L"\r\n"
                              L"F Samples\\Welcome.txt\n" // a bare line feed ends a line too
                              L"F ..\\..\\Windows\\win.ini\r\n"
                              L"X Quillpad.exe\r\n"
                              L"F\r\n"
                              L"D Templates\r\n"
                              L"F InstalledFiles.lst"; // no line end after the last line
    const TInstalledFiles list = ParseInstalledFiles(text);
    EXPECT_EQ(list.Files, (Paths{L"Quillpad.exe", L"Samples\\Welcome.txt", L"InstalledFiles.lst"}));
    EXPECT_EQ(list.Folders, (Paths{L"Samples", L"Templates"}));
    EXPECT_EQ(list.Refused, (Paths{L"F ..\\..\\Windows\\win.ini", L"X Quillpad.exe", L"F"}));
}

TEST(RemovalPlan, LeavesOwnFilesForLastAndEmptiesFoldersDeepestFirst) {
    TInstalledFiles list;
    list.Files = {L"Quillpad.exe",         L"Samples\\Welcome.txt",
                  L"samples\\welcome.TXT", L"Data\\Fonts\\Mono\\a.ttf",
                  L"Uninstall.exe",        L"installreport.ini",
                  L"InstalledFiles.lst"};
    list.Folders = {L"Templates", L"Samples"};
    const TRemovalPlan plan = PlanRemoval(list);
    EXPECT_EQ(plan.Files,
              (Paths{L"Quillpad.exe", L"Samples\\Welcome.txt", L"Data\\Fonts\\Mono\\a.ttf"}));
    // Data\Fonts\Mono and its parents were not listed (an update does not list folders
    // that already existed) but hold installed files, so they are candidates too.
    EXPECT_EQ(plan.Folders,
              (Paths{L"Data\\Fonts\\Mono", L"Data\\Fonts", L"Templates", L"Samples", L"Data"}));
}

} // namespace
} // namespace uninstaller
