#pragma once
// Shared by the edit's tests: a white framework host with one focused edit on it, keys with
// modifiers as real input and typed characters through the message queue.
#include "buffered_controls.h"
#include "lyra/edit.h"
#include "tests/gui_support/gui_test_support.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace test {

enum Modifier : unsigned { NoModifier = 0, Shift = 1, Ctrl = 2, Alt = 4, AltGr = Ctrl | Alt };

// A key's press and release with the modifiers held (AltGr as Windows reports it: left Ctrl
// and right Alt), sent as real keyboard input to the focused window.
void KeyStroke(WORD key, unsigned modifiers = NoModifier);
// Posts one WM_CHAR per character to the focused window, as a keyboard layout produces them.
void TypeText(const std::wstring& text);

class EditTest : public GuiTest {
  protected:
    void SetUp() override;
    // Replaces the text and puts the caret at Position with a selection of Length.
    void Prepare(const std::wstring& text, int position = 0, int length = 0);
    // The right-button press and release at a client point, as the system sends them.
    void RightClick(POINT client);
    // Caret index, selection start and end, for readable failures.
    std::vector<int> Where() const {
        return {edit->Position(), edit->SelectionStart(), edit->SelectionEnd()};
    }

    std::unique_ptr<HostForm> host = std::make_unique<HostForm>(toolkit::clWhite);
    lyra::LyEdit* edit = nullptr;
    int changes = 0;
    int valueChanges = 0;
};

} // namespace test
