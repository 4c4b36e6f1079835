// The rich-text view: appended lines, selection, bold and colour, plain-text copying.
#include "tests/gui_support/gui_test_support.h"

#include "toolkit/clipboard.h"
#include "toolkit/form.h"
#include "toolkit/rich_edit.h"

#include <memory>

namespace {

using toolkit::FontStyle;

class RichEditTest : public test::GuiTest {
  protected:
    void SetUp() override {
        GuiTest::SetUp();
        form = std::make_unique<toolkit::Form>(nullptr);
        sheet = new toolkit::RichEdit(form.get());
        sheet->SetBounds(0, 0, 300, 120);
        sheet->SetParent(form.get());
    }
    std::unique_ptr<toolkit::Form> form;
    toolkit::RichEdit* sheet = nullptr;
};

TEST_F(RichEditTest, AppendsLinesAndMakesTheLastOneBold) {
    sheet->SetReadOnly(true);
    sheet->SetScrollBars(toolkit::ScrollBarsKind::Vertical);
    form->Show();
    sheet->AppendLine(L"\U0001F882 Program information");
    // Make the header's words bold: from after the arrow and space to the end.
    sheet->Select(3, sheet->TextLength() - 3);
    sheet->SetSelectionStyle({FontStyle::Bold});
    sheet->Select(sheet->TextLength(), 0);
    sheet->SetSelectionStyle({});
    sheet->AppendLine(L"Program name: Quillpad");

    EXPECT_EQ(sheet->Text(), L"\U0001F882 Program information\r\nProgram name: Quillpad\r\n");
    EXPECT_EQ(sheet->LineCount(), 2);
    EXPECT_EQ(sheet->Lines()[1], L"Program name: Quillpad");
    // The arrow counts two positions, a line break one.
    sheet->Select(3, 7);
    EXPECT_EQ(sheet->SelectedText(), L"Program");
    EXPECT_TRUE(sheet->SelectionStyle().Contains(FontStyle::Bold));
    sheet->Select(0, 2);
    EXPECT_FALSE(sheet->SelectionStyle().Contains(FontStyle::Bold));
    sheet->Select(23, 7);
    EXPECT_EQ(sheet->SelectedText(), L"Program");
    EXPECT_FALSE(sheet->SelectionStyle().Contains(FontStyle::Bold));
    EXPECT_TRUE(GetWindowLongW(sheet->Handle(), GWL_STYLE) & ES_READONLY);
    // The vertical bar appears once the text is taller than the view.
    for (int i = 0; i < 30; ++i)
        sheet->AppendLine(L"more");
    test::Pump();
    EXPECT_TRUE(GetWindowLongW(sheet->Handle(), GWL_STYLE) & WS_VSCROLL);
}

TEST_F(RichEditTest, ColoursTextAndCopiesPlainText) {
    sheet->Font().SetColor(toolkit::clWhite);
    sheet->SetColor(toolkit::clBlack);
    sheet->SetLines({L"first", L"second"}); // before the window exists
    EXPECT_EQ(sheet->Text(), L"first\r\nsecond\r\n");
    form->Show();
    EXPECT_EQ(sheet->Text(), L"first\r\nsecond\r\n");
    sheet->Select(0, 1);
    EXPECT_EQ(sheet->SelectionColor(), toolkit::TColor(RGB(255, 255, 255)));
    sheet->Select(6, 6);
    sheet->SetSelectionColor(toolkit::clRed);
    EXPECT_EQ(sheet->SelectionColor(), toolkit::TColor(RGB(255, 0, 0)));

    // All of it at once, styles and selection kept.
    sheet->Select(0, 1);
    sheet->SetSelectionStyle({FontStyle::Bold});
    sheet->Select(2, 3);
    sheet->SetAllTextColor(toolkit::clBlue);
    EXPECT_EQ(sheet->SelStart(), 2);
    sheet->Select(0, sheet->TextLength());
    EXPECT_EQ(sheet->SelectionColor(), toolkit::TColor(RGB(0, 0, 255)));
    sheet->Select(0, 1);
    EXPECT_TRUE(sheet->SelectionStyle().Contains(FontStyle::Bold));

    sheet->Select(0, sheet->TextLength());
    sheet->CopyToClipboard();
    EXPECT_EQ(toolkit::Clipboard::Text(), L"first\r\nsecond\r\n");
    sheet->Clear();
    EXPECT_EQ(sheet->Text(), L"");
    EXPECT_EQ(sheet->LineCount(), 0);
}

TEST_F(RichEditTest, TextInTheFontColourFollowsANewOneUnlessColouredOnItsOwn) {
    sheet->Font().SetColor(toolkit::clWhite);
    sheet->SetLines({L"first", L"second"});
    form->Show();
    // A theme switch: text in the control's colour takes the new one.
    sheet->Font().SetColor(toolkit::clBlue);
    sheet->Select(0, 1);
    EXPECT_EQ(sheet->SelectionColor(), toolkit::TColor(RGB(0, 0, 255)));
    // Once a run has a colour of its own, the others keep theirs too.
    sheet->Select(6, 6);
    sheet->SetSelectionColor(toolkit::clRed);
    sheet->Font().SetColor(toolkit::clLime);
    sheet->Select(0, 1);
    EXPECT_EQ(sheet->SelectionColor(), toolkit::TColor(RGB(0, 0, 255)));
    sheet->Select(6, 6);
    EXPECT_EQ(sheet->SelectionColor(), toolkit::TColor(RGB(255, 0, 0)));
}

TEST_F(RichEditTest, FilledBeforeItsFormHasAWindowItGetsOneWindowThatPaints) {
    // The sheet asks for its window first; the form's window is made on the way.
    sheet->AppendLine(L"line");
    ASSERT_TRUE(form->HandleAllocated());
    int windows = 0;
    EnumChildWindows(
        form->Handle(),
        [](HWND, LPARAM count) -> BOOL {
            ++*reinterpret_cast<int*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    EXPECT_EQ(windows, 1);
    EXPECT_EQ(GetParent(sheet->Handle()), form->Handle());
    form->Show();
    test::Pump();
    EXPECT_FALSE(GetUpdateRect(sheet->Handle(), nullptr, FALSE)) << "nothing left unpainted";
    EXPECT_EQ(sheet->Text(), L"line\r\n");
}

TEST_F(RichEditTest, ArrowsStayInTheViewWhileTabMovesOn) {
    sheet->SetLines({L"one", L"two"});
    form->Show();
    sheet->SetFocus();
    test::PressKey(VK_DOWN);
    EXPECT_TRUE(sheet->Focused());
}

} // namespace
