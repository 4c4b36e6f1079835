#include "lyra/screen_capture.h"

#include "toolkit/canvas.h"
#include "toolkit/error.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/screen.h"

#include <algorithm>

namespace lyra {

namespace {

RECT CaptureArea(int monitor) {
    if (monitor == VirtualDesktop) {
        const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
        const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
        return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    }
    const toolkit::Screen& screen = toolkit::Screen::Instance();
    if (monitor == PrimaryMonitor) return screen.PrimaryMonitor().bounds;
    const auto monitors = screen.Monitors();
    if (monitor < 0 || std::size_t(monitor) >= monitors.size())
        throw toolkit::Error(L"Monitor index out of range");
    return monitors[monitor].bounds;
}

// Rows copied per call: Wine reads a copy of more than about a megabyte back from the X server
// some twenty times slower than the same pixels in bands of half a megabyte.
constexpr int BandBytes = 1 << 19;

// Makes bitmap a copy of area (in source's coordinates) of source.
void CopyFrom(HDC source, const RECT& area, toolkit::Bitmap& bitmap) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    bitmap.SetSize(width, height);
    const int band = std::max(1, BandBytes / std::max(1, width * 4));
    HDC target = bitmap.Canvas().Handle();
    for (int y = 0; y < height; y += band)
        BitBlt(target, 0, y, width, std::min(band, height - y), source, area.left, area.top + y,
               SRCCOPY);
}

} // namespace

void CaptureScreen(toolkit::Bitmap& bitmap, int monitor) {
    const RECT area = CaptureArea(monitor);
    const toolkit::WindowDC screen(nullptr);
    CopyFrom(screen.Get(), area, bitmap);
}

std::unique_ptr<toolkit::Bitmap> CaptureWindow(const std::wstring& windowTitle) {
    HWND window = FindWindowW(nullptr, windowTitle.c_str());
    RECT bounds{};
    if (!window || !GetWindowRect(window, &bounds)) return nullptr;
    auto bitmap = std::make_unique<toolkit::Bitmap>();
    const toolkit::WindowDC windowDC(window);
    // The window DC's origin is the window's top-left corner.
    CopyFrom(windowDC.Get(), {0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top},
             *bitmap);
    return bitmap;
}

} // namespace lyra
