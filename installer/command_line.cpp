#include "installer/command_line.h"

#include <windows.h>

#include <system_error>
#include <vector>

#include "installer/config.h"
#include "installer/folders.h"
#include "installer/install_engine.h"
#include "installer/installer_message.h"
#include "installer/process_end.h"
#include "installer/test_seams.h"
#include "installer/wizard.h"
#include "vel/console.h"
#include "vel/folders.h"
#include "vel/parameters.h"
#include "vel/paths.h"
#include "vel/program_start.h"
#include "vel/shell.h"
#include "vel/system_folders.h"
#include "vel/text.h"

namespace installer {

const std::wstring HelpText =
    L"Avalabile Parameters:\r"
    L"\r"
    L"------------------------\r"
    L"-help -> Shows this information\r"
    L"-silent -> Installs the program in the background with no GUI\r"
    L"-start -> Starts the instalation process after opening the program\r"
    L"-startafterfinish -> Starts the program after the installation is finished\r"
    L"-closeafterfinish -> Close the installer after the installation is finnished\r"
    L"-installpath <PATH> -> Set the install path\r"
    L"-option <ID> TRUE/FALSE -> Set a option to a boolean value\r"
    L"-user -> Install application for this user\r"
    L"-force -> Force multiple instances of the installer, also bypasses dialog confirmations\r"
    L"-alluser -> Install application for all users\r"
    L"-ad -> Auto-delete installer when closed\r";

namespace {

enum class LaunchMode { None, Start, Silent };

bool IsDelimiter(wchar_t c) {
    return c == L'\\' || c == L'/';
}

// A relative folder would be recorded in the registry relative to wherever the
// installer happened to be started; the install path is always made absolute.
std::wstring AbsolutePath(const std::wstring& path) {
    DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0) return path;
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    full.resize(n);
    return full;
}

bool HasParameter(const std::wstring& name) {
    for (int i = 1; i <= vel::ParameterCount(); ++i)
        if (vel::GetParameter(i) == name) return true;
    return false;
}

[[noreturn]] void ShowHelp() {
    if (StartedFromConsole()) {
        for (const std::wstring& line : vel::SplitString(HelpText, L"\r"))
            ConsoleLine(line);
        vel::sysconsole::Disconnect();
    } else {
        InstallerMessage(L"Help", HelpText, TMsgButtons::OK);
    }
    EndInstaller(ExitCode::Success);
}

void ChooseInstallPick(TInstallPick pick) {
    if (InstallOptions.InstallSupport != TInstallSupport::Both)
        ConsoleLine(L"(!) Installation does not allow changing install type.");
    else
        InstallOptions.InstallPick = pick;
}

[[noreturn]] void RefuseParameters(const std::wstring& consoleText,
                                   const std::wstring& messageText) {
    if (StartedFromConsole())
        ConsoleLine(consoleText);
    else
        InstallerMessage(L"Error", messageText, TMsgButtons::OK);
    EndInstaller(ExitCode::SetupCannotStart);
}

// The folder that is checked is the folder that gets installed into: the expanded,
// absolute path, never a literal "%PROGRAMFILES%" folder below the current one.
std::wstring ResolvedInstallPath(const std::wstring& value) {
    return AbsolutePath(vel::ExpandPathMacros(value));
}

void TakeInstallPath(const std::wstring& value) {
    std::wstring expanded = vel::ExpandPathMacros(value);
    std::wstring parent = InstallPathParent(expanded);
    if (parent.empty() || !vel::FolderExists(parent))
        RefuseParameters(L"(!) Attention: The installation path provided is invalid!",
                         L"The provided instalation path is invalid!");
    InstallOptions.InstallPath = ResolvedInstallPath(value);
}

// The parameters for the elevated copy: this run's own, with the install folder as the
// absolute path this copy resolved (the elevated copy starts in another current folder,
// and with another environment).
std::wstring RestartParameters() {
    std::vector<std::wstring> parameters;
    for (int i = 1; i <= vel::ParameterCount(); ++i) {
        parameters.push_back(vel::GetParameter(i));
        if (parameters.back() == L"-installpath" && i < vel::ParameterCount())
            parameters.push_back(ResolvedInstallPath(vel::RawParameter(++i)));
    }
    return vel::JoinParameters(parameters);
}

// The hidden shell that deletes this installer's file once the process has ended. An
// elevated process does not delete a file in the user's folders by path: the user's own
// shell does, started with the user's rights.
void StartSelfDeletion() {
    const std::wstring arguments = L"/d " + SelfDeleteParameters(vel::OwnExecutablePath());
    if (!IsAdmin)
        vel::StartSystemProgram(L"cmd.exe", arguments, false);
    else if (!vel::StartUnelevated(vel::SystemProgram(L"cmd.exe"), arguments, vel::SystemFolder(),
                                   false))
        ConsoleLine(L"(!) The installer file could not be deleted.");
}

void TakeOption(const std::wstring& id, const std::wstring& value) {
    std::optional<int> number = vel::TryParseInteger(id);
    if (!number)
        RefuseParameters(L"<!> Error: The provided parameter is incorrect",
                         L"The provided parameters are invalid!");
    bool on = vel::TextToBoolean(value);
    switch (*number) {
    case 1:
        InstallOptions.Option1 = on;
        break;
    case 2:
        InstallOptions.Option2 = on;
        break;
    case 3:
        InstallOptions.Option3 = on;
        break;
    default:
        break; // unknown options are ignored
    }
}

[[noreturn]] void RunSilentInstallation() {
    PrepareTempFolder();
    // Like the wizard, the run stops at the first failed stage: after a refused space check
    // or a failed extraction nothing more is written.
    for (int stage = 1; stage <= 5 && !InstallFailed; ++stage)
        RunInstallStage(stage);
    FinishInstallation();
    // Nobody is there to press the error page's cleanup: a failed silent run takes back
    // what it created at once.
    if (InstallFailed) RemoveInstalledFiles();
    if (AfterFinish == 0) AfterFinish = 1;
    ConsoleLine(InstallFailed ? L"(!) Installation has failed" : L"(!) Installation successfull");
    DoFinishAction();
    // Action 1 without a wizard window has ended the process; nothing else is left to do.
    EndInstaller();
}

} // namespace

std::wstring InstallPathParent(const std::wstring& expandedPath) {
    std::wstring path = expandedPath;
    if (!path.empty() && IsDelimiter(path.back())) path.pop_back();
    size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return L"";
    std::wstring parent = path.substr(0, slash);
    // "C:\Apps" has the root "C:\" as its parent, not the drive-relative "C:".
    if (parent.size() == 2 && parent[1] == L':') parent += L'\\';
    return parent;
}

std::wstring SelfDeleteParameters(const std::wstring& installerPath) {
    // /c rather than /k: the hidden shell ends once the file is gone instead of
    // lingering until the user logs off.
    return L"/c \"timeout /t 3 && del \"" + installerPath + L"\"\"";
}

bool StartedFromConsole() {
    // The parent is looked up once: it does not change during a run.
    static const bool fromConsole = vel::sysconsole::ConsoleCalled();
    return fromConsole;
}

bool SilentRequested() {
    return HasParameter(L"-silent");
}

bool ForceRequested() {
    return HasParameter(L"-force");
}

bool AllUsersRequested() {
    return HasParameter(L"-alluser");
}

bool ElevatedCopy() {
    return HasParameter(kElevatedMarker);
}

void ConsoleLine(const std::wstring& text) {
    // Once a line could not be written, the reader has gone; the rest is not tried.
    static bool outputBroken = false;
    if (outputBroken || !StartedFromConsole()) return;
    try {
        vel::sysconsole::QuickOutput(text);
    } catch (const std::system_error&) {
        outputBroken = true;
    }
}

void ProcessParameters() {
    StartedFromConsole();
    LaunchMode mode = LaunchMode::None;
    const int count = vel::ParameterCount();
    for (int i = 1; i <= count; ++i) {
        const std::wstring p = vel::GetParameter(i);
        if (p == L"-ad") SelfDelete = true;
        if (p == L"-help") ShowHelp();
        if (p == L"-startafterfinish") AfterFinish = 2;
        if (p == L"-user") ChooseInstallPick(TInstallPick::User);
        if (p == L"-alluser") ChooseInstallPick(TInstallPick::AllUser);
        if (p == L"-closeafterfinish") AfterFinish = 1;
        if (p == L"-start") mode = LaunchMode::Start;
        if (p == L"-silent") mode = LaunchMode::Silent;
        if (p == L"-installpath") TakeInstallPath(vel::RawParameter(i + 1));
        if (p == L"-option") TakeOption(vel::RawParameter(i + 1), vel::RawParameter(i + 2));
    }

    if (InstallOptions.InstallPick == TInstallPick::AllUser && !IsAdmin) {
        ConsoleLine(L"(!) Restarting as administrator");
        RestartAsAdministrator(L"-alluser");
    }

    if (mode == LaunchMode::None) return;
    ConsoleLine(L"(!) Beginning instalation");
    if (mode == LaunchMode::Start) {
        ConsoleLine(L"(!) Installation type: normal");
        StartPage = 7;
        return;
    }
    ConsoleLine(L"(!) Installation type: silent");
    AfterFinish = 1;
    RunSilentInstallation();
}

void RestartAsAdministrator(const std::wstring& extra) {
    // A copy that was itself started elevated and still lacks the rights would only start
    // the next copy, and so on.
    if (ElevatedCopy())
        RefuseParameters(L"<!> Error: Administrator rights are needed to install for all users.",
                         L"Administrator rights are needed to install for all users.");
    std::wstring prefix = extra.empty() ? L"" : extra + L" ";
    std::wstring parameters = prefix + L"-force " + kElevatedMarker + L" " + RestartParameters();
    vel::UniqueHandle elevated;
    if (PretendElevationDeclined())
        SetLastError(ERROR_CANCELLED);
    else
        elevated = vel::ShellStartProcess(vel::OwnExecutablePath(), parameters, true);
    // The user answering no to the elevation prompt declined the installation.
    if (!elevated)
        EndInstaller(GetLastError() == ERROR_CANCELLED ? ExitCode::Declined
                                                       : ExitCode::SetupCannotStart);
    // The elevated copy does the work; a deployment script waiting on this process
    // gets its outcome rather than an early success.
    WaitForSingleObject(elevated.Get(), INFINITE);
    DWORD code = static_cast<DWORD>(ExitCode::SetupCannotStart);
    GetExitCodeProcess(elevated.Get(), &code);
    // The elevated copy leaves "-ad" to this one, which runs with the user's own rights.
    if (HasParameter(L"-ad")) StartSelfDeletion();
    EndInstaller(static_cast<ExitCode>(code));
}

void DoFinishAction() {
    switch (AfterFinish) {
    case 1:
        CloseInstaller();
        break;
    case 2:
        RunApplication();
        break;
    default:
        break;
    }
}

void RunApplication() {
    if (InstallOptions.CanBeRun) {
        std::wstring exe = AppOptions.ExeLocation();
        // Elevated, the application is started as the signed-in user: it must not run
        // with the administrator's rights the installation needed.
        if (!IsAdmin)
            vel::ShellRun(exe, true, L"", false, FolderOf(exe));
        else if (!vel::StartUnelevated(exe, L"", FolderOf(exe), true))
            ConsoleLine(L"(!) " + AppOptions.AppFullName + L" could not be started.");
        Sleep(500);
    }
    CloseInstaller();
}

void CloseInstaller() {
    // An elevated restart leaves the deletion to the copy that started it.
    if (SelfDelete && !ElevatedCopy()) StartSelfDeletion();
    if (VisibleWizard())
        CloseWizard();
    else
        EndInstaller();
}

} // namespace installer
