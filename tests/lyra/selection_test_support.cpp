#include "selection_test_support.h"

#include "lyra/class_names.h"
#include "lyra/check_box.h"
#include "lyra/radio_button.h"
#include "lyra/theme_manager.h"
#include "toolkit/description_reader.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace test {

void SelectionTest::SetUp() {
    GuiTest::SetUp();
    host->Show();
    Pump();
}

void ExpectSharedDefaults(lyra::LySelectionControl& control, const std::wstring& text,
                          int iconFontSize) {
    EXPECT_EQ(control.Text(), text);
    EXPECT_EQ(control.Width(), 180);
    EXPECT_EQ(control.Height(), 30);
    EXPECT_EQ(control.TextSpacing(), 6);
    EXPECT_TRUE(control.WordWrap());
    EXPECT_FLOAT_EQ(control.ImageScale(), 1.5f);
    EXPECT_EQ(control.Layout(), lyra::LyDrawLayout::Left);
    EXPECT_FALSE(control.AutomaticCursorPointer());
    EXPECT_FALSE(control.Image().Enabled());
    EXPECT_FALSE(control.CustomColors().Enabled());
    EXPECT_EQ(control.IconFont().Name(), lyra::ThemeManager().IconFont());
    EXPECT_EQ(control.IconFont().Size(), iconFontSize);
    EXPECT_TRUE(control.AutoFocusLine());
    EXPECT_FALSE(control.IsContainer());
}

int CountNear(const toolkit::Bitmap& bitmap, const RECT& area, toolkit::TColor color,
              int tolerance) {
    const unsigned wanted = Rgb(color);
    int count = 0;
    for (int y = std::max(0, int(area.top)); y < std::min(bitmap.Height(), int(area.bottom)); ++y)
        for (int x = std::max(0, int(area.left)); x < std::min(bitmap.Width(), int(area.right));
             ++x)
            if (NearRgb(PixelRgb(bitmap, x, y), wanted, tolerance)) ++count;
    return count;
}

int BufferCount(lyra::LySelectionControl& control, const RECT& area, toolkit::TColor color,
                int tolerance) {
    return CountNear(control.BufferBitmap(), area, color, tolerance);
}

int GlyphWidth(lyra::LySelectionControl& control) {
    toolkit::Bitmap scratch(1, 1);
    scratch.Canvas().Font().Assign(control.IconFont());
    return scratch.Canvas().TextWidth(L"\uE003");
}

void ReadSelectionDescription(toolkit::Form& form, std::wstring_view text,
                              const std::wstring& handlerName, toolkit::NotifyEvent handler) {
    lyra::RegisterFrameworkClasses();
    toolkit::HandlerTable handlers;
    handlers.Add<void(toolkit::Component*)>(handlerName, std::move(handler));
    toolkit::ReadComponent(form, text, L"test.form", handlers, {});
}

void LeftDown(toolkit::WinControl& control, POINT client, bool Double) {
    MouseMoveTo(control, client);
    SendMessageW(control.Handle(), Double ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, MK_LBUTTON,
                 MAKELPARAM(client.x, client.y));
}

void LeftUp(toolkit::WinControl& control, POINT client) {
    SendMessageW(control.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
}

} // namespace test
