#include "lyra/blur_material.h"

#include "lyra/form.h"
#include "lyra/gdi_shapes.h"
#include "lyra/glass_images.h"
#include "lyra/theme_manager.h"
#include "toolkit/gdi_handles.h"

#include <utility>

namespace lyra {

const toolkit::EnumNames<LyGlassRefreshMode>& LyGlassRefreshModeNames() {
    static const toolkit::EnumNames<LyGlassRefreshMode> names = {
        {L"Automatic", LyGlassRefreshMode::Automatic},
        {L"Manual", LyGlassRefreshMode::Manual},
        {L"Timer", LyGlassRefreshMode::Timer}};
    return names;
}

const toolkit::EnumNames<LyBlurVersion>& LyBlurVersionNames() {
    static const toolkit::EnumNames<LyBlurVersion> names = {
        {L"WallpaperBlurred", LyBlurVersion::WallpaperBlurred},
        {L"Wallpaper", LyBlurVersion::Wallpaper},
        {L"Screenshot", LyBlurVersion::Screenshot},
        {L"None", LyBlurVersion::None}};
    return names;
}

LyBlurMaterial::LyBlurMaterial(toolkit::Component* AOwner)
    : LyBufferGraphicControl(AOwner), FTick(std::make_unique<toolkit::Timer>(nullptr)),
      FCustomColors(std::make_unique<LyColorSets>()), FDrawColors(std::make_unique<LyColorSet>()) {
    FCustomColors->Accent.Store(ThemeManager().AccentColor());
    FCustomColors->LightBackGround.Store(0x00FFFFFF);
    FCustomColors->DarkBackGround.Store(0x00000000);
    FCustomColors->LightForeGround.Store(0x001B1B1A);
    FCustomColors->DarkForeGround.Store(0x00FFFFFF);
    FTick->SetEnabled(false);
    FTick->SetInterval(1);
    FTick->OnTimer = [this](toolkit::Component*) {
        if (!ThemeManager().Designing()) SyncroniseImage();
    };
    UpdateColors();
    SetBounds(Left(), Top(), 150, 200);

    PublishEnum(L"Version", &LyBlurMaterial::Version, &LyBlurMaterial::SetVersion,
                LyBlurVersionNames());
    PublishEnum(L"RefreshMode", &LyBlurMaterial::RefreshMode, &LyBlurMaterial::SetRefreshMode,
                LyGlassRefreshModeNames());
    Publish(L"InvalidateAbove", &LyBlurMaterial::InvalidateAbove,
            &LyBlurMaterial::SetInvalidateAbove);
    Publish(L"EnableTinting", &LyBlurMaterial::EnableTinting, &LyBlurMaterial::SetEnableTinting);
    Publish(L"DarkTintOpacity", &LyBlurMaterial::DarkTintOpacity,
            &LyBlurMaterial::SetDarkTintOpacity);
    Publish(L"WhiteTintOpacity", &LyBlurMaterial::WhiteTintOpacity,
            &LyBlurMaterial::SetWhiteTintOpacity);
    PublishObject(L"CustomColors", *FCustomColors);
}

LyBlurMaterial::~LyBlurMaterial() {
    FTick->SetEnabled(false);
}

void LyBlurMaterial::SetVersion(LyBlurVersion Value) {
    FVersion = Value;
    RepaintFromBuffer();
}

void LyBlurMaterial::SetRefreshMode(LyGlassRefreshMode Value) {
    FRefreshMode = Value;
    if (!ThemeManager().Designing()) FTick->SetEnabled(Value == LyGlassRefreshMode::Timer);
}

void LyBlurMaterial::SetEnableTinting(bool Value) {
    FEnableTinting = Value;
    RepaintFromBuffer();
}

void LyBlurMaterial::SetDarkTintOpacity(int Value) {
    FDarkTintOpacity = Value;
    RepaintFromBuffer();
}

void LyBlurMaterial::SetWhiteTintOpacity(int Value) {
    FWhiteTintOpacity = Value;
    RepaintFromBuffer();
}

void LyBlurMaterial::SetCustomColors(const LyColorSets& Value) {
    FCustomColors->Assign(Value);
    UpdateTheme(false);
}

void LyBlurMaterial::UpdateColors() {
    const LyThemeManager& manager = ThemeManager();
    if (FCustomColors->Enabled()) {
        FDrawColors->LoadFrom(*FCustomColors, manager.DarkTheme());
        return;
    }
    FDrawColors->Accent = manager.AccentColor();
    FDrawColors->BackGround = manager.DarkTheme() ? 0x00000000 : 0x00FFFFFF;
}

void LyBlurMaterial::UpdateTheme(bool) {
    UpdateColors();
    if (!Loading()) RebuildImage();
}

toolkit::Bitmap* LyBlurMaterial::SourceImage() const {
    const LyGlassImages& images = GlassImages();
    toolkit::Bitmap* image = nullptr;
    switch (FVersion) {
    case LyBlurVersion::WallpaperBlurred:
        image = images.BlurredWallpaper.get();
        break;
    case LyBlurVersion::Wallpaper:
        image = images.Wallpaper.get();
        break;
    case LyBlurVersion::Screenshot:
        image = images.Screenshot.get();
        break;
    case LyBlurVersion::None:
        break;
    }
    return image && !image->Empty() ? image : nullptr;
}

void LyBlurMaterial::RebuildImage() {
    switch (FVersion) {
    case LyBlurVersion::WallpaperBlurred:
    case LyBlurVersion::Wallpaper:
        GlassImages().CaptureWallpaper();
        break;
    case LyBlurVersion::Screenshot:
        GlassImages().CaptureScreenshot();
        break;
    case LyBlurVersion::None:
        break;
    }
}

bool LyBlurMaterial::ImageStale() const {
    switch (FVersion) {
    case LyBlurVersion::WallpaperBlurred:
    case LyBlurVersion::Wallpaper:
        return GlassImages().WallpaperStale();
    case LyBlurVersion::Screenshot:
        return GlassImages().ScreenshotStale();
    case LyBlurVersion::None:
        break;
    }
    return false;
}

void LyBlurMaterial::SyncroniseImage() {
    ReDraw();
    if (ImageStale()) {
        RebuildImage();
        // The new picture shows at once.
        ReDraw();
    }
    if (FInvalidateAbove) Invalidate();
}

void LyBlurMaterial::Inflate(int up, int right, int down, int lft) {
    SetBounds(Left() - lft, Top() - up, Width() + lft + right, Height() + up + down);
}

LRESULT LyBlurMaterial::Perform(UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = LyBufferGraphicControl::Perform(message, wParam, lParam);
    // A resize moves anchored and aligned controls on the screen just as a move does.
    if ((message == WM_LY_FORM_MOVED || message == WM_LY_FORM_RESIZED) &&
        FRefreshMode == LyGlassRefreshMode::Automatic)
        SyncroniseImage();
    return result;
}

void LyBlurMaterial::VisibleChanged() {
    LyBufferGraphicControl::VisibleChanged();
    if (Visible() && Parent()) SyncroniseImage();
}

void LyBlurMaterial::PaintBuffer() {
    toolkit::Canvas& buffer = Buffer();
    const RECT client{0, 0, Width(), Height()};
    toolkit::Bitmap* source = SourceImage();
    const LyGlassImages& images = GlassImages();
    if (!source && !ThemeManager().Designing())
        FTick->SetEnabled(FRefreshMode == LyGlassRefreshMode::Timer);

    struct DrawingScope {
        bool& drawing;
        explicit DrawingScope(bool& flag) : drawing(flag) { drawing = true; }
        ~DrawingScope() { drawing = false; }
    } drawing(FDrawing);

    if (images.Capturing || !source) {
        // Flat menus draw their entries on the plain background too, so they hear of it.
        buffer.Brush().SetStyle(toolkit::BrushStyle::Solid);
        buffer.Brush().SetColor(FDrawColors->BackGround);
        buffer.FillRect(client);
        LyBufferGraphicControl::PaintBuffer();
        return;
    }
    // The captured picture is addressed from the virtual desktop's top-left corner.
    POINT origin = ClientToScreen({0, 0});
    origin.x -= GetSystemMetrics(SM_XVIRTUALSCREEN);
    origin.y -= GetSystemMetrics(SM_YVIRTUALSCREEN);
    // The piece has the control's size, so a plain copy is what a filtered draw would give.
    BitBlt(buffer.Handle(), 0, 0, client.right, client.bottom, source->Canvas().Handle(), origin.x,
           origin.y, SRCCOPY);
    if (FEnableTinting) {
        RECT wash = buffer.ClipRect();
        InflateRect(&wash, 1, 1);
        const int opacity = ThemeManager().DarkTheme() ? FDarkTintOpacity : FWhiteTintOpacity;
        GDIFillRect(buffer, wash, FDrawColors->BackGround, BYTE(opacity & 0xFF));
    }
    FDrawing = false;
    LyBufferGraphicControl::PaintBuffer();
}

} // namespace lyra
