#include "toolkit/application.h"

#include "toolkit/control_canvas.h"
#include "toolkit/error.h"
#include "toolkit/form.h"

#include <gdiplus.h>

namespace toolkit {

Application& Application::Instance() {
    static Application application;
    return application;
}

Application::Application() : Component(nullptr) {
    wchar_t path[MAX_PATH]{};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    title_ = path;
    title_ = title_.substr(title_.find_last_of(L"\\/") + 1);
    title_ = title_.substr(0, title_.find_last_of(L'.'));
    // The framework draws with GDI+: one session for the life of the program.
    Gdiplus::GdiplusStartupInput input;
    Gdiplus::GdiplusStartup(&gdiplusToken_, &input, nullptr);
}

Application::~Application() {
    hints_.Cancel();
    DestroyComponents();
    Gdiplus::GdiplusShutdown(gdiplusToken_);
}

void Application::SetMainForm(Form* form) {
    if (mainForm_) mainForm_->RemoveFreeNotification(this);
    mainForm_ = form;
    if (form) form->FreeNotification(this);
}

void Application::Run() {
    terminated_ = false;
    if (mainForm_) mainForm_->Show();
    while (!terminated_)
        HandleMessage();
    // This loop is over; a later Run or modal loop (a second window of the same program)
    // starts afresh.
    terminated_ = false;
}

void Application::Terminate() {
    PostQuitMessage(0);
}

void Application::HandleMessage() {
    MSG message{};
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
        terminated_ = true;
        return;
    }
    Dispatch(message);
}

void Application::ProcessMessages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            terminated_ = true;
            return;
        }
        Dispatch(message);
    }
}

void Application::Dispatch(MSG& message) {
    try {
        if (!IsDialogKeyMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    } catch (...) {
        HandleException(std::current_exception());
    }
    ControlCanvas::FreeWindowDCs();
}

bool Application::IsDialogKeyMessage(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
    for (HWND window = message.hwnd; window; window = GetParent(window))
        if (WinControl* control = WinControl::FromHandle(window))
            return control->PreProcessKey(message);
    return false;
}

void Application::HandleException(const std::exception_ptr& exception) {
    if (!OnException) return ShowException(exception);
    try {
        OnException(exception);
    } catch (...) {
        ShowException(std::current_exception());
    }
}

void Application::ShowException(const std::exception_ptr& exception) {
    std::wstring message = ExceptionMessage(exception);
    if (!message.empty() && message.back() > L'.') message += L'.';
    MessageBoxW(GetActiveWindow(), message.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

void Application::SetMouseControl(Control* control) {
    if (control == mouseControl_) return;
    Control* previous = mouseControl_;
    if (previous) previous->RemoveFreeNotification(this);
    mouseControl_ = control;
    if (control) control->FreeNotification(this);
    hints_.MouseEntered(control);
    if (previous) previous->MouseLeave();
    if (control && control == mouseControl_) control->MouseEnter();
}

void Application::Notification(Component* component) {
    Component::Notification(component);
    if (component == mainForm_) mainForm_ = nullptr;
    if (component == mouseControl_) mouseControl_ = nullptr;
    hints_.ControlDestroyed(component);
}

} // namespace toolkit
