// The check box on a real framework form: clicks and keys step through its states, OnChange
// comes once per change, the check mark draws itself over the timer's ticks, and the box,
// caption and colours land where the layout and the theme say.
#include "lyra/check_box.h"
#include "lyra/colors.h"
#include "lyra/theme_manager.h"
#include "selection_test_support.h"

#include <utility>
#include <vector>

namespace {

using lyra::LyCheckBox;
using State = lyra::LyCheckBoxState;

class CheckBoxTest : public test::SelectionTest {
  protected:
    CheckBoxTest() {
        box = new LyCheckBox(host.get());
        box->SetBounds(10, 10, 200, 30);
        box->SetParent(host.get());
        box->OnChange = [this](toolkit::Component* sender) {
            EXPECT_EQ(sender, box);
            changes.push_back(box->State());
        };
    }
    // The middle of the box's glyph area.
    POINT OnBox() const {
        const RECT& icon = box->IconRect();
        return {(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2};
    }
    void WaitForCheckMark() {
        for (int round = 0; round < 300 && box->Animating(); ++round)
            test::PumpFor(10);
    }

    LyCheckBox* box = nullptr;
    std::vector<State> changes;
};

TEST_F(CheckBoxTest, StartsWithItsPublishedDefaults) {
    LyCheckBox fresh(nullptr);
    test::ExpectSharedDefaults(fresh, L"Lyra Checkbox", 16);
    EXPECT_EQ(fresh.State(), State::Unchecked);
    EXPECT_FALSE(fresh.Checked());
    EXPECT_FALSE(fresh.AllowGrayed());
    EXPECT_TRUE(fresh.AnimationEnabled());
    EXPECT_FALSE(fresh.Animating());
}

TEST_F(CheckBoxTest, ClicksStepThroughTheStatesOncePerChange) {
    const struct {
        bool allowGrayed;
        std::vector<State> expected;
    } cases[] = {
        {false, {State::Checked, State::Unchecked, State::Checked}},
        {true, {State::Checked, State::Grayed, State::Unchecked}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.allowGrayed);
        box->SetAllowGrayed(c.allowGrayed);
        box->SetState(State::Unchecked);
        changes.clear();
        std::vector<bool> checked;
        for (int click = 0; click < 3; ++click) {
            test::Click(*box, OnBox());
            checked.push_back(box->Checked());
        }
        EXPECT_EQ(changes, c.expected);
        // Grayed reads as checked.
        EXPECT_EQ(checked, (std::vector<bool>{true, c.allowGrayed, !c.allowGrayed}));
    }
}

TEST_F(CheckBoxTest, TheCaptionTakesClicksAndOnClickSeesTheNewState) {
    std::vector<State> seen;
    box->OnClick = [&](toolkit::Component*) { seen.push_back(box->State()); };
    const RECT& text = box->TextRect();
    test::Click(*box, {text.left + 10, (text.top + text.bottom) / 2});
    EXPECT_EQ(seen, std::vector<State>{State::Checked});
}

TEST_F(CheckBoxTest, OnlyAPressAndReleaseOnTheBoxToggleIt) {
    // Dragging off before the release cancels.
    test::LeftDown(*box, OnBox());
    test::LeftUp(*box, {box->Width() + 20, 5});
    // A release without a press on the box (the press went elsewhere).
    test::LeftUp(*box, OnBox());
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(box->State(), State::Unchecked);

    // A double click is two clicks, like the system's check boxes.
    test::LeftDown(*box, OnBox());
    test::LeftUp(*box, OnBox());
    test::LeftDown(*box, OnBox(), true);
    test::LeftUp(*box, OnBox());
    EXPECT_EQ(changes, (std::vector<State>{State::Checked, State::Unchecked}));
}

TEST_F(CheckBoxTest, SpaceAndEnterToggleTheFocusedBox) {
    box->SetAllowGrayed(true);
    box->SetFocus();
    test::Pump();
    test::PressKey(VK_SPACE);
    test::PressKey(VK_SPACE);
    SendMessageW(box->Handle(), WM_CHAR, L'\r', 0);
    test::PressKey('A');
    EXPECT_EQ(changes, (std::vector<State>{State::Checked, State::Grayed, State::Unchecked}));
}

TEST_F(CheckBoxTest, ADisabledBoxIgnoresClicksAndKeys) {
    // Disabled between press and release, as a handler elsewhere might do.
    test::LeftDown(*box, OnBox());
    box->SetEnabled(false);
    test::LeftUp(*box, OnBox());
    SendMessageW(box->Handle(), WM_CHAR, L' ', 0);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(box->State(), State::Unchecked);

    box->SetEnabled(true);
    test::Click(*box, OnBox());
    EXPECT_EQ(box->State(), State::Checked);
}

TEST_F(CheckBoxTest, SettersRaiseOnChangeOnlyForANewState) {
    box->SetChecked(true);
    box->SetChecked(true);
    box->SetState(State::Grayed);
    EXPECT_TRUE(box->Checked());
    box->SetChecked(false);
    EXPECT_EQ(changes, (std::vector<State>{State::Checked, State::Grayed, State::Unchecked}));

    // Turning AllowGrayed off unchecks a grayed box quietly.
    box->SetAllowGrayed(true);
    box->SetState(State::Grayed);
    changes.clear();
    box->SetAllowGrayed(false);
    EXPECT_EQ(box->State(), State::Unchecked);
    EXPECT_TRUE(changes.empty());
    // Off while checked leaves it checked.
    box->SetChecked(true);
    box->SetAllowGrayed(true);
    box->SetAllowGrayed(false);
    EXPECT_EQ(box->State(), State::Checked);
}

TEST_F(CheckBoxTest, OnlyCheckingAnUncheckedBoxAnimatesTheMark) {
    box->SetChecked(true);
    EXPECT_TRUE(box->Animating());
    EXPECT_EQ(box->AnimationStatus(), 0);
    WaitForCheckMark();
    EXPECT_FALSE(box->Animating());
    EXPECT_EQ(box->AnimationStatus(), 100);

    // Grayed to checked, and any check without animation, show the finished mark at once.
    box->SetAllowGrayed(true);
    box->SetState(State::Grayed);
    box->SetState(State::Checked);
    EXPECT_FALSE(box->Animating());
    EXPECT_EQ(box->AnimationStatus(), 100);
    box->SetAnimationEnabled(false);
    box->SetChecked(false);
    box->SetChecked(true);
    EXPECT_FALSE(box->Animating());
    EXPECT_EQ(box->AnimationStatus(), 100);
}

TEST_F(CheckBoxTest, UncheckingDuringTheAnimationStopsIt) {
    box->SetChecked(true);
    box->SetChecked(false);
    EXPECT_FALSE(box->Animating());
    test::PumpFor(50);
    EXPECT_EQ(box->AnimationStatus(), 100);
}

TEST(CheckMarkStrokes, DrawTheShortStrokeThenTheLongOne) {
    // A 36 x 36 box centred on (18, 18): the mark runs (12, 16) -> (15, 21) -> (24, 13).
    const RECT square{0, 0, 36, 36};
    const struct {
        int status;
        std::vector<std::pair<POINT, POINT>> strokes;
    } cases[] = {
        {0, {}},
        {25, {{{12, 16}, {14, 19}}}},
        {50, {{{12, 16}, {15, 21}}}},
        {75, {{{12, 16}, {15, 21}}, {{15, 21}, {20, 17}}}},
        {100, {{{12, 16}, {15, 21}}, {{15, 21}, {24, 13}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.status);
        const auto strokes = lyra::CheckMarkStrokes(square, c.status);
        ASSERT_EQ(strokes.size(), c.strokes.size());
        for (size_t index = 0; index < strokes.size(); ++index) {
            EXPECT_EQ(strokes[index].Start.x, c.strokes[index].first.x);
            EXPECT_EQ(strokes[index].Start.y, c.strokes[index].first.y);
            EXPECT_EQ(strokes[index].End.x, c.strokes[index].second.x);
            EXPECT_EQ(strokes[index].End.y, c.strokes[index].second.y);
        }
    }
}

TEST_F(CheckBoxTest, TheBoxTakesTheForegroundUncheckedAndTheAccentChecked) {
    const lyra::TColor accent = lyra::ThemeManager().AccentColor();
    const lyra::TColor foreground = lyra::ThemeManager().SystemColor.ForeGround;
    EXPECT_EQ(box->Background(), toolkit::clWhite) << "the parent's background";
    EXPECT_EQ(test::BufferCount(*box, box->IconRect(), accent), 0);
    EXPECT_GT(test::BufferCount(*box, box->IconRect(), foreground), 0);
    EXPECT_GT(test::BufferCount(*box, box->TextRect(), foreground), 0);

    for (State state : {State::Checked, State::Grayed}) {
        box->SetState(state);
        WaitForCheckMark();
        EXPECT_GT(test::BufferCount(*box, box->IconRect(), accent), 0)
            << int(state) << ": the box in the accent";
        EXPECT_GT(test::BufferCount(*box, box->TextRect(), foreground), 0);
        EXPECT_EQ(test::BufferCount(*box, box->TextRect(), accent), 0);
    }
}

TEST_F(CheckBoxTest, TheBoxFollowsTheMouseStateInLighterAndDarkerAccents) {
    box->SetAnimationEnabled(false);
    box->SetChecked(true);
    const lyra::TColor accent = lyra::ThemeManager().AccentColor();
    const struct {
        lyra::LyControlState state;
        lyra::TColor colour;
    } cases[] = {
        {lyra::LyControlState::Hover, lyra::ChangeColorLight(accent, 25)},
        {lyra::LyControlState::Press, lyra::ChangeColorLight(accent, -25)},
        {lyra::LyControlState::None, accent},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.state));
        box->SetState(c.state);
        EXPECT_EQ(box->IconAccentColors().GetColor(c.state), c.colour);
        EXPECT_GT(test::BufferCount(*box, box->IconRect(), c.colour, 4), 0);
    }
}

TEST_F(CheckBoxTest, ADisabledBoxDrawsBoxAndCaptionGrey) {
    box->SetChecked(true);
    WaitForCheckMark();
    box->SetEnabled(false);
    const lyra::TColor grey = lyra::MakeColor(128, 128, 128);
    EXPECT_GT(test::BufferCount(*box, box->IconRect(), grey, 4), 0);
    EXPECT_EQ(test::BufferCount(*box, box->IconRect(), lyra::ThemeManager().AccentColor()), 0);
    EXPECT_GT(test::BufferCount(*box, box->TextRect(), grey, 4), 0);
    EXPECT_EQ(test::BufferCount(*box, box->TextRect(), lyra::ThemeManager().SystemColor.ForeGround),
              0);
    EXPECT_EQ(box->Background(), toolkit::clWhite) << "the background still blends in";
}

TEST_F(CheckBoxTest, CustomColoursReplaceTheThemeColours) {
    const lyra::TColor red = lyra::MakeColor(220, 0, 0), navy = lyra::MakeColor(0, 0, 90),
                       sand = lyra::MakeColor(240, 230, 200);
    box->CustomColors().Accent = red;
    box->CustomColors().LightForeGround = navy;
    box->CustomColors().DarkForeGround = navy;
    box->CustomColors().LightBackGround = sand;
    box->CustomColors().DarkBackGround = sand;
    EXPECT_EQ(box->IconAccentColors().None, lyra::ThemeManager().AccentColor())
        << "not used while the set is off";

    box->CustomColors().SetEnabled(true);
    box->SetAnimationEnabled(false);
    box->SetChecked(true);
    EXPECT_EQ(box->IconAccentColors().None, red);
    EXPECT_EQ(box->Background(), sand);
    EXPECT_EQ(test::PixelRgb(box->BufferBitmap(), box->Width() - 1, 0), test::Rgb(sand));
    EXPECT_GT(test::BufferCount(*box, box->IconRect(), red, 4), 0);
    EXPECT_GT(test::BufferCount(*box, box->TextRect(), navy), 0);
}

TEST_F(CheckBoxTest, TheBackgroundFollowsTheParent) {
    test::HostForm other(lyra::MakeColor(30, 90, 30));
    box->SetParent(&other);
    EXPECT_EQ(box->Background(), lyra::MakeColor(30, 90, 30));
    EXPECT_EQ(test::PixelRgb(box->BufferBitmap(), box->Width() - 1, 0), 0x1E5A1Eu);
    box->SetParent(host.get());
}

TEST_F(CheckBoxTest, TheCaptionStandsBesideTheBoxOnTheLayoutSide) {
    const lyra::TColor foreground = lyra::ThemeManager().SystemColor.ForeGround;
    box->SetText(L"Wide caption");
    box->SetWordWrap(false);
    const int glyph = test::GlyphWidth(*box);
    ASSERT_GT(glyph, 0);

    // Left: the box first, then the caption after one spacing.
    EXPECT_EQ(box->IconRect().left, 0);
    EXPECT_EQ(box->IconRect().right, glyph + 12);
    EXPECT_EQ(box->TextRect().left, glyph + 18);
    EXPECT_EQ(box->TextLayout(), lyra::LyLayout::Beginning);
    const RECT leftOfText{0, 0, box->TextRect().left, box->Height()};
    EXPECT_EQ(test::BufferCount(*box, leftOfText, foreground, 60),
              test::BufferCount(*box, box->IconRect(), foreground, 60))
        << "nothing but the box before the caption";

    box->SetLayout(lyra::LyDrawLayout::Right);
    EXPECT_EQ(box->IconRect().right, 200);
    EXPECT_EQ(box->IconRect().left, 200 - glyph - 6);
    EXPECT_EQ(box->TextRect().right, box->IconRect().left - 12);
    EXPECT_GT(test::BufferCount(*box, {0, 0, 100, 30}, foreground, 60), 0) << "caption at left";

    box->SetLayout(lyra::LyDrawLayout::Top);
    box->SetHeight(90);
    EXPECT_EQ(box->IconRect().top, 0);
    EXPECT_EQ(box->IconRect().left, (200 - glyph) / 2);
    EXPECT_EQ(box->TextRect().top, glyph + 18);
    EXPECT_EQ(box->TextLayout(), lyra::LyLayout::Center);

    box->SetLayout(lyra::LyDrawLayout::Bottom);
    EXPECT_EQ(box->IconRect().bottom, 90);
    EXPECT_EQ(box->IconRect().top, 90 - glyph);
    EXPECT_EQ(box->TextRect().bottom, 90 - glyph - 12);

    // The layout follows the spacing, the padding and the size.
    box->SetLayout(lyra::LyDrawLayout::Left);
    box->SetTextSpacing(10);
    box->PaddingFill().SetLeft(7);
    EXPECT_EQ(box->DrawRect().left, 7);
    EXPECT_EQ(box->IconRect().right, 7 + glyph + 20);
    box->SetWidth(300);
    EXPECT_EQ(box->TextRect().right, 300);
}

TEST_F(CheckBoxTest, APictureStandsBetweenBoxAndCaption) {
    box->Image().SetEnabled(true);
    box->SetImageScale(2.0f);
    toolkit::Bitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(box->TextFont());
    const int size = scratch.Canvas().TextHeight(L"ABC...") * 2;
    const int glyph = test::GlyphWidth(*box);
    EXPECT_EQ(box->ImageRect().left, glyph + 18);
    EXPECT_EQ(box->ImageRect().right, glyph + 18 + size);
    EXPECT_EQ(box->TextRect().left, glyph + 18 + size + 6);
}

TEST_F(CheckBoxTest, TheHandShowsOverTheBoxWhenAsked) {
    const RECT& text = box->TextRect();
    const POINT onText{text.left + 20, 15};
    test::MouseMoveTo(*box, OnBox());
    EXPECT_EQ(box->Cursor(), toolkit::CursorKind::Default);

    box->SetAutomaticCursorPointer(true);
    test::MouseMoveTo(*box, OnBox());
    EXPECT_EQ(box->Cursor(), toolkit::CursorKind::Hand);
    test::MouseMoveTo(*box, onText);
    EXPECT_EQ(box->Cursor(), toolkit::CursorKind::Default);
}

TEST_F(CheckBoxTest, ScalingScalesTheGlyphsAndSpacing) {
    const int iconHeight = box->IconFont().Height();
    box->ChangeScale(3, 2);
    EXPECT_EQ(box->IconFont().Height(), (iconHeight * 3 + (iconHeight < 0 ? -1 : 1)) / 2);
    EXPECT_EQ(box->TextSpacing(), 9);
    EXPECT_FLOAT_EQ(box->ImageScale(), 2.25f);
    EXPECT_EQ(box->IconRect().right, test::GlyphWidth(*box) + 18);
}

const wchar_t kDescription[] = LR"(object Host: Form
  object Options: LyCheckBox
    Left = 4
    Width = 220
    Text = 'Desktop shortcut'
    AllowGrayed = True
    State = Grayed
    TextSpacing = 8
    Layout = Right
    ImageScale = 2.5
    WordWrap = False
    AutomaticCursorPointer = True
    IconFont.Size = 18
    CustomColors.Enabled = True
    CustomColors.Accent = 255
    OnChange = OptionsChange
  end
  object Shortcut: LyCheckBox
    Checked = True
  end
end
)";

TEST(CheckBoxDescription, SetsEveryPublishedPropertyAndChecksWithoutAnimation) {
    toolkit::Form form(nullptr);
    test::ReadSelectionDescription(form, kDescription, L"OptionsChange",
                                   [](toolkit::Component*) {});

    auto* options = form.Find<LyCheckBox>(L"Options");
    ASSERT_NE(options, nullptr);
    EXPECT_EQ(options->Text(), L"Desktop shortcut");
    EXPECT_TRUE(options->AllowGrayed());
    EXPECT_EQ(options->State(), State::Grayed);
    EXPECT_EQ(options->TextSpacing(), 8);
    EXPECT_EQ(options->Layout(), lyra::LyDrawLayout::Right);
    EXPECT_FLOAT_EQ(options->ImageScale(), 2.5f);
    EXPECT_FALSE(options->WordWrap());
    EXPECT_TRUE(options->AutomaticCursorPointer());
    EXPECT_EQ(options->IconFont().Size(), 18);
    EXPECT_EQ(options->IconAccentColors().None, lyra::TColor(255));
    EXPECT_EQ(options->IconRect().right, 220);

    auto* shortcut = form.Find<LyCheckBox>(L"Shortcut");
    ASSERT_NE(shortcut, nullptr);
    EXPECT_TRUE(shortcut->Checked());
    EXPECT_FALSE(shortcut->Animating()) << "a stored check shows the finished mark";
    EXPECT_EQ(shortcut->AnimationStatus(), 100);
    EXPECT_EQ(shortcut->Background(), lyra::ResolveColor(toolkit::clBtnFace))
        << "a plain form's system colour, as a plain colour";
}

} // namespace
