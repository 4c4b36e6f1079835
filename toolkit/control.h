#pragma once
// A visual component with a parent, bounds, alignment, font, colour and mouse input.
// GraphicControl (no window) and WinControl (its own HWND) derive from it.
#include "toolkit/color.h"
#include "toolkit/component.h"
#include "toolkit/control_types.h"
#include "toolkit/font.h"
#include "toolkit/margins.h"
#include "toolkit/size_constraints.h"

#include <windows.h>

#include <string>

namespace toolkit {

class Form;
class PopupMenu;
class WinControl;

class Control : public Component {
  public:
    explicit Control(Component* owner);
    ~Control() override;

    WinControl* Parent() const { return parent_; }
    void SetParent(WinControl* parent);
    // The top-level form this control lies on (itself for a form), or null.
    Form* ParentForm() const;
    // The position among the parent's controls: 0 lies at the bottom.
    int ZOrder() const;

    int Left() const { return left_; }
    void SetLeft(int left) { SetBounds(left, top_, width_, height_); }
    int Top() const { return top_; }
    void SetTop(int top) { SetBounds(left_, top, width_, height_); }
    int Width() const { return width_; }
    void SetWidth(int width) { SetBounds(left_, top_, width, height_); }
    int Height() const { return height_; }
    void SetHeight(int height) { SetBounds(left_, top_, width_, height); }
    // Bounds in the parent's client coordinates, limited by Constraints.
    virtual void SetBounds(int left, int top, int width, int height);
    RECT BoundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    void SetBoundsRect(const RECT& rect);

    virtual RECT ClientRect() const;
    int ClientWidth() const;
    void SetClientWidth(int width);
    int ClientHeight() const;
    void SetClientHeight(int height);
    // Screen position of the client area's top-left corner.
    virtual POINT ClientOrigin() const;
    POINT ClientToScreen(POINT point) const;
    POINT ScreenToClient(POINT point) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    AlignKind Align() const { return align_; }
    void SetAlign(AlignKind align);
    toolkit::Margins& Margins() { return margins_; }
    bool AlignWithMargins() const { return alignWithMargins_; }
    void SetAlignWithMargins(bool value);
    AnchorSet Anchors() const { return anchors_; }
    void SetAnchors(AnchorSet anchors);
    SizeConstraints& Constraints() { return constraints_; }

    toolkit::Font& Font() { return font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool value);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool value);
    const std::wstring& Caption() const { return caption_; }
    void SetCaption(const std::wstring& caption);
    const std::wstring& Hint() const { return hint_; }
    void SetHint(const std::wstring& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool value) { showHint_ = value; }
    toolkit::PopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(toolkit::PopupMenu* menu);
    CursorKind Cursor() const { return cursor_; }
    void SetCursor(CursorKind cursor) { cursor_ = cursor; }

    virtual void Invalidate();
    // Invalidates and paints at once.
    void Repaint();
    // Paints what is invalid now.
    virtual void Update();
    void BringToFront();
    void SendToBack();
    // Moves the control and what its anchors remember together, as scrolling its parent does.
    void MoveBy(int dx, int dy);

    // Whether a point of the client area takes the mouse; the parent window asks it before
    // it hands a window-less control mouse input.
    virtual bool HitTest(int x, int y) const;

    // Input, in this control's client coordinates; the window that received the message
    // calls these on itself or on the window-less child under the mouse.
    virtual void MouseDown(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseUp(MouseButton button, ShiftState shift, int x, int y);
    virtual void MouseMove(ShiftState shift, int x, int y);
    virtual void MouseEnter();
    virtual void MouseLeave();
    // true when handled; unhandled turns go on to the parent.
    virtual bool MouseWheel(ShiftState shift, int delta, POINT mousePos);
    virtual void Click();
    virtual void DblClick();
    // Opens PopupMenu at a screen point; true when there was one to open.
    virtual bool ContextPopup(POINT screenPoint);

    // Hands the control a message directly: a windowed control's window procedure gets it;
    // a window-less control has none and ignores it unless a subclass says otherwise.
    virtual LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam);

    // Scales bounds, font, margins and constraints by multiplier / divider (a DPI change).
    virtual void ChangeScale(int multiplier, int divider);

    void Loaded() override;

    NotifyEvent OnClick;
    NotifyEvent OnDblClick;
    NotifyEvent OnResize;
    MouseEvent OnMouseDown;
    MouseEvent OnMouseUp;
    MouseMoveEvent OnMouseMove;
    NotifyEvent OnMouseEnter;
    NotifyEvent OnMouseLeave;
    MouseWheelEvent OnMouseWheel;

  protected:
    // The part of ChangeScale that is not the bounds: font, margins, constraints, anchors.
    void ScaleProperties(int multiplier, int divider);
    // Applies bounds; anchor rules are retaken unless the layout itself moves the control.
    void ApplyBounds(int left, int top, int width, int height, bool byLayout);
    virtual void Resize();
    virtual void VisibleChanged();
    virtual void EnabledChanged();
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged();
    // The parent's font or colour changed; follow it where ParentFont / ParentColor ask to.
    virtual void ParentFontChanged();
    virtual void ParentColorChanged();
    // Called after the control was moved into a new parent.
    virtual void ParentChanged();
    // Called after the bounds changed; old is where the control was.
    virtual void BoundsChanged(const RECT& old);
    void Notification(Component* component) override;

    // Controls that cover their whole area when they paint skip the background fill.
    bool Opaque() const { return opaque_; }
    void SetOpaque(bool opaque) { opaque_ = opaque; }

  private:
    friend class WinControl;
    // Where an anchored control goes when its parent's client area has the given size.
    void UpdateAnchorRules();
    void ApplyAnchors(int parentWidth, int parentHeight);
    void RequestParentAlign();

    WinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    RECT anchorRect_{};
    SIZE anchorParentSize_{};
    bool anchorRulesTaken_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    AlignKind align_ = AlignKind::None;
    toolkit::Margins margins_;
    bool alignWithMargins_ = false;
    AnchorSet anchors_{Anchor::Left, Anchor::Top};
    SizeConstraints constraints_;
    toolkit::Font font_;
    bool parentFont_ = true;
    bool fontFromParent_ = false;
    TColor color_ = clBtnFace;
    bool parentColor_ = false;
    std::wstring caption_;
    std::wstring hint_;
    bool showHint_ = true;
    toolkit::PopupMenu* popupMenu_ = nullptr;
    // The menu as a component, kept for Notification: by the time a menu's Component part
    // reports its deletion, its PopupMenu part is gone.
    Component* popupMenuComponent_ = nullptr;
    CursorKind cursor_ = CursorKind::Default;
    bool clickPending_ = false;
    bool opaque_ = false;
};

} // namespace toolkit
