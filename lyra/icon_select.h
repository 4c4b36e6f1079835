#pragma once
// The icon a control shows: a picture, a bitmap, an image list entry or one or more glyphs of
// the system's icon font drawn over each other.
#include "lyra/classes.h"
#include "lyra/types.h"
#include "toolkit/bitmap.h"
#include "toolkit/canvas.h"
#include "toolkit/picture.h"

#include <memory>
#include <string>

namespace lyra {

class LyIconSelect : public TMPersistent {
  public:
    explicit LyIconSelect(toolkit::Persistent* AOwner);
    ~LyIconSelect() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    LyIconType IconType() const { return FType; }
    void SetIconType(LyIconType Value) { FType = Value; }
    // The picture and the bitmap are made on first use; null after FreeUnusedAssets released
    // them.
    const toolkit::Picture* SelectPicture() const { return FPicture.get(); }
    void SetSelectPicture(const toolkit::Picture& Value);
    const toolkit::Bitmap* SelectBitmap() const { return FBitMap.get(); }
    void SetSelectBitmap(const toolkit::Bitmap& Value);
    const std::wstring& SelectSegoe() const { return FSegoeText; }
    void SetSelectSegoe(const std::wstring& Value);
    int SelectImageIndex() const { return FImageIndex; }
    void SetSelectImageIndex(int Value);

    // Copies everything from another icon selection; any other source throws toolkit::Error.
    void Assign(const toolkit::Persistent& Source) override;

    // Draws the icon into the rectangle: pictures centred and fitted, glyphs as large as the
    // first one fits, centred, each over the last, in the canvas's brush and font colour.
    void DrawIcon(toolkit::Canvas& Canvas, const RECT& ARectangle) const;
    // Releases the picture or bitmap that the current icon type does not use.
    void FreeUnusedAssets();

  private:
    // Repaints the owner when the icon shown is of the type that changed.
    void Changed(LyIconType ChangedType) const;
    void DrawGlyphs(toolkit::Canvas& Canvas, const RECT& ARectangle) const;

    bool FEnabled = false;
    LyIconType FType = LyIconType::SegoeIcon;
    std::unique_ptr<toolkit::Picture> FPicture;
    std::unique_ptr<toolkit::Bitmap> FBitMap;
    std::wstring FSegoeText{L"\uE734"};
    int FImageIndex = 0;
};

} // namespace lyra
