// Scaled and translucent bitmap drawing, exclusive-or, timers and screen captures.
#include <gtest/gtest.h>

#include "lyra/bitmap_drawing.h"
#include "lyra/screen_capture.h"
#include "lyra/timer_reset.h"
#include "toolkit/error.h"
#include "toolkit/screen.h"

#include "draw_test_bitmaps.h"

namespace lyra {
namespace {

using test::GreyBitmap;
using test::Level;

TEST(DrawBitmapHighQuality, ScalesWithOpacityAndKeepsOpaque32BitPicturesVisible) {
    // A 32-bit bitmap whose fourth byte is unused (zero) is opaque, not invisible.
    toolkit::Bitmap black(4, 4, toolkit::PixelFormatKind::Bits32);
    GreyBitmap target(20, 20, 255);
    DrawBitmapHighQuality(target.Canvas().Handle(), {2, 2, 18, 18}, black, 255, true, false);
    EXPECT_EQ(Level(target, 10, 10), 0);
    EXPECT_EQ(Level(target, 1, 10), 255);
    EXPECT_EQ(Level(target, 18, 10), 255);

    GreyBitmap grey(3, 3, 0);
    target.Fill(255);
    DrawBitmapHighQuality(target.Canvas().Handle(), {0, 0, 20, 20}, grey, 128, false, true);
    EXPECT_NEAR(Level(target, 10, 10), 127, 2);
    // Mirrored edges keep the border as dark as the middle.
    EXPECT_NEAR(Level(target, 0, 0), 127, 2);
}

TEST(DrawGraphicOpacity, DrawsBitmapsTranslucentlyAndSkipsNothing) {
    GreyBitmap black(2, 2, 0);
    GreyBitmap target(10, 10, 255);
    DrawGraphicOpacity(target.Canvas(), {0, 0, 10, 10}, nullptr, 100);
    EXPECT_EQ(Level(target, 5, 5), 255);
    DrawGraphicOpacity(target.Canvas(), {0, 0, 10, 10}, &black, 51);
    EXPECT_NEAR(Level(target, 5, 5), 204, 1);
    DrawGraphicOpacity(target.Canvas(), {0, 0, 10, 10}, &black, 255);
    EXPECT_EQ(Level(target, 5, 5), 0);
}

TEST(XorDraw, InvertsUnderAWhiteSource) {
    GreyBitmap white(4, 4, 255);
    GreyBitmap target(10, 10, 0x30);
    XorDraw(white, target.Canvas(), {2, 2, 6, 6});
    EXPECT_EQ(Level(target, 2, 2), 0xCF);
    EXPECT_EQ(Level(target, 5, 5), 0xCF);
    EXPECT_EQ(Level(target, 6, 5), 0x30);
    XorDraw(white.Canvas(), target.Canvas(), {2, 2, 6, 6});
    EXPECT_EQ(Level(target, 2, 2), 0x30);
}

TEST(CaptureScreen, TakesTheSizeOfTheChosenArea) {
    toolkit::Bitmap bitmap;
    CaptureScreen(bitmap, PrimaryMonitor);
    const RECT primary = toolkit::Screen::Instance().PrimaryMonitor().bounds;
    EXPECT_EQ(bitmap.Width(), primary.right - primary.left);
    EXPECT_EQ(bitmap.Height(), primary.bottom - primary.top);

    CaptureScreen(bitmap, VirtualDesktop);
    EXPECT_EQ(bitmap.Width(), GetSystemMetrics(SM_CXVIRTUALSCREEN));
    EXPECT_EQ(bitmap.Height(), GetSystemMetrics(SM_CYVIRTUALSCREEN));

    CaptureScreen(bitmap, 0);
    EXPECT_GT(bitmap.Width(), 0);
    EXPECT_THROW(CaptureScreen(bitmap, 64), toolkit::Error);
    EXPECT_THROW(CaptureScreen(bitmap, -3), toolkit::Error);
}

TEST(CaptureWindow, NothingForATitleThatNoWindowHas) {
    EXPECT_EQ(CaptureWindow(L"No window is called this 7f3a"), nullptr);
}

TEST(ResetTimer, LeavesTheTimerRunning) {
    toolkit::Timer timer(nullptr);
    timer.SetEnabled(false);
    ResetTimer(timer);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000);
}

} // namespace
} // namespace lyra
