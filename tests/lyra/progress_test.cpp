// The progress bar: value slides, the indeterminate segment, the kinds' colours, and workers
// that never outlive the control.
#include "buffered_controls.h"
#include "lyra/progress.h"
#include "lyra/theme_manager.h"
#include "tests/gui_support/gui_test_support.h"

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace {

using lyra::LyProgress;
using lyra::LyProgressKind;

int Width(const RECT& rect) {
    return rect.right - rect.left;
}

class Progress : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        progress = new LyProgress(host.get());
        progress->SetBounds(10, 10, 201, 20);
        progress->SetParent(host.get());
        progress->OnPaintBuffer = [this](toolkit::Component*) {
            widths.push_back(Width(progress->FilledRect()));
        };
        host->Show();
    }
    // The colour of the buffer in the middle of the bar's left end.
    unsigned BarPixel() const {
        const RECT bar = progress->FilledRect();
        return test::PixelRgb(progress->BufferBitmap(), bar.left + 3, (bar.top + bar.bottom) / 2);
    }
    std::unique_ptr<test::HostForm> host = std::make_unique<test::HostForm>(toolkit::clWhite);
    LyProgress* progress = nullptr;
    std::vector<int> widths;
};

TEST_F(Progress, ANewValueSlidesThereAndARetargetContinuesFromThePreviousTarget) {
    EXPECT_EQ(progress->Height(), 20);
    EXPECT_FALSE(progress->TabStop());
    widths.clear();
    progress->SetValue(50);
    EXPECT_TRUE(progress->Sliding());
    ASSERT_TRUE(test::PumpUntil([&] { return !progress->Sliding(); }));
    EXPECT_EQ(Width(progress->FilledRect()), 100) << "half of the 200-pixel track";
    // Linear growth in many small steps, never backwards.
    EXPECT_GE(std::set<int>(widths.begin(), widths.end()).size(), 10u);
    EXPECT_TRUE(std::is_sorted(widths.begin(), widths.end()));

    widths.clear();
    progress->SetValue(60);
    test::PumpUntil([&] { return widths.size() >= 5; });
    progress->SetValue(80);
    ASSERT_TRUE(test::PumpUntil([&] { return !progress->Sliding(); }));
    EXPECT_EQ(Width(progress->FilledRect()), 160);
    EXPECT_TRUE(std::is_sorted(widths.begin(), widths.end()));
    EXPECT_GE(widths.front(), 100);

    // The same value again starts nothing and paints nothing.
    widths.clear();
    progress->SetValue(80);
    EXPECT_FALSE(progress->Sliding());
    EXPECT_TRUE(widths.empty());

    // Without animations the bar jumps.
    progress->SetAnimations(false);
    progress->SetValue(25);
    EXPECT_FALSE(progress->Sliding());
    EXPECT_EQ(Width(progress->FilledRect()), 50);
}

TEST_F(Progress, ASlideTakesTwentyFiveEvenStepsThenRests) {
    widths.clear();
    progress->SetValue(50);
    ASSERT_TRUE(test::PumpUntil([&] { return !progress->Sliding(); }));
    // The setter's own paint at the old value, 25 steps of 2 % (4 pixels), the value itself.
    std::vector<int> expected{0};
    for (int step = 0; step < 25; ++step)
        expected.push_back(4 * step);
    expected.push_back(100);
    EXPECT_EQ(widths, expected);
}

TEST_F(Progress, AValueSetAsASlideEndsIsWhereTheBarComesToRest) {
    // The new value arrives during the slide's last repaint, when its loop is already over.
    bool retargeted = false;
    progress->OnPaintBuffer = [&](toolkit::Component*) {
        if (retargeted || !progress->Sliding() || Width(progress->FilledRect()) != 100) return;
        retargeted = true;
        progress->SetValue(80);
    };
    progress->SetValue(50);
    ASSERT_TRUE(test::PumpUntil([&] { return retargeted && !progress->Sliding(); }));
    EXPECT_EQ(Width(progress->FilledRect()), 160);
}

TEST_F(Progress, TheIndeterminateSegmentGrowsOverThreePassesAndStopsWithItsKind) {
    progress->SetAnimations(false);
    progress->SetValue(30);
    widths.clear();
    progress->SetProgressKind(LyProgressKind::Intermediate);
    EXPECT_TRUE(progress->SegmentRunning());
    // No track line: beside the first, short segment the track shows the background.
    ASSERT_TRUE(test::PumpUntil([&] { return !widths.empty(); }));
    const RECT bar = progress->FilledRect(), line = progress->LineRect();
    const int beside = bar.right < line.right - 5 ? line.right - 3 : line.left + 2;
    EXPECT_EQ(test::PixelRgb(progress->BufferBitmap(), beside, (line.top + line.bottom) / 2),
              0xFFFFFFu);
    // A third of the width, 1 / 2.2 of it, all of it, and a third again.
    const std::vector<int> expected{67, 92, 201, 67};
    std::vector<int> lengths;
    ASSERT_TRUE(test::PumpUntil([&] {
        lengths.clear();
        for (int width : widths)
            if (width > 0 && (lengths.empty() || lengths.back() != width)) lengths.push_back(width);
        return lengths.size() >= expected.size();
    }));
    lengths.resize(expected.size());
    EXPECT_EQ(lengths, expected);

    progress->SetProgressKind(LyProgressKind::Normal);
    EXPECT_FALSE(progress->SegmentRunning());
    EXPECT_EQ(Width(progress->FilledRect()), 60);
    const std::size_t painted = widths.size();
    test::PumpFor(100);
    EXPECT_EQ(widths.size(), painted) << "nothing moves any more";
}

TEST_F(Progress, TheKindsColourTheBarAndDisablingKeepsIt) {
    lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::ForceLight);
    progress->SetAnimations(false);
    progress->SetValue(50);
    const unsigned accent = test::Rgb(lyra::ThemeManager().SystemColor.Accent);
    EXPECT_TRUE(test::NearRgb(BarPixel(), accent, 2)) << std::hex << BarPixel();
    // The track behind the bar's end, in the light theme's dark line colour.
    const RECT line = progress->LineRect();
    EXPECT_TRUE(test::NearRgb(
        test::PixelRgb(progress->BufferBitmap(), line.right - 20, (line.top + line.bottom) / 2),
        0x2B2B2B, 2));

    const struct {
        LyProgressKind kind;
        unsigned colour;
    } kinds[] = {{LyProgressKind::Paused, 0x9D5D00}, {LyProgressKind::Error, 0xC42B1C}};
    for (const auto& [kind, colour] : kinds) {
        progress->SetProgressKind(kind);
        EXPECT_TRUE(test::NearRgb(BarPixel(), colour, 2)) << std::hex << BarPixel();
    }
    progress->SetProgressKind(LyProgressKind::Normal);
    progress->SetEnabled(false);
    EXPECT_TRUE(test::NearRgb(BarPixel(), accent, 2)) << std::hex << BarPixel();
    lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::Auto);
    lyra::ThemeManager().UpdateThemeInformation();
}

TEST_F(Progress, AControlDeletedMidAnimationTakesItsWorkersWithIt) {
    progress->SetValue(90);
    auto* spinner = new LyProgress(host.get());
    spinner->SetParent(host.get());
    spinner->SetProgressKind(LyProgressKind::Intermediate);
    test::PumpFor(30);
    ASSERT_TRUE(progress->Sliding());
    delete progress;
    delete spinner;
    test::PumpFor(100);
    EXPECT_TRUE(escaped.empty());
}

} // namespace
