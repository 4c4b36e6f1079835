// Keyboard and mouse on the buffered windowed control: the focus line shows only after the
// keyboard brought the focus, kept keys reach the control, and a control that does not take
// the mouse lets clicks through to what lies below.
#include "buffered_controls.h"
#include "lyra/theme_manager.h"
#include "tests/gui_support/gui_test_support.h"

#include <memory>
#include <vector>

namespace {

using test::HostForm;
using test::ScreenPixel;
using test::Swatch;

class ControlInput : public test::GuiTest {
  protected:
    std::unique_ptr<HostForm> host = std::make_unique<HostForm>(toolkit::clWhite);
};

// A real click at a client point of the control: the system picks the window that gets it.
void SystemClick(toolkit::Control& control, POINT client) {
    const POINT screen = control.ClientToScreen(client);
    SetCursorPos(screen.x, screen.y);
    INPUT inputs[2]{};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, inputs, sizeof(INPUT));
    test::PumpFor(200);
}

TEST_F(ControlInput, TheFocusLineShowsAfterTabAndGoesWithAClick) {
    auto* first = new Swatch(*host, {10, 10, 110, 50}, std::nullopt);
    auto* second = new Swatch(*host, {10, 60, 110, 100}, std::nullopt);
    first->SetAutoFocusLine(true);
    second->SetAutoFocusLine(true);
    host->Show();
    first->SetFocus();
    test::Pump();

    test::PressKey(VK_TAB);
    ASSERT_TRUE(second->Focused());
    EXPECT_TRUE(second->HasEnteredTab());
    const unsigned line = test::Rgb(lyra::ThemeManager().SystemColor.ForeGround);
    EXPECT_TRUE(test::NearRgb(ScreenPixel(*second, {0, 20}), line, 40))
        << std::hex << ScreenPixel(*second, {0, 20});
    EXPECT_EQ(ScreenPixel(*second, {50, 20}), 0xFFFFFFu);

    test::Click(*second, {50, 20});
    EXPECT_FALSE(second->HasEnteredTab());
    EXPECT_EQ(ScreenPixel(*second, {0, 20}), 0xFFFFFFu);

    // A click on an unfocused control takes the focus without a line.
    test::Click(*first, {50, 20});
    EXPECT_TRUE(first->Focused());
    EXPECT_FALSE(first->HasEnteredTab());
    EXPECT_EQ(ScreenPixel(*first, {0, 20}), 0xFFFFFFu);
}

TEST_F(ControlInput, KeptArrowKeysReachTheControlAndTabStillMoves) {
    auto* keeper = new Swatch(*host, {10, 10, 110, 50}, std::nullopt);
    auto* next = new Swatch(*host, {10, 60, 110, 100}, std::nullopt);
    keeper->SetFocusFlags({lyra::LyFocusFlag::CatchLeft, lyra::LyFocusFlag::CatchRight});
    std::vector<WORD> keys;
    keeper->OnKeyDown = [&](toolkit::Component*, WORD& key, toolkit::ShiftState) {
        keys.push_back(key);
    };
    host->Show();
    keeper->SetFocus();
    test::Pump();

    test::PressKey(VK_RIGHT);
    test::PressKey(VK_LEFT);
    EXPECT_TRUE(keeper->Focused());
    EXPECT_EQ(keys, (std::vector<WORD>{VK_RIGHT, VK_LEFT}));

    test::PressKey(VK_DOWN);
    EXPECT_TRUE(next->Focused()) << "a key not kept moves the focus";
    keeper->SetFocus();
    test::Pump();
    test::PressKey(VK_TAB);
    EXPECT_TRUE(next->Focused());
}

TEST_F(ControlInput, AControlThatTakesNoMouseLetsClicksThrough) {
    auto* below = new Swatch(*host, {10, 10, 110, 60}, toolkit::clBlue);
    auto* above = new Swatch(*host, {10, 10, 110, 60}, std::nullopt);
    int belowClicks = 0, aboveClicks = 0;
    below->OnClick = [&](toolkit::Component*) { ++belowClicks; };
    above->OnClick = [&](toolkit::Component*) { ++aboveClicks; };
    host->Show();

    SystemClick(*above, {30, 30});
    EXPECT_EQ(aboveClicks, 1);
    EXPECT_EQ(belowClicks, 0);

    above->SetHitTest(false);
    SystemClick(*above, {30, 30});
    EXPECT_EQ(aboveClicks, 1);
    EXPECT_EQ(belowClicks, 1);
}

} // namespace
