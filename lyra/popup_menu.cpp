#include "lyra/popup_menu.h"

#include "lyra/theme_manager.h"
#include "toolkit/utility_window.h"

#include <algorithm>

namespace lyra {

namespace {
// Pixels of this colour become transparent: the cut-off corners.
constexpr TColor KeyColor = 0x00FF0083;
constexpr int DefaultWidth = 215;
} // namespace

const toolkit::EnumNames<LyAnimateSelection>& LyAnimateSelectionNames() {
    static const toolkit::EnumNames<LyAnimateSelection> names = {
        {L"Instant", LyAnimateSelection::Instant},
        {L"Opacity", LyAnimateSelection::Opacity},
        {L"Linear", LyAnimateSelection::Linear},
        {L"Square", LyAnimateSelection::Square}};
    return names;
}

LyPopupWindow::LyPopupWindow(LyPopupComponent& Level) : toolkit::Form(nullptr), FLevel(Level) {
    SetBorderStyle(toolkit::BorderStyleKind::None);
    SetFormStyle(toolkit::FormStyleKind::StayOnTop);
    SetAlphaBlend(true);
    SetTransparentColor(true);
    SetTransparentColorValue(KeyColor);
    SetCaption(L"Popup Menu");
    SetScaled(false);
    Font().SetName(ThemeManager().FormFont());
    Font().SetHeight(ThemeManager().FormFontHeight());
    SetBounds(Left(), Top(), DefaultWidth, 0);
}

void LyPopupWindow::DoShow() {
    toolkit::Form::DoShow();
    FLevel.Opening();
}

void LyPopupWindow::KeyDown(WORD& key, toolkit::ShiftState shift) {
    toolkit::Form::KeyDown(key, shift);
    FLevel.KeyDown(key);
}

LRESULT LyPopupWindow::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ACTIVATE) return toolkit::Form::WndProc(message, wParam, lParam);
    const LRESULT result = toolkit::Form::WndProc(message, wParam, lParam);
    if (LOWORD(wParam) == WA_INACTIVE)
        FLevel.Deactivated();
    else
        FLevel.Activated();
    return result;
}

LyPopupComponent::LyPopupComponent(toolkit::Component* AOwner)
    : LyPopupContainer(AOwner), FCustomColors(std::make_unique<LyColorSets>()),
      FDrawColors(std::make_unique<LyColorSet>()) {
    if (auto* menu = dynamic_cast<LyPopupMenu*>(AOwner)) {
        FAnimType = menu->FAnimType;
        FCustomColors->Assign(menu->CustomColors());
    }
}

LyPopupComponent::~LyPopupComponent() {
    *FAlive = false;
    // Deleting a running animation cancels it: no step reaches this level any more.
    FAnim.reset();
    FForm.reset();
}

LyPopupItem* LyPopupComponent::AddItem(const std::wstring& Text) {
    auto* item = new LyPopupItem(this);
    item->SetText(Text);
    Items().Add(item);
    return item;
}

bool LyPopupComponent::MenuOpen() const {
    return FForm && FForm->Visible();
}

LyPopupComponent* LyPopupComponent::Entry(int Index) const {
    return Index >= 0 && Index < Items().Count() ? Items().GetItem(Index) : nullptr;
}

LyPopupComponent* LyPopupComponent::OpenChild() const {
    for (int index = 0; index < Items().Count(); ++index)
        if (Items().GetItem(index)->MenuOpen()) return Items().GetItem(index);
    return nullptr;
}

void LyPopupComponent::UpdateTheme(bool UpdateChildren) {
    const LyThemeManager& manager = ThemeManager();
    if (auto* owner = dynamic_cast<LyPopupComponent*>(Owner())) {
        FAnimType = owner->FAnimType;
        FDrawColors->Assign(owner->DrawColors());
    } else if (FCustomColors->Enabled()) {
        FDrawColors->LoadFrom(*FCustomColors, manager.DarkTheme());
        if (FGlassBlur) FGlassBlur->CustomColors().Assign(*FCustomColors);
    } else {
        FDrawColors->BackGround = manager.SystemColor.BackGroundInterior;
        FDrawColors->ForeGround = manager.SystemColor.ForeGround;
        FDrawColors->Accent = manager.AccentColor();
    }
    if (FGlassBlur && !Loading()) FGlassBlur->Invalidate();
    if (!MenuOpen() || !UpdateChildren) return;
    for (int index = 0; index < Items().Count(); ++index)
        Items().GetItem(index)->UpdateTheme(UpdateChildren);
}

void LyPopupComponent::CreateMenuWindow() {
    FForm = std::make_unique<LyPopupWindow>(*this);
    auto* backdrop = new LyBlurMaterial(FForm.get());
    FGlassBlur = backdrop;
    backdrop->SetParent(FForm.get());
    // The backdrop keeps the whole menu's size while the window grows over it, so the opening
    // animation only uncovers more of a picture painted once.
    backdrop->SetBounds(0, 0, DefaultWidth, 0);
    backdrop->SetVersion(FParentMenu->FlatMenu() ? LyBlurVersion::None : LyBlurVersion::Screenshot);
    backdrop->CustomColors().Assign(FParentMenu->CustomColors());
    backdrop->UpdateTheme(false);
    backdrop->SetRefreshMode(LyGlassRefreshMode::Manual);
    backdrop->OnPaintBuffer = [this](toolkit::Component*) { PaintItems(); };
    backdrop->OnMouseMove = [this](toolkit::Component*, toolkit::ShiftState, int X, int Y) {
        BackdropMouseMove(X, Y);
    };
    backdrop->OnMouseDown = [this](toolkit::Component*, toolkit::MouseButton, toolkit::ShiftState,
                                   int, int) {
        FItemPressed = true;
        SetHoverOver(FHoverOver);
    };
    backdrop->OnMouseEnter = [this](toolkit::Component*) {
        FItemPressed = false;
        SetHoverOver(FHoverOver);
    };
    backdrop->OnMouseUp = [this](toolkit::Component*, toolkit::MouseButton, toolkit::ShiftState,
                                 int, int) { BackdropMouseUp(); };
    backdrop->SyncroniseImage();
    PaintItems();
}

void LyPopupComponent::ShowPopupWindow(POINT Point) {
    FDropPoint = Point;
    if (!FForm) CreateMenuWindow();
    FHoverOver = -1;
    FForm->Show();
}

void LyPopupComponent::Opening() {
    const RECT desktop{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                       GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                       GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    // Near the right or bottom edge the menu opens to the left of or above the point it
    // was asked to open at (where the click was, for a right click).
    int left = std::max(int(FDropPoint.x), int(desktop.left));
    int top = std::max(int(FDropPoint.y), int(desktop.top));
    if (left + NormalWidthValue > desktop.right) left = FDropPoint.x - NormalWidthValue;
    if (top + NormalHeightValue > desktop.bottom) top = FDropPoint.y - NormalHeightValue;
    FLinearUpwards = top < FDropPoint.y;

    FAnim = std::make_unique<TIntAni>(false, akIn, afkQuadratic, 0, 0, nullptr, nullptr);
    TIntAni& animation = *FAnim;
    int width = NormalWidthValue, height = NormalHeightValue;
    BYTE opacity = 255;
    switch (FAnimType) {
    case LyAnimateSelection::Instant:
        break;
    case LyAnimateSelection::Opacity:
        animation.DeltaValue = 255;
        opacity = 0;
        break;
    case LyAnimateSelection::Linear:
    case LyAnimateSelection::Square:
        animation.Duration = 10;
        animation.Step = 10;
        animation.StartValue = NormalHeightValue / 8;
        animation.SetEndValue(NormalHeightValue);
        height = animation.StartValue;
        if (FAnimType == LyAnimateSelection::Square) width = 50 + (NormalWidthValue - 50) / 8;
        if (FLinearUpwards) top = FDropPoint.y - height;
        break;
    }
    // The backdrop's picture is the piece of the screen behind the menu's final place.
    FForm->SetBounds(left, FLinearUpwards ? FDropPoint.y - NormalHeightValue : top,
                     NormalWidthValue, NormalHeightValue);
    FGlassBlur->ReDraw();
    FForm->SetAlphaBlendValue(opacity);
    FForm->SetBounds(left, top, width, height);
    animation.OnSync = [this](int32_t Value) { AnimationStep(Value); };
    animation.Start();
}

void LyPopupComponent::AnimationStep(int Value) {
    if (!MenuOpen()) return;
    switch (FAnimType) {
    case LyAnimateSelection::Instant:
        return;
    case LyAnimateSelection::Opacity:
        FForm->SetAlphaBlendValue(std::clamp(Value, 0, 255));
        return;
    case LyAnimateSelection::Linear:
    case LyAnimateSelection::Square: {
        const int end = std::max(FAnim->EndValue(), 1);
        const int width = FAnimType == LyAnimateSelection::Square
                              ? int(double(Value) / end * (NormalWidthValue - 50)) + 50
                              : FForm->Width();
        const int top = FLinearUpwards ? FDropPoint.y - Value : FForm->Top();
        FForm->SetBounds(FForm->Left(), top, width, Value);
        return;
    }
    }
}

void LyPopupComponent::CloseMenu(bool FreeMem) {
    // The animation goes first, so none of its steps reaches a closed level.
    FAnim.reset();
    FHoverOver = -1;
    if (FForm && FForm->Visible()) {
        const bool active = GetActiveWindow() == FForm->Handle();
        FForm->Hide();
        // The focus goes back where it was before this level opened.
        HWND previous = FParentMenu ? FParentMenu->FPreviousActive : nullptr;
        if (active && FParentPopup && FParentPopup->MenuOpen())
            SetForegroundWindow(FParentPopup->FForm->Handle());
        else if (active && !FParentPopup && previous && IsWindow(previous))
            SetForegroundWindow(previous);
    }
    if (FreeMem) {
        FGlassBlur = nullptr;
        FForm.reset();
    }
}

void LyPopupComponent::CloseWindowsBackwards() {
    for (LyPopupComponent* level = this; level; level = level->FParentPopup)
        level->CloseMenu(false);
}

void LyPopupComponent::CloseWindowsForward(bool CloseSelf) {
    if (CloseSelf) CloseMenu(false);
    if (LyPopupComponent* child = OpenChild()) child->CloseWindowsForward(true);
}

void LyPopupComponent::OpenSubmenu(int Index) {
    LyPopupComponent* entry = Entry(Index);
    if (!entry) return;
    entry->FEnableRadius = FEnableRadius;
    entry->FEnableBorder = FEnableBorder;
    if (entry->Items().Count() == 0) return;
    entry->UpdateTheme(false);
    entry->FParentPopup = this;
    entry->FParentMenu = FParentMenu;
    const POINT row = FForm->ClientToScreen({0, entry->Bounds().top});
    entry->ShowPopupWindow({FForm->Left() + FForm->Width() - 10, row.y});
}

void LyPopupComponent::ExecuteItem(int Index) {
    LyPopupComponent* entry = Entry(Index);
    if (!entry || entry->Items().Count() > 0) return;
    if (entry->AutoCheck() && !(entry->RadioItem() && entry->Checked())) {
        entry->SetChecked(!entry->Checked());
        if (entry->OnCheck) entry->OnCheck(entry);
    }
    LyPopupMenu* root = FParentMenu;
    const bool close = entry->OnClick       ? root->CloseOnExecute()
                       : entry->AutoCheck() ? root->CloseOnCheck()
                                            : root->CloseOnNoExecuteClick();
    // The callbacks may free the menu; what they need is taken first.
    const std::weak_ptr<bool> alive = entry->FAlive;
    if (close)
        CloseWindowsBackwards();
    else if (FGlassBlur)
        FGlassBlur->Invalidate();
    if (root->OnItemClick) root->OnItemClick(root, entry, Index);
    if (!alive.expired() && entry->OnClick) entry->OnClick(entry);
}

void LyPopupComponent::Activated() {
    if (LyPopupComponent* child = OpenChild()) child->CloseWindowsForward(false);
}

void LyPopupComponent::Deactivated() {
    if (OpenChild()) return;
    // The window taking the focus is active only once this message is handled.
    const std::weak_ptr<bool> alive = FParentMenu->FAlive;
    LyPopupMenu* root = FParentMenu;
    toolkit::UtilityWindow::Instance().Post([alive, root] {
        if (!alive.expired()) root->CheckFocus();
    });
}

void LyPopupComponent::CheckFocus() {
    LyPopupComponent* deepest = nullptr;
    for (LyPopupComponent* level = this; level && level->MenuOpen(); level = level->OpenChild()) {
        if (GetActiveWindow() == level->FForm->Handle()) return;
        deepest = level;
    }
    if (deepest) deepest->CloseWindowsBackwards();
}

LyPopupItem::LyPopupItem(toolkit::Component* AOwner) : LyPopupComponent(AOwner) {
    PublishEvent(L"OnClick", OnClick);
    PublishEvent(L"OnHover", OnHover);
    PublishEvent(L"OnCheck", OnCheck);
    Publish(L"Text", &LyPopupItem::Text, &LyPopupItem::SetText);
    Publish(L"Hint", &LyPopupItem::Hint, &LyPopupItem::SetHint);
    PublishObject(L"Image", Image());
    Publish(L"Shortcut", &LyPopupItem::Shortcut, &LyPopupItem::SetShortcut);
    Publish(L"Enabled", &LyPopupItem::Enabled, &LyPopupItem::SetEnabled);
    Publish(L"Checked", &LyPopupItem::Checked, &LyPopupItem::SetChecked);
    Publish(L"AutoCheck", &LyPopupItem::AutoCheck, &LyPopupItem::SetAutoCheck);
    Publish(L"RadioItem", &LyPopupItem::RadioItem, &LyPopupItem::SetRadioItem);
    Publish(L"IsDefault", &LyPopupItem::IsDefault, &LyPopupItem::SetIsDefault);
    Publish(L"Visible", &LyPopupItem::Visible, &LyPopupItem::SetVisible);
    Publish(L"IsSeparator", &LyPopupItem::IsSeparator, &LyPopupItem::SetIsSeparator);
}

void LyPopupItem::SetParentComponent(toolkit::Component* parent) {
    auto* container = dynamic_cast<LyPopupContainer*>(parent);
    if (!container) return;
    if (Text().empty()) SetText(Name());
    container->Items().Add(this);
}

LyPopupMenu::LyPopupMenu(toolkit::Component* AOwner) : LyPopupComponent(AOwner) {
    FParentMenu = this;
    UpdateTheme(false);
    PublishObject(L"CustomColors", CustomColors());
    Publish(L"FlatMenu", &LyPopupMenu::FlatMenu, &LyPopupMenu::SetFlatMenu);
    PublishEnum(L"AnimationType", &LyPopupMenu::AnimationType, &LyPopupMenu::SetAnimationType,
                LyAnimateSelectionNames());
    Publish(L"EnableBorder", &LyPopupMenu::EnableBorder, &LyPopupMenu::SetEnableBorder);
    Publish(L"EnableRadius", &LyPopupMenu::EnableRadius, &LyPopupMenu::SetEnableRadius);
    PublishEvent(L"OnPopup", OnPopup);
    PublishEvent(L"OnBeforePopup", OnBeforePopup);
    PublishEvent(L"OnItemClick", OnItemClick);
    Publish(L"CloseOnCheck", &LyPopupMenu::CloseOnCheck, &LyPopupMenu::SetCloseOnCheck);
    Publish(L"CloseOnExecute", &LyPopupMenu::CloseOnExecute, &LyPopupMenu::SetCloseOnExecute);
    Publish(L"CloseOnNoExecuteClick", &LyPopupMenu::CloseOnNoExecuteClick,
            &LyPopupMenu::SetCloseOnNoExecuteClick);
}

void LyPopupMenu::Popup(int X, int Y) {
    PopupAtPoint({X, Y});
}

void LyPopupMenu::PopupAtCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    PopupAtPoint(cursor);
}

void LyPopupMenu::PopupAtPoint(POINT Point) {
    bool canPopup = true;
    if (OnBeforePopup) OnBeforePopup(this, canPopup, Point);
    if (!canPopup) return;
    // The theme may have changed since the menu was made.
    UpdateTheme(false);
    if (!MenuOpen()) FPreviousActive = GetActiveWindow();
    ShowPopupWindow(Point);
    if (OnPopup) OnPopup(this);
}

} // namespace lyra
