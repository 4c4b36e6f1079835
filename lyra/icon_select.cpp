#include "lyra/icon_select.h"

#include "lyra/draw_modes.h"
#include "lyra/text_layout.h"
#include "lyra/theme_manager.h"
#include "toolkit/control.h"
#include "toolkit/error.h"

namespace lyra {

LyIconSelect::LyIconSelect(toolkit::Persistent* AOwner) : TMPersistent(AOwner) {
    Publish(L"Enabled", &LyIconSelect::Enabled, &LyIconSelect::SetEnabled);
    PublishEnum(L"IconType", &LyIconSelect::IconType, &LyIconSelect::SetIconType,
                LyIconTypeNames());
    AddProperty(std::make_unique<toolkit::PictureProperty>(
        L"SelectPicture", [this] { return FPicture.get(); },
        [this](const toolkit::Picture& value) { SetSelectPicture(value); }));
    // A bitmap is named in a description like a picture; Assign copies it between selections.
    AddProperty(std::make_unique<toolkit::PictureProperty>(
        L"SelectBitmap", [] { return nullptr; },
        [this](const toolkit::Picture& value) {
            toolkit::Bitmap bitmap;
            if (value.Graphic()) value.Graphic()->AssignTo(bitmap);
            SetSelectBitmap(bitmap);
        }));
    Publish(L"SelectSegoe", &LyIconSelect::SelectSegoe, &LyIconSelect::SetSelectSegoe);
    Publish(L"SelectImageIndex", &LyIconSelect::SelectImageIndex,
            &LyIconSelect::SetSelectImageIndex);
}

LyIconSelect::~LyIconSelect() = default;

void LyIconSelect::SetSelectPicture(const toolkit::Picture& Value) {
    if (!FPicture) FPicture = std::make_unique<toolkit::Picture>();
    FPicture->Assign(Value);
    Changed(LyIconType::Image);
}

void LyIconSelect::SetSelectBitmap(const toolkit::Bitmap& Value) {
    if (!FBitMap) FBitMap = std::make_unique<toolkit::Bitmap>();
    if (&Value != FBitMap.get()) Value.AssignTo(*FBitMap);
    Changed(LyIconType::BitMap);
}

void LyIconSelect::SetSelectSegoe(const std::wstring& Value) {
    FSegoeText = Value;
    Changed(LyIconType::SegoeIcon);
}

void LyIconSelect::SetSelectImageIndex(int Value) {
    FImageIndex = Value;
    Changed(LyIconType::ImageList);
}

void LyIconSelect::Assign(const toolkit::Persistent& Source) {
    auto* other = dynamic_cast<const LyIconSelect*>(&Source);
    if (!other) throw toolkit::Error(L"An icon selection can only be assigned from another one");
    if (other == this) return;
    FEnabled = other->FEnabled;
    FType = other->FType;
    if (other->FPicture)
        SetSelectPicture(*other->FPicture);
    else
        FPicture.reset();
    if (other->FBitMap)
        SetSelectBitmap(*other->FBitMap);
    else
        FBitMap.reset();
    SetSelectSegoe(other->FSegoeText);
    SetSelectImageIndex(other->FImageIndex);
}

void LyIconSelect::Changed(LyIconType ChangedType) const {
    if (ChangedType != FType) return;
    if (auto* control = dynamic_cast<toolkit::Control*>(Owner())) control->Invalidate();
}

void LyIconSelect::DrawIcon(toolkit::Canvas& Canvas, const RECT& ARectangle) const {
    switch (FType) {
    case LyIconType::Image:
        if (FPicture)
            DrawImageInRect(Canvas, ARectangle, FPicture->Graphic(), LyDrawMode::CenterFit);
        break;
    case LyIconType::BitMap:
        if (FBitMap) DrawImageInRect(Canvas, ARectangle, FBitMap.get(), LyDrawMode::CenterFit);
        break;
    case LyIconType::ImageList:
        break;
    case LyIconType::SegoeIcon:
        DrawGlyphs(Canvas, ARectangle);
        break;
    }
}

void LyIconSelect::DrawGlyphs(toolkit::Canvas& Canvas, const RECT& ARectangle) const {
    if (FSegoeText.empty()) return;
    toolkit::Font saved;
    saved.Assign(Canvas.Font());
    Canvas.Font().SetName(ThemeManager().IconFont());
    FitFontHeight(Canvas, FSegoeText.substr(0, 1), ARectangle.right - ARectangle.left,
                  ARectangle.bottom - ARectangle.top);
    for (wchar_t glyph : FSegoeText) {
        RECT place = ARectangle;
        Canvas.TextRect(place, std::wstring(1, glyph), DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    Canvas.Font().Assign(saved);
}

void LyIconSelect::FreeUnusedAssets() {
    if (FType != LyIconType::Image && FPicture && !FPicture->Empty()) FPicture.reset();
    if (FType != LyIconType::BitMap && FBitMap && !FBitMap->Empty()) FBitMap.reset();
}

} // namespace lyra
