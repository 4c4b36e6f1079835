#include "toolkit/screen.h"

#include "toolkit/form.h"

#include <shellscalingapi.h>

#include <algorithm>

namespace toolkit {

namespace {
MonitorInfo Describe(HMONITOR monitor) {
    MonitorInfo info;
    info.handle = monitor;
    MONITORINFO raw{};
    raw.cbSize = sizeof(raw);
    if (GetMonitorInfoW(monitor, &raw)) {
        info.bounds = raw.rcMonitor;
        info.workArea = raw.rcWork;
        info.primary = (raw.dwFlags & MONITORINFOF_PRIMARY) != 0;
    }
    UINT dpiX = 96, dpiY = 96;
    if (SUCCEEDED(GetDpiForMonitor(monitor, MDT_EFFECTIVE_DPI, &dpiX, &dpiY)))
        info.pixelsPerInch = int(dpiY);
    return info;
}

BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    reinterpret_cast<std::vector<MonitorInfo>*>(data)->push_back(Describe(monitor));
    return TRUE;
}

int CALLBACK CollectFont(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    // Vertical variants ("@Name") are not fonts a user picks.
    if (font->lfFaceName[0] != L'@')
        reinterpret_cast<std::vector<std::wstring>*>(data)->push_back(font->lfFaceName);
    return 1;
}
} // namespace

Screen& Screen::Instance() {
    static Screen screen;
    return screen;
}

bool Screen::Contains(const Form* form) const {
    return std::find(forms_.begin(), forms_.end(), form) != forms_.end();
}

Form* Screen::ActiveForm() const {
    WinControl* active = WinControl::FromHandle(GetActiveWindow());
    return dynamic_cast<Form*>(active);
}

WinControl* Screen::ActiveControl() const {
    Form* form = ActiveForm();
    return form ? form->ActiveControl() : nullptr;
}

std::vector<MonitorInfo> Screen::Monitors() const {
    std::vector<MonitorInfo> monitors;
    EnumDisplayMonitors(nullptr, nullptr, &CollectMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

MonitorInfo Screen::PrimaryMonitor() const {
    return Describe(::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY));
}

MonitorInfo Screen::MonitorFromWindow(HWND window) const {
    return Describe(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST));
}

MonitorInfo Screen::MonitorFromPoint(POINT point) const {
    return Describe(::MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST));
}

int Screen::PixelsPerInch() const {
    return int(GetDpiForSystem());
}

const std::vector<std::wstring>& Screen::Fonts() {
    if (!fonts_.empty()) return fonts_;
    HDC dc = GetDC(nullptr);
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &query, &CollectFont, reinterpret_cast<LPARAM>(&fonts_), 0);
    ReleaseDC(nullptr, dc);
    std::sort(fonts_.begin(), fonts_.end());
    fonts_.erase(std::unique(fonts_.begin(), fonts_.end()), fonts_.end());
    return fonts_;
}

void Screen::AddForm(Form* form) {
    forms_.push_back(form);
}

void Screen::RemoveForm(Form* form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
}

void Screen::FormActivated(Form* form) {
    RemoveForm(form);
    forms_.insert(forms_.begin(), form);
}

} // namespace toolkit
