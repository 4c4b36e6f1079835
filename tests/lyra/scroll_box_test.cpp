// The framework's scroll box on real windows: its bars follow the children, and dragging,
// held arrows, track clicks and the wheel scroll them; theme changes reach nested controls.
#include "display_test_support.h"
#include "lyra/check_box.h"
#include "lyra/class_names.h"
#include "lyra/panel.h"
#include "lyra/scroll_box.h"
#include "lyra/theme_manager.h"
#include "rect_compare.h"
#include "toolkit/description_reader.h"
#include "toolkit/handler_table.h"

#include <vector>

namespace {

using lyra::LyPanel;
using lyra::LyScrollBox;
using lyra::LyScrollBoxScrollBar;

// The box is 200 x 150; each bar is 12 pixels thick, so 138 pixels show along either bar.
constexpr int kVisible = 138;

class ScrollBoxTest : public test::DisplayTest {
  protected:
    void SetUp() override {
        DisplayTest::SetUp();
        UseTheme(false);
        box = new LyScrollBox(form.get());
        box->SetBounds(10, 10, 200, 150);
        box->SetParent(form.get());
        box->SetScrollExtendY(0);
    }
    // A panel of the given height, 150 wide, at Top within the box.
    LyPanel* AddPanel(int top, int height, int width = 150) {
        auto* panel = new LyPanel(form.get());
        panel->SetBounds(0, top, width, height);
        panel->SetParent(box);
        panels.push_back(panel);
        return panel;
    }
    // Four 80-pixel panels, 100 apart: 380 pixels of content, 242 of them hidden.
    void FillBox() {
        for (int i = 0; i < 4; ++i)
            AddPanel(i * 100, 80);
        form->Show();
        test::Pump();
        ASSERT_EQ(box->ScrollBarVert().Max(), 380 - kVisible);
    }
    // Every panel is where the vertical offset puts it.
    void ExpectScrolledBy(int offset) {
        for (std::size_t i = 0; i < panels.size(); ++i)
            EXPECT_EQ(panels[i]->Top(), int(i) * 100 - offset) << "panel " << i;
        EXPECT_EQ(box->PosY(), offset);
        EXPECT_EQ(box->ScrollBarVert().Position(), offset);
    }
    void Press(LyScrollBoxScrollBar& bar, POINT point) {
        test::MouseMoveTo(bar, point);
        SendMessageW(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    }
    void Release(LyScrollBoxScrollBar& bar, POINT point) {
        SendMessageW(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    void Wheel(int notches, bool shift = false) {
        test::MouseMoveTo(*box, {60, 60});
        const POINT screen = box->ClientToScreen({60, 60});
        SendMessageW(box->Handle(), WM_MOUSEWHEEL,
                     MAKEWPARAM(shift ? MK_SHIFT : 0, -notches * WHEEL_DELTA),
                     MAKELPARAM(screen.x, screen.y));
    }
    LyScrollBox* box = nullptr;
    std::vector<LyPanel*> panels;
};

TEST_F(ScrollBoxTest, StartsWithHiddenSystemBarsAndTwoFrameworkBars) {
    LyScrollBox fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 200);
    EXPECT_EQ(fresh.Height(), 150);
    EXPECT_EQ(fresh.BorderStyle(), toolkit::FrameStyle::None);
    EXPECT_FALSE(fresh.VertScrollBar().Visible());
    EXPECT_FALSE(fresh.HorzScrollBar().Visible());
    EXPECT_EQ(fresh.ScrollSpeed(), 25);
    EXPECT_EQ(fresh.ScrollExtendX(), 0);
    EXPECT_EQ(fresh.ScrollExtendY(), 100);
    EXPECT_TRUE(fresh.ScrollbarEnableVertical());
    EXPECT_TRUE(fresh.ScrollbarEnableHorizontal());
    EXPECT_TRUE(fresh.IsContainer());
    EXPECT_EQ(fresh.BackgroundColor(), lyra::LyBackgroundColor::Background);
    EXPECT_EQ(fresh.ScrollBarVert().Tag(), 0);
    EXPECT_EQ(fresh.ScrollBarHorz().Tag(), 1);
    EXPECT_EQ(fresh.ScrollBarHorz().Orientation(), lyra::LyOrientation::Horizontal);
    for (LyScrollBoxScrollBar* bar : {&fresh.ScrollBarVert(), &fresh.ScrollBarHorz()}) {
        EXPECT_EQ(bar->Max(), 0);
        EXPECT_FALSE(bar->Visible());
        EXPECT_EQ(bar->Parent(), &fresh);
        EXPECT_FALSE(bar->TabStop());
    }
}

TEST_F(ScrollBoxTest, NoBarsWhileEverythingFitsAndAVerticalOneForAChildBelow) {
    box->SetScrollExtendY(100);
    AddPanel(0, 30); // with the 100 extra pixels below it, 130 of the 138 visible
    form->Show();
    test::Pump();
    EXPECT_FALSE(box->ScrollBarVert().Visible());
    EXPECT_FALSE(box->ScrollBarHorz().Visible());
    EXPECT_EQ(box->ScrollBarVert().Max(), 0);

    AddPanel(200, 50);
    test::Pump();
    LyScrollBoxScrollBar& bar = box->ScrollBarVert();
    EXPECT_TRUE(bar.Visible());
    EXPECT_EQ(bar.Max(), 250 + 100 - kVisible) << "the extra space after the last child counts";
    EXPECT_EQ(bar.BoundsRect(), (RECT{188, 0, 200, 150})) << "along the right edge";
    EXPECT_FALSE(box->ScrollBarHorz().Visible());
    EXPECT_EQ(box->ControlCount(), 4);
    EXPECT_EQ(box->Controls(3), &box->ScrollBarHorz()) << "the bars stay above the content";
    EXPECT_EQ(box->Controls(2), &bar);

    // Not allowed: the content still scrolls by code, but no bar shows.
    box->SetScrollbarEnableVertical(false);
    EXPECT_FALSE(bar.Visible());
}

TEST_F(ScrollBoxTest, AWideChildBringsTheHorizontalBarBesideTheVerticalOne) {
    AddPanel(0, 80, 400);
    AddPanel(100, 200);
    form->Show();
    test::Pump();
    LyScrollBoxScrollBar& horizontal = box->ScrollBarHorz();
    EXPECT_TRUE(horizontal.Visible());
    EXPECT_EQ(horizontal.Max(), 400 - 188);
    EXPECT_EQ(horizontal.BoundsRect(), (RECT{0, 138, 188, 150}));
    horizontal.SetPosition(50);
    EXPECT_EQ(panels[0]->Left(), -50);
    EXPECT_EQ(panels[1]->Left(), -50);
    EXPECT_EQ(horizontal.BoundsRect(), (RECT{0, 138, 188, 150})) << "the bars do not scroll";
    EXPECT_EQ(box->ScrollBarVert().BoundsRect(), (RECT{188, 0, 200, 150}));
}

TEST_F(ScrollBoxTest, DraggingTheThumbScrollsTheChildren) {
    FillBox();
    LyScrollBoxScrollBar& bar = box->ScrollBarVert();
    // A 150-pixel bar with its buttons leaves a 120-pixel track for a 40-pixel thumb.
    EXPECT_EQ(bar.ThumbRect().top, 15);
    EXPECT_EQ(bar.ThumbRect().bottom, 55);
    Press(bar, {6, 35});
    test::MouseMoveTo(bar, {6, 75}); // half of the 80 pixels the thumb travels
    ExpectScrolledBy(121);
    EXPECT_EQ(bar.ThumbRect().top, 55);
    test::MouseMoveTo(bar, {6, 300});
    ExpectScrolledBy(242);
    EXPECT_EQ(bar.ThumbRect().bottom, 135);
    Release(bar, {6, 300});
    test::MouseMoveTo(bar, {6, 35});
    ExpectScrolledBy(242);
    // On the screen: the last panel (in the lighter content colour) now starts at 58.
    panels[3]->SetBackgroundColor(lyra::LyBackgroundColor::Content);
    EXPECT_EQ(test::AwaitScreenPixel(*box, {20, 63}, 0xFBFBFB), 0xFBFBFBu);
    EXPECT_EQ(test::ScreenPixel(*box, {20, 50}), 0xF3F3F3u) << "the gap above it";
}

TEST_F(ScrollBoxTest, HoldingAnArrowScrollsStepByStep) {
    FillBox();
    LyScrollBoxScrollBar& bar = box->ScrollBarVert();
    bar.SetSmallChange(10);
    std::vector<int> tops;
    bar.OnPaintBuffer = [&](toolkit::Component*) {
        if (tops.empty() || tops.back() != panels[1]->Top()) tops.push_back(panels[1]->Top());
    };
    Press(bar, {6, 145});
    EXPECT_EQ(panels[1]->Top(), 90) << "one step at once";
    ASSERT_TRUE(test::PumpUntil([&] { return bar.Position() >= 30; }));
    Release(bar, {6, 145});
    const int held = int(bar.Position());
    ExpectScrolledBy(held);
    EXPECT_EQ(bar.ThumbRect().top, 15 + held * 80 / 242);
    // Every step moved the children by one SmallChange.
    for (std::size_t i = 1; i < tops.size(); ++i)
        EXPECT_EQ(tops[i - 1] - tops[i], 10) << "step " << i;

    test::Click(bar, {6, 5});
    ExpectScrolledBy(held - 10);
}

TEST_F(ScrollBoxTest, ClickingTheTrackJumpsThere) {
    FillBox();
    LyScrollBoxScrollBar& bar = box->ScrollBarVert();
    test::Click(bar, {6, 130});
    ExpectScrolledBy(242);
    EXPECT_EQ(bar.ThumbRect().bottom, 135);
    test::Click(bar, {6, 55}); // the thumb's middle a quarter down its travel
    ExpectScrolledBy(61);
    EXPECT_EQ(bar.ThumbRect().top, 35);
}

TEST_F(ScrollBoxTest, OneWheelNotchScrollsByTheSpeedInTwoSteps) {
    FillBox();
    std::vector<int> positions;
    box->ScrollBarVert().OnPaintBuffer = [&](toolkit::Component*) {
        const int position = int(box->ScrollBarVert().Position());
        if (position && (positions.empty() || positions.back() != position))
            positions.push_back(position);
    };
    Wheel(1);
    EXPECT_EQ(box->PendingY(), 25);
    EXPECT_TRUE(box->WheelTimer().Enabled());
    ASSERT_TRUE(test::PumpUntil([&] { return !box->WheelTimer().Enabled(); }));
    EXPECT_EQ(positions, (std::vector<int>{20, 25}));
    ExpectScrolledBy(25);
    EXPECT_EQ(box->PendingY(), 0);

    // Turned back, and past the top: the rest of the turn is dropped there.
    for (int turn = 0; turn < 3; ++turn)
        Wheel(-1);
    ASSERT_TRUE(test::PumpUntil([&] { return !box->WheelTimer().Enabled(); }));
    ExpectScrolledBy(0);
    EXPECT_EQ(box->PendingY(), 0);

    // Shift asks for the horizontal bar; with only the vertical one shown it scrolls that.
    box->SetAnimation(false);
    box->SetScrollSpeed(40);
    Wheel(1, true);
    ExpectScrolledBy(40);
    EXPECT_FALSE(box->WheelTimer().Enabled());
}

TEST_F(ScrollBoxTest, TheWheelGoesOnWhenThereIsNothingToScroll) {
    AddPanel(0, 30);
    form->Show();
    test::Pump();
    int outer = 0;
    form->OnMouseWheel = [&](toolkit::Component*, toolkit::ShiftState, int, POINT, bool& handled) {
        ++outer;
        handled = true;
    };
    Wheel(1);
    EXPECT_EQ(outer, 1);
    EXPECT_FALSE(box->WheelTimer().Enabled());
}

TEST_F(ScrollBoxTest, AlignedChildrenAlignInTheScrolledAreaBesideTheBar) {
    auto* top = AddPanel(0, 100);
    top->SetAlign(toolkit::AlignKind::Top);
    auto* next = AddPanel(100, 120);
    next->SetAlign(toolkit::AlignKind::Top);
    form->Show();
    test::Pump();
    EXPECT_EQ(box->ScrollBarVert().Max(), 220 - kVisible);
    EXPECT_EQ(top->Width(), 188) << "beside the vertical bar";
    box->ScrollBarVert().SetPosition(50);
    EXPECT_EQ(top->Top(), -50);
    EXPECT_EQ(next->Top(), 50);
    next->SetHeight(150);
    EXPECT_EQ(next->Top(), 50) << "a new layout keeps the scrolled place";
    EXPECT_EQ(box->ScrollBarVert().Max(), 250 - kVisible);
}

TEST_F(ScrollBoxTest, ItsBarsMinimiseWhenLeftAndWidenWhenHovered) {
    FillBox();
    LyScrollBoxScrollBar& bar = box->ScrollBarVert();
    const unsigned thumb = test::Rgb(bar.ThumbColor()), background = 0xF3F3F3;
    EXPECT_EQ(test::Rgb(bar.DrawColors().BackGround), background) << "the box's colour";
    EXPECT_EQ(test::AwaitScreenPixel(bar, {4, 30}, background), background);
    EXPECT_EQ(test::ScreenPixel(bar, {7, 30}), thumb);
    test::MouseMoveTo(bar, {6, 100});
    EXPECT_EQ(test::AwaitScreenPixel(bar, {4, 30}, thumb), thumb);
    test::MouseMoveTo(*box, {60, 60});
    SendMessageW(bar.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(bar.Minimised());
    EXPECT_EQ(test::AwaitScreenPixel(bar, {4, 30}, background), background);
}

TEST_F(ScrollBoxTest, AThemeSwitchReachesACheckBoxInsideAPanelInside) {
    // Owned below the form, so only the box and the panel can pass the change on.
    auto* panel = new LyPanel(box);
    panel->SetBounds(0, 0, 150, 100);
    panel->SetParent(box);
    auto* check = new lyra::LyCheckBox(panel);
    check->SetBounds(10, 10, 120, 30);
    check->SetText(L"");
    check->SetParent(panel);
    form->Show();
    test::Pump();
    for (const test::ThemeColours& theme : test::kThemeColours) {
        SCOPED_TRACE(theme.dark ? "dark" : "light");
        UseTheme(theme.dark);
        EXPECT_EQ(test::Rgb(box->Color()), theme.background);
        EXPECT_EQ(test::Rgb(check->Background()), theme.background);
        // Right of the box symbol, clear of the focus line the first control shows.
        EXPECT_EQ(test::PixelRgb(check->BufferBitmap(), 100, 15), theme.background);
        EXPECT_EQ(test::AwaitScreenPixel(*check, {100, 15}, theme.background), theme.background);
        EXPECT_EQ(test::Rgb(box->ScrollBarVert().DrawColors().BackGround), theme.background);
    }
    box->SetBackgroundColor(lyra::LyBackgroundColor::Content);
    EXPECT_EQ(test::Rgb(box->Color()), 0x2B2B2Bu);
}

TEST_F(ScrollBoxTest, DestroyAllKeepsTheBars) {
    FillBox();
    box->DestroyAll();
    EXPECT_EQ(box->ControlCount(), 2);
    EXPECT_EQ(box->Controls(0), &box->ScrollBarVert());
    EXPECT_EQ(box->Controls(1), &box->ScrollBarHorz());
    panels.clear();
}

TEST_F(ScrollBoxTest, NoWheelStepReachesABoxThatIsGone) {
    FillBox();
    Wheel(4);
    ASSERT_TRUE(box->WheelTimer().Enabled());
    delete box;
    box = nullptr;
    panels.clear();
    test::PumpFor(100);
    EXPECT_TRUE(escaped.empty());
}

constexpr wchar_t kDescription[] = LR"(
object Settings: Form
  object Options: LyScrollBox
    Left = 10
    Top = 10
    Width = 200
    Height = 150
    ScrollExtendY = 20
    ScrollSpeed = 40
    BackgroundColor = Content
    ScrollBarVert.SmallChange = 5
    object Group1: LyPanel
      Top = 0
      Height = 100
      Width = 150
      object Shortcut: LyCheckBox
        Left = 10
        Top = 10
      end
    end
    object Group2: LyPanel
      Top = 120
      Height = 100
      Width = 150
    end
  end
end
)";

TEST(ScrollBoxDescription, ReadsTheBoxWithItsChildren) {
    lyra::RegisterFrameworkClasses();
    toolkit::Form form(nullptr);
    toolkit::ReadComponent(form, kDescription, L"test.form", toolkit::HandlerTable{}, {});
    auto* box = form.Find<LyScrollBox>(L"Options");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->ScrollExtendY(), 20);
    EXPECT_EQ(box->ScrollSpeed(), 40);
    EXPECT_EQ(box->BackgroundColor(), lyra::LyBackgroundColor::Content);
    EXPECT_EQ(box->ScrollBarVert().SmallChange(), 5);
    auto* group2 = form.Find<LyPanel>(L"Group2");
    ASSERT_NE(group2, nullptr);
    EXPECT_EQ(group2->Parent(), box);
    EXPECT_EQ(form.Find<lyra::LyCheckBox>(L"Shortcut")->Parent(), form.Find<LyPanel>(L"Group1"));
    EXPECT_EQ(box->ScrollBarVert().Max(), 220 + 20 - kVisible);
    EXPECT_TRUE(box->ScrollBarVert().Visible());
    EXPECT_EQ(box->Controls(box->ControlCount() - 1), &box->ScrollBarHorz())
        << "brought to the front";
    EXPECT_EQ(box->Color(), box->DrawColors().BackGroundInterior);
}

} // namespace
