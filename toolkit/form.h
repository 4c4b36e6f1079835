#pragma once
// A top-level window: border styles, position, client size, caption, modal showing with a
// nested message loop, close queries, layering, always-on-top and a client-drawn title bar.
// A form may also be placed inside another control; it then becomes a child window.
#include "toolkit/handler_table.h"
#include "toolkit/title_bar.h"
#include "toolkit/win_control.h"

#include <functional>
#include <string>

namespace toolkit {

enum class BorderStyleKind { None, Single, Sizeable, Dialog, ToolWindow, SizeToolWin };
enum class BorderIcon { SystemMenu, Minimize, Maximize };
using BorderIconSet = EnumSet<BorderIcon>;
enum class PositionKind { Designed, ScreenCenter, MainFormCenter };
enum class FormStyleKind { Normal, StayOnTop };
enum class WindowStateKind { Normal, Minimized, Maximized };
enum class CloseAction { None, Hide, Free, Minimize };
enum class ModalResultKind {
    None = 0,
    Ok = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7,
    Close = 8,
    Help = 9,
    TryAgain = 10,
    Continue = 11,
    All = 12,
    NoToAll = 13,
    YesToAll = 14
};
const EnumNames<ModalResultKind>& ModalResultNames();

using CloseEvent = std::function<void(Component* sender, CloseAction& action)>;
using CloseQueryEvent = std::function<void(Component* sender, bool& canClose)>;

class Form : public WinControl {
  public:
    explicit Form(Component* owner);
    ~Form() override;

    // Reads this form's window description from an RCDATA resource of the program. Register
    // the handlers it names first; OnCreate follows once it is read.
    void ReadDescription(const std::wstring& resourceName);
    HandlerTable& Handlers() { return handlers_; }

    BorderStyleKind BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(BorderStyleKind style);
    BorderIconSet BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(BorderIconSet icons);
    PositionKind Position() const { return position_; }
    void SetPosition(PositionKind position) { position_ = position; }
    FormStyleKind FormStyle() const { return formStyle_; }
    void SetFormStyle(FormStyleKind style);
    WindowStateKind WindowState() const;
    void SetWindowState(WindowStateKind state);
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool value);
    int AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(int value);
    bool TransparentColor() const { return transparentColor_; }
    void SetTransparentColor(bool value);
    TColor TransparentColorValue() const { return transparentColorValue_; }
    void SetTransparentColorValue(TColor value);
    // The resolution the form was designed at; the form scales from it to its monitor's.
    int PixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int value) { pixelsPerInch_ = value; }
    bool Scaled() const { return scaled_; }
    void SetScaled(bool value) { scaled_ = value; }
    TitleBar& CustomTitleBar() { return titleBar_; }
    int TitleBarHeight() const;

    WinControl* ActiveControl() const { return activeControl_; }
    void SetActiveControl(WinControl* control);
    bool Active() const { return active_; }

    // Shows and activates the form.
    void Show();
    // Shows the form and runs a message loop until ModalResult is set or the form closes;
    // the application's other windows are disabled meanwhile.
    ModalResultKind ShowModal();
    bool Modal() const { return modal_; }
    ModalResultKind ModalResult() const { return modalResult_; }
    void SetModalResult(ModalResultKind result) { modalResult_ = result; }
    // Asks OnCloseQuery, then OnClose decides: hide, free, minimise, or stay. Closing the
    // main form ends the application.
    void Close();
    virtual bool CloseQuery();
    // Deletes the form once the message that asked for it is handled.
    void Release();

    // Tab and arrow navigation between the form's controls; true when the key was used.
    virtual bool DialogKey(WORD key, ShiftState shift);
    // A control of this form got the keyboard focus.
    void SetFocusedControl(WinControl* control);

    // Stops the window from drawing until UnlockWindowUpdate; nested calls count.
    void LockWindowUpdate();
    void UnlockWindowUpdate();

    void ChangeScale(int multiplier, int divider) override;
    RECT ClientRect() const override;
    void Loaded() override;

    NotifyEvent OnCreate;
    NotifyEvent OnShow;
    NotifyEvent OnHide;
    NotifyEvent OnActivate;
    NotifyEvent OnDeactivate;
    NotifyEvent OnPaint;
    CloseEvent OnClose;
    CloseQueryEvent OnCloseQuery;

  protected:
    virtual void DoCreate();
    virtual void DoShow();
    virtual void DoHide();
    virtual void DoClose(CloseAction& action);

    void CreateParams(WindowParams& params) override;
    void CreateWnd() override;
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT NcHitTest(POINT screenPoint) override;
    void Paint() override;
    void AlignControls(RECT rect) override;
    void AdjustClientRect(RECT& rect) const override;
    void VisibleChanged() override;
    void ParentChanged() override;
    void Notification(Component* component) override;

  private:
    void ComputeStyles(DWORD& style, DWORD& exStyle) const;
    // The client area reaches up to the top edge, under the title bar panel.
    bool TitleBarActive() const;
    // The frame around the client area for the current styles at the current DPI.
    RECT FrameInsets() const { return FrameInsets(TitleBarActive()); }
    RECT FrameInsets(bool titleBarActive) const;
    int CurrentDpi() const;
    // Applies changed styles to the window and sizes it around the given client area.
    void StylesChanged(int clientWidth, int clientHeight);
    void ApplyLayering();
    void ApplyPosition();
    void FillParent();
    void CloseModal();
    // Returns true when it moved the focus to the form's active control itself.
    bool Activated(bool active);
    void TitleBarChanged();

    HandlerTable handlers_;
    BorderStyleKind borderStyle_ = BorderStyleKind::Sizeable;
    BorderIconSet borderIcons_{BorderIcon::SystemMenu, BorderIcon::Minimize, BorderIcon::Maximize};
    PositionKind position_ = PositionKind::Designed;
    FormStyleKind formStyle_ = FormStyleKind::Normal;
    WindowStateKind windowState_ = WindowStateKind::Normal;
    bool alphaBlend_ = false;
    int alphaBlendValue_ = 255;
    bool transparentColor_ = false;
    TColor transparentColorValue_ = clBlack;
    int pixelsPerInch_ = 96;
    int currentPpi_ = 0;
    bool scaled_ = true;
    bool titleBarWasActive_ = false;
    TitleBar titleBar_;
    WinControl* activeControl_ = nullptr;
    bool active_ = false;
    bool modal_ = false;
    bool positioned_ = false;
    ModalResultKind modalResult_ = ModalResultKind::None;
    int updateLocks_ = 0;
    bool lockedUpdate_ = false;
};

} // namespace toolkit
