// The message dialog: its buttons, their order and defaults, the result of the one pressed,
// the message's wrapping and the parent dimmed while it is open.
#include "lyra/dialog.h"
#include "tests/gui_support/gui_test_support.h"
#include "toolkit/error.h"
#include "toolkit/utility_window.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using lyra::LyButtonKind;
using lyra::LyDialogButton;

// Reaches the built window while it is shown.
class ProbeDialog : public lyra::LyDialog {
  public:
    using LyDialog::LyDialog;
    // Runs inside the modal loop once the window is up.
    int ExecuteWith(std::function<void(ProbeDialog&)> whileShown) {
        toolkit::UtilityWindow::Instance().Post([this, whileShown] {
            whileShown(*this);
            // A failed expectation that returned early must not leave the window waiting.
            if (Form && Form->ModalResult() == toolkit::ModalResultKind::None)
                Form->SetModalResult(toolkit::ModalResultKind::Cancel);
        });
        return Execute();
    }
    lyra::LyButton* Button(LyDialogButton button) const { return FooterButton(button); }
    lyra::LyTextBox* TitleBox() const { return MainPrompt; }
    lyra::LyTextBox* MessageBox() const { return Prompt; }
    POINT Units() const { return DialogUnits; }
    lyra::LyPanel* Footer() const { return ButtonFooter; }
    lyra::LyForm* Window() const { return Form.get(); }
    int ButtonCount() const { return int(FButtons.size()); }
};

// A dialog whose window cannot be shown modally: it is already visible when its turn comes.
class FailingDialog : public lyra::LyDialog {
  public:
    using LyDialog::LyDialog;

  protected:
    void ExecuteInherited() override {
        LyDialog::ExecuteInherited();
        Form->Show();
    }
};

class Dialog : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        parent->SetBounds(100, 100, 500, 400);
        parent->Show();
        test::Pump();
    }
    std::unique_ptr<lyra::LyForm> parent = std::make_unique<lyra::LyForm>(nullptr);
};

TEST_F(Dialog, YesStandsRightOfNoAsTheOnlyAccentAndNoAnswersSeven) {
    ProbeDialog dialog(parent.get());
    dialog.Title = L"Installed version is newer";
    dialog.Text = L"Do you want to install an older version?";
    dialog.Buttons = {LyDialogButton::Yes, LyDialogButton::No};
    bool dimmed = false;
    const int result = dialog.ExecuteWith([&](ProbeDialog& shown) {
        lyra::LyButton* yes = shown.Button(LyDialogButton::Yes);
        lyra::LyButton* no = shown.Button(LyDialogButton::No);
        ASSERT_NE(yes, nullptr);
        ASSERT_NE(no, nullptr);
        EXPECT_EQ(shown.ButtonCount(), 2);
        EXPECT_GT(yes->Left(), no->Left());
        EXPECT_EQ(yes->Width(), no->Width()) << "every button as wide, whatever its caption";
        EXPECT_EQ(yes->ButtonKind(), LyButtonKind::Accent);
        EXPECT_NE(no->ButtonKind(), LyButtonKind::Accent);
        EXPECT_EQ(yes->Text(), L"Yes");
        EXPECT_EQ(no->Text(), L"No");
        dimmed = parent->SmokeEffect();
        no->Click();
    });
    EXPECT_EQ(result, 7);
    EXPECT_TRUE(dimmed);
    EXPECT_FALSE(parent->SmokeEffect()) << "the parent is restored";
}

TEST_F(Dialog, OkIsOneAccentButtonAnsweringOne) {
    ProbeDialog dialog(parent.get());
    dialog.Title = L"Error";
    dialog.Text = L"The folder cannot be created.";
    const int result = dialog.ExecuteWith([](ProbeDialog& shown) {
        EXPECT_EQ(shown.ButtonCount(), 1);
        lyra::LyButton* ok = shown.Button(LyDialogButton::Ok);
        ASSERT_NE(ok, nullptr);
        EXPECT_EQ(ok->Text(), L"Ok");
        EXPECT_EQ(ok->ButtonKind(), LyButtonKind::Accent);
        ok->Click();
    });
    EXPECT_EQ(result, 1);
}

TEST_F(Dialog, ALongMessageWrapsAndAnEmptyTitleGivesUpItsPlace) {
    ProbeDialog dialog(parent.get());
    dialog.Text = std::wstring(120, L'x');
    for (int i = 9; i < 120; i += 10)
        dialog.Text[i] = L' ';
    dialog.ExecuteWith([](ProbeDialog& shown) {
        lyra::LyTextBox* message = shown.MessageBox();
        EXPECT_EQ(message->Width(), 65 * shown.Units().x);
        EXPECT_GT(message->Height(), shown.Units().y) << "more than one line";
        EXPECT_EQ(message->Top(), shown.TitleBox()->Top()) << "no title above it";
        shown.Button(LyDialogButton::Ok)->Click();
    });
}

TEST_F(Dialog, CancelIsMarkedAndTheDefaultsBecomeAccents) {
    using enum LyDialogButton;
    const struct {
        lyra::LyDialogButtons buttons;
        std::vector<LyDialogButton> accents;
    } cases[] = {
        {{Ok, Cancel}, {Ok}},
        // The second default: All before Yes to All, else the first button of the set.
        {{Yes, No, YesToAll}, {Yes, YesToAll}},
        {{Yes, No, All, YesToAll}, {Yes, All}},
        {{No, Cancel}, {No}},
        {{Retry, Ignore, Abort}, {Abort}},
    };
    for (const auto& c : cases) {
        ProbeDialog dialog(parent.get());
        dialog.Text = L"Which one?";
        dialog.Buttons = c.buttons;
        dialog.ExecuteWith([&](ProbeDialog& shown) {
            for (LyDialogButton button :
                 {Yes, No, Ok, Cancel, Abort, Retry, Ignore, All, YesToAll}) {
                lyra::LyButton* shownButton = shown.Button(button);
                if (!shownButton) continue;
                SCOPED_TRACE(testing::Message() << "button " << int(button));
                const bool accent =
                    std::find(c.accents.begin(), c.accents.end(), button) != c.accents.end();
                EXPECT_EQ(shownButton->ButtonKind() == LyButtonKind::Accent, accent);
                EXPECT_EQ(shownButton->Default(), accent);
                EXPECT_EQ(shownButton->Cancel(), button == Cancel);
            }
        });
    }
}

TEST_F(Dialog, TheFooterGrowsToHoldEveryButton) {
    using enum LyDialogButton;
    ProbeDialog dialog(parent.get());
    dialog.Text = L"Short.";
    dialog.Buttons = {Yes,    No,  Ok,      Cancel,   Abort, Retry,
                      Ignore, All, NoToAll, YesToAll, Help,  Close};
    dialog.ExecuteWith([](ProbeDialog& shown) {
        ASSERT_EQ(shown.ButtonCount(), 12);
        lyra::LyPanel* footer = shown.Footer();
        EXPECT_EQ(footer->Width(), shown.Window()->ClientWidth());
        EXPECT_EQ(footer->Top() + footer->Height(), shown.Window()->ClientHeight());
        // The first stands rightmost, the last leftmost; all of them inside the footer.
        lyra::LyButton* rightmost = shown.Button(Yes);
        lyra::LyButton* leftmost = shown.Button(Close);
        EXPECT_GT(leftmost->Left(), 0);
        EXPECT_LE(rightmost->Left() + rightmost->Width(), footer->Width());
        EXPECT_LT(leftmost->Left(), shown.Button(Help)->Left());
    });
}

TEST_F(Dialog, AFailingDialogStillRestoresItsParent) {
    FailingDialog dialog(parent.get());
    dialog.Text = L"Never shown modally.";
    EXPECT_THROW(dialog.Execute(), toolkit::Error);
    EXPECT_FALSE(parent->SmokeEffect());
    EXPECT_TRUE(test::PumpUntil([&] { return !parent->SmokeOverlay().Visible(); }));
}

} // namespace
