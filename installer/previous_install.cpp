#include "installer/previous_install.h"

#include <stdexcept>

#include "installer/command_line.h"
#include "installer/config.h"
#include "installer/folders.h"
#include "installer/installer_message.h"
#include "installer/process_end.h"
#include "vel/folders.h"
#include "vel/registry.h"

namespace installer {

namespace {

const std::wstring kUninstallKey = L"\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

std::wstring RecordKey(TInstallSupport kind) {
    return (kind == TInstallSupport::AllUser ? L"HKEY_LOCAL_MACHINE" : L"HKEY_CURRENT_USER") +
           kUninstallKey + AppOptions.AppName;
}

void AskAboutDowngrade(const std::wstring& displayVersion) {
    try {
        PreviousInstall.Version.Parse(displayVersion);
    } catch (const std::invalid_argument&) {
        // A version someone else wrote that is not four numbers cannot be compared; it
        // is not taken as newer, so the installation goes on without a question.
        PreviousInstall.Version.Clear();
        return;
    }
    if (!PreviousInstall.Version.NewerThan(AppOptions.ProgramVersion) || ForceMode) return;
    // A silent run has no one to ask; "-force" is its way of saying yes beforehand.
    if (SilentRequested() && ForceRequested()) return;
    int answer = InstallerMessage(
        L"Installed version is newer",
        L"The version of this application you are installing is older than the present "
        L"version on this computer. Continue anyways?",
        TMsgButtons::YesNo);
    if (answer == kResultNo) EndInstaller(ExitCode::Declined);
}

// The registry's own error route shows a message box; a silent run reports on the
// console instead and goes on.
void RouteRegistryErrors(vel::TWinRegistry& registry) {
    if (!SilentRequested()) return;
    registry.SetOnRaiseError(
        [](vel::TRegistryError error) { ConsoleLine(L"<!> " + vel::RegistryErrorMessage(error)); });
}

} // namespace

void CheckPreviousInstall() {
    vel::TWinRegistry registry;
    RouteRegistryErrors(registry);
    PreviousInstall.Exists = false;
    if (InstallOptions.InstallSupport != TInstallSupport::ThisUser) {
        PreviousInstall.Exists = registry.KeyExists(RecordKey(TInstallSupport::AllUser));
        PreviousInstall.Kind = TInstallSupport::AllUser;
    }
    // An elevated all-users run does not take its folder from a per-user record, which
    // the user's unelevated programs can write.
    const bool forAllUsers = IsAdmin && (ElevatedCopy() || AllUsersRequested());
    if (!PreviousInstall.Exists && InstallOptions.InstallSupport != TInstallSupport::AllUser &&
        !forAllUsers) {
        PreviousInstall.Exists = registry.KeyExists(RecordKey(TInstallSupport::ThisUser));
        PreviousInstall.Kind = TInstallSupport::ThisUser;
    }
    if (!PreviousInstall.Exists) return;

    const std::wstring key = RecordKey(PreviousInstall.Kind);
    if (registry.GetValueExists(key, L"InstallLocation") &&
        !registry.GetStringValue(key, L"InstallLocation").empty()) {
        // An empty location names no folder; the configured defaults stay.
        PreviousInstall.InstallPath = registry.GetStringValue(key, L"InstallLocation");
        InstallOptions.InstallPath = PreviousInstall.InstallPath;
        InstallOptions.InstallPathAll = PreviousInstall.InstallPath;
        InstallOptions.InstallPathUser = PreviousInstall.InstallPath;
        if (vel::FolderExists(PreviousInstall.InstallPath)) InstallOptions.AllowCustomPath = false;
    }
    if (registry.GetValueExists(key, L"DisplayVersion"))
        AskAboutDowngrade(registry.GetStringValue(key, L"DisplayVersion"));

    CaptionSuffix += L" - Update to new version";
    InstallOptions.InstallSupport = PreviousInstall.Kind;
    if (PreviousInstall.Kind == TInstallSupport::AllUser && !IsAdmin)
        RestartAsAdministrator(L"-alluser");
    InstallOptions.InstallPick = PreviousInstall.Kind == TInstallSupport::AllUser
                                     ? TInstallPick::AllUser
                                     : TInstallPick::User;
}

} // namespace installer
