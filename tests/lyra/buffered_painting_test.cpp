// The buffered control bases on real windows: what reaches the screen is the buffer drawn at
// invalidation, blended over the background composed from the siblings beneath.
#include "buffered_controls.h"
#include "rect_compare.h"
#include "tests/gui_support/gui_test_support.h"

#include <memory>

namespace {

using test::HostForm;
using test::NearRgb;
using test::Swatch;
using toolkit::clBlue;
using toolkit::clLime;
using toolkit::clRed;
using toolkit::clWhite;
using toolkit::clYellow;

class BufferedPainting : public test::GuiTest {
  protected:
    std::unique_ptr<HostForm> host = std::make_unique<HostForm>(clRed);
};

TEST_F(BufferedPainting, OpacityBlendsTheBufferOverTheComposedBackground) {
    auto* swatch = new Swatch(*host, {20, 20, 120, 80}, clBlue);
    EXPECT_EQ(swatch->Color(), clRed) << "takes the framework parent's background";
    host->Show();
    EXPECT_EQ(test::AwaitScreenPixel(*swatch, {50, 30}, 0x0000FFu), 0x0000FFu);

    swatch->SetOpacity(128);
    const unsigned blended = test::AwaitScreenPixel(*swatch, {50, 30}, 0x7F0080, 2);
    EXPECT_TRUE(NearRgb(blended, 0x7F0080, 2)) << std::hex << blended;
    // The buffer itself keeps the control's full colours.
    EXPECT_EQ(test::PixelRgb(swatch->BufferBitmap(), 50, 30), 0x0000FFu);
}

TEST_F(BufferedPainting, ATransparentControlShowsTheOneBeneathAndFollowsItsChanges) {
    auto* lower = new Swatch(*host, {10, 10, 110, 70}, clLime);
    auto* upper = new Swatch(*host, {60, 30, 160, 90}, std::nullopt);
    upper->SetColor(clWhite);
    host->Show();
    EXPECT_EQ(test::AwaitScreenPixel(*upper, {10, 10}, 0x00FF00u), 0x00FF00u)
        << "the overlap shows the lower control";
    EXPECT_EQ(test::AwaitScreenPixel(*upper, {80, 50}, 0xFFFFFFu), 0xFFFFFFu)
        << "elsewhere its own colour";

    const int before = upper->bufferPaints;
    lower->Fill = clYellow;
    lower->Invalidate();
    EXPECT_EQ(test::AwaitScreenPixel(*upper, {10, 10}, 0xFFFF00u), 0xFFFF00u);
    EXPECT_GT(upper->bufferPaints, before);

    // The lower control never sees the upper one, and an opaque upper one keeps its colour.
    EXPECT_EQ(test::PixelRgb(lower->BufferBitmap(), 90, 50), 0xFFFF00u);
    upper->SetTransparent(false);
    EXPECT_EQ(test::AwaitScreenPixel(*upper, {10, 10}, 0xFFFFFFu), 0xFFFFFFu);
}

TEST_F(BufferedPainting, AControlThatDoesNotShowDrawsOnlyOnceItIsShown) {
    auto* swatch = new Swatch(*host, {20, 20, 120, 80}, clBlue);
    swatch->Hide();
    host->Show();
    test::Pump();
    const int before = swatch->bufferPaints;
    for (toolkit::TColor fill : {clYellow, clWhite, clLime}) {
        swatch->Fill = fill;
        swatch->Invalidate();
    }
    EXPECT_EQ(swatch->bufferPaints, before) << "nothing drawn while hidden";
    swatch->Show();
    EXPECT_EQ(test::AwaitScreenPixel(*swatch, {50, 30}, 0x00FF00u), 0x00FF00u);
    EXPECT_EQ(swatch->bufferPaints, before + 1) << "the last state, drawn once";
}

TEST_F(BufferedPainting, AWindowlessControlTracksTheMouseAndRedrawsTheControlsAbove) {
    auto* graphic = new test::GraphicSwatch(*host, {10, 10, 90, 60}, clBlue);
    auto* above = new Swatch(*host, {50, 20, 150, 80}, std::nullopt);
    int entered = 0, left = 0;
    graphic->OnMouseEnter = [&](toolkit::Component*) { ++entered; };
    graphic->OnMouseLeave = [&](toolkit::Component*) { ++left; };
    host->Show();
    EXPECT_EQ(test::AwaitScreenPixel(*host, {20, 20}, 0x0000FFu), 0x0000FFu);
    EXPECT_EQ(test::AwaitScreenPixel(*above, {10, 10}, 0x0000FFu), 0x0000FFu)
        << "composed from the window-less buffer";

    test::MouseMoveTo(*host, {20, 30});
    EXPECT_EQ(graphic->Interaction(), lyra::LyControlState::Hover);
    test::MouseMoveTo(*host, {20, 150});
    EXPECT_EQ(graphic->Interaction(), lyra::LyControlState::None);
    EXPECT_EQ(graphic->PreviousInteraction(), lyra::LyControlState::Hover);
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);

    graphic->Fill = clLime;
    graphic->Invalidate();
    EXPECT_EQ(test::AwaitScreenPixel(*above, {10, 10}, 0x00FF00u), 0x00FF00u);
}

TEST_F(BufferedPainting, StateChangesReachTheHookOncePerChangeUnlessForced) {
    auto* swatch = new Swatch(*host, {10, 10, 60, 40}, clBlue);
    swatch->SetState(lyra::LyControlState::Hover);
    swatch->SetState(lyra::LyControlState::Hover);
    EXPECT_EQ(swatch->stateChanges, 1);
    EXPECT_EQ(swatch->PreviousInteraction(), lyra::LyControlState::None);

    swatch->SetState(lyra::LyControlState::Hover, true, false);
    EXPECT_EQ(swatch->stateChanges, 2);
    EXPECT_EQ(swatch->PreviousInteraction(), lyra::LyControlState::None);

    swatch->SetState(lyra::LyControlState::Press);
    EXPECT_EQ(swatch->PreviousInteraction(), lyra::LyControlState::Hover);

    // Enabling and disabling re-themes a framework control, and so does a new parent.
    const int themeUpdates = swatch->themeUpdates;
    swatch->SetEnabled(false);
    EXPECT_EQ(swatch->themeUpdates, themeUpdates + 1);
    swatch->SetParent(nullptr);
    swatch->SetParent(host.get());
    EXPECT_EQ(swatch->themeUpdates, themeUpdates + 2);
}

TEST_F(BufferedPainting, PaddingPlacesTheChildrenAndScalesWithTheTextFont) {
    auto* swatch = new Swatch(*host, {0, 0, 200, 100}, clBlue);
    swatch->PaddingFill().SetLeft(5);
    swatch->PaddingFill().SetTop(5);
    swatch->PaddingFill().SetRight(9);
    auto* child = new Swatch(*host, {0, 0, 10, 10}, clLime);
    child->SetParent(swatch);
    child->SetAlign(toolkit::AlignKind::Client);
    EXPECT_EQ(child->BoundsRect(), (RECT{5, 5, 191, 100}));

    swatch->TextFont().SetHeight(-14);
    swatch->ChangeScale(3, 2);
    EXPECT_EQ(swatch->TextFont().Height(), -21);
    EXPECT_EQ(swatch->PaddingFill().Left(), 7) << "7.5 truncated";
    EXPECT_EQ(swatch->PaddingFill().Right(), 13);
    EXPECT_EQ(swatch->Width(), 300);
    EXPECT_EQ(child->BoundsRect(), (RECT{7, 7, 287, 150}));
}

} // namespace
