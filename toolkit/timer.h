#pragma once
// Raises OnTimer every Interval milliseconds while Enabled, on the UI thread, from whatever
// message loop runs. Interval 0 stops it.
#include "toolkit/component.h"
#include "toolkit/control_types.h"

#include <windows.h>

namespace toolkit {

class Timer : public Component {
  public:
    explicit Timer(Component* owner);
    ~Timer() override;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    void Loaded() override;

    NotifyEvent OnTimer;

  protected:
    virtual void Tick();

  private:
    // Starts, restarts or stops the system timer to match Enabled and Interval.
    void Update();

    bool enabled_ = true;
    int interval_ = 1000;
    UINT_PTR id_ = 0;
};

} // namespace toolkit
