// The installer's main block: guard, configuration, earlier installation, command line,
// then the window.
#include <windows.h>
#include <objbase.h>

#include <exception>

#include "installer/command_line.h"
#include "installer/config.h"
#include "installer/error_text.h"
#include "installer/installer_message.h"
#include "installer/previous_install.h"
#include "installer/process_end.h"
#include "installer/test_seams.h"
#include "installer/wizard.h"
#include "lyra/theme_manager.h"
#include "vel/dll_search.h"
#include "vel/parameters.h"
#include "vel/shell.h"

namespace installer {
namespace {

// A second copy goes on only when "-force" is among its parameters; otherwise it could
// not start (a silent one says so on the console and ends at once).
void GuardSingleInstance() {
    if (!vel::HasOtherInstance()) return;
    if (ForceRequested()) {
        ForceMode = true;
        return;
    }
    InstallerMessage(L"Program is already running",
                     L"A instance of the installer is already running.", TMsgButtons::OK);
    EndInstaller(ExitCode::SetupCannotStart);
}

// Errors that escape the start-up: on the console for a shell, in a message otherwise.
[[noreturn]] void ReportStartupError(const std::exception& error) {
    ConsoleLine(L"<!> Error: " + ErrorText(error));
    if (!StartedFromConsole() && !SilentRequested()) {
        try {
            InstallerMessage(AppOptions.AppFullName + L" Installer", ErrorText(error),
                             TMsgButtons::OK);
        } catch (const std::exception&) {
            // The themed window itself could not be shown: the system's box still can.
            MessageBoxW(nullptr, ErrorText(error).c_str(),
                        (AppOptions.AppFullName + L" Installer").c_str(),
                        MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
        }
    }
    EndInstaller(ExitCode::SetupCannotStart);
}

void Run() {
    // The theme and accent are known before the guard's message or any window appears.
    lyra::StartThemeManager();
    bool standardUser = PretendStandardUser();
    IsAdmin = !standardUser && vel::IsAdministrator();
    GuardSingleInstance();
    LoadDefaults();
    CheckPreviousInstall();
    ProcessParameters();
    RunWizard();
}

} // namespace
} // namespace installer

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    vel::RestrictDllSearch();
    installer::TraceCommandLine();
    // Shell links need COM on this thread; the window thread is single-threaded.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    try {
        installer::Run();
    } catch (const std::exception& error) {
        installer::ReportStartupError(error);
    }
    installer::EndInstaller();
}
