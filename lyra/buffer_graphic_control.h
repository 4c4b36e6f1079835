#pragma once
// The buffered base of the framework's window-less controls: the control draws into an
// off-screen bitmap when it is invalidated (PaintBuffer) and its parent's paint cycle only
// copies that bitmap. It tracks the mouse as an interaction state.
#include "lyra/types.h"
#include "toolkit/bitmap.h"
#include "toolkit/graphic_control.h"

#include <memory>

namespace lyra {

class LyBufferGraphicControl : public toolkit::GraphicControl {
  public:
    explicit LyBufferGraphicControl(toolkit::Component* AOwner);
    ~LyBufferGraphicControl() override;

    // The canvas of the off-screen drawing.
    toolkit::Canvas& Buffer() { return FBuffer->Canvas(); }
    toolkit::Bitmap& BufferBitmap() { return *FBuffer; }
    // The control's own canvas, on its parent's window.
    toolkit::Canvas& GetCanvas() { return Canvas(); }
    LyControlState Interaction() const { return FInteraction; }
    LyControlState PreviousInteraction() const { return FPreviousInteraction; }

    // Asks the parent for a paint, then redraws the buffer (without clearing it).
    void Invalidate() override;
    // Draws the buffer once the description has set every property, then ComponentLoaded.
    void Loaded() override;
    // Invalidates every transparent windowed framework sibling overlapping this control:
    // windowed controls always lie above window-less ones.
    void InvalidateControlsAbove();

    LyControlOnPaint OnPaint;
    LyControlOnPaint OnPaintBuffer;

  protected:
    // Draws the whole appearance into the buffer; the base raises OnPaintBuffer.
    virtual void PaintBuffer();
    // Called at the end of Loaded.
    virtual void ComponentLoaded() {}
    virtual void InteractionStateChanged(LyControlState) {}
    // Changes the state when it differs, recording the old one.
    void SetState(LyControlState AState);

    void Paint() override;
    void Resize() override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) override;
    void MouseUp(toolkit::MouseButton button, toolkit::ShiftState shift, int x, int y) override;
    bool ContextPopup(POINT screenPoint) override;

  private:
    LyControlState FInteraction = LyControlState::None;
    LyControlState FPreviousInteraction = LyControlState::None;
    std::unique_ptr<toolkit::Bitmap> FBuffer;
    // A right button release opened the menu; the context-menu message that follows it is
    // then already served.
    bool FPopupOpenedByMouse = false;
};

} // namespace lyra
