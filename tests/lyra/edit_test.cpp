// The edit on a real window: keys and characters through the message queue, clicks, the
// clipboard, undo, the numbers-only and letter-case modes, the password mask in the pixels,
// scrolling of long text and the number rules it accepts.
#include "display_test_support.h"
#include "edit_test_support.h"
#include "lyra/edit_text.h"
#include "lyra/theme_manager.h"
#include "toolkit/clipboard.h"

#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using lyra::LyCharCase;
using lyra::LyEdit;
using lyra::LyLayout;
using test::Alt;
using test::AltGr;
using test::Ctrl;
using test::EditTest;
using test::KeyStroke;
using test::NoModifier;
using test::Shift;
using test::TypeText;
using Positions = std::vector<int>;

TEST(EditDefaults, StartWithTheirPublishedValues) {
    LyEdit fresh(nullptr);
    EXPECT_EQ(fresh.Text(), L"Hello World!");
    EXPECT_EQ(fresh.Width(), 150);
    EXPECT_EQ(fresh.Height(), 35);
    EXPECT_EQ(fresh.Position(), 0);
    EXPECT_EQ(fresh.SelectionLength(), 0);
    EXPECT_EQ(fresh.PasswordChar(), 0);
    EXPECT_EQ(fresh.Layout(), LyLayout::Center);
    EXPECT_EQ(fresh.LayoutHorizontal(), LyLayout::Beginning);
    EXPECT_EQ(fresh.TextHint(), L"");
    EXPECT_TRUE(fresh.ClearSelectionOnExit());
    EXPECT_TRUE(fresh.CanUndo());
    EXPECT_EQ(fresh.CharCase(), LyCharCase::Both);
    EXPECT_FALSE(fresh.NumbersOnly());
    EXPECT_TRUE(fresh.EnableSelection());
    EXPECT_TRUE(fresh.AutoSize());
    EXPECT_EQ(fresh.LineSize(), 2);
    EXPECT_EQ(fresh.Roundness(), 10);
    EXPECT_EQ(fresh.TextMarginX(), 5);
    EXPECT_EQ(fresh.TextMarginY(), 5);
    EXPECT_EQ(fresh.Detail(), lyra::LyDetailType::Underline);
    EXPECT_TRUE(fresh.HandleUpDown());
    EXPECT_FALSE(fresh.CustomColors().Enabled());
    EXPECT_FALSE(fresh.CustomEditColors().Enabled());
    EXPECT_EQ(fresh.Cursor(), toolkit::CursorKind::IBeam);
    EXPECT_TRUE(fresh.TabStop());
    EXPECT_FALSE(fresh.ParentColor());
    EXPECT_FALSE(fresh.AutoFocusLine());
    EXPECT_EQ(fresh.TextFont().Height(), lyra::ThemeManager().FormFontHeight());
    EXPECT_FALSE(fresh.IsContainer());
}

TEST(EditNumbers, OnlyASignAndDigitsThatFit64BitsParse) {
    const struct {
        std::wstring text;
        std::optional<std::int64_t> value;
    } cases[] = {
        {L"0", 0},
        {L"-42", -42},
        {L"+7", 7},
        {L"9223372036854775807", std::numeric_limits<std::int64_t>::max()},
        {L"-9223372036854775808", std::numeric_limits<std::int64_t>::min()},
        {L"9223372036854775808", std::nullopt},
        {L"-9223372036854775809", std::nullopt},
        {L"", std::nullopt},
        {L"-", std::nullopt},
        {L"12a", std::nullopt},
        {L" 12", std::nullopt},
        {L"1.5", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(lyra::ParseInt64(c.text), c.value);
    }
}

TEST_F(EditTest, HeightFollowsTheFont) {
    toolkit::Bitmap scratch(1, 1);
    auto expected = [&] {
        scratch.Canvas().Font().Assign(edit->TextFont());
        return scratch.Canvas().TextHeight(L"Ag") + edit->LineSize() + 2 * edit->TextMarginY();
    };
    EXPECT_EQ(edit->Height(), expected());
    edit->TextFont().SetHeight(-24);
    EXPECT_EQ(edit->Height(), expected());
    edit->SetAutoSize(false);
    edit->SetHeight(60);
    edit->TextFont().SetHeight(-12);
    EXPECT_EQ(edit->Height(), 60);
}

TEST_F(EditTest, TypingOverASelectionMakesTwoStepsOfUndo) {
    Prepare(L"abcd", 1, 2);
    TypeText(L"X");
    EXPECT_EQ(edit->Text(), L"aXd");
    EXPECT_EQ(Where(), (Positions{2, 2, 2}));
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(valueChanges, 2);
    EXPECT_EQ(edit->HistoryCount(), 2);

    KeyStroke('Z', Ctrl);
    EXPECT_EQ(edit->Text(), L"ad");
    EXPECT_EQ(Where(), (Positions{2, 2, 2}));
    KeyStroke('Z', Ctrl);
    EXPECT_EQ(edit->Text(), L"abcd");
    KeyStroke('Z', Ctrl);
    EXPECT_EQ(edit->Text(), L"abcd");
    // Undo raises no event.
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(valueChanges, 2);
}

TEST_F(EditTest, UndoAndAssignedTextKeepTheCaretInsideTheText) {
    Prepare(L"abcdef", 6);
    TypeText(L"gh");
    EXPECT_EQ(edit->Position(), 8);
    edit->Undo();
    EXPECT_EQ(edit->Text(), L"abcdefg");
    EXPECT_EQ(edit->Position(), 7);
    edit->Undo();
    EXPECT_EQ(edit->Position(), 6);

    Prepare(L"Hello world", 6, 5);
    edit->SetText(L"Hi");
    EXPECT_EQ(Where(), (Positions{2, 2, 2}));
    // Typing goes on at the end instead of beyond it.
    TypeText(L"!");
    EXPECT_EQ(edit->Text(), L"Hi!");
}

TEST_F(EditTest, AssigningTextRaisesOnlyOnChangeValueAndForgetsTheHistory) {
    Prepare(L"ab", 2);
    TypeText(L"c");
    ASSERT_EQ(edit->HistoryCount(), 1);
    changes = valueChanges = 0;
    edit->SetText(L"new");
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(valueChanges, 1);
    EXPECT_EQ(edit->HistoryCount(), 0);
    edit->SetValue(-17);
    EXPECT_EQ(edit->Text(), L"-17");
    EXPECT_EQ(edit->Value(), -17);
    edit->SetText(L"x1");
    EXPECT_EQ(edit->Value(), 0);
    // Beyond the text, or negative: ignored.
    edit->SetPosition(1);
    edit->SetPosition(3);
    edit->SetPosition(-1);
    EXPECT_EQ(edit->Position(), 1);
}

TEST_F(EditTest, CtrlArrowsJumpByWords) {
    const struct {
        int position, length;
        WORD key;
        unsigned modifiers;
        Positions expected; // caret, selection start, selection end
    } cases[] = {
        {0, 0, VK_RIGHT, Ctrl, {2, 2, 2}},
        {5, 0, VK_LEFT, Ctrl, {3, 3, 3}},
        {3, 0, VK_LEFT, Ctrl, {0, 0, 0}},
        {2, 0, VK_RIGHT, Ctrl, {5, 5, 5}},
        {0, 0, VK_RIGHT, Ctrl | Shift, {0, 0, 2}},
        {5, 0, VK_LEFT, Ctrl | Shift, {3, 5, 3}},
        // At the end there is nothing more to select.
        {5, 0, VK_RIGHT, Ctrl | Shift, {5, 5, 5}},
        {0, 0, VK_DOWN, Ctrl, {2, 2, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.position << " key " << c.key << " mods " << c.modifiers);
        Prepare(L"ab cd", c.position, c.length);
        KeyStroke(c.key, c.modifiers);
        EXPECT_EQ(Where(), c.expected);
        EXPECT_EQ(edit->Text(), L"ab cd");
    }
    Prepare(L"ab cd", 0);
    KeyStroke(VK_RIGHT, Ctrl | Shift);
    KeyStroke(VK_RIGHT, Ctrl | Shift);
    EXPECT_EQ(edit->Selection(), L"ab cd");
    KeyStroke(VK_RIGHT, Ctrl | Shift);
    EXPECT_EQ(edit->SelectionLength(), 5);
}

TEST_F(EditTest, ShiftExtendsTheSelectionFromItsAnchor) {
    Prepare(L"hello world", 5);
    KeyStroke(VK_END, Shift);
    EXPECT_EQ(Where(), (Positions{5, 5, 11}));
    EXPECT_EQ(edit->Selection(), L" world");
    KeyStroke(VK_HOME, Shift);
    EXPECT_EQ(Where(), (Positions{0, 5, 0}));
    EXPECT_EQ(edit->Selection(), L"hello");
    KeyStroke(VK_RIGHT, Shift);
    EXPECT_EQ(edit->Selection(), L"ello");
    KeyStroke(VK_LEFT, Shift);
    KeyStroke(VK_LEFT, Shift);
    EXPECT_EQ(edit->Selection(), L"hello");
    KeyStroke(VK_END);
    EXPECT_EQ(Where(), (Positions{11, 11, 11}));
    KeyStroke(VK_LEFT, Shift);
    KeyStroke(VK_UP, Shift);
    EXPECT_EQ(edit->Selection(), L"ld");
    // Plain arrows drop the selection: Left at its start, Right at its end.
    KeyStroke(VK_LEFT);
    EXPECT_EQ(Where(), (Positions{9, 9, 9}));
    KeyStroke(VK_RIGHT, Shift);
    KeyStroke(VK_RIGHT);
    EXPECT_EQ(Where(), (Positions{10, 10, 10}));
    KeyStroke(VK_HOME);
    EXPECT_EQ(Where(), (Positions{0, 0, 0}));

    edit->SetEnableSelection(false);
    KeyStroke(VK_END, Shift);
    EXPECT_EQ(Where(), (Positions{11, 11, 11}));
}

TEST_F(EditTest, CtrlASelectsEverythingAndTypingReplacesIt) {
    Prepare(L"old text", 3);
    KeyStroke('A', Ctrl);
    EXPECT_EQ(edit->Selection(), L"old text");
    TypeText(L"n");
    EXPECT_EQ(edit->Text(), L"n");
    EXPECT_EQ(Where(), (Positions{1, 1, 1}));
}

TEST_F(EditTest, BackspaceAndDeleteRemoveACharacterAWordOrTheSelection) {
    const struct {
        int position, length;
        WORD key;
        unsigned modifiers;
        std::wstring text;
        int caret;
    } cases[] = {
        {3, 0, VK_BACK, NoModifier, L"ab def", 2},   {0, 0, VK_BACK, NoModifier, L"abc def", 0},
        {7, 0, VK_BACK, Ctrl, L"abc ", 4},           {5, 0, VK_BACK, Ctrl, L"abc ef", 4},
        {1, 4, VK_BACK, NoModifier, L"aef", 1},      {1, 4, VK_BACK, Ctrl, L"aef", 1},
        {3, 0, VK_DELETE, NoModifier, L"abcdef", 3}, {7, 0, VK_DELETE, NoModifier, L"abc def", 7},
        {3, 0, VK_DELETE, Ctrl, L"abc", 3},          {0, 0, VK_DELETE, Ctrl, L" def", 0},
        {1, 4, VK_DELETE, NoModifier, L"aef", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.position << "+" << c.length << " key " << c.key
                                        << " mods " << c.modifiers);
        Prepare(L"abc def", c.position, c.length);
        KeyStroke(c.key, c.modifiers);
        EXPECT_EQ(edit->Text(), c.text);
        EXPECT_EQ(Where(), (Positions{c.caret, c.caret, c.caret}));
        EXPECT_EQ(changes, c.text == L"abc def" ? 0 : 1);
    }
}

TEST_F(EditTest, PastedLineBreaksGoAndTheCaretFollowsThePastedText) {
    toolkit::Clipboard::SetText(L"C:\\Program\r\nFiles\n");
    Prepare(L"[old]", 1, 3);
    KeyStroke('V', Ctrl);
    EXPECT_EQ(edit->Text(), L"[C:\\ProgramFiles]");
    EXPECT_EQ(Where(), (Positions{16, 16, 16}));
    EXPECT_EQ(changes, 1);
    edit->Undo();
    EXPECT_EQ(edit->Text(), L"[old]");

    Prepare(L"ab", 2);
    KeyStroke('V', Ctrl);
    EXPECT_EQ(edit->Text(), L"abC:\\ProgramFiles");
    EXPECT_EQ(edit->Position(), 17);
}

TEST_F(EditTest, CopyAndCutWithoutASelectionLeaveTheClipboardAlone) {
    toolkit::Clipboard::SetText(L"keep");
    Prepare(L"abc", 1);
    KeyStroke('C', Ctrl);
    KeyStroke('X', Ctrl);
    EXPECT_EQ(toolkit::Clipboard::Text(), L"keep");
    EXPECT_EQ(edit->Text(), L"abc");

    Prepare(L"abcdef", 1, 3);
    KeyStroke('C', Ctrl);
    EXPECT_EQ(toolkit::Clipboard::Text(), L"bcd");
    Prepare(L"abcdef", 4, 2);
    KeyStroke('X', Ctrl);
    EXPECT_EQ(toolkit::Clipboard::Text(), L"ef");
    EXPECT_EQ(edit->Text(), L"abcd");
    EXPECT_EQ(changes, 1);
}

TEST_F(EditTest, NumbersOnlyTakesDigitsAndWholeNumbers) {
    edit->SetNumbersOnly(true);
    // "Hello World!" is no number.
    EXPECT_EQ(edit->Text(), L"0");
    Prepare(L"12", 2);
    TypeText(L"a3-b4.");
    EXPECT_EQ(edit->Text(), L"1234");
    const struct {
        std::wstring pasted, text;
    } pastes[] = {{L"56x", L"1234"}, {L"-56", L"1234-56"}, {L"7\r\n", L"12347"}, {L"", L"1234"}};
    for (const auto& c : pastes) {
        SCOPED_TRACE(std::string(c.pasted.begin(), c.pasted.end()));
        Prepare(L"1234", 4);
        toolkit::Clipboard::SetText(c.pasted);
        KeyStroke('V', Ctrl);
        EXPECT_EQ(edit->Text(), c.text);
    }
    // An emptied field reads 0 once it loses the focus.
    Prepare(L"5", 1);
    KeyStroke(VK_BACK);
    EXPECT_EQ(edit->Text(), L"");
    SetFocus(nullptr);
    test::Pump();
    EXPECT_EQ(edit->Text(), L"0");
}

TEST_F(EditTest, CharCaseForcesAsciiLetters) {
    edit->SetCharCase(LyCharCase::Uppercase);
    EXPECT_EQ(edit->Text(), L"HELLO WORLD!");
    Prepare(L"", 0);
    TypeText(L"aB\u00e4z");
    EXPECT_EQ(edit->Text(), L"AB\u00e4Z");
    edit->SetCharCase(LyCharCase::Lowercase);
    EXPECT_EQ(edit->Text(), L"ab\u00e4z");
    edit->SetText(L"MiXeD");
    EXPECT_EQ(edit->Text(), L"mixed");
    toolkit::Clipboard::SetText(L"PASTE");
    KeyStroke(VK_END);
    KeyStroke('V', Ctrl);
    EXPECT_EQ(edit->Text(), L"mixedpaste");
    edit->SetCharCase(LyCharCase::Both);
    TypeText(L"Q");
    EXPECT_EQ(edit->Text(), L"mixedpasteQ");
}

TEST_F(EditTest, AltGrCharactersAreTypedAndRunNoShortcut) {
    Prepare(L"C:", 2);
    // German AltGr+ß gives "\", AltGr+Q "@"; Polish AltGr+Z gives "ż" and must not undo.
    const struct {
        WORD key;
        wchar_t character;
    } strokes[] = {{VK_OEM_4, L'\\'}, {'Q', L'@'}, {'Z', L'\u017c'}, {'A', L'\u0105'}};
    for (const auto& stroke : strokes) {
        test::KeyStroke(stroke.key, AltGr);
        TypeText(std::wstring(1, stroke.character));
    }
    EXPECT_EQ(edit->Text(), L"C:\\@\u017c\u0105");
    EXPECT_EQ(edit->Position(), 6);
    EXPECT_EQ(edit->HistoryCount(), 4);
    // Alt alone types nothing (Alt+letter is a menu's mnemonic).
    KeyStroke('D', Alt);
    EXPECT_EQ(edit->Text(), L"C:\\@\u017c\u0105");
}

TEST_F(EditTest, PasswordTextIsMaskedInThePixelsAndNeverCopied) {
    auto typed = [&](const std::wstring& text, wchar_t mask) {
        edit->SetPasswordChar(mask);
        Prepare(text, 0);
        SetFocus(nullptr);
        test::Pump();
        return test::Pixels(*test::Capture(*edit));
    };
    const auto masked = typed(L"secret", L'*');
    EXPECT_EQ(masked, typed(L"******", 0));
    EXPECT_NE(masked, typed(L"secret", 0));

    edit->SetFocus();
    test::Pump();
    edit->SetPasswordChar(L'*');
    toolkit::Clipboard::SetText(L"keep");
    Prepare(L"my secret", 0);
    KeyStroke('A', Ctrl);
    KeyStroke('C', Ctrl);
    KeyStroke('X', Ctrl);
    EXPECT_EQ(toolkit::Clipboard::Text(), L"keep");
    EXPECT_EQ(edit->Text(), L"my secret");
    // A password has no words: the jumps go to its ends.
    Prepare(L"my secret", 4);
    KeyStroke(VK_LEFT, Ctrl);
    EXPECT_EQ(edit->Position(), 0);
    KeyStroke(VK_RIGHT, Ctrl);
    EXPECT_EQ(edit->Position(), 9);
}

TEST_F(EditTest, ALongTextScrollsSoTheCaretStaysInTheField) {
    Prepare(std::wstring(80, L'm') + L"END", 0);
    ASSERT_TRUE(edit->ExtendsBounds());
    const int width = edit->TxtRect().right - edit->TxtRect().left;
    for (WORD key : {VK_END, VK_HOME, VK_END}) {
        KeyStroke(key);
        EXPECT_GE(edit->DrawPosition(), 0);
        EXPECT_LE(edit->DrawPosition(), width);
    }
    // At the end the caret keeps twice the line size from the edge.
    EXPECT_EQ(edit->DrawPosition(), width - 2 * edit->LineSize());

    // The caret's column, inverted over the focused fill, lies inside the field.
    ASSERT_TRUE(test::PumpUntil([&] { return edit->CaretShown(); }));
    const toolkit::Bitmap& buffer = edit->BufferBitmap();
    const int column = edit->TxtRect().left + edit->DrawPosition();
    const int middle = (edit->TxtRect().top + edit->TxtRect().bottom) / 2;
    const unsigned fill = test::Rgb(edit->EditColors().Press);
    EXPECT_EQ(test::PixelRgb(buffer, column, middle), fill ^ 0xFFFFFF);
    EXPECT_LT(column, edit->TxtRect().right);

    // Typing at the end scrolls on.
    const int cut = edit->CutPosition();
    TypeText(L"mmm");
    EXPECT_GT(edit->CutPosition(), cut);
    EXPECT_EQ(edit->DrawPosition(), width - 2 * edit->LineSize());
}

TEST_F(EditTest, TheCaretBlinksOnlyWhileFocused) {
    ASSERT_TRUE(test::PumpUntil([&] { return !edit->CaretShown(); }));
    ASSERT_TRUE(test::PumpUntil([&] { return edit->CaretShown(); }));
    // A key shows it again at once.
    ASSERT_TRUE(test::PumpUntil([&] { return !edit->CaretShown(); }));
    KeyStroke(VK_LEFT);
    EXPECT_TRUE(edit->CaretShown());

    SetFocus(nullptr);
    test::Pump();
    const bool shown = edit->CaretShown();
    test::PumpFor(GetCaretBlinkTime() * 3);
    EXPECT_EQ(edit->CaretShown(), shown);
}

TEST_F(EditTest, TheSystemCaretFollowsTheDrawnOne) {
    Prepare(L"abcdef", 0);
    POINT caret{};
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.x, edit->TxtRect().left + edit->DrawPosition());
    KeyStroke(VK_END);
    ASSERT_TRUE(GetCaretPos(&caret));
    EXPECT_EQ(caret.x, edit->TxtRect().left + edit->DrawPosition());
    EXPECT_GT(edit->DrawPosition(), 0);
}

TEST_F(EditTest, TheLineShowsTheAccentWhileFocused) {
    const RECT& line = edit->LineRect();
    const POINT onLine{(line.left + line.right) / 2, (line.top + line.bottom) / 2};
    EXPECT_EQ(test::PixelRgb(*test::Capture(*edit), onLine.x, onLine.y),
              test::Rgb(edit->DrawColors().Accent));
    SetFocus(nullptr);
    test::Pump();
    EXPECT_EQ(edit->LineColor(), edit->DrawColors().BackGroundInterior);
    EXPECT_EQ(test::PixelRgb(*test::Capture(*edit), onLine.x, onLine.y),
              test::Rgb(edit->DrawColors().BackGroundInterior));
}

TEST_F(EditTest, TheHintShowsWhileTheTextIsEmpty) {
    SetFocus(nullptr);
    test::Pump();
    Prepare(L"", 0);
    const auto empty = test::Pixels(*test::Capture(*edit));
    edit->SetTextHint(L"Folder");
    const auto hinted = test::Pixels(*test::Capture(*edit));
    EXPECT_NE(empty, hinted);
    edit->SetText(L"x");
    edit->SetText(L"");
    EXPECT_EQ(test::Pixels(*test::Capture(*edit)), hinted);
}

TEST_F(EditTest, ClicksPlaceTheCaretAndDragsSelect) {
    Prepare(L"ab cd", 0);
    toolkit::Bitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(edit->TextFont());
    auto xAfter = [&](int count) {
        return edit->TxtRect().left - edit->CutPosition() +
               scratch.Canvas().TextWidth(edit->Text().substr(0, count));
    };
    const int middle = (edit->TxtRect().top + edit->TxtRect().bottom) / 2;
    const int lastWidth = xAfter(5) - xAfter(4);
    // The right half of the last character, and beyond the text: the end.
    test::Click(*edit, {xAfter(5) - lastWidth / 4, middle});
    EXPECT_EQ(Where(), (Positions{5, 5, 5}));
    test::Click(*edit, {xAfter(4) + lastWidth / 4, middle});
    EXPECT_EQ(Where(), (Positions{4, 4, 4}));
    test::Click(*edit, {edit->Width() - 3, middle});
    EXPECT_EQ(edit->Position(), 5);
    test::Click(*edit, {xAfter(1) + 1, middle});
    EXPECT_EQ(edit->Position(), 1);

    // A drag from after "a" to after "c" selects "b c".
    test::MouseMoveTo(*edit, {xAfter(1), middle});
    SendMessageW(edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(xAfter(1), middle));
    SendMessageW(edit->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(xAfter(4), middle));
    SendMessageW(edit->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(xAfter(4), middle));
    EXPECT_EQ(edit->Selection(), L"b c");
    EXPECT_EQ(Where(), (Positions{1, 1, 4}));

    // Shift+click moves the free end, the anchor stays.
    SendMessageW(edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT,
                 MAKELPARAM(xAfter(0), middle));
    SendMessageW(edit->Handle(), WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(xAfter(0), middle));
    EXPECT_EQ(Where(), (Positions{0, 1, 0}));

    // A double click selects the word under the mouse.
    const LPARAM onD = MAKELPARAM(xAfter(4) + 1, middle);
    SendMessageW(edit->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, onD);
    SendMessageW(edit->Handle(), WM_LBUTTONUP, 0, onD);
    SendMessageW(edit->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, onD);
    SendMessageW(edit->Handle(), WM_LBUTTONUP, 0, onD);
    EXPECT_EQ(edit->Selection(), L"cd");
    EXPECT_TRUE(edit->Focused());
}

} // namespace
