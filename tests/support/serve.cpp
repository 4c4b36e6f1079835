#include "tests/support/serve.h"

#include <windows.h>

#include "toolkit/thread.h"

namespace test {

bool ServeUntil(const std::function<bool()>& done, unsigned limitMs) {
    const ULONGLONG end = GetTickCount64() + limitMs;
    while (!done()) {
        if (GetTickCount64() > end) return false;
        toolkit::Thread::CheckSynchronize();
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    return true;
}

} // namespace test
