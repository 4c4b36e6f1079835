#include "lyra/text_layout.h"

#include "lyra/text_wrap.h"

#include <cmath>
#include <numeric>

namespace lyra {

namespace {

RECT Inset(const RECT& rect, int inset) {
    return {rect.left + inset, rect.top + inset, rect.right - inset, rect.bottom - inset};
}

bool Wraps(toolkit::Canvas& canvas, const std::wstring& text, const RECT& rect, LyTextFlags flags) {
    return flags.Contains(LyTextFlag::WordWrap) ||
           (flags.Contains(LyTextFlag::Auto) && canvas.TextWidth(text) > rect.right - rect.left);
}

// Wrapped lines and where the first one starts.
struct WrappedText {
    std::vector<std::wstring> lines;
    std::vector<int> heights;
    int top = 0;
    int total = 0;
};

WrappedText LayOut(toolkit::Canvas& canvas, const std::wstring& text, const RECT& rect,
                   LyTextFlags flags) {
    WrappedText wrapped;
    wrapped.lines = WrapTextLines(canvas, text, rect);
    for (const auto& line : wrapped.lines)
        wrapped.heights.push_back(LineHeight(canvas, line));
    wrapped.total = std::accumulate(wrapped.heights.begin(), wrapped.heights.end(), 0);
    const int height = rect.bottom - rect.top;
    wrapped.top = rect.top;
    if (flags.Contains(LyTextFlag::VerticalCenter))
        wrapped.top += int(std::lround(height / 2.0 - wrapped.total / 2.0));
    else if (flags.Contains(LyTextFlag::Bottom))
        wrapped.top += height - wrapped.total;
    return wrapped;
}

UINT HorizontalFormat(LyTextFlags flags) {
    UINT format = flags.Contains(LyTextFlag::NoClip) ? DT_NOCLIP : 0;
    if (flags.Contains(LyTextFlag::Center)) return format | DT_CENTER;
    if (flags.Contains(LyTextFlag::Right)) return format | DT_RIGHT;
    return format | DT_LEFT;
}

} // namespace

void DrawTextRect(toolkit::Canvas& canvas, const RECT& rect, const std::wstring& text,
                  LyTextFlags flags, int inset) {
    RECT area = Inset(rect, inset);
    if (text.empty()) return;
    const UINT format = DT_SINGLELINE | HorizontalFormat(flags);
    if (!Wraps(canvas, text, area, flags)) {
        UINT vertical = 0;
        if (flags.Contains(LyTextFlag::VerticalCenter))
            vertical = DT_VCENTER;
        else if (flags.Contains(LyTextFlag::Bottom))
            vertical = DT_BOTTOM;
        canvas.TextRect(area, text, format | vertical);
        return;
    }
    const WrappedText wrapped = LayOut(canvas, text, area, flags);
    int y = wrapped.top;
    for (std::size_t i = 0; i < wrapped.lines.size(); ++i) {
        RECT band{area.left, y, area.right, y + wrapped.heights[i]};
        canvas.TextRect(band, wrapped.lines[i], format);
        y = band.bottom;
    }
}

RECT MeasureTextRect(toolkit::Canvas& canvas, const RECT& rect, const std::wstring& text,
                     LyTextFlags flags, int inset) {
    const RECT area = Inset(rect, inset);
    if (text.empty() || !Wraps(canvas, text, area, flags)) return area;
    const WrappedText wrapped = LayOut(canvas, text, area, flags);
    return {area.left, wrapped.top, area.right, wrapped.top + wrapped.total};
}

std::vector<std::wstring> WrapTextLines(toolkit::Canvas& canvas, const std::wstring& text,
                                        const RECT& rect) {
    return WrapWords(text, rect.right - rect.left,
                     [&canvas](const std::wstring& word) { return canvas.TextWidth(word); });
}

int LineHeight(toolkit::Canvas& canvas, const std::wstring& line) {
    return canvas.TextHeight(line.empty() ? L"|" : line);
}

int FitFontHeight(toolkit::Canvas& canvas, const std::wstring& text, int width, int height) {
    if (text.empty()) return 0;
    toolkit::Font& font = canvas.Font();
    int fontHeight = -10;
    font.SetHeight(fontHeight);
    SIZE extent = canvas.TextExtent(text);
    while (extent.cx < width && extent.cy < height) {
        font.SetHeight(--fontHeight);
        extent = canvas.TextExtent(text);
    }
    while ((extent.cx > width || extent.cy > height) && fontHeight < -1) {
        font.SetHeight(++fontHeight);
        extent = canvas.TextExtent(text);
    }
    return fontHeight;
}

} // namespace lyra
