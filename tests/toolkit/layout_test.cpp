// Alignment with margins, constraints, anchors and z-order, checked as rectangles.
#include "tests/gui_support/gui_test_support.h"
#include "test_controls.h"

#include "toolkit/form.h"
#include "toolkit/panel.h"

#include <memory>
#include <sstream>

namespace {

using toolkit::AlignKind;
using toolkit::Anchor;
using toolkit::Panel;

std::string Show(const RECT& rect) {
    std::ostringstream text;
    text << "(" << rect.left << ", " << rect.top << ", " << rect.right - rect.left << " x "
         << rect.bottom - rect.top << ")";
    return text.str();
}

#define EXPECT_BOUNDS(control, l, t, w, h)                                                         \
    EXPECT_EQ(Show((control)->BoundsRect()), Show(RECT{l, t, (l) + (w), (t) + (h)}))

class Layout : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<toolkit::Form>(nullptr);
        form->SetBorderStyle(toolkit::BorderStyleKind::None);
        form->SetClientWidth(400);
        form->SetClientHeight(300);
    }
    Panel* AddPanel(AlignKind align, int width, int height, toolkit::WinControl* parent = nullptr) {
        auto* panel = new Panel(form.get());
        panel->SetBounds(0, 0, width, height);
        panel->SetAlign(align);
        panel->SetParent(parent ? parent : form.get());
        return panel;
    }
    std::unique_ptr<toolkit::Form> form;
};

TEST_F(Layout, AlignsTopBottomLeftRightAndClientWithMargins) {
    Panel* top = AddPanel(AlignKind::Top, 10, 50);
    Panel* bottom = AddPanel(AlignKind::Bottom, 10, 40);
    Panel* left = AddPanel(AlignKind::Left, 100, 10);
    left->SetAlignWithMargins(true);
    left->Margins().SetAll(8, 3, 0, 3);
    Panel* right = AddPanel(AlignKind::Right, 60, 10);
    Panel* client = AddPanel(AlignKind::Client, 10, 10);
    client->SetAlignWithMargins(true);
    client->Margins().SetAll(5, 5, 5, 5);

    EXPECT_BOUNDS(top, 0, 0, 400, 50);
    EXPECT_BOUNDS(bottom, 0, 260, 400, 40);
    EXPECT_BOUNDS(left, 8, 53, 100, 204);
    EXPECT_BOUNDS(right, 340, 50, 60, 210);
    EXPECT_BOUNDS(client, 113, 55, 222, 200);

    // The layout follows the parent's size, and hidden controls give their space back.
    form->SetClientWidth(500);
    top->Hide();
    EXPECT_BOUNDS(bottom, 0, 260, 500, 40);
    EXPECT_BOUNDS(left, 8, 3, 100, 254);
    EXPECT_BOUNDS(client, 113, 5, 322, 250);
    EXPECT_BOUNDS(right, 440, 0, 60, 260);
}

TEST_F(Layout, ControlsOfOneAlignmentKeepTheOrderOfTheirPositions) {
    // As a description sets them up: positions first, one layout at the end.
    form->DisableAlign();
    Panel* second = AddPanel(AlignKind::Top, 10, 30);
    second->SetTop(100);
    Panel* first = AddPanel(AlignKind::Top, 10, 20);
    first->SetTop(5);
    form->EnableAlign();
    EXPECT_BOUNDS(first, 0, 0, 400, 20);
    EXPECT_BOUNDS(second, 0, 20, 400, 30);
    // Moving one above the other reorders them.
    second->SetTop(0);
    EXPECT_BOUNDS(second, 0, 0, 400, 30);
    EXPECT_BOUNDS(first, 0, 30, 400, 20);
}

TEST_F(Layout, ConstraintsLimitAlignedSizes) {
    // A page sliding in: client-aligned, pushed right by its left margin, kept at full width.
    Panel* container = AddPanel(AlignKind::None, 300, 200);
    container->SetBevelOuter(toolkit::BevelCut::None);
    Panel* page = AddPanel(AlignKind::Client, 10, 10, container);
    page->SetAlignWithMargins(true);
    page->Margins().SetAll(0, 0, 0, 0);
    page->Constraints().SetMinWidth(300);
    page->Margins().SetLeft(300);
    EXPECT_BOUNDS(page, 300, 0, 300, 200);
    page->Margins().SetLeft(120);
    EXPECT_BOUNDS(page, 120, 0, 300, 200);
    page->Margins().SetLeft(0);
    EXPECT_BOUNDS(page, 0, 0, 300, 200);

    Panel* capped = AddPanel(AlignKind::Top, 10, 500);
    capped->Constraints().SetMaxHeight(60);
    EXPECT_EQ(capped->Height(), 60);
}

TEST_F(Layout, AnchorsFollowTheParentsSize) {
    Panel* corner = AddPanel(AlignKind::None, 140, 35);
    corner->SetBounds(250, 250, 140, 35);
    corner->SetAnchors({Anchor::Right, Anchor::Bottom});
    Panel* stretched = AddPanel(AlignKind::None, 380, 20);
    stretched->SetBounds(10, 10, 380, 20);
    stretched->SetAnchors({Anchor::Left, Anchor::Top, Anchor::Right});
    Panel* floating = AddPanel(AlignKind::None, 100, 20);
    floating->SetBounds(150, 100, 100, 20);
    floating->SetAnchors({});

    form->SetClientWidth(600);
    form->SetClientHeight(400);
    EXPECT_BOUNDS(corner, 450, 350, 140, 35);
    EXPECT_BOUNDS(stretched, 10, 10, 580, 20);
    EXPECT_BOUNDS(floating, 250, 137, 100, 20); // the centre keeps its proportion

    // Shrinking below the design and growing back returns to the same places.
    form->SetClientWidth(5);
    EXPECT_EQ(stretched->Width(), 0);
    form->SetClientWidth(400);
    form->SetClientHeight(300);
    EXPECT_BOUNDS(corner, 250, 250, 140, 35);
    EXPECT_BOUNDS(stretched, 10, 10, 380, 20);
}

TEST_F(Layout, ZOrderDecidesWhichChildTakesTheMouse) {
    test::EventLog log;
    auto* lower = new test::LoggingControl(form.get());
    lower->SetName(L"Lower");
    lower->SetParent(form.get());
    auto* upper = new test::LoggingControl(form.get());
    upper->SetName(L"Upper");
    upper->SetParent(form.get());
    EXPECT_EQ(form->ControlAtPos({10, 10}), upper);
    lower->BringToFront();
    EXPECT_EQ(form->ControlAtPos({10, 10}), lower);
    EXPECT_EQ(lower->ZOrder(), 1);
    lower->SendToBack();
    EXPECT_EQ(form->ControlAtPos({10, 10}), upper);
    upper->Hide();
    EXPECT_EQ(form->ControlAtPos({10, 10}), lower);
    EXPECT_EQ(form->ControlAtPos({60, 60}), nullptr);
}

TEST_F(Layout, ParentsHandDownFontAndColourUntilAChildSetsItsOwn) {
    Panel* outer = AddPanel(AlignKind::None, 100, 100);
    Panel* inner = AddPanel(AlignKind::None, 50, 50, outer);
    inner->SetParentColor(true);
    form->Font().SetName(L"DejaVu Sans");
    form->Font().SetHeight(-16);
    outer->SetColor(toolkit::clRed);
    EXPECT_EQ(inner->Font().Height(), -16);
    EXPECT_EQ(inner->Color(), toolkit::clRed);
    inner->Font().SetHeight(-30);
    EXPECT_FALSE(inner->ParentFont());
    form->Font().SetHeight(-10);
    EXPECT_EQ(outer->Font().Height(), -10);
    EXPECT_EQ(inner->Font().Height(), -30);
}

} // namespace
