#include "toolkit/form.h"

#include "toolkit/application.h"
#include "toolkit/description_reader.h"
#include "toolkit/screen.h"
#include "toolkit/title_bar_panel.h"
#include "toolkit/utility_window.h"

#include <windowsx.h>

#include <algorithm>

namespace toolkit {

namespace {
const EnumNames<BorderStyleKind>& BorderStyleNames() {
    static const EnumNames<BorderStyleKind> names = {
        {L"None", BorderStyleKind::None},
        {L"Single", BorderStyleKind::Single},
        {L"Sizeable", BorderStyleKind::Sizeable},
        {L"Dialog", BorderStyleKind::Dialog},
        {L"ToolWindow", BorderStyleKind::ToolWindow},
        {L"SizeToolWin", BorderStyleKind::SizeToolWin}};
    return names;
}

const EnumNames<BorderIcon>& BorderIconNames() {
    static const EnumNames<BorderIcon> names = {{L"SystemMenu", BorderIcon::SystemMenu},
                                                {L"Minimize", BorderIcon::Minimize},
                                                {L"Maximize", BorderIcon::Maximize}};
    return names;
}

const EnumNames<PositionKind>& PositionNames() {
    static const EnumNames<PositionKind> names = {
        {L"Designed", PositionKind::Designed},
        {L"ScreenCenter", PositionKind::ScreenCenter},
        {L"MainFormCenter", PositionKind::MainFormCenter}};
    return names;
}

const EnumNames<FormStyleKind>& FormStyleNames() {
    static const EnumNames<FormStyleKind> names = {{L"Normal", FormStyleKind::Normal},
                                                   {L"StayOnTop", FormStyleKind::StayOnTop}};
    return names;
}

const EnumNames<WindowStateKind>& WindowStateNames() {
    static const EnumNames<WindowStateKind> names = {{L"Normal", WindowStateKind::Normal},
                                                     {L"Minimized", WindowStateKind::Minimized},
                                                     {L"Maximized", WindowStateKind::Maximized}};
    return names;
}

bool Resizable(BorderStyleKind style) {
    return style == BorderStyleKind::Sizeable || style == BorderStyleKind::SizeToolWin;
}
} // namespace

const EnumNames<ModalResultKind>& ModalResultNames() {
    static const EnumNames<ModalResultKind> names = {
        {L"None", ModalResultKind::None},         {L"Ok", ModalResultKind::Ok},
        {L"Cancel", ModalResultKind::Cancel},     {L"Abort", ModalResultKind::Abort},
        {L"Retry", ModalResultKind::Retry},       {L"Ignore", ModalResultKind::Ignore},
        {L"Yes", ModalResultKind::Yes},           {L"No", ModalResultKind::No},
        {L"Close", ModalResultKind::Close},       {L"Help", ModalResultKind::Help},
        {L"TryAgain", ModalResultKind::TryAgain}, {L"Continue", ModalResultKind::Continue},
        {L"All", ModalResultKind::All},           {L"NoToAll", ModalResultKind::NoToAll},
        {L"YesToAll", ModalResultKind::YesToAll}};
    return names;
}

Form::Form(Component* owner) : WinControl(owner) {
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    titleBar_.OnChange = [this] { TitleBarChanged(); };
    Screen::Instance().AddForm(this);

    Publish(L"Caption", &Control::Caption, &Control::SetCaption);
    Publish(L"ClientWidth", &Control::ClientWidth, &Control::SetClientWidth);
    Publish(L"ClientHeight", &Control::ClientHeight, &Control::SetClientHeight);
    PublishEnum(L"BorderStyle", &Form::BorderStyle, &Form::SetBorderStyle, BorderStyleNames());
    PublishSet(L"BorderIcons", &Form::BorderIcons, &Form::SetBorderIcons, BorderIconNames());
    PublishEnum(L"Position", &Form::Position, &Form::SetPosition, PositionNames());
    PublishEnum(L"FormStyle", &Form::FormStyle, &Form::SetFormStyle, FormStyleNames());
    PublishEnum(L"WindowState", &Form::WindowState, &Form::SetWindowState, WindowStateNames());
    Publish(L"AlphaBlend", &Form::AlphaBlend, &Form::SetAlphaBlend);
    Publish(L"AlphaBlendValue", &Form::AlphaBlendValue, &Form::SetAlphaBlendValue);
    Publish(L"TransparentColor", &Form::TransparentColor, &Form::SetTransparentColor);
    PublishColor(L"TransparentColorValue", &Form::TransparentColorValue,
                 &Form::SetTransparentColorValue);
    Publish(L"PixelsPerInch", &Form::PixelsPerInch, &Form::SetPixelsPerInch);
    Publish(L"Scaled", &Form::Scaled, &Form::SetScaled);
    PublishObject(L"CustomTitleBar", titleBar_);
    PublishReference(L"ActiveControl", &Form::ActiveControl, &Form::SetActiveControl);
    PublishEvent(L"OnCreate", OnCreate);
    PublishEvent(L"OnShow", OnShow);
    PublishEvent(L"OnHide", OnHide);
    PublishEvent(L"OnActivate", OnActivate);
    PublishEvent(L"OnDeactivate", OnDeactivate);
    PublishEvent(L"OnPaint", OnPaint);
    PublishEvent(L"OnClose", OnClose);
    PublishEvent(L"OnCloseQuery", OnCloseQuery);
}

Form::~Form() {
    MarkDestroying();
    while (updateLocks_ > 0)
        UnlockWindowUpdate();
    // The windows go while the form is whole; what they hear on the way is not ours.
    DestroyWnd();
    Screen::Instance().RemoveForm(this);
}

void Form::ReadDescription(const std::wstring& resourceName) {
    ReadComponentResource(*this, resourceName, handlers_);
    DoCreate();
}

void Form::SetBorderStyle(BorderStyleKind style) {
    if (style == borderStyle_) return;
    int width = ClientWidth(), height = ClientHeight();
    borderStyle_ = style;
    StylesChanged(width, height);
}

void Form::SetBorderIcons(BorderIconSet icons) {
    if (icons == borderIcons_) return;
    int width = ClientWidth(), height = ClientHeight();
    borderIcons_ = icons;
    StylesChanged(width, height);
}

void Form::SetFormStyle(FormStyleKind style) {
    if (style == formStyle_) return;
    formStyle_ = style;
    if (HandleAllocated() && !Parent())
        SetWindowPos(Handle(), style == FormStyleKind::StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0,
                     0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

WindowStateKind Form::WindowState() const {
    return windowState_;
}

void Form::SetWindowState(WindowStateKind state) {
    if (state == windowState_) return;
    windowState_ = state;
    if (Parent()) {
        if (state == WindowStateKind::Maximized) FillParent();
        return;
    }
    if (!HandleAllocated() || !Visible()) return;
    ShowWindow(Handle(), state == WindowStateKind::Maximized   ? SW_MAXIMIZE
                         : state == WindowStateKind::Minimized ? SW_MINIMIZE
                                                               : SW_RESTORE);
}

void Form::SetAlphaBlend(bool value) {
    alphaBlend_ = value;
    ApplyLayering();
}

void Form::SetAlphaBlendValue(int value) {
    alphaBlendValue_ = std::clamp(value, 0, 255);
    ApplyLayering();
}

void Form::SetTransparentColor(bool value) {
    transparentColor_ = value;
    ApplyLayering();
}

void Form::SetTransparentColorValue(TColor value) {
    transparentColorValue_ = value;
    ApplyLayering();
}

int Form::TitleBarHeight() const {
    if (!titleBar_.SystemHeight()) return titleBar_.Height();
    UINT dpi = UINT(CurrentDpi());
    return GetSystemMetricsForDpi(SM_CYCAPTION, dpi) + GetSystemMetricsForDpi(SM_CYSIZEFRAME, dpi) +
           GetSystemMetricsForDpi(SM_CXPADDEDBORDER, dpi);
}

void Form::SetActiveControl(WinControl* control) {
    if (control && Visible() && HandleAllocated() && control->CanFocus()) {
        control->SetFocus();
        return;
    }
    SetFocusedControl(control);
}

void Form::Show() {
    SetVisible(true);
    if (!HandleAllocated() || Parent()) return;
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(Handle());
}

ModalResultKind Form::ShowModal() {
    if (Visible() || !Enabled() || modal_) throw Error(L"Cannot make a visible window modal");
    if (GetCapture()) ReleaseCapture();
    HWND previous = GetActiveWindow();
    HWND window = Handle();
    // Owned by the window it came from, so it stays above it.
    if (previous && previous != window && !Parent())
        SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(previous));

    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND other, LPARAM data) -> BOOL {
            auto* list = reinterpret_cast<std::vector<HWND>*>(data);
            if (IsWindowVisible(other) && IsWindowEnabled(other)) list->push_back(other);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    std::erase(disabled, window);
    for (HWND other : disabled)
        EnableWindow(other, FALSE);

    modal_ = true;
    modalResult_ = ModalResultKind::None;
    auto finish = [&] {
        modal_ = false;
        for (HWND other : disabled)
            if (IsWindow(other)) EnableWindow(other, TRUE);
        if (Visible()) Hide();
        if (previous && IsWindow(previous)) SetActiveWindow(previous);
    };
    try {
        Show();
        Application& application = Application::Instance();
        while (modalResult_ == ModalResultKind::None) {
            application.HandleMessage();
            if (application.Terminated())
                modalResult_ = ModalResultKind::Cancel;
            else if (modalResult_ != ModalResultKind::None)
                CloseModal();
        }
    } catch (...) {
        finish();
        throw;
    }
    finish();
    return modalResult_;
}

void Form::CloseModal() {
    CloseAction action = CloseAction::None;
    if (CloseQuery()) {
        action = CloseAction::Hide;
        DoClose(action);
    }
    if (action == CloseAction::None)
        modalResult_ = ModalResultKind::None;
    else if (action == CloseAction::Free)
        Release();
}

void Form::Close() {
    if (modal_) {
        modalResult_ = ModalResultKind::Cancel;
        return;
    }
    if (!CloseQuery()) return;
    CloseAction action = CloseAction::Hide;
    DoClose(action);
    if (action == CloseAction::None) return;
    if (Application::Instance().MainForm() == this)
        Application::Instance().Terminate();
    else if (action == CloseAction::Hide)
        Hide();
    else if (action == CloseAction::Minimize)
        SetWindowState(WindowStateKind::Minimized);
    else
        Release();
}

bool Form::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void Form::Release() {
    UtilityWindow::Instance().Post([this] {
        // Whoever owned the form may have deleted it in the meantime.
        if (Screen::Instance().Contains(this)) delete this;
    });
}

bool Form::DialogKey(WORD key, ShiftState shift) {
    if (shift.Contains(ShiftKey::Alt) || shift.Contains(ShiftKey::Ctrl)) return false;
    switch (key) {
    case VK_TAB:
        SelectNext(activeControl_, !shift.Contains(ShiftKey::Shift), true);
        return true;
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (!activeControl_ || !activeControl_->Parent()) return false;
        activeControl_->Parent()->SelectNext(activeControl_, key == VK_RIGHT || key == VK_DOWN,
                                             false);
        return true;
    default:
        return false;
    }
}

void Form::SetFocusedControl(WinControl* control) {
    if (control == activeControl_ || control == this) return;
    if (activeControl_) activeControl_->RemoveFreeNotification(this);
    activeControl_ = control;
    if (control) control->FreeNotification(this);
}

void Form::LockWindowUpdate() {
    // One window of the system can be locked at a time: remember whether it is ours.
    if (updateLocks_++ == 0 && HandleAllocated()) lockedUpdate_ = ::LockWindowUpdate(Handle());
}

void Form::UnlockWindowUpdate() {
    if (updateLocks_ == 0 || --updateLocks_ > 0) return;
    if (lockedUpdate_) ::LockWindowUpdate(nullptr);
    lockedUpdate_ = false;
}

void Form::ChangeScale(int multiplier, int divider) {
    if (Parent()) return WinControl::ChangeScale(multiplier, divider);
    // A top-level form keeps its place; its client area scales, its frame follows the DPI.
    const int width = MulDiv(ClientWidth(), multiplier, divider);
    const int height = MulDiv(ClientHeight(), multiplier, divider);
    DisableAlign();
    ScaleProperties(multiplier, divider);
    if (!titleBar_.SystemHeight())
        titleBar_.SetHeight(MulDiv(titleBar_.Height(), multiplier, divider));
    ScaleChildren(multiplier, divider);
    const RECT frame = FrameInsets();
    ApplyBounds(Left(), Top(), width + frame.left + frame.right, height + frame.top + frame.bottom,
                true);
    EnableAlign();
}

RECT Form::ClientRect() const {
    if (HandleAllocated()) return WinControl::ClientRect();
    const RECT frame = FrameInsets();
    return {0, 0, std::max(0, Width() - int(frame.left + frame.right)),
            std::max(0, Height() - int(frame.top + frame.bottom))};
}

void Form::DoCreate() {
    if (OnCreate) OnCreate(this);
}

void Form::DoShow() {
    if (OnShow) OnShow(this);
}

void Form::DoHide() {
    if (OnHide) OnHide(this);
}

void Form::DoClose(CloseAction& action) {
    if (OnClose) OnClose(this, action);
}

void Form::ComputeStyles(DWORD& style, DWORD& exStyle) const {
    style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (Parent() ? WS_CHILD : 0);
    exStyle = 0;
    bool caption = true;
    switch (borderStyle_) {
    case BorderStyleKind::None:
        caption = false;
        if (!Parent()) style |= WS_POPUP;
        break;
    case BorderStyleKind::Single:
        style |= WS_CAPTION;
        break;
    case BorderStyleKind::Sizeable:
        style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case BorderStyleKind::Dialog:
        style |= WS_CAPTION;
        exStyle |= WS_EX_DLGMODALFRAME;
        break;
    case BorderStyleKind::ToolWindow:
        style |= WS_CAPTION;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    case BorderStyleKind::SizeToolWin:
        style |= WS_CAPTION | WS_THICKFRAME;
        exStyle |= WS_EX_TOOLWINDOW;
        break;
    }
    if (caption && borderIcons_.Contains(BorderIcon::SystemMenu)) style |= WS_SYSMENU;
    bool boxes =
        borderStyle_ == BorderStyleKind::Single || borderStyle_ == BorderStyleKind::Sizeable;
    if (caption && boxes && borderIcons_.Contains(BorderIcon::Minimize)) style |= WS_MINIMIZEBOX;
    if (caption && boxes && borderIcons_.Contains(BorderIcon::Maximize)) style |= WS_MAXIMIZEBOX;
    if (formStyle_ == FormStyleKind::StayOnTop && !Parent()) exStyle |= WS_EX_TOPMOST;
    if (alphaBlend_ || transparentColor_) exStyle |= WS_EX_LAYERED;
}

bool Form::TitleBarActive() const {
    return titleBar_.Enabled() && borderStyle_ != BorderStyleKind::None;
}

void Form::CreateParams(WindowParams& params) {
    WinControl::CreateParams(params);
    ComputeStyles(params.style, params.exStyle);
    if (!Parent()) {
        Form* main = Application::Instance().MainForm();
        params.parent = main && main != this && main->HandleAllocated() ? main->Handle() : nullptr;
    }
}

void Form::CreateWnd() {
    WinControl::CreateWnd();
    if (!currentPpi_) currentPpi_ = pixelsPerInch_;
    ApplyLayering();
    if (scaled_ && !Parent()) {
        int dpi = int(GetDpiForWindow(Handle()));
        if (dpi != currentPpi_) {
            ChangeScale(dpi, currentPpi_);
            currentPpi_ = dpi;
        }
    }
}

LRESULT Form::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_ACTIVATE:
        if (Activated(LOWORD(wParam) != WA_INACTIVE)) return 0;
        break;
    case WM_NCCALCSIZE:
        if (TitleBarActive()) {
            // With wParam the first of three rectangles, without it the only one.
            RECT* client = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0]
                                  : reinterpret_cast<RECT*>(lParam);
            const LONG top = client->top;
            LRESULT result = DefaultHandler(message, wParam, lParam);
            // The client area reaches up to the top edge: the title bar panel paints the
            // caption. A maximised window hangs over the screen edge by its frame.
            client->top = top;
            if (IsZoomed(Handle())) {
                UINT dpi = UINT(CurrentDpi());
                client->top += GetSystemMetricsForDpi(SM_CYSIZEFRAME, dpi) +
                               GetSystemMetricsForDpi(SM_CXPADDEDBORDER, dpi);
            }
            return result;
        }
        break;
    case WM_GETMINMAXINFO: {
        auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
        SizeConstraints& limits = Constraints();
        if (limits.MinWidth()) info->ptMinTrackSize.x = limits.MinWidth();
        if (limits.MinHeight()) info->ptMinTrackSize.y = limits.MinHeight();
        if (limits.MaxWidth()) info->ptMaxTrackSize.x = limits.MaxWidth();
        if (limits.MaxHeight()) info->ptMaxTrackSize.y = limits.MaxHeight();
        return 0;
    }
    case WM_SIZE:
        if (!Parent()) {
            if (wParam == SIZE_MAXIMIZED)
                windowState_ = WindowStateKind::Maximized;
            else if (wParam == SIZE_MINIMIZED)
                windowState_ = WindowStateKind::Minimized;
            else if (wParam == SIZE_RESTORED)
                windowState_ = WindowStateKind::Normal;
        }
        break;
    case WM_DPICHANGED: {
        const int dpi = LOWORD(wParam);
        if (scaled_ && dpi != currentPpi_) {
            ChangeScale(dpi, currentPpi_);
            currentPpi_ = dpi;
        }
        const auto* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, Width(), Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        break;
    }
    return WinControl::WndProc(message, wParam, lParam);
}

LRESULT Form::NcHitTest(POINT screenPoint) {
    LRESULT hit = WinControl::NcHitTest(screenPoint);
    if (hit != HTCLIENT || !TitleBarActive()) return hit;
    POINT point = ScreenToClient(screenPoint);
    if (point.y >= TitleBarHeight()) return hit;
    if (Resizable(borderStyle_) && !IsZoomed(Handle())) {
        UINT dpi = UINT(CurrentDpi());
        int border = GetSystemMetricsForDpi(SM_CYSIZEFRAME, dpi) +
                     GetSystemMetricsForDpi(SM_CXPADDEDBORDER, dpi);
        if (point.y < border)
            return point.x < border                    ? HTTOPLEFT
                   : point.x >= ClientWidth() - border ? HTTOPRIGHT
                                                       : HTTOP;
    }
    return HTCAPTION;
}

void Form::Paint() {
    if (OnPaint) OnPaint(this);
}

void Form::AlignControls(RECT rect) {
    if (TitleBarPanel* panel = titleBar_.Control(); panel && TitleBarActive())
        panel->SetBounds(0, 0, ClientWidth(), TitleBarHeight());
    WinControl::AlignControls(rect);
}

void Form::AdjustClientRect(RECT& rect) const {
    if (TitleBarActive()) rect.top += TitleBarHeight();
}

void Form::VisibleChanged() {
    if (Loading()) return;
    if (!Visible()) {
        if (!HandleAllocated()) return;
        DoHide();
        ShowWindow(Handle(), SW_HIDE);
        return;
    }
    if (Parent() && windowState_ == WindowStateKind::Maximized) FillParent();
    // The window first: making it may scale the form to its monitor's DPI, and the
    // position depends on the final size.
    HWND window = Handle();
    if (!positioned_) ApplyPosition();
    DoShow();
    if (!Visible()) return;
    int command = Parent()                                     ? SW_SHOWNA
                  : windowState_ == WindowStateKind::Maximized ? SW_SHOWMAXIMIZED
                  : windowState_ == WindowStateKind::Minimized ? SW_SHOWMINIMIZED
                                                               : SW_SHOWNORMAL;
    ShowWindow(window, command);
}

void Form::Loaded() {
    WinControl::Loaded();
    if (Visible()) VisibleChanged();
}

void Form::ParentChanged() {
    int width = ClientWidth(), height = ClientHeight();
    WinControl::ParentChanged();
    StylesChanged(width, height);
    if (Parent() && windowState_ == WindowStateKind::Maximized) FillParent();
}

void Form::Notification(Component* component) {
    WinControl::Notification(component);
    if (component == activeControl_) activeControl_ = nullptr;
    if (component == titleBar_.Control()) titleBar_.SetControl(nullptr);
}

RECT Form::FrameInsets(bool titleBarActive) const {
    DWORD style = 0, exStyle = 0;
    ComputeStyles(style, exStyle);
    RECT rect{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&rect, style, FALSE, exStyle, UINT(CurrentDpi()));
    RECT frame{-rect.left, -rect.top, rect.right, rect.bottom};
    if (titleBarActive) frame.top = 0;
    return frame;
}

int Form::CurrentDpi() const {
    HWND window = ExistingHandle();
    return window ? int(GetDpiForWindow(window)) : int(GetDpiForSystem());
}

void Form::StylesChanged(int clientWidth, int clientHeight) {
    titleBarWasActive_ = TitleBarActive();
    UpdateStyles();
    const RECT frame = FrameInsets();
    SetBounds(Left(), Top(), clientWidth + frame.left + frame.right,
              clientHeight + frame.top + frame.bottom);
    Realign();
    Invalidate();
}

void Form::ApplyLayering() {
    if (!HandleAllocated()) return;
    HWND window = Handle();
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    const bool layered = alphaBlend_ || transparentColor_;
    if (!layered) {
        if (exStyle & WS_EX_LAYERED) SetWindowLongW(window, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
        return;
    }
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    DWORD flags = (alphaBlend_ ? LWA_ALPHA : 0) | (transparentColor_ ? LWA_COLORKEY : 0);
    SetLayeredWindowAttributes(window, ColorToRGB(transparentColorValue_),
                               BYTE(alphaBlend_ ? alphaBlendValue_ : 255), flags);
}

void Form::ApplyPosition() {
    positioned_ = true;
    if (Parent() || position_ == PositionKind::Designed) return;
    Form* main = Application::Instance().MainForm();
    RECT area;
    if (position_ == PositionKind::MainFormCenter && main && main != this && main->Visible()) {
        area = main->BoundsRect();
    } else {
        HWND reference =
            main && main != this && main->HandleAllocated() ? main->Handle() : GetActiveWindow();
        area = reference ? Screen::Instance().MonitorFromWindow(reference).workArea
                         : Screen::Instance().WorkAreaRect();
    }
    SetBounds(area.left + (area.right - area.left - Width()) / 2,
              area.top + (area.bottom - area.top - Height()) / 2, Width(), Height());
}

void Form::FillParent() {
    if (!Parent()) return;
    SetAnchors({Anchor::Left, Anchor::Top, Anchor::Right, Anchor::Bottom});
    SetBounds(0, 0, Parent()->ClientWidth(), Parent()->ClientHeight());
}

bool Form::Activated(bool active) {
    active_ = active;
    if (TitleBarPanel* panel = titleBar_.Control()) panel->Invalidate();
    if (!active) {
        if (OnDeactivate) OnDeactivate(this);
        return false;
    }
    Screen::Instance().FormActivated(this);
    if (OnActivate) OnActivate(this);
    if (IsIconic(Handle())) return false;
    WinControl* target = activeControl_;
    if (!target || !target->CanFocus()) target = FindNextControl(nullptr, true, true);
    if (!target || !target->CanFocus()) return false;
    // Focus the remembered control instead of letting the window take the focus itself.
    ::SetFocus(target->Handle());
    return true;
}

void Form::TitleBarChanged() {
    TitleBarPanel* panel = titleBar_.Control();
    if (panel) {
        panel->FreeNotification(this);
        panel->SetVisible(titleBar_.Enabled());
        panel->Invalidate();
    }
    // The client size stays; the frame around it is what changes.
    const RECT before = FrameInsets(titleBarWasActive_);
    StylesChanged(Width() - before.left - before.right, Height() - before.top - before.bottom);
}

} // namespace toolkit
