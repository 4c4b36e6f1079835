#include "lyra/glass_images.h"

#include "lyra/bitmap_blur.h"
#include "lyra/files.h"
#include "lyra/screen_capture.h"

#include <cstdio>

namespace lyra {

namespace {
// Resets the capturing flag however the capture ends.
class CaptureScope {
  public:
    explicit CaptureScope(LyGlassImages& images) : images_(images) { images_.Capturing = true; }
    ~CaptureScope() {
        images_.LastCapture = images_.Now();
        images_.Capturing = false;
    }
    CaptureScope(const CaptureScope&) = delete;
    CaptureScope& operator=(const CaptureScope&) = delete;

  private:
    LyGlassImages& images_;
};

std::unique_ptr<toolkit::Bitmap> CopyOf(const toolkit::Bitmap& bitmap) {
    auto copy = std::make_unique<toolkit::Bitmap>();
    bitmap.AssignTo(*copy);
    return copy;
}
} // namespace

void LyGlassImages::CaptureWallpaper() {
    const CaptureScope scope(*this);
    std::unique_ptr<toolkit::Bitmap> desktop = CaptureWindow(L"Program Manager");
    // Without the desktop window the pictures are empty, and the controls show their
    // background colour.
    if (!desktop) desktop = std::make_unique<toolkit::Bitmap>();
    Wallpaper = CopyOf(*desktop);
    FastBlur(*desktop, 8, 10, false);
    BlurredWallpaper = std::move(desktop);
    WallpaperPrint = WallpaperFingerprint();
    ++WallpaperCaptures;
}

void LyGlassImages::CaptureScreenshot() {
    const CaptureScope scope(*this);
    // The new picture takes the old one's place: a screen-sized bitmap costs more to make
    // than to fill. 24 bits: the blur's own fast path, and all a screen copy needs.
    if (!Screenshot)
        Screenshot = std::make_unique<toolkit::Bitmap>(0, 0, toolkit::PixelFormatKind::Bits24);
    CaptureScreen(*Screenshot, VirtualDesktop);
    FastBlur(*Screenshot, 3, 8, false);
    ++ScreenshotCaptures;
}

bool LyGlassImages::ScreenshotStale() const {
    if (!Screenshot || !LastCapture) return true;
    using std::chrono::seconds;
    return std::chrono::duration_cast<seconds>(Now() - *LastCapture) > seconds(1);
}

std::wstring LyGlassImages::WallpaperFilePath() {
    std::wstring themes = GetUserShellFolder(TUserShellFolder::AppData);
    if (!themes.empty() && themes.back() == L'\\') themes.pop_back();
    themes += L"\\Microsoft\\Windows\\Themes\\";
    if (GetWindowsVersionNumber() <= 6.1f) return themes + L"TranscodedWallpaper.jpg";
    wchar_t numbered[32];
    std::swprintf(numbered, 32, L"Transcoded_%03d", 999);
    const std::wstring path = themes + numbered;
    return FileSizeOf(path) >= 0 ? path : themes + L"TranscodedWallpaper";
}

std::int32_t LyGlassImages::WallpaperFingerprint() {
    return std::int32_t(FileSizeOf(WallpaperFilePath()));
}

LyGlassImages& GlassImages() {
    static LyGlassImages images;
    return images;
}

} // namespace lyra
