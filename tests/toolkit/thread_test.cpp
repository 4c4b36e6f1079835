// Worker threads and their hand-off to the UI thread (this test program's main thread),
// with real threads, real message loops and a real message box.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "tests/support/serve.h"
#include "toolkit/thread.h"

namespace toolkit {
namespace {

// A thread whose body the test supplies.
class BodyThread : public Thread {
  public:
    using Body = std::function<void(BodyThread&)>;
    explicit BodyThread(Body body) : body_(std::move(body)) {}
    ~BodyThread() override { Shutdown(); }

    using Thread::SetReturnValue;
    using Thread::SynchronizeOwn;

  protected:
    void Execute() override {
        Body body = body_; // the body may outlive this object (see the let-go test)
        body(*this);
    }

  private:
    Body body_;
};

// Opens the worker's thread so a test can tell when it has really ended.
HANDLE OpenWorker(const Thread& thread) {
    return OpenThread(SYNCHRONIZE, FALSE, thread.ThreadID());
}

bool Ended(HANDLE thread) {
    return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
}

TEST(Thread, HandsCallsToTheUIThreadInOrderAndResumesAfterEach) {
    const DWORD ui = GetCurrentThreadId();
    EXPECT_TRUE(Thread::IsUIThread());
    bool ranAtOnce = false;
    Thread::Synchronize([&] { ranAtOnce = true; });
    EXPECT_TRUE(ranAtOnce);

    std::vector<int> order;
    bool allOnUI = true;
    bool workerSawEachResult = true;
    BodyThread worker([&](BodyThread&) {
        for (int i = 0; i < 20; ++i) {
            bool ran = false;
            Thread::Synchronize([&] {
                order.push_back(i);
                allOnUI = allOnUI && GetCurrentThreadId() == ui;
                ran = true;
            });
            workerSawEachResult = workerSawEachResult && ran;
        }
    });
    EXPECT_FALSE(worker.Started());
    worker.Start();
    EXPECT_TRUE(worker.Started());
    EXPECT_NE(worker.ThreadID(), ui);
    EXPECT_EQ(worker.WaitFor(), 0);
    EXPECT_TRUE(worker.Finished());
    EXPECT_EQ(order.size(), 20u);
    for (int i = 0; i < static_cast<int>(order.size()); ++i)
        EXPECT_EQ(order[i], i);
    EXPECT_TRUE(allOnUI);
    EXPECT_TRUE(workerSawEachResult);
}

TEST(Thread, CarriesExceptionsBackAndKeepsTheOneThatEndedTheBody) {
    std::string caught;
    BodyThread failing([&](BodyThread&) {
        try {
            Thread::Synchronize([] { throw std::runtime_error("thrown on the UI thread"); });
        } catch (const std::runtime_error& e) {
            caught = e.what();
        }
        throw std::logic_error("the body failed");
    });
    failing.Start();
    failing.WaitFor();
    EXPECT_EQ(caught, "thrown on the UI thread");
    ASSERT_TRUE(failing.FatalException());
    EXPECT_THROW(std::rethrow_exception(failing.FatalException()), std::logic_error);

    BodyThread returning([](BodyThread& self) { self.SetReturnValue(7); });
    returning.Start();
    EXPECT_EQ(returning.WaitFor(), 7);
    EXPECT_FALSE(returning.FatalException());
}

TEST(Thread, APlainMessageLoopServesHandOffs) {
    int served = 0;
    BodyThread worker([&](BodyThread&) {
        for (int i = 0; i < 10; ++i)
            Thread::Synchronize([&] { ++served; });
        Thread::Synchronize([] { PostQuitMessage(0); });
    });
    worker.Start();
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchMessageW(&msg);
    worker.WaitFor();
    EXPECT_EQ(served, 10);
}

TEST(Thread, AModalMessageBoxServesHandOffs) {
    const wchar_t* title = L"Hand-off inside a modal loop";
    bool closedFromInside = false;
    BodyThread worker([&](BodyThread&) {
        HWND box = nullptr;
        for (int i = 0; i < 4000 && !(box = FindWindowW(L"#32770", title)); ++i)
            Sleep(5);
        Thread::Synchronize([&] {
            closedFromInside = true;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
    });
    worker.Start();
    EXPECT_EQ(MessageBoxW(nullptr, L"Closed by a synchronised call", title, MB_OK), IDOK);
    worker.WaitFor();
    EXPECT_TRUE(closedFromInside);
}

TEST(Thread, WaitForDeliversMessagesTheWorkerSends) {
    HWND window =
        CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(window);
    BodyThread worker([&](BodyThread&) {
        SendMessageW(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"sent"));
    });
    worker.Start();
    worker.WaitFor();
    wchar_t text[16] = {};
    GetWindowTextW(window, text, 16);
    EXPECT_STREQ(text, L"sent");
    DestroyWindow(window);
}

TEST(Thread, RefusesWaitsThatCouldNeverEnd) {
    BodyThread idle([](BodyThread&) {});
    EXPECT_EQ(idle.WaitFor(), 0); // never started: nothing to wait for

    bool refusedOnItself = false;
    bool refusedInsideOwnCall = false;
    BodyThread* self = nullptr;
    BodyThread worker([&](BodyThread& me) {
        try {
            me.WaitFor();
        } catch (const std::logic_error&) {
            refusedOnItself = true;
        }
        Thread::Synchronize([&] {
            try {
                self->WaitFor();
            } catch (const std::logic_error&) {
                refusedInsideOwnCall = true;
            }
        });
    });
    self = &worker;
    worker.Start();
    EXPECT_THROW(worker.Start(), std::logic_error);
    worker.WaitFor();
    EXPECT_TRUE(refusedOnItself);
    EXPECT_TRUE(refusedInsideOwnCall);
}

TEST(Thread, ASelfFreeingThreadDeletesItselfAndCannotBeWaitedFor) {
    std::atomic<bool> release{false};
    auto token = std::make_shared<int>(0);
    std::weak_ptr<int> watch = token;
    auto* worker = new BodyThread([&, token](BodyThread&) {
        while (!release)
            Sleep(1);
    });
    token.reset();
    worker->FreeOnTerminate = true;
    worker->Start();
    EXPECT_THROW(worker->WaitFor(), std::logic_error);
    release = true;
    EXPECT_TRUE(test::ServeUntil([&] { return watch.expired(); }));
}

TEST(Thread, DeletingARunningThreadStopsItAndWaitsForItsEnd) {
    std::atomic<int> ticks{0};
    auto* worker = new BodyThread([&](BodyThread& self) {
        while (!self.Terminated()) {
            Thread::Synchronize([&] { ++ticks; });
            Sleep(1);
        }
    });
    worker->Start();
    HANDLE thread = OpenWorker(*worker);
    ASSERT_TRUE(test::ServeUntil([&] { return ticks >= 3; }));
    delete worker;
    EXPECT_TRUE(Ended(thread));
    CloseHandle(thread);
}

TEST(Thread, DeletedInsideItsOwnHandOffTheObjectLetsTheBodyGo) {
    for (int round = 0; round < 50; ++round) {
        const int deleteAt = 1 + round % 5;
        int calls = 0;
        std::atomic<bool> letGo{false};
        BodyThread* worker = nullptr;
        worker = new BodyThread([&](BodyThread& self) {
            for (;;) {
                const bool alive = self.SynchronizeOwn([&] {
                    if (++calls == deleteAt) delete worker;
                });
                if (!alive) break; // self is gone: nothing of it may be touched
            }
            letGo = true;
        });
        worker->Start();
        HANDLE thread = OpenWorker(*worker);
        EXPECT_TRUE(test::ServeUntil([&] { return Ended(thread); })) << "round " << round;
        CloseHandle(thread);
        EXPECT_TRUE(letGo);
        EXPECT_EQ(calls, deleteAt);
    }
}

TEST(Thread, ManyWorkersShareTheUIThread) {
    constexpr int kWorkers = 8;
    constexpr int kCalls = 100;
    int total = 0; // touched only on the UI thread, so no lock
    std::vector<std::vector<int>> seen(kWorkers);
    std::vector<std::unique_ptr<BodyThread>> workers;
    for (int w = 0; w < kWorkers; ++w) {
        workers.push_back(std::make_unique<BodyThread>([&, w](BodyThread&) {
            for (int i = 0; i < kCalls; ++i)
                Thread::Synchronize([&, i] {
                    ++total;
                    seen[w].push_back(i);
                });
        }));
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageW(&msg);
    for (auto& worker : workers)
        worker->Start();
    for (auto& worker : workers)
        worker->WaitFor();
    EXPECT_EQ(total, kWorkers * kCalls);
    // WaitFor served them without reading messages; the queue must not have filled up.
    int queued = 0;
    for (; PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++queued)
        DispatchMessageW(&msg);
    EXPECT_LE(queued, 1);
    for (int w = 0; w < kWorkers; ++w) {
        ASSERT_EQ(seen[w].size(), static_cast<size_t>(kCalls));
        for (int i = 0; i < kCalls; ++i)
            EXPECT_EQ(seen[w][i], i);
    }
}

TEST(Thread, AppliesItsPriorityBeforeAndDuringTheRun) {
    int before = 0;
    int during = 0;
    BodyThread worker([&](BodyThread& self) {
        before = GetThreadPriority(GetCurrentThread());
        Thread::Synchronize([&] { self.SetPriority(ThreadPriority::Highest); });
        during = GetThreadPriority(GetCurrentThread());
    });
    worker.SetPriority(ThreadPriority::Lowest);
    worker.Start();
    worker.WaitFor();
    EXPECT_EQ(before, THREAD_PRIORITY_LOWEST);
    EXPECT_EQ(during, THREAD_PRIORITY_HIGHEST);
    EXPECT_EQ(worker.Priority(), ThreadPriority::Highest);
}

} // namespace
} // namespace toolkit
