#pragma once
// Shared by the check box and radio button tests: a shown white framework form to put them
// on, pixel counts over areas of a buffer, and left-button messages as the system sends them.
#include "buffered_controls.h"
#include "lyra/selection_control.h"
#include "tests/gui_support/gui_test_support.h"
#include "toolkit/bitmap.h"
#include "toolkit/form.h"

#include <memory>
#include <string>
#include <string_view>

namespace test {

class SelectionTest : public GuiTest {
  protected:
    void SetUp() override;
    std::unique_ptr<HostForm> host = std::make_unique<HostForm>(toolkit::clWhite);
};

// The defaults both controls share; the caption and the icon font's size are their own.
void ExpectSharedDefaults(lyra::LySelectionControl& control, const std::wstring& text,
                          int iconFontSize);
// How many pixels of the area are within tolerance (per channel) of the colour.
int CountNear(const toolkit::Bitmap& bitmap, const RECT& area, toolkit::TColor color,
              int tolerance = 24);
// How many pixels of the control's buffer in that area have the colour.
int BufferCount(lyra::LySelectionControl& control, const RECT& area, toolkit::TColor color,
                int tolerance = 24);
// The width of the empty box glyph in the control's icon font, as the layout measures it.
int GlyphWidth(lyra::LySelectionControl& control);
// Reads a window description of check boxes and radio buttons into the form, with one
// handler of the notify kind under that name.
void ReadSelectionDescription(toolkit::Form& form, std::wstring_view text,
                              const std::wstring& handlerName, toolkit::NotifyEvent handler);
// A left press (Double: the second press of a double click) or release at a client point.
void LeftDown(toolkit::WinControl& control, POINT client, bool Double = false);
void LeftUp(toolkit::WinControl& control, POINT client);

} // namespace test
