#include "toolkit/thread.h"

#include <process.h>
#include <windows.h>

#include <cerrno>
#include <stdexcept>
#include <system_error>

#include "toolkit/ui_thread.h"

namespace toolkit {

namespace {

int Win32Priority(ThreadPriority priority) {
    switch (priority) {
    case ThreadPriority::Idle:
        return THREAD_PRIORITY_IDLE;
    case ThreadPriority::Lowest:
        return THREAD_PRIORITY_LOWEST;
    case ThreadPriority::Lower:
        return THREAD_PRIORITY_BELOW_NORMAL;
    case ThreadPriority::Normal:
        return THREAD_PRIORITY_NORMAL;
    case ThreadPriority::Higher:
        return THREAD_PRIORITY_ABOVE_NORMAL;
    case ThreadPriority::Highest:
        return THREAD_PRIORITY_HIGHEST;
    case ThreadPriority::TimeCritical:
        return THREAD_PRIORITY_TIME_CRITICAL;
    }
    return THREAD_PRIORITY_NORMAL;
}

} // namespace

// What the running thread needs after its object may be gone: the object itself is
// reached only through owner, which is cleared when the object lets the body go.
struct Thread::Control {
    Control() = default;
    ~Control() {
        if (handle) CloseHandle(handle);
    }
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    std::atomic<Thread*> owner{nullptr};
    HANDLE handle = nullptr;
    DWORD threadId = 0;
    ThreadPriority priority = ThreadPriority::Normal;
    std::atomic<bool> started{false};
    std::atomic<bool> terminated{false};
    std::atomic<bool> finished{false};
    // Written by the body before finished is raised, read only after.
    int returnValue = 0;
    std::exception_ptr fatal;
};

Thread::Thread() : control_(std::make_shared<Control>()) {
    ui_thread::Initialize();
}

Thread::~Thread() {
    Shutdown();
}

void Thread::Start() {
    Control& c = *control_;
    if (c.started) throw std::logic_error("The thread has already been started");
    BeforeStart();
    c.owner = this;
    auto box = std::make_unique<std::shared_ptr<Control>>(control_);
    unsigned id = 0;
    uintptr_t created = _beginthreadex(nullptr, 0, Entry, box.get(), CREATE_SUSPENDED, &id);
    if (!created)
        throw std::system_error(errno, std::generic_category(), "The thread cannot be created");
    box.release(); // the thread owns it now
    c.handle = reinterpret_cast<HANDLE>(created);
    c.threadId = id;
    SetThreadPriority(c.handle, Win32Priority(c.priority));
    c.started = true;
    ResumeThread(c.handle);
}

unsigned __stdcall Thread::Entry(void* parameter) {
    std::shared_ptr<Control> control;
    {
        std::unique_ptr<std::shared_ptr<Control>> box(
            static_cast<std::shared_ptr<Control>*>(parameter));
        control = std::move(*box);
    }
    try {
        control->owner.load()->Execute();
    } catch (...) {
        control->fatal = std::current_exception();
    }
    // The object may have let the body go during a hand-off; then it is gone.
    Thread* self = control->owner.load();
    const bool freeSelf = self && self->FreeOnTerminate;
    control->finished = true;
    if (freeSelf) delete self;
    return static_cast<unsigned>(control->returnValue);
}

void Thread::Terminate() {
    control_->terminated = true;
}

bool Thread::Terminated() const {
    return control_->terminated;
}

bool Thread::Started() const {
    return control_->started;
}

bool Thread::Finished() const {
    return control_->finished;
}

unsigned long Thread::ThreadID() const {
    return control_->threadId;
}

std::exception_ptr Thread::FatalException() const {
    return Finished() ? control_->fatal : nullptr;
}

ThreadPriority Thread::Priority() const {
    return control_->priority;
}

void Thread::SetPriority(ThreadPriority priority) {
    control_->priority = priority;
    if (control_->handle) SetThreadPriority(control_->handle, Win32Priority(priority));
}

int Thread::WaitFor() {
    const Control& c = *control_;
    if (!c.started) return c.returnValue;
    if (GetCurrentThreadId() == c.threadId)
        throw std::logic_error("A thread cannot wait for itself");
    if (FreeOnTerminate) throw std::logic_error("A thread that frees itself cannot be waited for");
    if (ui_thread::IsServingCallFrom(c.threadId))
        throw std::logic_error("A thread cannot be waited for inside its own synchronised call");
    WaitUntilEnded();
    return c.returnValue;
}

void Thread::WaitUntilEnded() {
    ui_thread::WaitServing(control_->handle);
}

void Thread::Shutdown() {
    Control& c = *control_;
    c.terminated = true;
    if (!c.started || c.owner.load() == nullptr) return; // never ran, or already let go
    if (GetCurrentThreadId() == c.threadId) return;      // deleted by its own body or Entry
    if (ui_thread::IsServingCallFrom(c.threadId)) {
        c.owner = nullptr;
        return;
    }
    WaitUntilEnded();
}

bool Thread::SynchronizeOwn(const std::function<void()>& call) {
    const std::shared_ptr<Control> control = control_; // outlives this object if need be
    Synchronize(call);
    return control->owner.load() != nullptr;
}

void Thread::SetReturnValue(int value) {
    control_->returnValue = value;
}

void Thread::Synchronize(const std::function<void()>& call) {
    ui_thread::Run(call);
}

bool Thread::CheckSynchronize() {
    return ui_thread::ServePending();
}

void Thread::InitializeUIThread() {
    ui_thread::Initialize();
}

bool Thread::IsUIThread() {
    return ui_thread::IsCurrent();
}

} // namespace toolkit
