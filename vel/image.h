#pragma once
// A window-less picture control: one picture of any kind the toolkit reads, placed by a draw
// mode, with a constant opacity, mirroring, a uniform inflation of the places, smooth GDI+
// scaling, an optional off-screen copy and control over GIF animation.
#include "toolkit/bitmap.h"
#include "toolkit/graphic_control.h"
#include "toolkit/picture.h"
#include "vel/components.h"
#include "vel/draw_modes.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vel {

// How a GIF picture of an image control animates; applied at the next picture change.
class VImageGif : public TMPersistent {
  public:
    explicit VImageGif(toolkit::Persistent* AOwner);
    bool Enable() const { return FEnable; }
    void SetEnable(bool Value) { FEnable = Value; }
    // Percent of the frame delays the file gives.
    int AnimationSpeed() const { return FSpeed; }
    void SetAnimationSpeed(int Value) { FSpeed = Value; }

  private:
    bool FEnable = false;
    int FSpeed = 100;
};

class VImage : public toolkit::GraphicControl {
  public:
    explicit VImage(toolkit::Component* AOwner);
    ~VImage() override;

    toolkit::Picture& Picture() { return FPicture; }
    void SetPicture(const toolkit::Picture& Value) { FPicture.Assign(Value); }
    TDrawMode DrawMode() const { return FDrawMode; }
    void SetDrawMode(TDrawMode Value);
    VImageGif& GifSettings() { return *FGifSettings; }
    // Takes the settings and applies them to a GIF picture at once.
    void SetGifSettings(const VImageGif& Value);
    std::uint8_t Opacity() const { return FOpacity; }
    void SetOpacity(std::uint8_t Value);
    bool Smooth() const { return FSmoothPicure; }
    void SetSmooth(bool Value);
    bool FlipX() const { return FFlipX; }
    void SetFlipX(bool Value);
    bool FlipY() const { return FFlipY; }
    void SetFlipY(bool Value);
    int InflationValue() const { return FInflationValue; }
    void SetInflationValue(int Value);
    // Stored and repainted with; the picture is not rotated.
    int RotationAngle() const { return FRotationValue; }
    void SetRotationAngle(int Value);
    bool DrawCache() const { return FDrawCache; }
    void SetDrawCache(bool Value);
    bool TransparentGraphic() const { return FTransparentGraphic; }
    void SetTransparentGraphic(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);
    // The control takes the picture's size when it changes (only the sides its alignment
    // leaves free).
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);

    // The canvas of the picture's bitmap, made at the control's size when the picture is
    // empty. Throws toolkit::Error when the picture is not a bitmap.
    toolkit::Canvas& Canvas();
    // The off-screen copy's canvas when there is one, else the control's own.
    toolkit::Canvas& CachedCanvas();
    const toolkit::Bitmap* Cache() const { return FCached.get(); }

    // Where the picture goes in the client area by DrawMode; the whole area when there is no
    // picture to place.
    std::vector<RECT> ComputeDestRects() const;
    // Invalidates and paints at once.
    void InvalidateControl();
    // Grows the control outward on each side (negative values shrink it).
    void Inflate(int up, int right, int down, int lft);

  protected:
    void Paint() override;
    void Resize() override;

  private:
    void HandlePictureChange();
    void ApplyGifSettings();
    void RebuildCache();

    toolkit::Picture FPicture;
    bool FTransparent = true;
    bool FDrawing = false;
    TDrawMode FDrawMode = TDrawMode::CenterFit;
    std::unique_ptr<VImageGif> FGifSettings;
    std::uint8_t FOpacity = 255;
    bool FSmoothPicure = true;
    bool FTransparentGraphic = false;
    int FInflationValue = 0;
    int FRotationValue = 0;
    bool FDrawCache = false;
    std::unique_ptr<toolkit::Bitmap> FCached;
    bool FFlipX = false;
    bool FFlipY = false;
    bool FAutoSize = false;
};

} // namespace vel
