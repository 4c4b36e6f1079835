#include "toolkit/ui_thread.h"

#include <windows.h>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <system_error>
#include <vector>

namespace toolkit::ui_thread {

namespace {

constexpr UINT kServeMessage = WM_APP + 1;
constexpr wchar_t kWindowClass[] = L"QuillpadToolkitSynchronize";
// WaitServing wakes at least this often even when nothing signals it.
constexpr DWORD kWaitSliceMs = 1000;

struct Request {
    Request(const std::function<void()>& c, DWORD from) : call(&c), caller(from) {}
    const std::function<void()>* call;
    DWORD caller;
    std::exception_ptr error;
    bool done = false;
    // One per request, so that serving a call wakes only the worker waiting for it.
    std::condition_variable served;
};

[[noreturn]] void ThrowLastError(const char* what) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), what);
}

class Dispatcher {
  public:
    Dispatcher() : thread_(GetCurrentThreadId()) {
        if (!posted_) ThrowLastError("CreateEvent");
        HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.lpszClassName = kWindowClass;
        RegisterClassExW(&wc);
        window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  instance, nullptr);
        if (!window_) ThrowLastError("CreateWindowEx");
    }

    bool IsCurrent() const { return GetCurrentThreadId() == thread_; }

    void Run(const std::function<void()>& call) {
        if (IsCurrent()) {
            call();
            return;
        }
        Request request(call, GetCurrentThreadId());
        bool post = false;
        {
            std::lock_guard lock(lock_);
            pending_.push_back(&request);
            post = !messagePosted_;
            messagePosted_ = true;
        }
        SetEvent(posted_);
        if (post) PostMessageW(window_, kServeMessage, 0, 0);
        {
            std::unique_lock lock(lock_);
            request.served.wait(lock, [&] { return request.done; });
        }
        if (request.error) std::rethrow_exception(request.error);
    }

    bool ServePending() {
        if (!IsCurrent()) return false;
        bool any = false;
        while (Request* request = NextRequest()) {
            any = true;
            serving_.push_back(request->caller);
            try {
                (*request->call)();
            } catch (...) {
                request->error = std::current_exception();
            }
            serving_.pop_back();
            // Notified under the lock: once the worker sees done it destroys the request.
            std::lock_guard lock(lock_);
            request->done = true;
            request->served.notify_one();
        }
        return any;
    }

    // The posted message arrived: calls queued from now on need a new one.
    void ServePosted() {
        {
            std::lock_guard lock(lock_);
            messagePosted_ = false;
        }
        ServePending();
    }

    bool IsServingCallFrom(DWORD threadId) const {
        return IsCurrent() &&
               std::find(serving_.begin(), serving_.end(), threadId) != serving_.end();
    }

    void WaitServing(HANDLE handle) {
        if (!IsCurrent()) {
            WaitForSingleObject(handle, INFINITE);
            return;
        }
        const HANDLE handles[] = {handle, posted_};
        for (;;) {
            ServePending();
            DWORD woke = MsgWaitForMultipleObjects(2, handles, FALSE, kWaitSliceMs, QS_SENDMESSAGE);
            if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) return;
            // Looking at the queue delivers messages that other threads sent with SendMessage.
            MSG msg;
            if (woke == WAIT_OBJECT_0 + 2)
                PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }

  private:
    Request* NextRequest() {
        std::lock_guard lock(lock_);
        if (pending_.empty()) return nullptr;
        Request* request = pending_.front();
        pending_.pop_front();
        return request;
    }

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    const DWORD thread_;
    HWND window_ = nullptr;
    // Set whenever a call is queued; wakes WaitServing. Never closed: see Instance.
    const HANDLE posted_ = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::mutex lock_;
    std::deque<Request*> pending_;
    // A serve message waits in the UI thread's queue. One is enough, and more could fill
    // that queue while WaitFor serves the calls without reading messages.
    bool messagePosted_ = false;
    std::vector<DWORD>
        serving_; // callers whose calls run right now, outermost first; UI thread only
};

// Created by the first thread that asks, which thereby becomes the UI thread. It lives for
// the whole process on purpose: workers may still hand over calls while the process ends.
Dispatcher& Instance() {
    static Dispatcher* const instance = new Dispatcher();
    return *instance;
}

LRESULT CALLBACK Dispatcher::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kServeMessage) return DefWindowProcW(window, message, wParam, lParam);
    Instance().ServePosted();
    return 0;
}

} // namespace

void Initialize() {
    Instance();
}

bool IsCurrent() {
    return Instance().IsCurrent();
}

void Run(const std::function<void()>& call) {
    Instance().Run(call);
}

bool ServePending() {
    return Instance().ServePending();
}

bool IsServingCallFrom(unsigned long threadId) {
    return Instance().IsServingCallFrom(threadId);
}

void WaitServing(void* handle) {
    Instance().WaitServing(handle);
}

} // namespace toolkit::ui_thread
