#include <gtest/gtest.h>

#include <windows.h>

#include <shlobj.h>
#include <winioctl.h>

#include <cstring>
#include <system_error>
#include <vector>

#include "tests/support/scoped_variable.h"
#include "tests/support/support.h"
#include "vel/folders.h"
#include "vel/paths.h"

namespace vel {
namespace {

std::wstring Variable(const wchar_t* name) {
    const wchar_t* value = _wgetenv(name);
    return value ? value : L"";
}

// A registry text value, an expandable one expanded by Windows itself.
std::wstring ExpandedRegistryText(HKEY hive, const wchar_t* key, const wchar_t* name) {
    wchar_t value[MAX_PATH * 4];
    DWORD size = sizeof(value);
    if (RegGetValueW(hive, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return L"";
    return value;
}

void MakeFile(const std::wstring& path, size_t bytes) {
    test::WriteTextFile(path, std::string(bytes, 'x'));
}

TEST(ExpandShellFolders, UsesTheShellFoldersKeys) {
    const wchar_t* key = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    std::wstring desktop = ExpandedRegistryText(HKEY_LOCAL_MACHINE, key, L"Desktop");
    if (desktop.empty()) desktop = ExpandedRegistryText(HKEY_CURRENT_USER, key, L"Desktop");
    ASSERT_FALSE(desktop.empty()) << "no Desktop value in either Shell Folders key";
    EXPECT_EQ(ExpandShellFolders(L"shell:desktop\\x"), desktop + L"\\x");
    EXPECT_EQ(ExpandShellFolders(L"shell:nosuch\\x"), L"shell:nosuch\\x");
    EXPECT_EQ(ExpandPathMacros(L"shell:desktop\\%QP_NOT_SET%"), desktop + L"\\%QP_NOT_SET%");
}

TEST(UserShellFolders, ComeFromTheRegistryWithMacrosExpanded) {
    const wchar_t* key =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    EXPECT_EQ(GetUserShellFolder(TUserShellFolder::Profile), Variable(L"USERPROFILE"));
    const struct {
        TUserShellFolder kind;
        const wchar_t* value;
    } cases[] = {{TUserShellFolder::Desktop, L"Desktop"},
                 {TUserShellFolder::Programs, L"Programs"},
                 {TUserShellFolder::AppData, L"AppData"},
                 {TUserShellFolder::Documents, L"Personal"}};
    for (const auto& c : cases) {
        const std::wstring expected = ExpandedRegistryText(HKEY_CURRENT_USER, key, c.value);
        EXPECT_FALSE(expected.empty()) << c.value;
        EXPECT_EQ(GetUserShellFolder(c.kind), expected) << c.value;
    }
}

TEST(SystemFacts, DriveVersionAndUser) {
    EXPECT_EQ(GetSystemDrive(), Variable(L"SYSTEMDRIVE"));
    {
        test::ScopedVariable unset(L"SYSTEMDRIVE", std::nullopt);
        const std::wstring drive = GetSystemDrive();
        ASSERT_EQ(drive.size(), 2u);
        EXPECT_EQ(drive[1], L':');
    }
    EXPECT_GE(GetWindowsVersionNumber(), 6.0f);
    EXPECT_EQ(GetCurrentUserName(), Variable(L"USERNAME"));
}

TEST(GetAppDataFolder, BuildsTheFolderWithoutCreatingIt) {
    const std::wstring name = L"Quillpad Studio " + std::to_wstring(GetCurrentProcessId());
    const std::wstring local = GetAppDataFolder(name, true, false, TAppDataKind::Local);
    EXPECT_EQ(local, Variable(L"LOCALAPPDATA") + L"\\VelmarSoftware\\" + name + L"\\");
    EXPECT_FALSE(test::FolderExists(local));
    EXPECT_EQ(GetAppDataFolder(name, false, false, TAppDataKind::Roaming),
              Variable(L"APPDATA") + L"\\" + name + L"\\");
    EXPECT_EQ(GetAppDataFolder(name, true, false, TAppDataKind::LocalLow),
              Variable(L"USERPROFILE") + L"\\AppData\\LocalLow\\VelmarSoftware\\" + name + L"\\");
}

TEST(GetAppDataFolder, CreatesMissingFoldersWhenAsked) {
    test::ScratchFolder scratch;
    test::ScopedVariable local(L"LOCALAPPDATA", scratch.Path() + L"\\Deep\\Local");
    const std::wstring folder =
        GetAppDataFolder(L"Velmar Installer", true, true, TAppDataKind::Local);
    EXPECT_EQ(folder, scratch.Path() + L"\\Deep\\Local\\VelmarSoftware\\Velmar Installer\\");
    EXPECT_TRUE(test::FolderExists(folder));
    EXPECT_EQ(GetAppDataFolder(L"Velmar Installer", true, true, TAppDataKind::Local),
              folder); // exists: fine
}

TEST(GetAppDataFolder, ReportsAFolderThatCannotBeCreated) {
    test::ScratchFolder scratch;
    MakeFile(scratch.Path() + L"\\VelmarSoftware", 1); // a file where the folder should go
    test::ScopedVariable local(L"LOCALAPPDATA", scratch.Path());
    try {
        GetAppDataFolder(L"App", true, true, TAppDataKind::Local);
        ADD_FAILURE() << "no exception";
    } catch (const std::system_error& error) {
        EXPECT_EQ(error.code().category(), std::system_category());
        EXPECT_NE(error.code().value(), 0);
    }
}

TEST(GetAppDataFolder, AsksTheShellWhenTheVariableIsMissing) {
    wchar_t* known = nullptr;
    ASSERT_TRUE(SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &known)));
    const std::wstring expected = std::wstring(known) + L"\\VelmarSoftware\\App\\";
    CoTaskMemFree(known);
    test::ScopedVariable unset(L"LOCALAPPDATA", std::nullopt);
    EXPECT_EQ(GetAppDataFolder(L"App", true, false, TAppDataKind::Local), expected);
}

TEST(GetFolderSize, AddsUpEveryFileBelowTheFolder) {
    test::ScratchFolder scratch;
    const std::wstring root = scratch.Path();
    MakeFile(root + L"\\a.bin", 100);
    CreateDirectoryW((root + L"\\sub").c_str(), nullptr);
    MakeFile(root + L"\\sub\\b.bin", 1536);
    CreateDirectoryW((root + L"\\sub\\%QP_TEST_DIR%").c_str(), nullptr); // a name, not a macro
    MakeFile(root + L"\\sub\\%QP_TEST_DIR%\\c.bin", 7);
    CreateDirectoryW((root + L"\\empty").c_str(), nullptr);
    test::ScopedVariable dir(L"QP_TEST_DIR", root);

    EXPECT_EQ(GetFolderSize(root), 1643u);
    EXPECT_EQ(GetFolderSize(root + L"\\"), 1643u);
    EXPECT_EQ(GetFolderSize(L"%QP_TEST_DIR%"), 1643u);
    EXPECT_EQ(GetFolderSize(root + L"\\sub"), 1543u);
    EXPECT_EQ(GetFolderSize(root + L"\\empty"), 0u);
    EXPECT_EQ(GetFolderSize(root + L"\\missing"), 0u);
    EXPECT_EQ(GetFolderSize(root + L"\\a.bin"), 0u);
    EXPECT_EQ(GetFolderSize(L""), 0u);
}

// Turns the empty folder link into a junction to target; false where the file system
// cannot (Wine 8 answers ERROR_NOT_SUPPORTED).
bool MakeJunction(const std::wstring& link, const std::wstring& target) {
    if (!CreateDirectoryW(link.c_str(), nullptr)) return false;
    const std::wstring substitute = L"\\??\\" + target;
    const WORD substituteBytes = static_cast<WORD>(substitute.size() * sizeof(wchar_t));
    // REPARSE_DATA_BUFFER for a mount point: tag, data length, reserved, then four name
    // offsets and lengths and the names (substitute and an empty print name, each ended by zero).
    std::vector<BYTE> buffer(16 + substituteBytes + 2 * sizeof(wchar_t));
    const DWORD tag = IO_REPARSE_TAG_MOUNT_POINT;
    const WORD header[] = {static_cast<WORD>(buffer.size() - 8),
                           0,
                           0,
                           substituteBytes,
                           static_cast<WORD>(substituteBytes + sizeof(wchar_t)),
                           0};
    memcpy(buffer.data(), &tag, sizeof(tag));
    memcpy(buffer.data() + 4, header, sizeof(header));
    memcpy(buffer.data() + 16, substitute.c_str(), substituteBytes);
    HANDLE handle = CreateFileW(link.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    DWORD returned = 0;
    const bool made =
        handle != INVALID_HANDLE_VALUE &&
        DeviceIoControl(handle, FSCTL_SET_REPARSE_POINT, buffer.data(),
                        static_cast<DWORD>(buffer.size()), nullptr, 0, &returned, nullptr);
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
    return made;
}

TEST(GetFolderSize, DoesNotFollowJunctionsBackUp) {
    test::ScratchFolder scratch;
    const std::wstring root = scratch.Path();
    MakeFile(root + L"\\a.bin", 10);
    CreateDirectoryW((root + L"\\sub").c_str(), nullptr);
    const std::wstring loop = root + L"\\sub\\loop";
    if (!MakeJunction(loop, root))
        GTEST_SKIP() << "no junctions on this file system (error " << GetLastError() << ")";
    EXPECT_EQ(GetFolderSize(root), 10u);
    RemoveDirectoryW(loop.c_str());
}

TEST(GetFolderSize, MeasuresPathsLongerThanMaxPath) {
    test::ScratchFolder scratch;
    std::wstring deep = scratch.Path();
    while (deep.size() < 300)
        deep += L"\\" + std::wstring(40, L'd');
    CreateFolderTree(deep);
    EXPECT_TRUE(FolderExists(deep));
    const std::wstring file = ExtendedLengthPath(deep + L"\\deep.bin");
    HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(handle, "12345", 5, &written, nullptr);
    CloseHandle(handle);

    EXPECT_EQ(GetFolderSize(scratch.Path()), 5u);
    EXPECT_EQ(GetFolderSize(deep), 5u);
    // The scratch folder's own clean-up cannot reach that deep.
    DeleteFileW(file.c_str());
    for (std::wstring folder = ExtendedLengthPath(deep);
         folder.size() > ExtendedLengthPath(scratch.Path()).size();
         folder.resize(folder.rfind(L'\\')))
        RemoveDirectoryW(folder.c_str());
}

} // namespace
} // namespace vel
