#include "selection_test_support.h"

#include <algorithm>
#include <cstdlib>

namespace test {

void SelectionTest::SetUp() {
    GuiTest::SetUp();
    host->Show();
    Pump();
}

int CountNear(const toolkit::Bitmap& bitmap, const RECT& area, toolkit::TColor color,
              int tolerance) {
    const unsigned wanted = Rgb(color);
    int count = 0;
    for (int y = std::max(0, int(area.top)); y < std::min(bitmap.Height(), int(area.bottom)); ++y)
        for (int x = std::max(0, int(area.left)); x < std::min(bitmap.Width(), int(area.right));
             ++x)
            if (NearRgb(PixelRgb(bitmap, x, y), wanted, tolerance)) ++count;
    return count;
}

int BufferCount(lyra::LySelectionControl& control, const RECT& area, toolkit::TColor color,
                int tolerance) {
    return CountNear(control.BufferBitmap(), area, color, tolerance);
}

int GlyphWidth(lyra::LySelectionControl& control) {
    toolkit::Bitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(control.IconFont());
    return scratch.Canvas().TextWidth(L"\uE003");
}

void LeftDown(toolkit::WinControl& control, POINT client, bool Double) {
    MouseMoveTo(control, client);
    SendMessageW(control.Handle(), Double ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(client.x, client.y));
}

void LeftUp(toolkit::WinControl& control, POINT client) {
    SendMessageW(control.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
}

} // namespace test
