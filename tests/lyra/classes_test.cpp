// The persistent classes controls publish: padding and the icon selection.
#include "lyra/control_interface.h"
#include "lyra/icon_select.h"
#include "lyra/padding.h"
#include "tests/gui_support/gui_test_support.h"
#include "toolkit/graphic_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using lyra::LyIconSelect;
using lyra::LyIconType;
using lyra::LyPadding;

// A control that counts theme updates and invalidations.
class CountingControl : public toolkit::GraphicControl, public lyra::LyControl {
  public:
    CountingControl() : toolkit::GraphicControl(nullptr) {}
    bool IsContainer() const override { return false; }
    void UpdateTheme(bool) override { ++themeUpdates; }
    lyra::TColor Background() const override { return Color(); }
    void Invalidate() override { ++invalidations; }
    int themeUpdates = 0;
    int invalidations = 0;
};

TEST(Padding, AppliesScalesAndNotifiesOnEverySet) {
    CountingControl owner;
    LyPadding padding(&owner);
    int changes = 0;
    padding.OnChange = [&] { ++changes; };
    padding.SetLeft(3);
    padding.SetTop(4);
    padding.SetRight(5);
    padding.SetBottom(6);
    padding.SetBottom(6);
    EXPECT_EQ(changes, 5) << "an equal value notifies too";
    EXPECT_EQ(owner.themeUpdates, 5);
    const RECT padded = padding.ApplyTo({10, 10, 110, 60});
    EXPECT_EQ(padded.left, 13);
    EXPECT_EQ(padded.top, 14);
    EXPECT_EQ(padded.right, 105);
    EXPECT_EQ(padded.bottom, 54);
    EXPECT_EQ(padding.PadWidth(), 8);
    EXPECT_EQ(padding.PadHeight(), 10);

    padding.ScaleChanged(1.5f);
    EXPECT_EQ(padding.Left(), 4) << "truncated";
    EXPECT_EQ(padding.Bottom(), 9);
    EXPECT_EQ(changes, 5) << "scaling notifies nobody";

    // Read from a window description, the owner updates once it is loaded.
    owner.BeginLoading();
    padding.SetLeft(1);
    EXPECT_EQ(owner.themeUpdates, 5);
    EXPECT_EQ(changes, 6);

    LyPadding copy(nullptr);
    copy.Assign(padding);
    EXPECT_EQ(copy.ApplyTo({0, 0, 100, 100}).right, padding.ApplyTo({0, 0, 100, 100}).right);
}

TEST(IconSelect, ASetterRepaintsTheOwnerOnlyForTheTypeShown) {
    CountingControl owner;
    LyIconSelect icon(&owner);
    EXPECT_EQ(icon.IconType(), LyIconType::SegoeIcon);
    EXPECT_EQ(icon.SelectSegoe(), L"\uE734");
    toolkit::Bitmap bitmap(4, 4);
    toolkit::Picture picture;
    picture.SetGraphic(bitmap.Clone());
    const struct {
        LyIconType type;
        std::function<void()> set;
    } setters[] = {{LyIconType::Image, [&] { icon.SetSelectPicture(picture); }},
                   {LyIconType::BitMap, [&] { icon.SetSelectBitmap(bitmap); }},
                   {LyIconType::ImageList, [&] { icon.SetSelectImageIndex(2); }},
                   {LyIconType::SegoeIcon, [&] { icon.SetSelectSegoe(L"\uE700"); }}};
    for (const auto& shown : setters) {
        icon.SetIconType(shown.type);
        for (const auto& setter : setters) {
            owner.invalidations = 0;
            setter.set();
            EXPECT_EQ(owner.invalidations, setter.type == shown.type ? 1 : 0)
                << int(shown.type) << " shown, " << int(setter.type) << " set";
        }
    }

    LyIconSelect copy(nullptr);
    copy.Assign(icon);
    EXPECT_EQ(copy.IconType(), LyIconType::SegoeIcon);
    EXPECT_EQ(copy.SelectSegoe(), L"\uE700");
    EXPECT_EQ(copy.SelectImageIndex(), 2);
    ASSERT_NE(copy.SelectBitmap(), nullptr);
    EXPECT_EQ(copy.SelectBitmap()->Width(), 4);
    ASSERT_NE(copy.SelectPicture(), nullptr);
    EXPECT_FALSE(copy.SelectPicture()->Empty());

    // Only the assets the icon type does not use go; a later setter makes them again.
    copy.SetIconType(LyIconType::BitMap);
    copy.FreeUnusedAssets();
    EXPECT_EQ(copy.SelectPicture(), nullptr);
    EXPECT_NE(copy.SelectBitmap(), nullptr);
    copy.SetSelectPicture(picture);
    EXPECT_NE(copy.SelectPicture(), nullptr);
}

// The dark pixels of a glyph drawing, as a mask.
std::vector<bool> DrawGlyphs(const std::wstring& glyphs) {
    toolkit::Bitmap bitmap(60, 60, toolkit::PixelFormatKind::Bits32);
    bitmap.Canvas().Brush().SetColor(toolkit::clWhite);
    bitmap.Canvas().FillRect({0, 0, 60, 60});
    bitmap.Canvas().Brush().SetStyle(toolkit::BrushStyle::Clear);
    bitmap.Canvas().Font().SetColor(toolkit::clBlack);
    LyIconSelect icon(nullptr);
    icon.SetSelectSegoe(glyphs);
    icon.DrawIcon(bitmap.Canvas(), {5, 5, 55, 55});
    std::vector<bool> dark;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
            dark.push_back((test::PixelRgb(bitmap, x, y) & 0xFF) < 96);
    return dark;
}

TEST(IconSelect, SeveralGlyphsAreDrawnOverEachOtherInTheSamePlace) {
    const auto dash = DrawGlyphs(L"-"), bar = DrawGlyphs(L"|"), both = DrawGlyphs(L"-|");
    int dashPixels = 0, barPixels = 0;
    for (std::size_t i = 0; i < both.size(); ++i) {
        dashPixels += dash[i];
        barPixels += bar[i];
        if (dash[i] || bar[i]) {
            EXPECT_TRUE(both[i]) << "pixel " << i % 60 << "," << i / 60;
        }
    }
    EXPECT_GT(dashPixels, 0);
    EXPECT_GT(barPixels, 0);
}

} // namespace
