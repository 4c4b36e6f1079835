// Path comparisons and the data-folder guard, on real folders.
#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>

#include "tests/support/support.h"
#include "uninstaller/data_folder.h"
#include "uninstaller/file_removal.h"
#include "uninstaller/paths.h"

namespace uninstaller {
namespace {

std::wstring KnownFolder(int csidl) {
    wchar_t path[MAX_PATH];
    SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

TEST(Paths, CompareAsTheFileSystemDoes) {
    test::ScratchFolder scratch;
    const std::wstring folder = scratch.Path() + L"\\Long Folder Name";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    wchar_t shortName[MAX_PATH];
    GetShortPathNameW(folder.c_str(), shortName, MAX_PATH);
    std::wstring upper = folder;
    CharUpperW(upper.data());

    EXPECT_TRUE(SamePath(folder, upper + L"\\"));
    EXPECT_TRUE(SamePath(folder, shortName));
    EXPECT_TRUE(SamePath(folder, folder + L"\\sub\\..\\."));
    EXPECT_FALSE(SamePath(folder, folder + L"x"));
    EXPECT_TRUE(IsInsideFolder(folder, upper + L"\\Quillpad.exe"));
    EXPECT_TRUE(IsInsideFolder(std::wstring(shortName) + L"\\", folder + L"\\a\\b.txt"));
    EXPECT_FALSE(IsInsideFolder(folder, folder));
    EXPECT_FALSE(
        IsInsideFolder(folder, folder + L" 2\\Quillpad.exe")); // a sibling with a longer name
    EXPECT_FALSE(IsInsideFolder(folder, folder + L"\\..\\Quillpad.exe"));
}

TEST(DataFolder, OnlyAFolderOfTheApplicationAlone) {
    test::ScratchFolder scratch;
    const std::wstring install = scratch.Path() + L"\\Programs\\Quillpad";
    const std::wstring local = KnownFolder(CSIDL_LOCAL_APPDATA);
    EXPECT_TRUE(IsRemovableDataFolder(local + L"\\VelmarSoftware\\Quillpad\\", install));
    EXPECT_TRUE(IsRemovableDataFolder(scratch.Path() + L"\\data\\Quillpad", install));
    for (const std::wstring& unsafe :
         {local, local + L"\\", KnownFolder(CSIDL_PROFILE), KnownFolder(CSIDL_APPDATA),
          KnownFolder(CSIDL_WINDOWS), KnownFolder(CSIDL_PROFILE).substr(0, 3),
          std::wstring(L"C:\\Data"), scratch.Path() + L"\\Programs", install,
          std::wstring(L"VelmarSoftware\\Quillpad"), std::wstring(L""), local + L"\\..\\Local"})
        EXPECT_FALSE(IsRemovableDataFolder(unsafe, install)) << unsafe;
}

TEST(FileRemoval, DeletesReadOnlyFilesAndKeepsFilledFolders) {
    test::ScratchFolder scratch;
    const std::wstring root = scratch.Path();
    CreateDirectoryW((root + L"\\Samples").c_str(), nullptr);
    CreateDirectoryW((root + L"\\Empty").c_str(), nullptr);
    test::WriteTextFile(root + L"\\Samples\\Welcome.txt", "installed");
    test::WriteTextFile(root + L"\\Samples\\Mine.txt", "the user's");
    test::WriteTextFile(root + L"\\Quillpad.exe", "installed");
    SetFileAttributesW((root + L"\\Quillpad.exe").c_str(), FILE_ATTRIBUTE_READONLY);

    EXPECT_TRUE(RemoveInstalledFiles(root, {L"Quillpad.exe", L"Samples\\Welcome.txt", L"Gone.txt"})
                    .empty());
    RemoveEmptyFolders(root, {L"Samples", L"Empty"});
    EXPECT_FALSE(test::FileExists(root + L"\\Quillpad.exe"));
    EXPECT_FALSE(test::FileExists(root + L"\\Samples\\Welcome.txt"));
    EXPECT_TRUE(test::FileExists(root + L"\\Samples\\Mine.txt"));
    EXPECT_FALSE(test::FolderExists(root + L"\\Empty"));

    EXPECT_TRUE(RemoveFolderTree(root + L"\\Samples"));
    EXPECT_FALSE(test::FolderExists(root + L"\\Samples"));
    EXPECT_TRUE(IsFolderEmpty(root));
}

TEST(FileRemoval, DoesNotReachThroughALinkedFolder) {
    test::ScratchFolder install, elsewhere;
    test::WriteTextFile(elsewhere.Path() + L"\\Welcome.txt", "the user's");
    if (!CreateSymbolicLinkW((install.Path() + L"\\Samples").c_str(), elsewhere.Path().c_str(),
                             SYMBOLIC_LINK_FLAG_DIRECTORY |
                                 SYMBOLIC_LINK_FLAG_ALLOW_UNPRIVILEGED_CREATE))
        GTEST_SKIP() << "folder links cannot be made here";
    EXPECT_TRUE(RemoveInstalledFiles(install.Path(), {L"Samples\\Welcome.txt"}).empty());
    RemoveEmptyFolders(install.Path(), {L"Samples"});
    EXPECT_TRUE(test::FileExists(elsewhere.Path() + L"\\Welcome.txt"));
    EXPECT_TRUE(
        RemoveFolderTree(install.Path() + L"\\Samples")); // the link goes, not what it points at
    EXPECT_TRUE(test::FileExists(elsewhere.Path() + L"\\Welcome.txt"));
}

TEST(FileRemoval, ReachesBeyondTheClassicPathLimit) {
    test::ScratchFolder scratch;
    std::wstring relative;
    for (int i = 0; i < 6; ++i) {
        relative +=
            (relative.empty() ? L"" : L"\\") + std::wstring(50, static_cast<wchar_t>(L'a' + i));
        ASSERT_TRUE(
            CreateDirectoryW((L"\\\\?\\" + scratch.Path() + L"\\" + relative).c_str(), nullptr));
    }
    const std::wstring file = relative + L"\\Deep.txt";
    ASSERT_GT(scratch.Path().size() + file.size(), size_t{MAX_PATH});
    test::WriteTextFile(L"\\\\?\\" + scratch.Path() + L"\\" + file, "installed");

    EXPECT_TRUE(RemoveInstalledFiles(scratch.Path(), {file}).empty());
    std::vector<std::wstring> folders;
    for (size_t slash = file.rfind(L'\\'); slash != std::wstring::npos && slash > 0;
         slash = file.rfind(L'\\', slash - 1))
        folders.push_back(file.substr(0, slash));
    RemoveEmptyFolders(scratch.Path(), folders);
    EXPECT_TRUE(IsFolderEmpty(scratch.Path()));
}

} // namespace
} // namespace uninstaller
