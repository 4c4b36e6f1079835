#pragma once
// A control with its own window (made when first needed). It holds child controls, takes
// the keyboard focus, routes its window messages to virtual handlers, and paints itself
// and its window-less children.
#include "toolkit/control.h"
#include "toolkit/control_canvas.h"

#include <windows.h>

#include <string>
#include <vector>

namespace toolkit {

// What CreateWnd makes the window from; CreateParams fills it.
struct WindowParams {
    std::wstring caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
    UINT classStyle = CS_DBLCLKS;
    // A system window class (a rich edit, ...) to make and subclass instead of our own.
    std::wstring systemClass;
};

class WinControl : public Control {
  public:
    explicit WinControl(Component* owner);
    ~WinControl() override;

    // The window, made with its parents' on first use.
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    // The window if it exists; unlike Handle() it never makes one.
    HWND ExistingHandle() const { return handle_; }
    // The control of one of this process's windows, or null.
    static WinControl* FromHandle(HWND window);

    int ControlCount() const { return int(controls_.size()); }
    Control* Controls(int index) const { return controls_.at(index); }
    int IndexOfControl(const Control* control) const;
    // Moves a child in the z-order (0 = bottom); windowed children always lie above
    // window-less ones on screen.
    void MoveControl(Control* control, int index);
    // The topmost visible window-less child at a client point that takes the mouse.
    Control* ControlAtPos(POINT point) const;

    // Lays the children out again: aligned ones by Align, the others by their anchors.
    void Realign();
    void DisableAlign() { ++alignDisabled_; }
    void EnableAlign();

    bool Focused() const;
    virtual bool CanFocus() const;
    // Focuses the control, or, while its form is hidden, makes it the form's active control.
    void SetFocus();
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }
    // This control's windowed descendants in tab order, each before its own children.
    std::vector<WinControl*> TabOrderList() const;
    // The next focusable control after current in tab order, wrapping round; null when none.
    WinControl* FindNextControl(WinControl* current, bool forward, bool checkTabStop) const;
    void SelectNext(WinControl* current, bool forward, bool checkTabStop);

    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool value) { doubleBuffered_ = value; }
    toolkit::Canvas& Canvas() { return canvas_; }

    // Performs a message on every child control (as a form tells its children it moved).
    void Broadcast(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam) override;

    void Invalidate() override;
    void Update() override;
    RECT ClientRect() const override;
    POINT ClientOrigin() const override;
    void ChangeScale(int multiplier, int divider) override;
    void Loaded() override;

    virtual void KeyDown(WORD& key, ShiftState shift);
    virtual void KeyUp(WORD& key, ShiftState shift);
    virtual void KeyPress(wchar_t& key);
    // A key is about to go to the form's dialog navigation (Tab, arrows); clear
    // allowNavigation to receive it as an ordinary key instead.
    virtual void KeyDownNotification(WORD key, ShiftState shift, bool& allowNavigation);
    // The message loop's look at a key message before it is dispatched: true when dialog
    // navigation used it.
    bool PreProcessKey(const MSG& message);

    NotifyEvent OnEnter;
    NotifyEvent OnExit;
    KeyEvent OnKeyDown;
    KeyEvent OnKeyUp;
    KeyPressEvent OnKeyPress;

  protected:
    virtual void CreateParams(WindowParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    // Applies the styles of CreateParams to the existing window.
    void UpdateStyles();
    virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);
    // What the window would do without us: DefWindowProc, or the system class's procedure.
    LRESULT DefaultHandler(UINT message, WPARAM wParam, LPARAM lParam);
    // Paints the client area on Canvas(); the background is already filled with Color
    // unless the control is Opaque. Window-less children are painted afterwards.
    virtual void Paint();
    virtual void AlignControls(RECT rect);
    void ScaleChildren(int multiplier, int divider);
    // A child came, went, moved, resized, showed or hid by something other than this
    // control's own layout.
    virtual void ControlsChanged() {}
    // The part of the client area that aligned children share.
    virtual void AdjustClientRect(RECT& rect) const;
    virtual void DoEnter();
    virtual void DoExit();
    // WM_NCHITTEST: which part of the window lies at a screen point.
    virtual LRESULT NcHitTest(POINT screenPoint);

    void Resize() override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void FontChanged() override;
    void ColorChanged() override;
    void TextChanged() override;
    void ParentChanged() override;
    void BoundsChanged(const RECT& old) override;
    void Notification(Component* component) override;

  private:
    friend class Control;
    void InsertControl(Control* control);
    void RemoveControl(Control* control);
    void CreateChildHandles();
    // The window a new window of this child goes below: that of the next later child that
    // has one, or the top.
    HWND WindowAbove(const Control* child) const;
    void PaintHandler();
    void PaintTo(HDC dc);
    void PaintControls(HDC dc);
    LRESULT HandleMouse(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMouseWheel(WPARAM wParam, LPARAM lParam);
    bool HandleSetCursor(WPARAM wParam, LPARAM lParam);
    void TrackMouseLeave();
    void SyncBoundsFromWindow();
    void FixupTabOrder();
    static LRESULT CALLBACK StaticWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND handle_ = nullptr;
    WNDPROC systemProc_ = nullptr;
    std::vector<Control*> controls_;
    std::vector<WinControl*> tabList_;
    int pendingTabOrder_ = -1;
    bool tabStop_ = false;
    int alignDisabled_ = 0;
    bool aligning_ = false;
    bool realignAgain_ = false;
    bool doubleBuffered_ = false;
    bool syncingBounds_ = false;
    bool trackingMouse_ = false;
    SIZE lastClientSize_{};
    Control* captureControl_ = nullptr;
    ControlCanvas canvas_;
};

} // namespace toolkit
