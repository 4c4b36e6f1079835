#pragma once
// A hidden message-only window of the UI thread that runs timers and deferred calls, so
// they run in whatever message loop is going (the main one, a modal one, a WaitFor).
#include <windows.h>

#include <deque>
#include <functional>
#include <map>

namespace toolkit {

class UtilityWindow {
  public:
    static UtilityWindow& Instance();
    UtilityWindow(const UtilityWindow&) = delete;
    UtilityWindow& operator=(const UtilityWindow&) = delete;

    // Calls tick every interval milliseconds until StopTimer; returns the timer's id.
    UINT_PTR StartTimer(UINT interval, std::function<void()> tick);
    void StopTimer(UINT_PTR id);
    // Runs call from the message loop, after the message being handled now.
    void Post(std::function<void()> call);

  private:
    UtilityWindow();
    static LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void RunPosted();

    HWND handle_ = nullptr;
    UINT_PTR nextTimer_ = 1;
    std::map<UINT_PTR, std::function<void()>> timers_;
    std::deque<std::function<void()>> posted_;
};

} // namespace toolkit
