#include "lyra/screen_capture.h"

#include "toolkit/canvas.h"
#include "toolkit/error.h"
#include "toolkit/gdi_handles.h"
#include "toolkit/screen.h"

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

// Makes bitmap a copy of area (in source's coordinates) of source.
void CopyFrom(HDC source, const RECT& area, toolkit::Bitmap& bitmap) {
    const int width = area.right - area.left, height = area.bottom - area.top;
    bitmap.SetSize(width, height);
    BitBlt(bitmap.Canvas().Handle(), 0, 0, width, height, source, area.left, area.top, SRCCOPY);
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
