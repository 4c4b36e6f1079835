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
using test::Swatch;

class ControlInput : public test::GuiTest {
  protected:
    std::unique_ptr<HostForm> host = std::make_unique<HostForm>(toolkit::clWhite);
};

// A real click at a client point of the control: the system picks the window that gets it.
// Waits until one of the counted clicks arrived.
void SystemClick(toolkit::WinControl& control, POINT client, const int& clicksA,
                 const int& clicksB) {
    const int before = clicksA + clicksB;
    const POINT screen = control.ClientToScreen(client);
    // A busy system maps a new window late: click once the form lies under the point.
    const HWND form = GetAncestor(control.Handle(), GA_ROOT);
    test::PumpUntil([&] { return GetAncestor(WindowFromPoint(screen), GA_ROOT) == form; });
    // Absolute coordinates on every event, so the press lands where the move went even when
    // the system is slow to take the move.
    const LONG x = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    const LONG y = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    INPUT inputs[3]{};
    const DWORD flags[] = {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP};
    for (int i = 0; i < 3; ++i) {
        inputs[i].type = INPUT_MOUSE;
        inputs[i].mi = {x, y, 0, flags[i] | MOUSEEVENTF_ABSOLUTE, 0, 0};
    }
    SendInput(3, inputs, sizeof(INPUT));
    test::PumpUntil([&] { return clicksA + clicksB > before; });
}

// Focuses the control once its window can take the focus (a busy system activates a newly
// shown form late).
bool FocusOn(toolkit::WinControl& control) {
    return test::PumpUntil([&] {
        control.SetFocus();
        return control.Focused();
    });
}

TEST_F(ControlInput, TheFocusLineShowsAfterTabAndGoesWithAClick) {
    auto* first = new Swatch(*host, {10, 10, 110, 50}, std::nullopt);
    auto* second = new Swatch(*host, {10, 60, 110, 100}, std::nullopt);
    first->SetAutoFocusLine(true);
    second->SetAutoFocusLine(true);
    host->Show();
    ASSERT_TRUE(FocusOn(*first));

    test::PressKey(VK_TAB);
    ASSERT_TRUE(second->Focused());
    EXPECT_TRUE(second->HasEnteredTab());
    const unsigned line = test::Rgb(lyra::ThemeManager().SystemColor.ForeGround);
    const unsigned edge = test::AwaitScreenPixel(*second, {0, 20}, line, 40);
    EXPECT_TRUE(test::NearRgb(edge, line, 40)) << std::hex << edge;
    EXPECT_EQ(test::AwaitScreenPixel(*second, {50, 20}, 0xFFFFFFu), 0xFFFFFFu);

    test::Click(*second, {50, 20});
    EXPECT_FALSE(second->HasEnteredTab());
    EXPECT_EQ(test::AwaitScreenPixel(*second, {0, 20}, 0xFFFFFFu), 0xFFFFFFu);

    // A click on an unfocused control takes the focus without a line.
    test::Click(*first, {50, 20});
    EXPECT_TRUE(first->Focused());
    EXPECT_FALSE(first->HasEnteredTab());
    EXPECT_EQ(test::AwaitScreenPixel(*first, {0, 20}, 0xFFFFFFu), 0xFFFFFFu);
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
    ASSERT_TRUE(FocusOn(*keeper));

    test::PressKey(VK_RIGHT);
    test::PressKey(VK_LEFT);
    EXPECT_TRUE(keeper->Focused());
    EXPECT_EQ(keys, (std::vector<WORD>{VK_RIGHT, VK_LEFT}));

    test::PressKey(VK_DOWN);
    EXPECT_TRUE(next->Focused()) << "a key not kept moves the focus";
    ASSERT_TRUE(FocusOn(*keeper));
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

    SystemClick(*above, {30, 30}, aboveClicks, belowClicks);
    EXPECT_EQ(aboveClicks, 1);
    EXPECT_EQ(belowClicks, 0);

    above->SetHitTest(false);
    SystemClick(*above, {30, 30}, aboveClicks, belowClicks);
    EXPECT_EQ(aboveClicks, 1);
    EXPECT_EQ(belowClicks, 1);
}

} // namespace
