#include "toolkit/title_bar_panel.h"

#include "toolkit/form.h"

#include <algorithm>

namespace toolkit {

namespace {
constexpr TColor kCloseHover = 0x2311E8; // the red of the system's close button
} // namespace

TitleBarPanel::TitleBarPanel(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 200, 31);
}

Form* TitleBarPanel::HostForm() const {
    auto* form = dynamic_cast<Form*>(Parent());
    if (!form || form->CustomTitleBar().Control() != this || !form->CustomTitleBar().Enabled())
        return nullptr;
    return form;
}

int TitleBarPanel::ButtonWidth() const {
    HWND window = ExistingHandle();
    return MulDiv(46, window ? int(GetDpiForWindow(window)) : 96, 96);
}

std::vector<TitleBarPanel::CaptionButton> TitleBarPanel::Buttons() const {
    std::vector<CaptionButton> buttons;
    Form* form = HostForm();
    if (!form || !form->BorderIcons().Contains(BorderIcon::SystemMenu)) return buttons;
    buttons.push_back(CaptionButton::Close);
    BorderStyleKind style = form->BorderStyle();
    if (style != BorderStyleKind::Single && style != BorderStyleKind::Sizeable) return buttons;
    if (form->BorderIcons().Contains(BorderIcon::Maximize))
        buttons.push_back(CaptionButton::Maximize);
    if (form->BorderIcons().Contains(BorderIcon::Minimize))
        buttons.push_back(CaptionButton::Minimize);
    return buttons;
}

RECT TitleBarPanel::ButtonRect(CaptionButton button) const {
    const int width = ButtonWidth();
    int right = ClientWidth();
    for (CaptionButton present : Buttons()) {
        if (present == button) return {right - width, 0, right, ClientHeight()};
        right -= width;
    }
    return {};
}

TitleBarPanel::CaptionButton TitleBarPanel::ButtonAt(POINT point) const {
    for (CaptionButton button : Buttons()) {
        RECT rect = ButtonRect(button);
        if (PtInRect(&rect, point)) return button;
    }
    return CaptionButton::None;
}

void TitleBarPanel::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left) {
        pressed_ = ButtonAt({x, y});
        if (pressed_ != CaptionButton::None) Invalidate();
    }
    WinControl::MouseDown(button, shift, x, y);
}

void TitleBarPanel::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    CaptionButton pressed = pressed_;
    if (button == MouseButton::Left && pressed != CaptionButton::None) {
        pressed_ = CaptionButton::None;
        Invalidate();
        Form* form = HostForm();
        if (form && pressed == ButtonAt({x, y})) {
            HWND window = form->Handle();
            WPARAM command = pressed == CaptionButton::Close      ? SC_CLOSE
                             : pressed == CaptionButton::Minimize ? SC_MINIMIZE
                             : IsZoomed(window)                   ? SC_RESTORE
                                                                  : SC_MAXIMIZE;
            PostMessageW(window, WM_SYSCOMMAND, command, 0);
        }
    }
    WinControl::MouseUp(button, shift, x, y);
}

void TitleBarPanel::MouseMove(ShiftState shift, int x, int y) {
    CaptionButton over = ButtonAt({x, y});
    if (over != hover_) {
        hover_ = over;
        Invalidate();
    }
    WinControl::MouseMove(shift, x, y);
}

void TitleBarPanel::MouseLeave() {
    if (hover_ != CaptionButton::None) {
        hover_ = CaptionButton::None;
        Invalidate();
    }
    WinControl::MouseLeave();
}

void TitleBarPanel::Paint() {
    Form* form = HostForm();
    if (!form) return;
    const TitleBar& bar = form->CustomTitleBar();
    const bool active = form->Active();
    const bool system = bar.SystemColors();
    TColor background = system ? (active ? clActiveCaption : clInactiveCaption)
                               : (active ? bar.BackgroundColor() : bar.InactiveBackgroundColor());
    TColor foreground = system ? (active ? clCaptionText : clInactiveCaptionText)
                               : (active ? bar.ForegroundColor() : bar.InactiveForegroundColor());
    toolkit::Canvas& canvas = Canvas();
    canvas.Brush().SetColor(background);
    canvas.FillRect(ClientRect());
    if (bar.ShowCaption()) {
        RECT text = ClientRect();
        text.left += MulDiv(8, ButtonWidth(), 46);
        text.right -= ButtonWidth() * int(Buttons().size());
        canvas.Font().Assign(form->Font());
        canvas.Font().SetColor(foreground);
        canvas.Brush().SetStyle(BrushStyle::Clear);
        canvas.TextRect(text, form->Caption(),
                        DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    for (CaptionButton button : Buttons())
        PaintButton(button, bar, active);
}

void TitleBarPanel::PaintButton(CaptionButton button, const TitleBar& bar, bool active) {
    TColor background, foreground;
    const bool pressed = pressed_ == button && hover_ == button;
    if (bar.SystemButtons()) {
        // The system's look: a light grey for hover and press, red behind a hovered close.
        background = active ? clActiveCaption : clInactiveCaption;
        foreground = active ? clCaptionText : clInactiveCaptionText;
        if (hover_ == button) {
            background = button == CaptionButton::Close ? kCloseHover
                         : pressed                      ? 0xCCCCCC
                                                        : 0xE5E5E5;
            foreground = button == CaptionButton::Close ? clWhite : clBlack;
        }
    } else if (pressed) {
        background = bar.ButtonPressedBackgroundColor();
        foreground = bar.ButtonPressedForegroundColor();
    } else if (hover_ == button) {
        background = bar.ButtonHoverBackgroundColor();
        foreground = bar.ButtonHoverForegroundColor();
    } else if (!active) {
        background = bar.ButtonInactiveBackgroundColor();
        foreground = bar.ButtonInactiveForegroundColor();
    } else {
        background = bar.ButtonBackgroundColor();
        foreground = bar.ButtonForegroundColor();
    }
    toolkit::Canvas& canvas = Canvas();
    const RECT rect = ButtonRect(button);
    canvas.Brush().SetColor(background);
    canvas.FillRect(rect);

    // A 10 x 10 glyph (at 96 DPI) in the middle of the button, drawn with lines.
    const int size = MulDiv(10, ButtonWidth(), 46);
    const int left = (rect.left + rect.right - size) / 2;
    const int top = (rect.top + rect.bottom - size) / 2;
    canvas.Pen().SetColor(foreground);
    canvas.Pen().SetWidth(std::max(1, MulDiv(1, ButtonWidth(), 46)));
    canvas.Brush().SetStyle(BrushStyle::Clear);
    switch (button) {
    case CaptionButton::Close:
        canvas.MoveTo(left, top);
        canvas.LineTo(left + size + 1, top + size + 1);
        canvas.MoveTo(left + size, top);
        canvas.LineTo(left - 1, top + size + 1);
        break;
    case CaptionButton::Minimize:
        canvas.MoveTo(left, top + size / 2);
        canvas.LineTo(left + size + 1, top + size / 2);
        break;
    case CaptionButton::Maximize:
        canvas.Rectangle({left, top, left + size + 1, top + size + 1});
        break;
    case CaptionButton::None:
        break;
    }
}

LRESULT TitleBarPanel::NcHitTest(POINT screenPoint) {
    // Outside the buttons and the panel's own controls the bar belongs to the form, which
    // answers with the caption so the window can be dragged.
    if (HostForm() && ButtonAt(ScreenToClient(screenPoint)) == CaptionButton::None)
        return HTTRANSPARENT;
    return WinControl::NcHitTest(screenPoint);
}

} // namespace toolkit
