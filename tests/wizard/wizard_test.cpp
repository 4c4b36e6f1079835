// The themed wizard of the built installer, driven as a user would: clicks on its controls,
// keys to the focused one, answers to its themed messages; then the outcome on disk and in
// the registry.
#include <windows.h>
#include <gtest/gtest.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <map>

#include "tests/e2e/installer_run.h"
#include "tests/support/windows.h"
#include "tests/support/wizard_driver.h"

namespace test {
namespace {

// Closing the wizard before anything was installed: the user said no.
constexpr DWORD kDeclined = 2;

const wchar_t kWelcome[] = L"Welcome to the Quillpad installer";
const wchar_t kProcesses[] = L"The following processes need to be closed";
const wchar_t kLicense[] = L"License agreement";
const wchar_t kSettings[] = L"Please adjust the following";
const wchar_t kReady[] = L"All ready?";
const wchar_t kInstalling[] = L"Installing....";
const wchar_t kSuccess[] = L"The installation was successfull";
const wchar_t kFailure[] = L"The installation has failed";

// The processes of this image path's file name, as the system lists them.
std::vector<DWORD> ProcessesNamed(const std::wstring& name) {
    std::vector<DWORD> found;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot, &entry); more; more = Process32NextW(snapshot, &entry))
        if (name == entry.szExeFile) found.push_back(entry.th32ProcessID);
    CloseHandle(snapshot);
    return found;
}

void EndProcessesNamed(const std::wstring& name) {
    for (DWORD pid : ProcessesNamed(name)) {
        HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
        if (!process) continue;
        TerminateProcess(process, 0);
        WaitForSingleObject(process, 5000);
        CloseHandle(process);
    }
}

// Every file below the folder with its size, and the record's values: what an installation
// leaves, in a form two installations can be compared by.
std::map<std::wstring, std::wstring> InstallationTraces(const std::wstring& folder) {
    std::map<std::wstring, std::wstring> traces;
    std::vector<std::wstring> pending{L""};
    while (!pending.empty()) {
        const std::wstring relative = pending.back();
        pending.pop_back();
        WIN32_FIND_DATAW data;
        HANDLE find = FindFirstFileW((folder + relative + L"\\*").c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) continue;
        do {
            const std::wstring name = data.cFileName;
            if (name == L"." || name == L"..") continue;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                pending.push_back(relative + L"\\" + name);
            else
                traces[L"file " + relative + L"\\" + name] = std::to_wstring(data.nFileSizeLow);
        } while (FindNextFileW(find, &data));
        FindClose(find);
    }
    for (const wchar_t* value : {L"DisplayName", L"DisplayVersion", L"Publisher", L"InstallLocation",
                                 L"UninstallString", L"QuietUninstallString", L"DisplayIcon"}) {
        std::wstring text;
        if (ReadRecordValue(HKEY_CURRENT_USER, value, text)) traces[L"record " + std::wstring(value)] = text;
    }
    traces[L"links"] = std::to_wstring(FileExists(ShellFolder(CSIDL_DESKTOPDIRECTORY) + L"\\Quillpad.lnk")) +
                       std::to_wstring(FileExists(ShellFolder(CSIDL_PROGRAMS) + L"\\Quillpad.lnk"));
    return traces;
}

class Wizard : public ::testing::Test {
  protected:
    CleanInstallState clean;
    ScratchFolder scratch;
    StartedProcess setup;
    HWND window = nullptr;

    void SetUp() override { KeepScreenOnFailure(); }
    void TearDown() override {
        EndProcessesNamed(L"Quillpad.exe");
        EndProcessesNamed(L"QUILLPAD.EXE");
    }
    std::wstring Target() const { return scratch.Path() + L"\\Quillpad"; }
    // A folder whose parent the settings page has to create.
    std::wstring NewTarget() const { return scratch.Path() + L"\\Apps\\Quillpad"; }

    void Open(const std::wstring& arguments = L"", const std::wstring& exe = SetupExe()) {
        StartProcess(L"\"" + exe + L"\" " + arguments, setup);
        window = WaitForWizard(setup.pid);
        ASSERT_NE(window, nullptr) << "the wizard did not open";
    }
    // The page whose text this is shows, and it alone once its slide ended.
    ::testing::AssertionResult OnPage(const wchar_t* marker) {
        if (!WaitForControl(window, marker))
            return ::testing::AssertionFailure() << "page \"" << Narrow(marker) << "\" not shown";
        for (const wchar_t* other : {kWelcome, kProcesses, kLicense, kSettings, kReady, kInstalling,
                                     kSuccess, kFailure})
            if (other != marker && !WaitForControlGone(window, other, 5000))
                return ::testing::AssertionFailure() << "\"" << Narrow(other) << "\" still shown";
        return ::testing::AssertionSuccess();
    }
    void Press(const wchar_t* caption) { ASSERT_TRUE(ClickText(window, caption)) << Narrow(caption); }
    // The themed message that should come up now: its texts, answered with the button.
    std::vector<std::wstring> Answer(const std::wstring& title, const std::wstring& button) {
        HWND message = WaitForMessage(setup.pid, title);
        EXPECT_NE(message, nullptr) << Narrow(title);
        if (!message) return {};
        std::vector<std::wstring> texts = MessageTexts(message);
        EXPECT_TRUE(AnswerMessage(message, button)) << Narrow(title);
        return texts;
    }
    static bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    // Replaces the path field's text: focus, caret to the end, erase, type.
    void TypePath(const std::wstring& path) {
        HWND field = nullptr;
        EnumChildWindows(
            window,
            [](HWND child, LPARAM param) -> BOOL {
                if (IsWindowVisible(child) && WindowText(child).find(L":\\") != std::wstring::npos) {
                    *reinterpret_cast<HWND*>(param) = child;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&field));
        ASSERT_NE(field, nullptr) << "no path field showing a folder";
        ClickControl(field);
        Sleep(200);
        PressKeyIn(window, VK_END);
        for (size_t i = WindowText(field).size() + 5; i > 0; --i) PressKeyIn(window, VK_BACK);
        TypeIn(window, path);
        ASSERT_TRUE(WaitForControl(window, path)) << "the field shows what was typed";
    }
    void StartQuillpad(const std::wstring& exe, StartedProcess& app) {
        StartProcess(L"\"" + exe + L"\"", app);
        ASSERT_NE(WaitForWindow(L"Quillpad Studio 1.3.0.0", app.pid), nullptr);
    }
};

TEST_F(Wizard, AWholeInstallationLeavesWhatASilentOneDoes) {
    Open();
    ASSERT_TRUE(OnPage(kWelcome));
    Press(L"Next");
    ASSERT_TRUE(OnPage(kLicense));

    // Neither Next without a choice nor with Disagree goes on.
    const std::wstring licence = L"Please accept the license agreement to install this application.";
    Press(L"Next");
    EXPECT_TRUE(Contains(Answer(L"License Agreement", L"Ok"), licence));
    Press(L"Disagree");
    Press(L"Next");
    EXPECT_TRUE(Contains(Answer(L"License Agreement", L"Ok"), licence));
    ASSERT_TRUE(OnPage(kLicense));
    Press(L"Agree");
    Press(L"Next");
    ASSERT_TRUE(OnPage(kSettings));

    // The Windows folder is refused even for an administrator; a folder whose parent does
    // not exist yet is accepted and gets its parent.
    wchar_t windows[MAX_PATH];
    GetWindowsDirectoryW(windows, MAX_PATH);
    TypePath(std::wstring(windows) + L"\\Quillpad");
    Press(L"Next");
    EXPECT_TRUE(Contains(Answer(L"Invalid Path", L"Ok"),
                         L"You can't install this app there. Windows will not like that."));
    ASSERT_TRUE(OnPage(kSettings));
    TypePath(NewTarget());
    Press(L"Next");
    ASSERT_TRUE(OnPage(kReady));
    EXPECT_TRUE(FolderExists(scratch.Path() + L"\\Apps")) << "the parent folder was created";

    Press(L"Install");
    ASSERT_TRUE(OnPage(kInstalling));
    for (const wchar_t* step : {L"20%", L"40%", L"60%", L"80%", L"100%"})
        EXPECT_NE(WaitForControl(window, step, 20000), nullptr) << Narrow(step);
    ASSERT_TRUE(OnPage(kSuccess));
    EXPECT_EQ(FindControl(window, L"Next"), nullptr);
    EXPECT_NE(FindControl(window, L"Close"), nullptr);

    Press(L"Open application");
    EXPECT_EQ(setup.Wait(), 0u);
    HWND app = WaitForWindow(L"Quillpad Studio 1.3.0.0");
    ASSERT_NE(app, nullptr) << "the installed Quillpad.exe runs";
    EndProcessesNamed(L"Quillpad.exe");

    const auto wizard = InstallationTraces(NewTarget());
    CleanInstallState::Clean();
    RemoveTree(NewTarget());
    ProcessResult silent = RunSetupFromConsole(L"-silent -installpath \"" + NewTarget() + L"\"");
    ASSERT_EQ(silent.exitCode, 0u);
    EXPECT_EQ(wizard, InstallationTraces(NewTarget()));
}

TEST_F(Wizard, TheKeyboardAloneGetsThroughTheLicence) {
    Open();
    ASSERT_TRUE(OnPage(kWelcome));
    // Tab moves along the stored order until the wanted control has the focus.
    std::wstring visited;
    auto tabTo = [&](const std::wstring& text) {
        visited.clear();
        for (int i = 0; i < 12; ++i) {
            Sleep(150);
            const std::wstring focused = WindowText(FocusedWindow(window));
            if (focused == text) return true;
            visited += L"[" + focused + L"] ";
            PressKeyIn(window, VK_TAB);
        }
        return false;
    };
    ASSERT_TRUE(tabTo(L"Next"));
    PressKeyIn(window, VK_RETURN);
    ASSERT_TRUE(OnPage(kLicense));
    ASSERT_TRUE(tabTo(L"Agree")) << "focus went through " << Narrow(visited);
    PressKeyIn(window, VK_SPACE);
    ASSERT_TRUE(tabTo(L"Next"));
    PressKeyIn(window, VK_SPACE);
    EXPECT_TRUE(OnPage(kSettings)) << "Space on Agree chose it, Space on Next went on";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_NE(setup.Wait(), WAIT_TIMEOUT);
}

TEST_F(Wizard, PreviousGoesBackAndTheSlideLeavesOnePage) {
    Open();
    ASSERT_TRUE(OnPage(kWelcome));
    Press(L"Next");
    ASSERT_TRUE(OnPage(kLicense));
    Press(L"Previous");
    EXPECT_TRUE(OnPage(kWelcome));
    EXPECT_EQ(FindControl(window, L"Previous"), nullptr) << "the welcome page has no way back";
    // Next and Previous within one slide: the page that is current stays shown.
    HWND next = FindControl(window, L"Next");
    ASSERT_NE(next, nullptr);
    ClickControl(next);
    HWND previous = WaitForControl(window, L"Previous");
    ASSERT_NE(previous, nullptr);
    ClickControl(previous);
    EXPECT_TRUE(OnPage(kWelcome));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), kDeclined);
}

TEST_F(Wizard, RunningCopiesHoldTheWizardOnTheProcessesPage) {
    const std::wstring quillpad = BuildFile(L"resources\\Quillpad.exe");
    // A copy whose name differs in letter case is another program.
    const std::wstring shouting = scratch.Path() + L"\\QUILLPAD.EXE";
    ASSERT_TRUE(CopyFileW(quillpad.c_str(), shouting.c_str(), FALSE));
    StartedProcess other, first, second;
    StartQuillpad(shouting, other);
    Open();
    ASSERT_TRUE(OnPage(kWelcome));
    Press(L"Next");
    ASSERT_TRUE(OnPage(kLicense)) << "QUILLPAD.EXE does not block";
    Press(L"Previous");
    ASSERT_TRUE(OnPage(kWelcome));

    StartQuillpad(quillpad, first);
    StartQuillpad(quillpad, second);
    Press(L"Next");
    ASSERT_TRUE(OnPage(kProcesses));
    EXPECT_NE(FindControl(window, L"Quillpad.exe"), nullptr);
    Press(L"Terminate All");
    const HANDLE copies[] = {first.process, second.process};
    EXPECT_EQ(WaitForMultipleObjects(2, copies, FALSE, 10000) < WAIT_OBJECT_0 + 2, true)
        << "one copy ends per click";
    EXPECT_NE(WaitForMultipleObjects(2, copies, TRUE, 500), WAIT_OBJECT_0)
        << "only one copy ends per click";
    Press(L"Next");
    ASSERT_TRUE(OnPage(kProcesses)) << "the other copy still runs";
    Press(L"Terminate All");
    EXPECT_NE(first.Wait(10000), WAIT_TIMEOUT);
    EXPECT_NE(second.Wait(10000), WAIT_TIMEOUT);
    Press(L"Next");
    EXPECT_TRUE(OnPage(kLicense));
    EXPECT_EQ(other.Wait(0), WAIT_TIMEOUT) << "QUILLPAD.EXE was left alone";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), kDeclined);
}

TEST_F(Wizard, StartInstallsWithoutAClickAndCloseAfterFinishEndsByItself) {
    Open(L"-start -installpath \"" + Target() + L"\"");
    ASSERT_TRUE(OnPage(kSuccess)) << "the installing page ran by itself";
    EXPECT_TRUE(FileExists(Target() + L"\\Quillpad.exe"));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), 0u);

    CleanInstallState::Clean();
    RemoveTree(Target());
    StartedProcess unattended;
    StartProcess(L"\"" + SetupExe() + L"\" -start -closeafterfinish -installpath \"" + Target() +
                     L"\"",
                 unattended);
    EXPECT_EQ(unattended.Wait(), 0u) << "the progress-only run ends by itself";
    EXPECT_TRUE(FileExists(Target() + L"\\Quillpad.exe"));
    EXPECT_TRUE(RecordExists(HKEY_CURRENT_USER));
}

TEST_F(Wizard, TheCloseBoxWaitsForTheInstallationToFinish) {
    Open(L"-start -installpath \"" + Target() + L"\"");
    ASSERT_NE(WaitForControl(window, kInstalling), nullptr);
    PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(OnPage(kSuccess)) << "closing during the installation is refused";
    EXPECT_TRUE(FileExists(Target() + L"\\InstallReport.ini"));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), 0u);
}

TEST_F(Wizard, AFailedInstallationShowsTheErrorPageAndCleansUp) {
    Open(L"-start -installpath \"" + Target() + L"\"",
         BuildFile(L"tests\\QuillpadSetupNoExecutable.exe"));
    ASSERT_TRUE(OnPage(kFailure));
    ASSERT_TRUE(FolderExists(Target()));
    Press(L"Delete temporary files");
    EXPECT_TRUE(Contains(Answer(L"Are you sure?", L"No"),
                         L"Are you sure you want to delete all the temporary files"));
    EXPECT_TRUE(FolderExists(Target())) << "No keeps everything";
    Press(L"Delete temporary files");
    Answer(L"Are you sure?", L"Yes");
    EXPECT_TRUE(WaitForControlGone(window, L"Delete temporary files"));
    EXPECT_FALSE(FolderExists(Target()));
    EXPECT_FALSE(RecordExists(HKEY_CURRENT_USER));
    Press(L"Close");
    EXPECT_NE(setup.Wait(), WAIT_TIMEOUT);
}

TEST_F(Wizard, TheDowngradeQuestionIsThemedAndClosingItMeansNo) {
    WriteUserRecordValue(L"DisplayVersion", L"1.4.0");
    const std::wstring title = L"Installed version is newer";
    const std::wstring question =
        L"The version of this application you are installing is older than the present "
        L"version on this computer. Continue anyways?";

    StartProcess(L"\"" + SetupExe() + L"\"", setup);
    HWND message = WaitForMessage(setup.pid, title);
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(MessageSays(message, question));
    EXPECT_TRUE(AnswerMessage(message, L"Yes"));
    window = WaitForWizard(setup.pid);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(WindowText(window), L"Quillpad Studio Installer - Update to new version");
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), kDeclined) << "closed before installing";

    for (bool byCloseBox : {false, true}) {
        StartedProcess declined;
        StartProcess(L"\"" + SetupExe() + L"\"", declined);
        message = WaitForMessage(declined.pid, title);
        ASSERT_NE(message, nullptr);
        if (byCloseBox)
            PostMessageW(message, WM_CLOSE, 0, 0);
        else
            EXPECT_TRUE(AnswerMessage(message, L"No"));
        EXPECT_EQ(declined.Wait(), kDeclined) << "a declined downgrade ends the installer";
        EXPECT_EQ(WaitForWizard(declined.pid, 500), nullptr);
    }
}

TEST_F(Wizard, ClosingWithAdDeletesTheInstallerFile) {
    const std::wstring copy = scratch.Path() + L"\\QuillpadSetup.exe";
    ASSERT_TRUE(CopyFileW(SetupExe().c_str(), copy.c_str(), FALSE));
    Open(L"-ad", copy);
    ASSERT_TRUE(OnPage(kWelcome));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), kDeclined);
    const DWORD start = GetTickCount();
    while (FileExists(copy) && GetTickCount() - start < 20000) Sleep(200);
    EXPECT_FALSE(FileExists(copy));
}

TEST_F(Wizard, ABuildWithAChoiceAsksForTheInstallTypeFirst) {
    const std::wstring trace = scratch.Path() + L"\\trace.txt";
    StartProcess(L"\"" + SetupExe(L"QuillpadSetupBoth.exe") + L"\"", setup,
                 L"QUILLPAD_SETUP_AS_STANDARD_USER=1\nQUILLPAD_SETUP_TRACE=" + trace);
    window = WaitForWizard(setup.pid);
    ASSERT_NE(window, nullptr);
    ASSERT_NE(WaitForControl(window, L"Please choose your installation type"), nullptr);
    Press(L"Next");
    EXPECT_TRUE(Contains(Answer(L"Installation type", L"Ok"), L"Please choose a installation type"));
    Press(L"All users installation");
    Press(L"Next");
    // The standard user's copy restarts elevated and waits for it; the elevated copy opens
    // its own wizard, which is closed here.
    HWND elevated = nullptr;
    const DWORD start = GetTickCount();
    while (!elevated && GetTickCount() - start < 30000) {
        for (DWORD pid : ProcessesNamed(L"QuillpadSetupBoth.exe"))
            if (pid != setup.pid && (elevated = WaitForWizard(pid, 100))) break;
        Sleep(100);
    }
    ASSERT_NE(elevated, nullptr) << "no elevated copy";
    const std::wstring lines = ReadTextFile(trace);
    EXPECT_NE(lines.find(L"-alluser -force"), std::wstring::npos) << Narrow(lines);
    PostMessageW(elevated, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), kDeclined) << "the first copy ends with the elevated copy's outcome";
}

TEST_F(Wizard, AThemeSwitchRecoloursTheOpenPageAndTheLicence) {
    const LightThemeMeanwhile theme;
    Open();
    ASSERT_TRUE(OnPage(kWelcome));
    HWND welcome = FindControl(window, kWelcome);
    auto background = [&] {
        RECT r{};
        GetWindowRect(welcome, &r);
        HDC screen = GetDC(nullptr);
        const COLORREF c = GetPixel(screen, r.right - 3, r.bottom - 3);
        ReleaseDC(nullptr, screen);
        return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
    };
    const DWORD start = GetTickCount();
    while (background() < 200 && GetTickCount() - start < 5000) Sleep(50);
    EXPECT_GE(background(), 200) << "light page";
    SetLightTheme(false);
    while (background() > 80 && GetTickCount() - start < 15000) Sleep(50);
    EXPECT_LE(background(), 80) << "the page follows the dark theme";

    // The licence, the system's rich edit, follows too: a dark sheet with light text on it.
    Press(L"Next");
    ASSERT_TRUE(OnPage(kLicense));
    HWND sheet = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) -> BOOL {
            wchar_t name[64]{};
            GetClassNameW(child, name, 64);
            if (_wcsicmp(name, L"RICHEDIT50W") != 0) return TRUE;
            *reinterpret_cast<HWND*>(found) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&sheet));
    ASSERT_NE(sheet, nullptr);
    RECT r{};
    GetClientRect(sheet, &r);
    MapWindowPoints(sheet, nullptr, reinterpret_cast<POINT*>(&r), 2);
    int dark = 0, light = 0;
    HDC screen = GetDC(nullptr);
    for (int y = r.top + 2; y < r.top + 40; ++y)
        for (int x = r.left + 2; x < r.left + 120; ++x) {
            const COLORREF c = GetPixel(screen, x, y);
            const int level = (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
            dark += level < 80;
            light += level > 170;
        }
    ReleaseDC(nullptr, screen);
    EXPECT_GT(dark, light) << "a dark sheet";
    EXPECT_GT(light, 20) << "with light text";
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(setup.Wait(), kDeclined);
}

} // namespace
} // namespace test
