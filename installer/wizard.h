#pragma once
// The installer's window.
#include <windows.h>

namespace installer {

// The window when it exists and is visible, else null.
HWND VisibleWizardWindow();

// Creates the window, shows it on StartPage and runs the message loop until it closes.
void RunWizard();

// Closes the window; its close ends the message loop.
void CloseWizard();

} // namespace installer
