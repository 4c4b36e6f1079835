#include "toolkit/hint_manager.h"

#include "toolkit/hint_window.h"
#include "toolkit/screen.h"
#include "toolkit/utility_window.h"

namespace toolkit {

namespace {
// The control whose hint shows over control: itself, or its nearest parent with a hint.
const Control* HintSource(const Control* control) {
    for (; control; control = control->Parent())
        if (control->ShowHint() && !control->Hint().empty()) return control;
    return nullptr;
}
} // namespace

HintManager::HintManager() : factory_([] { return std::make_unique<HintWindow>(nullptr); }) {}

HintManager::~HintManager() {
    StopTimer();
}

void HintManager::SetWindowClass(WindowFactory factory) {
    Cancel();
    window_.reset();
    factory_ = std::move(factory);
}

void HintManager::SetEnabled(bool value) {
    enabled_ = value;
    if (!value) Cancel();
}

void HintManager::MouseEntered(Control* control) {
    Cancel();
    control_ = control;
    if (!enabled_ || !HintSource(control)) return;
    timer_ = UtilityWindow::Instance().StartTimer(UINT(pause_), [this] {
        POINT cursor{};
        GetCursorPos(&cursor);
        Show(control_, cursor);
    });
}

void HintManager::Show(Control* control, POINT cursor) {
    StopTimer();
    const Control* source = HintSource(control);
    if (!source) return;
    control_ = control;
    if (!window_) window_ = factory_();
    const RECT area = Screen::Instance().MonitorFromPoint(cursor).workArea;
    RECT rect = window_->CalcHintRect(area.right - area.left, source->Hint());
    OffsetRect(&rect, cursor.x, cursor.y + 20);
    window_->ActivateHint(rect, source->Hint());
    timer_ = UtilityWindow::Instance().StartTimer(UINT(hidePause_), [this] { Cancel(); });
}

void HintManager::Cancel() {
    StopTimer();
    if (window_ && window_->Visible()) window_->Hide();
}

void HintManager::ControlDestroyed(Component* component) {
    if (component != control_) return;
    Cancel();
    control_ = nullptr;
}

HintWindow* HintManager::Window() const {
    return window_ && window_->Visible() ? window_.get() : nullptr;
}

void HintManager::StopTimer() {
    if (timer_) UtilityWindow::Instance().StopTimer(timer_);
    timer_ = 0;
}

} // namespace toolkit
