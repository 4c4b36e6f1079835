// The push button on a themed form: the colours of every kind and state read back from its
// buffer, the accent line and outline, clicks by mouse and keyboard, the toggle, the menu,
// the link, the state display, the modal result and theme changes.
#include "lyra/button.h"
#include "lyra/form.h"
#include "lyra/theme_manager.h"
#include "tests/gui_support/gui_test_support.h"

#include <functional>
#include <memory>
#include <vector>

#include "rect_compare.h"

namespace {

using lyra::LyButton;
using lyra::LyButtonKind;
using lyra::LyControlState;

// A menu that records where it was asked to open.
class RecordingMenu : public toolkit::Component, public toolkit::PopupMenu {
  public:
    using toolkit::Component::Component;
    void Popup(int screenX, int screenY) override { openedAt.push_back({screenX, screenY}); }
    std::vector<POINT> openedAt;
};

// Waits (a while at most) until the condition holds; the result says whether it did.
bool PumpUntil(const std::function<bool()>& condition) {
    for (int round = 0; round < 300 && !condition(); ++round)
        test::PumpFor(10);
    return condition();
}

// Whether some pixel of the rectangle is near the colour: text is anti-aliased, its stems
// carry the full colour.
bool AnyPixelNear(const toolkit::Bitmap& bitmap, const RECT& rect, unsigned rgb, int tolerance) {
    for (int y = rect.top; y < rect.bottom; ++y)
        for (int x = rect.left; x < rect.right; ++x)
            if (test::NearRgb(test::PixelRgb(bitmap, x, y), rgb, tolerance)) return true;
    return false;
}

// The columns of a rectangle where something else than the fill is drawn, as (first, last).
std::pair<int, int> InkColumns(const toolkit::Bitmap& bitmap, const RECT& rect, unsigned fill) {
    int first = -1, last = -1;
    for (int x = rect.left; x < rect.right; ++x)
        for (int y = rect.top; y < rect.bottom; ++y)
            if (!test::NearRgb(test::PixelRgb(bitmap, x, y), fill, 24)) {
                if (first < 0) first = x;
                last = x;
                break;
            }
    return {first, last};
}

class Button : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::ForceDark);
        form = std::make_unique<lyra::LyForm>(nullptr);
        form->SetAllowThemeChangeAnimation(false);
        form->SetBounds(100, 100, 400, 300);
        button = AddButton({20, 60, 160, 95});
        form->Show();
        test::Pump();
    }
    void TearDown() override {
        form.reset();
        // Back to the system's theme for the tests that follow.
        lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::Auto);
        lyra::ThemeManager().UpdateThemeInformation();
        GuiTest::TearDown();
    }

    // A 140 x 35 button; colour changes show at once unless a test wants the fade.
    LyButton* AddButton(RECT bounds) {
        auto* added = new LyButton(form.get());
        added->SetBoundsRect(bounds);
        added->SetAnimation(false);
        added->SetParent(form.get());
        return added;
    }
    // The fill at the left of the shape, away from the border and the text. The buffer is
    // drawn as soon as something changes.
    static unsigned Fill(LyButton& which) {
        return test::PixelRgb(which.BufferBitmap(), 8, which.Height() / 2);
    }
    static unsigned Accent(int change) {
        return test::Rgb(lyra::ChangeColorLight(lyra::ThemeManager().AccentColor(), change));
    }

    std::unique_ptr<lyra::LyForm> form;
    LyButton* button = nullptr;
};

TEST_F(Button, EveryKindPaintsItsStateColoursInBothThemes) {
    // Expected fills for None, Hover, Press; 0 stands for the accent row, whose colours
    // depend on the accent in force. The dark form is #202020 with #2B2B2B inside; the light
    // one #F3F3F3 with #FBFBFB inside.
    const struct {
        LyButtonKind kind;
        bool checked;
        unsigned dark[3], light[3];
    } rows[] = {
        {LyButtonKind::Normal,
         false,
         {0x262626, 0x303030, 0x212121},
         {0xFFFFFF, 0xF5F5F5, 0xFFFFFF}},
        {LyButtonKind::Dropdown,
         false,
         {0x262626, 0x303030, 0x212121},
         {0xFFFFFF, 0xF5F5F5, 0xFFFFFF}},
        {LyButtonKind::Toggle,
         false,
         {0x262626, 0x303030, 0x212121},
         {0xFFFFFF, 0xF5F5F5, 0xFFFFFF}},
        {LyButtonKind::Toggle, true, {0, 0, 0}, {0, 0, 0}},
        {LyButtonKind::Accent, false, {0, 0, 0}, {0, 0, 0}},
        {LyButtonKind::Link, false, {0x202020, 0x2A2A2A, 0x1B1B1B}, {0xF3F3F3, 0xE9E9E9, 0xF8F8F8}},
        {LyButtonKind::Flat, false, {0x202020, 0x2A2A2A, 0x212121}, {0xF3F3F3, 0xE9E9E9, 0xFFFFFF}},
    };
    const LyControlState states[] = {LyControlState::None, LyControlState::Hover,
                                     LyControlState::Press};
    for (const bool dark : {true, false}) {
        lyra::ThemeManager().SetDarkThemeMode(dark ? lyra::LyDarkSetting::ForceDark
                                                   : lyra::LyDarkSetting::ForceLight);
        // The accent darkens by 10 on hover and 15 when pressed in the dark theme, and
        // lightens as much in the light one.
        const int way = dark ? -1 : 1;
        const unsigned accent[3] = {Accent(0), Accent(10 * way), Accent(15 * way)};
        for (const auto& row : rows) {
            button->SetButtonKind(row.kind);
            button->SetChecked(row.checked);
            for (int state = 0; state < 3; ++state) {
                button->SetState(states[state]);
                const unsigned expected = (dark ? row.dark : row.light)[state];
                EXPECT_EQ(Fill(*button), expected ? expected : accent[state])
                    << (dark ? "dark" : "light") << ", kind " << int(row.kind) << ", checked "
                    << row.checked << ", state " << state;
            }
        }
    }
}

TEST_F(Button, TextTakesTheColourOfItsKind) {
    const lyra::LyThemeManager& theme = lyra::ThemeManager();
    const struct {
        LyButtonKind kind;
        unsigned text;
    } rows[] = {{LyButtonKind::Normal, 0xFFFFFF},
                {LyButtonKind::Link, test::Rgb(theme.AccentColor())},
                {LyButtonKind::Accent, test::Rgb(theme.SystemColor.BackGround)}};
    for (const auto& row : rows) {
        button->SetButtonKind(row.kind);
        test::Pump();
        EXPECT_TRUE(AnyPixelNear(button->BufferBitmap(), button->Layout().TheTextRect, row.text, 8))
            << "kind " << int(row.kind);
    }
}

TEST_F(Button, ADisabledAccentButtonIsGreyWithItsTextFadedIntoIt) {
    button->SetButtonKind(LyButtonKind::Accent);
    button->SetEnabled(false);
    const lyra::TColor grey = lyra::ColorToGrayscale(lyra::ThemeManager().AccentColor());
    EXPECT_EQ(Fill(*button), test::Rgb(grey));
    // The enabled text has the form's colour; disabled it moves from the fill toward that.
    const lyra::TColor formColor = form->Background();
    const unsigned faded =
        test::Rgb(lyra::ColorBlend(grey, lyra::ColorToGrayscale(formColor), 100));
    const RECT text = button->Layout().TheTextRect;
    EXPECT_TRUE(AnyPixelNear(button->BufferBitmap(), text, faded, 8));
    EXPECT_FALSE(AnyPixelNear(button->BufferBitmap(), text, test::Rgb(formColor), 8));

    button->SetEnabled(true);
    EXPECT_EQ(Fill(*button), Accent(0));
}

TEST_F(Button, TheUnderlineAndTheOutline) {
    button->SetButtonKind(LyButtonKind::Accent);
    button->SetDetail(lyra::LyDetailType::Outline);
    EXPECT_TRUE(test::NearRgb(test::PixelRgb(button->BufferBitmap(), 3, 17), 0x2B2B2B, 8))
        << std::hex << test::PixelRgb(button->BufferBitmap(), 3, 17);
    EXPECT_EQ(Fill(*button), Accent(0));

    button->SetButtonKind(LyButtonKind::Normal);
    button->SetDetail(lyra::LyDetailType::Underline);
    // The shape is 35 high: the fill ends 3 pixels above its bottom edge at 34.
    EXPECT_EQ(test::PixelRgb(button->BufferBitmap(), 15, 33), Accent(0));
    EXPECT_EQ(test::PixelRgb(button->BufferBitmap(), 15, 25), 0x262626u);
}

TEST_F(Button, TheThemeChangeRepaintsWithTheNewPalette) {
    button->SetButtonKind(LyButtonKind::Flat);
    EXPECT_EQ(Fill(*button), 0x202020u);
    EXPECT_EQ(button->Background(), form->Background());
    lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::ForceLight);
    EXPECT_EQ(Fill(*button), 0xF3F3F3u);
    EXPECT_EQ(button->Background(), form->Background());

    // Custom colours, when enabled, replace the computed ones.
    button->CustomButtonColors().LightBackgroundNone = 0x00123456;
    button->CustomButtonColors().SetEnabled(true);
    EXPECT_EQ(Fill(*button), 0x563412u);
    button->CustomButtonColors().SetEnabled(false);
    EXPECT_EQ(Fill(*button), 0xF3F3F3u);
}

TEST_F(Button, TheMouseFadesBetweenTheStateColours) {
    button->SetAnimation(true);
    test::MouseMoveTo(*button, {70, 17});
    EXPECT_EQ(button->Interaction(), LyControlState::Hover);
    EXPECT_TRUE(PumpUntil([&] { return Fill(*button) == 0x303030u; }));
    EXPECT_TRUE(PumpUntil([&] { return !button->AnimationRunning(); }));
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 17));
    EXPECT_EQ(button->Interaction(), LyControlState::Press);
    EXPECT_TRUE(PumpUntil([&] { return Fill(*button) == 0x212121u; }));

    // A button going away while its fade runs cancels the fade.
    button->SetState(LyControlState::Hover);
    delete button;
    test::PumpFor(50);
}

TEST_F(Button, PressingADropDownPushesItsChevronDownAndLettingGoBringsItBack) {
    button->SetButtonKind(LyButtonKind::Dropdown);
    button->SetAnimation(true);
    // Each fade ends before the next change: a change during a fade starts none.
    const auto faded = [&] { return !button->AnimationRunning(); };
    test::MouseMoveTo(*button, {70, 17});
    EXPECT_TRUE(PumpUntil(faded));
    EXPECT_EQ(Fill(*button), 0x303030u);
    EXPECT_EQ(button->ArrowOffset(), 0);
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 17));
    EXPECT_TRUE(PumpUntil(faded));
    EXPECT_EQ(Fill(*button), 0x212121u);
    EXPECT_GT(button->ArrowOffset(), 0);
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(70, 17));
    EXPECT_TRUE(PumpUntil(faded));
    EXPECT_EQ(Fill(*button), 0x303030u);
    EXPECT_EQ(button->ArrowOffset(), 0);
}

TEST_F(Button, ADropDownCaptionStaysWholeOnTheMiddleLine) {
    button->SetButtonKind(LyButtonKind::Dropdown);
    button->SetText(L"Dropdown");
    const toolkit::Bitmap& buffer = button->BufferBitmap();
    const unsigned fill = test::PixelRgb(buffer, 70, 3);
    const RECT text = button->Layout().TheTextRect;
    const auto [first, last] = InkColumns(buffer, {text.left, 0, text.right, 35}, fill);
    ASSERT_GE(first, 0);
    EXPECT_GT(first, text.left) << "not cut on the left";
    EXPECT_LT(last, text.right - 1) << "nor on the right";
    int top = -1, bottom = -1;
    for (int y = 0; y < 35; ++y)
        for (int x = first; x <= last; ++x)
            if (!test::NearRgb(test::PixelRgb(buffer, x, y), fill, 24)) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    EXPECT_GT(top, 3);
    EXPECT_LT(bottom, 32);
    EXPECT_NEAR((top + bottom) / 2.0, 17, 3) << top << ".." << bottom;
}

TEST_F(Button, AToggleFlipsOnEveryClickAndTellsAfterItsPaletteChanged) {
    button->SetButtonKind(LyButtonKind::Toggle);
    std::vector<unsigned> fillsSeen;
    int clicks = 0;
    button->OnCheck = [&](toolkit::Component*) { fillsSeen.push_back(Fill(*button)); };
    button->OnClick = [&](toolkit::Component*) { ++clicks; };
    test::Click(*button, {70, 17});
    EXPECT_TRUE(button->Checked());
    test::Click(*button, {70, 17});
    EXPECT_FALSE(button->Checked());
    // The click comes with the release, before the button is back to hovered: the fills of
    // the pressed accent and the pressed normal palettes.
    EXPECT_EQ(fillsSeen, (std::vector<unsigned>{Accent(-15), 0x212121u}));
    EXPECT_EQ(clicks, 2);

    // Setting Checked in code raises nothing.
    button->SetChecked(true);
    EXPECT_EQ(fillsSeen.size(), 2u);
}

TEST_F(Button, TheCheckedTagIsTheFirstCheckedButtonsOrTheOwnOne) {
    button->SetTag(1);
    LyButton* second = AddButton({20, 100, 160, 135});
    second->SetTag(2);
    LyButton* third = AddButton({20, 140, 160, 175});
    third->SetTag(3);
    EXPECT_EQ(second->GetCheckedTag(), 2) << "none checked";
    third->SetChecked(true);
    second->SetChecked(true);
    EXPECT_EQ(button->GetCheckedTag(), 2) << "the first checked in the parent's order";

    LyButton loose(nullptr);
    loose.SetTag(7);
    EXPECT_EQ(loose.GetCheckedTag(), 7);
}

TEST_F(Button, EnterAndSpacePressAndClick) {
    int clicks = 0;
    button->OnClick = [&](toolkit::Component*) { ++clicks; };
    button->SetFocus();
    test::Pump();

    SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(button->Interaction(), LyControlState::Press);
    EXPECT_EQ(Fill(*button), 0x212121u);
    SendMessageW(button->Handle(), WM_KEYUP, VK_SPACE, 0xC0000001);
    EXPECT_EQ(button->Interaction(), LyControlState::None);
    EXPECT_EQ(clicks, 0) << "the character clicks, not the key";

    test::PressKey(VK_RETURN);
    test::PressKey(VK_SPACE);
    EXPECT_EQ(clicks, 2);
    test::PressKey('A');
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button->Interaction(), LyControlState::None);
}

TEST_F(Button, HeldDownItRepeatsItsClick) {
    button->SetRepeatWhenPressed(true);
    int clicks = 0;
    button->OnClick = [&](toolkit::Component*) { ++clicks; };
    test::MouseMoveTo(*button, {70, 17});
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(70, 17));
    EXPECT_TRUE(PumpUntil([&] { return clicks >= 3; }));
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(70, 17));
    const int released = clicks;
    test::PumpFor(200);
    EXPECT_EQ(clicks, released) << "no repeat after the release";
}

TEST_F(Button, TheModalResultGoesToTheFormUnlessVetoed) {
    button->SetModalResult(toolkit::ModalResultKind::Ok);
    test::Click(*button, {70, 17});
    EXPECT_EQ(form->ModalResult(), toolkit::ModalResultKind::Ok);

    form->SetModalResult(toolkit::ModalResultKind::None);
    int clicks = 0;
    button->OnClick = [&](toolkit::Component*) { ++clicks; };
    button->OnBeforeModalResult = [](toolkit::Component*, bool& send) { send = false; };
    test::Click(*button, {70, 17});
    EXPECT_EQ(form->ModalResult(), toolkit::ModalResultKind::None);
    EXPECT_EQ(clicks, 1);
}

TEST_F(Button, ADropDownOpensItsMenuBelowItself) {
    button->SetButtonKind(LyButtonKind::Dropdown);
    auto* menu = new RecordingMenu(form.get());
    button->SetDropDown(menu);
    int dropped = 0;
    button->OnDropDown = [&](toolkit::Component*) { ++dropped; };
    test::Click(*button, {70, 17});
    ASSERT_EQ(menu->openedAt.size(), 1u);
    const POINT below = button->ClientToScreen({0, button->Height() + 5});
    EXPECT_EQ(menu->openedAt[0].x, below.x);
    EXPECT_EQ(menu->openedAt[0].y, below.y);
    EXPECT_EQ(dropped, 1);

    // The chevron is drawn in its own room at the right, in the text colour.
    test::Pump();
    EXPECT_TRUE(AnyPixelNear(button->BufferBitmap(), button->Layout().IndicatorRect, 0xFFFFFF, 8));

    delete menu;
    EXPECT_EQ(button->DropDown(), nullptr);
    test::Click(*button, {70, 17});
    EXPECT_EQ(dropped, 2) << "no menu to open, still told";
}

TEST_F(Button, ALinkTellsAndShowsTheHand) {
    // No address, so nothing is opened: the test must not start a browser.
    button->SetButtonKind(LyButtonKind::Link);
    int opened = 0;
    button->OnOpenLink = [&](toolkit::Component*) { ++opened; };
    test::Click(*button, {70, 17});
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(button->Cursor(), toolkit::CursorKind::Hand);
    button->SetButtonKind(LyButtonKind::Flat);
    EXPECT_EQ(button->Cursor(), toolkit::CursorKind::Default);

    button->SetAutomaticCursorPointer(false);
    button->SetCursor(toolkit::CursorKind::Cross);
    button->SetButtonKind(LyButtonKind::Link);
    EXPECT_EQ(button->Cursor(), toolkit::CursorKind::Cross) << "left as it was set";

    // Read from a description, the kind chooses the cursor once it is read.
    LyButton* read = AddButton({20, 100, 160, 135});
    read->BeginLoading();
    read->SetButtonKind(LyButtonKind::Link);
    EXPECT_EQ(read->Cursor(), toolkit::CursorKind::Default);
    read->Loaded();
    EXPECT_EQ(read->Cursor(), toolkit::CursorKind::Hand);
}

TEST_F(Button, TheStateTextShowsForItsDurationAndLongerWhenSwitchedOnAgain) {
    button->SetStateText(L"OK");
    const unsigned fill = Fill(*button);
    const RECT caption = button->Layout().CaptionRect;
    const auto plain = InkColumns(button->BufferBitmap(), caption, fill);

    // Screen readers hear what the button shows.
    auto windowText = [&] {
        wchar_t text[64] = {};
        GetWindowTextW(button->Handle(), text, 64);
        return std::wstring(text);
    };
    button->SetStateDuration(1000);
    button->SetStateEnabled(true);
    EXPECT_EQ(button->DisplayedText(), L"OK");
    EXPECT_EQ(windowText(), L"OK");
    test::Pump();
    const auto shown = InkColumns(button->BufferBitmap(), caption, fill);
    EXPECT_GT(shown.first, plain.first) << "the shorter text is drawn";
    EXPECT_LT(shown.second, plain.second);

    test::PumpFor(600);
    button->SetStateEnabled(true);
    test::PumpFor(600);
    EXPECT_TRUE(button->StateEnabled()) << "switching it on again started the second afresh";
    EXPECT_TRUE(PumpUntil([&] { return !button->StateEnabled(); }));
    EXPECT_EQ(button->DisplayedText(), L"Button");
    EXPECT_EQ(windowText(), L"Button");
    test::Pump();
    EXPECT_EQ(InkColumns(button->BufferBitmap(), caption, fill), plain);
}

TEST_F(Button, AutoStateToggleWithoutADurationAlternatesOnEveryClick) {
    button->SetStateText(L"Copied!");
    button->SetStateDuration(0);
    button->SetAutoStateToggle(true);
    std::vector<std::wstring> shown;
    for (int click = 0; click < 3; ++click) {
        button->Click();
        shown.push_back(button->DisplayedText());
    }
    EXPECT_EQ(shown, (std::vector<std::wstring>{L"Copied!", L"Button", L"Copied!"}));
    test::PumpFor(300);
    EXPECT_TRUE(button->StateEnabled()) << "stays until switched off";

    // With a duration a click only switches it on (and keeps it on).
    button->SetStateDuration(1000);
    button->Click();
    EXPECT_TRUE(button->StateEnabled());
}

TEST_F(Button, AnIconStandsBesideOrAboveTheText) {
    button->SetHeight(100);
    lyra::LyIconSelect icon(nullptr);
    icon.SetEnabled(true);
    button->SetImage(icon);
    const lyra::LyButtonLayout& layout = button->Layout();
    EXPECT_LT(layout.ImageRect.right, layout.TheTextRect.left);
    EXPECT_EQ(layout.TheTextRect.left - layout.ImageRect.right, lyra::ButtonIconGap);
    const int size = layout.ImageRect.bottom - layout.ImageRect.top;

    button->SetImageScale(2.5);
    EXPECT_NEAR(layout.ImageRect.bottom - layout.ImageRect.top, size * 2, 1);

    button->SetImageLayout(lyra::LyDrawLayout::Top);
    EXPECT_LT(layout.ImageRect.bottom, layout.TheTextRect.top);

    // The state icon replaces the icon while the state display is on.
    button->SetStateDuration(0);
    button->SetStateEnabled(true);
    EXPECT_FALSE(button->DisplayedImage().Enabled());
    EXPECT_EQ(layout.TheTextRect, layout.CaptionRect) << "no icon: the text takes the caption";
}

TEST_F(Button, ScalingTakesTheIconLineAndMarginAlong) {
    button->SetMargin(3);
    button->ChangeScale(2, 1);
    EXPECT_DOUBLE_EQ(button->ImageScale(), 2.5);
    EXPECT_DOUBLE_EQ(button->LineWidth(), 6.0);
    EXPECT_EQ(button->Margin(), 6);
    EXPECT_EQ(button->Width(), 280);
}

} // namespace
