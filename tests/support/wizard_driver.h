#pragma once
// Driving the installer's themed windows in another process as a user would: finding its
// controls by their window text (what screen readers read too), clicking them and typing
// with real window messages, answering its themed dialogs, and keeping a capture of the
// screen when a test fails.
#include <windows.h>

#include <string>
#include <vector>

namespace test {

// Polls the condition until it holds; false when it still does not after the timeout.
template <class Condition> bool WaitUntil(DWORD timeoutMs, Condition condition) {
    const DWORD start = GetTickCount();
    do {
        if (condition()) return true;
        Sleep(30);
    } while (GetTickCount() - start < timeoutMs);
    return condition();
}

// The wizard of the process: the visible top-level window whose caption starts with
// "Quillpad Studio Installer"; null after the timeout.
HWND WaitForWizard(DWORD pid, DWORD timeoutMs = 30000);
// The same for a packaged installer, whose caption starts with its own application's name.
HWND WaitForWizardCaption(DWORD pid, const std::wstring& caption, DWORD timeoutMs = 30000);

// A visible descendant window with exactly this window text, or null.
HWND FindControl(HWND top, const std::wstring& text);
// Waits until FindControl finds it; null after the timeout.
HWND WaitForControl(HWND top, const std::wstring& text, DWORD timeoutMs = 15000);
// Waits until no visible descendant has this text any more.
bool WaitForControlGone(HWND top, const std::wstring& text, DWORD timeoutMs = 15000);

// A left click in the middle of the control: move, button down, button up.
void ClickControl(HWND control);
// Finds the control by its text (waiting for it) and clicks it; false when it never came.
bool ClickText(HWND top, const std::wstring& text);
// A key press (down, up; the character follows from the down) to the window that has the keyboard focus in the
// window's thread.
void PressKeyIn(HWND top, WORD key, bool shift = false);
// Types text, one character message after another, into the focused window.
void TypeIn(HWND top, const std::wstring& text);
// The window with the keyboard focus in the window's thread.
HWND FocusedWindow(HWND top);
std::wstring WindowText(HWND window);

// A themed message of the process, a top-level window titled title; null after the timeout.
HWND WaitForMessage(DWORD pid, const std::wstring& title, DWORD timeoutMs = 15000);
// The texts of the message's visible child windows, top to bottom.
std::vector<std::wstring> MessageTexts(HWND message);
// Whether one of the message's texts is exactly this one.
bool MessageSays(HWND message, const std::wstring& text);
// Presses the message's button with this caption and waits until the message has gone.
bool AnswerMessage(HWND message, const std::wstring& button);

// Saves the whole screen, or an area of it, as a PNG file; false when it could not.
bool SaveScreenCapture(const std::wstring& path);
bool SaveScreenArea(const RECT& area, const std::wstring& path);

// Keeps a capture of the screen for every test that fails (the path goes into the output).
void KeepScreenOnFailure();

// The system's app theme, which the installer's windows follow ("AppsUseLightTheme").
void SetLightTheme(bool light);
// Light now, and light again when it goes, whatever the test switched to meanwhile.
struct LightThemeMeanwhile {
    LightThemeMeanwhile() { SetLightTheme(true); }
    ~LightThemeMeanwhile() { SetLightTheme(true); }
    LightThemeMeanwhile(const LightThemeMeanwhile&) = delete;
    LightThemeMeanwhile& operator=(const LightThemeMeanwhile&) = delete;
};

} // namespace test
