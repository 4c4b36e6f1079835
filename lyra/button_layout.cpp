#include "lyra/button_layout.h"

#include <algorithm>
#include <cmath>

namespace lyra {

namespace {

int WidthOf(const RECT& rect) {
    return rect.right - rect.left;
}
int HeightOf(const RECT& rect) {
    return rect.bottom - rect.top;
}

// Where a block of the given length starts within a space: at its beginning, in the middle,
// or at its end.
int PlaceAlong(LyLayout Layout, int SpaceStart, int SpaceLength, int BlockLength) {
    switch (Layout) {
    case LyLayout::Beginning:
        return SpaceStart;
    case LyLayout::Center:
        return SpaceStart + int(std::lround((SpaceLength - BlockLength) / 2.0));
    case LyLayout::Ending:
        break;
    }
    return SpaceStart + SpaceLength - BlockLength;
}

LyTextFlag HorizontalFlag(LyLayout Layout) {
    switch (Layout) {
    case LyLayout::Beginning:
        return LyTextFlag::Left;
    case LyLayout::Center:
        return LyTextFlag::Center;
    case LyLayout::Ending:
        break;
    }
    return LyTextFlag::Right;
}

LyTextFlag VerticalFlag(LyLayout Layout) {
    switch (Layout) {
    case LyLayout::Beginning:
        return LyTextFlag::Top;
    case LyLayout::Center:
        return LyTextFlag::VerticalCenter;
    case LyLayout::Ending:
        break;
    }
    return LyTextFlag::Bottom;
}

// How far an icon of the given size moves into a space to sit at its beginning, middle or end.
int IconOffset(LyLayout Layout, int SpaceLength, int IconSize) {
    switch (Layout) {
    case LyLayout::Beginning:
        return 0;
    case LyLayout::Center:
        return (SpaceLength - IconSize) / 2;
    case LyLayout::Ending:
        break;
    }
    return SpaceLength - IconSize;
}

// Icon and text side by side, the icon left or right of the text.
void PlaceSideBySide(const LyButtonLayoutInput& Input, int IconSize, LyButtonLayout& Layout) {
    const RECT& caption = Layout.CaptionRect;
    const int width = WidthOf(caption), height = HeightOf(caption);
    // A text too wide for the room beside the icon is cut to it, and so starts at the left.
    const int textWidth = std::min(Input.TextWidth, width - IconSize);
    const int x = PlaceAlong(Input.Horizontal, caption.left, width, textWidth + IconSize);
    Layout.TextDrawFlags.Include(LyTextFlag::Left);
    if (Input.ImageLayout == LyDrawLayout::Left) {
        Layout.ImageRect.left = x;
        Layout.TheTextRect.left = x + IconSize + ButtonIconGap;
    } else {
        Layout.TheTextRect.left = x;
        Layout.ImageRect.left = x + textWidth + ButtonIconGap;
    }
    Layout.ImageRect.right = Layout.ImageRect.left + IconSize;
    Layout.TheTextRect.right = Layout.TheTextRect.left + textWidth;

    Layout.TextDrawFlags.Include(VerticalFlag(Input.Vertical));
    Layout.ImageRect.top = caption.top + IconOffset(Input.Vertical, height, IconSize);
    Layout.ImageRect.bottom = Layout.ImageRect.top + IconSize;
}

// Icon and text stacked, the icon above or below the text.
void PlaceStacked(const LyButtonLayoutInput& Input, int IconSize, LyButtonLayout& Layout) {
    const RECT& caption = Layout.CaptionRect;
    const int width = WidthOf(caption), height = HeightOf(caption);
    int textHeight = 0;
    if (Input.TextWidth > 0) {
        const int lines = int(std::ceil(double(Input.TextWidth) / std::max(width, 1)));
        textHeight = Input.LineHeight * lines;
    }
    // A text too high for the room the icon leaves is cut to it, and so starts at the top.
    textHeight = std::min(textHeight, height - IconSize);
    const int y = caption.top + IconOffset(Input.Vertical, height, textHeight + IconSize);
    if (Input.ImageLayout == LyDrawLayout::Top) {
        Layout.TextDrawFlags.Include(LyTextFlag::Top);
        Layout.ImageRect.top = y;
        Layout.TheTextRect.top = y + IconSize + ButtonIconGap;
    } else {
        Layout.TextDrawFlags.Include(LyTextFlag::Bottom);
        Layout.TheTextRect.top = y;
        Layout.ImageRect.top = y + textHeight + ButtonIconGap;
    }
    Layout.ImageRect.bottom = Layout.ImageRect.top + IconSize;
    Layout.TheTextRect.bottom = Layout.TheTextRect.top + textHeight;

    Layout.TextDrawFlags.Include(HorizontalFlag(Input.Horizontal));
    Layout.ImageRect.left = caption.left + IconOffset(Input.Horizontal, width, IconSize);
    Layout.ImageRect.right = Layout.ImageRect.left + IconSize;
}

// The caption area, widened for a text that is wider than it: a word too wide for its
// rectangle would be wrapped onto a second line, below the middle, and cut at both ends. The
// text may take the padding up to the shape's line and up to the chevron's column.
RECT TextRoom(const LyButtonLayoutInput& Input, const LyButtonLayout& Layout, int lineInset) {
    RECT room = Layout.CaptionRect;
    const int width = std::max(WidthOf(room), 0);
    const int leftmost = int(Input.DrawRect.left) + lineInset;
    const int rightmost =
        Input.Indicator ? int(Layout.IndicatorRect.left) : int(Input.DrawRect.right) - lineInset;
    if (Input.TextWidth <= width || rightmost - leftmost <= width) return room;
    const int left = std::max(leftmost, int(room.left) - (Input.TextWidth - width) / 2);
    room.right = std::min(rightmost, left + Input.TextWidth);
    room.left = std::max(leftmost, int(room.right) - Input.TextWidth);
    return room;
}

} // namespace

LyButtonLayout ComputeButtonLayout(const LyButtonLayoutInput& Input) {
    LyButtonLayout layout;
    layout.DrawRect = Input.DrawRect;
    layout.CaptionRect = Input.DrawRect;
    const int lineInset = Input.Margin + int(std::lround(Input.LineWidth));
    const int inset = lineInset + 5;
    InflateRect(&layout.CaptionRect, -inset, -inset);

    if (Input.Indicator) {
        layout.IndicatorRect = layout.CaptionRect;
        const int indicatorWidth = std::max(Input.LineHeight, 30);
        layout.CaptionRect.right -= indicatorWidth + 5;
        layout.IndicatorRect.left = layout.CaptionRect.right + 5;
    }

    if (!Input.IconShown) {
        // Without an icon the text always wraps and sits in the middle of the height.
        layout.TheTextRect = TextRoom(Input, layout, lineInset);
        layout.TextDrawFlags = {LyTextFlag::WordWrap, LyTextFlag::VerticalCenter,
                                HorizontalFlag(Input.Horizontal)};
        return layout;
    }

    if (Input.WordWrap) layout.TextDrawFlags.Include(LyTextFlag::WordWrap);
    const int iconSize = int(std::lround(Input.LineHeight * Input.ImageScale));
    layout.ImageRect = layout.TheTextRect = layout.CaptionRect;
    if (Input.ImageLayout == LyDrawLayout::Left || Input.ImageLayout == LyDrawLayout::Right)
        PlaceSideBySide(Input, iconSize, layout);
    else
        PlaceStacked(Input, iconSize, layout);
    return layout;
}

} // namespace lyra
