// Walks the real installer's wizard in the light and the dark theme and keeps a picture of
// every page, of a themed message and of the package information: what a user sees, for
// people to look at (run by scripts/screenshots.sh, not by the tests).
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>

#include "tests/e2e/installer_run.h"
#include "tests/support/windows.h"
#include "tests/support/wizard_driver.h"

namespace {

using namespace test;

std::wstring outputFolder;
int failures = 0;

void Fail(const std::string& what) {
    std::fprintf(stderr, "screenshots: %s\n", what.c_str());
    ++failures;
}

// The window as it is on the screen, after it had a moment to finish drawing.
void Keep(HWND window, const std::wstring& name) {
    Sleep(700);
    RECT r{};
    GetWindowRect(window, &r);
    const std::wstring path = outputFolder + L"\\" + name + L".png";
    if (!SaveScreenArea(r, path)) Fail("could not save " + Narrow(path));
    std::printf("%s\n", Narrow(name).c_str());
}

struct Session {
    StartedProcess process;
    HWND window = nullptr;
    bool Open(const std::wstring& exe, const std::wstring& arguments) {
        StartProcess(L"\"" + exe + L"\" " + arguments, process);
        window = WaitForWizard(process.pid);
        if (!window) Fail("the wizard did not open: " + Narrow(exe));
        return window != nullptr;
    }
    bool Page(const std::wstring& marker) {
        if (WaitForControl(window, marker)) return true;
        Fail("page not reached: " + Narrow(marker));
        return false;
    }
    ~Session() {
        if (window) PostMessageW(window, WM_CLOSE, 0, 0);
        process.Wait(20000);
    }
};

void WalkTheWizard(const std::wstring& theme, const std::wstring& target) {
    CleanInstallState::Clean();
    Session s;
    if (!s.Open(SetupExe(), L"-installpath \"" + target + L"\"")) return;
    if (!s.Page(L"Welcome to the Quillpad installer")) return;
    Keep(s.window, L"welcome-" + theme);

    ClickText(s.window, L"Package Info");
    if (HWND info = WaitForMessage(s.process.pid, L"Installer Package Information")) {
        Keep(info, L"packageinfo-" + theme);
        ClickText(info, L"Close");
        if (!WaitForControl(s.window, L"Next")) Fail("the wizard did not come back");
    } else {
        Fail("no package information window");
    }

    StartedProcess app;
    StartProcess(L"\"" + BuildFile(L"resources\\Quillpad.exe") + L"\"", app);
    WaitForWindow(L"Quillpad Studio 1.3.0.0", app.pid);
    ClickText(s.window, L"Next");
    if (!s.Page(L"The following processes need to be closed")) return;
    Keep(s.window, L"processes-" + theme);
    ClickText(s.window, L"Terminate All");
    app.Wait(10000);
    ClickText(s.window, L"Next");
    if (!s.Page(L"License agreement")) return;
    Keep(s.window, L"license-" + theme);

    ClickText(s.window, L"Next");
    if (HWND message = WaitForMessage(s.process.pid, L"License Agreement")) {
        Keep(message, L"message-" + theme);
        AnswerMessage(message, L"Ok");
    } else {
        Fail("no licence message");
    }
    ClickText(s.window, L"Agree");
    ClickText(s.window, L"Next");
    if (!s.Page(L"Please adjust the following")) return;
    Keep(s.window, L"settings-" + theme);
    ClickText(s.window, L"Next");
    if (!s.Page(L"All ready?")) return;
    Keep(s.window, L"ready-" + theme);
    ClickText(s.window, L"Install");
    if (!WaitForControl(s.window, L"40%", 20000)) Fail("no progress");
    Keep(s.window, L"installing-" + theme);
    if (!s.Page(L"The installation was successfull")) return;
    Keep(s.window, L"success-" + theme);
}

void OtherPages(const std::wstring& theme, const std::wstring& target) {
    CleanInstallState::Clean();
    {
        Session s;
        if (s.Open(SetupExe(L"QuillpadSetupBoth.exe"), L"") &&
            s.Page(L"Please choose your installation type"))
            Keep(s.window, L"installtype-" + theme);
    }
    {
        Session s;
        if (s.Open(BuildFile(L"tests\\QuillpadSetupNoExecutable.exe"),
                   L"-start -installpath \"" + target + L"-broken\"") &&
            s.Page(L"The installation has failed"))
            Keep(s.window, L"error-" + theme);
    }
    CleanInstallState::Clean();
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wizard_screenshots OUTPUT-FOLDER SCRATCH-FOLDER\n");
        return 2;
    }
    outputFolder = argv[1];
    CreateDirectoryW(outputFolder.c_str(), nullptr);
    const std::wstring target = std::wstring(argv[2]) + L"\\Quillpad";
    for (bool light : {true, false}) {
        const std::wstring theme = light ? L"light" : L"dark";
        SetLightTheme(light);
        WalkTheWizard(theme, target);
        OtherPages(theme, target);
    }
    SetLightTheme(true);
    CleanInstallState::Clean();
    return failures == 0 ? 0 : 1;
}
