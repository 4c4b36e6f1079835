// How long animation runs really take compared with their nominal Duration, and what
// one hand-off to the UI thread costs. Timing is by sleeping, so every run is somewhat
// longer than nominal; this shows by how much.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "lyra/animations.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

struct Scenario {
    const char* name;
    uint32_t duration;
    uint8_t steps;
};

struct RunTiming {
    double total = 0;   // Start to OnDone
    double stepGap = 0; // mean time between two OnSync calls
};

// One run served by a plain message loop, as in the program.
RunTiming TimeOneRun(const Scenario& s) {
    std::vector<Clock::time_point> syncs;
    Clock::time_point done;
    auto* ani = new lyra::TIntAni(
        true, lyra::akIn, lyra::afkLinear, 0, 100, [&](int32_t) { syncs.push_back(Clock::now()); },
        [&] {
            done = Clock::now();
            PostQuitMessage(0);
        });
    ani->Duration = s.duration;
    ani->Step = s.steps;
    const Clock::time_point start = Clock::now();
    ani->Start();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    RunTiming timing;
    timing.total = Milliseconds(done - start);
    // The last OnSync repeats the final value without a pause before it.
    const size_t stepCalls = syncs.size() - 1;
    if (stepCalls > 1)
        timing.stepGap = Milliseconds(syncs[stepCalls - 1] - syncs[0]) / double(stepCalls - 1);
    return timing;
}

void TimeScenarios() {
    const Scenario scenarios[] = {
        {"defaults (popup opacity)", 400, 25},
        {"theme fade", 200, 6},
        {"page slide", 100, 20},
        {"button fade, 1 ms steps", 10, 10},
    };
    constexpr int kRuns = 7;
    std::printf("%-26s %8s %8s %9s %9s %9s %9s\n", "run", "nominal", "interval", "min", "median",
                "max", "step gap");
    for (const Scenario& s : scenarios) {
        std::vector<RunTiming> timings;
        for (int i = 0; i < kRuns; ++i)
            timings.push_back(TimeOneRun(s));
        std::sort(timings.begin(), timings.end(),
                  [](auto& a, auto& b) { return a.total < b.total; });
        double gap = 0;
        for (const RunTiming& t : timings)
            gap += t.stepGap / kRuns;
        std::printf("%-26s %6u ms %5u ms %6.1f ms %6.1f ms %6.1f ms %6.2f ms\n", s.name, s.duration,
                    vel::AnimationInterval(s.duration, s.steps), timings.front().total,
                    timings[kRuns / 2].total, timings.back().total, gap);
    }
}

void TimeManyAtOnce() {
    constexpr int kCount = 40;
    int finished = 0;
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < kCount; ++i) {
        auto* ani = new lyra::TIntAni(
            true, lyra::akOut, lyra::afkCubic, 0, 255, [](int32_t) {},
            [&] {
                if (++finished == kCount) PostQuitMessage(0);
            });
        ani->Start();
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    std::printf("%d default runs at once: all done after %.1f ms (nominal 400 ms)\n", kCount,
                Milliseconds(Clock::now() - start));
}

class HandOffLoop : public toolkit::Thread {
  public:
    static constexpr int kCalls = 5000;

  protected:
    void Execute() override {
        for (int i = 0; i < kCalls; ++i)
            Synchronize([] {});
    }
};

void TimeHandOff() {
    HandOffLoop loop;
    const Clock::time_point start = Clock::now();
    loop.Start();
    loop.WaitFor();
    const double total = Milliseconds(Clock::now() - start);
    std::printf("hand-off to the UI thread and back: %.1f us each (%d calls, served by WaitFor)\n",
                total * 1000 / HandOffLoop::kCalls, HandOffLoop::kCalls);
}

} // namespace

int main() {
    toolkit::Thread::InitializeUIThread();
    TimeScenarios();
    TimeManyAtOnce();
    TimeHandOff();
    return 0;
}
