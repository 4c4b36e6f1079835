// The sample window read from its description in the program's resources: it shows,
// lays out exactly, paints what it should, routes clicks and keys, closes with a modal
// result, and leaves nothing behind.
#include "tests/gui_support/gui_test_support.h"
#include "test_controls.h"

#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/rich_edit.h"
#include "toolkit/scroll_box.h"
#include "toolkit/utility_window.h"

#include <sstream>

namespace {

using test::EventLog;
using toolkit::Component;

// A window built from sample.form, with the handlers that description names.
class SampleForm : public toolkit::Form {
  public:
    explicit SampleForm(EventLog& log) : Form(nullptr), log_(log) {
        Handlers().Add(L"SampleCreate", this, &SampleForm::SampleCreate);
        Handlers().Add(L"SampleCloseQuery", this, &SampleForm::SampleCloseQuery);
        Handlers().Add(L"OkClick", this, &SampleForm::OkClick);
        Handlers().Add(L"TickTimer", this, &SampleForm::TickTimer);
        ReadDescription(L"sample.form");
    }
    int ticks = 0;

  private:
    void SampleCreate(Component*) { log_.push_back(L"Create"); }
    void SampleCloseQuery(Component*, bool&) { log_.push_back(L"CloseQuery"); }
    void OkClick(Component*) { log_.push_back(L"OkClick"); }
    void TickTimer(Component*) {
        if (ticks++ == 0) log_.push_back(L"FirstTick");
    }
    EventLog& log_;
};

std::string Bounds(const toolkit::Control* control) {
    RECT r = control->BoundsRect();
    std::ostringstream text;
    text << r.left << "," << r.top << " " << r.right - r.left << "x" << r.bottom - r.top;
    return text.str();
}

// Every pixel of a rectangle of the capture has one colour; reports the first that does not.
::testing::AssertionResult Filled(const toolkit::Bitmap& shot, RECT area, unsigned rgb) {
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (test::PixelRgb(shot, x, y) != rgb)
                return ::testing::AssertionFailure()
                       << "pixel " << x << "," << y << " is " << std::hex
                       << test::PixelRgb(shot, x, y) << " not " << rgb;
    return ::testing::AssertionSuccess();
}

class SampleFormTest : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        test::RegisterTestClasses();
    }
    // The whole client area with every child window, as the screen shows it.
    std::unique_ptr<toolkit::Bitmap> Screenshot(toolkit::Form& form) {
        test::Pump();
        RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        const RECT client = form.ClientRect();
        auto shot = std::make_unique<toolkit::Bitmap>(client.right, client.bottom);
        POINT origin = form.ClientToScreen({0, 0});
        HDC screen = GetDC(nullptr);
        BitBlt(shot->Canvas().Handle(), 0, 0, client.right, client.bottom, screen, origin.x,
               origin.y, SRCCOPY);
        ReleaseDC(nullptr, screen);
        return shot;
    }
};

TEST_F(SampleFormTest, LaysOutExactly) {
    EventLog log;
    SampleForm form(log);
    EXPECT_EQ(log, EventLog{L"Create"});
    form.Show();
    EXPECT_EQ(form.ClientWidth(), 480);
    EXPECT_EQ(form.ClientHeight(), 320);
    EXPECT_EQ(Bounds(form.Find<toolkit::Panel>(L"Header")), "0,0 480x40");
    EXPECT_EQ(Bounds(form.Find<toolkit::Panel>(L"Sidebar")), "8,48 120x264");
    EXPECT_EQ(Bounds(form.Find<toolkit::Panel>(L"Content")), "128,40 352x280");
    EXPECT_EQ(Bounds(form.Find<toolkit::ScrollBox>(L"Options")), "0,0 352x100");
    EXPECT_EQ(Bounds(form.Find<toolkit::RichEdit>(L"Licence")), "0,100 352x180");
    EXPECT_EQ(Bounds(form.Find<test::TestPicture>(L"Logo")), "10,10 100x100");
    EXPECT_EQ(Bounds(form.Find<test::TestButton>(L"Ok")), "10,224 100x30");
    auto* options = form.Find<toolkit::ScrollBox>(L"Options");
    EXPECT_EQ(options->VertScrollBar().Range(), 120);
    EXPECT_EQ(Bounds(form.Find<toolkit::Panel>(L"Shortcuts")),
              "0,60 " + std::to_string(options->ClientWidth()) + "x60");

    // A taller window: the buttons anchored to the bottom go along.
    form.SetClientHeight(400);
    EXPECT_EQ(Bounds(form.Find<toolkit::Panel>(L"Sidebar")), "8,48 120x344");
    EXPECT_EQ(Bounds(form.Find<test::TestButton>(L"Ok")), "10,304 100x30");
    EXPECT_EQ(Bounds(form.Find<toolkit::RichEdit>(L"Licence")), "0,100 352x260");
}

TEST_F(SampleFormTest, PaintsWhatTheDescriptionSays) {
    EventLog log;
    SampleForm form(log);
    form.Show();
    test::MouseMoveTo(form, {470, 310});
    auto shot = Screenshot(form);
    const unsigned accent = 0x0078D7, sidebar = 0xF3F3F3, white = 0xFFFFFF;
    EXPECT_TRUE(Filled(*shot, {0, 0, 100, 40}, accent)); // left of the header's caption
    EXPECT_TRUE(Filled(*shot, {400, 0, 480, 40}, accent));
    EXPECT_TRUE(Filled(*shot, {0, 40, 8, 320}, white)); // the sidebar's margins show the form
    EXPECT_TRUE(Filled(*shot, {8, 40, 128, 48}, white));
    EXPECT_TRUE(Filled(*shot, {8, 160, 128, 230}, sidebar));
    // The picture, stretched from 8 x 8 to 100 x 100 at (18, 58): red, green, blue and a
    // half-transparent white quadrant over the sidebar.
    EXPECT_TRUE(Filled(*shot, {20, 60, 60, 100}, 0xFF0000));
    EXPECT_TRUE(Filled(*shot, {80, 60, 115, 100}, 0x00FF00));
    EXPECT_TRUE(Filled(*shot, {20, 120, 60, 155}, 0x0000FF));
    const unsigned blended = test::PixelRgb(*shot, 100, 140);
    EXPECT_NEAR(int(blended & 0xFF), (255 * 128 + 0xF3 * 127) / 255, 2);
    // The scroll box's two groups, the first whole, the second cut by the box's edge.
    EXPECT_TRUE(Filled(*shot, {128, 40, 400, 100}, 0xE0E0E0));
    EXPECT_TRUE(Filled(*shot, {128, 100, 400, 140}, 0xC0C0C0));
    EXPECT_TRUE(Filled(*shot, {128, 300, 400, 320}, white)); // below the licence text
}

TEST_F(SampleFormTest, RoutesClicksAndKeysAndClosesWithItsModalResult) {
    EventLog log;
    auto* form = new SampleForm(log);
    auto* ok = form->Find<test::TestButton>(L"Ok");
    auto* cancel = form->Find<test::TestButton>(L"Cancel");
    ok->Log = cancel->Log = &log;
    toolkit::ModalResultKind result = toolkit::ModalResultKind::None;
    toolkit::UtilityWindow::Instance().Post([&] {
        // The first control in tab order has the focus; Tab goes on to OK.
        EXPECT_TRUE(cancel->Focused());
        test::PressKey(VK_TAB);
        EXPECT_TRUE(ok->Focused());
        // A click on the sidebar's empty part changes nothing; one on OK ends the dialog.
        test::Click(*form->Find<toolkit::Panel>(L"Sidebar"), {60, 150});
        test::PumpFor(50);
        test::Click(*ok, {50, 15});
    });
    result = form->ShowModal();
    EXPECT_EQ(result, toolkit::ModalResultKind::Ok);
    // The timer ticked meanwhile; when exactly depends on the clock, so it is left out.
    EXPECT_EQ(std::erase(log, L"FirstTick"), 1u);
    EXPECT_GT(form->ticks, 0);
    EventLog expected{L"Create",   L"Cancel.Enter", L"Cancel.Exit", L"Ok.Enter",
                      L"Ok.Click", L"OkClick",      L"CloseQuery",  L"Ok.Exit"};
    EXPECT_EQ(log, expected);

    // Everything the description made goes with the form.
    const std::size_t before = Component::LiveCount();
    const int owned = form->ComponentCount();
    delete form;
    EXPECT_EQ(Component::LiveCount(), before - std::size_t(owned) - 1);
}

} // namespace
