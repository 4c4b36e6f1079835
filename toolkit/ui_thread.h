#pragma once
// The UI thread and the queue of calls that worker threads hand to it.
//
// The UI thread is the first thread that touches this layer: InitializeUIThread (the
// application object calls it at start-up), the construction of a Thread, or any of the
// functions below. In practice that is the main thread of the process. It owns a hidden
// message-only window; every hand-off posts it a message, so any message loop on the UI
// thread serves the queue: the application's, a modal form's, a message box's, a menu's.
// Thread::WaitFor serves it too while it waits.
#include <functional>

namespace toolkit::ui_thread {

// Makes the calling thread the UI thread unless there already is one.
void Initialize();

bool IsCurrent();

// On the UI thread runs call at once. On any other thread queues it for the UI thread and
// blocks until it has run there; an exception thrown by call is rethrown here.
void Run(const std::function<void()>& call);

// Runs every queued call, in the order they were queued. Does nothing off the UI thread.
// Returns true when at least one call ran.
bool ServePending();

// True while the UI thread is inside a queued call from the given thread (at any depth:
// the call may itself have entered a message loop that serves further calls).
bool IsServingCallFrom(unsigned long threadId);

// Waits until the kernel object is signalled. On the UI thread it keeps serving queued
// calls and messages sent from other threads meanwhile, so a worker that needs the UI
// thread in order to end cannot deadlock the wait.
void WaitServing(void* handle);

} // namespace toolkit::ui_thread
