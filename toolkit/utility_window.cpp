#include "toolkit/utility_window.h"

#include "toolkit/application.h"
#include "toolkit/error.h"

namespace toolkit {

namespace {
constexpr UINT kRunPosted = WM_APP + 1;
const wchar_t kClassName[] = L"Toolkit.UtilityWindow";
} // namespace

UtilityWindow& UtilityWindow::Instance() {
    // Never destroyed: objects that outlive main (the application's forms and timers) still
    // stop their timers here while the process ends.
    static UtilityWindow* window = new UtilityWindow;
    return *window;
}

UtilityWindow::UtilityWindow() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = &WndProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    RegisterClassExW(&windowClass);
    handle_ = CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              windowClass.hInstance, this);
    if (!handle_) throw Error(L"Cannot create the toolkit's utility window");
}

UINT_PTR UtilityWindow::StartTimer(UINT interval, std::function<void()> tick) {
    // Ids are never reused, so a WM_TIMER still queued for a stopped timer finds nothing.
    UINT_PTR id = nextTimer_++;
    timers_[id] = std::move(tick);
    SetTimer(handle_, id, interval, nullptr);
    return id;
}

void UtilityWindow::StopTimer(UINT_PTR id) {
    if (timers_.erase(id)) KillTimer(handle_, id);
}

void UtilityWindow::Post(std::function<void()> call) {
    posted_.push_back(std::move(call));
    PostMessageW(handle_, kRunPosted, 0, 0);
}

void UtilityWindow::RunPosted() {
    if (posted_.empty()) return;
    std::function<void()> call = std::move(posted_.front());
    posted_.pop_front();
    call();
}

LRESULT CALLBACK UtilityWindow::WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<UtilityWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self || (message != WM_TIMER && message != kRunPosted))
        return DefWindowProcW(window, message, wParam, lParam);
    try {
        if (message == kRunPosted) {
            self->RunPosted();
        } else if (auto found = self->timers_.find(wParam); found != self->timers_.end()) {
            // A copy: the tick may stop its own timer.
            std::function<void()> tick = found->second;
            tick();
        }
    } catch (...) {
        Application::Instance().HandleException(std::current_exception());
    }
    return 0;
}

} // namespace toolkit
