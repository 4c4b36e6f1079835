#pragma once
// The framework's push button. One class, six kinds (ButtonKind): a plain button, an accent
// (call-to-action) button, a two-state toggle, a drop-down that opens a menu, a hyperlink and a
// flat button. It shows a text and an icon, or for a while a "state" text and icon instead
// (such as "Copied!" after a click), an accent underline or an outline, and fades its colours
// between the interaction states.
#include "lyra/animations.h"
#include "lyra/button_colors.h"
#include "lyra/button_layout.h"
#include "lyra/control_interface.h"
#include "lyra/icon_select.h"
#include "lyra/windows_control.h"
#include "toolkit/form.h"
#include "toolkit/popup_menu.h"
#include "toolkit/timer.h"

#include <functional>
#include <memory>
#include <string>

namespace lyra {

// Raised before a click hands the button's ModalResult to its form; clear SendModal to keep
// the form's modal result as it is.
using LyBeforeModalResult = std::function<void(toolkit::Component* Sender, bool& SendModal)>;

class LyButton : public LyWindowsControl, public LyControl {
  public:
    explicit LyButton(toolkit::Component* AOwner);
    ~LyButton() override;

    // Colour sets: the base colours of the theme, and the colours of each state, used
    // instead of the computed ones while enabled.
    LyCompleteColorSets& CustomColors() { return *FCustomColors; }
    LyColorStateSets& CustomButtonColors() { return *FCustomButtonColors; }
    // The colours in force.
    const LyCompleteColorSet& DrawColors() const { return *FDrawColors; }
    const LyColorStateSet& ButtonColors() const { return *FButtonColors; }

    bool Checked() const { return FChecked; }
    // Changes the palette of a Toggle button; raises no event.
    void SetChecked(bool Value);
    bool ShowText() const { return FShowText; }
    void SetShowText(bool Value);
    const std::wstring& Text() const { return FText; }
    void SetText(const std::wstring& Value);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value);
    LyIconSelect& Image() { return *FImage; }
    void SetImage(const LyIconSelect& Value);
    double ImageScale() const { return FImageScale; }
    void SetImageScale(double Value);
    LyDrawLayout ImageLayout() const { return FImageLayout; }
    void SetImageLayout(LyDrawLayout Value);
    LyLayout LayoutHorizontal() const { return FLayoutHorizontal; }
    void SetLayoutHorizontal(LyLayout Value);
    LyLayout LayoutVertical() const { return FLayoutVertical; }
    void SetLayoutVertical(LyLayout Value);
    LyButtonKind ButtonKind() const { return FButtonKind; }
    void SetButtonKind(LyButtonKind Value);
    // The kind chooses the cursor: a hand for a Link button, the arrow otherwise.
    bool AutomaticCursorPointer() const { return FAutomaticCursorPointer; }
    void SetAutomaticCursorPointer(bool Value) { FAutomaticCursorPointer = Value; }
    int Roundness() const { return FRoundness; }
    void SetRoundness(int Value);
    const std::wstring& HyperLinkURL() const { return FHyperLinkURL; }
    void SetHyperLinkURL(const std::wstring& Value) { FHyperLinkURL = Value; }
    toolkit::PopupMenu* DropDown() const { return FDropDown; }
    void SetDropDown(toolkit::PopupMenu* Value);
    int Margin() const { return FMargin; }
    void SetMargin(int Value);
    // Clicks again and again while the button is held down.
    bool RepeatWhenPressed() const { return FRepeatWhenPressed; }
    void SetRepeatWhenPressed(bool Value) { FRepeatWhenPressed = Value; }
    bool Animation() const { return FAnimation; }
    void SetAnimation(bool Value) { FAnimation = Value; }
    LyDetailType Detail() const { return FDetail; }
    void SetDetail(LyDetailType Value);
    double LineWidth() const { return FLineWidth; }
    void SetLineWidth(double Value);

    // While StateEnabled, StateText and StateImage replace Text and Image, for StateDuration
    // milliseconds (0: until switched off).
    const std::wstring& StateText() const { return FStateText; }
    void SetStateText(const std::wstring& Value);
    LyIconSelect& StateImage() { return *FStateImage; }
    void SetStateImage(const LyIconSelect& Value);
    bool StateEnabled() const { return FStateEnabled; }
    // Switching it on again while it is on starts the duration afresh.
    void SetStateEnabled(bool Value);
    int StateDuration() const { return FStateDuration; }
    void SetStateDuration(int Value);
    // A click switches the state display on (or, with StateDuration 0, on and off).
    bool AutoStateToggle() const { return FAutoStateToggle; }
    void SetAutoStateToggle(bool Value) { FAutoStateToggle = Value; }

    // Kept for the stored window descriptions; they change nothing.
    bool Default() const { return FDefault; }
    void SetDefault(bool Value) { FDefault = Value; }
    bool Cancel() const { return FCancel; }
    void SetCancel(bool Value) { FCancel = Value; }
    // Handed to the parent form on every click.
    toolkit::ModalResultKind ModalResult() const { return FModalResult; }
    void SetModalResult(toolkit::ModalResultKind Value) { FModalResult = Value; }

    // The Tag of the first checked LyButton among the parent's controls, in their order; the
    // button's own Tag when none is checked or it has no parent. A group of Toggle tiles
    // reports its choice this way.
    std::intptr_t GetCheckedTag() const;
    // The text and the icon shown now: the state ones while the state display is on.
    const std::wstring& DisplayedText() const { return FStateEnabled ? FStateText : FText; }
    const LyIconSelect& DisplayedImage() const { return FStateEnabled ? *FStateImage : *FImage; }
    const LyButtonLayout& Layout() const { return FLayout; }
    // How far the drop-down chevron is pushed down, pixels.
    int ArrowOffset() const { return FArrowOffset; }
    // A colour fade between two interaction states is on its way.
    bool AnimationRunning() const { return FAnimationRunning; }

    // LyControl
    bool IsContainer() const override { return false; }
    void UpdateTheme(bool UpdateChildren) override;
    TColor Background() const override { return FDrawColors->BackGround; }

    // The toggle, the menu, the link, the state display and the modal result, then OnClick.
    void Click() override;
    // Lays the button out again before drawing it.
    void Invalidate() override;
    void Loaded() override;

    toolkit::NotifyEvent OnCheck;
    toolkit::NotifyEvent OnOpenLink;
    toolkit::NotifyEvent OnDropDown;
    LyBeforeModalResult OnBeforeModalResult;

  protected:
    void PaintBuffer() override;
    void ScaleChanged(float Scaling) override;
    void InteractionStateChanged(LyControlState AState) override;
    void KeyDown(WORD& Key, toolkit::ShiftState Shift) override;
    void KeyUp(WORD& Key, toolkit::ShiftState Shift) override;
    void KeyPress(wchar_t& Key) override;
    void MouseDown(toolkit::MouseButton Button, toolkit::ShiftState Shift, int X, int Y) override;
    void MouseUp(toolkit::MouseButton Button, toolkit::ShiftState Shift, int X, int Y) override;
    void Notification(toolkit::Component* AComponent) override;

  private:
    void UpdateCaption();
    // Resolves the base colours and the state colours for the theme, kind and state in force.
    void UpdateColors();
    // The kind's cursor, while AutomaticCursorPointer and the computed colours are in force.
    void UpdateCursor();
    // Lays out the text, the icon and the chevron; nothing happens without a parent.
    void UpdateRects();
    void PaintShape(TColor Fill);
    void PaintCaption(TColor TextColor);
    void StartColorAnimation();
    void AnimationStep();
    void AutoRepeatTick();
    void OpenDropDown();
    void PassModalResult();
    // Stores a layout value and relays the button when it changed.
    template <class T> void ChangeLayout(T& Field, const T& Value);

    std::unique_ptr<LyCompleteColorSets> FCustomColors;
    std::unique_ptr<LyColorStateSets> FCustomButtonColors;
    std::unique_ptr<LyCompleteColorSet> FDrawColors;
    std::unique_ptr<LyColorStateSet> FButtonColors;
    std::unique_ptr<LyIconSelect> FImage;
    std::unique_ptr<LyIconSelect> FStateImage;
    std::unique_ptr<toolkit::Timer> FAutoStopState;
    std::unique_ptr<toolkit::Timer> FAutoRepeat;
    // The colour fade between two interaction states; deleting it cancels the rest of it.
    std::unique_ptr<TIntAni> FColorAnimation;

    bool FChecked = false;
    bool FShowText = true;
    std::wstring FText{L"Button"};
    bool FWordWrap = true;
    double FImageScale = 1.25;
    LyDrawLayout FImageLayout = LyDrawLayout::Left;
    LyLayout FLayoutHorizontal = LyLayout::Center;
    LyLayout FLayoutVertical = LyLayout::Center;
    LyButtonKind FButtonKind = LyButtonKind::Normal;
    bool FAutomaticCursorPointer = true;
    int FRoundness = 10;
    std::wstring FHyperLinkURL;
    toolkit::PopupMenu* FDropDown = nullptr;
    // The menu as a component, to hear of its deletion: by then its PopupMenu part is gone.
    toolkit::Component* FDropDownComponent = nullptr;
    int FMargin = 0;
    bool FRepeatWhenPressed = false;
    bool FAnimation = true;
    LyDetailType FDetail = LyDetailType::None;
    double FLineWidth = 3.0;
    std::wstring FStateText;
    bool FStateEnabled = false;
    int FStateDuration = 1000;
    bool FAutoStateToggle = false;
    bool FDefault = false;
    bool FCancel = false;
    toolkit::ModalResultKind FModalResult = toolkit::ModalResultKind::None;

    LyButtonLayout FLayout;
    int FLineHeight = 0;
    double FBorderWidth = 1.0;
    bool FAnimationRunning = false;
    int FAnimPos = 0;
    int FArrowOffset = 0;
    double FMaxArrowOffset = 0;
};

} // namespace lyra
