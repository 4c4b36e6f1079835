// Radio buttons on a real framework form: selecting one unchecks its siblings (and only
// those of the same parent), OnCheck comes once, on the selected one, and the circle and
// caption take the theme's colours, grey when disabled.
#include "lyra/radio_button.h"
#include "lyra/theme_manager.h"
#include "selection_test_support.h"
#include "toolkit/panel.h"

#include <vector>

namespace {

using lyra::LyRadioButton;

class RadioButtonTest : public test::SelectionTest {
  protected:
    RadioButtonTest() {
        for (int index = 0; index < 3; ++index)
            group.push_back(Make(host.get(), 10 + 40 * index, 100 + index));
    }
    LyRadioButton* Make(toolkit::WinControl* parent, int top, int tag) {
        auto* button = new LyRadioButton(host.get());
        button->SetBounds(10, top, 200, 30);
        button->SetTag(tag);
        button->SetParent(parent);
        button->OnCheck = [this](toolkit::Component* sender) { checks.push_back(sender); };
        return button;
    }
    static POINT OnCircle(const LyRadioButton& button) {
        const RECT& icon = button.IconRect();
        return {(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
    }
    std::vector<bool> States() const {
        std::vector<bool> states;
        for (auto* button : group)
            states.push_back(button->Checked());
        return states;
    }

    std::vector<LyRadioButton*> group;
    std::vector<toolkit::Component*> checks;
};

TEST_F(RadioButtonTest, StartsWithItsPublishedDefaults) {
    LyRadioButton fresh(nullptr);
    test::ExpectSharedDefaults(fresh, L"Lyra Radio Button", 14);
    EXPECT_FALSE(fresh.Checked());
}

TEST_F(RadioButtonTest, SelectingOneUnchecksItsSiblingsAndRaisesOnCheckOnce) {
    group[0]->SetChecked(true);
    checks.clear();

    test::Click(*group[1], OnCircle(*group[1]));
    EXPECT_EQ(States(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(checks, std::vector<toolkit::Component*>{group[1]});

    // Clicking the checked one again changes nothing: the user never unchecks.
    test::Click(*group[1], OnCircle(*group[1]));
    EXPECT_EQ(States(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(checks.size(), 1u);

    // A click on the caption selects too.
    const RECT& text = group[2]->TextRect();
    test::Click(*group[2], {text.left + 10, 15});
    EXPECT_EQ(States(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(checks.size(), 2u);
}

TEST_F(RadioButtonTest, SpaceAndEnterSelectTheFocusedButton) {
    group[0]->SetChecked(true);
    checks.clear();
    group[2]->SetFocus();
    test::Pump();
    test::PressKey(VK_SPACE);
    EXPECT_EQ(States(), (std::vector<bool>{false, false, true}));
    SendMessageW(group[1]->Handle(), WM_CHAR, L'\r', 0);
    EXPECT_EQ(States(), (std::vector<bool>{false, true, false}));
    EXPECT_EQ(checks, (std::vector<toolkit::Component*>{group[2], group[1]}));
}

TEST_F(RadioButtonTest, ADragOffOrADisabledButtonSelectsNothing) {
    test::LeftDown(*group[1], OnCircle(*group[1]));
    test::LeftUp(*group[1], {-30, 15});
    // Disabled between press and release, as a handler elsewhere might do.
    test::LeftDown(*group[2], OnCircle(*group[2]));
    group[2]->SetEnabled(false);
    test::LeftUp(*group[2], OnCircle(*group[2]));
    SendMessageW(group[2]->Handle(), WM_CHAR, L' ', 0);
    EXPECT_EQ(States(), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(checks.empty());
}

TEST_F(RadioButtonTest, CodeChecksAndUnchecksButOnlyCheckingRaisesOnCheck) {
    group[2]->SetChecked(true);
    group[2]->SetChecked(true);
    EXPECT_EQ(checks, std::vector<toolkit::Component*>{group[2]});
    group[0]->SetChecked(true);
    EXPECT_EQ(States(), (std::vector<bool>{true, false, false}));
    checks.clear();
    group[0]->SetChecked(false);
    EXPECT_EQ(States(), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(checks.empty());
}

TEST_F(RadioButtonTest, GroupsAreTheButtonsOfOneParent) {
    toolkit::Panel panel(nullptr);
    panel.SetBounds(220, 10, 220, 100);
    panel.SetParent(host.get());
    LyRadioButton* other = Make(&panel, 10, 200);
    other->SetChecked(true);
    group[0]->SetChecked(true);
    EXPECT_TRUE(other->Checked()) << "another parent is another group";

    test::Click(*other, OnCircle(*other));
    EXPECT_TRUE(group[0]->Checked());
    delete other;
}

TEST_F(RadioButtonTest, GetCheckedTagNamesTheCheckedSiblingOrTheCaller) {
    EXPECT_EQ(group[1]->GetCheckedTag(), 101) << "none checked: the caller's own";
    group[2]->SetChecked(true);
    EXPECT_EQ(group[0]->GetCheckedTag(), 102);
    EXPECT_EQ(group[2]->GetCheckedTag(), 102);

    LyRadioButton alone(nullptr);
    alone.SetTag(7);
    alone.SetChecked(true);
    EXPECT_EQ(alone.GetCheckedTag(), 7);
}

// A checked circle is the filled circle with the inner dot drawn over it in the background
// colour. Without the icon font both glyphs draw as the same box, so the dot covers the
// circle exactly; under the mouse the dot grows and the circle's colour shows.
TEST_F(RadioButtonTest, TheCircleTakesTheAccentCheckedAndTheForegroundUnchecked) {
    const lyra::TColor accent = lyra::ThemeManager().AccentColor();
    const lyra::TColor foreground = lyra::ThemeManager().SystemColor.ForeGround;
    LyRadioButton& button = *group[0];
    EXPECT_EQ(test::BufferCount(button, button.IconRect(), accent), 0);
    EXPECT_GT(test::BufferCount(button, button.IconRect(), foreground), 0);
    EXPECT_GT(test::BufferCount(button, button.TextRect(), foreground), 0);

    button.SetChecked(true);
    const struct {
        lyra::LyControlState state;
        lyra::TColor colour;
    } cases[] = {
        {lyra::LyControlState::Hover, lyra::ChangeColorLight(accent, 25)},
        {lyra::LyControlState::Press, lyra::ChangeColorLight(accent, -25)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.state));
        button.SetState(c.state);
        EXPECT_GT(test::BufferCount(button, button.IconRect(), c.colour, 4), 0);
        EXPECT_EQ(test::BufferCount(button, button.IconRect(), foreground), 0);
        EXPECT_GT(test::BufferCount(button, button.TextRect(), foreground), 0);
    }
    button.SetState(lyra::LyControlState::None);
}

TEST_F(RadioButtonTest, ADisabledButtonGreysOnlyItsCheckedCircle) {
    const lyra::TColor grey = lyra::MakeColor(128, 128, 128);
    const lyra::TColor foreground = lyra::ThemeManager().SystemColor.ForeGround;
    group[0]->SetChecked(true);
    for (auto* button : group)
        button->SetEnabled(false);

    // Under the mouse the grey lightens like the accent would.
    LyRadioButton& checked = *group[0];
    checked.SetState(lyra::LyControlState::Hover);
    EXPECT_GT(test::BufferCount(checked, checked.IconRect(), lyra::ChangeColorLight(grey, 25), 4),
              0);
    EXPECT_EQ(test::BufferCount(checked, checked.IconRect(), lyra::ThemeManager().AccentColor()),
              0);
    EXPECT_GT(test::BufferCount(checked, checked.TextRect(), foreground), 0);
    EXPECT_EQ(test::BufferCount(checked, checked.TextRect(), grey, 4), 0);
    checked.SetState(lyra::LyControlState::None);

    LyRadioButton& unchecked = *group[1];
    EXPECT_GT(test::BufferCount(unchecked, unchecked.IconRect(), foreground), 0);
    EXPECT_EQ(test::BufferCount(unchecked, unchecked.IconRect(), grey, 4), 0);
}

TEST_F(RadioButtonTest, ThemeUpdatesTakeTheNewCustomAccent) {
    LyRadioButton& button = *group[1];
    button.SetChecked(true);
    button.SetState(lyra::LyControlState::Press);
    const lyra::TColor green = lyra::MakeColor(0, 150, 60);
    const lyra::TColor pressed = lyra::ChangeColorLight(green, -25);
    button.CustomColors().Accent = green;
    button.CustomColors().SetEnabled(true);
    EXPECT_EQ(button.IconAccentColors().None, green);
    EXPECT_EQ(button.IconAccentColors().Press, pressed);
    EXPECT_GT(test::BufferCount(button, button.IconRect(), pressed, 4), 0);

    button.CustomColors().SetEnabled(false);
    EXPECT_EQ(button.IconAccentColors().None, lyra::ThemeManager().AccentColor());
    EXPECT_EQ(test::BufferCount(button, button.IconRect(), pressed, 4), 0);
    button.SetState(lyra::LyControlState::None);
}

const wchar_t kDescription[] = LR"(object Host: Form
  object Accept: LyRadioButton
    Text = 'I accept the agreement'
    OnCheck = LicenceCheck
    Checked = True
    Tag = 1
    TextSpacing = 4
    Layout = Top
  end
  object Decline: LyRadioButton
    Tag = 2
    OnCheck = LicenceCheck
  end
end
)";

TEST(RadioButtonDescription, SetsThePublishedPropertiesWithoutRaisingOnCheck) {
    toolkit::Form form(nullptr);
    int checks = 0;
    test::ReadSelectionDescription(form, kDescription, L"LicenceCheck",
                                   [&](toolkit::Component*) { ++checks; });

    auto* accept = form.Find<LyRadioButton>(L"Accept");
    auto* decline = form.Find<LyRadioButton>(L"Decline");
    ASSERT_NE(accept, nullptr);
    ASSERT_NE(decline, nullptr);
    EXPECT_EQ(accept->Text(), L"I accept the agreement");
    EXPECT_TRUE(accept->Checked());
    EXPECT_EQ(accept->TextSpacing(), 4);
    EXPECT_EQ(accept->Layout(), lyra::LyDrawLayout::Top);
    EXPECT_EQ(decline->GetCheckedTag(), 1);
    EXPECT_EQ(checks, 0);

    decline->SetChecked(true);
    EXPECT_FALSE(accept->Checked());
    EXPECT_EQ(checks, 1);
}

} // namespace
