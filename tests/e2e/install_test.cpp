// Silent installations of the built installer, checked on the disk and in the registry.
#include <windows.h>
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include "tests/e2e/installer_run.h"
#include "tests/support/windows.h"

namespace test {
namespace {

using Lines = std::vector<std::string>;

std::string ReadBytes(const std::wstring& path) {
    return Narrow(ReadTextFile(path));
}

std::wstring LinkTarget(const std::wstring& link) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IShellLinkW* shell = nullptr;
    IPersistFile* file = nullptr;
    wchar_t target[MAX_PATH * 2] = L"";
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                   reinterpret_cast<void**>(&shell))) &&
        SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(link.c_str(), STGM_READ)))
        shell->GetPath(target, MAX_PATH * 2, nullptr, 0);
    if (file) file->Release();
    if (shell) shell->Release();
    CoUninitialize();
    return target;
}

std::wstring Lower(std::wstring s) {
    CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

class Install : public ::testing::Test {
  protected:
    CleanInstallState clean;
    ScratchFolder scratch;
    std::wstring Target() const { return scratch.Path() + L"\\Quillpad"; }
    ProcessResult Silent(const std::wstring& exe = SetupExe(), const std::wstring& extra = L"") {
        return RunSetupFromConsole(L"-silent -installpath \"" + Target() + L"\"" + extra, L"", exe);
    }
    static std::wstring Variant(const wchar_t* suffix) {
        return BuildFile(std::wstring(L"tests\\QuillpadSetup") + suffix + L".exe");
    }
};

TEST_F(Install, SilentInstallPutsEverythingInPlace) {
    ProcessResult result = Silent();
    EXPECT_EQ(OutputLines(result.output),
              (Lines{"(!) Beginning instalation", "(!) Installation type: silent",
                     "(!) Installation successfull"}));
    EXPECT_EQ(result.exitCode, 0u);

    // The archive's files with their bytes.
    EXPECT_EQ(ReadBytes(Target() + L"\\Quillpad.exe"),
              ReadBytes(BuildFile(L"resources\\Quillpad.exe")));
    for (const wchar_t* file : {L"Samples\\Welcome.txt", L"Templates\\Letter.txt", L"License.txt"})
        EXPECT_TRUE(FileExists(Target() + L"\\" + file)) << Narrow(file);
    EXPECT_TRUE(FileExists(Target() + L"\\Uninstall.exe"));
    EXPECT_TRUE(FileExists(Target() + L"\\InstallReport.ini"));
    std::string list = Narrow(ReadTextFile(Target() + L"\\InstalledFiles.lst"));
    for (const char* entry : {"F Quillpad.exe", "F Samples\\Welcome.txt", "D Samples",
                              "F Uninstall.exe", "F InstallReport.ini", "F InstalledFiles.lst"})
        EXPECT_NE(list.find(entry), std::string::npos) << entry;

    // The record, the shortcuts, no archive left behind.
    std::wstring value;
    ASSERT_TRUE(ReadRecordValue(HKEY_CURRENT_USER, L"InstallLocation", value));
    EXPECT_EQ(value, Target());
    ASSERT_TRUE(ReadRecordValue(HKEY_CURRENT_USER, L"DisplayVersion", value));
    EXPECT_EQ(value, L"1.3.0");
    DWORD size = 0;
    ASSERT_TRUE(ReadRecordNumber(HKEY_CURRENT_USER, L"EstimatedSize", size));
    EXPECT_GT(size, 0u);
    EXPECT_FALSE(RecordExists(HKEY_LOCAL_MACHINE));
    for (int folder : {CSIDL_PROGRAMS, CSIDL_DESKTOPDIRECTORY})
        EXPECT_EQ(Lower(LinkTarget(ShellFolder(folder) + L"\\Quillpad.lnk")),
                  Lower(Target() + L"\\Quillpad.exe"));
    EXPECT_FALSE(FileExists(ShellFolder(CSIDL_LOCAL_APPDATA) +
                            L"\\VelmarSoftware\\Velmar Installer\\Temp\\program.zip"));
}

TEST_F(Install, UpdateReplacesTheApplicationAndKeepsOtherFiles) {
    ASSERT_EQ(Silent().exitCode, 0u);
    const std::string original = ReadBytes(Target() + L"\\Samples\\Welcome.txt");
    WriteTextFile(Target() + L"\\Samples\\Welcome.txt", "edited");
    WriteTextFile(Target() + L"\\my notes.txt", "mine");

    // The second run finds the record and installs into the recorded folder.
    ProcessResult again = RunSetupFromConsole(L"-silent");
    EXPECT_EQ(again.exitCode, 0u);
    EXPECT_EQ(ReadBytes(Target() + L"\\Samples\\Welcome.txt"), original);
    EXPECT_EQ(ReadBytes(Target() + L"\\my notes.txt"), "mine");
}

TEST_F(Install, PayloadWithoutTheExecutableFailsVerificationAndLeavesNothing) {
    ProcessResult result = Silent(Variant(L"NoExecutable"));
    Lines lines = OutputLines(result.output);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "(!) Installation has failed");
    EXPECT_NE(result.output.find("<!> Verify: "), std::string::npos) << result.output;
    EXPECT_EQ(result.exitCode, 4u);
    // No record claims an installation that failed, and the silent run took back its files.
    EXPECT_FALSE(RecordExists(HKEY_CURRENT_USER));
    EXPECT_FALSE(FolderExists(Target()));
    for (int folder : {CSIDL_PROGRAMS, CSIDL_DESKTOPDIRECTORY})
        EXPECT_FALSE(FileExists(ShellFolder(folder) + L"\\Quillpad.lnk"));
}

TEST_F(Install, DamagedOrEscapingArchivesFailWithoutWritingOutside) {
    // A damaged entry shows while extracting; an entry that climbs out of the folder shows
    // in the archive's directory, which the space check reads before anything is written.
    const std::pair<const wchar_t*, const char*> cases[] = {{L"Damaged", "<!> Extract: "},
                                                            {L"Escaping", "<!> Prepare: "}};
    for (const auto& [variant, line] : cases) {
        CleanInstallState::Clean();
        RemoveTree(Target());
        ProcessResult result = Silent(Variant(variant));
        EXPECT_EQ(result.exitCode, 4u) << Narrow(variant);
        EXPECT_NE(result.output.find(line), std::string::npos) << result.output;
        EXPECT_EQ(OutputLines(result.output).back(), "(!) Installation has failed");
        EXPECT_FALSE(FileExists(Target() + L"\\Quillpad.exe")) << Narrow(variant);
        EXPECT_FALSE(FileExists(Target() + L"\\Samples\\Welcome.txt"))
            << "the failed extraction took back its files";
        EXPECT_FALSE(FileExists(scratch.Path() + L"\\escaped.txt"));
    }
}

TEST_F(Install, FolderThatCannotBeCreatedFailsTheInstallation) {
    // An earlier record pointing at a drive that does not exist.
    WriteUserRecordValue(L"InstallLocation", L"Q:\\Nowhere\\Quillpad");

    ProcessResult result = RunSetupFromConsole(L"-silent");
    EXPECT_NE(result.output.find("<!> Prepare: "), std::string::npos) << result.output;
    EXPECT_EQ(OutputLines(result.output).back(), "(!) Installation has failed");
    EXPECT_EQ(result.exitCode, 4u);
}

} // namespace
} // namespace test

namespace test {
namespace {

TEST_F(Install, AllUsersRecordMakesAStandardUserRestartElevated) {
    RegSetKeyValueW(HKEY_LOCAL_MACHINE, UninstallKey().c_str(), L"InstallLocation", REG_SZ,
                    Target().c_str(), static_cast<DWORD>((Target().size() + 1) * sizeof(wchar_t)));
    const std::wstring trace = scratch.Path() + L"\\trace.txt";
    ProcessResult result = RunSetupFromConsole(
        L"-silent", L"QUILLPAD_SETUP_AS_STANDARD_USER=1\nQUILLPAD_SETUP_TRACE=" + trace,
        SetupExe(L"QuillpadSetupBoth.exe"));
    EXPECT_EQ(result.exitCode, 0u);
    auto lines = OutputLines(Narrow(ReadTextFile(trace)));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[1].find("\" -alluser -force -elevated -silent"), std::string::npos) << lines[1];
    EXPECT_TRUE(FileExists(Target() + L"\\Quillpad.exe"))
        << "the elevated copy updated the recorded folder";
}

} // namespace
} // namespace test
