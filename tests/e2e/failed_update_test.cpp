// Installations that fail or are stopped part of the way: an earlier version stays exactly
// as it was, and a fresh installation leaves nothing behind.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>

#include <map>

#include "tests/e2e/fake_installation.h"
#include "tests/e2e/installer_run.h"
#include "tests/e2e/message_boxes.h"
#include "tests/support/windows.h"
#include "tests/support/wizard_driver.h"

namespace test {
namespace {

// Every file below a folder with its bytes, and every folder (as an empty entry).
using Tree = std::map<std::wstring, std::string>;

void ReadTreeInto(const std::wstring& root, const std::wstring& relative, Tree& tree) {
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((root + L"\\" + relative + L"*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            tree[relative + name + L"\\"] = "";
            ReadTreeInto(root, relative + name + L"\\", tree);
        } else {
            tree[relative + name] = Narrow(ReadTextFile(root + L"\\" + relative + name));
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
}

Tree ReadTree(const std::wstring& root) {
    Tree tree;
    ReadTreeInto(root, L"", tree);
    return tree;
}

// The per-user record's values: name, then type and bytes.
using Record = std::map<std::wstring, std::pair<DWORD, std::string>>;

Record ReadUserRecord() {
    Record record;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, UninstallKey().c_str(), 0, KEY_READ | KEY_WOW64_64KEY,
                      &key) != ERROR_SUCCESS)
        return record;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        BYTE data[4096];
        DWORD nameLength = 256, type = 0, size = sizeof(data);
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, data, &size) != ERROR_SUCCESS)
            break;
        record[name] = {type, std::string(reinterpret_cast<char*>(data), size)};
    }
    RegCloseKey(key);
    return record;
}

std::wstring Names(const Tree& tree) {
    std::wstring names;
    for (const auto& [name, content] : tree)
        names += name + L"\n";
    return names;
}

class FailedUpdate : public ::testing::Test {
  protected:
    CleanInstallState clean;
    ScratchFolder scratch;
    std::wstring Target() const { return scratch.Path() + L"\\Quillpad"; }
    static std::wstring Variant(const wchar_t* suffix) {
        return BuildFile(std::wstring(L"tests\\QuillpadSetup") + suffix + L".exe");
    }

    // An earlier installation whose files differ from the ones the payload carries, so
    // a mix of two versions would show.
    void InstallEarlierVersion() {
        ASSERT_EQ(RunSetupFromConsole(L"-silent -installpath \"" + Target() + L"\"").exitCode, 0u);
        WriteTextFile(Target() + L"\\Samples\\Welcome.txt", "earlier welcome");
        WriteTextFile(Target() + L"\\License.txt", "earlier licence");
        WriteUserRecordValue(L"DisplayVersion", L"1.2.0");
        earlierFiles = ReadTree(Target());
        earlierRecord = ReadUserRecord();
        ASSERT_FALSE(earlierRecord.empty());
    }
    void ExpectEarlierVersionUntouched() {
        EXPECT_EQ(ReadTree(Target()), earlierFiles) << Narrow(Names(ReadTree(Target())));
        EXPECT_EQ(ReadUserRecord(), earlierRecord);
    }
    // A silent update with that installer fails in the stage the console line names.
    void ExpectSilentUpdateToFail(const std::string& stageLine, const std::wstring& exe) {
        ProcessResult result = RunSetupFromConsole(L"-silent", L"", exe);
        EXPECT_EQ(result.exitCode, 4u);
        EXPECT_NE(result.output.find(stageLine), std::string::npos) << result.output;
    }

    Tree earlierFiles;
    Record earlierRecord;
};

TEST_F(FailedUpdate, ExtractionFailingHalfWayLeavesTheEarlierVersionAsItWas) {
    ASSERT_NO_FATAL_FAILURE(InstallEarlierVersion());
    // The damaged entry comes last: every other file has been replaced by then.
    ExpectSilentUpdateToFail("<!> Extract: ", Variant(L"Damaged"));
    ExpectEarlierVersionUntouched();
}

TEST_F(FailedUpdate, WriteStageFailingPutsBackTheFilesTheExtractionReplaced) {
    ASSERT_NO_FATAL_FAILURE(InstallEarlierVersion());
    {
        // The earlier uninstaller held open without delete sharing cannot be moved aside.
        HANDLE holder = CreateFileW((Target() + L"\\Uninstall.exe").c_str(), GENERIC_READ,
                                    FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(holder, INVALID_HANDLE_VALUE);
        ExpectSilentUpdateToFail("<!> Write: ", SetupExe());
        CloseHandle(holder);
    }
    ExpectEarlierVersionUntouched();
}

TEST_F(FailedUpdate, VerificationFailingGivesBackTheEarlierRecordReportAndList) {
    ASSERT_NO_FATAL_FAILURE(InstallEarlierVersion());
    // Without its executable the earlier installation is broken; a payload that lacks one
    // too writes everything and fails only when it verifies.
    ASSERT_TRUE(DeleteFileW((Target() + L"\\Quillpad.exe").c_str()));
    earlierFiles = ReadTree(Target());
    ExpectSilentUpdateToFail("<!> Verify: ", Variant(L"NoExecutable"));
    ExpectEarlierVersionUntouched();
}

TEST_F(FailedUpdate, ErrorPageCleanupKeepsTheEarlierFiles) {
    ASSERT_NO_FATAL_FAILURE(InstallEarlierVersion());
    StartedProcess setup;
    StartProcess(L"\"" + Variant(L"Damaged") + L"\" -start", setup);
    HWND window = WaitForWindow(L"Quillpad Studio Installer - Update to new version", setup.pid);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(ClickText(window, L"Delete temporary files"));
    HWND question = WaitForMessage(setup.pid, L"Are you sure?");
    ASSERT_NE(question, nullptr);
    EXPECT_TRUE(MessageSays(question, L"Are you sure you want to delete all the temporary files"));
    EXPECT_TRUE(AnswerMessage(question, L"Yes"));
    ASSERT_TRUE(WaitForControlGone(window, L"Delete temporary files"));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), 4u);
    ExpectEarlierVersionUntouched();
    EXPECT_FALSE(FileExists(ShellFolder(CSIDL_LOCAL_APPDATA) +
                            L"\\VelmarSoftware\\Velmar Installer\\Temp\\program.zip"));
}

TEST_F(FailedUpdate, SessionEndingDuringTheInstallationTakesItBack) {
    ASSERT_NO_FATAL_FAILURE(InstallEarlierVersion());
    StartedProcess setup;
    StartProcess(L"\"" + SetupExe() + L"\" -start", setup);
    HWND window = WaitForWindow(L"Quillpad Studio Installer - Update to new version", setup.pid);
    ASSERT_NE(window, nullptr);
    // Half way: the extraction has replaced earlier files and keeps them aside. Only the
    // folder is looked at: opening a file could keep the installer from moving it.
    ASSERT_TRUE(WaitFor([&] {
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((Target() + L"\\Samples\\*.old").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) return false;
        FindClose(find);
        return true;
    }));
    EXPECT_EQ(SendMessageW(window, WM_QUERYENDSESSION, 0, 0), FALSE)
        << "the installing page asks the session to wait";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_ENDSESSION, TRUE, 0, SMTO_ABORTIFHUNG, 10000, &ignored);
    EXPECT_EQ(setup.Wait(), 5u);
    ExpectEarlierVersionUntouched();
}

TEST_F(FailedUpdate, ClosingTheWindowWhileInstallingIsRefusedAndTheRunCompletes) {
    StartedProcess setup;
    StartProcess(L"\"" + SetupExe() + L"\" -start -closeafterfinish -installpath \"" + Target() +
                     L"\"",
                 setup);
    HWND window = WaitForWindow(L"Quillpad Studio Installer", setup.pid);
    ASSERT_NE(window, nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), 0u) << "the window stayed until the installation finished";
    EXPECT_TRUE(FileExists(Target() + L"\\Quillpad.exe"));
    EXPECT_TRUE(FileExists(Target() + L"\\InstallReport.ini"));
    EXPECT_TRUE(RecordExists(HKEY_CURRENT_USER));
}

// A drive that the test set-up mounted as a small tmpfs (see tests/CMakeLists.txt).
std::wstring FullDisk() {
    wchar_t drive[8] = L"";
    GetEnvironmentVariableW(L"QP_FULL_DISK", drive, 8);
    return drive;
}

TEST_F(FailedUpdate, AFullDiskIsRefusedBeforeAnythingIsWritten) {
    const std::wstring drive = FullDisk();
    ASSERT_FALSE(drive.empty()) << "QP_FULL_DISK names no drive";
    ASSERT_TRUE(ReadTree(drive + L"\\").empty()) << "the small drive is empty to begin with";

    ProcessResult result = RunSetupFromConsole(L"-silent -installpath " + drive + L"\\Quillpad");
    EXPECT_EQ(result.exitCode, 4u);
    const std::vector<std::string> lines = OutputLines(result.output);
    ASSERT_GE(lines.size(), 2u) << result.output;
    EXPECT_TRUE(lines[lines.size() - 2].starts_with("<!> Prepare: Not enough free space on " +
                                                    Narrow(drive) + "\\: "))
        << result.output;
    EXPECT_TRUE(ReadTree(drive + L"\\").empty()) << Narrow(Names(ReadTree(drive + L"\\")));
    EXPECT_FALSE(RecordExists(HKEY_CURRENT_USER));
    EXPECT_FALSE(FileExists(ShellFolder(CSIDL_LOCAL_APPDATA) +
                            L"\\VelmarSoftware\\Velmar Installer\\Temp\\program.zip"));
}

} // namespace
} // namespace test
