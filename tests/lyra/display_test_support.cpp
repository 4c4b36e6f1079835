#include "display_test_support.h"

#include "lyra/theme_manager.h"

#include <algorithm>

namespace test {

void DisplayTest::SetUp() {
    GuiTest::SetUp();
    form = std::make_unique<lyra::LyForm>(nullptr);
    form->SetMicaEffect(false);
    form->SetAllowThemeChangeAnimation(false);
    form->SetBounds(80, 80, 480, 360);
}

void DisplayTest::TearDown() {
    form.reset();
    lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::Auto);
    lyra::ThemeManager().UpdateThemeInformation();
    GuiTest::TearDown();
}

void DisplayTest::UseTheme(bool Dark) {
    lyra::ThemeManager().SetDarkThemeMode(Dark ? lyra::LyDarkSetting::ForceDark
                                               : lyra::LyDarkSetting::ForceLight);
}

RECT InkBounds(const toolkit::Bitmap& bitmap, unsigned background) {
    RECT ink{bitmap.Width(), bitmap.Height(), 0, 0};
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (PixelRgb(bitmap, x, y) == background) continue;
            ink = {std::min<LONG>(ink.left, x), std::min<LONG>(ink.top, y),
                   std::max<LONG>(ink.right, x + 1), std::max<LONG>(ink.bottom, y + 1)};
        }
    return ink.right == 0 ? RECT{} : ink;
}

bool HasPixel(const toolkit::Bitmap& bitmap, unsigned rgb) {
    const std::vector<unsigned> pixels = Pixels(bitmap);
    return std::find(pixels.begin(), pixels.end(), rgb) != pixels.end();
}

std::vector<unsigned> Pixels(const toolkit::Bitmap& bitmap) {
    std::vector<unsigned> pixels;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            pixels.push_back(PixelRgb(bitmap, x, y));
    return pixels;
}

} // namespace test
