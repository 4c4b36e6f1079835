#pragma once
// The desktop pictures behind every frosted-glass control of the process: the wallpaper
// (plain and blurred) and a blurred screenshot. Captures are costly, so all controls share
// them and they are refreshed only when stale. UI thread only.
#include "toolkit/bitmap.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace lyra {

class LyGlassImages {
  public:
    using Clock = std::chrono::system_clock;

    std::unique_ptr<toolkit::Bitmap> BlurredWallpaper;
    std::unique_ptr<toolkit::Bitmap> Wallpaper;
    std::unique_ptr<toolkit::Bitmap> Screenshot;
    // True while a capture runs, so a paint meanwhile does not read a half-made picture.
    bool Capturing = false;
    // The wallpaper file's fingerprint at the last wallpaper capture; none before the first.
    std::optional<std::int32_t> WallpaperPrint;
    std::optional<Clock::time_point> LastCapture;
    // How many captures of each kind ran, for whoever wants to know whether one did.
    int WallpaperCaptures = 0;
    int ScreenshotCaptures = 0;
    // What "now" is; a test may set its own clock.
    std::function<Clock::time_point()> Now = [] { return Clock::now(); };

    // Captures the "Program Manager" window (the desktop with its wallpaper) and blurs a copy.
    void CaptureWallpaper();
    // Captures the whole virtual desktop and blurs it.
    void CaptureScreenshot();
    // No screenshot yet, or at least two whole seconds since the last capture.
    bool ScreenshotStale() const;
    bool WallpaperStale() const { return WallpaperPrint != WallpaperFingerprint(); }

    // Where Windows keeps the transcoded desktop picture.
    static std::wstring WallpaperFilePath();
    // The size of that file cut to 32 bits, -1 when it is missing: a change means a new
    // wallpaper.
    static std::int32_t WallpaperFingerprint();
};

// The process's one set of pictures.
LyGlassImages& GlassImages();

} // namespace lyra
