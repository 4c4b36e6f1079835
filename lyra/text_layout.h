#pragma once
// Text in rectangles with the framework's own word wrapping and alignment flags.
#include "toolkit/canvas.h"
#include "toolkit/enum_set.h"

#include <windows.h>

#include <string>
#include <vector>

namespace lyra {

// Top, HotkeyChars and the trim flags are kept for the stored window descriptions; drawing
// does not change with them. An ampersand always marks an accelerator.
enum class LyTextFlag {
    WordWrap,
    Top,
    VerticalCenter,
    Bottom,
    Left,
    Center,
    Right,
    Auto,
    NoClip,
    HotkeyChars,
    TrimCutoff,
    TrimDots,
    TrimCharacter,
    TrimWord,
    TrimPath
};
using LyTextFlags = toolkit::EnumSet<LyTextFlag>;

// Draws the text inside rect shrunk by inset on every side; Auto wraps only text wider than
// that. Wrapped lines stack from the top, the middle or the bottom as the flags say.
void DrawTextRect(toolkit::Canvas& canvas, const RECT& rect, const std::wstring& text,
                  LyTextFlags flags, int inset = 0);
// Where DrawTextRect puts wrapped text: the inset rectangle's left and right, the top and
// bottom of the lines. Text on a single line gets the inset rectangle itself.
RECT MeasureTextRect(toolkit::Canvas& canvas, const RECT& rect, const std::wstring& text,
                     LyTextFlags flags, int inset = 0);

// The lines of text wrapped at the width of rect with the canvas's font.
std::vector<std::wstring> WrapTextLines(toolkit::Canvas& canvas, const std::wstring& text,
                                        const RECT& rect);
// The height of the line in the canvas's font; an empty line is as high as any other.
int LineHeight(toolkit::Canvas& canvas, const std::wstring& line);
// The font height (negative: character height in pixels) that makes the text as large as
// fits width x height; the canvas font keeps it. 0 for empty text.
int FitFontHeight(toolkit::Canvas& canvas, const std::wstring& text, int width, int height);

} // namespace lyra
