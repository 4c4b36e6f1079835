#include "vel/animation.h"

#include <windows.h>

#include <mmsystem.h>

#include <chrono>
#include <utility>

#include "toolkit/system_library.h"
#include "vel/animation_steps.h"

namespace vel {

namespace {

// Windows wakes sleepers on a 15.6 ms tick by default, which would stretch a 5 ms step to
// three times its length; a run asks for 1 ms ticks while it lasts.
// The multimedia timer library is not one of the system's known DLLs: it is loaded from
// System32 on first use.
class FineTimerResolution {
  public:
    FineTimerResolution() : raised_(Call("timeBeginPeriod") == TIMERR_NOERROR) {}
    ~FineTimerResolution() {
        if (raised_) Call("timeEndPeriod");
    }
    FineTimerResolution(const FineTimerResolution&) = delete;
    FineTimerResolution& operator=(const FineTimerResolution&) = delete;

  private:
    static MMRESULT Call(const char* name) {
        using PeriodFn = MMRESULT(WINAPI*)(UINT);
        auto period = toolkit::SystemFunction<PeriodFn>(L"winmm.dll", name);
        return period ? period(1) : TIMERR_NOCANDO;
    }

    bool raised_;
};

} // namespace

TIntAni::TIntAni() {
    UpdateFunction();
}

TIntAni::TIntAni(bool FreeOnFinish, TAniKind aAniKind, TAniFunctionKind aAniFunctionKind,
                 int32_t aStartValue, int32_t aDeltaValue, TAniSyncProc aSyncProc,
                 TAniDoneProc aDoneProc)
    : OnSync(std::move(aSyncProc)), OnDone(std::move(aDoneProc)), AniKind(aAniKind),
      AniFunctionKind(aAniFunctionKind), StartValue(aStartValue), DeltaValue(aDeltaValue) {
    FreeOnTerminate = FreeOnFinish;
    UpdateFunction();
}

TIntAni::~TIntAni() {
    Cancel();
    // Before the members go: the worker may still be reading them.
    Shutdown();
}

bool TIntAni::UpdateFunction() {
    TAniCurve curve = ResolveAniCurve(AniKind, AniFunctionKind);
    if (!curve) return false;
    AniFunction = curve;
    return true;
}

void TIntAni::BeforeStart() {
    // Resolved and read here, on the starting thread, so that nothing the owner does after
    // Start races with the worker.
    run_ = {UpdateFunction(), DelayStartTime, Duration, StartValue, DeltaValue};
}

void TIntAni::Execute() {
    if (!run_.valid) return;
    const FineTimerResolution fineTimer;
    if (!Pause(run_.delay)) return;
    const uint8_t steps = Step;
    const uint32_t interval = AnimationInterval(run_.duration, steps);
    // Each step is due at its place on the timeline, so the time the UI thread spends on a
    // step does not add up over the run.
    const auto begin = std::chrono::steady_clock::now();
    for (uint32_t i = 1; i <= steps; ++i) {
        const double progress = AnimationProgress(i, interval, run_.duration);
        FPercent = progress;
        CurrentValue = AnimationValue(run_.startValue, run_.deltaValue,
                                      AniFunction(static_cast<float>(progress)));
        if (!DeliverValue()) return;
        if (!PauseUntil(begin + std::chrono::milliseconds(std::uint64_t(i) * interval))) return;
    }
    // The last value once more, then completion.
    if (!DeliverValue()) return;
    HandOff([this] {
        TAniDoneProc done = OnDone; // a copy, like in DeliverValue
        if (done) done();
    });
}

bool TIntAni::DeliverValue() {
    return HandOff([this] {
        // A copy: the callback may delete this animation, and OnSync with it.
        TAniSyncProc sync = OnSync;
        if (sync) sync(CurrentValue);
    });
}

bool TIntAni::HandOff(const std::function<void()>& call) {
    // Cancelled is set and read on the UI thread, so a call still queued when the owner
    // deletes the animation is skipped there.
    const bool alive = SynchronizeOwn([this, &call] {
        if (!Cancelled()) call();
    });
    return alive && !Cancelled();
}

bool TIntAni::Pause(uint32_t milliseconds) {
    return PauseUntil(std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds));
}

bool TIntAni::PauseUntil(std::chrono::steady_clock::time_point due) {
    std::unique_lock lock(wakeLock_);
    wake_.wait_until(lock, due, [this] { return Cancelled(); });
    return !Cancelled();
}

void TIntAni::Cancel() {
    {
        std::lock_guard lock(wakeLock_);
        cancelled_ = true;
    }
    wake_.notify_all();
}

} // namespace vel
