#include "toolkit/timer.h"

#include "toolkit/utility_window.h"

namespace toolkit {

Timer::Timer(Component* owner) : Component(owner) {
    Publish(L"Enabled", &Timer::Enabled, &Timer::SetEnabled);
    Publish(L"Interval", &Timer::Interval, &Timer::SetInterval);
    PublishEvent(L"OnTimer", OnTimer);
    Update();
}

Timer::~Timer() {
    MarkDestroying();
    if (id_) UtilityWindow::Instance().StopTimer(id_);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Update();
}

void Timer::SetInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    Update();
}

void Timer::Loaded() {
    Component::Loaded();
    Update();
}

void Timer::Tick() {
    if (OnTimer) OnTimer(this);
}

void Timer::Update() {
    if (id_) UtilityWindow::Instance().StopTimer(id_);
    id_ = 0;
    // A timer being read from a description starts once it is read.
    if (enabled_ && interval_ > 0 && !Loading())
        id_ = UtilityWindow::Instance().StartTimer(UINT(interval_), [this] { Tick(); });
}

} // namespace toolkit
