// Panel painting and the scroll box: ranges from the children, scrolling that moves windowed
// and window-less children, the wheel, and aligned children in scrolled coordinates.
#include "tests/gui_support/gui_test_support.h"
#include "test_controls.h"

#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/scroll_box.h"

#include <memory>

namespace {

using toolkit::AlignKind;

class Containers : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<toolkit::Form>(nullptr);
        form->SetBorderStyle(toolkit::BorderStyleKind::None);
        form->SetClientWidth(300);
        form->SetClientHeight(200);
    }
    std::unique_ptr<toolkit::Form> form;
};

TEST_F(Containers, PanelsFillWithTheirColourInsideTheirBevels) {
    auto* panel = new toolkit::Panel(form.get());
    panel->SetBounds(10, 10, 100, 50);
    panel->SetColor(toolkit::RgbColor(0, 120, 215));
    panel->SetBevelOuter(toolkit::BevelCut::Lowered);
    panel->SetBevelWidth(2);
    panel->SetParent(form.get());
    auto* child = new toolkit::Panel(form.get());
    child->SetAlign(AlignKind::Client);
    child->SetParent(panel);
    EXPECT_EQ(child->BoundsRect().left, 2); // inside both bevel lines
    EXPECT_EQ(child->Width(), 96);
    child->Hide();
    form->Show();
    auto shot = test::Capture(*panel);
    EXPECT_EQ(test::PixelRgb(*shot, 50, 25), 0x0078D7u);
    EXPECT_EQ(test::PixelRgb(*shot, 0, 25), test::Rgb(toolkit::SystemColor(COLOR_BTNSHADOW)));
    EXPECT_EQ(test::PixelRgb(*shot, 99, 25), test::Rgb(toolkit::SystemColor(COLOR_BTNHIGHLIGHT)));

    // A caption in the middle: some pixels of the middle row change colour.
    panel->SetCaption(L"Installing....");
    panel->Font().SetColor(toolkit::clWhite);
    auto captioned = test::Capture(*panel);
    int ink = 0;
    for (int x = 0; x < 100; ++x)
        for (int y = 15; y < 35; ++y)
            ink += test::PixelRgb(*captioned, x, y) == 0xFFFFFFu;
    EXPECT_GT(ink, 10);
    // Drawing the caption clears the canvas brush; the next paint must still fill the panel.
    auto repainted = test::Capture(*panel);
    EXPECT_EQ(test::PixelRgb(*repainted, 50, 5), 0x0078D7u);
}

TEST_F(Containers, AHiddenChildGetsItsWindowWhenShownInItsPlaceAmongTheOthers) {
    toolkit::Panel* panels[3];
    for (auto*& panel : panels) {
        panel = new toolkit::Panel(form.get());
        panel->SetBounds(10, 10, 100, 50);
        panel->SetParent(form.get());
    }
    panels[1]->Hide();
    form->Show();
    EXPECT_TRUE(panels[0]->HandleAllocated());
    EXPECT_FALSE(panels[1]->HandleAllocated()) << "no window for what does not show";
    panels[1]->Show();
    ASSERT_TRUE(panels[1]->HandleAllocated());
    EXPECT_TRUE(IsWindowVisible(panels[1]->Handle()));
    // Later children lie above earlier ones: the middle one between the other two.
    EXPECT_EQ(GetWindow(panels[1]->Handle(), GW_HWNDPREV), panels[2]->Handle());
    EXPECT_EQ(GetWindow(panels[1]->Handle(), GW_HWNDNEXT), panels[0]->Handle());
}

TEST_F(Containers, ScrollBoxRangeFollowsTheChildrenAndScrollingMovesThem) {
    auto* box = new toolkit::ScrollBox(form.get());
    box->SetBorderStyle(toolkit::FrameStyle::None);
    box->SetBounds(0, 0, 200, 100);
    box->SetParent(form.get());
    auto* windowed = new toolkit::Panel(form.get());
    windowed->SetBounds(10, 30, 50, 40);
    windowed->SetParent(box);
    form->Show();
    EXPECT_EQ(box->VertScrollBar().Range(), 70);
    EXPECT_FALSE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_VSCROLL); // everything fits

    auto* below = new test::LoggingControl(form.get());
    below->SetBounds(10, 250, 50, 50);
    below->SetParent(box);
    EXPECT_EQ(box->VertScrollBar().Range(), 300);
    EXPECT_TRUE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_VSCROLL);

    box->VertScrollBar().SetPosition(120);
    test::Pump();
    EXPECT_EQ(box->VertScrollBar().Position(), 120);
    EXPECT_EQ(windowed->Top(), -90);
    EXPECT_EQ(below->Top(), 130);
    RECT window{};
    GetWindowRect(windowed->Handle(), &window);
    EXPECT_EQ(window.top, box->ClientToScreen({0, -90}).y); // ScrollWindow moved it
    EXPECT_EQ(box->VertScrollBar().Range(), 300);

    box->VertScrollBar().SetPosition(1000); // kept within the range
    EXPECT_EQ(box->VertScrollBar().Position(), 300 - box->ClientHeight());
    box->ScrollInView(windowed);
    EXPECT_EQ(windowed->Top(), 0);
    box->VertScrollBar().SetPosition(0);
    EXPECT_EQ(windowed->Top(), 30);
}

TEST_F(Containers, TheWheelScrollsAndAlignedChildrenScrollAlong) {
    auto* box = new toolkit::ScrollBox(form.get());
    box->SetBorderStyle(toolkit::FrameStyle::None);
    box->SetBounds(0, 0, 200, 100);
    box->SetParent(form.get());
    toolkit::Panel* groups[3];
    for (int i = 0; i < 3; ++i) {
        groups[i] = new toolkit::Panel(form.get());
        groups[i]->SetBounds(0, i * 100, 10, 60);
        groups[i]->SetAlign(AlignKind::Top);
        groups[i]->SetParent(box);
    }
    form->Show();
    EXPECT_EQ(box->VertScrollBar().Range(), 180);
    test::MouseMoveTo(*box, {50, 50});
    POINT screen = box->ClientToScreen({50, 50});
    SendMessageW(box->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, -WHEEL_DELTA),
                 MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(box->VertScrollBar().Position(), 24); // three lines of eight pixels
    EXPECT_EQ(groups[0]->Top(), -24);
    // A new layout keeps the scrolled place.
    groups[1]->SetHeight(70);
    EXPECT_EQ(groups[0]->Top(), -24);
    EXPECT_EQ(groups[2]->Top(), 106);
    EXPECT_EQ(groups[2]->Width(), box->ClientWidth());

    // Without its own bars the box still scrolls when told to (as a framework box does).
    box->VertScrollBar().SetVisible(false);
    EXPECT_FALSE(GetWindowLongW(box->Handle(), GWL_STYLE) & WS_VSCROLL);
    box->VertScrollBar().SetPosition(0);
    EXPECT_EQ(groups[0]->Top(), 0);
}

} // namespace
