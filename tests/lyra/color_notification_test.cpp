// Source colour sets tell their owning control when a published value changes, except while
// the control is being read from a window description; descriptions reach the sets by
// dotted property paths.
#include "lyra/color_state_sets.h"
#include "lyra/control_interface.h"
#include "toolkit/class_registry.h"
#include "toolkit/component.h"
#include "toolkit/description_reader.h"
#include "toolkit/handler_table.h"

#include <gtest/gtest.h>

namespace {

using lyra::TColor;

// A framework control reduced to what colour sets talk to: it counts theme updates.
class ThemedSwatch : public toolkit::Component, public lyra::LyControl {
  public:
    explicit ThemedSwatch(toolkit::Component* owner) : toolkit::Component(owner) {
        PublishObject(L"CustomColors", CustomColors);
        PublishObject(L"CustomButtonColors", CustomButtonColors);
    }

    bool IsContainer() const override { return false; }
    void UpdateTheme(bool UpdateChildren) override {
        ++updates;
        EXPECT_TRUE(UpdateChildren);
    }
    TColor Background() const override { return CustomColors.LightBackGround; }

    lyra::LyCompleteColorSets CustomColors{this};
    lyra::LySingleColorStateSets CustomButtonColors{this};
    int updates = 0;
};

TEST(ColorNotificationTest, SourceSettersNotifyEveryTimeEnabledOnlyOnChange) {
    ThemedSwatch swatch(nullptr);
    auto& colors = swatch.CustomColors;
    colors.LightBackGround = 0x123456;
    EXPECT_EQ(swatch.updates, 1);
    colors.LightBackGround = 0x123456;
    EXPECT_EQ(swatch.updates, 2) << "an equal colour still notifies";
    colors.SetEnabled(false);
    EXPECT_EQ(swatch.updates, 2) << "Enabled was already false";
    colors.SetEnabled(true);
    EXPECT_EQ(swatch.updates, 3);
    swatch.CustomButtonColors.SetDarkColor(1, 2, 3);
    EXPECT_EQ(swatch.updates, 4) << "three colours, one notification";
    EXPECT_EQ(swatch.CustomButtonColors.GetColor(true, lyra::LyControlState::Press), 3);
}

TEST(ColorNotificationTest, NothingIsNotifiedWhileTheOwnerIsLoading) {
    ThemedSwatch swatch(nullptr);
    swatch.BeginLoading();
    swatch.CustomColors.DarkForeGround = 1;
    swatch.CustomColors.SetEnabled(true);
    swatch.CustomButtonColors.SetLightColor(1, 2, 3);
    EXPECT_EQ(swatch.updates, 0);
    swatch.Loaded();
    swatch.CustomColors.DarkForeGround = 2;
    EXPECT_EQ(swatch.updates, 1);
}

TEST(ColorNotificationTest, AssignGoesThroughTheSettersAndCopiesEnabled) {
    ThemedSwatch swatch(nullptr);
    swatch.CustomColors.SetEnabled(true);
    swatch.updates = 0;

    lyra::LyCompleteColorSets source;
    source.LightBackGround = 0x010203;
    swatch.CustomColors.Assign(source);
    EXPECT_FALSE(swatch.CustomColors.Enabled());
    EXPECT_EQ(TColor(swatch.CustomColors.LightBackGround), 0x010203);
    // Seven colours and one change of Enabled.
    EXPECT_EQ(swatch.updates, 8);
}

TEST(ColorNotificationTest, OwnersThatAreNoControlsHearNothing) {
    toolkit::Component plain(nullptr);
    lyra::LyColorSets colors(&plain);
    colors.Accent = 5;
    colors.SetEnabled(true);
    EXPECT_EQ(TColor(colors.Accent), 5);
}

TEST(ColorNotificationTest, DescriptionsSetColoursByDottedPathWithoutNotifying) {
    toolkit::ClassRegistry::Register<ThemedSwatch>(L"ThemedSwatch");
    const wchar_t description[] = LR"(object Outer: ThemedSwatch
  CustomColors.LightBackGround = 255
  CustomColors.DarkBackGroundInterior = clWhite
  CustomColors.Enabled = True
  object Inner: ThemedSwatch
    CustomColors.Accent = 13924352
    CustomButtonColors.Accent = clBlack
    CustomButtonColors.DarkHover = 65280
  end
end
)";
    ThemedSwatch outer(nullptr);
    toolkit::ReadComponent(outer, description, L"swatch.form", toolkit::HandlerTable(),
                           toolkit::PictureSource());
    EXPECT_EQ(outer.updates, 0);
    EXPECT_EQ(TColor(outer.CustomColors.LightBackGround), 255);
    EXPECT_EQ(TColor(outer.CustomColors.DarkBackGroundInterior), 0x00FFFFFF);
    EXPECT_TRUE(outer.CustomColors.Enabled());

    auto* inner = outer.Find<ThemedSwatch>(L"Inner");
    ASSERT_NE(inner, nullptr);
    EXPECT_EQ(inner->updates, 0);
    EXPECT_EQ(TColor(inner->CustomColors.Accent), 13924352);
    EXPECT_EQ(inner->CustomButtonColors.GetColor(true, lyra::LyControlState::Hover), 0x00FF00);

    inner->CustomColors.LightForeGround = 1;
    EXPECT_EQ(inner->updates, 1) << "loaded controls hear of changes again";
}

TEST(ColorNotificationTest, DescriptionsNameTheWrongProperty) {
    const wchar_t description[] = LR"(object Outer: ThemedSwatch
  CustomColors.BackGround = 255
end
)";
    ThemedSwatch outer(nullptr);
    try {
        toolkit::ReadComponent(outer, description, L"swatch.form", toolkit::HandlerTable(),
                               toolkit::PictureSource());
        ADD_FAILURE() << "a source set has no BackGround";
    } catch (const toolkit::DescriptionError& error) {
        EXPECT_EQ(error.Line(), 2);
    }
}

} // namespace
