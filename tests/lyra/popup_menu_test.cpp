// The popup menu on real windows with real input: entry geometry, highlight keys, checks,
// closing rules, flat and square looks, placement at the screen's edges, submenus, the
// drop-down button; and pictures of open menus in both themes.
#include "edit_test_support.h"
#include "lyra/button.h"
#include "lyra/popup_menu.h"
#include "lyra/theme_manager.h"
#include "popup_test_support.h"
#include "tests/gui_support/gui_test_support.h"
#include "tests/support/picture_encoders.h"
#include "lyra/class_names.h"
#include "toolkit/description_reader.h"
#include "toolkit/handler_table.h"

#include <png.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

using lyra::LyPopupItem;
using lyra::LyPopupMenu;

class PopupMenuTest : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        host->SetBounds(100, 100, 320, 200);
        host->Show();
        test::Pump();
        menu->SetAnimationType(lyra::LyAnimateSelection::Instant);
    }
    void TearDown() override {
        menu.reset();
        lyra::ThemeManager().SetDarkThemeMode(lyra::LyDarkSetting::Auto);
        GuiTest::TearDown();
    }
    // Opens the menu at a screen point and waits until it shows.
    void Open(POINT screen = {200, 150}) {
        menu->Popup(screen.x, screen.y);
        ASSERT_TRUE(test::AwaitOpened(*menu));
    }
    // The left-most dark pixel of an entry's row in the open menu, or -1.
    int TextStart(int index, int from = 0) {
        const auto picture = test::Capture(*menu->MenuWindow());
        const LyPopupItem& entry = *menu->Items().GetItem(index);
        const int middle = (entry.Bounds().top + entry.Bounds().bottom) / 2;
        for (int x = from; x < picture->Width(); ++x)
            for (int y = middle - 6; y <= middle + 6; ++y)
                if (test::NearRgb(test::PixelRgb(*picture, x, y), 0x404040, 0x40)) return x;
        return -1;
    }

    std::unique_ptr<test::HostForm> host = std::make_unique<test::HostForm>(toolkit::clWhite);
    std::unique_ptr<LyPopupMenu> menu = std::make_unique<LyPopupMenu>(nullptr);
};

// A 16 x 16 red picture as an entry's icon.
void GiveIcon(LyPopupItem& entry) {
    toolkit::Bitmap red(16, 16, toolkit::PixelFormatKind::Bits24);
    red.Canvas().Brush().SetColor(0x000000FF);
    red.Canvas().FillRect({0, 0, 16, 16});
    entry.Image().SetIconType(lyra::LyIconType::BitMap);
    entry.Image().SetSelectBitmap(red);
    entry.Image().SetEnabled(true);
}

TEST_F(PopupMenuTest, LaysOutRowsAndSeparators) {
    menu->SetFlatMenu(true);
    for (const wchar_t* text : {L"Open", L"Save", L"-", L"Quit"})
        menu->AddItem(text);
    Open();
    const auto& items = menu->Items();
    EXPECT_EQ(items.GetItem(0)->Bounds().top, 5);
    EXPECT_EQ(items.GetItem(1)->Bounds().top, 40);
    EXPECT_EQ(items.GetItem(3)->Bounds().top, 76);
    EXPECT_EQ(items.GetItem(3)->Bounds().bottom, 111);
    EXPECT_EQ(menu->MenuWindow()->Height(), 116);
    EXPECT_EQ(menu->MenuWindow()->Width(), 215);
    // The separator is a line at y 75 between two plain rows.
    const auto picture = test::Capture(*menu->MenuWindow());
    EXPECT_FALSE(test::NearRgb(test::PixelRgb(*picture, 100, 75), 0xFFFFFF, 10));
    EXPECT_EQ(test::PixelRgb(*picture, 100, 74), 0xFFFFFFu);
    EXPECT_EQ(test::PixelRgb(*picture, 100, 76), 0xFFFFFFu);
    EXPECT_EQ(TextStart(0), 20 + 1) << "the text begins at x 20 (the glyph's side bearing)";
}

TEST_F(PopupMenuTest, ChecksAndIconsMoveTheTextColumn) {
    const struct {
        const char* name;
        bool check, icon;
        int plain, withIcon;
    } cases[] = {{"a checkable entry", true, false, 55, 55},
                 {"an icon", false, true, 55, 55},
                 {"both", true, true, 55, 90}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        menu = std::make_unique<LyPopupMenu>(nullptr);
        menu->SetAnimationType(lyra::LyAnimateSelection::Instant);
        menu->SetFlatMenu(true);
        LyPopupItem* plain = menu->AddItem(L"Plain");
        LyPopupItem* special = menu->AddItem(L"Special");
        if (c.check) menu->AddItem(L"Checkable")->SetAutoCheck(true);
        if (c.icon) GiveIcon(*special);
        Open();
        EXPECT_NEAR(TextStart(plain->MenuIndex()), c.plain, 2);
        // Past the icon, which is red, not dark.
        EXPECT_NEAR(TextStart(special->MenuIndex(), c.withIcon - 10), c.withIcon, 2);
    }
}

TEST_F(PopupMenuTest, TheKeysMoveTheHighlightWithoutWrappingOrStoppingOnSeparators) {
    for (const wchar_t* text : {L"First", L"-", L"Third"})
        menu->AddItem(text);
    Open();
    test::KeyStroke(VK_DOWN);
    EXPECT_EQ(menu->HoverOver(), 0);
    test::KeyStroke(VK_UP);
    EXPECT_EQ(menu->HoverOver(), 0);
    test::KeyStroke(VK_DOWN);
    EXPECT_EQ(menu->HoverOver(), 2);
    test::KeyStroke(VK_DOWN);
    EXPECT_EQ(menu->HoverOver(), 2);
}

TEST_F(PopupMenuTest, HiddenAndGreyedEntriesAreNeverRunByKeys) {
    int runs = 0;
    for (const wchar_t* text : {L"Hidden", L"Greyed", L"Shown"}) {
        LyPopupItem* entry = menu->AddItem(text);
        entry->OnClick = [&](toolkit::Component*) { ++runs; };
    }
    menu->Items().GetItem(0)->SetVisible(false);
    menu->Items().GetItem(1)->SetEnabled(false);
    Open();
    test::KeyStroke(VK_DOWN);
    EXPECT_EQ(menu->HoverOver(), 2);
    test::KeyStroke(VK_UP);
    EXPECT_EQ(menu->HoverOver(), 2);
    EXPECT_EQ(runs, 0);
    test::KeyStroke(VK_RETURN);
    EXPECT_EQ(runs, 1);
}

TEST_F(PopupMenuTest, AutoCheckEntriesToggleAndTheMenuStaysOpen) {
    LyPopupItem* option = menu->AddItem(L"Option");
    option->SetAutoCheck(true);
    LyPopupItem* radio = menu->AddItem(L"Radio");
    radio->SetAutoCheck(true);
    radio->SetRadioItem(true);
    radio->SetChecked(true);
    int checks = 0;
    option->OnCheck = radio->OnCheck = [&](toolkit::Component*) { ++checks; };
    Open();
    test::ClickEntry(*menu, radio->MenuIndex());
    EXPECT_TRUE(radio->Checked());
    EXPECT_EQ(checks, 0);
    test::ClickEntry(*menu, option->MenuIndex());
    EXPECT_TRUE(option->Checked());
    EXPECT_TRUE(menu->MenuOpen());
    test::ClickEntry(*menu, option->MenuIndex());
    EXPECT_FALSE(option->Checked());
    EXPECT_EQ(checks, 2);
    EXPECT_TRUE(menu->MenuOpen());
}

TEST_F(PopupMenuTest, AClickOnAnEntryWithOnClickClosesEveryLevel) {
    menu->AddItem(L"Top");
    LyPopupItem* more = menu->AddItem(L"More");
    LyPopupItem* deep = more->AddItem(L"Deep");
    int clicks = 0;
    std::vector<int> itemClicks;
    deep->OnClick = [&](toolkit::Component* sender) {
        EXPECT_EQ(sender, deep);
        ++clicks;
    };
    menu->OnItemClick = [&](toolkit::Component*, lyra::LyPopupComponent*, int index) {
        itemClicks.push_back(index);
    };
    Open();
    test::HoverEntry(*menu, more->MenuIndex());
    ASSERT_TRUE(test::AwaitOpened(*more));
    test::ClickEntry(*more, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(itemClicks, std::vector<int>{0});
    EXPECT_FALSE(more->MenuOpen());
    EXPECT_FALSE(menu->MenuOpen());
}

TEST_F(PopupMenuTest, ASubmenuOpensOnHoverAndClosesWhenTheFocusLeaves) {
    LyPopupItem* more = menu->AddItem(L"More");
    more->AddItem(L"Deeper");
    menu->AddItem(L"Other");
    Open();
    test::HoverEntry(*menu, 0);
    ASSERT_TRUE(test::AwaitOpened(*more));
    // Beside its entry, overlapping the parent by 10 pixels.
    EXPECT_EQ(more->MenuWindow()->Left(),
              menu->MenuWindow()->Left() + menu->MenuWindow()->Width() - 10);
    EXPECT_EQ(more->MenuWindow()->Top(), menu->MenuWindow()->Top() + 5);
    // Another entry of the parent closes it.
    test::HoverEntry(*menu, 1);
    EXPECT_TRUE(test::PumpUntil([&] { return !more->MenuOpen(); }));
    EXPECT_TRUE(menu->MenuOpen());
    // The focus going elsewhere closes the whole menu.
    test::HoverEntry(*menu, 0);
    ASSERT_TRUE(test::AwaitOpened(*more));
    SetForegroundWindow(host->Handle());
    EXPECT_TRUE(test::PumpUntil([&] { return !more->MenuOpen() && !menu->MenuOpen(); }));
}

TEST_F(PopupMenuTest, FlatMenusAndSquareCorners) {
    menu->AddItem(L"Entry");
    menu->SetFlatMenu(true);
    Open();
    EXPECT_EQ(menu->Backdrop()->Version(), lyra::LyBlurVersion::None);
    const toolkit::Bitmap& rounded = menu->Backdrop()->BufferBitmap();
    EXPECT_EQ(test::PixelRgb(rounded, 0, 0), 0x8300FFu) << "the corner is cut off";
    const unsigned accent = test::Rgb(menu->DrawColors().Accent);
    EXPECT_EQ(test::PixelRgb(rounded, 100, 0), accent) << "the accent border";
    menu->CloseMenu(true);

    menu->SetEnableRadius(false);
    Open();
    const toolkit::Bitmap& square = menu->Backdrop()->BufferBitmap();
    EXPECT_EQ(test::PixelRgb(square, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(test::PixelRgb(square, 100, 0), 0xFFFFFFu);
}

TEST_F(PopupMenuTest, NearTheScreensEdgesItOpensLeftOfAndAboveThePoint) {
    for (const wchar_t* text : {L"One", L"Two", L"Three"})
        menu->AddItem(text);
    const int right = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int bottom = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    const struct {
        const char* name;
        POINT at;
        bool left, above;
    } cases[] = {{"right", {right - 50, 200}, true, false},
                 {"bottom", {300, bottom - 40}, false, true},
                 {"corner", {right - 20, bottom - 20}, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        menu->SetAnimationType(lyra::LyAnimateSelection::Linear);
        Open(c.at);
        const toolkit::Form& window = *menu->MenuWindow();
        EXPECT_EQ(window.Left(), c.left ? c.at.x - menu->NormalWidth() : c.at.x);
        EXPECT_EQ(window.Top(), c.above ? c.at.y - menu->NormalHeight() : c.at.y);
        EXPECT_EQ(window.Height(), menu->NormalHeight()) << "grown to its full height";
        menu->CloseMenu(false);
    }
}

TEST_F(PopupMenuTest, LinearOpeningGrowsUpwardsAboveThePoint) {
    for (const wchar_t* text : {L"One", L"Two", L"Three"})
        menu->AddItem(text);
    menu->SetAnimationType(lyra::LyAnimateSelection::Linear);
    const POINT at{300, GetSystemMetrics(SM_CYVIRTUALSCREEN) - 30};
    std::vector<RECT> steps;
    menu->Popup(at.x, at.y);
    ASSERT_TRUE(menu->Animation());
    // Steps are handed over on this thread, so the menu's own step can be wrapped.
    menu->Animation()->OnSync = [&, step = menu->Animation()->OnSync](int32_t value) {
        step(value);
        steps.push_back(menu->MenuWindow()->BoundsRect());
    };
    ASSERT_TRUE(test::AwaitOpened(*menu));
    ASSERT_GE(steps.size(), 10u);
    EXPECT_LT(steps.front().bottom - steps.front().top, menu->NormalHeight() / 4);
    for (std::size_t index = 1; index < steps.size(); ++index) {
        EXPECT_EQ(steps[index].bottom, at.y) << index;
        EXPECT_LE(steps[index].top, steps[index - 1].top) << index;
    }
    EXPECT_EQ(steps.back().top, at.y - menu->NormalHeight());
}

TEST_F(PopupMenuTest, ClosingOrDeletingAnOpeningMenuIsSafe) {
    menu->AddItem(L"Entry");
    menu->SetAnimationType(lyra::LyAnimateSelection::Opacity);
    menu->Popup(200, 150);
    menu->CloseMenu(true);
    EXPECT_EQ(menu->MenuWindow(), nullptr);
    test::PumpFor(50);
    menu->Popup(200, 150);
    menu.reset();
    test::PumpFor(50);
    EXPECT_TRUE(escaped.empty());
}

TEST_F(PopupMenuTest, TheDropDownButtonOpensItUnderTheButton) {
    menu->AddItem(L"Entry");
    auto* button = new lyra::LyButton(host.get());
    button->SetParent(host.get());
    button->SetBounds(20, 30, 150, 35);
    button->SetButtonKind(lyra::LyButtonKind::Dropdown);
    button->SetDropDown(menu.get());
    test::Pump();
    test::Click(*button, {40, 15});
    ASSERT_TRUE(test::AwaitOpened(*menu));
    const POINT below = button->ClientToScreen({0, button->Height() + 5});
    EXPECT_EQ(menu->MenuWindow()->Left(), below.x);
    EXPECT_EQ(menu->MenuWindow()->Top(), below.y);
    button->SetDropDown(nullptr);
}

// The open menu and its submenu from the screen, as a PNG beside the test program.
void SaveScreen(const RECT& area, const std::string& name) {
    toolkit::Bitmap screen(area.right - area.left, area.bottom - area.top,
                           toolkit::PixelFormatKind::Bits32);
    HDC desktop = GetDC(nullptr);
    BitBlt(screen.Canvas().Handle(), 0, 0, screen.Width(), screen.Height(), desktop, area.left,
           area.top, SRCCOPY);
    ReleaseDC(nullptr, desktop);
    test::Bytes rows;
    for (int y = 0; y < screen.Height(); ++y)
        for (int x = 0; x < screen.Width(); ++x) {
            const unsigned rgb = test::PixelRgb(screen, x, y);
            rows.insert(rows.end(),
                        {std::uint8_t(rgb >> 16), std::uint8_t(rgb >> 8), std::uint8_t(rgb)});
        }
    const test::Bytes png =
        test::EncodePng({screen.Width(), screen.Height(), PNG_COLOR_TYPE_RGB, 8, rows});
    std::ofstream(name, std::ios::binary)
        .write(reinterpret_cast<const char*>(png.data()), std::streamsize(png.size()));
}

TEST_F(PopupMenuTest, PicturesOfOpenMenus) {
    for (bool dark : {false, true}) {
        lyra::ThemeManager().SetDarkThemeMode(dark ? lyra::LyDarkSetting::ForceDark
                                                   : lyra::LyDarkSetting::ForceLight);
        menu = std::make_unique<LyPopupMenu>(nullptr);
        menu->SetAnimationType(lyra::LyAnimateSelection::Instant);
        LyPopupItem* open = menu->AddItem(L"Open");
        open->SetShortcut(L"Ctrl+O");
        GiveIcon(*open);
        menu->AddItem(L"Save")->SetIsDefault(true);
        LyPopupItem* wrap = menu->AddItem(L"Word wrap");
        wrap->SetAutoCheck(true);
        wrap->SetChecked(true);
        menu->AddItem(L"-");
        menu->AddItem(L"Disabled")->SetEnabled(false);
        LyPopupItem* more = menu->AddItem(L"More");
        more->AddItem(L"Deeper");
        more->AddItem(L"Deepest")->SetShortcut(L"F5");
        Open({150, 130});
        test::HoverEntry(*menu, more->MenuIndex());
        ASSERT_TRUE(test::AwaitOpened(*more));
        test::PumpFor(100);
        SaveScreen({100, 100, 700, 450}, dark ? "popup_menu_dark.png" : "popup_menu_light.png");
    }
}

} // namespace

namespace {

TEST_F(PopupMenuTest, ADescriptionNestsEntriesInTheMenu) {
    const wchar_t description[] = LR"(object Host: Form
  object Menu: LyPopupMenu
    FlatMenu = True
    AnimationType = Square
    CloseOnCheck = True
    object Open: LyPopupItem
      Shortcut = 'Ctrl+O'
      OnClick = OpenClick
    end
    object Line: LyPopupItem
      IsSeparator = True
    end
    object More: LyPopupItem
      Text = 'More entries'
      object Deep: LyPopupItem
        AutoCheck = True
        RadioItem = True
      end
    end
  end
  object Choose: LyButton
    ButtonKind = Dropdown
    DropDown = Menu
  end
  object Glass: LyBlurMaterial
    Version = Screenshot
    RefreshMode = Manual
    DarkTintOpacity = 100
  end
end
)";
    lyra::RegisterFrameworkClasses();
    toolkit::Form form(nullptr);
    int opened = 0;
    toolkit::HandlerTable handlers;
    handlers.Add<void(toolkit::Component*)>(L"OpenClick", [&](toolkit::Component*) { ++opened; });
    toolkit::ReadComponent(form, description, L"test.form", handlers, {});
    auto* described = form.Find<LyPopupMenu>(L"Menu");
    ASSERT_NE(described, nullptr);
    EXPECT_TRUE(described->FlatMenu());
    EXPECT_EQ(described->AnimationType(), lyra::LyAnimateSelection::Square);
    EXPECT_TRUE(described->CloseOnCheck());
    ASSERT_EQ(described->Items().Count(), 3);
    EXPECT_EQ(described->Items().GetItem(0)->Text(), L"Open");
    EXPECT_EQ(described->Items().GetItem(0)->Shortcut(), L"Ctrl+O");
    EXPECT_TRUE(described->Items().GetItem(1)->IsSeparator());
    LyPopupItem* more = described->Items().GetItem(2);
    EXPECT_EQ(more->Text(), L"More entries");
    ASSERT_EQ(more->Items().Count(), 1);
    EXPECT_TRUE(more->Items().GetItem(0)->RadioItem());
    EXPECT_EQ(more->Items().GetItem(0)->MenuIndex(), 0);
    described->Items().GetItem(0)->OnClick(nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(form.Find<lyra::LyButton>(L"Choose")->DropDown(), described);
    auto* glass = form.Find<lyra::LyBlurMaterial>(L"Glass");
    ASSERT_NE(glass, nullptr);
    EXPECT_EQ(glass->Version(), lyra::LyBlurVersion::Screenshot);
    EXPECT_EQ(glass->RefreshMode(), lyra::LyGlassRefreshMode::Manual);
    EXPECT_EQ(glass->DarkTintOpacity(), 100);
}

TEST(PopupItems, DeleteMovesTheFollowingEntriesUp) {
    LyPopupMenu menu(nullptr);
    LyPopupItem* a = menu.AddItem(L"A");
    LyPopupItem* b = menu.AddItem(L"B");
    LyPopupItem* c = menu.AddItem(L"C");
    menu.Items().Delete(1, false);
    ASSERT_EQ(menu.Items().Count(), 2);
    EXPECT_EQ(menu.Items().GetItem(0), a);
    EXPECT_EQ(menu.Items().GetItem(1), c);
    EXPECT_EQ(c->MenuIndex(), 1);
    EXPECT_EQ(b->MenuIndex(), -1);
    EXPECT_EQ(menu.Items().IndexOf(L"C"), 1);
    // A freed entry leaves its list.
    delete a;
    EXPECT_EQ(menu.Items().Count(), 1);
    EXPECT_EQ(c->MenuIndex(), 0);
    delete b;
}

TEST(PopupItems, ARadioEntryClearsItsRadioNeighboursOnly) {
    LyPopupMenu menu(nullptr);
    std::vector<LyPopupItem*> entries;
    for (const wchar_t* text : {L"Plain", L"R1", L"R2", L"R3", L"Apart"}) {
        entries.push_back(menu.AddItem(text));
        entries.back()->SetChecked(true);
    }
    for (int index : {1, 2, 3})
        entries[index]->SetRadioItem(true);
    entries[4]->SetRadioItem(true);
    entries[3]->SetRadioItem(false);
    entries[2]->SetChecked(true);
    std::vector<bool> checked;
    for (LyPopupItem* entry : entries)
        checked.push_back(entry->Checked());
    EXPECT_EQ(checked, (std::vector<bool>{true, false, true, true, true}));
}

} // namespace
