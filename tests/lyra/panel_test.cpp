// The themed container on real windows: its colour in both themes and both background
// choices, the colour its children blend into, the accent bar, and theme changes passed down
// through nested panels.
#include "buffered_controls.h"
#include "display_test_support.h"
#include "lyra/panel.h"
#include "lyra/text_box.h"
#include "lyra/theme_manager.h"
#include "rect_compare.h"

namespace {

using lyra::LyBackgroundColor;
using lyra::LyPanel;
using lyra::LyTextBox;
using test::PixelRgb;
using test::Rgb;
using test::ScreenPixel;

class PanelTest : public test::DisplayTest {
  protected:
    // A panel on the form with a text box in it, both owned by the form as a description
    // makes them.
    LyPanel* MakePanel(int width, int height) {
        auto* panel = new LyPanel(form.get());
        panel->SetParent(form.get());
        panel->SetBounds(10, 10, width, height);
        return panel;
    }
    LyTextBox* MakeText(toolkit::WinControl& parent, toolkit::Component* owner) {
        auto* box = new LyTextBox(owner);
        box->SetParent(&parent);
        box->SetAutoSize(false);
        box->SetBounds(40, 20, 100, 30);
        return box;
    }
};

TEST_F(PanelTest, StartsWithoutCaptionOrBevelsInTheThemeBackground) {
    auto* panel = new LyPanel(form.get());
    EXPECT_FALSE(panel->ShowCaption());
    EXPECT_EQ(panel->BevelOuter(), toolkit::BevelCut::None);
    EXPECT_EQ(panel->BevelInner(), toolkit::BevelCut::None);
    EXPECT_FALSE(panel->ParentColor()) << "the first colour update turned it off";
    EXPECT_EQ(panel->BackgroundColor(), LyBackgroundColor::Background);
    EXPECT_FALSE(panel->AccentLine());
    EXPECT_EQ(panel->AccentLineWidth(), 8);
    EXPECT_FALSE(panel->CustomColors().Enabled());
    EXPECT_TRUE(panel->IsContainer());
    EXPECT_EQ(panel->Font().Name(), lyra::ThemeManager().FormFont());
    EXPECT_EQ(panel->Color(), lyra::ThemeManager().SystemColor.BackGround);
    EXPECT_EQ(panel->Font().Color(), lyra::ThemeManager().SystemColor.ForeGround);
}

TEST_F(PanelTest, FillsWithTheChosenThemeColourThatItsChildrenBlendInto) {
    auto* panel = MakePanel(200, 100);
    auto* box = MakeText(*panel, form.get());
    form->Show();
    const struct {
        bool dark;
        LyBackgroundColor choice;
        unsigned fill;
    } cases[] = {{false, LyBackgroundColor::Background, 0xF3F3F3},
                 {false, LyBackgroundColor::Content, 0xFBFBFB},
                 {true, LyBackgroundColor::Background, 0x202020},
                 {true, LyBackgroundColor::Content, 0x2B2B2B}};
    for (const auto& c : cases) {
        UseTheme(c.dark);
        panel->SetBackgroundColor(c.choice);
        SCOPED_TRACE(testing::Message() << (c.dark ? "dark " : "light ") << int(c.choice));
        EXPECT_EQ(Rgb(panel->Background()), c.fill);
        EXPECT_EQ(ScreenPixel(*panel, {5, 5}), c.fill);
        EXPECT_EQ(Rgb(box->Background()), c.fill);
        EXPECT_EQ(PixelRgb(box->BufferBitmap(), 1, 1), c.fill);
        EXPECT_EQ(ScreenPixel(*box, {1, 1}), c.fill);
    }
}

TEST_F(PanelTest, CustomColoursReplaceTheThemeForTheMode) {
    auto* panel = MakePanel(200, 100);
    lyra::LyCompleteColorSets& colors = panel->CustomColors();
    colors.LightBackGround = 0x00000080;
    colors.LightBackGroundInterior = 0x00008000;
    colors.DarkBackGround = 0x00800000;
    colors.DarkBackGroundInterior = 0x00808000;
    colors.DarkForeGround = 0x000000FF;
    colors.SetEnabled(true);
    form->Show();
    UseTheme(true);
    EXPECT_EQ(ScreenPixel(*panel, {5, 5}), 0x000080u);
    EXPECT_EQ(panel->Font().Color(), 0x000000FF);
    panel->SetBackgroundColor(LyBackgroundColor::Content);
    EXPECT_EQ(ScreenPixel(*panel, {5, 5}), 0x008080u);
    UseTheme(false);
    EXPECT_EQ(ScreenPixel(*panel, {5, 5}), 0x008000u);
}

TEST_F(PanelTest, DrawsTheAccentBarAlongTheLeftEdgeAndFollowsResizes) {
    auto* panel = MakePanel(200, 100);
    form->Show();
    const unsigned fill = Rgb(panel->Background());
    const unsigned accent = Rgb(lyra::ThemeManager().AccentColor());
    EXPECT_EQ(ScreenPixel(*panel, {14, 50}), fill) << "off by default";

    panel->SetAccentLine(true);
    EXPECT_EQ(panel->AccentLineRect(), (RECT{10, 10, 18, 90}));
    EXPECT_EQ(ScreenPixel(*panel, {14, 50}), accent);
    EXPECT_EQ(ScreenPixel(*panel, {11, 50}), accent);
    EXPECT_EQ(ScreenPixel(*panel, {14, 12}), accent);
    EXPECT_EQ(ScreenPixel(*panel, {14, 87}), accent);
    EXPECT_EQ(ScreenPixel(*panel, {14, 7}), fill);
    EXPECT_EQ(ScreenPixel(*panel, {14, 93}), fill);
    EXPECT_EQ(ScreenPixel(*panel, {8, 50}), fill);
    EXPECT_EQ(ScreenPixel(*panel, {20, 50}), fill);

    panel->SetAccentLineWidth(20);
    EXPECT_EQ(ScreenPixel(*panel, {26, 50}), accent);

    // Shrinking uncovers nothing, yet the bar's old lower end must go.
    panel->SetHeight(60);
    EXPECT_EQ(ScreenPixel(*panel, {14, 45}), accent);
    EXPECT_EQ(ScreenPixel(*panel, {14, 55}), fill);
    panel->SetHeight(160);
    EXPECT_EQ(ScreenPixel(*panel, {14, 100}), accent);
    EXPECT_EQ(ScreenPixel(*panel, {14, 155}), fill);

    panel->CustomColors().Accent = 0x00FF00FF;
    panel->CustomColors().SetEnabled(true);
    EXPECT_EQ(ScreenPixel(*panel, {14, 100}), 0xFF00FFu) << "a custom accent";
    panel->CustomColors().Accent = toolkit::clHighlight;
    EXPECT_EQ(ScreenPixel(*panel, {14, 100}), Rgb(lyra::ResolveColor(toolkit::clHighlight)))
        << "a system colour as the accent";
    EXPECT_TRUE(escaped.empty());

    panel->SetAccentLine(false);
    EXPECT_EQ(ScreenPixel(*panel, {14, 100}), Rgb(panel->Background()));
}

TEST_F(PanelTest, PassesThemeChangesDownThroughNestedPanelsWhenAsked) {
    // A plain host that does not update anything itself: only the panels pass the change on.
    test::HostForm host(toolkit::clWhite);
    auto* outer = new LyPanel(&host);
    outer->SetParent(&host);
    outer->SetBounds(0, 0, 300, 180);
    // Children the panels alone reach: no owner (their parents delete them).
    auto* inner = new LyPanel(nullptr);
    inner->SetParent(outer);
    inner->SetBounds(20, 20, 250, 140);
    inner->SetBackgroundColor(LyBackgroundColor::Content);
    auto* box = MakeText(*inner, nullptr);
    host.Show();
    UseTheme(false);
    outer->UpdateTheme(true);
    ASSERT_EQ(Rgb(box->Background()), 0xFBFBFBu);

    UseTheme(true);
    outer->UpdateTheme(false);
    EXPECT_EQ(Rgb(outer->Background()), 0x202020u);
    EXPECT_EQ(Rgb(inner->Background()), 0xFBFBFBu) << "children not asked";

    outer->UpdateTheme(true);
    EXPECT_EQ(ScreenPixel(*outer, {5, 5}), 0x202020u);
    EXPECT_EQ(ScreenPixel(*inner, {5, 5}), 0x2B2B2Bu);
    EXPECT_EQ(PixelRgb(box->BufferBitmap(), 1, 1), 0x2B2B2Bu) << "the grandchild";
    EXPECT_TRUE(test::HasPixel(box->BufferBitmap(), 0xFFFFFF)) << "its text in the dark theme";
    EXPECT_EQ(ScreenPixel(*box, {1, 1}), 0x2B2B2Bu);
}

} // namespace
