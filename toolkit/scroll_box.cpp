#include "toolkit/scroll_box.h"

#include <algorithm>

namespace toolkit {

ScrollBox::ScrollBox(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 185, 41);
    for (ScrollBarSettings* bar : {&horizontal_, &vertical_}) {
        bar->OnScroll = [this, bar](int position) { ScrollTo(*bar, position); };
        bar->OnChange = [this] { UpdateScrollBars(); };
    }
    Publish(L"AutoScroll", &ScrollBox::AutoScroll, &ScrollBox::SetAutoScroll);
    PublishEnum(L"BorderStyle", &ScrollBox::BorderStyle, &ScrollBox::SetBorderStyle,
                FrameStyleNames());
    PublishObject(L"HorzScrollBar", horizontal_);
    PublishObject(L"VertScrollBar", vertical_);
}

void ScrollBox::SetAutoScroll(bool value) {
    if (value == autoScroll_) return;
    autoScroll_ = value;
    UpdateScrollBars();
}

void ScrollBox::SetBorderStyle(FrameStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    UpdateStyles();
    Realign();
}

void ScrollBox::CreateParams(WindowParams& params) {
    WinControl::CreateParams(params);
    if (borderStyle_ == FrameStyle::Single) params.exStyle |= WS_EX_CLIENTEDGE;
}

void ScrollBox::CreateWnd() {
    WinControl::CreateWnd();
    UpdateScrollBars();
}

int ScrollBox::MaxPosition(const ScrollBarSettings& bar) const {
    const RECT client = ClientRect();
    const int page = &bar == &vertical_ ? client.bottom : client.right;
    return std::max(0, bar.range_ - page);
}

void ScrollBox::ScrollBy(int dx, int dy) {
    if (dx == 0 && dy == 0) return;
    HWND window = ExistingHandle();
    const bool onScreen = window && IsWindowVisible(window);
    // With a NULL rectangle ScrollWindow moves the child windows along with the pixels.
    if (onScreen) ::ScrollWindow(window, dx, dy, nullptr, nullptr);
    for (int i = 0; i < ControlCount(); ++i) {
        Control* child = Controls(i);
        if (!onScreen || !dynamic_cast<WinControl*>(child)) child->MoveBy(dx, dy);
    }
}

void ScrollBox::ScrollTo(ScrollBarSettings& bar, int position) {
    position = std::clamp(position, 0, MaxPosition(bar));
    const int delta = bar.position_ - position;
    if (delta == 0) return;
    bar.position_ = position;
    if (&bar == &vertical_)
        ScrollBy(0, delta);
    else
        ScrollBy(delta, 0);
    if (HWND window = ExistingHandle()) {
        SCROLLINFO info{sizeof(info), SIF_POS, 0, 0, 0, position, 0};
        SetScrollInfo(window, &bar == &vertical_ ? SB_VERT : SB_HORZ, &info, TRUE);
    }
}

void ScrollBox::ScrollInView(Control* control) {
    if (!control || control->Parent() != this) return;
    const RECT client = ClientRect();
    auto needed = [](int start, int length, int page) {
        if (start < 0) return start;
        if (start + length > page) return std::min(start, start + length - page);
        return 0;
    };
    ScrollTo(horizontal_,
             horizontal_.position_ + needed(control->Left(), control->Width(), client.right));
    ScrollTo(vertical_,
             vertical_.position_ + needed(control->Top(), control->Height(), client.bottom));
}

bool ScrollBox::MouseWheel(ShiftState shift, int delta, POINT mousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, shift, delta, mousePos, handled);
    if (handled) return true;
    ScrollBarSettings& bar = shift.Contains(ShiftKey::Shift) ? horizontal_ : vertical_;
    if (!autoScroll_ || MaxPosition(bar) == 0)
        return WinControl::MouseWheel(shift, delta, mousePos);
    UINT lines = 3;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    ScrollTo(bar, bar.position_ - delta * int(lines) * bar.Increment() / WHEEL_DELTA);
    return true;
}

void ScrollBox::HandleScrollMessage(ScrollBarSettings& bar, int code) {
    const int kind = &bar == &vertical_ ? SB_VERT : SB_HORZ;
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(Handle(), kind, &info);
    int position = bar.position_;
    switch (code) {
    case SB_LINEUP:
        position -= bar.Increment();
        break;
    case SB_LINEDOWN:
        position += bar.Increment();
        break;
    case SB_PAGEUP:
        position -= int(info.nPage);
        break;
    case SB_PAGEDOWN:
        position += int(info.nPage);
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        position = info.nTrackPos;
        break;
    case SB_TOP:
        position = 0;
        break;
    case SB_BOTTOM:
        position = bar.range_;
        break;
    default:
        return;
    }
    ScrollTo(bar, position);
}

LRESULT ScrollBox::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_VSCROLL || message == WM_HSCROLL) {
        HandleScrollMessage(message == WM_VSCROLL ? vertical_ : horizontal_, LOWORD(wParam));
        return 0;
    }
    return WinControl::WndProc(message, wParam, lParam);
}

void ScrollBox::AdjustClientRect(RECT& rect) const {
    OffsetRect(&rect, -horizontal_.position_, -vertical_.position_);
}

void ScrollBox::AlignControls(RECT rect) {
    WinControl::AlignControls(rect);
    UpdateScrollBars();
}

void ScrollBox::UpdateScrollBars() {
    if (updatingBars_) return;
    updatingBars_ = true;
    // The content's extent in unscrolled coordinates. Children that fill a side follow the
    // box and give no extent along it.
    int right = 0, bottom = 0;
    for (int i = 0; i < ControlCount(); ++i) {
        const Control* child = Controls(i);
        if (!child->Visible()) continue;
        const AlignKind align = child->Align();
        if (align == AlignKind::None || align == AlignKind::Left || align == AlignKind::Right)
            right = std::max(right, child->Left() + child->Width() + horizontal_.position_);
        if (align == AlignKind::None || align == AlignKind::Top || align == AlignKind::Bottom)
            bottom = std::max(bottom, child->Top() + child->Height() + vertical_.position_);
    }
    horizontal_.range_ = autoScroll_ ? right : 0;
    vertical_.range_ = autoScroll_ ? bottom : 0;

    if (HWND window = ExistingHandle()) {
        // Showing one bar narrows the page of the other: settle in two rounds.
        for (int round = 0; round < 2; ++round) {
            const RECT client = ClientRect();
            for (ScrollBarSettings* bar : {&horizontal_, &vertical_}) {
                const bool vertical = bar == &vertical_;
                const int page = vertical ? client.bottom : client.right;
                const bool show = bar->visible_ && bar->range_ > page;
                SCROLLINFO info{sizeof(info),
                                SIF_RANGE | SIF_PAGE | SIF_POS,
                                0,
                                show ? bar->range_ - 1 : 0,
                                UINT(show ? page : 0),
                                bar->position_,
                                0};
                SetScrollInfo(window, vertical ? SB_VERT : SB_HORZ, &info, TRUE);
                ShowScrollBar(window, vertical ? SB_VERT : SB_HORZ, show);
            }
        }
    }
    // Content that shrank may leave the position past the end.
    for (ScrollBarSettings* bar : {&horizontal_, &vertical_})
        if (bar->position_ > MaxPosition(*bar)) ScrollTo(*bar, MaxPosition(*bar));
    updatingBars_ = false;
}

} // namespace toolkit
