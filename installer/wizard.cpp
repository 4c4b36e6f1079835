#include "installer/wizard.h"

#include "installer/blocking_process.h"
#include "installer/command_line.h"
#include "installer/config.h"
#include "installer/install_engine.h"
#include "installer/installer_message.h"
#include "installer/package_info.h"
#include "installer/process_end.h"
#include "lyra/button.h"
#include "lyra/check_box.h"
#include "lyra/class_names.h"
#include "lyra/edit.h"
#include "lyra/panel.h"
#include "lyra/progress.h"
#include "lyra/radio_button.h"
#include "lyra/text_box.h"
#include "lyra/theme_manager.h"
#include "toolkit/application.h"
#include "toolkit/error.h"
#include "toolkit/rich_edit.h"
#include "toolkit/timer.h"
#include "vel/image.h"
#include "vel/panel.h"

namespace installer {

namespace {

TInstaller* wizard = nullptr;

// The stored texts hold one "%S" for a name.
std::wstring Formatted(const std::wstring& text, const std::wstring& name) {
    std::wstring result = text;
    if (size_t at = result.find(L"%S"); at != std::wstring::npos) result.replace(at, 2, name);
    return result;
}

constexpr int kSlideMilliseconds = 100;

} // namespace

TInstaller::TInstaller(toolkit::Component* AOwner) : LyForm(AOwner) {
    Handlers().Add(L"FormCreate", this, &TInstaller::FormCreate);
    Handlers().Add(L"FormCloseQuery", this, &TInstaller::FormCloseQuery);
    Handlers().Add(L"NavClicker", this, &TInstaller::NavClicker);
    Handlers().Add(L"Navigation_InfoClick", this, &TInstaller::Navigation_InfoClick);
    Handlers().Add(L"Navigation_TerminateClick", this, &TInstaller::Navigation_TerminateClick);
    Handlers().Add(L"InstallType_AllUserCheck", this, &TInstaller::InstallType_AllUserCheck);
    Handlers().Add(L"InstallTickTimer", this, &TInstaller::InstallTickTimer);
    ReadDescription(L"Installer.form");
}

TInstaller::~TInstaller() {
    // The slide's callbacks reach into the pages: end it before they go.
    FSlide.reset();
    if (wizard == this) wizard = nullptr;
}

template <class T> T* TInstaller::Part(const wchar_t* name) const {
    T* part = Find<T>(name);
    if (!part) throw toolkit::Error(std::wstring(L"The wizard's description lacks ") + name);
    return part;
}

void TInstaller::FormCreate(toolkit::Component*) {
    Panels_Container = Part<lyra::LyPanel>(L"Panels_Container");
    Navigation_Info = Part<lyra::LyButton>(L"Navigation_Info");
    Navigation_Previous = Part<lyra::LyButton>(L"Navigation_Previous");
    Navigation_Next = Part<lyra::LyButton>(L"Navigation_Next");
    Navigation_Install = Part<lyra::LyButton>(L"Navigation_Install");
    Navigation_Close = Part<lyra::LyButton>(L"Navigation_Close");
    Navigation_DeleteTemp = Part<lyra::LyButton>(L"Navigation_DeleteTemp");
    Navigation_Run = Part<lyra::LyButton>(L"Navigation_Run");
    InstallType_AllUser = Part<lyra::LyButton>(L"InstallType_AllUser");
    InstallType_ThisUser = Part<lyra::LyButton>(L"InstallType_ThisUser");
    Program_Title = Part<lyra::LyTextBox>(L"Program_Title");
    Program_Install_Description = Part<lyra::LyTextBox>(L"Program_Install_Description");
    Process_Name = Part<lyra::LyTextBox>(L"Process_Name");
    License_Agree = Part<lyra::LyRadioButton>(L"License_Agree");
    EULA = Part<toolkit::RichEdit>(L"EULA");
    Option_SetPath = Part<lyra::LyEdit>(L"Option_SetPath");
    Create_Desktop = Part<lyra::LyCheckBox>(L"Create_Desktop");
    Create_StartMenu = Part<lyra::LyCheckBox>(L"Create_StartMenu");
    Install_Progress = Part<lyra::LyProgress>(L"Install_Progress");
    Installer_Logo = Part<vel::VImage>(L"Installer_Logo");
    InstallTick = Part<toolkit::Timer>(L"InstallTick");
    for (int i = 0; i < 3; ++i) {
        Option_Boxes[i] = Part<lyra::LyCheckBox>((L"Option_" + std::to_wstring(i + 1)).c_str());
        Extension_Boxes[i] =
            Part<lyra::LyCheckBox>((L"Extension_" + std::to_wstring(i + 1)).c_str());
    }

    // 1. The option and extension labels, and a package's licence, come with the configuration.
    for (int i = 0; i < 3; ++i) {
        Option_Boxes[i]->SetText(ConfiguredTexts.OptionLabels[i]);
        Extension_Boxes[i]->SetText(ConfiguredTexts.ExtensionLabels[i]);
    }
    if (!ConfiguredTexts.LicenseText.empty())
        EULA->SetText(ConfiguredTexts.LicenseText);
    // 2. Caption and welcome texts.
    SetCaption(Formatted(Caption(), AppOptions.AppFullName) + CaptionSuffix);
    Program_Title->SetText(Formatted(Program_Title->Text(), AppOptions.AppName));
    Program_Install_Description->SetText(
        Formatted(Program_Install_Description->Text(), AppOptions.AppName));
    // 3. What the settings page offers.
    const TInstallOptions& o = InstallOptions;
    Part<vel::VPanel>(L"Option_ShortCut")->SetVisible(o.AllowCreateShortcut && o.CanBeRun);
    Part<vel::VPanel>(L"Option_Path")->SetVisible(o.AllowCustomPath);
    Part<vel::VPanel>(L"Option_Options")->SetVisible(o.AllowOptions);
    Part<vel::VPanel>(L"Option_Extensions")->SetVisible(o.AllowExtensions);
    for (lyra::LyCheckBox* box : Option_Boxes) box->SetVisible(!box->Text().empty());
    for (lyra::LyCheckBox* box : Extension_Boxes) box->SetVisible(!box->Text().empty());
    // 4. Shortcuts are offered checked.
    if (Part<vel::VPanel>(L"Option_ShortCut")->Visible()) {
        Create_Desktop->SetChecked(true);
        Create_StartMenu->SetChecked(true);
    }
    // 5.
    Navigation_Run->SetVisible(o.CanBeRun);
    // 6.
    PrepareTempFolder();
    // 7.
    OnThemeChange = [this](toolkit::Component* Sender, lyra::LyThemeType Change, bool Dark,
                           lyra::TColor Accent) { ThemeChange(Sender, Change, Dark, Accent); };
    ThemeChange(this, lyra::LyThemeType::Redraw, lyra::ThemeManager().DarkTheme(),
                lyra::ThemeManager().AccentColor());
    // 8.
    Installer_Logo->Picture().LoadFromResource(L"APPLOGO");
    // 9. A build that lets the user choose starts with the choice.
    if (StartPage == 2 && o.InstallSupport == TInstallSupport::Both &&
        o.InstallPick == TInstallPick::Unset)
        StartPage = 1;
    // 10.
    ShowPage(StartPage);
}

vel::VPanel* TInstaller::PagePanel(int p) const {
    for (int i = 0; i < Panels_Container->ControlCount(); ++i) {
        auto* panel = dynamic_cast<vel::VPanel*>(Panels_Container->Controls(i));
        if (panel && panel->Tag() == p) return panel;
    }
    return nullptr;
}

void TInstaller::ShowPage(int p) {
    if (p == 0) return;
    if (p == 7) StartInstall();
    if (p == 5) LoadSettings();
    if (CurrentPage == 5 && !SaveSettings()) return;

    LockWindowUpdate();
    vel::VPanel* previous = PagePanel(CurrentPage);
    vel::VPanel* next = PagePanel(p);
    CurrentPage = static_cast<uint8_t>(p);
    UpdateNavigation();
    if (next) StartAnimation(next, previous != next ? previous : nullptr);
    UnlockWindowUpdate();
}

void TInstaller::UpdateNavigation() {
    const int p = CurrentPage;
    Navigation_Previous->SetVisible(p >= 3 && p <= 6);
    Navigation_Next->SetVisible(p >= 1 && p <= 5);
    Navigation_Install->SetVisible(p == 6);
    Navigation_Close->SetVisible(p == 8 || p == 9);
    // The focus must not stay on a button that has just gone.
    for (lyra::LyButton* button : {Navigation_Next, Navigation_Install, Navigation_Close}) {
        if (button->Visible()) {
            SetActiveControl(button);
            break;
        }
    }
}

void TInstaller::StartAnimation(vel::VPanel* Panel, vel::VPanel* PrevPanel) {
    FinishAnimation();
    const int width = Panels_Container->Width();
    Panel->BringToFront();
    Panel->Constraints().SetMinWidth(width);
    Panel->Margins().SetLeft(width);
    Panel->Show();
    FSlidePanel = Panel;
    FSlidePrevPanel = PrevPanel;
    FSlide = std::make_unique<lyra::TIntAni>(
        false, lyra::akIn, lyra::afkSine, width, -width,
        [this](int32_t value) { FSlidePanel->Margins().SetLeft(value); },
        [this] { SlideFinished(); });
    FSlide->Duration = kSlideMilliseconds;
    FSlide->Step = 20;
    FSlide->Start();
}

void TInstaller::FinishAnimation() {
    if (!FSlidePanel) return;
    FSlide.reset(); // cancels what is left of it
    SlideFinished();
}

void TInstaller::SlideFinished() {
    vel::VPanel* panel = FSlidePanel;
    vel::VPanel* previous = FSlidePrevPanel;
    FSlidePanel = FSlidePrevPanel = nullptr;
    if (!panel) return;
    panel->Margins().SetLeft(0);
    panel->Constraints().SetMinWidth(0);
    // Previous and then Next within one slide brings the old page back: it stays.
    if (previous && previous->Tag() != CurrentPage) previous->Hide();
}

void TInstaller::GoNext() {
    int p = CurrentPage;
    do p = NextPageFrom(p);
    while (!PageAvailable(p));
    ShowPage(p);
}

void TInstaller::GoPrevious() {
    int p = CurrentPage;
    do p = PreviousPageFrom(p);
    while (!PageAvailable(p));
    ShowPage(p);
}

int TInstaller::NextPageFrom(int p) {
    switch (p) {
    case 0:
        return 0;
    case 1:
        if (InstallOptions.InstallPick == TInstallPick::AllUser && !IsAdmin) {
            // The elevated copy opens a wizard of its own; this one waits out of sight.
            Hide();
            RestartAsAdministrator(L"-alluser");
        }
        if (InstallOptions.InstallPick != TInstallPick::Unset) return 2;
        InstallerMessage(L"Installation type", L"Please choose a installation type",
                         TMsgButtons::OK);
        return 0;
    case 2:
    case 3:
        if (FindBlockingProcess()) {
            ShowBlockingProcess();
            return p == 2 ? 3 : 0;
        }
        return 4;
    case 4:
        if (License_Agree->Checked() || !InstallOptions.HasEULA) return 5;
        InstallerMessage(L"License Agreement",
                         L"Please accept the license agreement to install this application.",
                         TMsgButtons::OK);
        return 0;
    default:
        return p + 1;
    }
}

int TInstaller::PreviousPageFrom(int p) const {
    if (p == 0 || p == 2) return 0;
    if (p == 4) return 2; // the processes page is never revisited backwards
    return p - 1;
}

bool TInstaller::PageAvailable(int p) const {
    const TInstallOptions& o = InstallOptions;
    if (p == 4) return o.HasEULA;
    if (p == 5)
        return o.AllowCustomPath || o.AllowExtensions || o.AllowOptions ||
               (o.AllowCreateShortcut && o.CanBeRun);
    return true;
}

void TInstaller::ShowBlockingProcess() {
    Process_Name->SetText(AppOptions.ExeOfPath);
}

void TInstaller::InstallType_AllUserCheck(toolkit::Component* Sender) {
    // Each toggle's check handler also runs when the other one unchecks it.
    if (Sender == InstallType_AllUser && InstallType_AllUser->Checked())
        InstallType_ThisUser->SetChecked(false);
    if (Sender == InstallType_ThisUser && InstallType_ThisUser->Checked())
        InstallType_AllUser->SetChecked(false);
    if (InstallType_AllUser->Checked())
        InstallOptions.InstallPick = TInstallPick::AllUser;
    else if (InstallType_ThisUser->Checked())
        InstallOptions.InstallPick = TInstallPick::User;
    else
        InstallOptions.InstallPick = TInstallPick::Unset;
}

void TInstaller::NavClicker(toolkit::Component* Sender) {
    switch (Sender->Tag()) {
    case 1:
        GoPrevious();
        break;
    case 2:
        GoNext();
        break;
    case 3:
        Close();
        break;
    case 4:
        RunApplication();
        break;
    case 5:
        DeleteTemporaryFiles();
        break;
    default:
        break;
    }
}

void TInstaller::Navigation_TerminateClick(toolkit::Component*) {
    EndBlockingProcess();
}

void TInstaller::Navigation_InfoClick(toolkit::Component*) {
    ShowPackageInfo(*this);
}

// Also once at creation, so a wizard opened in the dark theme starts with its colours.
void TInstaller::ThemeChange(toolkit::Component*, lyra::LyThemeType, bool DarkTheme, lyra::TColor) {
    InfoTextColor = InfoTextColorFor(DarkTheme);
    // The licence is the system's rich edit, which knows no theme: it would keep its white
    // background under the form's white dark-theme text.
    const lyra::LyCompleteColorSet& colors = lyra::ThemeManager().SystemColor;
    EULA->SetColor(DarkTheme ? colors.BackGroundInterior : toolkit::clWindow);
    EULA->Font().SetColor(DarkTheme ? colors.ForeGround : toolkit::clWindowText);
}

bool TInstaller::Installing() const {
    return CurrentPage == 7 && InstallRun != TInstallRun::Finished;
}

void TInstaller::FormCloseQuery(toolkit::Component*, bool& CanClose) {
    // A half-written installation is not left behind: the window stays until it finished.
    if (Installing()) {
        CanClose = false;
        return;
    }
    if (IsClosing) return;
    IsClosing = true;
    CanClose = false;
    CloseInstaller();
}

LRESULT TInstaller::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_QUERYENDSESSION:
        return Installing() ? FALSE : TRUE;
    case WM_ENDSESSION:
        // The session ends anyway (forced): the process is about to be ended, so the
        // installation is taken back now rather than left half done.
        if (wParam && Installing()) {
            StopInstallation();
            EndInstaller();
        }
        return 0;
    default:
        return LyForm::WndProc(message, wParam, lParam);
    }
}

void TInstaller::StartInstall() {
    InstallTick->SetEnabled(true);
}

void TInstaller::InstallTickTimer(toolkit::Component*) {
    bool finished = false;
    const int percent = installer::InstallTick(finished);
    Install_Progress->SetValue(static_cast<float>(percent));
    // Read out by screen readers (and by the tests), as a standard progress bar's value is.
    Install_Progress->SetCaption(std::to_wstring(percent) + L"%");
    if (finished) InstallFinished();
}

void TInstaller::InstallFinished() {
    InstallTick->SetEnabled(false);
    FinishInstallation();
    if (Visible()) ShowPage(InstallFailed ? 9 : 8);
    DoFinishAction();
}

void TInstaller::DeleteTemporaryFiles() {
    if (InstallerMessage(L"Are you sure?", L"Are you sure you want to delete all the temporary files",
                         TMsgButtons::YesNo) != kResultYes)
        return;
    RemoveInstalledFiles();
    Navigation_DeleteTemp->Hide();
}

TInstaller* VisibleWizard() {
    return wizard && wizard->HandleAllocated() && wizard->Visible() ? wizard : nullptr;
}

void TInstaller::CloseWithoutQuestions() {
    IsClosing = true;
    // Posted: the caller may be the close query or one of the window's own handlers.
    if (HandleAllocated()) PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void CloseWizard() {
    if (wizard) wizard->CloseWithoutQuestions();
}

void RunWizard() {
    lyra::RegisterFrameworkClasses();
    toolkit::Application& application = toolkit::Application::Instance();
    application.SetTitle(AppOptions.AppFullName);
    wizard = application.CreateForm<TInstaller>();
    application.Run();
    // However the window went, a run it left unfinished is taken back.
    if (InstallRun == TInstallRun::Running) StopInstallation();
}

} // namespace installer
