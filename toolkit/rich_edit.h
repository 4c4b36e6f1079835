#pragma once
// A rich-text view on the system's RichEdit control: lines appended at the end, selection,
// bold and colour for the selection, word wrap, scroll bars, and plain-text copying.
// Positions count a line break as one character, as the control does.
#include "toolkit/font.h"
#include "toolkit/win_control.h"

#include <optional>
#include <string>
#include <vector>

namespace toolkit {

enum class ScrollBarsKind { None, Horizontal, Vertical, Both };

class RichEdit : public WinControl {
  public:
    explicit RichEdit(Component* owner);

    // The whole text, lines ending with "\r\n".
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    void Clear() { SetText(L""); }
    // Adds a line and a line break at the end, in the format found there.
    void AppendLine(const std::wstring& line);
    std::vector<std::wstring> Lines() const;
    void SetLines(const std::vector<std::wstring>& lines);
    int LineCount() const;
    // Characters of text, a line break counting one.
    int TextLength() const;

    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    void Select(int start, int length);
    std::wstring SelectedText() const;
    // The format of the selection (of the character after the caret when nothing is
    // selected, and of what is typed or appended there next).
    FontStyleSet SelectionStyle() const;
    void SetSelectionStyle(FontStyleSet style);
    TColor SelectionColor() const;
    void SetSelectionColor(TColor color);
    // Colours all of the text at once, its bold and other styles kept, the selection untouched.
    void SetAllTextColor(TColor color);
    // Puts the selection on the clipboard as plain text.
    void CopyToClipboard() const;

    bool ReadOnly() const { return readOnly_; }
    void SetReadOnly(bool value);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool value);
    ScrollBarsKind ScrollBars() const { return scrollBars_; }
    void SetScrollBars(ScrollBarsKind bars);
    FrameStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(FrameStyle style);

    void KeyDownNotification(WORD key, ShiftState shift, bool& allowNavigation) override;

  protected:
    void CreateParams(WindowParams& params) override;
    void CreateWnd() override;
    void FontChanged() override;
    void ColorChanged() override;

  private:
    // The window's handle, made if needed; the const text queries need it as well.
    HWND Window() const { return const_cast<RichEdit*>(this)->Handle(); }
    void ApplyDefaultFormat();
    // The colour of the whole text when it has one colour.
    std::optional<COLORREF> UniformTextColor() const;
    void ApplyWordWrap();

    bool readOnly_ = false;
    bool wordWrap_ = true;
    ScrollBarsKind scrollBars_ = ScrollBarsKind::None;
    FrameStyle borderStyle_ = FrameStyle::Single;
    // The font colour last given to text without a colour of its own.
    std::optional<COLORREF> defaultTextColor_;
    // Text set before the window exists.
    std::optional<std::wstring> pendingText_;
};

} // namespace toolkit
