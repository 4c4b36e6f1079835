#include "toolkit/win_control.h"

#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"
#include "toolkit/graphic_control.h"

#include <windowsx.h>

#include <algorithm>
#include <map>

namespace toolkit {

namespace {
const wchar_t kControlProperty[] = L"toolkit.WinControl";

// The program's first icon (the one Explorer shows for the file), or none.
HICON ProgramIcon() {
    static HICON icon = [] {
        HICON first = nullptr;
        // The name lives only during the enumeration: load the icon right there.
        EnumResourceNamesW(
            GetModuleHandleW(nullptr), RT_GROUP_ICON,
            [](HMODULE module, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
                *reinterpret_cast<HICON*>(found) = LoadIconW(module, name);
                return FALSE;
            },
            reinterpret_cast<LONG_PTR>(&first));
        return first;
    }();
    return icon;
}

// One registered class per class style, all sharing our window procedure.
const wchar_t* WindowClassFor(UINT classStyle, WNDPROC procedure) {
    static std::map<UINT, std::wstring> registered;
    auto found = registered.find(classStyle);
    if (found != registered.end()) return found->second.c_str();
    std::wstring name = L"Toolkit.Window." + std::to_wstring(classStyle);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = ProgramIcon();
    windowClass.lpszClassName = name.c_str();
    if (!RegisterClassExW(&windowClass) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw Error(L"Cannot register the window class " + name);
    return registered.emplace(classStyle, name).first->second.c_str();
}

LPCWSTR SystemCursor(CursorKind cursor) {
    switch (cursor) {
    case CursorKind::Hand:
        return IDC_HAND;
    case CursorKind::IBeam:
        return IDC_IBEAM;
    case CursorKind::Wait:
        return IDC_WAIT;
    case CursorKind::Cross:
        return IDC_CROSS;
    case CursorKind::SizeAll:
        return IDC_SIZEALL;
    case CursorKind::SizeNS:
        return IDC_SIZENS;
    case CursorKind::SizeWE:
        return IDC_SIZEWE;
    case CursorKind::No:
        return IDC_NO;
    default:
        return IDC_ARROW;
    }
}

bool IsWindowless(const Control* control) {
    return dynamic_cast<const WinControl*>(control) == nullptr;
}
} // namespace

WinControl::WinControl(Component* owner) : Control(owner), canvas_(*this) {
    Publish(L"TabOrder", &WinControl::TabOrder, &WinControl::SetTabOrder);
    Publish(L"TabStop", &WinControl::TabStop, &WinControl::SetTabStop);
    Publish(L"DoubleBuffered", &WinControl::DoubleBuffered, &WinControl::SetDoubleBuffered);
    PublishEvent(L"OnEnter", OnEnter);
    PublishEvent(L"OnExit", OnExit);
    PublishEvent(L"OnKeyDown", OnKeyDown);
    PublishEvent(L"OnKeyUp", OnKeyUp);
    PublishEvent(L"OnKeyPress", OnKeyPress);
}

WinControl::~WinControl() {
    MarkDestroying();
    // Children go first, each taking its own window down.
    while (!controls_.empty())
        delete controls_.back();
    DestroyWnd();
}

HWND WinControl::Handle() {
    // The parent's window first: making it makes this one too, and a second one made here
    // would leave the first orphaned, never painted.
    if (!handle_ && Parent()) Parent()->Handle();
    if (!handle_) CreateWnd();
    return handle_;
}

WinControl* WinControl::FromHandle(HWND window) {
    if (!window) return nullptr;
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId()) return nullptr;
    return static_cast<WinControl*>(GetPropW(window, kControlProperty));
}

int WinControl::IndexOfControl(const Control* control) const {
    auto found = std::find(controls_.begin(), controls_.end(), control);
    return found == controls_.end() ? -1 : int(found - controls_.begin());
}

void WinControl::MoveControl(Control* control, int index) {
    int current = IndexOfControl(control);
    if (current < 0) return;
    index = std::clamp(index, 0, ControlCount() - 1);
    controls_.erase(controls_.begin() + current);
    controls_.insert(controls_.begin() + index, control);
    // Restack the windows bottom to top so the screen follows the list.
    for (Control* child : controls_)
        if (auto* window = dynamic_cast<WinControl*>(child); window && window->handle_)
            SetWindowPos(window->handle_, HWND_TOP, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    control->Invalidate();
    Realign();
}

Control* WinControl::ControlAtPos(POINT point) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* control = *it;
        if (!IsWindowless(control) || !control->Visible() || !control->Enabled()) continue;
        RECT bounds = control->BoundsRect();
        if (PtInRect(&bounds, point) &&
            control->HitTest(point.x - control->Left(), point.y - control->Top()))
            return control;
    }
    return nullptr;
}

void WinControl::Realign() {
    if (alignDisabled_ > 0 || Loading() || Destroying()) return;
    if (aligning_) {
        // Laying out changed the client area (a scroll bar came or went): once more after.
        realignAgain_ = true;
        return;
    }
    aligning_ = true;
    try {
        // A few rounds at most: a layout that keeps changing its own space must not loop.
        for (int round = 0; round < 3; ++round) {
            realignAgain_ = false;
            RECT rect = ClientRect();
            AdjustClientRect(rect);
            AlignControls(rect);
            if (!realignAgain_) break;
        }
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void WinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0) Realign();
}

void WinControl::AlignControls(RECT rect) {
    const AlignKind order[] = {AlignKind::Top, AlignKind::Bottom, AlignKind::Left, AlignKind::Right,
                               AlignKind::Client};
    for (AlignKind kind : order) {
        std::vector<Control*> aligned;
        for (Control* control : controls_)
            if (control->Align() == kind && control->Visible()) aligned.push_back(control);
        // Controls of one kind keep the order of their positions, so moving one past another
        // reorders them.
        auto key = [kind](const Control* c) {
            switch (kind) {
            case AlignKind::Top:
                return c->Top();
            case AlignKind::Bottom:
                return -(c->Top() + c->Height());
            case AlignKind::Left:
                return c->Left();
            case AlignKind::Right:
                return -(c->Left() + c->Width());
            default:
                return 0;
            }
        };
        std::stable_sort(aligned.begin(), aligned.end(),
                         [&](const Control* a, const Control* b) { return key(a) < key(b); });
        for (Control* control : aligned) {
            RECT m{};
            if (control->AlignWithMargins()) {
                toolkit::Margins& margins = control->Margins();
                m = {margins.Left(), margins.Top(), margins.Right(), margins.Bottom()};
            }
            const int width = rect.right - rect.left - m.left - m.right;
            const int height = rect.bottom - rect.top - m.top - m.bottom;
            switch (kind) {
            case AlignKind::Top:
                control->ApplyBounds(rect.left + m.left, rect.top + m.top, width, control->Height(),
                                     true);
                rect.top += control->Height() + m.top + m.bottom;
                break;
            case AlignKind::Bottom:
                control->ApplyBounds(rect.left + m.left, rect.bottom - m.bottom - control->Height(),
                                     width, control->Height(), true);
                rect.bottom -= control->Height() + m.top + m.bottom;
                break;
            case AlignKind::Left:
                control->ApplyBounds(rect.left + m.left, rect.top + m.top, control->Width(), height,
                                     true);
                rect.left += control->Width() + m.left + m.right;
                break;
            case AlignKind::Right:
                control->ApplyBounds(rect.right - m.right - control->Width(), rect.top + m.top,
                                     control->Width(), height, true);
                rect.right -= control->Width() + m.left + m.right;
                break;
            default:
                control->ApplyBounds(rect.left + m.left, rect.top + m.top, width, height, true);
                break;
            }
        }
    }
    const int clientWidth = ClientWidth(), clientHeight = ClientHeight();
    for (Control* control : controls_)
        if (control->Align() == AlignKind::None) control->ApplyAnchors(clientWidth, clientHeight);
}

void WinControl::AdjustClientRect(RECT&) const {}

bool WinControl::Focused() const {
    return handle_ && GetFocus() == handle_;
}

bool WinControl::CanFocus() const {
    if (!ParentForm()) return false;
    for (const Control* control = this; control; control = control->Parent())
        if (!control->Visible() || !control->Enabled()) return false;
    return true;
}

void WinControl::SetFocus() {
    Form* form = ParentForm();
    if (form && form != this && !form->Visible()) {
        form->SetActiveControl(this);
        return;
    }
    if (!CanFocus()) throw Error(L"Cannot focus a disabled or invisible window");
    ::SetFocus(Handle());
}

int WinControl::TabOrder() const {
    if (!Parent()) return -1;
    const auto& list = Parent()->tabList_;
    auto found = std::find(list.begin(), list.end(), this);
    return found == list.end() ? -1 : int(found - list.begin());
}

void WinControl::SetTabOrder(int order) {
    if (Loading() || !Parent()) {
        // Descriptions name orders of siblings that may not exist yet: sort after reading.
        pendingTabOrder_ = order;
        return;
    }
    auto& list = Parent()->tabList_;
    auto found = std::find(list.begin(), list.end(), this);
    if (found == list.end()) return;
    list.erase(found);
    list.insert(list.begin() + std::clamp(order, 0, int(list.size())), this);
}

void WinControl::FixupTabOrder() {
    std::vector<std::pair<int, WinControl*>> keyed;
    for (int i = 0; i < int(tabList_.size()); ++i) {
        WinControl* child = tabList_[i];
        keyed.push_back({child->pendingTabOrder_ >= 0 ? child->pendingTabOrder_ : i, child});
        child->pendingTabOrder_ = -1;
    }
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (int i = 0; i < int(keyed.size()); ++i)
        tabList_[i] = keyed[i].second;
}

std::vector<WinControl*> WinControl::TabOrderList() const {
    std::vector<WinControl*> list;
    for (WinControl* child : tabList_) {
        list.push_back(child);
        std::vector<WinControl*> nested = child->TabOrderList();
        list.insert(list.end(), nested.begin(), nested.end());
    }
    return list;
}

WinControl* WinControl::FindNextControl(WinControl* current, bool forward,
                                        bool checkTabStop) const {
    std::vector<WinControl*> list = TabOrderList();
    const int count = int(list.size());
    if (count == 0) return nullptr;
    auto found = std::find(list.begin(), list.end(), current);
    int index = found == list.end() ? (forward ? -1 : count) : int(found - list.begin());
    for (int step = 0; step < count; ++step) {
        index = forward ? (index + 1) % count : (index - 1 + count) % count;
        WinControl* candidate = list[index];
        if (candidate == current) break;
        if (candidate->CanFocus() && (!checkTabStop || candidate->TabStop())) return candidate;
    }
    return nullptr;
}

void WinControl::SelectNext(WinControl* current, bool forward, bool checkTabStop) {
    if (WinControl* next = FindNextControl(current, forward, checkTabStop)) next->SetFocus();
}

void WinControl::Broadcast(UINT message, WPARAM wParam, LPARAM lParam) {
    for (Control* child : std::vector<Control*>(controls_))
        child->Perform(message, wParam, lParam);
}

LRESULT WinControl::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
    return handle_ ? WndProc(message, wParam, lParam) : 0;
}

void WinControl::Invalidate() {
    if (handle_) InvalidateRect(handle_, nullptr, FALSE);
}

void WinControl::Update() {
    if (handle_) UpdateWindow(handle_);
}

RECT WinControl::ClientRect() const {
    RECT rect{0, 0, Width(), Height()};
    if (handle_) GetClientRect(handle_, &rect);
    return rect;
}

POINT WinControl::ClientOrigin() const {
    if (!handle_) return Control::ClientOrigin();
    POINT origin{0, 0};
    ::ClientToScreen(handle_, &origin);
    return origin;
}

void WinControl::ChangeScale(int multiplier, int divider) {
    DisableAlign();
    Control::ChangeScale(multiplier, divider);
    ScaleChildren(multiplier, divider);
    EnableAlign();
}

void WinControl::ScaleChildren(int multiplier, int divider) {
    for (Control* child : std::vector<Control*>(controls_))
        child->ChangeScale(multiplier, divider);
}

void WinControl::Loaded() {
    Control::Loaded();
    FixupTabOrder();
    Realign();
}

void WinControl::KeyDown(WORD& key, ShiftState shift) {
    if (OnKeyDown) OnKeyDown(this, key, shift);
}

void WinControl::KeyUp(WORD& key, ShiftState shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

void WinControl::KeyPress(wchar_t& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void WinControl::KeyDownNotification(WORD, ShiftState, bool&) {}

bool WinControl::PreProcessKey(const MSG& message) {
    WORD key = WORD(message.wParam);
    ShiftState shift = KeyboardShiftState();
    bool allowNavigation = true;
    KeyDownNotification(key, shift, allowNavigation);
    if (!allowNavigation) return false;
    Form* form = ParentForm();
    return form && form->DialogKey(key, shift);
}

void WinControl::CreateParams(WindowParams& params) {
    params.caption = Caption();
    params.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | (Visible() ? WS_VISIBLE : 0);
    params.x = Left();
    params.y = Top();
    params.width = Width();
    params.height = Height();
    if (Parent()) params.parent = Parent()->Handle();
}

void WinControl::CreateWnd() {
    WindowParams params;
    CreateParams(params);
    if ((params.style & WS_CHILD) && !params.parent)
        throw Error(L"Control '" + Name() + L"' has no parent window");
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (params.systemClass.empty()) {
        const wchar_t* windowClass = WindowClassFor(params.classStyle, &StaticWndProc);
        CreateWindowExW(params.exStyle, windowClass, params.caption.c_str(), params.style, params.x,
                        params.y, params.width, params.height, params.parent, nullptr, instance,
                        this);
    } else {
        HWND window =
            CreateWindowExW(params.exStyle, params.systemClass.c_str(), params.caption.c_str(),
                            params.style, params.x, params.y, params.width, params.height,
                            params.parent, nullptr, instance, nullptr);
        if (window) {
            handle_ = window;
            SetPropW(window, kControlProperty, this);
            systemProc_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaticWndProc)));
            SendMessageW(window, WM_SETFONT, WPARAM(Font().Handle()), FALSE);
        }
    }
    if (!handle_) throw Error(L"Cannot create the window of '" + Name() + L"'");
    if (Parent())
        SetWindowPos(handle_, Parent()->WindowAbove(this), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SyncBoundsFromWindow();
    CreateChildHandles();
}

HWND WinControl::WindowAbove(const Control* child) const {
    // Later children lie above earlier ones, whenever their windows were made.
    auto it = std::find(controls_.begin(), controls_.end(), child);
    if (it == controls_.end()) return HWND_TOP;
    for (++it; it != controls_.end(); ++it)
        if (auto* window = dynamic_cast<WinControl*>(*it); window && window->handle_)
            return window->handle_;
    return HWND_TOP;
}

void WinControl::CreateChildHandles() {
    // A hidden child gets its window when it is first shown or asked for it: a window full
    // of hidden pages opens without making all their windows first.
    for (Control* child : controls_)
        if (auto* window = dynamic_cast<WinControl*>(child);
            window && !window->handle_ && window->Visible())
            window->CreateWnd();
}

void WinControl::DestroyWnd() {
    if (!handle_) return;
    HWND window = handle_;
    // Let go of the window first: what it hears while it goes down is no business of ours.
    RemovePropW(window, kControlProperty);
    if (systemProc_)
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemProc_));
    systemProc_ = nullptr;
    handle_ = nullptr;
    for (Control* child : controls_)
        if (auto* nested = dynamic_cast<WinControl*>(child)) nested->DestroyWnd();
    DestroyWindow(window);
}

void WinControl::UpdateStyles() {
    if (!handle_) return;
    WindowParams params;
    CreateParams(params);
    DWORD keep = WS_VISIBLE | WS_DISABLED | WS_MINIMIZE | WS_MAXIMIZE;
    DWORD style = (params.style & ~keep) | (GetWindowLongW(handle_, GWL_STYLE) & keep);
    SetWindowLongW(handle_, GWL_STYLE, LONG(style));
    SetWindowLongW(handle_, GWL_EXSTYLE, LONG(params.exStyle));
    SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

LRESULT CALLBACK WinControl::StaticWndProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* control = static_cast<WinControl*>(GetPropW(window, kControlProperty));
    if (!control && message == WM_NCCREATE) {
        control =
            static_cast<WinControl*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (control) {
            control->handle_ = window;
            SetPropW(window, kControlProperty, control);
        }
    }
    if (!control) return DefWindowProcW(window, message, wParam, lParam);
    try {
        return control->WndProc(message, wParam, lParam);
    } catch (...) {
        // Exceptions must not unwind through the system's window code.
        Application::Instance().HandleException(std::current_exception());
        return 0;
    }
}

LRESULT WinControl::DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = handle_;
    if (!window) return 0;
    if (systemProc_) return CallWindowProcW(systemProc_, window, message, wParam, lParam);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT WinControl::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        if (systemProc_) break;
        return 1;
    case WM_PAINT:
        if (systemProc_) break;
        PaintHandler();
        return 0;
    case WM_PRINTCLIENT:
        if (systemProc_) break;
        PaintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        HandleMouse(message, wParam, lParam);
        break;
    case WM_MOUSELEAVE: {
        trackingMouse_ = false;
        Control* hovered = Application::Instance().MouseControl();
        if (hovered == this || (hovered && hovered->Parent() == this && IsWindowless(hovered)))
            Application::Instance().SetMouseControl(nullptr);
        break;
    }
    case WM_CAPTURECHANGED:
        captureControl_ = nullptr;
        break;
    case WM_MOUSEWHEEL:
        return HandleMouseWheel(wParam, lParam);
    case WM_SETCURSOR:
        if (HandleSetCursor(wParam, lParam)) return TRUE;
        break;
    case WM_CONTEXTMENU: {
        POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (screen.x == -1 && screen.y == -1) screen = ClientToScreen({Width() / 2, Height() / 2});
        Control* child = ControlAtPos(ScreenToClient(screen));
        if ((child && child->ContextPopup(screen)) || ContextPopup(screen)) return 0;
        break;
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        WORD key = WORD(wParam);
        KeyDown(key, KeyboardShiftState());
        if (key == 0) return 0;
        return DefaultHandler(message, key, lParam);
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        WORD key = WORD(wParam);
        KeyUp(key, KeyboardShiftState());
        if (key == 0) return 0;
        return DefaultHandler(message, key, lParam);
    }
    case WM_CHAR: {
        wchar_t key = wchar_t(wParam);
        KeyPress(key);
        if (key == 0) return 0;
        return DefaultHandler(message, key, lParam);
    }
    case WM_SETFOCUS:
        if (Form* form = ParentForm(); form && form != this) form->SetFocusedControl(this);
        DoEnter();
        break;
    case WM_KILLFOCUS:
        DoExit();
        break;
    case WM_NCHITTEST:
        return NcHitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_SIZE:
        // The client area also changes without the window changing size, as when a
        // scroll bar shows: lay the children out again then.
        if (SIZE client{LOWORD(lParam), HIWORD(lParam)};
            client.cx != lastClientSize_.cx || client.cy != lastClientSize_.cy) {
            lastClientSize_ = client;
            Realign();
        }
        break;
    case WM_WINDOWPOSCHANGED: {
        LRESULT result = DefaultHandler(message, wParam, lParam);
        SyncBoundsFromWindow();
        return result;
    }
    case WM_NCDESTROY: {
        LRESULT result = DefaultHandler(message, wParam, lParam);
        RemovePropW(handle_, kControlProperty);
        handle_ = nullptr;
        systemProc_ = nullptr;
        return result;
    }
    default:
        break;
    }
    return DefaultHandler(message, wParam, lParam);
}

LRESULT WinControl::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ShiftState shift = MouseShiftState(wParam);
    RECT client = ClientRect();
    Control* under = ControlAtPos(point);
    if (!under) under = this;
    Control* target = captureControl_ ? captureControl_ : under;
    const POINT local =
        target == this ? point : POINT{point.x - target->Left(), point.y - target->Top()};

    auto button = [message] {
        switch (message) {
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
            return MouseButton::Right;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
        }
    }();

    switch (message) {
    case WM_MOUSEMOVE:
        TrackMouseLeave();
        // Enter and leave follow the control under the mouse, even while another one holds
        // the capture and gets the moves.
        Application::Instance().SetMouseControl(PtInRect(&client, point) ? under : nullptr);
        target->MouseMove(shift, local.x, local.y);
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        shift.Include(ShiftKey::Double);
        if (button == MouseButton::Left) target->DblClick();
        [[fallthrough]];
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        Application::Instance().Hints().Cancel();
        if (GetCapture() != handle_) SetCapture(handle_);
        captureControl_ = target == this ? nullptr : target;
        target->MouseDown(button, shift, local.x, local.y);
        break;
    default:
        if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
            captureControl_ = nullptr;
            if (GetCapture() == handle_) ReleaseCapture();
        }
        target->MouseUp(button, shift, local.x, local.y);
        break;
    }
    return 0;
}

LRESULT WinControl::HandleMouseWheel(WPARAM wParam, LPARAM lParam) {
    POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // Windows 10 sends the wheel to the window under the mouse, Wine and older systems to
    // the focused one: hand it on to the window under the mouse when that is ours.
    HWND under = WindowFromPoint(screen);
    if (under && under != handle_ && FromHandle(under) &&
        GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId() &&
        GetAncestor(under, GA_ROOT) == GetAncestor(handle_, GA_ROOT))
        return SendMessageW(under, WM_MOUSEWHEEL, wParam, lParam);
    Control* target = ControlAtPos(ScreenToClient(screen));
    if (!target) target = this;
    if (target->MouseWheel(MouseShiftState(GET_KEYSTATE_WPARAM(wParam)),
                           GET_WHEEL_DELTA_WPARAM(wParam), screen))
        return 0;
    return DefaultHandler(WM_MOUSEWHEEL, wParam, lParam);
}

bool WinControl::HandleSetCursor(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(wParam) != handle_ || LOWORD(lParam) != HTCLIENT) return false;
    POINT screen{};
    GetCursorPos(&screen);
    const Control* control = ControlAtPos(ScreenToClient(screen));
    if (!control) control = this;
    for (; control; control = control->Parent()) {
        if (control->Cursor() != CursorKind::Default) {
            ::SetCursor(LoadCursorW(nullptr, SystemCursor(control->Cursor())));
            return true;
        }
    }
    return false;
}

void WinControl::TrackMouseLeave() {
    if (trackingMouse_) return;
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, handle_, 0};
    trackingMouse_ = TrackMouseEvent(&track) != FALSE;
}

void WinControl::PaintHandler() {
    PaintDC paint(handle_);
    if (!doubleBuffered_) {
        PaintTo(paint.Get());
        return;
    }
    RECT client = ClientRect();
    Bitmap buffer(client.right, client.bottom, PixelFormatKind::Bits32);
    HDC bufferDC = buffer.Canvas().Handle();
    const RECT& update = paint.UpdateRect();
    IntersectClipRect(bufferDC, update.left, update.top, update.right, update.bottom);
    PaintTo(bufferDC);
    BitBlt(paint.Get(), update.left, update.top, update.right - update.left,
           update.bottom - update.top, bufferDC, update.left, update.top, SRCCOPY);
}

void WinControl::PaintTo(HDC dc) {
    {
        SavedDC saved(dc);
        canvas_.BeginPaint(dc);
        try {
            if (!Opaque()) {
                RECT client = ClientRect();
                canvas_.FillRect(client);
            }
            Paint();
        } catch (...) {
            canvas_.EndPaint();
            throw;
        }
        canvas_.EndPaint();
    }
    PaintControls(dc);
}

void WinControl::PaintControls(HDC dc) {
    RECT clip{};
    GetClipBox(dc, &clip);
    for (Control* control : controls_) {
        auto* graphic = dynamic_cast<GraphicControl*>(control);
        if (!graphic || !graphic->Visible()) continue;
        RECT bounds = graphic->BoundsRect(), overlap{};
        if (!IntersectRect(&overlap, &bounds, &clip)) continue;
        SavedDC saved(dc);
        OffsetViewportOrgEx(dc, bounds.left, bounds.top, nullptr);
        IntersectClipRect(dc, 0, 0, graphic->Width(), graphic->Height());
        graphic->PaintOn(dc);
    }
}

void WinControl::Paint() {}

void WinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void WinControl::DoExit() {
    if (OnExit) OnExit(this);
}

LRESULT WinControl::NcHitTest(POINT screenPoint) {
    return DefaultHandler(WM_NCHITTEST, 0, MAKELPARAM(screenPoint.x, screenPoint.y));
}

void WinControl::Resize() {
    Realign();
    Control::Resize();
}

void WinControl::VisibleChanged() {
    if (handle_)
        ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
    else if (Visible() && Parent() && Parent()->HandleAllocated())
        CreateWnd();
}

void WinControl::EnabledChanged() {
    if (handle_) EnableWindow(handle_, Enabled());
    Invalidate();
}

void WinControl::FontChanged() {
    if (handle_ && systemProc_) SendMessageW(handle_, WM_SETFONT, WPARAM(Font().Handle()), TRUE);
    Invalidate();
    for (Control* child : controls_)
        child->ParentFontChanged();
}

void WinControl::ColorChanged() {
    Invalidate();
    for (Control* child : controls_)
        child->ParentColorChanged();
}

void WinControl::TextChanged() {
    if (handle_) SetWindowTextW(handle_, Caption().c_str());
    Invalidate();
}

void WinControl::ParentChanged() {
    Control::ParentChanged();
    // The window belongs to the old parent's window: make it again under the new one.
    DestroyWnd();
    if (Parent() && Parent()->HandleAllocated()) CreateWnd();
}

void WinControl::BoundsChanged(const RECT&) {
    if (handle_ && !syncingBounds_)
        SetWindowPos(handle_, nullptr, Left(), Top(), Width(), Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinControl::SyncBoundsFromWindow() {
    if (!handle_ || IsIconic(handle_)) return;
    RECT rect{};
    GetWindowRect(handle_, &rect);
    HWND parent = GetParent(handle_);
    if (parent && (GetWindowLongW(handle_, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    // Our own moves come back here too; only a change made elsewhere (the user dragging a
    // frame, ScrollWindow moving children) is news, and it is taken as it is.
    RECT known = BoundsRect();
    if (EqualRect(&rect, &known)) return;
    syncingBounds_ = true;
    try {
        if (rect.right - rect.left == Width() && rect.bottom - rect.top == Height())
            MoveBy(rect.left - known.left, rect.top - known.top);
        else
            ApplyBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, true);
    } catch (...) {
        syncingBounds_ = false;
        throw;
    }
    syncingBounds_ = false;
}

void WinControl::Notification(Component* component) {
    Control::Notification(component);
    if (component == captureControl_) captureControl_ = nullptr;
}

void WinControl::InsertControl(Control* control) {
    controls_.push_back(control);
    control->parent_ = this;
    if (auto* window = dynamic_cast<WinControl*>(control)) tabList_.push_back(window);
    control->Invalidate();
    if (control->Align() != AlignKind::None) Realign();
    ControlsChanged();
}

void WinControl::RemoveControl(Control* control) {
    if (control == captureControl_) captureControl_ = nullptr;
    control->Invalidate();
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), control), tabList_.end());
    control->parent_ = nullptr;
    if (Destroying()) return;
    if (control->Align() != AlignKind::None) Realign();
    ControlsChanged();
}

} // namespace toolkit
