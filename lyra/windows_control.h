#pragma once
// The buffered base of every framework control with a window of its own. The control draws
// its whole appearance into an off-screen bitmap (PaintBuffer) when it is invalidated while it
// shows on screen; one that does not show (its window not made yet, on a hidden page) draws
// when the bitmap is next needed, on its next system paint or when another control reads it,
// so a window full of controls opens with each drawn once. A system paint only copies that
// bitmap to the screen, blended with Opacity over the
// background composed from the buffers of the sibling controls beneath it. It tracks the
// mouse as an interaction state, draws a focus line after keyboard entry, may keep Tab and
// arrow keys for itself, and scales its text font and padding with the screen's DPI.
#include "lyra/padding.h"
#include "lyra/types.h"
#include "toolkit/bitmap.h"
#include "toolkit/font.h"
#include "toolkit/win_control.h"

#include <memory>

namespace lyra {

// The platform's custom windowed control.
class LyCustomControl : public toolkit::WinControl {
  public:
    using toolkit::WinControl::WinControl;
};

class LyWindowsControl : public LyCustomControl {
  public:
    explicit LyWindowsControl(toolkit::Component* AOwner);
    ~LyWindowsControl() override;

    // The canvas of the off-screen drawing.
    toolkit::Canvas& Buffer() { return FBuffer->Canvas(); }
    // The finished drawing: brought up to date first when the control was invalidated.
    toolkit::Bitmap& BufferBitmap();

    toolkit::Font& TextFont() { return *FTextFont; }
    bool BufferedComponent() const { return FBufferedComponent; }
    void SetBufferedComponent(bool Value) { FBufferedComponent = Value; }
    bool AutoFocusLine() const { return FAutoFocusLine; }
    void SetAutoFocusLine(bool Value) { FAutoFocusLine = Value; }
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    BYTE Opacity() const { return FOpacity; }
    void SetOpacity(BYTE Value);
    LyPadding& PaddingFill() { return *FPadding; }
    LyFocusFlags FocusFlags() const { return FFocusFlags; }
    void SetFocusFlags(LyFocusFlags Value) { FFocusFlags = Value; }
    bool HitTest() const { return FHitTest; }
    void SetHitTest(bool Value) { FHitTest = Value; }
    LyControlState Interaction() const { return FInteraction; }
    LyControlState PreviousInteraction() const { return FPreviousInteraction; }
    // Whether the keyboard brought the focus here and no click came since.
    bool HasEnteredTab() const { return FHasEnteredTab; }
    bool Created() const { return FCreated; }
    const RECT& FocusRect() const { return FFocusRect; }

    // (0, 0, Width, Height) with the padding applied: children align within it.
    RECT PaddedClientRect() const;
    // Rebuilds the buffer (clear, PaintBuffer), at once or when next needed (see above),
    // then asks the system for a paint.
    void Invalidate() override;
    void ChangeScale(int multiplier, int divider) override;
    // Draws the buffer once the description has set every property.
    void Loaded() override;

    // Changes the state (only to a new one unless Force), recording the old one when
    // SavePrevious, and calls InteractionStateChanged.
    void SetState(LyControlState AState, bool Force, bool SavePrevious);
    void SetState(LyControlState AState) { SetState(AState, false, true); }
    // Composes the background and draws it onto the buffer at (0, 0).
    void PaintBackground();
    // Gives the buffer and the background the control's size when it changed.
    void ResizeBuffer();
    // Rebuilds the buffer when an invalidation left it out of date.
    void UpdateBuffer();
    // Fills the buffer with the control's colour.
    void ClearBuffer();
    // The parent's background when it is a framework control, else Default.
    toolkit::TColor GetParentBackgroundColor(toolkit::TColor Default) const;
    // Invalidates the transparent windowed siblings above that overlap this control, so
    // they compose their background again.
    void InvalidateControlsAbove();
    // Copies the current buffer to the screen now, without rebuilding it.
    void RepaintFromBuffer();

    LyControlOnPaint OnPaint;
    LyControlOnPaint OnPaintBuffer;

  protected:
    // Draws the whole appearance into the buffer; overrides usually start with
    // PaintBackground and end with this, which raises OnPaintBuffer.
    virtual void PaintBuffer();
    // Fills the bitmap with the control's colour, then, when Transparent, copies into it what
    // the buffered siblings beneath (lower component index) show where they overlap.
    virtual void DrawBackground(toolkit::Bitmap& Background);
    // Called right after the window was made.
    virtual void HandleCreated() {}
    // Where the focus line goes: the padded client rectangle, right and bottom 2 pixels in.
    virtual void UpdateFocusRect();
    // The text font changed.
    virtual void FontUpdate();
    // Opens PopupMenu at a client point.
    virtual void OpenPopupMenu(int X, int Y);
    // Whether OpenPopupMenu has a menu to open: PopupMenu, or a control's built-in one.
    virtual bool HasPopupMenu() const { return PopupMenu() != nullptr; }
    // Scales the text font and the padding.
    virtual void ScaleChanged(float Scaling);
    // Clears CanHandle for the keys FocusFlags keeps, so they reach the control instead of
    // moving the focus.
    virtual void HandleKeyDown(bool& CanHandle, WORD Key, toolkit::ShiftState Shift);
    // The interaction state changed; the base copies the buffer to the screen again.
    virtual void InteractionStateChanged(LyControlState AState);

    // The system paint: copies the buffer (blended over the background below Opacity 255),
    // draws the focus line when due, invalidates the transparent controls above, raises
    // OnPaint.
    void Paint() override;
    void CreateWnd() override;
    // Every change of size, by code or by the system, redraws the buffer at the new size.
    void Resize() override;
    void AdjustClientRect(RECT& rect) const override;
    LRESULT NcHitTest(POINT screenPoint) override;
    void KeyDownNotification(WORD key, toolkit::ShiftState shift, bool& allowNavigation) override;
    // The menu key and Shift+F10 open the control's menu (its built-in one too).
    void KeyDown(WORD& key, toolkit::ShiftState shift) override;
    void KeyUp(WORD& key, toolkit::ShiftState shift) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) override;
    void MouseUp(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) override;
    bool ContextPopup(POINT screenPoint) override;
    void DoEnter() override;
    void DoExit() override;
    void EnabledChanged() override;
    // A framework control takes the colours of its new surroundings.
    void ParentChanged() override;

  private:
    bool FocusLineDue();
    void DrawFocusLine();

    std::unique_ptr<toolkit::Bitmap> FBuffer;
    bool FBufferedComponent = true;
    bool FBufferStale = false;
    RECT FFocusRect{};
    bool FAutoFocusLine = false;
    bool FHasEnteredTab = false;
    LyControlState FInteraction = LyControlState::None;
    LyControlState FPreviousInteraction = LyControlState::None;
    bool FCreated = false;
    bool FTransparent = true;
    BYTE FOpacity = 255;
    std::unique_ptr<toolkit::Bitmap> FBackground;
    std::unique_ptr<LyPadding> FPadding;
    std::unique_ptr<toolkit::Font> FTextFont;
    LyFocusFlags FFocusFlags;
    bool FHitTest = true;
    // A right button release or the menu key opened the menu; the context-menu message the
    // system makes of them is then already served.
    bool FPopupOpened = false;
    // The key that opened the menu; its release is kept from the system, which would open
    // the menu again.
    WORD FMenuKey = 0;
};

} // namespace lyra
