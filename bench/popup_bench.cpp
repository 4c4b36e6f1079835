// Time of what opening a frosted-glass menu costs: capturing and blurring the whole desktop,
// opening a menu whose window is new (with that capture), opening it again (no capture),
// and the linear opening animation until its last step. Run it in a desktop of the size to
// measure, e.g. wine explorer /desktop=bench,1920x1080 popup_bench.exe out.txt
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

#include "lyra/glass_images.h"
#include "lyra/popup_menu.h"
#include "lyra/screen_capture.h"
#include "lyra/theme_manager.h"

namespace {

using Clock = std::chrono::steady_clock;

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The median of 9 runs in milliseconds; prepare runs before each, untimed.
double MedianMilliseconds(const std::function<void()>& prepare, const std::function<void()>& run) {
    std::vector<double> times;
    for (int round = 0; round < 9; ++round) {
        prepare();
        const auto start = Clock::now();
        run();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::unique_ptr<lyra::LyPopupMenu> MakeMenu(lyra::LyAnimateSelection animation) {
    auto menu = std::make_unique<lyra::LyPopupMenu>(nullptr);
    menu->SetAnimationType(animation);
    for (const wchar_t* text : {L"Cut", L"Copy", L"Paste", L"-", L"Undo", L"Select All"})
        menu->AddItem(text)->SetShortcut(L"Ctrl+X");
    return menu;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    lyra::StartThemeManager();
    FILE* out = argc > 1 ? _wfopen(argv[1], L"w") : stdout;
    if (!out) return 1;
    lyra::LyGlassImages& images = lyra::GlassImages();
    std::fprintf(out, "desktop %d x %d, median of 9 runs\n", GetSystemMetrics(SM_CXVIRTUALSCREEN),
                 GetSystemMetrics(SM_CYVIRTUALSCREEN));

    toolkit::Bitmap screen(0, 0, toolkit::PixelFormatKind::Bits24);
    const double copy =
        MedianMilliseconds([] {}, [&] { lyra::CaptureScreen(screen, lyra::VirtualDesktop); });
    std::fprintf(out, "screen copy alone                  %8.2f ms\n", copy);
    const double capture = MedianMilliseconds([] {}, [&] { images.CaptureScreenshot(); });
    std::fprintf(out, "screenshot capture and blur        %8.2f ms\n", capture);

    std::unique_ptr<lyra::LyPopupMenu> menu;
    const double firstOpen = MedianMilliseconds(
        [&] {
            menu = MakeMenu(lyra::LyAnimateSelection::Instant);
            images.LastCapture.reset(); // stale: the new window captures
            PumpMessages();
        },
        [&] {
            menu->Popup(200, 200);
            UpdateWindow(menu->MenuWindow()->Handle());
        });
    std::fprintf(out, "open a new menu window (captures)  %8.2f ms\n", firstOpen);

    const double reopen = MedianMilliseconds(
        [&] {
            menu->CloseMenu(false);
            PumpMessages();
        },
        [&] {
            menu->Popup(200, 200);
            UpdateWindow(menu->MenuWindow()->Handle());
        });
    std::fprintf(out, "open it again (no capture)         %8.2f ms\n", reopen);

    menu = MakeMenu(lyra::LyAnimateSelection::Linear);
    const double animated = MedianMilliseconds(
        [&] {
            menu->CloseMenu(false);
            PumpMessages();
        },
        [&] {
            menu->Popup(200, 200);
            while (menu->Animation() && !menu->Animation()->Finished()) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
                PumpMessages();
            }
            UpdateWindow(menu->MenuWindow()->Handle());
        });
    std::fprintf(out, "open again with the linear growth  %8.2f ms (10 steps of 1 ms)\n", animated);
    menu.reset();
    if (out != stdout) std::fclose(out);
    return 0;
}
