#include "toolkit/control.h"

#include "toolkit/form.h"
#include "toolkit/popup_menu.h"
#include "toolkit/win_control.h"

#include <algorithm>

namespace toolkit {

Control::Control(Component* owner) : Component(owner) {
    font_.OnChange = [this] {
        if (!fontFromParent_) parentFont_ = false;
        FontChanged();
    };
    margins_.OnChange = [this] {
        if (alignWithMargins_) RequestParentAlign();
    };
    constraints_.OnChange = [this] { SetBounds(left_, top_, width_, height_); };

    Publish(L"Left", &Control::Left, &Control::SetLeft);
    Publish(L"Top", &Control::Top, &Control::SetTop);
    Publish(L"Width", &Control::Width, &Control::SetWidth);
    Publish(L"Height", &Control::Height, &Control::SetHeight);
    Publish(L"Visible", &Control::Visible, &Control::SetVisible);
    Publish(L"Enabled", &Control::Enabled, &Control::SetEnabled);
    PublishEnum(L"Align", &Control::Align, &Control::SetAlign, AlignNames());
    PublishObject(L"Margins", margins_);
    Publish(L"AlignWithMargins", &Control::AlignWithMargins, &Control::SetAlignWithMargins);
    PublishSet(L"Anchors", &Control::Anchors, &Control::SetAnchors, AnchorNames());
    PublishObject(L"Constraints", constraints_);
    PublishObject(L"Font", font_);
    Publish(L"ParentFont", &Control::ParentFont, &Control::SetParentFont);
    PublishColor(L"Color", &Control::Color, &Control::SetColor);
    Publish(L"ParentColor", &Control::ParentColor, &Control::SetParentColor);
    Publish(L"Hint", &Control::Hint, &Control::SetHint);
    Publish(L"ShowHint", &Control::ShowHint, &Control::SetShowHint);
    PublishReference(L"PopupMenu", &Control::PopupMenu, &Control::SetPopupMenu);
    PublishEnum(L"Cursor", &Control::Cursor, &Control::SetCursor, CursorNames());
    PublishEvent(L"OnClick", OnClick);
    PublishEvent(L"OnDblClick", OnDblClick);
    PublishEvent(L"OnResize", OnResize);
    PublishEvent(L"OnMouseDown", OnMouseDown);
    PublishEvent(L"OnMouseUp", OnMouseUp);
    PublishEvent(L"OnMouseMove", OnMouseMove);
    PublishEvent(L"OnMouseEnter", OnMouseEnter);
    PublishEvent(L"OnMouseLeave", OnMouseLeave);
    PublishEvent(L"OnMouseWheel", OnMouseWheel);
}

Control::~Control() {
    MarkDestroying();
    if (parent_) parent_->RemoveControl(this);
}

void Control::SetParent(WinControl* parent) {
    if (parent == parent_) return;
    for (const Control* ancestor = parent; ancestor; ancestor = ancestor->parent_)
        if (ancestor == this) throw Error(L"A control cannot be its own parent");
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
    ParentChanged();
}

Form* Control::ParentForm() const {
    const Control* top = this;
    while (top->parent_)
        top = top->parent_;
    return dynamic_cast<Form*>(const_cast<Control*>(top));
}

int Control::ZOrder() const {
    return parent_ ? parent_->IndexOfControl(this) : -1;
}

void Control::SetBounds(int left, int top, int width, int height) {
    ApplyBounds(left, top, width, height, false);
}

void Control::SetBoundsRect(const RECT& rect) {
    SetBounds(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

void Control::ApplyBounds(int left, int top, int width, int height, bool byLayout) {
    width = constraints_.ConstrainWidth(std::max(width, 0));
    height = constraints_.ConstrainHeight(std::max(height, 0));
    if (left == left_ && top == top_ && width == width_ && height == height_) {
        if (!byLayout) UpdateAnchorRules();
        return;
    }
    const RECT old = BoundsRect();
    const bool sized = width != width_ || height != height_;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    BoundsChanged(old);
    if (!byLayout) {
        UpdateAnchorRules();
        if (align_ != AlignKind::None) RequestParentAlign();
        if (parent_) parent_->ControlsChanged();
    }
    if (sized) Resize();
}

RECT Control::ClientRect() const {
    return {0, 0, width_, height_};
}

int Control::ClientWidth() const {
    RECT rect = ClientRect();
    return rect.right - rect.left;
}

int Control::ClientHeight() const {
    RECT rect = ClientRect();
    return rect.bottom - rect.top;
}

void Control::SetClientWidth(int width) {
    SetWidth(width_ - ClientWidth() + width);
}

void Control::SetClientHeight(int height) {
    SetHeight(height_ - ClientHeight() + height);
}

POINT Control::ClientOrigin() const {
    if (!parent_) return {left_, top_};
    POINT origin = parent_->ClientOrigin();
    return {origin.x + left_, origin.y + top_};
}

POINT Control::ClientToScreen(POINT point) const {
    POINT origin = ClientOrigin();
    return {point.x + origin.x, point.y + origin.y};
}

POINT Control::ScreenToClient(POINT point) const {
    POINT origin = ClientOrigin();
    return {point.x - origin.x, point.y - origin.y};
}

void Control::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    VisibleChanged();
    if (align_ != AlignKind::None) RequestParentAlign();
    if (parent_) parent_->ControlsChanged();
}

bool Control::Showing() const {
    return visible_ && (!parent_ || parent_->Showing());
}

void Control::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
}

void Control::SetAlign(AlignKind align) {
    if (align == align_) return;
    align_ = align;
    if (align_ == AlignKind::None) UpdateAnchorRules();
    RequestParentAlign();
}

void Control::SetAlignWithMargins(bool value) {
    if (value == alignWithMargins_) return;
    alignWithMargins_ = value;
    RequestParentAlign();
}

void Control::SetAnchors(AnchorSet anchors) {
    if (anchors == anchors_) return;
    anchors_ = anchors;
    UpdateAnchorRules();
}

void Control::SetParentFont(bool value) {
    parentFont_ = value;
    if (value) ParentFontChanged();
}

void Control::SetColor(TColor color) {
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    ColorChanged();
}

void Control::SetParentColor(bool value) {
    parentColor_ = value;
    if (value) ParentColorChanged();
}

void Control::SetCaption(const std::wstring& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    TextChanged();
}

void Control::SetPopupMenu(toolkit::PopupMenu* menu) {
    if (popupMenuComponent_) popupMenuComponent_->RemoveFreeNotification(this);
    popupMenu_ = menu;
    popupMenuComponent_ = dynamic_cast<Component*>(menu);
    if (popupMenuComponent_) popupMenuComponent_->FreeNotification(this);
}

void Control::Invalidate() {
    if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
    RECT bounds = BoundsRect();
    InvalidateRect(parent_->Handle(), &bounds, FALSE);
}

void Control::Repaint() {
    Invalidate();
    Update();
}

void Control::Update() {
    if (parent_) parent_->Update();
}

void Control::BringToFront() {
    if (parent_) parent_->MoveControl(this, parent_->ControlCount() - 1);
}

void Control::SendToBack() {
    if (parent_) parent_->MoveControl(this, 0);
}

bool Control::HitTest(int, int) const {
    return true;
}

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left) clickPending_ = !shift.Contains(ShiftKey::Double);
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) {
    if (button == MouseButton::Left && clickPending_) {
        clickPending_ = false;
        if (x >= 0 && y >= 0 && x < width_ && y < height_) Click();
    }
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void Control::MouseMove(ShiftState shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void Control::MouseEnter() {
    if (OnMouseEnter) OnMouseEnter(this);
}

void Control::MouseLeave() {
    if (OnMouseLeave) OnMouseLeave(this);
}

bool Control::MouseWheel(ShiftState shift, int delta, POINT mousePos) {
    bool handled = false;
    if (OnMouseWheel) OnMouseWheel(this, shift, delta, mousePos, handled);
    if (!handled && parent_) return parent_->MouseWheel(shift, delta, mousePos);
    return handled;
}

void Control::Click() {
    if (OnClick) OnClick(this);
}

void Control::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

bool Control::ContextPopup(POINT screenPoint) {
    if (!popupMenu_) return false;
    popupMenu_->Popup(screenPoint.x, screenPoint.y);
    return true;
}

LRESULT Control::Perform(UINT, WPARAM, LPARAM) {
    return 0;
}

void Control::ChangeScale(int multiplier, int divider) {
    auto scale = [&](int value) { return MulDiv(value, multiplier, divider); };
    ScaleProperties(multiplier, divider);
    ApplyBounds(scale(left_), scale(top_), scale(width_), scale(height_), true);
}

void Control::ScaleProperties(int multiplier, int divider) {
    auto scale = [&](int value) { return MulDiv(value, multiplier, divider); };
    constraints_.Scale(multiplier, divider);
    margins_.Scale(multiplier, divider);
    // A control with a parent font gets the scaled font from its parent.
    if (!parentFont_ || !parent_) {
        fontFromParent_ = true;
        font_.SetPixelsPerInch(scale(font_.PixelsPerInch()));
        font_.SetHeight(scale(font_.Height()));
        fontFromParent_ = false;
    }
    anchorRect_ = {scale(anchorRect_.left), scale(anchorRect_.top), scale(anchorRect_.right),
                   scale(anchorRect_.bottom)};
    anchorParentSize_ = {scale(anchorParentSize_.cx), scale(anchorParentSize_.cy)};
}

void Control::Loaded() {
    Component::Loaded();
    UpdateAnchorRules();
}

void Control::Resize() {
    if (OnResize) OnResize(this);
}

void Control::VisibleChanged() {
    if (parent_ && parent_->HandleAllocated()) {
        RECT bounds = BoundsRect();
        InvalidateRect(parent_->Handle(), &bounds, FALSE);
    }
}

void Control::EnabledChanged() {
    Invalidate();
}

void Control::FontChanged() {
    Invalidate();
}

void Control::ColorChanged() {
    Invalidate();
}

void Control::TextChanged() {
    Invalidate();
}

void Control::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    fontFromParent_ = true;
    font_.Assign(parent_->Font());
    fontFromParent_ = false;
}

void Control::ParentColorChanged() {
    if (!parentColor_ || !parent_ || color_ == parent_->Color()) return;
    color_ = parent_->Color();
    ColorChanged();
}

void Control::ParentChanged() {
    ParentFontChanged();
    ParentColorChanged();
    UpdateAnchorRules();
}

void Control::BoundsChanged(const RECT& old) {
    if (!parent_ || !parent_->HandleAllocated() || !visible_) return;
    RECT now = BoundsRect(), both{};
    UnionRect(&both, &old, &now);
    InvalidateRect(parent_->Handle(), &both, FALSE);
}

void Control::Notification(Component* component) {
    Component::Notification(component);
    if (component && component == popupMenuComponent_) {
        popupMenu_ = nullptr;
        popupMenuComponent_ = nullptr;
    }
}

void Control::UpdateAnchorRules() {
    if (!parent_) return;
    anchorRect_ = BoundsRect();
    anchorParentSize_ = {parent_->ClientWidth(), parent_->ClientHeight()};
    anchorRulesTaken_ = true;
}

void Control::ApplyAnchors(int parentWidth, int parentHeight) {
    if (align_ != AlignKind::None || Loading()) return;
    // Rules taken before the parent had a size say nothing: the bounds as they are now are
    // the designed ones.
    if (!anchorRulesTaken_ || anchorParentSize_.cx <= 0 || anchorParentSize_.cy <= 0) {
        UpdateAnchorRules();
        return;
    }
    // One axis: near and far anchors of that axis, the designed position and length, and
    // how much the parent grew.
    auto place = [](bool nearAnchor, bool farAnchor, LONG designedStart, LONG designedEnd,
                    int designedParent, int parent, int& start, int& length) {
        length = designedEnd - designedStart;
        int growth = parent - designedParent;
        if (nearAnchor && farAnchor) {
            start = designedStart;
            length = std::max(0, length + growth);
        } else if (farAnchor) {
            start = designedStart + growth;
        } else if (nearAnchor) {
            start = designedStart;
        } else {
            // Neither edge: keep the centre at the same proportion of the parent.
            start = MulDiv(designedStart + length / 2, parent, designedParent) - length / 2;
        }
    };
    int left, top, width, height;
    place(anchors_.Contains(Anchor::Left), anchors_.Contains(Anchor::Right), anchorRect_.left,
          anchorRect_.right, anchorParentSize_.cx, parentWidth, left, width);
    place(anchors_.Contains(Anchor::Top), anchors_.Contains(Anchor::Bottom), anchorRect_.top,
          anchorRect_.bottom, anchorParentSize_.cy, parentHeight, top, height);
    ApplyBounds(left, top, width, height, true);
}

void Control::MoveBy(int dx, int dy) {
    OffsetRect(&anchorRect_, dx, dy);
    ApplyBounds(left_ + dx, top_ + dy, width_, height_, true);
}

void Control::RequestParentAlign() {
    if (parent_) parent_->Realign();
}

} // namespace toolkit
