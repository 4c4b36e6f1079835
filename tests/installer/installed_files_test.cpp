#include <gtest/gtest.h>

#include "installer/installed_files.h"
#include "tests/support/support.h"

namespace installer {
namespace {

TEST(InstalledFilesList, ListsThisRunAndKeepsWhatAnEarlierVersionInstalled) {
    test::ScratchFolder folder;
    const std::wstring root = folder.Path();
    CreateDirectoryW((root + L"\\bin").c_str(), nullptr);
    test::WriteTextFile(root + L"\\bin\\old.dll", "from 1.2");
    test::WriteTextFile(root + L"\\Quillpad.exe", "MZ");
    test::WriteTextFile(
        root + L"\\InstalledFiles.lst",
        "; earlier\r\nD bin\r\nF bin\\old.dll\r\nF bin\\gone.dll\r\nF QUILLPAD.EXE\r\nX junk\r\n");

    TInstallJournal journal;
    journal.CreatedFolders = {root, root + L"\\Samples"};
    journal.CreatedFiles = {root + L"\\Quillpad.exe", root + L"\\Samples\\Welcome.txt",
                            L"C:\\users\\someone\\Desktop\\Quillpad.lnk"};
    const std::wstring list = WriteInstalledFilesList(root, journal);

    EXPECT_EQ(test::ReadTextFile(list),
              L"; Files and folders that Quillpad Setup installed here.\r\n"
              L"D bin\r\n"
              L"D Samples\r\n"
              L"F bin\\old.dll\r\n"
              L"F QUILLPAD.EXE\r\n"
              L"F Samples\\Welcome.txt\r\n"
              L"F InstalledFiles.lst\r\n")
        << "files that are gone, the folder itself and things outside it are not listed";
}

} // namespace
} // namespace installer
