#include "lyra/dialog.h"

#include "lyra/colors.h"
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/screen.h"

#include <algorithm>

namespace lyra {

namespace {

struct StandardButton {
    LyDialogButton button;
    const wchar_t* caption;
    toolkit::ModalResultKind result;
};

constexpr StandardButton kStandardButtons[] = {
    {LyDialogButton::Yes, L"Yes", toolkit::ModalResultKind::Yes},
    {LyDialogButton::No, L"No", toolkit::ModalResultKind::No},
    {LyDialogButton::Ok, L"Ok", toolkit::ModalResultKind::Ok},
    {LyDialogButton::Cancel, L"Cancel", toolkit::ModalResultKind::Cancel},
    {LyDialogButton::Abort, L"Abort", toolkit::ModalResultKind::Abort},
    {LyDialogButton::Retry, L"Retry", toolkit::ModalResultKind::Retry},
    {LyDialogButton::Ignore, L"Ignore", toolkit::ModalResultKind::Ignore},
    {LyDialogButton::All, L"All", toolkit::ModalResultKind::All},
    {LyDialogButton::NoToAll, L"No to All", toolkit::ModalResultKind::NoToAll},
    {LyDialogButton::YesToAll, L"Yes to All", toolkit::ModalResultKind::YesToAll},
    {LyDialogButton::Help, L"Help", toolkit::ModalResultKind::Help},
    {LyDialogButton::Close, L"Close", toolkit::ModalResultKind::Close}};

SIZE TextSize(const toolkit::Font& font, const std::wstring& text) {
    toolkit::Bitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(font);
    return scratch.Canvas().TextExtent(text);
}

// Turns the parent's smoke off again however the modal run ends.
class SmokeOver {
  public:
    explicit SmokeOver(toolkit::Form* parent) : FForm(dynamic_cast<LyForm*>(parent)) {
        if (FForm) FForm->SetSmokeEffect(true);
    }
    ~SmokeOver() {
        if (FForm) FForm->SetSmokeEffect(false);
    }
    SmokeOver(const SmokeOver&) = delete;
    SmokeOver& operator=(const SmokeOver&) = delete;

  private:
    LyForm* FForm;
};

} // namespace

LyDialogBox::LyDialogBox() : FButtonDesign(std::make_unique<LyButton>(nullptr)) {
    FTitleFont.SetName(L"Segoe UI Bold");
    FTitleFont.SetSize(14);
    FTitleFont.SetColor(toolkit::clBlack);
    FTextFont.SetName(L"Segoe UI");
    FTextFont.SetSize(11);
    FTextFont.SetColor(toolkit::clBlack);
}

LyDialogBox::LyDialogBox(toolkit::Form* AParentForm) : LyDialogBox() {
    ParentForm = AParentForm;
}

LyDialogBox::~LyDialogBox() = default;

void LyDialogBox::ExecuteInherited() {
    FButtons.clear();
    Form = std::make_unique<LyForm>(nullptr);
    Form->Constraints().SetMinWidth(300);
    Form->SetPosition(toolkit::PositionKind::ScreenCenter);
    Form->SetBorderStyle(toolkit::BorderStyleKind::Sizeable);
    Form->SetBorderIcons({});
    // The window text names the message for the taskbar and screen readers; the title is
    // drawn inside the window, so the title bar does not repeat it.
    Form->SetCaption(Title);
    Form->CustomTitleBar().SetShowCaption(false);

    const TColor window = ResolveColor(Form->Color());
    const toolkit::TColor ink = ColorBrightness(window) < 156 ? toolkit::clWhite : toolkit::clBlack;
    FTextFont.SetColor(ink);
    FTitleFont.SetColor(ink);
    Form->Font().Assign(FTextFont);
    const SIZE letters =
        TextSize(FTextFont, L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    DialogUnits = {letters.cx / 52, letters.cy};
    FTitlebarHeight = Form->GetTitlebarHeight();
    Form->SetClientHeight(FTitlebarHeight);
    Form->SetClientWidth(0);

    const int x = DialogUnits.x, y = DialogUnits.y;
    if (PromptCreation) {
        MainPrompt = new LyTextBox(Form.get());
        MainPrompt->SetParent(Form.get());
        MainPrompt->SetLayoutVertical(LyLayout::Beginning);
        MainPrompt->TextFont().Assign(FTitleFont);
        MainPrompt->SetText(Title);
        MainPrompt->SetWordWrap(false);
        MainPrompt->SetBounds(3 * x, 2 * y, MainPrompt->Width(), MainPrompt->Height());

        Prompt = new LyTextBox(Form.get());
        Prompt->SetParent(Form.get());
        Prompt->SetLayoutVertical(LyLayout::Beginning);
        Prompt->TextFont().Assign(FTextFont);
        const int length = int(Text.size());
        const int width = std::max(length <= 80 ? length * x : 65 * x, MainPrompt->Width());
        // Wrapping first, so the text is measured within the width it may take.
        Prompt->SetWordWrap(true);
        Prompt->SetBounds(3 * x, 2 * y + MainPrompt->Top() + FTitlebarHeight, width, y);
        Prompt->SetText(Text);
        Prompt->Constraints().SetMinWidth(MainPrompt->Width());
        if (Title.empty()) Prompt->SetTop(MainPrompt->Top());
        Form->SetClientHeight(Form->Height() + Prompt->Top() + Prompt->Height() - FTitlebarHeight);
        Form->SetClientWidth(2 * Prompt->Left() + Prompt->Width());
    }
    if (HasButtons) {
        FButtonHeight = int(0.9 * FButtonDesign->Height());
        Form->SetClientHeight(Form->ClientHeight() + FButtonHeight);
        FButtonOffset = MulDiv(1, y, 2);
        ButtonFooter = new LyPanel(Form.get());
        ButtonFooter->SetParent(Form.get());
        ButtonFooter->SetAnchors({toolkit::Anchor::Left, toolkit::Anchor::Bottom});
        const TColor footer = ChangeColorLight(window, -10);
        ButtonFooter->CustomColors().LightBackGround = footer;
        ButtonFooter->CustomColors().DarkBackGround = footer;
        ButtonFooter->CustomColors().SetEnabled(true);
        const int height = 2 * FButtonOffset + FButtonHeight;
        ButtonFooter->SetBounds(0, Form->ClientHeight() - height, Form->ClientWidth(), height);
    }
}

void LyDialogBox::CreateButtons(LyDialogButtons Buttons) {
    const int textWidth = TextSize(FButtonDesign->TextFont(), L"Button").cx;
    const int width = textWidth < 40 ? 90 : textWidth + 50;
    int r = Form->Width() - 2 * FButtonOffset;
    for (const StandardButton& standard : kStandardButtons) {
        if (!Buttons.Contains(standard.button)) continue;
        auto* button = new LyButton(Form.get());
        button->SetParent(ButtonFooter);
        button->SetAnimation(false);
        button->SetAnchors({toolkit::Anchor::Right, toolkit::Anchor::Bottom});
        button->SetBounds(r - width - FButtonOffset, (FButtonHeight - FButtonOffset) / 2, width,
                          FButtonHeight);
        button->SetModalResult(standard.result);
        button->SetText(standard.caption);
        LyButton& design = *FButtonDesign;
        button->CustomColors().Assign(design.CustomColors());
        button->CustomButtonColors().Assign(design.CustomButtonColors());
        button->TextFont().Assign(design.TextFont());
        button->SetWordWrap(design.WordWrap());
        button->SetImageLayout(design.ImageLayout());
        button->SetLayoutHorizontal(design.LayoutHorizontal());
        button->SetLayoutVertical(design.LayoutVertical());
        button->SetButtonKind(design.ButtonKind());
        button->SetRoundness(design.Roundness());
        FButtons.emplace_back(standard.button, button);
        r -= width + FButtonOffset;
    }
    if (r < 0) {
        Form->SetClientWidth(Form->ClientWidth() - r + FButtonOffset);
        ButtonFooter->SetWidth(Form->ClientWidth());
    }
}

LyButton* LyDialogBox::FooterButton(LyDialogButton Button) const {
    for (const auto& [kind, button] : FButtons)
        if (kind == Button) return button;
    return nullptr;
}

void LyDialogBox::HighlightDefaultButton() {
    for (const auto& entry : FButtons)
        if (entry.second->Default()) entry.second->SetButtonKind(LyButtonKind::Accent);
}

toolkit::ModalResultKind LyDialogBox::ModalExecution(bool FreeForm) {
    toolkit::SizeConstraints& size = Form->Constraints();
    size.SetMinWidth(Form->Width());
    size.SetMaxWidth(Form->Width());
    size.SetMinHeight(Form->Height());
    size.SetMaxHeight(Form->Height());
    if (!ScreenCenter) {
        Form->SetPosition(toolkit::PositionKind::Designed);
        toolkit::Form* over = ParentForm ? ParentForm : toolkit::Application::Instance().MainForm();
        const RECT area = over ? over->BoundsRect() : toolkit::Screen::Instance().WorkAreaRect();
        const POINT centre{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
        Form->SetBounds(centre.x - Form->Width() / 2, centre.y - Form->Height() / 2, Form->Width(),
                        Form->Height());
    }
    toolkit::ModalResultKind result;
    {
        const SmokeOver smoke(ParentForm);
        result = Form->ShowModal();
    }
    if (FreeForm) {
        FButtons.clear();
        MainPrompt = Prompt = nullptr;
        ButtonFooter = nullptr;
        Form.reset();
    }
    return result;
}

int LyDialog::Execute() {
    ExecuteInherited();
    Form->Constraints().SetMinHeight(Form->ClientHeight());
    Form->SetClientWidth(Form->ClientWidth() + FButtonOffset);
    if (ButtonFooter) ButtonFooter->SetWidth(Form->ClientWidth());
    CreateButtons(Buttons);
    if (LyButton* cancel = FooterButton(LyDialogButton::Cancel)) cancel->SetCancel(true);
    if (LyButton* ok = FooterButton(LyDialogButton::Ok))
        ok->SetDefault(true);
    else if (LyButton* yes = FooterButton(LyDialogButton::Yes))
        yes->SetDefault(true);
    LyButton* second = FooterButton(LyDialogButton::All);
    if (!second) second = FooterButton(LyDialogButton::YesToAll);
    if (!second && !FButtons.empty()) second = FButtons.front().second;
    if (second) second->SetDefault(true);
    HighlightDefaultButton();
    return int(ModalExecution(true));
}

} // namespace lyra
