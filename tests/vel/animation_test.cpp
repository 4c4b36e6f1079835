// Animation runs on real worker threads, delivered to this test program's main thread,
// which is the UI thread. Expected step values were computed independently from the
// curve definitions (float progress, double arithmetic, halves rounded to even).
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "tests/support/serve.h"
#include "vel/animation.h"

namespace vel {
namespace {

// Collects what an animation hands to the UI thread.
struct Recorder {
    const DWORD ui = GetCurrentThreadId();
    std::vector<int32_t> values;
    int done = 0;
    size_t valuesAtDone = 0;
    bool allOnUI = true;

    TAniSyncProc Sync() {
        return [this](int32_t value) {
            Note();
            values.push_back(value);
        };
    }
    TAniDoneProc Done() {
        return [this] {
            Note();
            ++done;
            valuesAtDone = values.size();
        };
    }
    void Note() { allOnUI = allOnUI && GetCurrentThreadId() == ui; }
};

// A handle on the animation's worker, to see that it really ends.
struct WorkerHandle {
    explicit WorkerHandle(const TIntAni& ani)
        : handle(OpenThread(SYNCHRONIZE, FALSE, ani.ThreadID())) {}
    ~WorkerHandle() { CloseHandle(handle); }
    bool Ended() const { return WaitForSingleObject(handle, 0) == WAIT_OBJECT_0; }
    HANDLE handle;
};

std::vector<int32_t> WithLastRepeated(std::vector<int32_t> steps) {
    steps.push_back(steps.back());
    return steps;
}

TEST(TIntAni, ConstructorsTakeTheirArgumentsAndTheDefaults) {
    TIntAni plain;
    EXPECT_EQ(plain.Step, 25);
    EXPECT_EQ(plain.Duration, 400u);
    EXPECT_EQ(plain.DelayStartTime, 0u);
    EXPECT_EQ(plain.AniKind, akIn);
    EXPECT_EQ(plain.AniFunctionKind, afkLinear);
    EXPECT_EQ(plain.StartValue, 0);
    EXPECT_EQ(plain.DeltaValue, 0);
    EXPECT_EQ(plain.CurrentValue, 0);
    EXPECT_FALSE(plain.OnSync);
    EXPECT_FALSE(plain.OnDone);
    EXPECT_FALSE(plain.FreeOnTerminate);
    EXPECT_FALSE(plain.Started());

    Recorder recorder;
    {
        TIntAni full(true, akInOut, afkBounce, -5, 30, recorder.Sync(), recorder.Done());
        EXPECT_TRUE(full.FreeOnTerminate);
        EXPECT_EQ(full.AniKind, akInOut);
        EXPECT_EQ(full.AniFunctionKind, afkBounce);
        EXPECT_EQ(full.StartValue, -5);
        EXPECT_EQ(full.DeltaValue, 30);
        EXPECT_EQ(full.Step, 25);
        EXPECT_EQ(full.Duration, 400u);
        EXPECT_EQ(full.DelayStartTime, 0u);
        ASSERT_TRUE(full.OnSync);
        ASSERT_TRUE(full.OnDone);
    } // never started: released without running
    EXPECT_TRUE(recorder.values.empty());
    EXPECT_EQ(recorder.done, 0);
}

TEST(TIntAni, DeliversEveryStepOnTheUIThreadThenTheLastAgainThenDone) {
    struct Run {
        const char* name;
        uint32_t duration;
        uint8_t steps;
        TAniKind kind;
        TAniFunctionKind family;
        int32_t start, delta;
        std::vector<int32_t> steps_values;
    };
    const Run runs[] = {
        {"defaults", 400, 25, akIn, afkLinear, 0, 1000, {40,  80,  120, 160, 200, 240, 280,
                                                         320, 360, 400, 440, 480, 520, 560,
                                                         600, 640, 680, 720, 760, 800, 840,
                                                         880, 920, 960, 1000}},
        {"page slide", 100, 20, akIn, afkSine, 640, -640, {638, 632, 622, 609, 591, 570, 546,
                                                           518, 487, 453, 416, 376, 334, 291,
                                                           245, 198, 149, 100, 50,  0}},
        {"last progress 0.99", 200, 6, akIn, afkLinear, 25, 100, {42, 58, 75, 91, 107, 124}},
        {"expo never reaches the end",
         50,
         5,
         akOut,
         afkExpo,
         10,
         1000,
         {760, 948, 994, 1006, 1009}},
        {"back dips below the start",
         60,
         6,
         akIn,
         afkBack,
         0,
         1000,
         {-35, -89, -88, 44, 382, 1000}},
        {"back overshoots the end",
         60,
         6,
         akOut,
         afkBack,
         0,
         1000,
         {618, 956, 1088, 1089, 1035, 1000}},
        {"bounce downwards", 30, 6, akOut, afkBounce, 0, -100, {-21, -84, -77, -86, -94, -100}},
        {"1 ms interval",
         10,
         10,
         akInOut,
         afkQuadratic,
         0,
         255,
         {5, 20, 46, 82, 128, 173, 209, 235, 250, 255}},
    };
    for (const Run& run : runs) {
        SCOPED_TRACE(run.name);
        Recorder recorder;
        TIntAni ani;
        // Set after construction on purpose: the run resolves the curve again.
        ani.AniKind = run.kind;
        ani.AniFunctionKind = run.family;
        ani.Duration = run.duration;
        ani.Step = run.steps;
        ani.StartValue = run.start;
        ani.DeltaValue = run.delta;
        ani.OnSync = recorder.Sync();
        ani.OnDone = recorder.Done();
        ani.Start();
        ani.WaitFor();
        const auto expected = WithLastRepeated(run.steps_values);
        EXPECT_EQ(recorder.values, expected);
        EXPECT_EQ(recorder.done, 1);
        EXPECT_EQ(recorder.valuesAtDone, expected.size());
        EXPECT_TRUE(recorder.allOnUI);
        EXPECT_EQ(ani.CurrentValue, expected.back());
        EXPECT_FALSE(ani.FatalException());
    }
}

TEST(TIntAni, StoppingFromInsideAStepNeitherShortensTheRunNorDeadlocks) {
    Recorder recorder;
    TIntAni ani(false, akIn, afkLinear, 0, 100, nullptr, recorder.Done());
    ani.Duration = 20;
    ani.Step = 10;
    bool waitRefused = false;
    ani.OnSync = [&, record = recorder.Sync()](int32_t value) {
        record(value);
        if (recorder.values.size() != 1) return;
        ani.Terminate();
        try {
            ani.WaitFor(); // could never end: the worker waits for this very call
        } catch (const std::logic_error&) {
            waitRefused = true;
        }
    };
    ani.Start();
    ani.WaitFor();
    EXPECT_TRUE(ani.Terminated());
    EXPECT_TRUE(waitRefused);
    EXPECT_EQ(recorder.values, WithLastRepeated({10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    EXPECT_EQ(recorder.done, 1);
}

TEST(TIntAni, DuringARunOnlyReplacedCallbacksTakeEffect) {
    Recorder first, second;
    TIntAni ani;
    ani.Duration = 20;
    ani.Step = 4;
    ani.DeltaValue = 100;
    ani.OnSync = [&, record = first.Sync()](int32_t value) {
        record(value);
        ani.OnSync = second.Sync(); // replaces the running callback: fine, it was copied
        ani.OnDone = second.Done();
    };
    ani.Start();
    // Taken when the run started: no effect now.
    ani.Duration = 1000;
    ani.StartValue = 1000;
    ani.DeltaValue = -1000;
    ani.AniFunctionKind = afkBounce;
    ani.WaitFor();
    EXPECT_EQ(first.values, std::vector<int32_t>{25});
    EXPECT_EQ(second.values, (std::vector<int32_t>{50, 75, 100, 100}));
    EXPECT_EQ(second.done, 1);
}

TEST(TIntAni, ARunThatCannotBeginEndsWithoutAnyCallback) {
    struct Case {
        const char* name;
        uint8_t steps;
        uint32_t duration;
        TAniKind kind;
        TAniFunctionKind family;
        bool fails;
    };
    const Case cases[] = {
        {"no steps", 0, 400, akIn, afkLinear, true},
        {"no duration", 25, 0, akIn, afkLinear, true},
        {"kind out of range", 25, 400, TAniKind(3), afkLinear, false},
        {"family out of range", 25, 400, akOut, TAniFunctionKind(10), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Recorder recorder;
        TIntAni ani(false, c.kind, c.family, 0, 100, recorder.Sync(), recorder.Done());
        ani.Step = c.steps;
        ani.Duration = c.duration;
        ani.Start();
        ani.WaitFor();
        EXPECT_TRUE(recorder.values.empty());
        EXPECT_EQ(recorder.done, 0);
        EXPECT_EQ(static_cast<bool>(ani.FatalException()), c.fails);
    }
}

TEST(TIntAni, AnExceptionEndsTheRunAndIsKept) {
    {
        SCOPED_TRACE("thrown by OnSync on the UI thread");
        Recorder recorder;
        TIntAni ani(false, akIn, afkLinear, 0, 100, nullptr, recorder.Done());
        ani.Duration = 20;
        ani.Step = 10;
        ani.OnSync = [&, record = recorder.Sync()](int32_t value) {
            record(value);
            if (recorder.values.size() == 3) throw std::runtime_error("step failed");
        };
        ani.Start();
        ani.WaitFor();
        EXPECT_EQ(recorder.values, (std::vector<int32_t>{10, 20, 30}));
        EXPECT_EQ(recorder.done, 0);
        EXPECT_THROW(std::rethrow_exception(ani.FatalException()), std::runtime_error);
    }
    {
        SCOPED_TRACE("a curve without value at progress 16/14");
        Recorder recorder;
        TIntAni ani(false, akIn, afkCircle, 0, 100, recorder.Sync(), recorder.Done());
        ani.Duration = 14;
        ani.Step = 4;
        ani.Start();
        ani.WaitFor();
        EXPECT_EQ(recorder.values, (std::vector<int32_t>{4, 18, 48}));
        EXPECT_EQ(recorder.done, 0);
        EXPECT_THROW(std::rethrow_exception(ani.FatalException()), std::range_error);
    }
}

TEST(TIntAni, ASelfFreeingAnimationDeletesItselfAfterItsRun) {
    for (bool failing : {false, true}) {
        SCOPED_TRACE(failing ? "ended by an exception" : "complete run");
        Recorder recorder;
        auto token = std::make_shared<int>(0);
        std::weak_ptr<int> watch = token;
        auto* ani = new TIntAni(true, akIn, afkLinear, 0, 100, nullptr, recorder.Done());
        ani->Duration = 10;
        ani->Step = 5;
        ani->OnSync = [&, token, record = recorder.Sync()](int32_t value) {
            record(value);
            if (failing) throw std::runtime_error("step failed");
        };
        token.reset();
        ani->Start();
        ani = nullptr;                                                  // it is its own now
        EXPECT_TRUE(test::ServeUntil([&] { return watch.expired(); })); // dropped its callbacks
        EXPECT_EQ(recorder.values,
                  failing ? std::vector<int32_t>{20} : WithLastRepeated({20, 40, 60, 80, 100}));
        EXPECT_EQ(recorder.done, failing ? 0 : 1);
    }
}

TEST(TIntAni, DeletingARunningAnimationCancelsTheRestOfItsRun) {
    for (int round = 0; round < 60; ++round) {
        const size_t deleteAfter = round % 12; // from none to all 11 values
        Recorder recorder;
        auto* ani = new TIntAni(false, akIn, afkLinear, 0, 100, recorder.Sync(), recorder.Done());
        ani->Duration = 20;
        ani->Step = 10;
        ani->Start();
        WorkerHandle worker(*ani);
        ASSERT_TRUE(test::ServeUntil([&] { return recorder.values.size() >= deleteAfter; }));
        const size_t seen = recorder.values.size();
        const int doneBefore = recorder.done;
        delete ani;
        EXPECT_TRUE(worker.Ended()) << "round " << round;
        toolkit::Thread::CheckSynchronize();
        EXPECT_EQ(recorder.values.size(), seen) << "round " << round;
        EXPECT_EQ(recorder.done, doneBefore) << "round " << round;
    }
    {
        SCOPED_TRACE("during the start delay");
        Recorder recorder;
        auto* ani = new TIntAni(false, akIn, afkLinear, 0, 100, recorder.Sync(), recorder.Done());
        ani->DelayStartTime = UINT32_MAX; // the deletion must cut it short
        ani->Start();
        WorkerHandle worker(*ani);
        delete ani;
        EXPECT_TRUE(worker.Ended());
        EXPECT_TRUE(recorder.values.empty());
    }
}

TEST(TIntAni, DeletingAnAnimationInsideItsOwnCallbackEndsItsRunSafely) {
    struct Case {
        const char* name;
        size_t atValue; // delete in the OnSync call that delivers this value number; 0: in OnDone
    };
    for (Case c : {Case{"first step", 1}, Case{"middle step", 5}, Case{"repeated last value", 11},
                   Case{"completion", 0}}) {
        SCOPED_TRACE(c.name);
        for (int round = 0; round < 25; ++round) {
            Recorder recorder;
            TIntAni* ani = new TIntAni(false, akIn, afkLinear, 0, 100, nullptr, nullptr);
            ani->Duration = 10;
            ani->Step = 10;
            ani->OnSync = [&, record = recorder.Sync()](int32_t value) {
                record(value);
                if (recorder.values.size() == c.atValue) delete ani;
            };
            ani->OnDone = [&, done = recorder.Done()] {
                done();
                if (c.atValue == 0) delete ani;
            };
            ani->Start();
            WorkerHandle worker(*ani);
            ASSERT_TRUE(test::ServeUntil([&] { return worker.Ended(); })) << "round " << round;
            EXPECT_EQ(recorder.values.size(), c.atValue == 0 ? 11u : c.atValue);
            EXPECT_EQ(recorder.done, c.atValue == 0 ? 1 : 0);
        }
    }
}

TEST(TIntAni, ManyAnimationsRunAtOnceThroughAMessageLoop) {
    constexpr int kCount = 40;
    std::vector<Recorder> recorders(kCount);
    int finished = 0;
    auto token = std::make_shared<int>(0);
    std::weak_ptr<int> watch = token;
    for (int i = 0; i < kCount; ++i) {
        // Durations that are multiples of the step count: progress i / 10 exactly.
        auto* ani = new TIntAni(true, akIn, afkLinear, i, 100, recorders[i].Sync(), [&, token, i] {
            recorders[i].Done()();
            if (++finished == kCount) PostQuitMessage(0);
        });
        ani->Duration = 10 * (1 + i % 8);
        ani->Step = 10;
        ani->Start();
    }
    token.reset();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    EXPECT_TRUE(test::ServeUntil([&] { return watch.expired(); })); // all freed themselves
    for (int i = 0; i < kCount; ++i) {
        SCOPED_TRACE(i);
        std::vector<int32_t> expected;
        for (int step = 1; step <= 10; ++step)
            expected.push_back(i + 10 * step);
        EXPECT_EQ(recorders[i].values, WithLastRepeated(expected));
        EXPECT_EQ(recorders[i].done, 1);
        EXPECT_TRUE(recorders[i].allOnUI);
    }
}

} // namespace
} // namespace vel
