#include "lyra/windows_control.h"

#include "lyra/colors.h"
#include "lyra/control_interface.h"
#include "lyra/control_layers.h"
#include "lyra/gdi_shapes.h"
#include "lyra/theme_manager.h"
#include "toolkit/popup_menu.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace lyra {

LyWindowsControl::LyWindowsControl(toolkit::Component* AOwner)
    : LyCustomControl(AOwner), FBuffer(std::make_unique<toolkit::Bitmap>(0, 0)),
      FBackground(std::make_unique<toolkit::Bitmap>(0, 0)),
      FPadding(std::make_unique<LyPadding>(this)), FTextFont(std::make_unique<toolkit::Font>()) {
    FTextFont->SetName(L"Segoe UI");
    FTextFont->SetHeight(ThemeManager().FormFontHeight());
    FTextFont->OnChange = [this] { FontUpdate(); };
    SetTabStop(true);
    SetParentColor(false);
    SetOpaque(true);
    Canvas().Brush().SetStyle(toolkit::BrushStyle::Clear);

    PublishObject(L"Font", *FTextFont);
    Publish(L"Transparent", &LyWindowsControl::Transparent, &LyWindowsControl::SetTransparent);
    Publish<int>(
        L"Opacity", [this] { return int(FOpacity); },
        [this](const int& value) { SetOpacity(BYTE(std::clamp(value, 0, 255))); });
    PublishObject(L"PaddingFill", *FPadding);
    PublishSet(L"FocusFlags", &LyWindowsControl::FocusFlags, &LyWindowsControl::SetFocusFlags,
               LyFocusFlagNames());
    Publish(L"HitTest", &LyWindowsControl::HitTest, &LyWindowsControl::SetHitTest);
    PublishEvent(L"OnPaint", OnPaint);
    PublishEvent(L"OnPaintBuffer", OnPaintBuffer);
}

LyWindowsControl::~LyWindowsControl() {
    MarkDestroying();
    FTextFont.reset();
    FPadding.reset();
    FBuffer.reset();
    FBackground.reset();
}

void LyWindowsControl::SetTransparent(bool Value) {
    FTransparent = Value;
    Invalidate();
}

void LyWindowsControl::SetOpacity(BYTE Value) {
    FOpacity = Value;
    Invalidate();
}

RECT LyWindowsControl::PaddedClientRect() const {
    return FPadding->ApplyTo({0, 0, Width(), Height()});
}

void LyWindowsControl::AdjustClientRect(RECT& rect) const {
    rect = PaddedClientRect();
}

void LyWindowsControl::Invalidate() {
    // While a description is read the buffer waits for Loaded, when every property is set.
    if (FBufferedComponent && FBuffer && Parent() && !Loading() && !Destroying()) {
        FBufferStale = true;
        // On screen the drawing is brought up to date at once; a control that is not
        // showing draws when it is next needed.
        if (HWND window = ExistingHandle(); window && IsWindowVisible(window)) UpdateBuffer();
    }
    LyCustomControl::Invalidate();
}

void LyWindowsControl::UpdateBuffer() {
    if (!FBufferStale || !FBuffer || Destroying()) return;
    // Cleared first: whatever the drawing reads or invalidates, it is drawn once.
    FBufferStale = false;
    ResizeBuffer();
    ClearBuffer();
    PaintBuffer();
}

toolkit::Bitmap& LyWindowsControl::BufferBitmap() {
    UpdateBuffer();
    return *FBuffer;
}

void LyWindowsControl::ResizeBuffer() {
    const int width = std::max(Width(), 0), height = std::max(Height(), 0);
    if (FBuffer->Width() == width && FBuffer->Height() == height) return;
    FBuffer->SetSize(width, height);
    FBackground->SetSize(width, height);
}

void LyWindowsControl::ClearBuffer() {
    toolkit::Canvas& canvas = Buffer();
    canvas.Brush().SetStyle(toolkit::BrushStyle::Solid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect({0, 0, FBuffer->Width(), FBuffer->Height()});
}

void LyWindowsControl::PaintBuffer() {
    if (OnPaintBuffer) OnPaintBuffer(this);
}

void LyWindowsControl::DrawBackground(toolkit::Bitmap& Background) {
    toolkit::Canvas& canvas = Background.Canvas();
    canvas.Brush().SetStyle(toolkit::BrushStyle::Solid);
    canvas.Brush().SetColor(Color());
    canvas.FillRect({0, 0, Background.Width(), Background.Height()});
    if (FTransparent && Parent()) CopyBuffersBeneath(*this, Background);
}

void LyWindowsControl::PaintBackground() {
    DrawBackground(*FBackground);
    Buffer().Draw(0, 0, *FBackground);
}

void LyWindowsControl::Paint() {
    UpdateBuffer();
    if (FBufferedComponent) {
        if (FOpacity == 255) {
            Canvas().Draw(0, 0, *FBuffer);
        } else {
            toolkit::Bitmap blended(FBuffer->Width(), FBuffer->Height());
            blended.Canvas().Draw(0, 0, *FBackground);
            blended.Canvas().Draw(0, 0, *FBuffer, FOpacity);
            Canvas().Draw(0, 0, blended);
        }
    }
    if (FocusLineDue()) {
        UpdateFocusRect();
        DrawFocusLine();
    }
    if (!Loading()) InvalidateControlsAbove();
    if (OnPaint) OnPaint(this);
}

bool LyWindowsControl::FocusLineDue() {
    return FAutoFocusLine && FHasEnteredTab && Focused();
}

void LyWindowsControl::DrawFocusLine() {
    const Gdiplus::Pen pen(Gdiplus::Color(MakeGPColor(ThemeManager().SystemColor.ForeGround)), 2);
    GDIRoundRect(Canvas(), TRoundRect(FFocusRect, 8), nullptr, &pen);
}

void LyWindowsControl::UpdateFocusRect() {
    FFocusRect = PaddedClientRect();
    FFocusRect.right -= 2;
    FFocusRect.bottom -= 2;
}

void LyWindowsControl::RepaintFromBuffer() {
    if (HandleAllocated())
        RedrawWindow(ExistingHandle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void LyWindowsControl::InvalidateControlsAbove() {
    InvalidateTransparentSiblings(*this, true);
}

toolkit::TColor LyWindowsControl::GetParentBackgroundColor(toolkit::TColor Default) const {
    if (auto* parent = dynamic_cast<const LyControl*>(Parent())) return parent->Background();
    return Default;
}

void LyWindowsControl::SetState(LyControlState AState, bool Force, bool SavePrevious) {
    if (!Force && AState == FInteraction) return;
    if (SavePrevious) FPreviousInteraction = FInteraction;
    FInteraction = AState;
    InteractionStateChanged(AState);
}

void LyWindowsControl::InteractionStateChanged(LyControlState) {
    RepaintFromBuffer();
}

void LyWindowsControl::FontUpdate() {
    Invalidate();
}

void LyWindowsControl::OpenPopupMenu(int X, int Y) {
    if (!PopupMenu()) return;
    const POINT screen = ClientToScreen({X, Y});
    PopupMenu()->Popup(screen.x, screen.y);
}

void LyWindowsControl::ScaleChanged(float Scaling) {
    FTextFont->SetHeight(int(std::lrint(float(FTextFont->Height()) * Scaling)));
    FPadding->ScaleChanged(Scaling);
}

void LyWindowsControl::ChangeScale(int multiplier, int divider) {
    LyCustomControl::ChangeScale(multiplier, divider);
    ScaleChanged(float(multiplier) / float(divider));
    // The children align within the scaled padding.
    Realign();
    Invalidate();
}

void LyWindowsControl::HandleKeyDown(bool& CanHandle, WORD Key, toolkit::ShiftState) {
    static constexpr struct {
        WORD key;
        LyFocusFlag flag;
    } kept[] = {{VK_TAB, LyFocusFlag::CatchTab},
                {VK_LEFT, LyFocusFlag::CatchLeft},
                {VK_UP, LyFocusFlag::CatchUp},
                {VK_RIGHT, LyFocusFlag::CatchRight},
                {VK_DOWN, LyFocusFlag::CatchDown}};
    for (const auto& entry : kept)
        if (entry.key == Key && FFocusFlags.Contains(entry.flag)) CanHandle = false;
}

void LyWindowsControl::KeyDownNotification(WORD key, toolkit::ShiftState shift,
                                           bool& allowNavigation) {
    LyCustomControl::KeyDownNotification(key, shift, allowNavigation);
    bool canHandle = true;
    HandleKeyDown(canHandle, key, shift);
    if (!canHandle) allowNavigation = false;
}

void LyWindowsControl::KeyDown(WORD& key, toolkit::ShiftState shift) {
    LyCustomControl::KeyDown(key, shift);
    // The open menu may have taken the release of the last menu key.
    FMenuKey = 0;
    FPopupOpened = false;
    const bool menuKey =
        key == VK_APPS || (key == VK_F10 && shift.Contains(toolkit::ShiftKey::Shift));
    if (!menuKey || !HasPopupMenu()) return;
    FMenuKey = key;
    FPopupOpened = true;
    key = 0;
    OpenPopupMenu(Width() / 2, Height() / 2);
}

void LyWindowsControl::KeyUp(WORD& key, toolkit::ShiftState shift) {
    LyCustomControl::KeyUp(key, shift);
    if (key == 0 || key != FMenuKey) return;
    FMenuKey = 0;
    key = 0;
}

void LyWindowsControl::CreateWnd() {
    FCreated = true;
    LyCustomControl::CreateWnd();
    HandleCreated();
    // What the control drew before its window existed may predate its final size.
    Invalidate();
}

void LyWindowsControl::Loaded() {
    LyCustomControl::Loaded();
    Invalidate();
}

void LyWindowsControl::Resize() {
    LyCustomControl::Resize();
    Invalidate();
}

LRESULT LyWindowsControl::NcHitTest(POINT screenPoint) {
    if (!FHitTest) return HTTRANSPARENT;
    return LyCustomControl::NcHitTest(screenPoint);
}

void LyWindowsControl::MouseEnter() {
    SetState(LyControlState::Hover);
    LyCustomControl::MouseEnter();
}

void LyWindowsControl::MouseLeave() {
    SetState(LyControlState::None);
    LyCustomControl::MouseLeave();
}

void LyWindowsControl::MouseDown(toolkit::MouseButton button, toolkit::ShiftState shift, int x,
                                 int y) {
    LyCustomControl::MouseDown(button, shift, x, y);
    if (FInteraction == LyControlState::Hover && button == toolkit::MouseButton::Left)
        SetState(LyControlState::Press);
    if (FInteraction == LyControlState::Press && !Focused()) SetFocus();
    if (FHasEnteredTab) {
        FHasEnteredTab = false;
        if (FAutoFocusLine) RepaintFromBuffer();
    }
}

void LyWindowsControl::MouseUp(toolkit::MouseButton button, toolkit::ShiftState shift, int x,
                               int y) {
    LyCustomControl::MouseUp(button, shift, x, y);
    SetState(LyControlState::Hover);
    if (button == toolkit::MouseButton::Right) {
        FPopupOpened = HasPopupMenu();
        OpenPopupMenu(x, y);
    }
}

bool LyWindowsControl::ContextPopup(POINT screenPoint) {
    if (std::exchange(FPopupOpened, false)) return true;
    if (!HasPopupMenu()) return false;
    const POINT client = ScreenToClient(screenPoint);
    OpenPopupMenu(client.x, client.y);
    return true;
}

void LyWindowsControl::DoEnter() {
    LyCustomControl::DoEnter();
    if (FAutoFocusLine && FInteraction != LyControlState::Press) {
        FHasEnteredTab = true;
        RepaintFromBuffer();
    }
}

void LyWindowsControl::DoExit() {
    LyCustomControl::DoExit();
    if (FAutoFocusLine) {
        FHasEnteredTab = false;
        RepaintFromBuffer();
    }
}

void LyWindowsControl::ParentChanged() {
    LyCustomControl::ParentChanged();
    if (!Parent() || Loading() || Destroying()) return;
    if (auto* control = dynamic_cast<LyControl*>(this)) control->UpdateTheme(false);
}

void LyWindowsControl::EnabledChanged() {
    LyCustomControl::EnabledChanged();
    if (!FBufferedComponent) return;
    if (auto* control = dynamic_cast<LyControl*>(this)) {
        control->UpdateTheme(false);
        Invalidate();
    }
}

} // namespace lyra
