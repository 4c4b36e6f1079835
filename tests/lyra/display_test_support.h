#pragma once
// Shared by the display-control tests: a themed form that switches colours at once and gives
// the system's theme back afterwards, and readers for what a control drew into a bitmap.
#include "lyra/form.h"
#include "tests/gui_support/gui_test_support.h"
#include "toolkit/bitmap.h"

#include <windows.h>

#include <memory>
#include <vector>

namespace test {

class DisplayTest : public GuiTest {
  protected:
    void SetUp() override;
    // Back to Auto and the system's theme for the tests that follow.
    void TearDown() override;
    // Forces the light or the dark theme; the form tells its controls.
    static void UseTheme(bool Dark);

    // Opaque (no translucency) and without the cross-fade, so pixels show the theme at once.
    std::unique_ptr<lyra::LyForm> form;
};

// The default background and text colours of each theme (0x00RRGGBB).
struct ThemeColours {
    bool dark;
    unsigned background, foreground;
};
inline constexpr ThemeColours kThemeColours[] = {{false, 0xF3F3F3, 0x1A1B1B},
                                                 {true, 0x202020, 0xFFFFFF}};

// The smallest rectangle holding every pixel that is not the background (0x00RRGGBB);
// empty when there is none.
RECT InkBounds(const toolkit::Bitmap& bitmap, unsigned background);
// Whether some pixel has exactly that colour (0x00RRGGBB).
bool HasPixel(const toolkit::Bitmap& bitmap, unsigned rgb);
// Every pixel, row by row, as 0x00RRGGBB.
std::vector<unsigned> Pixels(const toolkit::Bitmap& bitmap);

} // namespace test
