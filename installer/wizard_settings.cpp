// The settings page: the folder, the shortcuts and the options, in and out of the records.
#include <system_error>

#include "installer/command_line.h"
#include "installer/config.h"
#include "installer/install_path_check.h"
#include "installer/installer_message.h"
#include "installer/wizard.h"
#include "lyra/check_box.h"
#include "lyra/edit.h"
#include "vel/folders.h"

namespace installer {

namespace {

bool* const kOptionFlags[] = {&InstallOptions.Option1, &InstallOptions.Option2,
                              &InstallOptions.Option3};
bool* const kExtensionFlags[] = {&InstallOptions.Extension1, &InstallOptions.Extension2,
                                 &InstallOptions.Extension3};

bool EnsureFolder(const std::wstring& folder) {
    if (folder.empty()) return false;
    if (vel::FolderExists(folder)) return true;
    try {
        vel::CreateFolderTree(folder);
    } catch (const std::system_error&) {
        return false;
    }
    return vel::FolderExists(folder);
}

} // namespace

void TInstaller::LoadSettings() {
    if (InstallOptions.InstallPath.empty())
        InstallOptions.InstallPath = InstallOptions.InstallPick == TInstallPick::AllUser
                                         ? InstallOptions.InstallPathAll
                                         : InstallOptions.InstallPathUser;
    for (int i = 0; i < 3; ++i) {
        Option_Boxes[i]->SetChecked(*kOptionFlags[i]);
        Extension_Boxes[i]->SetChecked(*kExtensionFlags[i]);
    }
    Create_Desktop->SetChecked(InstallOptions.CreateDesktop);
    Create_StartMenu->SetChecked(InstallOptions.CreateStartMenu);
    Option_SetPath->SetText(InstallOptions.InstallPath);
}

bool TInstaller::SaveSettings() {
    for (int i = 0; i < 3; ++i) {
        *kOptionFlags[i] = Option_Boxes[i]->Checked();
        *kExtensionFlags[i] = Extension_Boxes[i]->Checked();
    }
    InstallOptions.CreateDesktop = Create_Desktop->Checked();
    InstallOptions.CreateStartMenu = Create_StartMenu->Checked();

    // Everything is judged before anything is created; only an accepted path gets its
    // missing parent folders.
    std::wstring canonical;
    TPathVerdict verdict =
        CheckInstallPath(Option_SetPath->Text(), SystemProtectedFolders(), IsAdmin, canonical);
    if (verdict == TPathVerdict::Accepted && !EnsureFolder(InstallPathParent(canonical)))
        verdict = TPathVerdict::Invalid;
    if (verdict != TPathVerdict::Accepted) {
        InstallerMessage(L"Invalid Path", PathRefusalText(verdict), TMsgButtons::OK);
        return false;
    }
    InstallOptions.InstallPath = canonical;
    return true;
}

} // namespace installer
