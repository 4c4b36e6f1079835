#include "toolkit/hint_window.h"

#include "toolkit/screen.h"

namespace toolkit {

HintWindow::HintWindow(Component* owner) : WinControl(owner) {
    SetVisible(false);
    SetColor(clInfoBk);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        Font().SetName(metrics.lfStatusFont.lfFaceName);
        Font().SetHeight(metrics.lfStatusFont.lfHeight);
    }
    Font().SetColor(clInfoText);
}

RECT HintWindow::CalcHintRect(int maxWidth, const std::wstring& hint) {
    RECT rect{0, 0, maxWidth, 0};
    Canvas().Font().Assign(Font());
    Canvas().TextRect(rect, hint, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    rect.right += 6 + 2 * GetSystemMetrics(SM_CXBORDER);
    rect.bottom += 2 + 2 * GetSystemMetrics(SM_CYBORDER);
    return rect;
}

void HintWindow::ActivateHint(RECT rect, const std::wstring& hint) {
    SetCaption(hint);
    const RECT area = Screen::Instance().MonitorFromPoint({rect.left, rect.top}).workArea;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (rect.right > area.right) OffsetRect(&rect, area.right - rect.right, 0);
    if (rect.bottom > area.bottom) OffsetRect(&rect, 0, -(height + 24));
    if (rect.left < area.left) OffsetRect(&rect, area.left - rect.left, 0);
    if (rect.top < area.top) OffsetRect(&rect, 0, area.top - rect.top);
    SetBounds(rect.left, rect.top, width, height);
    Invalidate();
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetVisible(true);
}

void HintWindow::CreateParams(WindowParams& params) {
    WinControl::CreateParams(params);
    params.style = WS_POPUP | WS_BORDER;
    params.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    params.classStyle |= CS_SAVEBITS | CS_DROPSHADOW;
    params.parent = nullptr;
}

void HintWindow::Paint() {
    RECT rect = ClientRect();
    InflateRect(&rect, -2, -2);
    Canvas().Brush().SetStyle(BrushStyle::Clear);
    Canvas().TextRect(rect, Caption(), DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

LRESULT HintWindow::NcHitTest(POINT) {
    return HTTRANSPARENT;
}

} // namespace toolkit
