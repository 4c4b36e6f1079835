// The client-drawn title bar: the client area reaches the top edge, the hosted panel paints
// the bar and its caption buttons in the form's colour slots, and the bar drags the window.
#include "tests/gui_support/gui_test_support.h"

#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/title_bar_panel.h"

#include <memory>

namespace {

using toolkit::TColor;

constexpr TColor kBar = 0x202020, kBarInactive = 0x303030, kButton = 0x404040;
constexpr TColor kHover = 0x111111, kPressed = 0x3E3E3E, kGlyph = 0xF3F3F3;

class TitleBarTest : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<toolkit::Form>(nullptr);
        form->SetBorderStyle(toolkit::BorderStyleKind::Single);
        form->SetBorderIcons({toolkit::BorderIcon::SystemMenu});
        form->SetClientWidth(734);
        form->SetClientHeight(461);
        bar = new toolkit::TitleBarPanel(form.get());
        bar->SetBounds(0, 0, 734, 22);
        bar->SetParent(form.get());
        cover = new toolkit::Panel(form.get());
        cover->SetBounds(8, 25, 225, 433);
        cover->SetAlign(toolkit::AlignKind::Left);
        cover->SetAlignWithMargins(true);
        cover->Margins().SetLeft(8);
        cover->SetParent(form.get());

        toolkit::TitleBar& title = form->CustomTitleBar();
        title.SetControl(bar);
        title.SetSystemColors(false);
        title.SetSystemButtons(false);
        title.SetSystemHeight(false);
        title.SetHeight(22);
        title.SetBackgroundColor(kBar);
        title.SetInactiveBackgroundColor(kBarInactive);
        title.SetButtonBackgroundColor(kButton);
        title.SetButtonForegroundColor(kGlyph);
        title.SetButtonHoverBackgroundColor(kHover);
        title.SetButtonPressedBackgroundColor(kPressed);
        title.SetEnabled(true);
    }
    POINT CloseButton() const { return {734 - 5, 11}; }
    std::unique_ptr<toolkit::Form> form;
    toolkit::TitleBarPanel* bar = nullptr;
    toolkit::Panel* cover = nullptr;
};

TEST_F(TitleBarTest, TheClientAreaReachesTheTopAndTheLayoutStartsBelowTheBar) {
    form->Show();
    RECT client{}, window{};
    GetClientRect(form->Handle(), &client);
    GetWindowRect(form->Handle(), &window);
    EXPECT_EQ(client.right, 734);
    EXPECT_EQ(client.bottom, 461);
    EXPECT_EQ(form->ClientToScreen({0, 0}).y, window.top); // no system caption above
    EXPECT_EQ(form->TitleBarHeight(), 22);
    EXPECT_EQ(bar->BoundsRect().right, 734);
    EXPECT_EQ(bar->Height(), 22);
    // The wizard's cover picture: aligned left with margins below the bar.
    EXPECT_EQ(cover->Left(), 8);
    EXPECT_EQ(cover->Top(), 25);
    EXPECT_EQ(cover->Width(), 225);
    EXPECT_EQ(cover->Height(), 433);

    // Switched off, the frame gets its caption back around the same client area.
    form->CustomTitleBar().SetEnabled(false);
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.bottom, 461);
    EXPECT_LT(window.top, form->ClientToScreen({0, 0}).y);
    EXPECT_FALSE(bar->Visible());
    EXPECT_EQ(cover->Top(), 3);
}

TEST_F(TitleBarTest, TheBarDragsTheWindowAndTheButtonsTakeClicks) {
    form->Show();
    POINT onBar = bar->ClientToScreen({100, 10});
    EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(onBar.x, onBar.y)),
              HTCAPTION);
    EXPECT_EQ(SendMessageW(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(onBar.x, onBar.y)),
              HTTRANSPARENT);
    POINT onClose = bar->ClientToScreen(CloseButton());
    EXPECT_EQ(SendMessageW(bar->Handle(), WM_NCHITTEST, 0, MAKELPARAM(onClose.x, onClose.y)),
              HTCLIENT);
    POINT below = form->ClientToScreen({300, 200});
    EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(below.x, below.y)),
              HTCLIENT);
    ASSERT_EQ(bar->Buttons().size(), 1u); // single border, system menu only: close alone

    bool closed = false;
    form->OnClose = [&](toolkit::Component*, toolkit::CloseAction&) { closed = true; };
    test::Click(*bar, CloseButton());
    test::Pump();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(form->Visible());
}

TEST_F(TitleBarTest, TheBarPaintsTheColourSlots) {
    form->Show();
    test::MouseMoveTo(*bar, {100, 10});
    auto shot = test::Capture(*bar);
    EXPECT_EQ(test::PixelRgb(*shot, 300, 3), test::Rgb(kBar));
    EXPECT_EQ(test::PixelRgb(*shot, 734 - 40, 1), test::Rgb(kButton));
    int glyph = 0;
    for (int x = 734 - 46; x < 734; ++x)
        for (int y = 0; y < 22; ++y)
            glyph += test::PixelRgb(*shot, x, y) == test::Rgb(kGlyph);
    EXPECT_GT(glyph, 10); // the cross

    test::MouseMoveTo(*bar, CloseButton());
    shot = test::Capture(*bar);
    EXPECT_EQ(test::PixelRgb(*shot, 734 - 40, 1), test::Rgb(kHover));
    SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(CloseButton().x, CloseButton().y));
    shot = test::Capture(*bar);
    EXPECT_EQ(test::PixelRgb(*shot, 734 - 40, 1), test::Rgb(kPressed));
    SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(-50, 50)); // let go elsewhere: no close
    test::Pump();
    EXPECT_TRUE(form->Visible());

    toolkit::Form other(nullptr);
    other.Show();
    shot = test::Capture(*bar);
    EXPECT_EQ(test::PixelRgb(*shot, 300, 3), test::Rgb(kBarInactive));
}

} // namespace
