#pragma once
// The application object: the message loop, the main form, the standard error box for
// exceptions that escape event handlers, the hints and the mouse-over tracking.
#include "toolkit/component.h"
#include "toolkit/hint_manager.h"

#include <windows.h>

#include <exception>
#include <functional>
#include <string>

namespace toolkit {

class Control;
class Form;

class Application : public Component {
  public:
    static Application& Instance();
    ~Application() override;

    const std::wstring& Title() const { return title_; }
    void SetTitle(const std::wstring& title) { title_ = title; }
    // Closing the main form ends the application.
    Form* MainForm() const { return mainForm_; }
    void SetMainForm(Form* form);
    // Creates a form owned by the application; the first one becomes the main form.
    template <class T> T* CreateForm() {
        T* form = new T(this);
        if (!mainForm_) SetMainForm(form);
        return form;
    }

    // Shows the main form and runs the message loop until Terminate.
    void Run();
    // Ends every message loop (Run and modal ones) once the current message is handled.
    void Terminate();
    // True from the moment the loops were told to end until Run returns.
    bool Terminated() const { return terminated_; }
    // Waits for one message and handles it.
    void HandleMessage();
    // Handles every message waiting now, then returns.
    void ProcessMessages();

    // Handles an exception that escaped an event handler: OnException when set, else the
    // standard error box. Tests set OnException so nothing waits for a user.
    void HandleException(const std::exception_ptr& exception);
    void ShowException(const std::exception_ptr& exception);
    std::function<void(const std::exception_ptr&)> OnException;

    HintManager& Hints() { return hints_; }
    // The control under the mouse: leaving and entering controls raise their events.
    Control* MouseControl() const { return mouseControl_; }
    void SetMouseControl(Control* control);

  protected:
    void Notification(Component* component) override;

  private:
    Application();
    void Dispatch(MSG& message);
    bool IsDialogKeyMessage(const MSG& message);

    std::wstring title_;
    Form* mainForm_ = nullptr;
    Control* mouseControl_ = nullptr;
    bool terminated_ = false;
    ULONG_PTR gdiplusToken_ = 0;
    HintManager hints_;
};

} // namespace toolkit
