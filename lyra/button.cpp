#include "lyra/button.h"

#include "lyra/theme_manager.h"

#include <cmath>

namespace lyra {

LyButton::LyButton(toolkit::Component* AOwner)
    : LyWindowsControl(AOwner), FCustomColors(std::make_unique<LyCompleteColorSets>(this)),
      FCustomButtonColors(std::make_unique<LyColorStateSets>(this)),
      FDrawColors(std::make_unique<LyCompleteColorSet>(this)),
      FButtonColors(std::make_unique<LyColorStateSet>(this)),
      FImage(std::make_unique<LyIconSelect>(this)),
      FStateImage(std::make_unique<LyIconSelect>(this)),
      FAutoStopState(std::make_unique<toolkit::Timer>(nullptr)),
      FAutoRepeat(std::make_unique<toolkit::Timer>(nullptr)) {
    FAutoStopState->SetEnabled(false);
    FAutoStopState->SetInterval(FStateDuration);
    FAutoStopState->OnTimer = [this](toolkit::Component*) {
        SetStateEnabled(false);
        FAutoStopState->SetEnabled(false);
    };
    FAutoRepeat->SetEnabled(false);
    FAutoRepeat->OnTimer = [this](toolkit::Component*) { AutoRepeatTick(); };
    SetAutoFocusLine(true);
    UpdateCaption();

    PublishObject(L"CustomColors", *FCustomColors);
    PublishObject(L"CustomButtonColors", *FCustomButtonColors);
    Publish(L"Checked", &LyButton::Checked, &LyButton::SetChecked);
    Publish(L"ShowText", &LyButton::ShowText, &LyButton::SetShowText);
    Publish(L"Text", &LyButton::Text, &LyButton::SetText);
    Publish(L"WordWrap", &LyButton::WordWrap, &LyButton::SetWordWrap);
    PublishObject(L"Image", *FImage);
    Publish(L"ImageScale", &LyButton::ImageScale, &LyButton::SetImageScale);
    PublishEnum(L"ImageLayout", &LyButton::ImageLayout, &LyButton::SetImageLayout,
                LyDrawLayoutNames());
    PublishEnum(L"LayoutHorizontal", &LyButton::LayoutHorizontal, &LyButton::SetLayoutHorizontal,
                LyLayoutNames());
    PublishEnum(L"LayoutVertical", &LyButton::LayoutVertical, &LyButton::SetLayoutVertical,
                LyLayoutNames());
    PublishEnum(L"ButtonKind", &LyButton::ButtonKind, &LyButton::SetButtonKind,
                LyButtonKindNames());
    Publish(L"AutomaticCursorPointer", &LyButton::AutomaticCursorPointer,
            &LyButton::SetAutomaticCursorPointer);
    Publish(L"Roundness", &LyButton::Roundness, &LyButton::SetRoundness);
    Publish(L"HyperLinkURL", &LyButton::HyperLinkURL, &LyButton::SetHyperLinkURL);
    PublishReference(L"DropDown", &LyButton::DropDown, &LyButton::SetDropDown);
    Publish(L"Margin", &LyButton::Margin, &LyButton::SetMargin);
    Publish(L"RepeatWhenPressed", &LyButton::RepeatWhenPressed, &LyButton::SetRepeatWhenPressed);
    Publish(L"Animation", &LyButton::Animation, &LyButton::SetAnimation);
    PublishEnum(L"Detail", &LyButton::Detail, &LyButton::SetDetail, LyDetailTypeNames());
    Publish(L"LineWidth", &LyButton::LineWidth, &LyButton::SetLineWidth);
    Publish(L"StateText", &LyButton::StateText, &LyButton::SetStateText);
    PublishObject(L"StateImage", *FStateImage);
    Publish(L"StateEnabled", &LyButton::StateEnabled, &LyButton::SetStateEnabled);
    Publish(L"StateDuration", &LyButton::StateDuration, &LyButton::SetStateDuration);
    Publish(L"AutoStateToggle", &LyButton::AutoStateToggle, &LyButton::SetAutoStateToggle);
    PublishEvent(L"OnCheck", OnCheck);
    PublishEvent(L"OnOpenLink", OnOpenLink);
    PublishEvent(L"OnDropDown", OnDropDown);
    PublishEvent(L"OnBeforeModalResult", OnBeforeModalResult);
    Publish(L"Default", &LyButton::Default, &LyButton::SetDefault);
    Publish(L"Cancel", &LyButton::Cancel, &LyButton::SetCancel);
    PublishEnum(L"ModalResult", &LyButton::ModalResult, &LyButton::SetModalResult,
                toolkit::ModalResultNames());

    UpdateColors();
    SetBounds(Left(), Top(), 140, 35);
}

LyButton::~LyButton() {
    MarkDestroying();
    // Before anything its steps reach goes away.
    FColorAnimation.reset();
}

template <class T> void LyButton::ChangeLayout(T& Field, const T& Value) {
    if (Field == Value) return;
    Field = Value;
    Invalidate();
}

void LyButton::SetChecked(bool Value) {
    FChecked = Value;
    UpdateColors();
    Invalidate();
}

void LyButton::SetShowText(bool Value) {
    ChangeLayout(FShowText, Value);
}

void LyButton::SetText(const std::wstring& Value) {
    ChangeLayout(FText, Value);
    UpdateCaption();
}

void LyButton::UpdateCaption() {
    // The window text names the button to screen readers and the accessibility layer: it
    // says what the button shows, the state text while that is on.
    SetCaption(DisplayedText());
}

void LyButton::SetWordWrap(bool Value) {
    ChangeLayout(FWordWrap, Value);
}

void LyButton::SetImage(const LyIconSelect& Value) {
    FImage->Assign(Value);
    Invalidate();
}

void LyButton::SetImageScale(double Value) {
    ChangeLayout(FImageScale, Value);
}

void LyButton::SetImageLayout(LyDrawLayout Value) {
    ChangeLayout(FImageLayout, Value);
}

void LyButton::SetLayoutHorizontal(LyLayout Value) {
    ChangeLayout(FLayoutHorizontal, Value);
}

void LyButton::SetLayoutVertical(LyLayout Value) {
    ChangeLayout(FLayoutVertical, Value);
}

void LyButton::SetMargin(int Value) {
    ChangeLayout(FMargin, Value);
}

void LyButton::SetLineWidth(double Value) {
    ChangeLayout(FLineWidth, Value);
}

void LyButton::SetButtonKind(LyButtonKind Value) {
    FButtonKind = Value;
    UpdateColors();
    Invalidate();
}

void LyButton::SetRoundness(int Value) {
    FRoundness = Value;
    Invalidate();
}

void LyButton::SetDetail(LyDetailType Value) {
    FDetail = Value;
    Invalidate();
}

void LyButton::SetDropDown(toolkit::PopupMenu* Value) {
    if (FDropDownComponent) FDropDownComponent->RemoveFreeNotification(this);
    FDropDown = Value;
    FDropDownComponent = dynamic_cast<toolkit::Component*>(Value);
    if (FDropDownComponent) FDropDownComponent->FreeNotification(this);
}

void LyButton::Notification(toolkit::Component* AComponent) {
    LyWindowsControl::Notification(AComponent);
    if (AComponent && AComponent == FDropDownComponent) {
        FDropDown = nullptr;
        FDropDownComponent = nullptr;
    }
}

void LyButton::SetStateText(const std::wstring& Value) {
    FStateText = Value;
    if (!FStateEnabled) return;
    UpdateCaption();
    Invalidate();
}

void LyButton::SetStateImage(const LyIconSelect& Value) {
    FStateImage->Assign(Value);
    if (FStateEnabled) Invalidate();
}

void LyButton::SetStateEnabled(bool Value) {
    if (Value == FStateEnabled) {
        // Switched on again while on: the display lasts its whole duration from now.
        if (Value && FAutoStopState->Enabled()) {
            FAutoStopState->SetEnabled(false);
            FAutoStopState->SetEnabled(true);
        }
        return;
    }
    FStateEnabled = Value;
    FAutoStopState->SetEnabled(false);
    if (Value && FStateDuration != 0) FAutoStopState->SetEnabled(true);
    UpdateCaption();
    Invalidate();
}

void LyButton::SetStateDuration(int Value) {
    FStateDuration = Value;
    FAutoStopState->SetInterval(Value);
}

std::intptr_t LyButton::GetCheckedTag() const {
    if (!Parent()) return Tag();
    for (int index = 0; index < Parent()->ControlCount(); ++index) {
        const auto* button = dynamic_cast<const LyButton*>(Parent()->Controls(index));
        if (button && button->Checked()) return button->Tag();
    }
    return Tag();
}

void LyButton::UpdateTheme(bool) {
    UpdateColors();
    Invalidate();
}

void LyButton::Loaded() {
    LyWindowsControl::Loaded();
    // The cursor waited for the kind that the description sets.
    UpdateCursor();
}

void LyButton::UpdateCursor() {
    if (FAutomaticCursorPointer && !Loading() && !FCustomButtonColors->Enabled())
        SetCursor(KindCursor(PaletteKind(FButtonKind, FChecked)));
}

void LyButton::UpdateColors() {
    const bool dark = ThemeManager().DarkTheme();
    if (FCustomColors->Enabled())
        FDrawColors->LoadFrom(*FCustomColors, dark);
    else
        FDrawColors->LoadFrom(ThemeManager().SystemColorSet, dark);
    FDrawColors->BackGround = GetParentBackgroundColor(FDrawColors->BackGround);

    if (FCustomButtonColors->Enabled()) {
        FButtonColors->LoadFrom(*FCustomButtonColors, dark);
    } else {
        const LyButtonKind palette = PaletteKind(FButtonKind, FChecked);
        ComputeButtonColors(palette, dark, *FDrawColors, *FButtonColors);
        FBorderWidth = KindBorderWidth(palette);
    }
    UpdateCursor();
    if (!Enabled()) FadeDisabledButtonColors(*FButtonColors);
    SetColor(FDrawColors->BackGround);
}

void LyButton::Invalidate() {
    UpdateRects();
    LyWindowsControl::Invalidate();
}

void LyButton::UpdateRects() {
    if (!Parent()) return;
    toolkit::Canvas& canvas = Buffer();
    canvas.Font().Assign(TextFont());
    FLineHeight = canvas.TextHeight(L"ABC...");
    LyButtonLayoutInput input;
    input.DrawRect = PaddedClientRect();
    input.LineHeight = FLineHeight;
    input.TextWidth = FShowText ? canvas.TextWidth(DisplayedText()) : 0;
    input.Margin = FMargin;
    input.LineWidth = FLineWidth;
    input.Indicator = FButtonKind == LyButtonKind::Dropdown;
    input.IconShown = DisplayedImage().Enabled();
    input.WordWrap = FWordWrap;
    input.ImageScale = FImageScale;
    input.ImageLayout = FImageLayout;
    input.Horizontal = FLayoutHorizontal;
    input.Vertical = FLayoutVertical;
    FLayout = ComputeButtonLayout(input);
}

void LyButton::ScaleChanged(float Scaling) {
    LyWindowsControl::ScaleChanged(Scaling);
    FImageScale *= Scaling;
    FLineWidth *= Scaling;
    FMargin = int(std::lround(FMargin * Scaling));
    FBorderWidth *= Scaling;
}

} // namespace lyra
