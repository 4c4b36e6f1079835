// Mouse and keyboard routing: window-less children get their parent's mouse input, the
// focus moves with Tab and arrows, controls may keep navigation keys, hints and context
// menus find their control.
#include "tests/gui_support/gui_test_support.h"
#include "test_controls.h"

#include "toolkit/form.h"
#include "toolkit/hint_window.h"
#include "toolkit/panel.h"
#include "toolkit/popup_menu.h"
#include "toolkit/screen.h"

#include <memory>

namespace {

using test::EventLog;
using toolkit::Form;

class Input : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<Form>(nullptr);
        form->SetBorderStyle(toolkit::BorderStyleKind::None);
        form->SetClientWidth(300);
        form->SetClientHeight(200);
        panel = new toolkit::Panel(form.get());
        panel->SetBounds(0, 0, 300, 200);
        panel->SetParent(form.get());
    }
    test::LoggingControl* AddLogging(const wchar_t* name, RECT bounds) {
        auto* control = new test::LoggingControl(form.get());
        control->SetName(name);
        control->SetBoundsRect(bounds);
        control->Log = &log;
        control->SetParent(panel);
        return control;
    }
    test::TestButton* AddButton(const wchar_t* name, int left, toolkit::WinControl* parent) {
        auto* button = new test::TestButton(form.get());
        button->SetName(name);
        button->SetBounds(left, 150, 40, 25);
        button->Log = &log;
        button->SetParent(parent);
        return button;
    }
    std::unique_ptr<Form> form;
    toolkit::Panel* panel = nullptr;
    EventLog log;
};

TEST_F(Input, WindowlessChildrenGetTheClicksOnThemInTheirOwnCoordinates) {
    test::LoggingControl* child = AddLogging(L"Child", {50, 40, 150, 90});
    bool panelClicked = false;
    panel->OnClick = [&](toolkit::Component*) { panelClicked = true; };
    form->Show();

    test::Click(*panel, {60, 45});
    EXPECT_EQ(log,
              (EventLog{L"Child.Enter", L"Child.MouseDown", L"Child.Click", L"Child.MouseUp"}));
    EXPECT_EQ(child->lastPoint.x, 10);
    EXPECT_EQ(child->lastPoint.y, 5);
    EXPECT_FALSE(panelClicked);

    log.clear();
    test::Click(*panel, {10, 10});
    EXPECT_EQ(log, (EventLog{L"Child.Leave"}));
    EXPECT_TRUE(panelClicked);

    // A disabled child lets the clicks through to its parent.
    child->SetEnabled(false);
    log.clear();
    panelClicked = false;
    test::Click(*panel, {60, 45});
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(panelClicked);
}

TEST_F(Input, TheControlPressedKeepsTheMouseUntilRelease) {
    test::LoggingControl* child = AddLogging(L"Child", {50, 40, 150, 90});
    form->Show();
    test::MouseMoveTo(*panel, {60, 45});
    SendMessageW(panel->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(60, 45));
    EXPECT_EQ(GetCapture(), panel->Handle());
    // Released outside: the child hears the release (in its coordinates) but no click.
    SendMessageW(panel->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(250, 150));
    SendMessageW(panel->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(250, 150));
    EXPECT_EQ(log,
              (EventLog{L"Child.Enter", L"Child.MouseDown", L"Child.Leave", L"Child.MouseUp"}));
    EXPECT_EQ(child->lastPoint.x, 200);
    EXPECT_EQ(child->lastPoint.y, 110);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(Input, TheWheelGoesToTheControlUnderTheMouseThenToItsParents) {
    AddLogging(L"Child", {50, 40, 150, 90});
    int formTurns = 0;
    form->OnMouseWheel = [&](toolkit::Component*, toolkit::ShiftState, int delta, POINT,
                             bool& handled) {
        formTurns += delta;
        handled = true;
    };
    form->Show();
    test::MouseMoveTo(*panel, {60, 45});
    POINT screen = panel->ClientToScreen({60, 45});
    SendMessageW(form->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                 MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(log, (EventLog{L"Child.Enter", L"Child.Wheel-120"}));
    EXPECT_EQ(formTurns, -WHEEL_DELTA);
}

TEST_F(Input, TabFollowsTheTabOrderAcrossContainers) {
    test::TestButton* a = AddButton(L"A", 0, panel);
    test::TestButton* b = AddButton(L"B", 50, panel);
    test::TestButton* skipped = AddButton(L"Skipped", 100, panel);
    skipped->SetEnabled(false);
    auto* inner = new toolkit::Panel(form.get()); // no tab stop itself, but its children
    inner->SetBounds(150, 0, 150, 200);
    inner->SetParent(panel);
    test::TestButton* c = AddButton(L"C", 0, inner);
    b->SetTabOrder(0); // B, A, Skipped, then the inner panel's C
    form->Show();
    b->SetFocus();
    EXPECT_EQ(form->ActiveControl(), b);

    test::PressKey(VK_TAB);
    EXPECT_TRUE(a->Focused());
    test::PressKey(VK_TAB);
    EXPECT_TRUE(c->Focused());
    test::PressKey(VK_TAB);
    EXPECT_TRUE(b->Focused()); // round again
    test::PressKey(VK_TAB, true);
    EXPECT_TRUE(c->Focused());
    EXPECT_EQ(form->ActiveControl(), c);
    EXPECT_EQ(log.back(), L"C.Enter");
    // Tab moved the focus; the buttons never saw the key itself.
    for (const auto& entry : log)
        EXPECT_EQ(entry.find(L".Key9"), std::wstring::npos) << entry;
}

// Keeps the left and right arrows, as a slider would.
class ArrowCatcher : public test::TestButton {
  public:
    using TestButton::TestButton;
    void KeyDownNotification(WORD key, toolkit::ShiftState, bool& allowNavigation) override {
        if (key == VK_LEFT || key == VK_RIGHT) allowNavigation = false;
    }
};

TEST_F(Input, ControlsMayKeepNavigationKeysForThemselves) {
    test::TestButton* first = AddButton(L"First", 0, panel);
    auto* catcher = new ArrowCatcher(form.get());
    catcher->SetName(L"Catcher");
    catcher->Log = &log;
    catcher->SetParent(panel);
    form->Show();
    catcher->SetFocus();
    log.clear();
    test::PressKey(VK_RIGHT);
    EXPECT_TRUE(catcher->Focused());
    EXPECT_EQ(log, (EventLog{L"Catcher.Key39"}));
    test::PressKey(VK_DOWN); // not kept: moves on
    EXPECT_TRUE(first->Focused());
    test::PressKey(VK_SPACE); // an ordinary key reaches the focused control
    EXPECT_EQ(log.back(), L"First.Click");
}

TEST_F(Input, ActivationBringsTheFocusBackToTheActiveControl) {
    AddButton(L"First", 0, panel);
    test::TestButton* second = AddButton(L"Second", 50, panel);
    second->SetFocus(); // the form is hidden: remembered for later
    EXPECT_EQ(form->ActiveControl(), second);
    form->Show();
    EXPECT_TRUE(second->Focused());
    Form other(nullptr);
    other.Show();
    EXPECT_FALSE(second->Focused());
    form->Show();
    EXPECT_TRUE(second->Focused());
}

// Counts the messages a form broadcasts to it.
class Listener : public test::TestButton {
  public:
    using TestButton::TestButton;
    int heard = 0;

  protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP + 0x201) ++heard;
        return TestButton::WndProc(message, wParam, lParam);
    }
};

TEST_F(Input, BroadcastReachesEveryChild) {
    auto* first = new Listener(form.get());
    first->SetParent(form.get());
    auto* second = new Listener(form.get());
    second->SetParent(form.get());
    auto* windowless = new test::LoggingControl(form.get()); // no window procedure: ignores it
    windowless->SetParent(form.get());
    form->Show();
    form->Broadcast(WM_APP + 0x201, 0, LPARAM(form.get()));
    EXPECT_EQ(first->heard, 1);
    EXPECT_EQ(second->heard, 1);
}

class RecordingMenu : public toolkit::Component, public toolkit::PopupMenu {
  public:
    using Component::Component;
    void Popup(int x, int y) override { at = {x, y}; }
    POINT at{-1, -1};
};

TEST_F(Input, TheContextMenuOfTheControlUnderTheMouseOpens) {
    test::LoggingControl* child = AddLogging(L"Child", {50, 40, 150, 90});
    auto* menu = new RecordingMenu(form.get());
    child->SetPopupMenu(menu);
    form->Show();
    POINT screen = panel->ClientToScreen({70, 50});
    SendMessageW(panel->Handle(), WM_CONTEXTMENU, WPARAM(panel->Handle()),
                 MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(menu->at.x, screen.x);
    EXPECT_EQ(menu->at.y, screen.y);
    delete menu; // the control lets go of a menu that is deleted
    EXPECT_EQ(child->PopupMenu(), nullptr);
}

// A hint window class of the application's own, counting its instances.
class CountingHint : public toolkit::HintWindow {
  public:
    explicit CountingHint(toolkit::Component* owner) : HintWindow(owner) { ++made; }
    static inline int made = 0;
};

TEST_F(Input, HintsUseTheHintWindowClassInForce) {
    test::LoggingControl* child = AddLogging(L"Child", {50, 40, 150, 90});
    child->SetHint(L"A helpful hint");
    form->Show();
    toolkit::HintManager& hints = toolkit::Application::Instance().Hints();
    hints.SetWindowClass<CountingHint>();
    hints.Show(child, child->ClientToScreen({5, 5}));
    ASSERT_NE(hints.Window(), nullptr);
    EXPECT_NE(dynamic_cast<CountingHint*>(hints.Window()), nullptr);
    EXPECT_EQ(hints.Window()->Caption(), L"A helpful hint");
    EXPECT_TRUE(IsWindowVisible(hints.Window()->Handle()));
    EXPECT_EQ(CountingHint::made, 1);

    // Replaced at run time: the next hint uses the default class again.
    hints.SetWindowClass([] { return std::make_unique<toolkit::HintWindow>(nullptr); });
    EXPECT_EQ(hints.Window(), nullptr);
    hints.Show(child, child->ClientToScreen({5, 5}));
    EXPECT_EQ(dynamic_cast<CountingHint*>(hints.Window()), nullptr);
    EXPECT_EQ(CountingHint::made, 1);
    // A control without a hint shows its parent's, or none.
    hints.Cancel();
    EXPECT_EQ(hints.Window(), nullptr);
    hints.Show(panel, {0, 0});
    EXPECT_EQ(hints.Window(), nullptr);
}

TEST_F(Input, HintsShowAfterThePauseAndStayOnTheScreen) {
    test::LoggingControl* child = AddLogging(L"Child", {50, 40, 150, 90});
    child->SetHint(L"Shown after a pause");
    form->Show();
    toolkit::HintManager& hints = toolkit::Application::Instance().Hints();
    hints.SetWindowClass([] { return std::make_unique<toolkit::HintWindow>(nullptr); });
    hints.SetPause(5);
    test::MouseMoveTo(*panel, {60, 45});
    for (int i = 0; i < 100 && !hints.Window(); ++i)
        test::PumpFor(5);
    ASSERT_NE(hints.Window(), nullptr);
    toolkit::HintWindow* window = hints.Window();
    RECT needed = window->CalcHintRect(1000, L"Shown after a pause");
    EXPECT_EQ(window->Width(), needed.right);
    EXPECT_EQ(window->Height(), needed.bottom);
    EXPECT_FALSE(GetWindowLongW(window->Handle(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_NE(GetActiveWindow(), window->Handle()); // a hint never takes activation

    test::MouseMoveTo(*panel, {5, 5}); // off the control: the hint goes
    EXPECT_EQ(hints.Window(), nullptr);

    // Near the screen's corner the hint moves back onto the screen.
    RECT area = toolkit::Screen::Instance().WorkAreaRect();
    hints.Show(child, {area.right - 2, area.bottom - 2});
    ASSERT_NE(hints.Window(), nullptr);
    RECT placed = hints.Window()->BoundsRect();
    EXPECT_LE(placed.right, area.right);
    EXPECT_LE(placed.bottom, area.bottom);
    hints.SetPause(500);
}

} // namespace
