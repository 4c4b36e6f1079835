#include "lyra/scroll_box.h"

#include "lyra/theme_manager.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace lyra {

namespace {

// Each timer step of a wheel scroll moves this many pixels.
constexpr int WheelStep = 20;
constexpr int WheelInterval = 1;

int Sign(int value) {
    return (value > 0) - (value < 0);
}

} // namespace

LyScrollBoxScrollBar::LyScrollBoxScrollBar(toolkit::Component* AOwner) : LyScrollbar(AOwner) {
    // Tab goes through the box's content, not to its bars (nor does a focus line show on them).
    SetTabStop(false);
}

void LyScrollBoxScrollBar::UpdateRange() {
    auto* box = dynamic_cast<LyScrollBox*>(Parent());
    if (!box) return;
    const bool vertical = Orientation() == LyOrientation::Vertical;
    const int visible = vertical ? box->ClientHeight() - box->FScrollBarHorz->Height()
                                 : box->ClientWidth() - box->FScrollBarVert->Width();
    const int extend = vertical ? box->FScrollExtendY : box->FScrollExtendX;
    const auto before = vertical ? toolkit::AlignKind::Top : toolkit::AlignKind::Left;
    const auto after = vertical ? toolkit::AlignKind::Bottom : toolkit::AlignKind::Right;
    const auto start = vertical ? toolkit::Anchor::Top : toolkit::Anchor::Left;
    const auto end = vertical ? toolkit::Anchor::Bottom : toolkit::Anchor::Right;
    // The content's far end (in unscrolled coordinates), and what the far side stacks up.
    std::int64_t reach = 0, stacked = 0;
    for (int index = 0; index < box->ControlCount(); ++index) {
        const toolkit::Control* child = box->Controls(index);
        if (!child->Visible() || box->IsBar(child)) continue;
        const toolkit::AnchorSet anchors = child->Anchors();
        const int childStart = vertical ? child->Top() : child->Left();
        const int childLength = vertical ? child->Height() : child->Width();
        if (child->Align() == before || (child->Align() == toolkit::AlignKind::None &&
                                         anchors.Contains(start) && !anchors.Contains(end)))
            reach = std::max(reach, Position() + childStart + childLength + extend);
        else if (child->Align() == after)
            stacked += childLength;
    }
    std::int64_t range = reach + stacked - visible;
    if (Position() == 0 && visible >= reach + stacked) range = 0;
    // Content that shrank while scrolled keeps its range until the bar comes back.
    if (range >= Position()) SetMax(std::max<std::int64_t>(range, 0));
    SetVisible(Max() > 0 &&
               (vertical ? box->FScrollbarEnableVertical : box->FScrollbarEnableHorizontal));
}

LyScrollBox::LyScrollBox(toolkit::Component* AOwner)
    : toolkit::ScrollBox(AOwner), FCustomColors(std::make_unique<LyCompleteColorSets>(this)),
      FDrawColors(std::make_unique<LyCompleteColorSet>()),
      FAnim(std::make_unique<toolkit::Timer>(nullptr)) {
    FAnim->SetEnabled(false);
    FAnim->SetInterval(WheelInterval);
    FAnim->OnTimer = [this](toolkit::Component*) { WheelTick(); };
    // The bars come first: every layout from here on measures and places them.
    FScrollBarVert = new LyScrollBoxScrollBar(this);
    FScrollBarHorz = new LyScrollBoxScrollBar(this);
    FScrollBarHorz->SetOrientation(LyOrientation::Horizontal);
    FScrollBarVert->SetTag(0);
    FScrollBarHorz->SetTag(1);
    for (LyScrollBoxScrollBar* bar : {FScrollBarVert, FScrollBarHorz}) {
        bar->SetMax(0);
        bar->SetVisible(false);
        bar->OnChange = [this, bar](toolkit::Component*) { BarChanged(*bar); };
    }
    FScrollBarVert->SetParent(this);
    FScrollBarHorz->SetParent(this);
    SetBounds(Left(), Top(), 200, 150);
    SetBorderStyle(toolkit::FrameStyle::None);
    // The framework's bars stand in for the system's.
    VertScrollBar().SetVisible(false);
    HorzScrollBar().SetVisible(false);

    PublishObject(L"CustomColors", *FCustomColors);
    PublishEnum(L"BackgroundColor", &LyScrollBox::BackgroundColor, &LyScrollBox::SetBackgroundColor,
                LyBackgroundColorNames());
    Publish(L"ScrollExtendX", &LyScrollBox::ScrollExtendX, &LyScrollBox::SetScrollExtendX);
    Publish(L"ScrollExtendY", &LyScrollBox::ScrollExtendY, &LyScrollBox::SetScrollExtendY);
    Publish(L"ScrollbarEnableVertical", &LyScrollBox::ScrollbarEnableVertical,
            &LyScrollBox::SetScrollbarEnableVertical);
    Publish(L"ScrollbarEnableHorizontal", &LyScrollBox::ScrollbarEnableHorizontal,
            &LyScrollBox::SetScrollbarEnableHorizontal);
    Publish(L"ScrollSpeed", &LyScrollBox::ScrollSpeed, &LyScrollBox::SetScrollSpeed);
    PublishObject(L"ScrollBarVert", *FScrollBarVert);
    PublishObject(L"ScrollBarHorz", *FScrollBarHorz);

    // The bars took their colours from the box before it had any.
    UpdateTheme(false);
}

LyScrollBox::~LyScrollBox() {
    MarkDestroying();
    // Neither the wheel's steps nor the bars may reach the box once it is going.
    FAnim.reset();
    for (LyScrollBoxScrollBar* bar : {FScrollBarVert, FScrollBarHorz})
        bar->OnChange = nullptr;
}

bool LyScrollBox::IsBar(const toolkit::Control* Control) const {
    return Control == FScrollBarVert || Control == FScrollBarHorz;
}

void LyScrollBox::SetBackgroundColor(LyBackgroundColor Value) {
    if (Value == FBackgroundColor) return;
    FBackgroundColor = Value;
    // The children that blend into the box's colour follow it.
    if (!Loading()) UpdateTheme(true);
}

void LyScrollBox::SetScrollExtendX(int Value) {
    FScrollExtendX = Value;
    Realign();
}

void LyScrollBox::SetScrollExtendY(int Value) {
    FScrollExtendY = Value;
    Realign();
}

void LyScrollBox::SetScrollbarEnableVertical(bool Value) {
    FScrollbarEnableVertical = Value;
    Realign();
}

void LyScrollBox::SetScrollbarEnableHorizontal(bool Value) {
    FScrollbarEnableHorizontal = Value;
    Realign();
}

void LyScrollBox::DestroyAll() {
    for (int index = ControlCount() - 1; index >= 0; --index)
        if (!IsBar(Controls(index))) delete Controls(index);
}

void LyScrollBox::UpdateColors() {
    if (FCustomColors->Enabled())
        FDrawColors->LoadFrom(*FCustomColors, ThemeManager().DarkTheme());
    else
        ThemeManager().LoadColorSet(*FDrawColors);
    SetColor(Background());
}

TColor LyScrollBox::Background() const {
    return FBackgroundColor == LyBackgroundColor::Content ? FDrawColors->BackGroundInterior
                                                          : FDrawColors->BackGround;
}

void LyScrollBox::UpdateTheme(bool UpdateChildren) {
    UpdateColors();
    PlaceBars();
    FScrollBarVert->UpdateTheme(UpdateChildren);
    FScrollBarHorz->UpdateTheme(UpdateChildren);
    Invalidate();
    if (!UpdateChildren) return;
    for (int index = 0; index < ControlCount(); ++index)
        if (auto* child = dynamic_cast<LyControl*>(Controls(index));
            child && !IsBar(Controls(index)))
            child->UpdateTheme(UpdateChildren);
}

void LyScrollBox::Loaded() {
    toolkit::ScrollBox::Loaded();
    UpdateColors();
    FScrollBarVert->BringToFront();
    FScrollBarHorz->BringToFront();
    Realign();
}

void LyScrollBox::PlaceBars() {
    const bool arranging = std::exchange(FArranging, true);
    const int width = ClientWidth(), height = ClientHeight();
    LyScrollBoxScrollBar& vertical = *FScrollBarVert;
    LyScrollBoxScrollBar& horizontal = *FScrollBarHorz;
    if (vertical.Visible() && !FScrollbarEnableVertical) vertical.SetVisible(false);
    if (horizontal.Visible() && !FScrollbarEnableHorizontal) horizontal.SetVisible(false);
    vertical.SetBounds(width - vertical.Width(), 0, vertical.Width(), height);
    const int beside = vertical.Visible() ? vertical.Width() : 0;
    horizontal.SetBounds(0, height - horizontal.Height(), width - beside, horizontal.Height());
    FArranging = arranging;
}

void LyScrollBox::AlignControls(RECT) {
    const bool arranging = std::exchange(FArranging, true);
    FScrollBarVert->UpdateRange();
    FScrollBarHorz->UpdateRange();
    // The visible bars take their strips before the children are laid out.
    RECT content = ClientRect();
    AdjustClientRect(content);
    toolkit::ScrollBox::AlignControls(content);
    PlaceBars();
    FArranging = arranging;
}

void LyScrollBox::AdjustClientRect(RECT& Rect) const {
    // The bars' ranges count the content from the visible length each bar leaves the other.
    const int visibleWidth = Rect.right - (FScrollBarVert->Visible() ? FScrollBarVert->Width() : 0);
    const int visibleHeight =
        Rect.bottom - (FScrollBarHorz->Visible() ? FScrollBarHorz->Height() : 0);
    const int width = std::max<std::int64_t>(visibleWidth, FScrollBarHorz->Max() + Rect.right -
                                                               FScrollBarVert->Width());
    const int height = std::max<std::int64_t>(visibleHeight, FScrollBarVert->Max() + Rect.bottom -
                                                                 FScrollBarHorz->Height());
    Rect = {-FPosX, -FPosY, -FPosX + width, -FPosY + height};
}

void LyScrollBox::ControlsChanged() {
    toolkit::ScrollBox::ControlsChanged();
    if (FArranging || Loading() || Destroying()) return;
    // A child came, went or moved: the ranges follow, and the bars stay above the content.
    if (ControlCount() >= 2 &&
        !(IsBar(Controls(ControlCount() - 1)) && IsBar(Controls(ControlCount() - 2)))) {
        const bool arranging = std::exchange(FArranging, true);
        FScrollBarVert->BringToFront();
        FScrollBarHorz->BringToFront();
        FArranging = arranging;
    }
    Realign();
}

void LyScrollBox::Resize() {
    toolkit::ScrollBox::Resize();
    PlaceBars();
}

void LyScrollBox::BarChanged(LyScrollBoxScrollBar& Bar) {
    const int position = int(Bar.Position());
    const bool arranging = std::exchange(FArranging, true);
    if (Bar.Tag() == 0) {
        ScrollBy(0, FPosY - position);
        FPosY = position;
    } else {
        ScrollBy(FPosX - position, 0);
        FPosX = position;
    }
    FArranging = arranging;
    // The aligned children take their places in the scrolled area.
    Realign();
    PlaceBars();
}

bool LyScrollBox::MouseWheel(toolkit::ShiftState Shift, int Delta, POINT MousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, Shift, Delta, MousePos, handled);
    if (handled) return true;
    const bool shift = Shift.Contains(toolkit::ShiftKey::Shift);
    const bool other =
        Shift.Contains(toolkit::ShiftKey::Ctrl) || Shift.Contains(toolkit::ShiftKey::Alt);
    LyScrollBoxScrollBar* bar = nullptr;
    if (AutoScroll() && !other) {
        const bool verticalShown = FScrollBarVert->Visible(),
                   horizontalShown = FScrollBarHorz->Visible();
        bool vertical = !shift;
        if (vertical && !verticalShown && horizontalShown) vertical = false;
        if (!vertical && !horizontalShown && verticalShown) vertical = true;
        bar = vertical ? FScrollBarVert : FScrollBarHorz;
        if (!bar->Visible()) bar = nullptr;
    }
    // Nothing to scroll here: an outer container may take the turn.
    if (!bar) return Parent() && Parent()->MouseWheel(Shift, Delta, MousePos);
    const int amount = -Sign(Delta) * FScrollSpeed;
    if (FAnimation) {
        (bar == FScrollBarVert ? FAnimY : FAnimX) += amount;
        FAnim->SetEnabled(true);
    } else {
        bar->SetPosition(bar->Position() + amount);
    }
    return true;
}

void LyScrollBox::WheelTick() {
    if (std::abs(FAnimX) <= WheelStep && std::abs(FAnimY) <= WheelStep) {
        FAnim->SetEnabled(false);
        const int restX = std::exchange(FAnimX, 0), restY = std::exchange(FAnimY, 0);
        FScrollBarHorz->SetPosition(FScrollBarHorz->Position() + restX);
        FScrollBarVert->SetPosition(FScrollBarVert->Position() + restY);
        return;
    }
    for (auto [bar, pending] :
         {std::pair{FScrollBarHorz, &FAnimX}, std::pair{FScrollBarVert, &FAnimY}}) {
        if (*pending == 0) continue;
        // At the end it is heading for, the rest of the turn is dropped.
        const bool atEnd =
            *pending < 0 ? bar->Position() <= bar->Min() : bar->Position() >= bar->Max();
        if (atEnd) {
            *pending = 0;
            continue;
        }
        const int step = Sign(*pending) * std::min(WheelStep, std::abs(*pending));
        *pending -= step;
        bar->SetPosition(bar->Position() + step);
    }
    Invalidate();
}

} // namespace lyra
