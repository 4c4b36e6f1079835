// How long the wizard takes to appear: from the start of QuillpadSetup.exe until its welcome
// page is on the screen (the page's title shown and the cover picture drawn), over several
// runs under one warm Wine. Prints each run and the median.
//   usage: startup_bench QuillpadSetup.exe [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD pid;
    HWND wizard = nullptr;
};

BOOL CALLBACK FindWizard(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->pid || !IsWindowVisible(window)) return TRUE;
    search->wizard = window;
    return FALSE;
}

bool WelcomeShown(HWND wizard) {
    HWND title = nullptr;
    EnumChildWindows(
        wizard,
        [](HWND child, LPARAM param) -> BOOL {
            wchar_t text[128];
            GetWindowTextW(child, text, 128);
            if (!IsWindowVisible(child) || std::wstring(text) != L"Welcome to the Quillpad installer")
                return TRUE;
            *reinterpret_cast<HWND*>(param) = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&title));
    if (!title) return false;
    // The cover is the first thing on the left: drawn means not the window's plain fill.
    RECT r{};
    GetClientRect(wizard, &r);
    POINT cover{60, r.bottom / 2};
    ClientToScreen(wizard, &cover);
    HDC screen = GetDC(nullptr);
    const COLORREF pixel = GetPixel(screen, cover.x, cover.y);
    ReleaseDC(nullptr, screen);
    return GetBValue(pixel) > GetRValue(pixel) + 40; // the cover's blue
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) / double(frequency.QuadPart);
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_bench QuillpadSetup.exe [RUNS]\n");
        return 2;
    }
    const int runs = argc > 2 ? _wtoi(argv[2]) : 7;
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        std::wstring line = L"\"" + std::wstring(argv[1]) + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        LARGE_INTEGER start, now;
        QueryPerformanceCounter(&start);
        if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                            &pi)) {
            std::fprintf(stderr, "startup_bench: cannot start the installer\n");
            return 1;
        }
        Search search{pi.dwProcessId};
        bool shown = false;
        do {
            if (!search.wizard) EnumWindows(FindWizard, reinterpret_cast<LPARAM>(&search));
            shown = search.wizard && WelcomeShown(search.wizard);
            QueryPerformanceCounter(&now);
            if (!shown) Sleep(1);
        } while (!shown && Seconds(start, now) < 30);
        const double elapsed = Seconds(start, now);
        if (search.wizard) PostMessageW(search.wizard, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
        if (!shown) {
            std::fprintf(stderr, "startup_bench: run %d: the welcome page never appeared\n", run + 1);
            return 1;
        }
        std::printf("run %d: %.0f ms\n", run + 1, elapsed * 1000);
        times.push_back(elapsed);
    }
    std::sort(times.begin(), times.end());
    std::printf("welcome page painted after: median %.0f ms (min %.0f, max %.0f, %d runs)\n",
                times[times.size() / 2] * 1000, times.front() * 1000, times.back() * 1000, runs);
    return 0;
}
