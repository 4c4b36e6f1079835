#pragma once
// Frosted glass: a window-less control whose background is the piece of a captured desktop
// picture that lies behind it on the screen (the wallpaper, blurred or not, or a blurred
// screenshot), with a translucent wash of the theme's background on top. The pictures are
// the process's shared ones (glass_images.h).
#include "lyra/buffer_graphic_control.h"
#include "lyra/color_sets.h"
#include "lyra/control_interface.h"
#include "toolkit/timer.h"

#include <memory>

namespace lyra {

// When the material takes a new piece of the picture: when its form moves, only when asked,
// or every millisecond.
enum class LyGlassRefreshMode { Automatic, Manual, Timer };
const toolkit::EnumNames<LyGlassRefreshMode>& LyGlassRefreshModeNames();
// The picture behind the material; None shows the plain background colour.
enum class LyBlurVersion { WallpaperBlurred, Wallpaper, Screenshot, None };
const toolkit::EnumNames<LyBlurVersion>& LyBlurVersionNames();

class LyBlurMaterial : public LyBufferGraphicControl, public LyControl {
  public:
    explicit LyBlurMaterial(toolkit::Component* AOwner);
    ~LyBlurMaterial() override;

    LyBlurVersion Version() const { return FVersion; }
    void SetVersion(LyBlurVersion Value);
    LyGlassRefreshMode RefreshMode() const { return FRefreshMode; }
    void SetRefreshMode(LyGlassRefreshMode Value);
    bool InvalidateAbove() const { return FInvalidateAbove; }
    void SetInvalidateAbove(bool Value) { FInvalidateAbove = Value; }
    bool EnableTinting() const { return FEnableTinting; }
    void SetEnableTinting(bool Value);
    // Only the low 8 bits count: 0 shows the picture untouched, 255 hides it.
    int DarkTintOpacity() const { return FDarkTintOpacity; }
    void SetDarkTintOpacity(int Value);
    int WhiteTintOpacity() const { return FWhiteTintOpacity; }
    void SetWhiteTintOpacity(int Value);
    LyColorSets& CustomColors() { return *FCustomColors; }
    void SetCustomColors(const LyColorSets& Value);
    const LyColorSet& DrawColors() const { return *FDrawColors; }
    toolkit::Timer& Tick() { return *FTick; }

    // Repaints, then captures the picture again when it is stale.
    void SyncroniseImage();
    // Captures the picture of Version now.
    void RebuildImage();
    // Repaints from the picture there is.
    void ReDraw() { Invalidate(); }
    void FormMoveSync() { SyncroniseImage(); }
    // Grows the control outward by the given amounts.
    void Inflate(int up, int right, int down, int lft);

    bool IsContainer() const override { return false; }
    void UpdateTheme(bool UpdateChildren) override;
    TColor Background() const override { return FDrawColors->BackGround; }
    // Its form's move and resize broadcasts.
    LRESULT Perform(UINT message, WPARAM wParam, LPARAM lParam) override;

  protected:
    void PaintBuffer() override;
    void VisibleChanged() override;
    // The user of the material repaints it when the mouse state matters.
    void InteractionStateChanged(LyControlState) override {}

  private:
    void UpdateColors();
    // The shared picture this material shows, or null when there is none (yet).
    toolkit::Bitmap* SourceImage() const;
    bool ImageStale() const;
    // The new value shows from the next buffer repaint.
    void RepaintFromBuffer() { Repaint(); }

    LyGlassRefreshMode FRefreshMode = LyGlassRefreshMode::Automatic;
    std::unique_ptr<toolkit::Timer> FTick;
    bool FDrawing = false;
    bool FInvalidateAbove = false;
    LyBlurVersion FVersion = LyBlurVersion::WallpaperBlurred;
    int FDarkTintOpacity = 75;
    int FWhiteTintOpacity = 200;
    std::unique_ptr<LyColorSets> FCustomColors;
    std::unique_ptr<LyColorSet> FDrawColors;
    bool FEnableTinting = true;
};

} // namespace lyra
