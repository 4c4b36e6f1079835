#pragma once
// Shared by the toolkit's tests: a fixture that turns escaping exceptions into test failures
// (nobody can click an error box under Xvfb), message pumping, pixel capture and input.
#include "toolkit/application.h"
#include "toolkit/bitmap.h"
#include "toolkit/win_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace test {

class GuiTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    // Exceptions that reached the application's error handling during the test.
    std::vector<std::wstring> escaped;
};

// Handles every waiting message, a few rounds so messages posted by handlers run too.
void Pump();
// Pumps messages for a while (for timers and slides); never used for assertions on time.
void PumpFor(int milliseconds);
// Pumps until the condition holds or a few seconds passed (a busy machine delivers input and
// animation steps late); the result says whether it holds.
bool PumpUntil(const std::function<bool()>& condition);

// The window's client area as it is painted now, captured with PrintWindow.
std::unique_ptr<toolkit::Bitmap> Capture(toolkit::WinControl& control);
// The colour of a captured pixel, as 0x00RRGGBB for readable test failures.
unsigned PixelRgb(const toolkit::Bitmap& bitmap, int x, int y);
unsigned Rgb(toolkit::TColor color);
// The colour on the screen at a client point of the control, as 0x00RRGGBB, after pumping.
unsigned ScreenPixel(const toolkit::Control& control, POINT client);
// Whether two 0x00RRGGBB colours differ by at most tolerance in each channel.
bool NearRgb(unsigned a, unsigned b, int tolerance);
// The screen pixel once it shows the expected colour (within tolerance), or, when it does not
// come within a few seconds, what it shows then: a busy system draws late.
unsigned AwaitScreenPixel(const toolkit::Control& control, POINT client, unsigned expected,
                          int tolerance = 0);

// Puts the real cursor on a client point of the control's window and sends the move there.
void MouseMoveTo(toolkit::WinControl& control, POINT client);
// A full left click (down and up) at a client point.
void Click(toolkit::WinControl& control, POINT client);
// Posts a key press to the focused window and lets the message loop see it as a user's.
void PressKey(WORD key, bool shift = false);

} // namespace test
