#pragma once
// Shows the hint of the control under the mouse after a pause and hides it again, in a
// window of the hint window class in force, which can be replaced at run time.
#include <windows.h>

#include <functional>
#include <memory>

namespace toolkit {

class Component;
class Control;
class HintWindow;

class HintManager {
  public:
    using WindowFactory = std::function<std::unique_ptr<HintWindow>()>;

    HintManager();
    ~HintManager();
    HintManager(const HintManager&) = delete;
    HintManager& operator=(const HintManager&) = delete;

    // Every later hint uses windows from factory; a hint shown now is hidden.
    void SetWindowClass(WindowFactory factory);
    template <class T> void SetWindowClass() {
        SetWindowClass([] { return std::unique_ptr<HintWindow>(new T(nullptr)); });
    }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);
    // Milliseconds before a hint shows, and how long it stays.
    int Pause() const { return pause_; }
    void SetPause(int milliseconds) { pause_ = milliseconds; }
    int HidePause() const { return hidePause_; }
    void SetHidePause(int milliseconds) { hidePause_ = milliseconds; }

    // The mouse moved onto another control (or off every control).
    void MouseEntered(Control* control);
    // Shows the hint of control (or of its nearest parent with one) below a screen point.
    void Show(Control* control, POINT cursor);
    void Cancel();
    void ControlDestroyed(Component* component);
    // The window of the hint shown now, or null.
    HintWindow* Window() const;

  private:
    void StopTimer();

    WindowFactory factory_;
    std::unique_ptr<HintWindow> window_;
    Control* control_ = nullptr;
    bool enabled_ = true;
    int pause_ = 500;
    int hidePause_ = 2500;
    UINT_PTR timer_ = 0;
};

} // namespace toolkit
