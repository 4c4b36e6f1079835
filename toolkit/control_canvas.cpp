#include "toolkit/control_canvas.h"

#include "toolkit/win_control.h"

#include <algorithm>
#include <vector>

namespace toolkit {

namespace {
// Canvases holding a window DC right now.
std::vector<ControlCanvas*>& Holders() {
    static std::vector<ControlCanvas*> holders;
    return holders;
}
} // namespace

ControlCanvas::~ControlCanvas() {
    ReleaseWindowDC();
}

void ControlCanvas::BeginPaint(HDC dc) {
    ReleaseWindowDC();
    SetHandle(dc);
    Font().Assign(control_.Font());
    Brush().SetColor(control_.Color());
}

void ControlCanvas::EndPaint() {
    SetHandle(nullptr);
}

void ControlCanvas::FreeWindowDCs() {
    for (ControlCanvas* canvas : std::vector<ControlCanvas*>(Holders()))
        canvas->ReleaseWindowDC();
}

void ControlCanvas::CreateHandle() {
    auto* window = dynamic_cast<WinControl*>(&control_);
    WinControl* host = window ? window : control_.Parent();
    if (!host) return;
    window_ = host->Handle();
    windowDC_ = GetDC(window_);
    if (!window) {
        // A window-less control draws in its parent's window, moved to its own corner.
        SetViewportOrgEx(windowDC_, control_.Left(), control_.Top(), nullptr);
        IntersectClipRect(windowDC_, 0, 0, control_.Width(), control_.Height());
    }
    SetOwnHandle(windowDC_);
    Font().Assign(control_.Font());
    Brush().SetColor(control_.Color());
    Holders().push_back(this);
}

void ControlCanvas::ReleaseWindowDC() {
    if (!windowDC_) return;
    SetOwnHandle(nullptr);
    ReleaseDC(window_, windowDC_);
    windowDC_ = nullptr;
    window_ = nullptr;
    auto& holders = Holders();
    holders.erase(std::remove(holders.begin(), holders.end(), this), holders.end());
}

} // namespace toolkit
