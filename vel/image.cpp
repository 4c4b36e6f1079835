#include "vel/image.h"

#include "toolkit/error.h"
#include "toolkit/gif_image.h"
#include "toolkit/icon.h"
#include "toolkit/png_image.h"
#include "vel/gdi.h"

#include <cstring>
#include <utility>

namespace vel {

namespace {

const toolkit::EnumNames<TDrawMode>& DrawModeNames() {
    static const toolkit::EnumNames<TDrawMode> names = {{L"Fill", TDrawMode::Fill},
                                                        {L"Fit", TDrawMode::Fit},
                                                        {L"Stretch", TDrawMode::Stretch},
                                                        {L"Center", TDrawMode::Center},
                                                        {L"CenterFill", TDrawMode::CenterFill},
                                                        {L"Center3Fill", TDrawMode::Center3Fill},
                                                        {L"CenterFit", TDrawMode::CenterFit},
                                                        {L"Normal", TDrawMode::Normal},
                                                        {L"Tile", TDrawMode::Tile}};
    return names;
}

// Icons, PNG and GIF pictures say themselves which of their pixels are transparent; only the
// others (bitmaps, JPEG pictures) take the control's TransparentGraphic.
bool KnowsItsTransparency(const toolkit::Graphic& graphic) {
    return dynamic_cast<const toolkit::Icon*>(&graphic) ||
           dynamic_cast<const toolkit::PngImage*>(&graphic) ||
           dynamic_cast<const toolkit::GifImage*>(&graphic);
}

// Fully transparent black, so that the next drawing starts from nothing.
void Erase(toolkit::Bitmap& bitmap) {
    GdiFlush();
    for (int y = 0; y < bitmap.Height(); ++y)
        std::memset(bitmap.ScanLine(y), 0, std::size_t(bitmap.Stride()));
}

} // namespace

VImageGif::VImageGif(toolkit::Persistent* AOwner) : TMPersistent(AOwner) {
    Publish(L"Enable", &VImageGif::Enable, &VImageGif::SetEnable);
    Publish(L"AnimationSpeed", &VImageGif::AnimationSpeed, &VImageGif::SetAnimationSpeed);
}

VImage::VImage(toolkit::Component* AOwner)
    : toolkit::GraphicControl(AOwner), FGifSettings(std::make_unique<VImageGif>(this)) {
    FPicture.OnChange = [this] { HandlePictureChange(); };
    SetBounds(Left(), Top(), 150, 100);
    Publish(L"FlipX", &VImage::FlipX, &VImage::SetFlipX);
    Publish(L"FlipY", &VImage::FlipY, &VImage::SetFlipY);
    Publish(L"DrawCache", &VImage::DrawCache, &VImage::SetDrawCache);
    Publish(L"TransparentGraphic", &VImage::TransparentGraphic, &VImage::SetTransparentGraphic);
    Publish(L"Smooth", &VImage::Smooth, &VImage::SetSmooth);
    Publish<int>(
        L"Opacity", [this] { return int(FOpacity); },
        [this](const int& value) { SetOpacity(std::uint8_t(std::clamp(value, 0, 255))); });
    Publish(L"RotationAngle", &VImage::RotationAngle, &VImage::SetRotationAngle);
    Publish(L"InflationValue", &VImage::InflationValue, &VImage::SetInflationValue);
    PublishObject(L"GifSettings", *FGifSettings);
    PublishEnum(L"DrawMode", &VImage::DrawMode, &VImage::SetDrawMode, DrawModeNames());
    AddProperty(std::make_unique<toolkit::PictureProperty>(L"Picture", FPicture));
    Publish(L"Transparent", &VImage::Transparent, &VImage::SetTransparent);
    Publish(L"AutoSize", &VImage::AutoSize, &VImage::SetAutoSize);
}

VImage::~VImage() {
    FPicture.OnChange = nullptr;
}

void VImage::SetDrawMode(TDrawMode Value) {
    FDrawMode = Value;
    InvalidateControl();
}

void VImage::SetGifSettings(const VImageGif& Value) {
    FGifSettings->Assign(Value);
    ApplyGifSettings();
}

void VImage::SetOpacity(std::uint8_t Value) {
    FOpacity = Value;
    Repaint();
}

void VImage::SetSmooth(bool Value) {
    FSmoothPicure = Value;
    Invalidate();
}

void VImage::SetFlipX(bool Value) {
    FFlipX = Value;
    Invalidate();
}

void VImage::SetFlipY(bool Value) {
    FFlipY = Value;
    Invalidate();
}

void VImage::SetInflationValue(int Value) {
    FInflationValue = Value;
    Repaint();
}

void VImage::SetRotationAngle(int Value) {
    FRotationValue = Value;
    Repaint();
}

void VImage::SetDrawCache(bool Value) {
    if (Value == FDrawCache) return;
    FDrawCache = Value;
    RebuildCache();
}

void VImage::SetTransparentGraphic(bool Value) {
    FTransparentGraphic = Value;
    HandlePictureChange();
}

void VImage::SetTransparent(bool Value) {
    if (Value == FTransparent) return;
    FTransparent = Value;
    HandlePictureChange();
}

void VImage::SetAutoSize(bool Value) {
    FAutoSize = Value;
    HandlePictureChange();
}

toolkit::Canvas& VImage::Canvas() {
    if (FPicture.Empty() && !FPicture.Graphic()) {
        auto bitmap = std::make_unique<toolkit::Bitmap>(Width(), Height());
        FPicture.SetGraphic(std::move(bitmap));
    }
    auto* bitmap = dynamic_cast<toolkit::Bitmap*>(FPicture.Graphic());
    if (!bitmap) throw toolkit::Error(L"Can only modify an image if it contains a bitmap");
    return bitmap->Canvas();
}

toolkit::Canvas& VImage::CachedCanvas() {
    return FCached ? FCached->Canvas() : toolkit::GraphicControl::Canvas();
}

std::vector<RECT> VImage::ComputeDestRects() const {
    const RECT client{0, 0, Width(), Height()};
    std::vector<RECT> rects = GetDrawModeRects(client, FPicture.Graphic(), FDrawMode);
    if (rects.empty()) rects.push_back(client);
    return rects;
}

void VImage::InvalidateControl() {
    Invalidate();
    Update();
}

void VImage::Inflate(int up, int right, int down, int lft) {
    SetBounds(Left() - lft, Top() - up, Width() + lft + right, Height() + up + down);
}

void VImage::Paint() {
    const bool wasDrawing = std::exchange(FDrawing, true);
    struct Restore {
        bool& drawing;
        bool value;
        ~Restore() { drawing = value; }
    } restore{FDrawing, wasDrawing};
    const toolkit::Graphic* graphic = FPicture.Graphic();
    if (!graphic || graphic->Empty()) return;
    std::vector<RECT> rects = ComputeDestRects();
    for (RECT& rect : rects) {
        InflateRect(&rect, FInflationValue, FInflationValue);
        if (FFlipX) std::swap(rect.left, rect.right);
        if (FFlipY) std::swap(rect.top, rect.bottom);
    }
    toolkit::Canvas& canvas = toolkit::GraphicControl::Canvas();
    for (const RECT& rect : rects) {
        if (FGifSettings->Enable())
            DrawGraphicOpacity(canvas, rect, graphic, FOpacity);
        else
            DrawHighQuality(canvas, rect, *graphic, FOpacity, !FSmoothPicure);
    }
    if (FDrawCache && FCached) {
        // Each paint replaces the copy: drawn over the last one, translucent pixels would
        // grow more opaque with every repaint.
        Erase(*FCached);
        for (const RECT& rect : rects)
            DrawHighQuality(FCached->Canvas(), rect, *graphic, FOpacity, !FSmoothPicure);
    }
}

void VImage::Resize() {
    toolkit::GraphicControl::Resize();
    if (FDrawCache) RebuildCache();
}

void VImage::HandlePictureChange() {
    toolkit::Graphic* graphic = FPicture.Graphic();
    if (FAutoSize && FPicture.Width() > 0 && FPicture.Height() > 0) {
        using toolkit::AlignKind;
        const AlignKind align = Align();
        const bool freeWidth =
            align == AlignKind::None || align == AlignKind::Left || align == AlignKind::Right;
        const bool freeHeight =
            align == AlignKind::None || align == AlignKind::Top || align == AlignKind::Bottom;
        SetBounds(Left(), Top(), freeWidth ? FPicture.Width() : Width(),
                  freeHeight ? FPicture.Height() : Height());
    }
    if (graphic) {
        if (!KnowsItsTransparency(*graphic)) graphic->Transparent = FTransparentGraphic;
        const RECT first = ComputeDestRects().front();
        const bool covers =
            first.left <= 0 && first.top <= 0 && first.right >= Width() && first.bottom >= Height();
        SetOpaque(!graphic->Transparent && covers);
    } else {
        SetOpaque(false);
    }
    if (!FDrawing) Invalidate();
    ApplyGifSettings();
}

void VImage::ApplyGifSettings() {
    auto* gif = dynamic_cast<toolkit::GifImage*>(FPicture.Graphic());
    if (!gif) return;
    gif->SetAnimate(FGifSettings->Enable());
    gif->SetAnimationSpeed(FGifSettings->AnimationSpeed());
    gif->SetLoopForever(true);
}

void VImage::RebuildCache() {
    if (!FDrawCache) {
        FCached.reset();
        return;
    }
    if (!FCached) FCached = std::make_unique<toolkit::Bitmap>();
    FCached->SetSize(Width(), Height());
}

} // namespace vel
