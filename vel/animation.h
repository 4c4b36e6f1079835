#pragma once
// One-shot integer animation. A worker thread moves a value from StartValue by DeltaValue
// along an easing curve in Step timed steps and hands every new value to OnSync on the UI
// thread, waiting until it has run; then it hands the last value over once more and calls
// OnDone. Every effect creates a new animation; one object runs once.
//
// Set the properties, then Start. Either set FreeOnTerminate (the object deletes itself
// after the run) or keep it, and Terminate, WaitFor and delete it before creating the next.
// Terminate does not shorten a run: WaitFor returns after OnDone has run.
//
// Deleting an animation that is still running cancels the rest of the run: no callback
// runs from then on and the worker leaves its sleep. Deleting it from inside its own
// OnSync or OnDone is allowed; the worker then ends without touching the object again.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>

#include "toolkit/thread.h"
#include "vel/easing.h"

namespace vel {

using TAniSyncProc = std::function<void(int32_t value)>;
using TAniDoneProc = std::function<void()>;
using TAniFunction = std::function<float(float progress)>;

class TIntAni : public toolkit::Thread {
  public:
    TIntAni();
    TIntAni(bool FreeOnFinish, TAniKind aAniKind, TAniFunctionKind aAniFunctionKind,
            int32_t aStartValue, int32_t aDeltaValue, TAniSyncProc aSyncProc,
            TAniDoneProc aDoneProc);
    ~TIntAni() override;

    // The value of the latest step, written by the worker; read it inside the callbacks or
    // after the run.
    std::atomic<int32_t> CurrentValue{0};

    // Read on the UI thread at every hand-off, so a replacement takes effect at the next.
    TAniSyncProc OnSync;
    TAniDoneProc OnDone;

    // Number of steps; read after the start delay.
    std::atomic<uint8_t> Step{25};
    // Taken when the run starts; later changes do not affect it.
    TAniKind AniKind = akIn;
    TAniFunctionKind AniFunctionKind = afkLinear;
    uint32_t DelayStartTime = 0; // milliseconds before the first step
    uint32_t Duration = 400;     // nominal length in milliseconds
    int32_t StartValue = 0;
    int32_t DeltaValue = 0;

  protected:
    void BeforeStart() override;
    void Execute() override;

    // Linear progress of the latest step; 0 before the first.
    double LatestProgress() const { return FPercent; }

  private:
    struct RunSettings {
        bool valid = false;
        uint32_t delay = 0;
        uint32_t duration = 0;
        int32_t startValue = 0;
        int32_t deltaValue = 0;
    };

    // Resolves AniFunction from the two kinds; false, leaving it as it was, when one of
    // them lies outside its enumeration.
    bool UpdateFunction();
    // Hands a call to the UI thread; false when the run must end (cancelled or deleted).
    bool HandOff(const std::function<void()>& call);
    // Hands OnSync(CurrentValue) to the UI thread, like HandOff.
    bool DeliverValue();
    // Sleeps unless cancelled; false when cancelled.
    bool Pause(uint32_t milliseconds);
    bool PauseUntil(std::chrono::steady_clock::time_point due);
    void Cancel();
    bool Cancelled() const { return cancelled_; }

    TAniFunction AniFunction;
    std::atomic<double> FPercent{0};
    RunSettings run_;

    std::atomic<bool> cancelled_{false};
    std::mutex wakeLock_;
    std::condition_variable wake_;
};

} // namespace vel
