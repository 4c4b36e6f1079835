// Frosted glass: the piece of the desktop picture behind the control, washed with the theme's
// background, following its form; the shared pictures recaptured only when stale.
#include "lyra/blur_material.h"
#include "lyra/files.h"
#include "lyra/form.h"
#include "lyra/glass_images.h"
#include "lyra/panel.h"
#include "lyra/theme_manager.h"
#include "tests/gui_support/gui_test_support.h"
#include "toolkit/canvas.h"

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using lyra::GlassImages;

// The colour of the desktop picture at a screen point.
unsigned PictureRgb(int x, int y) {
    return unsigned(x % 256) << 16 | unsigned(y % 256) << 8 | 0x80;
}

// Stands in for the desktop: a window titled as Windows' desktop window, showing a known
// picture, and the wallpaper file whose size tells the picture apart.
class Desktop : public toolkit::Form {
  public:
    Desktop() : toolkit::Form(nullptr), picture(600, 400, toolkit::PixelFormatKind::Bits24) {
        for (int y = 0; y < picture.Height(); ++y)
            for (int x = 0; x < picture.Width(); ++x)
                picture.Canvas().SetPixel(x, y, RGB(x % 256, y % 256, 0x80));
        SetBorderStyle(toolkit::BorderStyleKind::None);
        SetCaption(L"Program Manager");
        SetBounds(0, 0, picture.Width(), picture.Height());
        Show();
    }
    void Paint() override { Canvas().Draw(0, 0, picture); }
    toolkit::Bitmap picture;
};

void WriteWallpaperFile(std::size_t size) {
    const std::wstring path = lyra::LyGlassImages::WallpaperFilePath();
    CreateDirectoryW(path.substr(0, path.rfind(L'\\')).c_str(), nullptr);
    std::ofstream(std::filesystem::path(path), std::ios::binary | std::ios::trunc)
        << std::string(size, 'w');
}

// 0x00RRGGBB of a colour washed with the background at alpha.
unsigned Washed(unsigned rgb, unsigned background, int alpha) {
    unsigned result = 0;
    for (int shift : {16, 8, 0}) {
        const int c = int(rgb >> shift & 0xFF), b = int(background >> shift & 0xFF);
        result |= unsigned((c * (255 - alpha) + b * alpha) / 255) << shift;
    }
    return result;
}

class BlurMaterialTest : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        WriteWallpaperFile(1000);
        test::Pump();
    }
    void TearDown() override {
        lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::Auto);
        GlassImages().Now = [] { return lyra::LyGlassImages::Clock::now(); };
        GuiTest::TearDown();
    }
    // A borderless framework form away from the picture's corner, in the theme asked for.
    static std::unique_ptr<lyra::LyForm> ThemedForm(bool dark) {
        lyra::ThemeManager().SetDarkThemeMode(dark ? lyra::LyDarkSetting::ForceDark
                                                   : lyra::LyDarkSetting::ForceLight);
        auto form = std::make_unique<lyra::LyForm>(nullptr);
        form->SetBorderStyle(toolkit::BorderStyleKind::None);
        form->SetBounds(700, 100, 200, 150);
        return form;
    }
    Desktop desktop;
};

TEST_F(BlurMaterialTest, ShowsThePieceBehindItAndFollowsItsForm) {
    for (bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        const auto themed = ThemedForm(dark);
        lyra::LyForm& form = *themed;
        // Inside a panel: the form's move news must reach it there too.
        auto* panel = new lyra::LyPanel(&form);
        panel->SetParent(&form);
        panel->SetBounds(20, 10, 150, 120);
        auto* glass = new lyra::LyBlurMaterial(&form);
        glass->SetVersion(lyra::LyBlurVersion::Wallpaper);
        glass->SetParent(panel);
        glass->SetBounds(10, 10, 80, 60);
        form.Show();
        test::Pump();
        glass->RebuildImage();
        const unsigned background = dark ? 0x000000 : 0xFFFFFF;
        const int alpha = dark ? 75 : 200;
        for (POINT place : {POINT{150, 120}, POINT{310, 230}}) {
            SCOPED_TRACE(place.x);
            form.SetBounds(place.x, place.y, form.Width(), form.Height());
            test::Pump();
            const POINT screen = glass->ClientToScreen({5, 7});
            EXPECT_TRUE(test::NearRgb(test::PixelRgb(glass->BufferBitmap(), 5, 7),
                                      Washed(PictureRgb(screen.x, screen.y), background, alpha), 2))
                << std::hex << test::PixelRgb(glass->BufferBitmap(), 5, 7);
        }
        // Without the wash the piece is the picture itself.
        glass->SetEnableTinting(false);
        glass->ReDraw();
        const POINT screen = glass->ClientToScreen({30, 20});
        EXPECT_EQ(test::PixelRgb(glass->BufferBitmap(), 30, 20), PictureRgb(screen.x, screen.y));
    }
}

TEST_F(BlurMaterialTest, RecapturesOnlyStalePictures) {
    auto now = lyra::LyGlassImages::Clock::now();
    GlassImages().Now = [&] { return now; };
    for (bool dark : {false, true}) {
        SCOPED_TRACE(dark ? "dark" : "light");
        const auto themed = ThemedForm(dark);
        lyra::LyForm& form = *themed;
        auto* glass = new lyra::LyBlurMaterial(&form);
        glass->SetVersion(lyra::LyBlurVersion::Screenshot);
        glass->SetParent(&form);
        form.Show();
        test::Pump();
        glass->RebuildImage();
        const int screenshots = GlassImages().ScreenshotCaptures;
        auto moveForm = [&] {
            form.SetLeft(form.Left() + 10);
            test::Pump();
        };
        // Moves within one whole second of the capture only repaint.
        moveForm();
        now += std::chrono::milliseconds(1900);
        moveForm();
        EXPECT_EQ(GlassImages().ScreenshotCaptures, screenshots);
        now += std::chrono::milliseconds(200);
        moveForm();
        EXPECT_EQ(GlassImages().ScreenshotCaptures, screenshots + 1);

        // The wallpaper is captured again only when its file changes.
        glass->SetVersion(lyra::LyBlurVersion::WallpaperBlurred);
        glass->RebuildImage();
        const int wallpapers = GlassImages().WallpaperCaptures;
        now += std::chrono::seconds(10);
        moveForm();
        EXPECT_EQ(GlassImages().WallpaperCaptures, wallpapers);
        WriteWallpaperFile(dark ? 3000 : 2000);
        moveForm();
        EXPECT_EQ(GlassImages().WallpaperCaptures, wallpapers + 1);

        // None shows the plain background and captures nothing.
        glass->SetVersion(lyra::LyBlurVersion::None);
        now += std::chrono::seconds(10);
        WriteWallpaperFile(dark ? 1500 : 1700);
        moveForm();
        EXPECT_EQ(GlassImages().WallpaperCaptures, wallpapers + 1);
        EXPECT_EQ(GlassImages().ScreenshotCaptures, screenshots + 1);
        EXPECT_EQ(test::PixelRgb(glass->BufferBitmap(), 20, 20), dark ? 0x000000u : 0xFFFFFFu);
    }
}

} // namespace
