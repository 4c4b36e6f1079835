#include "installer/config.h"

#include "installer/package_config.h"
#include "vel/paths.h"
#include "vel/system_folders.h"

namespace installer {

namespace {
constexpr wchar_t kPublisherSite[] = L"https://velmarsoftware.com";
}

std::wstring TAppOptions::ExeLocation() const {
    std::wstring folder = InstallOptions.InstallPath;
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    return folder + ExeOfPath;
}

TInstallPick PickFor(TInstallSupport support) {
    switch (support) {
    case TInstallSupport::AllUser:
        return TInstallPick::AllUser;
    case TInstallSupport::ThisUser:
        return TInstallPick::User;
    case TInstallSupport::Both:
        break;
    }
    return TInstallPick::Unset;
}

void LoadDefaults() {
    TAppOptions& app = AppOptions;
    TInstallOptions& install = InstallOptions;

    app.AppName = L"Quillpad";
    app.AppFullName = L"Quillpad Studio";
    app.Publisher = L"Velmar Software";
    app.ProgramVersion = vel::MakeVersion(1, 3, 0, 0);
    app.HelpLink = std::wstring(kPublisherSite) + L"/apps/";
    app.SupportLink = std::wstring(kPublisherSite) + L"/contact/";
    app.UpdateLink = std::wstring(kPublisherSite) + L"/apps/";
    install.CanBeRun = true;
    app.ExeOfPath = L"Quillpad.exe";
    install.InstallSupport = ConfiguredInstallSupport;
    install.EnableUninstaller = true;
    install.AddRecordToRegistry = true;
    install.AllowCustomPath = true;
    install.AllowOptions = false;
    install.AllowExtensions = false;
    install.AllowCreateShortcut = true;
    install.HasEULA = true;
    ConfiguredTexts = {};
    // A packaged installer carries its publisher's values; the folders below follow them.
    LoadPackageConfiguration();

    // Elevated, Program Files is asked of the system: the environment is the user's to change.
    install.InstallPathAll = (IsAdmin ? vel::KnownFolder(FOLDERID_ProgramFiles) + L"\\"
                                      : vel::ExpandPathMacros(L"%PROGRAMFILES%\\")) +
                             app.AppName + L"\\";
    install.InstallPathUser =
        vel::GetAppDataFolder(app.AppFullName, true, false, vel::TAppDataKind::Local);
    app.AppDataPath = vel::GetAppDataFolder(app.AppName, true, false, vel::TAppDataKind::Local);
    if (install.AllowCreateShortcut) {
        install.CreateDesktop = true;
        install.CreateStartMenu = true;
    }
    install.InstallPick = PickFor(install.InstallSupport);
}

} // namespace installer
