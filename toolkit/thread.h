#pragma once
// Worker threads with a synchronous hand-off to the UI thread.
//
// A Thread is created suspended; the owner sets it up and calls Start. The body (Execute)
// runs on its own thread and hands work that must touch windows to the UI thread with
// Synchronize. Which thread is the UI thread, and how its message loops serve the
// hand-offs, is described in toolkit/ui_thread.h; constructing a Thread makes the
// constructing thread the UI thread when there is none yet.
//
// Ownership: either the owner deletes the object (after WaitFor, or the destructor
// waits), or FreeOnTerminate is set and the thread deletes its object itself when the body
// returns; nobody else may delete such an object then.
#include <atomic>
#include <exception>
#include <functional>
#include <memory>

namespace toolkit {

enum class ThreadPriority { Idle, Lowest, Lower, Normal, Higher, Highest, TimeCritical };

class Thread {
  public:
    Thread();
    // Raises the stop flag and waits for a started body to return (see Shutdown).
    virtual ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // Runs Execute on a new thread. Throws std::logic_error when already started and
    // std::system_error when the system cannot create the thread.
    void Start();
    // Raises the stop flag; a body that looks at Terminated decides what it means.
    void Terminate();
    bool Terminated() const;

    // Waits until the body has returned and gives its return value; at once for a thread
    // that never started. On the UI thread the wait keeps serving hand-offs. Throws
    // std::logic_error when the wait could never end or the object may vanish during it:
    // called on the thread itself, from inside one of its own hand-offs, or for a thread
    // that frees itself.
    int WaitFor();

    bool Started() const;
    // The body has returned (normally or by an exception).
    bool Finished() const;
    // The system's identifier of the thread; 0 before Start.
    unsigned long ThreadID() const;
    // The exception that ended the body, once Finished; null when it ended normally.
    std::exception_ptr FatalException() const;

    ThreadPriority Priority() const;
    void SetPriority(ThreadPriority priority);

    // Delete the object on its own thread when the body returns.
    std::atomic<bool> FreeOnTerminate{false};

    // Called on a worker: runs call on the UI thread and blocks until it has run there;
    // an exception thrown by call is rethrown to the worker. Called on the UI thread: runs
    // call at once.
    static void Synchronize(const std::function<void()>& call);
    // Serves the hand-offs queued so far; for code that waits on the UI thread without a
    // message loop. Returns true when at least one ran.
    static bool CheckSynchronize();
    // Makes the calling thread the UI thread unless there already is one.
    static void InitializeUIThread();
    static bool IsUIThread();

  protected:
    // The thread body.
    virtual void Execute() = 0;
    // Runs in Start on the starting thread, before the body can run: the place to take
    // the settings the body reads, so that later changes cannot race with it.
    virtual void BeforeStart() {}

    // Synchronize for the body's own hand-offs. Returns false when the object was deleted
    // during the call (on the UI thread, while the call ran); the body must then return at
    // once without touching any member. An exception from the call is rethrown as by
    // Synchronize; one that leaves the body is kept without touching the object.
    [[nodiscard]] bool SynchronizeOwn(const std::function<void()>& call);

    void SetReturnValue(int value);

    // Raises the stop flag and waits for a started body to return. Called from the UI
    // thread inside one of this thread's own hand-offs, where that wait could never end,
    // it lets the body go instead: SynchronizeOwn returns false to it and the object is no
    // longer touched. Classes whose body uses their own members call this first in their
    // destructors, before those members are destroyed.
    void Shutdown();

  private:
    struct Control;
    static unsigned __stdcall Entry(void* control);
    void WaitUntilEnded();

    std::shared_ptr<Control> control_; // shared with the running thread
};

} // namespace toolkit
