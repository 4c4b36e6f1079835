// The themed form on real windows: colours from the theme or its own sets, the cross-fade,
// the title bar's colours, the darkening overlay, full screen, and the news it sends its
// controls.
#include "lyra/colors.h"
#include "lyra/form.h"
#include "lyra/tooltip.h"
#include "tests/gui_support/gui_test_support.h"
#include "toolkit/application.h"
#include "toolkit/description_reader.h"
#include "toolkit/screen.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "rect_compare.h"

namespace {

using lyra::LyForm;
using lyra::LyThemeType;

// A framework component the form owns: it counts the theme updates it is asked for.
class ThemedPart : public toolkit::Component, public lyra::LyControl {
  public:
    using toolkit::Component::Component;
    bool IsContainer() const override { return false; }
    void UpdateTheme(bool updateChildren) override { updates.push_back(updateChildren); }
    lyra::TColor Background() const override { return toolkit::clWhite; }
    std::vector<bool> updates;
};

// A child control that records the form's move and resize news.
class NewsReader : public toolkit::WinControl {
  public:
    using toolkit::WinControl::WinControl;
    std::vector<UINT> news;
    LPARAM sender = 0;

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == lyra::WM_LY_FORM_MOVED || message == lyra::WM_LY_FORM_RESIZED) {
            news.push_back(message);
            sender = lParam;
        }
        return toolkit::WinControl::WndProc(message, wParam, lParam);
    }
};

class ThemedForm : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<LyForm>(nullptr);
        form->SetBounds(100, 100, 400, 300);
        form->OnThemeChange = [this](toolkit::Component*, LyThemeType type, bool, lyra::TColor) {
            changes.push_back(type);
        };
    }
    void TearDown() override {
        // Back to the system's theme for the tests that follow.
        lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::Auto);
        lyra::ThemeManager().UpdateThemeInformation();
        GuiTest::TearDown();
    }
    std::unique_ptr<LyForm> form;
    std::vector<LyThemeType> changes;
};

TEST_F(ThemedForm, AHiddenFormTakesNewColoursAtOnceAndTellsItsParts) {
    auto* part = new ThemedPart(form.get());
    form->CustomColors().LightBackGround = 0x00336699;
    form->CustomColors().DarkBackGround = 0x00336699;
    changes.clear();
    form->CustomColors().SetEnabled(true);
    EXPECT_EQ(form->Color(), 0x00336699);
    EXPECT_EQ(form->Background(), 0x00336699);
    ASSERT_FALSE(changes.empty());
    EXPECT_EQ(changes.back(), LyThemeType::AppTheme);
    EXPECT_EQ(part->updates.back(), true);

    form->UpdateTheme(false);
    EXPECT_EQ(changes.back(), LyThemeType::Redraw);
    EXPECT_EQ(part->updates.back(), true) << "not asked to update the children this time";
    EXPECT_EQ(form->Font().Color(), form->DrawColors().ForeGround);
}

TEST_F(ThemedForm, ShownItFadesOrSwitchesAndNeverStaysLocked) {
    form->Show();
    test::Pump();
    const lyra::TColor theme = form->Color();

    form->SetAllowThemeChangeAnimation(false);
    form->CustomColors().LightBackGround = 0x00102030;
    form->CustomColors().DarkBackGround = 0x00102030;
    form->CustomColors().SetEnabled(true);
    EXPECT_EQ(form->Color(), 0x00102030) << "switched at once";
    // One window of the system can be locked at a time: taking the lock shows nobody holds it.
    EXPECT_TRUE(LockWindowUpdate(form->Handle()));
    LockWindowUpdate(nullptr);

    form->SetAllowThemeChangeAnimation(true);
    form->CustomColors().SetEnabled(false);
    EXPECT_NE(form->Color(), theme) << "the fade starts on the way";
    EXPECT_TRUE(test::PumpUntil([&] { return form->Color() == theme; }))
        << "and lands on the colour";
    EXPECT_TRUE(LockWindowUpdate(form->Handle()));
    LockWindowUpdate(nullptr);
}

// Records an animation's steps through its own callbacks; set before the first hand-off.
struct StepRecorder {
    explicit StepRecorder(lyra::TIntAni& animation) {
        animation.OnSync = [this, step = animation.OnSync](int32_t value) {
            values.push_back(value);
            step(value);
        };
        animation.OnDone = [this, finish = animation.OnDone] {
            finish();
            done = true;
        };
    }
    std::vector<int32_t> values;
    bool done = false;
};

TEST_F(ThemedForm, TheCrossFadeTakesSixStepsAtMostHalfWayAndLandsOnTheNewColour) {
    lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::ForceLight);
    form->SetAllowThemeChangeAnimation(false);
    form->CustomColors().LightBackGround = 0x00000000;
    form->CustomColors().SetEnabled(true);
    form->Show();
    test::Pump();
    form->SetAllowThemeChangeAnimation(true);
    form->CustomColors().LightBackGround = 0x00FFFFFF;
    lyra::TIntAni* fade = form->ThemeFade();
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->Step, 6);
    EXPECT_EQ(fade->Duration, 200u);
    StepRecorder steps(*fade);
    std::vector<lyra::TColor> colours;
    const lyra::TAniSyncProc step = fade->OnSync;
    fade->OnSync = [&, step](int32_t value) {
        step(value);
        colours.push_back(form->Color());
    };
    ASSERT_TRUE(test::PumpUntil([&] { return steps.done; }));
    // Six steps from 25 toward 125 of 255, at most about half-way (the last one handed over
    // once more), then the new colour itself.
    ASSERT_EQ(steps.values.size(), 7u);
    EXPECT_TRUE(std::is_sorted(steps.values.begin(), steps.values.end()));
    EXPECT_GT(steps.values.front(), 25);
    EXPECT_GE(steps.values[5], 120);
    EXPECT_LE(steps.values[5], 125);
    EXPECT_EQ(steps.values[6], steps.values[5]);
    EXPECT_EQ(colours.back(), lyra::ColorBlend(0x00000000, 0x00FFFFFF, steps.values.back()));
    EXPECT_EQ(form->Color(), 0x00FFFFFF);
}

TEST_F(ThemedForm, TheOverlayFadesFrom150ToNothingIn100Milliseconds) {
    form->Show();
    form->SetSmokeEffect(true);
    test::Pump();
    form->SetSmokeEffect(false);
    lyra::TIntAni* fade = form->SmokeFade();
    ASSERT_NE(fade, nullptr);
    EXPECT_EQ(fade->StartValue, 150);
    EXPECT_EQ(fade->EndValue(), 0);
    EXPECT_EQ(fade->Duration, 100u);
    StepRecorder steps(*fade);
    ASSERT_TRUE(test::PumpUntil([&] { return steps.done; }));
    ASSERT_EQ(steps.values.size(), fade->Step + 1u);
    EXPECT_TRUE(std::is_sorted(steps.values.rbegin(), steps.values.rend())) << "only falling";
    EXPECT_LT(steps.values.front(), 150);
    EXPECT_EQ(steps.values.back(), 0);
    EXPECT_FALSE(form->SmokeOverlay().Visible());
}

TEST_F(ThemedForm, MicaIsAFaintLayeredTranslucency) {
    EXPECT_TRUE(form->MicaEffect());
    form->Show();
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(form->Handle(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 251);
    EXPECT_TRUE(flags & LWA_ALPHA);
    form->SetMicaEffect(false);
    EXPECT_FALSE(GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
}

TEST_F(ThemedForm, TheUpdateLockHoldsThroughThemeChangesUntilReleased) {
    toolkit::Form other(nullptr);
    other.SetBounds(600, 100, 100, 100);
    other.Show();
    form->Show();
    // The system locks one window at a time, so another window's lock shows who holds it.
    form->SetWindowUpdateLocked(true);
    EXPECT_TRUE(form->WindowUpdateLocked());
    EXPECT_FALSE(LockWindowUpdate(other.Handle()));
    form->SetAllowThemeChangeAnimation(false);
    form->UpdateTheme(true);
    EXPECT_FALSE(LockWindowUpdate(other.Handle())) << "a theme change keeps the lock";
    form->SetWindowUpdateLocked(false);
    EXPECT_TRUE(LockWindowUpdate(other.Handle()));
    LockWindowUpdate(nullptr);
}

TEST_F(ThemedForm, OnlySizeableBordersAreResizable) {
    using toolkit::BorderStyleKind;
    const struct {
        BorderStyleKind border;
        bool resizable;
    } cases[] = {{BorderStyleKind::None, false},       {BorderStyleKind::Single, false},
                 {BorderStyleKind::Sizeable, true},    {BorderStyleKind::Dialog, false},
                 {BorderStyleKind::ToolWindow, false}, {BorderStyleKind::SizeToolWin, true}};
    for (const auto& c : cases) {
        form->SetBorderStyle(c.border);
        EXPECT_EQ(form->IsResizable(), c.resizable) << int(c.border);
    }
}

TEST_F(ThemedForm, TheTitleBarAndTheTooltipsFollowTheTheme) {
    ASSERT_TRUE(form->TitlebarEnabled());
    ASSERT_NE(form->TitlebarPanel(), nullptr);
    EXPECT_EQ(form->CustomTitleBar().Control(), form->TitlebarPanel());
    EXPECT_EQ(form->GetTitlebarHeight(), form->TitlebarPanel()->Height());
    form->SetAllowThemeChangeAnimation(false);
    form->Show();
    EXPECT_TRUE(form->CustomTitleBar().Enabled());
    EXPECT_FALSE(form->CustomTitleBar().SystemColors());
    EXPECT_FALSE(form->CustomTitleBar().SystemButtons());

    auto* control = new toolkit::WinControl(form.get());
    control->SetBounds(10, 50, 50, 20);
    control->SetHint(L"hint");
    control->SetParent(form.get());
    const struct {
        lyra::LyDarkSetting mode;
        unsigned hover, pressed;
        bool dark;
    } themes[] = {{lyra::LyDarkSetting::ForceDark, 0x111111, 0x3E3E3E, true},
                  {lyra::LyDarkSetting::ForceLight, 0xFFFFFF, 0xD5D5D5, false}};
    for (const auto& theme : themes) {
        lyra::ThemeManager().SetDarkThemeMode(theme.mode);
        const toolkit::TitleBar& bar = form->CustomTitleBar();
        EXPECT_EQ(test::Rgb(bar.ButtonHoverBackgroundColor()), theme.hover);
        EXPECT_EQ(test::Rgb(bar.ButtonPressedBackgroundColor()), theme.pressed);
        EXPECT_EQ(bar.BackgroundColor(), form->Color());

        toolkit::Application::Instance().Hints().Show(control, control->ClientToScreen({5, 5}));
        toolkit::HintWindow* hint = toolkit::Application::Instance().Hints().Window();
        EXPECT_EQ(dynamic_cast<lyra::LyDarkTooltip*>(hint) != nullptr, theme.dark);
        EXPECT_EQ(dynamic_cast<lyra::LyLightTooltip*>(hint) != nullptr, !theme.dark);
        toolkit::Application::Instance().Hints().Cancel();
    }
}

TEST_F(ThemedForm, TheOverlayHoldsTheFormUntilItFadesAway) {
    form->Show();
    test::Pump();
    const RECT client = form->ClientRect();
    form->SetSmokeEffect(true);
    test::Pump();
    lyra::LySmokeOverlay& smoke = form->SmokeOverlay();
    EXPECT_TRUE(smoke.Visible());
    EXPECT_EQ(smoke.AlphaBlendValue(), 150);
    EXPECT_EQ(smoke.BoundsRect(), client);
    // Coming back to the form (as when a dialog over it closes) lands the focus on the overlay,
    // so the form's own controls get no keys.
    toolkit::Form other(nullptr);
    other.SetBounds(600, 100, 100, 100);
    other.Show();
    test::Pump();
    SetActiveWindow(form->Handle());
    test::Pump();
    EXPECT_EQ(GetFocus(), smoke.Handle());

    // Alt+F4 on the overlay and a close request do nothing; the form cannot be resized.
    SendMessageW(smoke.Handle(), WM_SYSKEYDOWN, VK_F4, 1 << 29);
    smoke.Close();
    test::Pump();
    EXPECT_TRUE(smoke.Visible());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    MINMAXINFO limits{};
    SendMessageW(form->Handle(), WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&limits));
    EXPECT_EQ(limits.ptMinTrackSize.x, form->Width());
    EXPECT_EQ(limits.ptMaxTrackSize.y, form->Height());

    test::PumpFor(20);
    form->SetSmokeEffect(false);
    EXPECT_TRUE(test::PumpUntil([&] { return !smoke.Visible(); }));
    EXPECT_EQ(smoke.AlphaBlendValue(), 0);
}

TEST_F(ThemedForm, FullScreenComesBackToTheSameBoundsAndBorder) {
    auto* reader = new NewsReader(form.get());
    reader->SetBounds(0, 40, 20, 20);
    reader->SetParent(form.get());
    form->SetBorderStyle(toolkit::BorderStyleKind::Single);
    form->Show();
    test::Pump();
    const RECT before = form->BoundsRect();

    form->SetFullScreen(true);
    test::Pump();
    EXPECT_EQ(form->BorderStyle(), toolkit::BorderStyleKind::None);
    EXPECT_EQ(form->BoundsRect(),
              toolkit::Screen::Instance().MonitorFromWindow(form->Handle()).bounds);
    EXPECT_FALSE(form->CustomTitleBar().Enabled());
    form->SetFullScreen(false);
    test::Pump();
    EXPECT_EQ(form->BorderStyle(), toolkit::BorderStyleKind::Single);
    EXPECT_EQ(form->BoundsRect(), before);
    EXPECT_TRUE(form->CustomTitleBar().Enabled());

    // Moving and resizing reached the controls, with the form as the sender.
    const auto& news = reader->news;
    EXPECT_NE(std::find(news.begin(), news.end(), lyra::WM_LY_FORM_MOVED), news.end());
    EXPECT_NE(std::find(news.begin(), news.end(), lyra::WM_LY_FORM_RESIZED), news.end());
    EXPECT_EQ(reader->sender, reinterpret_cast<LPARAM>(form.get()));
}

TEST_F(ThemedForm, ADescribedTitleBarPanelReplacesTheOneMadeForTheForm) {
    toolkit::ReadComponent(*form, LR"(object Described: LyForm
  object Bar: TitleBarPanel
    Height = 44
  end
end
)",
                           L"test.form", {}, {});
    auto* bar = form->Find<toolkit::TitleBarPanel>(L"Bar");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(form->TitlebarPanel(), bar);
    EXPECT_EQ(form->CustomTitleBar().Control(), bar);
    EXPECT_EQ(form->GetTitlebarHeight(), 44);
    int panels = 0;
    for (int index = 0; index < form->ControlCount(); ++index)
        panels += dynamic_cast<toolkit::TitleBarPanel*>(form->Controls(index)) != nullptr;
    EXPECT_EQ(panels, 1);
}

} // namespace
