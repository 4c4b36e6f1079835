// The wizard window's kinds of button, its progress bar and its pictures read from a
// description with the properties the wizard's own description sets on them.
#include "lyra/button.h"
#include "lyra/class_names.h"
#include "lyra/form.h"
#include "lyra/progress.h"
#include "rect_compare.h"
#include "tests/gui_support/gui_test_support.h"
#include "tests/support/picture_encoders.h"
#include "toolkit/description_reader.h"
#include "toolkit/handler_table.h"
#include "vel/image.h"

#include <png.h>

#include <string>
#include <vector>

namespace {

using lyra::LyButton;
using lyra::LyButtonKind;

const wchar_t kDescription[] = LR"(object Installer: LyForm
  ClientWidth = 734
  ClientHeight = 461
  object Cover_Image: VImage
    Left = 8
    Top = 25
    Width = 225
    Height = 433
    GifSettings.Enable = False
    GifSettings.AnimationSpeed = 100
    Picture = 'cover.png'
  end
  object Navigation_Info: LyButton
    Left = 248
    Top = 410
    Width = 159
    Height = 35
    Tag = 6
    TabOrder = 5
    Anchors = [Left, Bottom]
    Font.Height = 21
    Text = 'Package Info'
    ButtonKind = Link
    Image.Enabled = True
    Image.SelectSegoe = '\u{F167}'
  end
  object Navigation_Next: LyButton
    Left = 586
    Top = 410
    Width = 140
    Height = 35
    Tag = 2
    TabOrder = 0
    Anchors = [Right, Bottom]
    Text = 'Next'
    ButtonKind = Accent
    CustomColors.Accent = 13924352
    CustomButtonColors.LightBackgroundHover = 255
    CustomButtonColors.Enabled = True
  end
  object InstallType_AllUser: LyButton
    Left = 28
    Top = 151
    Width = 175
    Height = 145
    TabOrder = 1
    Text = 'All users'
    ButtonKind = Toggle
    ImageScale = 2.0
    ImageLayout = Top
    Image.Enabled = True
    Image.IconType = Image
    Image.SelectPicture = 'glyph.png'
  end
  object Install_Progress: LyProgress
    Left = 17
    Top = 206
    Width = 423
    Height = 20
    Font.Height = -16
    Value = 40
    ProgressKind = Paused
    CustomColors.Accent = 65280
    CustomColors.Enabled = True
    CustomOtherColors.LightForeGround = 16711680
    CustomOtherColors.DarkForeGround = 16711680
    CustomOtherColors.Enabled = True
  end
end
)";

class WizardDescription : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        lyra::RegisterFrameworkClasses();
        const toolkit::PictureSource pictures = [this](const std::wstring& file) {
            requested.push_back(file);
            const int width = file == L"cover.png" ? 343 : 24;
            const int height = file == L"cover.png" ? 615 : 24;
            return test::EncodePng({width, height, PNG_COLOR_TYPE_RGB, 8,
                                    test::Bytes(std::size_t(3 * width * height), 90)});
        };
        toolkit::ReadComponent(form, kDescription, L"installer.form", toolkit::HandlerTable(),
                               pictures);
    }
    lyra::LyForm form{nullptr};
    std::vector<std::wstring> requested;
};

TEST_F(WizardDescription, ButtonsTakeTheirKindsGlyphsTagsTabOrderAndColours) {
    auto* info = form.Find<LyButton>(L"Navigation_Info");
    auto* next = form.Find<LyButton>(L"Navigation_Next");
    auto* allUser = form.Find<LyButton>(L"InstallType_AllUser");
    ASSERT_NE(info, nullptr);
    ASSERT_NE(next, nullptr);
    ASSERT_NE(allUser, nullptr);

    EXPECT_EQ(info->ButtonKind(), LyButtonKind::Link);
    EXPECT_EQ(info->Tag(), 6);
    EXPECT_EQ(info->TextFont().Height(), 21);
    EXPECT_EQ(info->Anchors(),
              (toolkit::AnchorSet{toolkit::Anchor::Left, toolkit::Anchor::Bottom}));
    EXPECT_TRUE(info->Image().Enabled());
    EXPECT_EQ(info->Image().SelectSegoe(), L"\uF167");
    EXPECT_EQ(info->Text(), L"Package Info");

    EXPECT_EQ(next->ButtonKind(), LyButtonKind::Accent);
    EXPECT_EQ(next->Tag(), 2);
    EXPECT_EQ(next->BoundsRect(), (RECT{586, 410, 726, 445}));
    EXPECT_FALSE(next->CustomColors().Enabled());
    EXPECT_EQ(next->CustomColors().Accent, 13924352);
    EXPECT_TRUE(next->CustomButtonColors().Enabled());
    EXPECT_EQ(next->CustomButtonColors().LightBackgroundHover, 255);

    EXPECT_EQ(allUser->ButtonKind(), LyButtonKind::Toggle);
    EXPECT_DOUBLE_EQ(allUser->ImageScale(), 2.0);
    EXPECT_EQ(allUser->ImageLayout(), lyra::LyDrawLayout::Top);
    EXPECT_EQ(allUser->Image().IconType(), lyra::LyIconType::Image);
    ASSERT_NE(allUser->Image().SelectPicture(), nullptr);
    EXPECT_EQ(allUser->Image().SelectPicture()->Width(), 24);

    // Tab orders sorted once read, whatever the order of the description.
    EXPECT_LT(next->TabOrder(), allUser->TabOrder());
    EXPECT_LT(allUser->TabOrder(), info->TabOrder());
}

TEST_F(WizardDescription, TheProgressBarTakesItsValueKindAndColourSets) {
    auto* progress = form.Find<lyra::LyProgress>(L"Install_Progress");
    ASSERT_NE(progress, nullptr);
    EXPECT_FLOAT_EQ(progress->Value(), 40);
    EXPECT_FALSE(progress->Sliding()) << "a described value does not slide in";
    EXPECT_EQ(progress->ProgressKind(), lyra::LyProgressKind::Paused);
    EXPECT_EQ(progress->TextFont().Height(), -16);
    EXPECT_EQ(progress->BoundsRect(), (RECT{17, 206, 440, 226}));
    EXPECT_TRUE(progress->CustomColors().Enabled());
    EXPECT_EQ(progress->CustomColors().Accent, 65280);
    EXPECT_TRUE(progress->CustomOtherColors().Enabled());
    // Paused draws in the other colours' foreground: the described one.
    form.Show();
    const RECT bar = progress->FilledRect();
    const unsigned pixel =
        test::PixelRgb(progress->BufferBitmap(), bar.left + 3, (bar.top + bar.bottom) / 2);
    EXPECT_TRUE(test::NearRgb(pixel, 0x0000FF, 2)) << std::hex << pixel;
    EXPECT_EQ(bar.right - bar.left, 169) << "40 % of the 422-pixel track";
}

TEST_F(WizardDescription, TheCoverTakesItsPictureFileAndGifSettings) {
    auto* cover = form.Find<vel::VImage>(L"Cover_Image");
    ASSERT_NE(cover, nullptr);
    EXPECT_EQ(requested, (std::vector<std::wstring>{L"cover.png", L"glyph.png"}));
    EXPECT_EQ(cover->Picture().Width(), 343);
    EXPECT_EQ(cover->Picture().Height(), 615);
    EXPECT_FALSE(cover->GifSettings().Enable());
    EXPECT_EQ(cover->GifSettings().AnimationSpeed(), 100);
    EXPECT_EQ(cover->DrawMode(), vel::TDrawMode::CenterFit);
    EXPECT_EQ(cover->Width(), 225);
    // Centred to fit: 225 x 403 in the middle of the height.
    const std::vector<RECT> places = cover->ComputeDestRects();
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0], (RECT{0, 15, 225, 418}));
}

} // namespace
