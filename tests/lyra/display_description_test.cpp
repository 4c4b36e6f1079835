// The display controls publish what the installer's window descriptions set on them, and a
// described text box waits until it has a window before it sizes itself to its text.
#include "display_test_support.h"
#include "lyra/class_names.h"
#include "lyra/icon_view.h"
#include "lyra/panel.h"
#include "lyra/text_box.h"
#include "lyra/theme_manager.h"
#include "rect_compare.h"
#include "toolkit/description_reader.h"
#include "toolkit/handler_table.h"

namespace {

using lyra::LyLayout;

const wchar_t kDescription[] = LR"(object Host: LyForm
  object Container: LyPanel
    Left = 10
    Top = 10
    Width = 300
    Height = 200
    BackgroundColor = Content
    AccentLine = True
    AccentLineWidth = 6
    ShowCaption = True
    Caption = 'Installing....'
    CustomColors.Accent = 255
    CustomColors.Enabled = True
    object Title: LyTextBox
      Left = 20
      Top = 12
      Width = 250
      Height = 60
      Text = 'Welcome to the installer'
      LayoutHorizontal = Center
      LayoutVertical = Beginning
      AutoSize = False
      WordWrap = True
      InnerMargin = 2
      Elipsis = True
      Font.Height = -16
      PaddingFill.Left = 4
    end
    object Stage: LyTextBox
      Left = 20
      Top = 100
      Width = 300
      Caption = '| Prepare'
      Font.Height = -13
    end
    object Glyph: LyIconView
      Left = 200
      Top = 100
      Width = 72
      Height = 60
      Scale = 0.5
      LayoutHorizontal = Ending
      LayoutVertical = Beginning
      Image.SelectSegoe = '\u{E118}'
      CustomColors.LightForeGround = 255
    end
  end
end
)";

class DisplayDescription : public test::DisplayTest {};

TEST_F(DisplayDescription, SetsEveryPublishedPropertyAndSizesTextOnceThereIsAWindow) {
    lyra::RegisterFrameworkClasses();
    toolkit::ReadComponent(*form, kDescription, L"display.form", toolkit::HandlerTable(), nullptr);

    auto* container = form->Find<lyra::LyPanel>(L"Container");
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(container->BackgroundColor(), lyra::LyBackgroundColor::Content);
    EXPECT_TRUE(container->AccentLine());
    EXPECT_EQ(container->AccentLineWidth(), 6);
    EXPECT_TRUE(container->ShowCaption());
    EXPECT_EQ(container->DrawColors().Accent, 255) << "custom colours resolved once read";
    EXPECT_EQ(container->Color(), container->DrawColors().BackGroundInterior);

    auto* title = form->Find<lyra::LyTextBox>(L"Title");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->Caption(), L"Welcome to the installer");
    EXPECT_EQ(title->LayoutHorizontal(), LyLayout::Center);
    EXPECT_EQ(title->LayoutVertical(), LyLayout::Beginning);
    EXPECT_FALSE(title->AutoSize());
    EXPECT_TRUE(title->WordWrap());
    EXPECT_EQ(title->InnerMargin(), 2);
    EXPECT_TRUE(title->Elipsis());
    EXPECT_EQ(title->TextFont().Height(), -16);
    EXPECT_EQ(title->TextRect(), (RECT{4, 0, 250, 60}));
    EXPECT_EQ(title->Background(), container->Background()) << "the panel's content colour";

    auto* stage = form->Find<lyra::LyTextBox>(L"Stage");
    ASSERT_NE(stage, nullptr);
    EXPECT_EQ(stage->Width(), 300) << "not measured while the description is read";

    auto* glyph = form->Find<lyra::LyIconView>(L"Glyph");
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(glyph->Scale(), 0.5);
    EXPECT_EQ(glyph->Image().SelectSegoe(), L"\uE118");
    EXPECT_EQ(glyph->IconRect(), (RECT{42, 0, 72, 30}));
    EXPECT_EQ(glyph->DrawColors().ForeGround, lyra::ThemeManager().SystemColor.ForeGround)
        << "custom colours stay off";

    form->Show();
    toolkit::Bitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(stage->TextFont());
    EXPECT_EQ(stage->Width(), scratch.Canvas().TextWidth(L"| Prepare"));
    EXPECT_EQ(title->Width(), 250);
}

} // namespace
