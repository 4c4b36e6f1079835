#pragma once
// The installer's wizard window: nine pages stacked in one container, switched with a short
// slide from the right, and the timer-driven installation on its installing page.
#include <memory>
#include <string>

#include "lyra/animations.h"
#include "lyra/form.h"

namespace toolkit {
class RichEdit;
class Timer;
}
namespace vel {
class VImage;
class VPanel;
} // namespace vel
namespace lyra {
class LyButton;
class LyCheckBox;
class LyEdit;
class LyPanel;
class LyProgress;
class LyRadioButton;
class LyTextBox;
} // namespace lyra

namespace installer {

class TInstaller : public lyra::LyForm {
  public:
    explicit TInstaller(toolkit::Component* AOwner);
    ~TInstaller() override;

    // Shows page p (0 stays on the current page); leaving the settings page saves them
    // first and a refusal cancels the change.
    void ShowPage(int p);
    // The page panel whose Tag is p, or null.
    vel::VPanel* PagePanel(int p) const;
    // Closes the window once the current message is handled, for a caller that has done
    // the closing steps (CloseInstaller) already.
    void CloseWithoutQuestions();

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    // From the installing page's showing until the run has finished.
    bool Installing() const;
    void FormCreate(toolkit::Component* Sender);
    void FormCloseQuery(toolkit::Component* Sender, bool& CanClose);
    void NavClicker(toolkit::Component* Sender);
    void Navigation_InfoClick(toolkit::Component* Sender);
    void Navigation_TerminateClick(toolkit::Component* Sender);
    void InstallType_AllUserCheck(toolkit::Component* Sender);
    void InstallTickTimer(toolkit::Component* Sender);
    void ThemeChange(toolkit::Component* Sender, lyra::LyThemeType ThemeChange, bool DarkTheme,
                     lyra::TColor Accent);

    void GoNext();
    void GoPrevious();
    int NextPageFrom(int p);
    int PreviousPageFrom(int p) const;
    bool PageAvailable(int p) const;
    void LoadSettings();
    bool SaveSettings();
    void StartAnimation(vel::VPanel* Panel, vel::VPanel* PrevPanel);
    // Ends a slide that is still running at once, as its completion would.
    void FinishAnimation();
    void SlideFinished();
    void StartInstall();
    void InstallFinished();
    void DeleteTemporaryFiles();
    void ShowBlockingProcess();
    void UpdateNavigation();

    template <class T> T* Part(const wchar_t* name) const;

    bool IsClosing = false;
    std::unique_ptr<lyra::TIntAni> FSlide;
    vel::VPanel* FSlidePanel = nullptr;
    vel::VPanel* FSlidePrevPanel = nullptr;

    lyra::LyPanel* Panels_Container = nullptr;
    lyra::LyButton* Navigation_Info = nullptr;
    lyra::LyButton* Navigation_Previous = nullptr;
    lyra::LyButton* Navigation_Next = nullptr;
    lyra::LyButton* Navigation_Install = nullptr;
    lyra::LyButton* Navigation_Close = nullptr;
    lyra::LyButton* Navigation_DeleteTemp = nullptr;
    lyra::LyButton* Navigation_Run = nullptr;
    lyra::LyButton* InstallType_AllUser = nullptr;
    lyra::LyButton* InstallType_ThisUser = nullptr;
    lyra::LyTextBox* Program_Title = nullptr;
    lyra::LyTextBox* Program_Install_Description = nullptr;
    lyra::LyTextBox* Process_Name = nullptr;
    lyra::LyRadioButton* License_Agree = nullptr;
    toolkit::RichEdit* EULA = nullptr;
    lyra::LyEdit* Option_SetPath = nullptr;
    lyra::LyCheckBox* Option_Boxes[3] = {};
    lyra::LyCheckBox* Extension_Boxes[3] = {};
    lyra::LyCheckBox* Create_Desktop = nullptr;
    lyra::LyCheckBox* Create_StartMenu = nullptr;
    lyra::LyProgress* Install_Progress = nullptr;
    vel::VImage* Installer_Logo = nullptr;
    toolkit::Timer* InstallTick = nullptr;
};

// The wizard when it exists and is visible, else null (the parent of messages).
TInstaller* VisibleWizard();

// Creates the wizard, shows it on StartPage and runs the message loop until it closes.
void RunWizard();

// Closes the wizard; its close ends the message loop.
void CloseWizard();

} // namespace installer
