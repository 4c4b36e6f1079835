// An installer running as administrator (as every process does under Wine) meeting what a
// standard user could have prepared: a replaced installer file, planted links, planted
// system programs, hostile environment variables.
#include <windows.h>
#include <gtest/gtest.h>

#include <shlobj.h>

#include <set>

#include "tests/e2e/installer_run.h"
#include "tests/support/links.h"
#include "tests/support/windows.h"
#include "tests/support/wizard_driver.h"

namespace test {
namespace {

constexpr DWORD kInstallationFailed = 4;

class ElevatedRun : public ::testing::Test {
  protected:
    CleanInstallState clean;
    ScratchFolder scratch;
    std::wstring Target() const { return scratch.Path() + L"\\Quillpad"; }
    std::wstring CopyOfSetup(const std::wstring& from = SetupExe()) const {
        const std::wstring copy = scratch.Path() + L"\\QuillpadSetup.exe";
        EXPECT_TRUE(CopyFileW(from.c_str(), copy.c_str(), FALSE));
        return copy;
    }
};

std::wstring SystemTemp() {
    wchar_t windows[MAX_PATH];
    GetSystemWindowsDirectoryW(windows, MAX_PATH);
    return std::wstring(windows) + L"\\Temp";
}

std::set<std::wstring> FoldersIn(const std::wstring& folder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do
        if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && entry.cFileName[0] != L'.')
            names.insert(entry.cFileName);
    while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

TEST_F(ElevatedRun, ReplacingTheInstallerFileDuringARunChangesNothingInstalled) {
    // The downgrade question holds the run after start-up, before anything is written
    // (a silent run never asks: this one starts on the installing page once answered).
    WriteUserRecordValue(L"DisplayVersion", L"9.0.0.0");
    const std::wstring setup = CopyOfSetup();
    StartedProcess run;
    StartProcess(L"\"" + setup + L"\" -start -closeafterfinish -installpath \"" + Target() + L"\"",
                 run);
    HWND question = WaitForMessage(run.pid, L"Installed version is newer");
    ASSERT_NE(question, nullptr);

    // A running program can be renamed; another file then takes its name.
    ASSERT_TRUE(MoveFileW(setup.c_str(), (setup + L".old").c_str()));
    ASSERT_TRUE(CopyFileW(BuildFile(L"tests\\QuillpadSetupNoExecutable.exe").c_str(), setup.c_str(),
                          FALSE));
    ASSERT_TRUE(AnswerMessage(question, L"Yes"));
    EXPECT_EQ(run.Wait(), 0u);
    EXPECT_EQ(ReadTextFile(Target() + L"\\Quillpad.exe"),
              ReadTextFile(BuildFile(L"resources\\Quillpad.exe")))
        << "the payload of the running image, not of the file now at its path";
}

TEST_F(ElevatedRun, TheArchiveWaitsInAFreshFolderOfTheSystemsTempFolder) {
    const std::set<std::wstring> before = FoldersIn(SystemTemp());
    StartedProcess run;
    StartProcess(L"\"" + SetupExe() + L"\"", run);
    HWND wizard = WaitForWizard(run.pid);
    ASSERT_NE(wizard, nullptr) << "the wizard prepares the temporary folder when it opens";

    std::vector<std::wstring> added;
    for (const std::wstring& name : FoldersIn(SystemTemp()))
        if (!before.contains(name)) added.push_back(name);
    ASSERT_EQ(added.size(), 1u);
    EXPECT_EQ(added[0].size(), 38u) << "a random name: " << Narrow(added[0]);
    EXPECT_EQ(added[0].front(), L'{');
    wchar_t local[MAX_PATH];
    ASSERT_GT(GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH), 0u);
    EXPECT_FALSE(FolderExists(std::wstring(local) + L"\\VelmarSoftware\\Velmar Installer"))
        << "nothing in the user's writable profile";

    PostMessageW(wizard, WM_CLOSE, 0, 0);
    EXPECT_NE(run.Wait(), WAIT_TIMEOUT);
    EXPECT_FALSE(FolderExists(SystemTemp() + L"\\" + added[0])) << "gone with the process";

    // A whole silent run leaves nothing there either.
    ProcessResult silent = RunSetupFromConsole(L"-silent -installpath \"" + Target() + L"\"");
    EXPECT_EQ(silent.exitCode, 0u);
    EXPECT_EQ(FoldersIn(SystemTemp()), before);
}

TEST_F(ElevatedRun, ALinkPlantedInTheInstallFolderIsNotFollowed) {
    const std::wstring elsewhere = scratch.Path() + L"\\elsewhere";
    ASSERT_TRUE(CreateDirectoryW(elsewhere.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(Target().c_str(), nullptr));
    // "Samples" is a folder of the payload.
    ASSERT_TRUE(PlantFolderLink(Target() + L"\\Samples", elsewhere));

    ProcessResult result = RunSetupFromConsole(L"-silent -installpath \"" + Target() + L"\"");
    EXPECT_EQ(result.exitCode, kInstallationFailed);
    EXPECT_FALSE(FileExists(elsewhere + L"\\Welcome.txt"));
    EXPECT_TRUE(FoldersIn(elsewhere).empty());
}

TEST_F(ElevatedRun, AnAllUsersFolderReachedThroughALinkIsRefused) {
    const std::wstring real = scratch.Path() + L"\\real";
    ASSERT_TRUE(CreateDirectoryW(real.c_str(), nullptr));
    ASSERT_TRUE(PlantFolderLink(scratch.Path() + L"\\via", real));

    ProcessResult result = RunSetupFromConsole(L"-alluser -silent -installpath \"" +
                                                   scratch.Path() + L"\\via\\Quillpad\"",
                                               L"", SetupExe(L"QuillpadSetupBoth.exe"));
    EXPECT_EQ(result.exitCode, kInstallationFailed);
    EXPECT_NE(result.output.find("passes through a junction or link"), std::string::npos)
        << result.output;
    EXPECT_FALSE(FolderExists(real + L"\\Quillpad"));
    EXPECT_FALSE(RecordExists(HKEY_LOCAL_MACHINE));
}

TEST_F(ElevatedRun, SystemProgramsPlantedInTheCurrentFolderAreNotRun) {
    // Quillpad.exe opens a window when it runs: a planted program that ran would show it.
    for (const wchar_t* name : {L"cmd.exe", L"timeout.exe"})
        ASSERT_TRUE(CopyFileW(BuildFile(L"resources\\Quillpad.exe").c_str(),
                              (scratch.Path() + L"\\" + name).c_str(), FALSE));
    const std::wstring setup = CopyOfSetup();
    // Started from a prompt whose current folder holds them (the prompt itself by its path).
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    ProcessResult result =
        RunProcess(std::wstring(system) + L"\\cmd.exe /c \"cd /d \"" + scratch.Path() +
                       L"\" && \"" + setup + L"\" -silent -ad -installpath \"" + Target() + L"\"\"",
                   120000);
    EXPECT_EQ(result.exitCode, 0u) << result.output;

    bool gone = false;
    for (int i = 0; i < 200 && !gone; ++i, Sleep(100))
        gone = !FileExists(setup);
    EXPECT_TRUE(gone) << "the system's cmd deleted the installer file";
    EXPECT_EQ(WaitForWindow(L"Quillpad Studio 1.3.0.0", 0, 1000), nullptr);
}

TEST_F(ElevatedRun, TheProductIgnoresTheTestVariables) {
    const std::wstring trace = scratch.Path() + L"\\trace.txt";
    const std::wstring stages = scratch.Path() + L"\\stages.txt";
    const std::wstring variables =
        L"QUILLPAD_SETUP_TRACE=" + trace + L"\nQUILLPAD_SETUP_STAGE_TIMES=" + stages +
        L"\nQUILLPAD_SETUP_AS_STANDARD_USER=1\nQUILLPAD_SETUP_DECLINE_ELEVATION=1";
    ProcessResult product =
        RunSetupFromConsole(L"-silent -installpath \"" + Target() + L"\"", variables);
    EXPECT_EQ(product.exitCode, 0u);
    EXPECT_FALSE(FileExists(trace));
    EXPECT_FALSE(FileExists(stages));

    // The test variant honours them (and, as a standard user, installs for this user).
    CleanInstallState::Clean();
    ProcessResult variant = RunSetupFromConsole(L"-silent -installpath \"" + Target() + L"\"",
                                                variables, SetupExe(L"QuillpadSetupBoth.exe"));
    EXPECT_EQ(variant.exitCode, 0u);
    EXPECT_TRUE(FileExists(trace));
    EXPECT_TRUE(FileExists(stages));
}

// The user's Desktop value of "User Shell Folders" removed for a test, put back afterwards.
class MissingDesktopValue {
  public:
    MissingDesktopValue() {
        RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_);
        DWORD size = sizeof(value_);
        had_ = RegQueryValueExW(key_, L"Desktop", nullptr, &type_, reinterpret_cast<BYTE*>(value_),
                                &size) == ERROR_SUCCESS;
        size_ = size;
        RegDeleteValueW(key_, L"Desktop");
    }
    ~MissingDesktopValue() {
        if (had_)
            RegSetValueExW(key_, L"Desktop", 0, type_, reinterpret_cast<const BYTE*>(value_),
                           size_);
        RegCloseKey(key_);
    }
    MissingDesktopValue(const MissingDesktopValue&) = delete;
    MissingDesktopValue& operator=(const MissingDesktopValue&) = delete;

  private:
    static constexpr wchar_t kKey[] =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    HKEY key_ = nullptr;
    bool had_ = false;
    DWORD type_ = REG_EXPAND_SZ, size_ = 0;
    wchar_t value_[MAX_PATH * 2] = L"";
};

TEST_F(ElevatedRun, AMissingShellFolderValueNeverPutsTheShortcutInTheDriveRoot) {
    MissingDesktopValue missing;
    // As a standard user the value is read (elevated, the folder is the system's).
    ProcessResult result = RunSetupFromConsole(L"-user -silent -installpath \"" + Target() + L"\"",
                                               L"QUILLPAD_SETUP_AS_STANDARD_USER=1",
                                               SetupExe(L"QuillpadSetupBoth.exe"));
    EXPECT_EQ(result.exitCode, 0u);
    for (const wchar_t* root : {L"C:\\", L"Z:\\"})
        EXPECT_FALSE(FileExists(std::wstring(root) + L"Quillpad.lnk")) << Narrow(root);
    EXPECT_TRUE(FileExists(ShellFolder(CSIDL_DESKTOPDIRECTORY) + L"\\Quillpad.lnk"));
}

} // namespace
} // namespace test
