#pragma once
// The system's caret for a control that draws its own: kept hidden, it only tells input
// methods (their candidate windows) and accessibility tools such as magnifiers where the
// typing happens. A thread has one caret; the focused window owns it.
#include <windows.h>

namespace toolkit {

class SystemCaret {
  public:
    SystemCaret() = default;
    ~SystemCaret() { Destroy(); }
    SystemCaret(const SystemCaret&) = delete;
    SystemCaret& operator=(const SystemCaret&) = delete;

    // Takes the thread's caret for the window, at its client point (0, 0).
    void Create(HWND window, int width, int height);
    // A client point of the window; nothing without a caret.
    void MoveTo(int x, int y);
    void Destroy();
    bool Exists() const { return window_ != nullptr; }

  private:
    HWND window_ = nullptr;
};

} // namespace toolkit
