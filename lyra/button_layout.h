#pragma once
// Where a button puts its text, its icon and its drop-down chevron.
#include "lyra/layouts.h"
#include "lyra/text_layout.h"

#include <windows.h>

namespace lyra {

// What the layout depends on, measured by the button.
struct LyButtonLayoutInput {
    RECT DrawRect{};        // the client rectangle without the padding
    int LineHeight = 0;     // the height of a line of text in the button's font
    int TextWidth = 0;      // the width of the text shown, 0 when no text is shown
    int Margin = 0;         // the extra inner margin
    double LineWidth = 0;   // the width of the underline or outline
    bool Indicator = false; // room for a drop-down chevron at the right
    bool IconShown = false;
    bool WordWrap = true;     // wrap the text beside an icon
    double ImageScale = 1.25; // the icon's size in text lines
    LyDrawLayout ImageLayout = LyDrawLayout::Left;
    LyLayout Horizontal = LyLayout::Center;
    LyLayout Vertical = LyLayout::Center;
};

struct LyButtonLayout {
    RECT DrawRect{};      // the shape
    RECT CaptionRect{};   // the area of text and icon
    RECT IndicatorRect{}; // the chevron of a drop-down button
    RECT ImageRect{};
    RECT TheTextRect{};
    LyTextFlags TextDrawFlags;
};

// The gap between the icon and the text, pixels.
inline constexpr int ButtonIconGap = 5;

LyButtonLayout ComputeButtonLayout(const LyButtonLayoutInput& Input);

} // namespace lyra
