// The edit's built-in context menu, opened by the right button and by the keyboard, its
// entries greyed by the rules and each doing its work; and an edit read from a window
// description.
#include "edit_test_support.h"
#include "lyra/class_names.h"
#include "lyra/popup_menu.h"
#include "popup_test_support.h"
#include "toolkit/clipboard.h"
#include "toolkit/description_reader.h"
#include "toolkit/handler_table.h"
#include "toolkit/popup_menu.h"

#include <vector>

namespace {

using test::Ctrl;
using test::EditTest;
using test::KeyStroke;
using test::Shift;
using Positions = std::vector<int>;

enum Entry { Cut, Copy, Paste, Undo, SelectAll };

// A menu that records that it was asked to open.
class RecordingMenu : public toolkit::Component, public toolkit::PopupMenu {
  public:
    using toolkit::Component::Component;
    void Popup(int, int) override { ++opened; }
    int opened = 0;
};

class EditMenuTest : public EditTest {
  protected:
    void TearDown() override {
        menu().CloseMenu(false);
        EditTest::TearDown();
    }
    lyra::LyPopupMenu& menu() { return edit->DefaultMenu(); }
    // Opens the menu by a right click in the middle of the field; whether it opened.
    bool RightClickMenu() {
        RightClick({edit->Width() / 2, edit->Height() / 2});
        return test::AwaitOpened(menu());
    }
    // Opens the menu and clicks one of its entries.
    void Choose(Entry entry) {
        ASSERT_TRUE(RightClickMenu());
        test::ClickEntry(menu(), entry);
    }
    std::vector<bool> Enabled() {
        std::vector<bool> enabled;
        for (int index = 0; index < menu().Items().Count(); ++index)
            enabled.push_back(menu().Items().GetItem(index)->Enabled());
        return enabled;
    }
};

TEST_F(EditMenuTest, ShowsItsEntriesGreyedByTheRules) {
    const struct {
        const char* name;
        bool select, password, clipboardText, history, canUndo;
        std::vector<bool> enabled;
    } cases[] = {
        {"nothing", false, false, false, false, true, {false, false, false, false, true}},
        {"selection", true, false, false, false, true, {true, true, false, false, true}},
        {"password", true, true, false, false, true, {false, false, false, false, true}},
        {"clipboard", false, false, true, false, true, {false, false, true, false, true}},
        {"history", false, false, false, true, true, {false, false, false, true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.clipboardText) {
            toolkit::Clipboard::SetText(L"text");
        } else {
            OpenClipboard(nullptr);
            EmptyClipboard();
            CloseClipboard();
        }
        edit->SetPasswordChar(c.password ? L'*' : 0);
        Prepare(L"abc def", 0, c.select ? 3 : 0);
        if (c.history) {
            edit->SetPosition(7);
            KeyStroke(VK_BACK);
        }
        ASSERT_TRUE(RightClickMenu());
        std::vector<std::wstring> texts;
        for (int index = 0; index < menu().Items().Count(); ++index) {
            const lyra::LyPopupItem& item = *menu().Items().GetItem(index);
            texts.push_back(item.Text() + L'\t' + item.Shortcut());
        }
        EXPECT_EQ(texts,
                  (std::vector<std::wstring>{L"Cut\tCtrl+X", L"Copy\tCtrl+C", L"Paste\tCtrl+V",
                                             L"Undo\tCtrl+Z", L"Select All\tCtrl+A"}));
        EXPECT_EQ(Enabled(), c.enabled);
        menu().CloseMenu(false);
    }
    // Without CanUndo there is nothing to undo.
    Prepare(L"ab", 2);
    KeyStroke(VK_BACK);
    edit->SetCanUndo(false);
    ASSERT_TRUE(RightClickMenu());
    EXPECT_FALSE(Enabled()[Undo]);
}

TEST_F(EditMenuTest, EachEntryDoesItsWork) {
    Prepare(L"abc def", 4, 3);
    Choose(Copy);
    EXPECT_EQ(toolkit::Clipboard::Text(), L"def");
    EXPECT_FALSE(menu().MenuOpen());

    Prepare(L"abc def", 0, 4);
    Choose(Cut);
    EXPECT_EQ(toolkit::Clipboard::Text(), L"abc ");
    EXPECT_EQ(edit->Text(), L"def");

    edit->SetPosition(3);
    Choose(Paste);
    EXPECT_EQ(edit->Text(), L"defabc ");
    EXPECT_EQ(edit->Position(), 7);

    Choose(Undo);
    EXPECT_EQ(edit->Text(), L"def");

    Choose(SelectAll);
    EXPECT_EQ(Where(), (Positions{0, 0, 3}));
}

TEST_F(EditMenuTest, GreyedEntriesDoNothing) {
    toolkit::Clipboard::SetText(L"kept");
    Prepare(L"abc", 1);
    ASSERT_TRUE(RightClickMenu());
    // A click on greyed Cut neither runs it nor closes the menu.
    test::ClickEntry(menu(), Cut);
    EXPECT_TRUE(menu().MenuOpen());
    EXPECT_EQ(toolkit::Clipboard::Text(), L"kept");
    // The keys pass over greyed Cut and Copy: Down goes from nothing to Paste.
    KeyStroke(VK_DOWN);
    EXPECT_EQ(menu().HoverOver(), Paste);
    KeyStroke(VK_UP);
    EXPECT_EQ(menu().HoverOver(), Paste);
    KeyStroke(VK_RETURN);
    EXPECT_EQ(edit->Text(), L"akeptbc");
    EXPECT_EQ(toolkit::Clipboard::Text(), L"kept");
}

TEST_F(EditMenuTest, TheMenuKeyAndShiftF10OpenItToo) {
    for (const auto& [key, modifiers] :
         {std::pair<WORD, unsigned>{VK_APPS, 0}, std::pair<WORD, unsigned>{VK_F10, Shift}}) {
        SCOPED_TRACE(key);
        Prepare(L"abc", 0, 3);
        edit->SetFocus();
        test::Pump();
        KeyStroke(key, modifiers);
        ASSERT_TRUE(test::AwaitOpened(menu()));
        EXPECT_TRUE(Enabled()[Copy]);
        KeyStroke(VK_ESCAPE);
        EXPECT_FALSE(menu().MenuOpen());
    }
}

TEST_F(EditMenuTest, TheParentHearsNothingOfTheRightClick) {
    RecordingMenu hostMenu(nullptr);
    host->SetPopupMenu(&hostMenu);
    ASSERT_TRUE(RightClickMenu());
    test::Pump();
    EXPECT_EQ(hostMenu.opened, 0);
    host->SetPopupMenu(nullptr);
}

TEST_F(EditMenuTest, AnAssignedMenuReplacesTheBuiltInOne) {
    RecordingMenu assigned(nullptr);
    edit->SetPopupMenu(&assigned);
    RightClick({edit->Width() / 2, edit->Height() / 2});
    test::Pump();
    EXPECT_FALSE(menu().MenuOpen());
    EXPECT_EQ(assigned.opened, 1);
    // Once for the key, none for its release.
    KeyStroke(VK_APPS);
    EXPECT_EQ(assigned.opened, 2);
    edit->SetPopupMenu(nullptr);
}

TEST_F(EditTest, ReadsItsPublishedPropertiesFromADescription) {
    const wchar_t description[] = LR"(object Host: Form
  object Folder: LyEdit
    Left = 20
    Top = 30
    Width = 260
    Text = 'C:\\Programs\\Quillpad'
    TextHint = 'Installation folder'
    PasswordChar = '#'
    EnableSelection = False
    Position = 3
    SelectionLength = 4
    Layout = Beginning
    LayoutHorizontal = Ending
    ClearSelectionOnExit = False
    CanUndo = False
    CharCase = Uppercase
    HandleUpDown = False
    LineSize = 3
    Roundness = 6
    TextMarginX = 7
    TextMarginY = 4
    Detail = Outline
    AutoSize = False
    Height = 40
    CustomColors.Enabled = True
    CustomColors.Accent = 255
    CustomEditColors.Enabled = True
    CustomEditColors.LightNone = 65280
    Font.Height = -14
    TabOrder = 0
    OnChange = FolderChange
    OnChangeValue = FolderChangeValue
  end
  object Count: LyEdit
    NumbersOnly = True
    Value = 12
  end
end
)";
    lyra::RegisterFrameworkClasses();
    toolkit::Form form(nullptr);
    int described = 0;
    toolkit::HandlerTable handlers;
    handlers.Add<void(toolkit::Component*)>(L"FolderChange",
                                            [&](toolkit::Component*) { described += 1; });
    handlers.Add<void(toolkit::Component*)>(L"FolderChangeValue",
                                            [&](toolkit::Component*) { described += 10; });
    toolkit::ReadComponent(form, description, L"test.form", handlers, {});
    auto* folder = form.Find<lyra::LyEdit>(L"Folder");
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->Text(), L"C:\\PROGRAMS\\QUILLPAD");
    EXPECT_EQ(folder->TextHint(), L"Installation folder");
    EXPECT_EQ(folder->PasswordChar(), L'#');
    EXPECT_EQ(folder->Position(), 3);
    EXPECT_EQ(folder->SelectionLength(), 4);
    EXPECT_EQ(folder->Layout(), lyra::LyLayout::Beginning);
    EXPECT_EQ(folder->LayoutHorizontal(), lyra::LyLayout::Ending);
    EXPECT_FALSE(folder->ClearSelectionOnExit());
    EXPECT_FALSE(folder->CanUndo());
    EXPECT_EQ(folder->CharCase(), lyra::LyCharCase::Uppercase);
    EXPECT_FALSE(folder->EnableSelection());
    EXPECT_FALSE(folder->HandleUpDown());
    EXPECT_EQ(folder->LineSize(), 3);
    EXPECT_EQ(folder->Roundness(), 6);
    EXPECT_EQ(folder->TextMarginX(), 7);
    EXPECT_EQ(folder->TextMarginY(), 4);
    EXPECT_EQ(folder->Detail(), lyra::LyDetailType::Outline);
    EXPECT_FALSE(folder->AutoSize());
    EXPECT_EQ(folder->BoundsRect().left, 20);
    EXPECT_EQ(folder->Width(), 260);
    EXPECT_EQ(folder->Height(), 40);
    EXPECT_TRUE(folder->CustomColors().Enabled());
    EXPECT_EQ(folder->DrawColors().Accent, toolkit::TColor(255));
    EXPECT_EQ(folder->CustomEditColors().LightNone, toolkit::TColor(65280));
    EXPECT_EQ(folder->TextFont().Height(), -14);
    // Reading raises no events; the handlers are there for the user's changes.
    EXPECT_EQ(described, 0);
    ASSERT_TRUE(folder->OnChange && folder->OnChangeValue);
    folder->OnChange(folder);
    folder->OnChangeValue(folder);
    EXPECT_EQ(described, 11);

    // Value is not applied while reading; the text that is no number becomes "0".
    auto* count = form.Find<lyra::LyEdit>(L"Count");
    ASSERT_NE(count, nullptr);
    EXPECT_EQ(count->Text(), L"0");
    EXPECT_EQ(count->Value(), 0);
}

} // namespace
