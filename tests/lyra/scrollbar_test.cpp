// The slim scroll bar on real windows: the value rules, the thumb's geometry, dragging, held
// arrows, keys, the thin-line rest state with its fade, colours, scaling and both orientations.
#include "buffered_controls.h"
#include "lyra/scrollbar.h"
#include "lyra/theme_manager.h"
#include "rect_compare.h"
#include "tests/gui_support/gui_test_support.h"

#include <memory>
#include <set>
#include <tuple>
#include <vector>

namespace {

using lyra::LyOrientation;
using lyra::LyScrollbar;

int Length(const RECT& rect, bool vertical) {
    return vertical ? rect.bottom - rect.top : rect.right - rect.left;
}

class Scrollbar : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::ForceLight);
        bar = new LyScrollbar(host.get());
        // Three pixels of spacing at either end and two 12-pixel buttons leave a 200-pixel track.
        bar->SetBounds(20, 10, 12, 230);
        bar->SetParent(host.get());
        bar->OnChange = [this](toolkit::Component*) { changes.push_back(bar->Position()); };
        host->Show();
        test::Pump();
    }
    void TearDown() override {
        host.reset();
        lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::Auto);
        GuiTest::TearDown();
    }
    void Press(POINT point) {
        test::MouseMoveTo(*bar, point);
        SendMessageW(bar->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
    }
    void Release(POINT point) {
        SendMessageW(bar->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    }
    std::unique_ptr<test::HostForm> host = std::make_unique<test::HostForm>(toolkit::clWhite);
    LyScrollbar* bar = nullptr;
    std::vector<std::int64_t> changes;
};

TEST_F(Scrollbar, StartsUprightAndRestsAsAThinLine) {
    LyScrollbar fresh(nullptr);
    EXPECT_EQ(fresh.Width(), 12);
    EXPECT_EQ(fresh.Height(), 225);
    EXPECT_TRUE(fresh.AutoFocusLine());
    EXPECT_EQ(fresh.Orientation(), LyOrientation::Vertical);
    EXPECT_EQ(fresh.Position(), 0);
    EXPECT_EQ(fresh.Min(), 0);
    EXPECT_EQ(fresh.Max(), 100);
    EXPECT_EQ(fresh.SmallChange(), 1);
    EXPECT_EQ(fresh.PageSize(), 1);
    EXPECT_EQ(fresh.CustomScrollbarSize(), 0);
    EXPECT_TRUE(fresh.EnableButtons());
    EXPECT_TRUE(fresh.Animation());
    EXPECT_TRUE(fresh.AutoMinimise());
    EXPECT_TRUE(fresh.Minimised()) << "no mouse on it: it rests at once, without a fade";
    EXPECT_FALSE(fresh.FadeTimer().Enabled());
    EXPECT_FALSE(fresh.IsContainer());
    EXPECT_FALSE(fresh.CustomColors().Enabled());
}

TEST_F(Scrollbar, PositionStaysInTheRangeAndReportsEachChange) {
    bar->SetPosition(150);
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(changes, (std::vector<std::int64_t>{100}));
    bar->SetPosition(150);
    EXPECT_EQ(changes.size(), 1u) << "already at the end: nothing changed";
    bar->SetPosition(-5);
    EXPECT_EQ(bar->Position(), 0);

    // A new Min above Position and Max raises both.
    bar->SetPosition(10);
    bar->SetMax(40);
    bar->SetMin(50);
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(bar->Max(), 50);
    // A new Max below Position lowers it.
    bar->SetMin(0);
    bar->SetMax(100);
    bar->SetPosition(80);
    bar->SetMax(60);
    EXPECT_EQ(bar->Position(), 60);
    EXPECT_EQ(changes.back(), 60);
    // A Max below Min is an empty range at Min.
    bar->SetMin(20);
    bar->SetMax(10);
    EXPECT_EQ(bar->Position(), 20);
    EXPECT_EQ(bar->GetPercentage(), 0);

    bar->SetSmallChange(0);
    bar->SetSmallChange(-3);
    EXPECT_EQ(bar->SmallChange(), 1);
    bar->SetPageSize(0);
    bar->SetPageSize(-1);
    EXPECT_EQ(bar->PageSize(), 1);
}

TEST_F(Scrollbar, PercentageCountsFromMin) {
    bar->SetMin(100);
    bar->SetMax(300);
    EXPECT_DOUBLE_EQ(bar->GetPercentageCustom(150), 0.25);
    EXPECT_DOUBLE_EQ(bar->GetPercentageCustom(50), 0) << "below Min";
    bar->SetMax(100);
    EXPECT_DOUBLE_EQ(bar->GetPercentageCustom(100), 0) << "an empty range";
}

TEST(ThumbLength, FollowsThePagesShareOfTheRangeWithinTheTrack) {
    const struct {
        int track;
        std::int64_t range;
        int page, custom, expected;
    } cases[] = {{200, 100, 25, 0, 50},   // a quarter of the range on a page
                 {200, 100, 5, 0, 20},    // never shorter than 20
                 {200, 100, 1, 0, 40},    // no page size: a fixed length
                 {200, 50, 80, 0, 200},   // the page is bigger than the range: nothing to scroll
                 {200, 0, 1, 0, 200},     // an empty range
                 {200, 100, 100, 0, 200}, // exactly one page
                 {200, 100, 25, 30, 30},  // a fixed length wins
                 {200, 100, 25, 500, 200}, {12, 100, 1, 0, 12},
                 {12, 100, 5, 0, 12}, // within the track
                 {0, 100, 25, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(lyra::ThumbLength(c.track, c.range, c.page, c.custom), c.expected)
            << c.track << " " << c.range << " " << c.page << " " << c.custom;
}

TEST_F(Scrollbar, TheThumbsLengthAndPlaceFollowPageRangeAndPosition) {
    bar->SetPageSize(25);
    EXPECT_EQ(Length(bar->ThumbRect(), true), 50);
    EXPECT_EQ(bar->ThumbRect().top, 15) << "spacing and half the buttons";
    bar->SetPosition(50);
    EXPECT_EQ(bar->ThumbRect().top, 15 + 75);
    bar->SetPosition(100);
    EXPECT_EQ(bar->ThumbRect().bottom, 215) << "the same gap at the far end";
    // The range, not Max alone, sets the share.
    bar->SetMin(100);
    bar->SetMax(200);
    EXPECT_EQ(Length(bar->ThumbRect(), true), 50);
    bar->SetEnableButtons(false);
    EXPECT_EQ(Length(bar->ThumbRect(), true), 56) << "the buttons' 24 pixels join the track";
    bar->SetCustomScrollbarSize(30);
    EXPECT_EQ(Length(bar->ThumbRect(), true), 30);
    bar->SetCustomScrollbarSize(230);
    EXPECT_EQ(bar->CustomScrollbarSize(), 30) << "not shorter than the bar: ignored";
    EXPECT_EQ(bar->ThumbRect().left, 3);
    EXPECT_EQ(bar->ThumbRect().right, 9);
}

TEST_F(Scrollbar, DraggingTheThumbMovesThePositionWithIt) {
    bar->SetPageSize(25); // a 50-pixel thumb with 150 pixels to travel
    Press({6, 40});       // on the thumb's middle
    EXPECT_TRUE(bar->Dragging());
    EXPECT_EQ(bar->Position(), 0);
    test::MouseMoveTo(*bar, {6, 40 + 75});
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(bar->ThumbRect().top, 90);
    test::MouseMoveTo(*bar, {6, 40 + 30});
    EXPECT_EQ(bar->Position(), 20);
    // Past either end the position stops at the range's ends.
    test::MouseMoveTo(*bar, {6, 400});
    EXPECT_EQ(bar->Position(), 100);
    test::MouseMoveTo(*bar, {6, -50});
    EXPECT_EQ(bar->Position(), 0);
    Release({6, -50});
    EXPECT_FALSE(bar->Dragging());
    const std::size_t dragged = changes.size();
    test::MouseMoveTo(*bar, {6, 150});
    EXPECT_EQ(changes.size(), dragged) << "moves after the release do not drag";
}

TEST_F(Scrollbar, ClickingTheTrackBringsTheThumbThere) {
    bar->SetPageSize(25);
    test::Click(*bar, {6, 190}); // 150 pixels down the track from the thumb's middle at rest
    EXPECT_EQ(bar->Position(), 100);
    EXPECT_EQ(bar->ThumbRect().bottom, 215);
    test::Click(*bar, {6, 115});
    EXPECT_EQ(bar->Position(), 50) << "the thumb's middle at the click";
    EXPECT_EQ(bar->ThumbRect().top, 90);
}

TEST_F(Scrollbar, ARangeThatFitsOnOnePageFillsTheTrackAndDoesNotScroll) {
    for (auto [min, max, page] :
         {std::tuple{0, 0, 1}, std::tuple{0, 50, 80}, std::tuple{7, 7, 25}}) {
        SCOPED_TRACE(testing::Message() << min << ".." << max << " page " << page);
        bar->SetMin(min);
        bar->SetMax(max);
        bar->SetPageSize(page);
        EXPECT_EQ(Length(bar->ThumbRect(), true), 200);
        Press({6, 100});
        test::MouseMoveTo(*bar, {6, 180});
        EXPECT_EQ(bar->Position(), min);
        Release({6, 180});
    }
    EXPECT_TRUE(escaped.empty());
}

TEST_F(Scrollbar, AHeldArrowStepsAtOnceThenAfterTheDelayThenQuicker) {
    bar->SetSmallChange(5);
    std::vector<int> waits; // the repeat interval in force after each step
    bar->OnChange = [&](toolkit::Component*) { waits.push_back(bar->RepeatTimer().Interval()); };
    Press({6, 225}); // the lower button
    EXPECT_EQ(bar->Position(), 5);
    EXPECT_TRUE(bar->RepeatTimer().Enabled());
    ASSERT_TRUE(test::PumpUntil([&] { return waits.size() >= 4; }));
    Release({6, 225});
    EXPECT_EQ(std::vector<int>(waits.begin(), waits.begin() + 4),
              (std::vector<int>{500, 50, 50, 50}));
    EXPECT_FALSE(bar->RepeatTimer().Enabled());
    const std::int64_t released = bar->Position();
    EXPECT_EQ(released, 5 * std::int64_t(waits.size()));
    test::PumpFor(150);
    EXPECT_EQ(bar->Position(), released) << "no step after the release";

    // The upper button steps back, once for a click.
    test::Click(*bar, {6, 5});
    EXPECT_EQ(bar->Position(), released - 5);
}

TEST_F(Scrollbar, PlusAndMinusStepThePosition) {
    bar->SetSmallChange(4);
    bar->SetFocus();
    for (wchar_t key : {L'+', L'+', L'+', L'-', L'x'})
        PostMessageW(bar->Handle(), WM_CHAR, key, 1);
    test::Pump();
    EXPECT_EQ(bar->Position(), 8);
}

TEST_F(Scrollbar, LeftByTheMouseItNarrowsAndFadesAndHoveredItWidens) {
    const lyra::LyCompleteColorSet& colors = bar->DrawColors();
    const unsigned background = 0xFFFFFF, thumb = 0xB0B0B0; // the interior FBFBFB, darkened by 75
    EXPECT_EQ(test::Rgb(colors.BackGround), background) << "the parent's colour";
    EXPECT_EQ(test::Rgb(bar->ThumbColor()), thumb);
    // At rest: a 3-pixel line on the right half of the thumb's column, on the background.
    EXPECT_EQ(bar->PaintedThumbRect().left, 6);
    EXPECT_EQ(test::AwaitScreenPixel(*bar, {7, 30}, thumb), thumb);
    EXPECT_EQ(test::ScreenPixel(*bar, {4, 30}), background);
    EXPECT_EQ(test::ScreenPixel(*bar, {2, 100}), background) << "no track";
    EXPECT_EQ(test::ScreenPixel(*bar, {6, 8}), background) << "no arrows";

    std::set<int> fadeSteps;
    bar->OnPaintBuffer = [&](toolkit::Component*) {
        if (bar->FadeProgress() < 255) fadeSteps.insert(bar->FadeProgress());
    };
    test::MouseMoveTo(*bar, {6, 100});
    EXPECT_FALSE(bar->Minimised());
    EXPECT_TRUE(bar->FadeTimer().Enabled());
    ASSERT_TRUE(test::PumpUntil([&] { return !bar->FadeTimer().Enabled(); }));
    // 15 at a tick from 0: 17 ticks reach 255.
    EXPECT_EQ(fadeSteps.size(), 17u);
    EXPECT_EQ(*fadeSteps.begin(), 0);
    EXPECT_EQ(*fadeSteps.rbegin(), 240);
    EXPECT_EQ(test::Rgb(bar->TrackColor()), 0xFBFBFBu);
    EXPECT_EQ(bar->PaintedThumbRect(), bar->ThumbRect());
    EXPECT_EQ(test::AwaitScreenPixel(*bar, {4, 30}, thumb), thumb) << "the whole thumb";
    EXPECT_EQ(test::ScreenPixel(*bar, {2, 100}), 0xFBFBFBu) << "the track";
    EXPECT_EQ(test::ScreenPixel(*bar, {6, 8}), thumb) << "the upper arrow";

    fadeSteps.clear();
    test::MouseMoveTo(*host, {200, 100});
    SendMessageW(bar->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_TRUE(bar->Minimised());
    ASSERT_TRUE(test::PumpUntil([&] { return !bar->FadeTimer().Enabled(); }));
    EXPECT_EQ(fadeSteps.size(), 17u);
    EXPECT_EQ(test::Rgb(bar->TrackColor()), background);
    EXPECT_EQ(test::AwaitScreenPixel(*bar, {4, 30}, background), background);
    EXPECT_EQ(test::ScreenPixel(*bar, {2, 100}), background);
}

TEST_F(Scrollbar, ADragKeepsItWideUntilTheRelease) {
    bar->SetPageSize(25);
    Press({6, 40});
    test::MouseMoveTo(*host, {200, 150}); // off the bar, still held
    SendMessageW(bar->Handle(), WM_MOUSELEAVE, 0, 0);
    SendMessageW(bar->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(180, 115));
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_FALSE(bar->Minimised());
    Release({180, 115});
    EXPECT_TRUE(bar->Minimised());
}

TEST_F(Scrollbar, WithoutAnimationItNarrowsAtOnce) {
    bar->SetAnimation(false);
    test::MouseMoveTo(*bar, {6, 100});
    EXPECT_FALSE(bar->Minimised());
    EXPECT_FALSE(bar->FadeTimer().Enabled());
    EXPECT_EQ(test::Rgb(bar->TrackColor()), 0xFBFBFBu);
}

TEST_F(Scrollbar, LyingItDownSwapsTheSidesAndTheLayout) {
    bar->SetPageSize(25);
    bar->SetOrientation(LyOrientation::Horizontal);
    EXPECT_EQ(bar->Width(), 230);
    EXPECT_EQ(bar->Height(), 12);
    EXPECT_EQ(bar->ThumbRect(), (RECT{15, 3, 65, 9}));
    EXPECT_EQ(bar->ButtonRect2(), (RECT{218, 0, 230, 12}));
    EXPECT_TRUE(bar->Minimised());
    EXPECT_EQ(bar->PaintedThumbRect(), (RECT{15, 6, 65, 9})) << "the lower half";
    // Dragging and the arrows work along the bar.
    Press({40, 6});
    test::MouseMoveTo(*bar, {40 + 75, 6});
    EXPECT_EQ(bar->Position(), 50);
    Release({40 + 75, 6});
    test::Click(*bar, {225, 6});
    EXPECT_EQ(bar->Position(), 51);
    // The right arrow points right.
    test::MouseMoveTo(*bar, {100, 6});
    const unsigned thumb = test::Rgb(bar->ThumbColor());
    EXPECT_EQ(test::AwaitScreenPixel(*bar, {223, 6}, thumb), thumb) << "the right arrow's middle";
    EXPECT_NE(test::ScreenPixel(*bar, {224, 3}), thumb) << "beside its tip";
    EXPECT_EQ(test::ScreenPixel(*bar, {221, 4}), thumb) << "its broad end";
}

TEST_F(Scrollbar, CustomAndDisabledColours) {
    bar->CustomColors().LightBackGround = 0x00102030;
    bar->CustomColors().LightBackGroundInterior = 0x00203040;
    bar->CustomColors().SetEnabled(true);
    EXPECT_EQ(bar->DrawColors().BackGround, lyra::TColor(0x00102030));
    EXPECT_EQ(bar->TrackColor(), lyra::TColor(0x00102030)) << "at rest";
    EXPECT_EQ(bar->ThumbColor(), lyra::ChangeColorLight(0x00203040, -75))
        << "derived from the custom interior";
    bar->SetEnabled(false);
    EXPECT_EQ(bar->DrawColors().BackGround, lyra::ChangeColorLight(0x00102030, 20));
    EXPECT_EQ(bar->DrawColors().Accent, lyra::ChangeColorLight(0x00102030, 20));
    bar->SetEnabled(true);
    bar->CustomColors().SetEnabled(false);
    EXPECT_EQ(test::Rgb(bar->DrawColors().BackGround), 0xFFFFFFu) << "the parent's again";
}

TEST_F(Scrollbar, ScalingScalesTheFixedThumbLength) {
    bar->SetCustomScrollbarSize(30);
    bar->ChangeScale(3, 2);
    EXPECT_EQ(bar->CustomScrollbarSize(), 45);
    EXPECT_EQ(Length(bar->ThumbRect(), true), 45);
    EXPECT_EQ(bar->Width(), 18);
}

TEST_F(Scrollbar, NoFadeOrRepeatReachesABarThatIsGone) {
    Press({6, 225});
    test::MouseMoveTo(*bar, {6, 100});
    ASSERT_TRUE(bar->RepeatTimer().Enabled());
    delete bar;
    bar = nullptr;
    test::PumpFor(600);
    EXPECT_TRUE(escaped.empty());
}

} // namespace
