// Timer, Screen and Clipboard: the small services beside the controls.
#include "tests/gui_support/gui_test_support.h"

#include "toolkit/clipboard.h"
#include "toolkit/form.h"
#include "toolkit/screen.h"
#include "toolkit/timer.h"

#include <algorithm>

namespace {

class Services : public test::GuiTest {};

TEST_F(Services, TimerTicksWhileEnabledAndItsErrorsReachTheErrorBox) {
    toolkit::Component owner(nullptr);
    auto* timer = new toolkit::Timer(&owner);
    timer->SetInterval(5);
    int ticks = 0;
    timer->OnTimer = [&](toolkit::Component* sender) {
        EXPECT_EQ(sender, timer);
        if (++ticks == 3) throw toolkit::Error(L"tick failed");
    };
    for (int i = 0; i < 500 && ticks < 3; ++i)
        test::PumpFor(5);
    EXPECT_GE(ticks, 3);
    ASSERT_EQ(escaped.size(), 1u);
    EXPECT_EQ(escaped[0], L"tick failed");
    escaped.clear();

    timer->SetEnabled(false);
    const int stopped = ticks;
    test::PumpFor(50);
    EXPECT_EQ(ticks, stopped);
    timer->SetEnabled(true);
    timer->SetInterval(0); // no interval: no ticks
    test::PumpFor(50);
    EXPECT_EQ(ticks, stopped);
    timer->SetInterval(5);
    delete timer; // a deleted timer's queued ticks find nothing
    test::PumpFor(30);
    EXPECT_EQ(ticks, stopped);
}

TEST_F(Services, ScreenListsFormsMostRecentlyActiveFirst) {
    toolkit::Screen& screen = toolkit::Screen::Instance();
    auto first = std::make_unique<toolkit::Form>(nullptr);
    auto second = std::make_unique<toolkit::Form>(nullptr);
    second->Show();
    first->Show();
    ASSERT_GE(screen.Forms().size(), 2u);
    EXPECT_EQ(screen.Forms()[0], first.get());
    EXPECT_EQ(screen.ActiveForm(), first.get());
    second->Show();
    EXPECT_EQ(screen.Forms()[0], second.get());
    toolkit::Form* gone = second.get();
    second.reset();
    EXPECT_FALSE(screen.Contains(gone));
}

TEST_F(Services, ScreenDescribesMonitorsAndFonts) {
    toolkit::Screen& screen = toolkit::Screen::Instance();
    std::vector<toolkit::MonitorInfo> monitors = screen.Monitors();
    ASSERT_FALSE(monitors.empty());
    EXPECT_EQ(std::count_if(monitors.begin(), monitors.end(),
                            [](const toolkit::MonitorInfo& m) { return m.primary; }),
              1);
    toolkit::MonitorInfo primary = screen.PrimaryMonitor();
    EXPECT_EQ(primary.bounds.right - primary.bounds.left, screen.Width());
    EXPECT_LE(primary.workArea.bottom, primary.bounds.bottom);
    EXPECT_GE(primary.pixelsPerInch, 96);
    EXPECT_EQ(screen.MonitorFromPoint({5, 5}).handle, primary.handle);

    const std::vector<std::wstring>& fonts = screen.Fonts();
    ASSERT_FALSE(fonts.empty());
    EXPECT_TRUE(std::is_sorted(fonts.begin(), fonts.end()));
    EXPECT_EQ(std::adjacent_find(fonts.begin(), fonts.end()), fonts.end());
    EXPECT_EQ(std::count_if(fonts.begin(), fonts.end(),
                            [](const std::wstring& font) { return font[0] == L'@'; }),
              0);
}

TEST_F(Services, ClipboardCarriesUnicodeText) {
    const std::wstring text = L"\U0001F882 Program information\r\nProgram name: Quillpad";
    toolkit::Clipboard::SetText(text);
    EXPECT_TRUE(toolkit::Clipboard::HasText());
    EXPECT_EQ(toolkit::Clipboard::Text(), text);
    toolkit::Clipboard::SetText(L"");
    EXPECT_EQ(toolkit::Clipboard::Text(), L"");
}

} // namespace
