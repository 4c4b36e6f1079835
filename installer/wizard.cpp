// A plain window that runs the whole interactive path (ready, installing with progress,
// success or error, finish actions) until the themed wizard replaces it.
#include "installer/wizard.h"

#include <commctrl.h>

#include <string>

#include "installer/command_line.h"
#include "installer/config.h"
#include "installer/install_engine.h"
#include "installer/installer_message.h"
#include "installer/process_end.h"

namespace installer {

namespace {

constexpr wchar_t kClassName[] = L"QuillpadSetupWindow";
constexpr UINT_PTR kInstallTimer = 1;
constexpr int kInstallButton = 101;
constexpr int kCloseButton = 102;
constexpr int kCleanupButton = 103;

HWND window = nullptr;
HWND status = nullptr;
HWND progress = nullptr;
HWND installButton = nullptr;
HWND closeButton = nullptr;
HWND cleanupButton = nullptr;
bool isClosing = false;

void SetStatus(const std::wstring& text) {
    SetWindowTextW(status, text.c_str());
}

std::wstring Caption() {
    return AppOptions.AppFullName + L" Installer" + CaptionSuffix;
}

std::wstring TargetFolder() {
    if (!InstallOptions.InstallPath.empty()) return InstallOptions.InstallPath;
    return InstallOptions.InstallPick == TInstallPick::AllUser ? InstallOptions.InstallPathAll
                                                               : InstallOptions.InstallPathUser;
}

void StartInstall() {
    CurrentPage = 7;
    ShowWindow(installButton, SW_HIDE);
    ShowWindow(closeButton, SW_HIDE);
    SetStatus(L"Installing " + AppOptions.AppFullName + L"...");
    SetTimer(window, kInstallTimer, 800, nullptr);
}

// From the installing page's showing until the run has finished, an end of the process
// would leave the installation half done.
bool Installing() {
    return CurrentPage == 7 && InstallRun != TInstallRun::Finished;
}

void InstallFinished() {
    KillTimer(window, kInstallTimer);
    FinishInstallation();
    CurrentPage = InstallFailed ? 9 : 8;
    SetStatus(InstallFailed
                  ? L"The installation has failed."
                  : AppOptions.AppFullName + L" was installed into " + InstallOptions.InstallPath);
    ShowWindow(closeButton, SW_SHOW);
    if (InstallFailed) ShowWindow(cleanupButton, SW_SHOW);
    DoFinishAction();
}

void InstallTickTimer() {
    bool finished = false;
    int percent = InstallTick(finished);
    SendMessageW(progress, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    if (finished) InstallFinished();
}

void DeleteTemporaryFiles() {
    if (InstallerMessage(L"Are you sure?",
                         L"Are you sure you want to delete all the temporary files",
                         TMsgButtons::YesNo) != kResultYes)
        return;
    RemoveInstalledFiles();
    ShowWindow(cleanupButton, SW_HIDE);
}

HWND Child(const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w, int h,
           int id) {
    HWND child = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, window,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 TRUE);
    return child;
}

void CreateContent() {
    Child(L"STATIC", (AppOptions.AppFullName + L" " + AppOptions.ProgramVersion.ToString()).c_str(),
          0, 24, 24, 680, 24, 0);
    status = Child(L"STATIC", (L"Ready to install into " + TargetFolder()).c_str(), 0, 24, 64, 680,
                   60, 0);
    progress = Child(PROGRESS_CLASSW, L"", 0, 24, 140, 680, 20, 0);
    installButton = Child(L"BUTTON", L"Install", BS_DEFPUSHBUTTON | WS_TABSTOP, 586, 410, 140, 35,
                          kInstallButton);
    closeButton =
        Child(L"BUTTON", L"Close", BS_PUSHBUTTON | WS_TABSTOP, 438, 410, 140, 35, kCloseButton);
    cleanupButton = Child(L"BUTTON", L"Delete temporary files", BS_PUSHBUTTON | WS_TABSTOP, 24, 410,
                          200, 35, kCleanupButton);
    ShowWindow(cleanupButton, SW_HIDE);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_COMMAND:
        if (LOWORD(wp) == kInstallButton) StartInstall();
        if (LOWORD(wp) == kCloseButton) CloseInstaller();
        if (LOWORD(wp) == kCleanupButton) DeleteTemporaryFiles();
        return 0;
    case WM_TIMER:
        if (wp == kInstallTimer) InstallTickTimer();
        return 0;
    case WM_CLOSE:
        // A half-written installation is not left behind: the window stays until the
        // installation has finished.
        if (Installing()) return 0;
        // Closing goes through CloseInstaller once, so the title bar honours "-ad" too.
        if (!isClosing) {
            isClosing = true;
            CloseInstaller();
            return 0;
        }
        DestroyWindow(hwnd);
        return 0;
    case WM_QUERYENDSESSION:
        return Installing() ? FALSE : TRUE;
    case WM_ENDSESSION:
        // The session ends anyway (forced): the process is about to be ended, so the
        // installation is taken back now rather than left half done.
        if (wp && Installing()) {
            StopInstallation();
            EndInstaller();
        }
        return 0;
    case WM_DESTROY:
        window = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

} // namespace

HWND VisibleWizardWindow() {
    return window && IsWindowVisible(window) ? window : nullptr;
}

void CloseWizard() {
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
}

void RunWizard() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_PROGRESS_CLASS | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    PrepareTempFolder();
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExW(&wc);

    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT bounds{0, 0, 734, 461};
    AdjustWindowRectEx(&bounds, style, FALSE, 0);
    int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
        y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    window = CreateWindowExW(WS_EX_APPWINDOW, kClassName, Caption().c_str(), style, x, y, width,
                             height, nullptr, nullptr, wc.hInstance, nullptr);
    CreateContent();
    ShowWindow(window, SW_SHOWNORMAL);
    if (StartPage == 7) StartInstall();

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // However the window went, a run it left unfinished is taken back.
    if (InstallRun == TInstallRun::Running) StopInstallation();
}

} // namespace installer
