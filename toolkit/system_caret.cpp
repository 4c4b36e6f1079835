#include "toolkit/system_caret.h"

namespace toolkit {

void SystemCaret::Create(HWND window, int width, int height) {
    Destroy();
    // Never shown (no ShowCaret): the control draws the caret people see.
    if (CreateCaret(window, nullptr, width, height)) window_ = window;
}

void SystemCaret::MoveTo(int x, int y) {
    if (window_) SetCaretPos(x, y);
}

void SystemCaret::Destroy() {
    if (!window_) return;
    window_ = nullptr;
    DestroyCaret();
}

} // namespace toolkit
