#include "lyra/scrollbar.h"

#include "lyra/gdi_shapes.h"
#include "lyra/theme_manager.h"
#include "toolkit/application.h"
#include "vel/gdiplus_session.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace lyra {

namespace {

// The first repeat of a held arrow waits a little longer, like a held key.
constexpr int RepeatDelay = 500;
constexpr int RepeatInterval = 50;
constexpr int FadeInterval = 10;
constexpr int FadeStep = 15;
constexpr int MinimumThumb = 20;
constexpr int DefaultThumb = 40;

// The layout is worked out for a vertical bar; a horizontal one uses it mirrored along the
// diagonal, so x and y (and width and height) swap places.
POINT Transposed(POINT point, bool vertical) {
    return vertical ? point : POINT{point.y, point.x};
}

RECT Transposed(const RECT& rect, bool vertical) {
    return vertical ? rect : RECT{rect.top, rect.left, rect.bottom, rect.right};
}

bool Contains(const RECT& rect, POINT point) {
    return PtInRect(&rect, point) != FALSE;
}

} // namespace

const toolkit::EnumNames<LyOrientation>& LyOrientationNames() {
    static const toolkit::EnumNames<LyOrientation> names = {
        {L"Horizontal", LyOrientation::Horizontal}, {L"Vertical", LyOrientation::Vertical}};
    return names;
}

int ThumbLength(int TrackLength, std::int64_t Range, int PageSize, int CustomSize) {
    if (TrackLength <= 0) return 0;
    if (CustomSize > 0) return std::min(CustomSize, TrackLength);
    // Everything fits on one page: nothing to scroll, the thumb fills the track.
    if (Range < PageSize) return TrackLength;
    int length = DefaultThumb;
    if (PageSize >= 2)
        length =
            std::max(MinimumThumb, int(double(PageSize) / double(Range) * double(TrackLength)));
    return std::min(length, TrackLength);
}

LyScrollbar::LyScrollbar(toolkit::Component* AOwner)
    : LyWindowsControl(AOwner), FCustomColors(std::make_unique<LyCompleteColorSets>(this)),
      FDrawColors(std::make_unique<LyCompleteColorSet>()),
      FAnim(std::make_unique<toolkit::Timer>(nullptr)),
      FRepeater(std::make_unique<toolkit::Timer>(nullptr)) {
    FAnim->SetEnabled(false);
    FAnim->SetInterval(FadeInterval);
    FAnim->OnTimer = [this](toolkit::Component*) { FadeTick(); };
    FRepeater->SetEnabled(false);
    FRepeater->OnTimer = [this](toolkit::Component*) { RepeatStep(); };
    SetAutoFocusLine(true);
    SetBounds(Left(), Top(), 12, 225);

    PublishObject(L"CustomColors", *FCustomColors);
    PublishEvent(L"OnChange", OnChange);
    PublishEnum(L"Orientation", &LyScrollbar::Orientation, &LyScrollbar::SetOrientation,
                LyOrientationNames());
    Publish(L"Position", &LyScrollbar::Position, &LyScrollbar::SetPosition);
    Publish(L"SmallChange", &LyScrollbar::SmallChange, &LyScrollbar::SetSmallChange);
    Publish(L"Min", &LyScrollbar::Min, &LyScrollbar::SetMin);
    Publish(L"Max", &LyScrollbar::Max, &LyScrollbar::SetMax);
    Publish(L"Animation", &LyScrollbar::Animation, &LyScrollbar::SetAnimation);
    Publish(L"Minimised", &LyScrollbar::Minimised, &LyScrollbar::SetMinimised);
    Publish(L"CustomScrollbarSize", &LyScrollbar::CustomScrollbarSize,
            &LyScrollbar::SetCustomScrollbarSize);
    Publish(L"PageSize", &LyScrollbar::PageSize, &LyScrollbar::SetPageSize);
    Publish(L"EnableButtons", &LyScrollbar::EnableButtons, &LyScrollbar::SetEnableButtons);

    UpdateColors();
    UpdateRects();
}

LyScrollbar::~LyScrollbar() {
    MarkDestroying();
    // No fade or repeat step may reach the control once it is going.
    FAnim.reset();
    FRepeater.reset();
}

std::int64_t LyScrollbar::Clamped(std::int64_t Value) const {
    // A Max below Min is an empty range at Min.
    return std::max(FMin, std::min(FMax, Value));
}

void LyScrollbar::StorePosition(std::int64_t Value) {
    if (Value == FPosition) return;
    FPosition = Value;
    if (OnChange) OnChange(this);
}

void LyScrollbar::SetPosition(std::int64_t Value) {
    if (Loading()) {
        // Min and Max may follow in the description: Loaded keeps it in range.
        FPosition = Value;
        return;
    }
    StorePosition(Clamped(Value));
    Relayout();
}

void LyScrollbar::SetMin(std::int64_t Value) {
    if (Value == FMin) return;
    FMin = Value;
    if (!Loading()) {
        FMax = std::max(FMax, FMin);
        StorePosition(Clamped(FPosition));
    }
    Relayout();
}

void LyScrollbar::SetMax(std::int64_t Value) {
    if (Value == FMax) return;
    FMax = Value;
    if (!Loading()) StorePosition(Clamped(FPosition));
    Relayout();
}

void LyScrollbar::SetSmallChange(int Value) {
    if (Value > 0) FSmallChange = Value;
}

void LyScrollbar::SetPageSize(int Value) {
    if (Value <= 0) return;
    FPageSize = Value;
    Relayout();
}

void LyScrollbar::SetCustomScrollbarSize(int Value) {
    const int length = Vertical() ? Height() : Width();
    if (Value < 0 || Value >= length) return;
    FCustomScrollbarSize = Value;
    Relayout();
}

void LyScrollbar::SetEnableButtons(bool Value) {
    FEnableButtons = Value;
    // The track grows or shrinks by the buttons.
    Relayout();
}

void LyScrollbar::SetOrientation(LyOrientation Value) {
    if (Value == FOrientation) return;
    FOrientation = Value;
    if (!Loading()) SetBounds(Left(), Top(), Height(), Width());
    Relayout();
}

void LyScrollbar::SetMinimised(bool Value) {
    ApplyMinimised(Value, true);
    Invalidate();
}

void LyScrollbar::SetAutoMinimise(bool Value) {
    FAutoMinimise = Value;
    if (!Value) ApplyMinimised(false, true);
    Relayout();
}

double LyScrollbar::GetPercentageCustom(std::int64_t Value) const {
    const std::int64_t range = FMax - FMin;
    if (range <= 0 || Value < FMin) return 0;
    return std::min(1.0, double(Value - FMin) / double(range));
}

RECT LyScrollbar::PaintedThumbRect() const {
    if (!FMinimised) return SliderRect;
    RECT thumb = Transposed(SliderRect, Vertical());
    thumb.left = thumb.right - FSliderSize;
    return Transposed(thumb, Vertical());
}

void LyScrollbar::UpdateTheme(bool) {
    UpdateColors();
    UpdateRects();
    Invalidate();
}

void LyScrollbar::Loaded() {
    FPosition = Clamped(FPosition);
    UpdateColors();
    UpdateRects();
    LyWindowsControl::Loaded();
}

void LyScrollbar::UpdateColors() {
    const LyThemeManager& manager = ThemeManager();
    const bool dark = manager.DarkTheme();
    if (FCustomColors->Enabled()) {
        FDrawColors->LoadFrom(*FCustomColors, dark);
    } else {
        manager.LoadColorSet(*FDrawColors);
        FDrawColors->BackGroundInterior = manager.SystemColor.BackGroundInterior;
        FDrawColors->BackGround = GetParentBackgroundColor(FDrawColors->BackGround);
    }
    // The thumb stands out from the track in either theme, custom colours included.
    FDrawColors->ForeGround = ChangeColorLight(FDrawColors->BackGroundInterior, dark ? 75 : -75);
    if (!Enabled()) {
        FDrawColors->Accent = ChangeColorLight(FDrawColors->BackGround, 20);
        FDrawColors->BackGround = FDrawColors->Accent;
    }
    SetColor(FDrawColors->BackGround);
    ApplyMinimised(FMinimised, false);
}

void LyScrollbar::UpdateRects() {
    const bool vertical = Vertical();
    // Worked out upright: thickness across, length down.
    const int thickness = vertical ? Width() : Height();
    const int length = vertical ? Height() : Width();
    const RECT upright{0, 0, thickness, length};
    const int buttons = FEnableButtons ? 2 * thickness : 0;
    const int spacing = FSliderSpacing;
    // The thumb keeps the same gap to either button (or end of the bar).
    FTrackStart = spacing + buttons / 2;
    FTrackLength = std::max(0, length - 2 * spacing - buttons);
    FScrollBarHeight = ThumbLength(FTrackLength, FMax - FMin, FPageSize, FCustomScrollbarSize);
    const int top = FTrackStart + int(GetPercentage() * double(FTrackLength - FScrollBarHeight));
    const RECT thumb{spacing, top, thickness - spacing, top + FScrollBarHeight};

    DrawRect = Transposed(upright, vertical);
    Button1 = Transposed(RECT{0, 0, thickness, thickness}, vertical);
    Button2 = Transposed(RECT{0, length - thickness, thickness, length}, vertical);
    SliderRect = Transposed(thumb, vertical);
    FRoundness = thickness / 2;

    if (FAutoMinimise && Interaction() == LyControlState::None && !FMinimised && !FPressInitiated)
        ApplyMinimised(true, false);
    ApplyMinimised(FMinimised, false);
}

void LyScrollbar::ApplyMinimised(bool Value, bool Fade) {
    if (Value != FMinimised && Fade && FAnimation && !Loading()) {
        FAnimPos = 0;
        FAnim->SetEnabled(true);
    } else if (Value != FMinimised) {
        FAnimPos = 255;
        FAnim->SetEnabled(false);
    }
    FMinimised = Value;
    const int thickness = Vertical() ? Width() : Height();
    FSliderSize = (thickness - 2 * FSliderSpacing) / 2;
    const TColor background = FDrawColors->BackGround, interior = FDrawColors->BackGroundInterior;
    FBackgroundColor = FMinimised ? ColorBlend(interior, background, FAnimPos)
                                  : ColorBlend(background, interior, FAnimPos);
}

void LyScrollbar::FadeTick() {
    FAnimPos = std::min(255, FAnimPos + FadeStep);
    if (FAnimPos == 255) FAnim->SetEnabled(false);
    ApplyMinimised(FMinimised, false);
    Invalidate();
}

void LyScrollbar::Relayout() {
    UpdateRects();
    Invalidate();
}

void LyScrollbar::PaintBuffer() {
    PaintBackground();
    vel::EnsureGdiplus();
    const Gdiplus::SolidBrush track(Gdiplus::Color(MakeGPColor(ResolveColor(FBackgroundColor))));
    GDIRoundRect(Buffer(), TRoundRect(DrawRect, 2 * FRoundness), &track, nullptr);
    const Gdiplus::SolidBrush thumb(
        Gdiplus::Color(MakeGPColor(ResolveColor(FDrawColors->ForeGround))));
    GDIRoundRect(Buffer(), TRoundRect(PaintedThumbRect(), FRoundness), &thumb, nullptr);
    if (FEnableButtons && !FMinimised) PaintArrows();
    LyWindowsControl::PaintBuffer();
}

void LyScrollbar::PaintArrows() {
    toolkit::Canvas& canvas = Buffer();
    canvas.Brush().SetStyle(toolkit::BrushStyle::Solid);
    canvas.Brush().SetColor(FDrawColors->ForeGround);
    canvas.Pen().SetStyle(toolkit::PenStyle::Solid);
    canvas.Pen().SetWidth(1);
    canvas.Pen().SetColor(FDrawColors->ForeGround);
    const bool vertical = Vertical();
    const bool pressed = Interaction() == LyControlState::Press;
    const int a = FSliderSpacing;
    // Drawn upright: the first button's arrow points up, the second's down.
    auto arrow = [&](const RECT& button, bool first, bool over) {
        RECT box = Transposed(button, vertical);
        if (first)
            box.top += a;
        else
            box.bottom -= a;
        const int inset = pressed && over ? a : int(std::lround(a / 2.0));
        InflateRect(&box, -inset, -inset);
        const int centre = (box.left + box.right) / 2;
        const int tip = first ? box.top : box.bottom, base = first ? box.bottom : box.top;
        canvas.Polygon({Transposed(POINT{centre, tip}, vertical),
                        Transposed(POINT{box.right, base}, vertical),
                        Transposed(POINT{box.left, base}, vertical)});
    };
    arrow(Button1, true, Contains1);
    arrow(Button2, false, Contains2);
}

void LyScrollbar::InteractionStateChanged(LyControlState AState) {
    LyWindowsControl::InteractionStateChanged(AState);
    // A drag keeps the bar wide while the mouse strays off it.
    if (FAutoMinimise && (AState != LyControlState::None || !FPressInitiated))
        ApplyMinimised(AState == LyControlState::None, true);
    Relayout();
}

void LyScrollbar::ScaleChanged(float Scaling) {
    SetCustomScrollbarSize(int(std::lround(float(FCustomScrollbarSize) * Scaling)));
    LyWindowsControl::ScaleChanged(Scaling);
}

void LyScrollbar::Resize() {
    // Laid out first: the base's redraw then shows the new layout.
    UpdateRects();
    LyWindowsControl::Resize();
}

void LyScrollbar::DragTo(int Offset) {
    const std::int64_t range = FMax - FMin;
    const int travel = FTrackLength - FScrollBarHeight;
    // A thumb that fills the track, or an empty range, has nowhere to go.
    if (range <= 0 || travel <= 0) {
        SetPosition(FMin);
        return;
    }
    const double share = double(Offset - FTrackStart - FScrollBarHeight / 2) / double(travel);
    SetPosition(FMin + std::llround(share * double(range)));
}

void LyScrollbar::MouseMove(toolkit::ShiftState Shift, int X, int Y) {
    LyWindowsControl::MouseMove(Shift, X, Y);
    const POINT point{X, Y};
    if (FPressInitiated) {
        DragTo(Vertical() ? Y : X);
        return;
    }
    if (!FEnableButtons) return;
    const bool over1 = Contains(Button1, point), over2 = Contains(Button2, point);
    if (over1 == Contains1 && over2 == Contains2) return;
    Contains1 = over1;
    Contains2 = over2;
    Invalidate();
}

void LyScrollbar::MouseDown(toolkit::MouseButton Button, toolkit::ShiftState Shift, int X, int Y) {
    LyWindowsControl::MouseDown(Button, Shift, X, Y);
    if (Button != toolkit::MouseButton::Left) return;
    MouseMove(Shift, X, Y);
    if (Contains1 || Contains2) {
        FRepeater->SetInterval(RepeatDelay);
        FRepeater->SetEnabled(true);
        StepButtons();
        return;
    }
    // A press on the track (or the thumb) brings the thumb's middle there and drags it.
    FPressInitiated = true;
    DragTo(Vertical() ? Y : X);
}

void LyScrollbar::MouseUp(toolkit::MouseButton Button, toolkit::ShiftState Shift, int X, int Y) {
    LyWindowsControl::MouseUp(Button, Shift, X, Y);
    FPressInitiated = false;
    FRepeater->SetEnabled(false);
    // Released off the bar: the mouse left it meanwhile, so it rests again.
    if (toolkit::Application::Instance().MouseControl() != this) SetState(LyControlState::None);
    if (FEnableButtons) Invalidate();
}

void LyScrollbar::RepeatStep() {
    FRepeater->SetInterval(RepeatInterval);
    StepButtons();
}

void LyScrollbar::StepButtons() {
    if (Contains1) SetPosition(FPosition - FSmallChange);
    if (Contains2) SetPosition(FPosition + FSmallChange);
}

void LyScrollbar::KeyPress(wchar_t& Key) {
    LyWindowsControl::KeyPress(Key);
    if (Key == L'-') SetPosition(FPosition - FSmallChange);
    if (Key == L'+') SetPosition(FPosition + FSmallChange);
}

} // namespace lyra
