#include "lyra/buffer_graphic_control.h"

#include "lyra/control_layers.h"
#include "toolkit/popup_menu.h"
#include "toolkit/win_control.h"

#include <algorithm>
#include <utility>

namespace lyra {

LyBufferGraphicControl::LyBufferGraphicControl(toolkit::Component* AOwner)
    : toolkit::GraphicControl(AOwner), FBuffer(std::make_unique<toolkit::Bitmap>(0, 0)) {
    PublishEvent(L"OnPaint", OnPaint);
    PublishEvent(L"OnPaintBuffer", OnPaintBuffer);
}

LyBufferGraphicControl::~LyBufferGraphicControl() {
    MarkDestroying();
    FBuffer.reset();
}

void LyBufferGraphicControl::Invalidate() {
    toolkit::GraphicControl::Invalidate();
    if (!Parent() || !FBuffer || Loading() || Destroying()) return;
    if (FBuffer->Width() != Width() || FBuffer->Height() != Height())
        FBuffer->SetSize(std::max(Width(), 0), std::max(Height(), 0));
    PaintBuffer();
}

void LyBufferGraphicControl::PaintBuffer() {
    if (OnPaintBuffer) OnPaintBuffer(this);
}

void LyBufferGraphicControl::Loaded() {
    toolkit::GraphicControl::Loaded();
    Invalidate();
    ComponentLoaded();
}

void LyBufferGraphicControl::Paint() {
    Canvas().Draw(0, 0, *FBuffer);
    if (!Loading()) InvalidateControlsAbove();
    if (OnPaint) OnPaint(this);
}

void LyBufferGraphicControl::InvalidateControlsAbove() {
    InvalidateTransparentSiblings(*this, false);
}

void LyBufferGraphicControl::Resize() {
    toolkit::GraphicControl::Resize();
    Invalidate();
}

void LyBufferGraphicControl::SetState(LyControlState AState) {
    if (AState == FInteraction) return;
    FPreviousInteraction = FInteraction;
    FInteraction = AState;
    InteractionStateChanged(AState);
}

void LyBufferGraphicControl::MouseEnter() {
    SetState(LyControlState::Hover);
    toolkit::GraphicControl::MouseEnter();
}

void LyBufferGraphicControl::MouseLeave() {
    SetState(LyControlState::None);
    toolkit::GraphicControl::MouseLeave();
}

void LyBufferGraphicControl::MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift,
                                       int x, int y) {
    toolkit::GraphicControl::MouseDown(button, shift, x, y);
    if (FInteraction == LyControlState::Hover && button == toolkit::MouseButton::Left)
        SetState(LyControlState::Press);
}

void LyBufferGraphicControl::MouseUp(toolkit::MouseButton button, toolkit::ShiftState shift, int x,
                                     int y) {
    toolkit::GraphicControl::MouseUp(button, shift, x, y);
    SetState(LyControlState::Hover);
    if (button == toolkit::MouseButton::Right && PopupMenu()) {
        FPopupOpenedByMouse = true;
        const POINT screen = ClientToScreen({x, y});
        PopupMenu()->Popup(screen.x, screen.y);
    }
}

bool LyBufferGraphicControl::ContextPopup(POINT screenPoint) {
    if (std::exchange(FPopupOpenedByMouse, false)) return true;
    return toolkit::GraphicControl::ContextPopup(screenPoint);
}

} // namespace lyra
