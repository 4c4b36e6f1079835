// The sample application packaged by scripts/package.py (tests/package/make_test_packages.py
// made the installers): installed silently and through the wizard, found in the list of
// installed programs under its own name, and removed again.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <cstdlib>
#include <vector>

#include "tests/e2e/fake_installation.h"
#include "tests/e2e/installer_run.h"
#include "tests/support/windows.h"
#include "tests/support/wizard_driver.h"

namespace test {
namespace {

const wchar_t kRecord[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Hello";
const wchar_t kPublisher[] = L"M\u00fcller & S\u00f6hne Software";

std::wstring PackagedSetup(const wchar_t* name) {
    return BuildFile(std::wstring(L"tests\\packaged\\") + name);
}

// What an installation of the sample leaves outside its folder, removed before and after.
class CleanHelloState {
  public:
    CleanHelloState() { Clean(); }
    ~CleanHelloState() { Clean(); }
    static void Clean() {
        for (HKEY hive : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
            RegDeleteTreeW(hive, kRecord);
        for (int folder : {CSIDL_PROGRAMS, CSIDL_DESKTOPDIRECTORY})
            DeleteFileW((ShellFolder(folder) + L"\\Hello.lnk").c_str());
        RemoveTree(ShellFolder(CSIDL_LOCAL_APPDATA) + L"\\VelmarSoftware\\Velmar Installer");
    }
};

std::wstring RecordValue(const wchar_t* name) {
    wchar_t value[1024] = L"";
    DWORD size = sizeof(value);
    RegGetValueW(HKEY_CURRENT_USER, kRecord, name, RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr,
                 value, &size);
    return value;
}

bool RecordExists() {
    HKEY key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kRecord, 0, KEY_READ | KEY_WOW64_64KEY, &key) != 0)
        return false;
    RegCloseKey(key);
    return true;
}

void ExpectTheSamplesRecord(const std::wstring& target) {
    ASSERT_TRUE(RecordExists());
    EXPECT_EQ(RecordValue(L"DisplayName"), L"Hello Sample");
    EXPECT_EQ(RecordValue(L"Publisher"), kPublisher);
    EXPECT_EQ(RecordValue(L"DisplayVersion"), L"2.1.0");
    EXPECT_EQ(RecordValue(L"DisplayIcon"), target + L"\\Hello.exe");
    EXPECT_EQ(RecordValue(L"URLInfoAbout"), L"https://example.com/hello/");
    EXPECT_EQ(RecordValue(L"HelpLink"), L"https://example.com/support/");
    EXPECT_EQ(RecordValue(L"URLUpdateInfo"), L"https://example.com/hello/download/");
}

void UninstallSilently(const std::wstring& target) {
    const ProcessResult result =
        RunProcess(L"cmd.exe /c \"\"" + target + L"\\Uninstall.exe\" -silent\"", 120000);
    EXPECT_EQ(result.exitCode, 0u) << result.output;
    EXPECT_EQ(OutputLines(result.output).back(), "(!) Hello was removed from your computer.");
    EXPECT_TRUE(WaitFor([&] { return !FileExists(target + L"\\Uninstall.exe"); }));
    EXPECT_FALSE(FileExists(target + L"\\Hello.exe"));
    EXPECT_FALSE(RecordExists());
    for (int folder : {CSIDL_PROGRAMS, CSIDL_DESKTOPDIRECTORY})
        EXPECT_FALSE(FileExists(ShellFolder(folder) + L"\\Hello.lnk"));
}

std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length))
        return L"(none)";
    return std::wstring(value, length ? length - 1 : 0);
}

// The colour at (x, y) of the program's main icon drawn at size x size.
COLORREF IconPixel(const std::wstring& program, int size, int x, int y) {
    HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!module) return CLR_INVALID;
    HICON icon = static_cast<HICON>(LoadImageW(module, L"MAINICON", IMAGE_ICON, size, size, 0));
    COLORREF colour = CLR_INVALID;
    if (icon) {
        HDC screen = GetDC(nullptr);
        HDC dc = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
        HGDIOBJ old = SelectObject(dc, bitmap);
        RECT all{0, 0, size, size};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        DrawIconEx(dc, 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
        colour = GetPixel(dc, x, y);
        SelectObject(dc, old);
        DeleteObject(bitmap);
        DeleteDC(dc);
        ReleaseDC(nullptr, screen);
        DestroyIcon(icon);
    }
    FreeLibrary(module);
    return colour;
}

// Resampled to small sizes, a colour may drift a little from the logo's own.
::testing::AssertionResult Near(COLORREF got, COLORREF wanted) {
    for (int shift : {0, 8, 16})
        if (std::abs(static_cast<int>((got >> shift) & 0xFF) -
                     static_cast<int>((wanted >> shift) & 0xFF)) > 24)
            return ::testing::AssertionFailure() << std::hex << got << " is not near " << wanted;
    return ::testing::AssertionSuccess();
}

// One packaged installer run with "-silent" into a scratch folder, from a clean state.
struct SilentInstallation {
    explicit SilentInstallation(const wchar_t* setupName)
        : target(scratch.Path() + L"\\Hello"),
          setup(RunSetupFromConsole(L"-silent -installpath \"" + target + L"\"", L"",
                                    PackagedSetup(setupName))) {}
    CleanHelloState clean;
    ScratchFolder scratch;
    std::wstring target;
    ProcessResult setup;
};

TEST(PackagedInstaller, InstallsSilentlyUnderItsOwnNameAndUninstalls) {
    SilentInstallation installation(L"HelloSetup.exe");
    const std::wstring& target = installation.target;
    ASSERT_EQ(installation.setup.exitCode, 0u) << installation.setup.output;
    EXPECT_EQ(ReadTextFile(target + L"\\greeting.txt"),
              L"Hello from the sample package! Gr\u00fc\u00dfe, \u3053\u3093\u306b\u3061\u306f.\n");
    EXPECT_TRUE(FileExists(target + L"\\Hello.exe"));
    ExpectTheSamplesRecord(target);
    for (int folder : {CSIDL_PROGRAMS, CSIDL_DESKTOPDIRECTORY})
        EXPECT_TRUE(FileExists(ShellFolder(folder) + L"\\Hello.lnk"));
    // The package checks its first option and labels the first two.
    wchar_t options[64];
    GetPrivateProfileStringW(L"Configuration", L"Options", L"", options, 64,
                             (target + L"\\InstallReport.ini").c_str());
    EXPECT_STREQ(options, L"true,false,false");

    UninstallSilently(target);
}

TEST(PackagedInstaller, ShowsThePublishersNameVersionAndIconInItsFileProperties) {
    const std::wstring setup = PackagedSetup(L"HelloSetup.exe");
    std::vector<BYTE> info(GetFileVersionInfoSizeW(setup.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(
        GetFileVersionInfoW(setup.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    EXPECT_EQ(VersionString(info, L"ProductName"), L"Hello Sample");
    EXPECT_EQ(VersionString(info, L"CompanyName"), kPublisher);
    EXPECT_EQ(VersionString(info, L"ProductVersion"), L"2.1.0.0");
    EXPECT_EQ(VersionString(info, L"FileDescription"), L"Hello Sample Setup");
    EXPECT_EQ(VersionString(info, L"OriginalFilename"), L"HelloSetup.exe");
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(1, 2));
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);

    // The sample's logo is an orange rounded square with a white ring.
    for (int size : {16, 32, 48, 256}) {
        EXPECT_TRUE(Near(IconPixel(setup, size, size / 8, size / 2), RGB(240, 128, 32))) << size;
        EXPECT_TRUE(Near(IconPixel(setup, size, size * 5 / 16, size / 2), RGB(255, 255, 255)))
            << size;
    }
}

TEST(PackagedInstaller, KeepsTheNamesOfAReadyInfoZipArchive) {
    SilentInstallation installation(L"HelloZipSetup.exe");
    const std::wstring& target = installation.target;
    ASSERT_EQ(installation.setup.exitCode, 0u) << installation.setup.output;
    const struct {
        const wchar_t* name;
        const wchar_t* text;
    } files[] = {
        {L"Dokumente\\Gr\u00f6\u00dfe.txt", L"Gr\u00f6\u00dfe\n"},
        {L"\u65e5\u672c\u8a9e.txt", L"\u3053\u3093\u306b\u3061\u306f\n"},
        {L"\u00dcn\u00efc\u00f6d\u00e9\\\u00e7a va.txt", L"\u00e7a va\n"},
    };
    for (const auto& file : files)
        EXPECT_EQ(ReadTextFile(target + L"\\" + file.name), file.text) << Narrow(file.name);
    EXPECT_TRUE(FileExists(target + L"\\Hello.exe"));
    UninstallSilently(target);
}

class PackagedWizard : public ::testing::Test {
  protected:
    CleanHelloState clean;
    ScratchFolder scratch;
    StartedProcess setup;
    HWND window = nullptr;

    void SetUp() override { KeepScreenOnFailure(); }
    void Press(const wchar_t* caption) {
        ASSERT_TRUE(ClickText(window, caption)) << Narrow(caption);
    }
    // A visible control whose content starts with this. GetWindowText reads only the
    // caption of another process's window; a rich edit answers WM_GETTEXT with its text.
    static HWND TextStartingWith(HWND top, const std::wstring& start) {
        struct Search {
            const std::wstring* start;
            HWND found;
        } search{&start, nullptr};
        EnumChildWindows(
            top,
            [](HWND child, LPARAM param) -> BOOL {
                auto* s = reinterpret_cast<Search*>(param);
                wchar_t text[256] = L"";
                DWORD_PTR copied = 0;
                SendMessageTimeoutW(child, WM_GETTEXT, std::size(text), LPARAM(text), SMTO_BLOCK,
                                    5000, &copied);
                if (!IsWindowVisible(child) || std::wstring(text).rfind(*s->start, 0) != 0)
                    return TRUE;
                s->found = child;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
};

TEST_F(PackagedWizard, ShowsThePackagesNamesLicenceAndOptionsAndInstalls) {
    const std::wstring target = scratch.Path() + L"\\Hello";
    StartProcess(L"\"" + PackagedSetup(L"HelloSetup.exe") + L"\" -installpath \"" + target + L"\"",
                 setup);
    window = WaitForWizardCaption(setup.pid, L"Hello Sample Installer");
    ASSERT_NE(window, nullptr) << "the wizard did not open";
    EXPECT_EQ(WindowText(window), L"Hello Sample Installer");
    ASSERT_NE(WaitForControl(window, L"Welcome to the Hello installer"), nullptr);
    EXPECT_NE(FindControl(window, L"This application will help you install Hello and extract any "
                                  L"files required automatically for you. To begin, press next."),
              nullptr);

    Press(L"Next");
    ASSERT_NE(WaitForControl(window, L"License agreement"), nullptr);
    EXPECT_TRUE(WaitFor([&] {
        return TextStartingWith(window, L"Hello Sample - Licence") != nullptr;
    })) << "the package's licence is shown";
    Press(L"Agree");
    Press(L"Next");
    ASSERT_NE(WaitForControl(window, L"Please adjust the following"), nullptr);
    EXPECT_NE(WaitForControl(window, L"Send anonymous usage statistics"), nullptr);
    EXPECT_NE(FindControl(window, L"Check for updates weekly"), nullptr);
    Press(L"Next");
    ASSERT_NE(WaitForControl(window, L"All ready?"), nullptr);
    Press(L"Install");
    ASSERT_NE(WaitForControl(window, L"The installation was successfull", 60000), nullptr);
    Press(L"Close");
    EXPECT_EQ(setup.Wait(), 0u);
    ExpectTheSamplesRecord(target);
    UninstallSilently(target);
}

} // namespace
} // namespace test
