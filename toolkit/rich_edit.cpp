#include "toolkit/rich_edit.h"

#include "toolkit/clipboard.h"
#include "toolkit/error.h"
#include "toolkit/system_library.h"

#include <richedit.h>

namespace toolkit {

namespace {
const EnumNames<ScrollBarsKind>& ScrollBarsNames() {
    static const EnumNames<ScrollBarsKind> names = {{L"None", ScrollBarsKind::None},
                                                    {L"Horizontal", ScrollBarsKind::Horizontal},
                                                    {L"Vertical", ScrollBarsKind::Vertical},
                                                    {L"Both", ScrollBarsKind::Both}};
    return names;
}

// The newest rich edit the system has: RichEdit 4.1 (Msftedit), else 2.0/3.0.
const wchar_t* RichEditClass() {
    static const wchar_t* name = [] {
        if (SystemLibrary(L"Msftedit.dll")) return MSFTEDIT_CLASS;
        if (SystemLibrary(L"Riched20.dll")) return RICHEDIT_CLASSW;
        throw Error(L"The system's rich edit control is missing");
    }();
    return name;
}

CHARFORMAT2W Format(DWORD mask) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof(format);
    format.dwMask = mask;
    return format;
}
} // namespace

RichEdit::RichEdit(Component* owner) : WinControl(owner) {
    SetBounds(0, 0, 185, 89);
    SetColor(clWindow);
    SetTabStop(true);
    Publish(L"Lines", &RichEdit::Lines, &RichEdit::SetLines);
    Publish(L"ReadOnly", &RichEdit::ReadOnly, &RichEdit::SetReadOnly);
    Publish(L"WordWrap", &RichEdit::WordWrap, &RichEdit::SetWordWrap);
    PublishEnum(L"ScrollBars", &RichEdit::ScrollBars, &RichEdit::SetScrollBars, ScrollBarsNames());
    PublishEnum(L"BorderStyle", &RichEdit::BorderStyle, &RichEdit::SetBorderStyle,
                FrameStyleNames());
}

void RichEdit::CreateParams(WindowParams& params) {
    WinControl::CreateParams(params);
    params.systemClass = RichEditClass();
    params.style |= ES_MULTILINE | ES_NOHIDESEL | ES_SAVESEL;
    if (readOnly_) params.style |= ES_READONLY;
    if (scrollBars_ == ScrollBarsKind::Vertical || scrollBars_ == ScrollBarsKind::Both)
        params.style |= WS_VSCROLL | ES_AUTOVSCROLL;
    if (scrollBars_ == ScrollBarsKind::Horizontal || scrollBars_ == ScrollBarsKind::Both)
        params.style |= WS_HSCROLL;
    if (!wordWrap_) params.style |= ES_AUTOHSCROLL;
    if (borderStyle_ == FrameStyle::Single) params.exStyle |= WS_EX_CLIENTEDGE;
}

void RichEdit::CreateWnd() {
    WinControl::CreateWnd();
    HWND window = ExistingHandle();
    // Rich edits stop at 32K characters unless told otherwise.
    SendMessageW(window, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
    ApplyWordWrap();
    ApplyDefaultFormat();
    if (pendingText_) {
        SetWindowTextW(window, pendingText_->c_str());
        pendingText_.reset();
    }
}

std::wstring RichEdit::Text() const {
    if (pendingText_) return *pendingText_;
    if (!ExistingHandle()) return {};
    GETTEXTLENGTHEX lengthQuery{GTL_USECRLF | GTL_NUMCHARS | GTL_PRECISE, 1200};
    LRESULT length = SendMessageW(Window(), EM_GETTEXTLENGTHEX, WPARAM(&lengthQuery), 0);
    std::wstring text(std::size_t(length) + 1, L'\0');
    GETTEXTEX query{DWORD(text.size() * sizeof(wchar_t)), GT_USECRLF, 1200, nullptr, nullptr};
    LRESULT copied = SendMessageW(Window(), EM_GETTEXTEX, WPARAM(&query), LPARAM(text.data()));
    text.resize(std::size_t(copied));
    return text;
}

void RichEdit::SetText(const std::wstring& text) {
    if (!ExistingHandle()) {
        pendingText_ = text;
        return;
    }
    SetWindowTextW(Window(), text.c_str());
}

int RichEdit::TextLength() const {
    if (pendingText_ || !ExistingHandle()) return int(Text().size());
    GETTEXTLENGTHEX query{GTL_NUMCHARS | GTL_PRECISE, 1200};
    return int(SendMessageW(Window(), EM_GETTEXTLENGTHEX, WPARAM(&query), 0));
}

void RichEdit::AppendLine(const std::wstring& line) {
    HWND window = Window();
    const int end = TextLength();
    SendMessageW(window, EM_SETSEL, end, end);
    SendMessageW(window, EM_REPLACESEL, FALSE, LPARAM((line + L"\r").c_str()));
}

std::vector<std::wstring> RichEdit::Lines() const {
    std::vector<std::wstring> lines;
    const std::wstring text = Text();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L"\r\n", start);
        if (end == std::wstring::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void RichEdit::SetLines(const std::vector<std::wstring>& lines) {
    std::wstring text;
    for (const std::wstring& line : lines)
        text += line + L"\r\n";
    SetText(text);
}

int RichEdit::LineCount() const {
    return int(Lines().size());
}

int RichEdit::SelStart() const {
    CHARRANGE range{};
    SendMessageW(Window(), EM_EXGETSEL, 0, LPARAM(&range));
    return range.cpMin;
}

void RichEdit::SetSelStart(int start) {
    Select(start, 0);
}

int RichEdit::SelLength() const {
    CHARRANGE range{};
    SendMessageW(Window(), EM_EXGETSEL, 0, LPARAM(&range));
    return range.cpMax - range.cpMin;
}

void RichEdit::SetSelLength(int length) {
    Select(SelStart(), length);
}

void RichEdit::Select(int start, int length) {
    CHARRANGE range{start, start + length};
    SendMessageW(Window(), EM_EXSETSEL, 0, LPARAM(&range));
}

std::wstring RichEdit::SelectedText() const {
    std::wstring text(std::size_t(SelLength()) + 1, L'\0');
    LRESULT copied = SendMessageW(Window(), EM_GETSELTEXT, 0, LPARAM(text.data()));
    text.resize(std::size_t(copied));
    return text;
}

FontStyleSet RichEdit::SelectionStyle() const {
    CHARFORMAT2W format = Format(CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT);
    SendMessageW(Window(), EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
    FontStyleSet style;
    if (format.dwEffects & CFE_BOLD) style.Include(FontStyle::Bold);
    if (format.dwEffects & CFE_ITALIC) style.Include(FontStyle::Italic);
    if (format.dwEffects & CFE_UNDERLINE) style.Include(FontStyle::Underline);
    if (format.dwEffects & CFE_STRIKEOUT) style.Include(FontStyle::StrikeOut);
    return style;
}

void RichEdit::SetSelectionStyle(FontStyleSet style) {
    CHARFORMAT2W format = Format(CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT);
    if (style.Contains(FontStyle::Bold)) format.dwEffects |= CFE_BOLD;
    if (style.Contains(FontStyle::Italic)) format.dwEffects |= CFE_ITALIC;
    if (style.Contains(FontStyle::Underline)) format.dwEffects |= CFE_UNDERLINE;
    if (style.Contains(FontStyle::StrikeOut)) format.dwEffects |= CFE_STRIKEOUT;
    SendMessageW(Window(), EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
}

TColor RichEdit::SelectionColor() const {
    CHARFORMAT2W format = Format(CFM_COLOR);
    SendMessageW(Window(), EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
    return TColor(format.crTextColor);
}

void RichEdit::SetSelectionColor(TColor color) {
    CHARFORMAT2W format = Format(CFM_COLOR);
    format.crTextColor = ColorToRGB(color);
    SendMessageW(Window(), EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
}

void RichEdit::SetAllTextColor(TColor color) {
    CHARFORMAT2W format = Format(CFM_COLOR);
    format.crTextColor = ColorToRGB(color);
    SendMessageW(Window(), EM_SETCHARFORMAT, SCF_ALL, LPARAM(&format));
}

void RichEdit::CopyToClipboard() const {
    // Plain text, whatever formats the control would offer itself.
    std::wstring text = SelectedText();
    std::wstring withBreaks;
    for (wchar_t c : text)
        withBreaks += c == L'\r' ? std::wstring(L"\r\n") : std::wstring(1, c);
    Clipboard::SetText(withBreaks);
}

void RichEdit::SetReadOnly(bool value) {
    readOnly_ = value;
    if (HWND window = ExistingHandle()) SendMessageW(window, EM_SETREADONLY, value, 0);
}

void RichEdit::SetWordWrap(bool value) {
    if (value == wordWrap_) return;
    wordWrap_ = value;
    ApplyWordWrap();
}

void RichEdit::SetScrollBars(ScrollBarsKind bars) {
    if (bars == scrollBars_) return;
    scrollBars_ = bars;
    HWND window = ExistingHandle();
    if (!window) return;
    UpdateStyles();
    const bool vertical = bars == ScrollBarsKind::Vertical || bars == ScrollBarsKind::Both;
    const bool horizontal = bars == ScrollBarsKind::Horizontal || bars == ScrollBarsKind::Both;
    SendMessageW(window, EM_SHOWSCROLLBAR, SB_VERT, vertical);
    SendMessageW(window, EM_SHOWSCROLLBAR, SB_HORZ, horizontal);
}

void RichEdit::SetBorderStyle(FrameStyle style) {
    if (style == borderStyle_) return;
    borderStyle_ = style;
    UpdateStyles();
}

void RichEdit::KeyDownNotification(WORD key, ShiftState shift, bool& allowNavigation) {
    // The arrows move the caret and scroll the text; Tab still leaves the control.
    if (key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN)
        allowNavigation = false;
    WinControl::KeyDownNotification(key, shift, allowNavigation);
}

void RichEdit::FontChanged() {
    WinControl::FontChanged();
    ApplyDefaultFormat();
}

void RichEdit::ColorChanged() {
    WinControl::ColorChanged();
    if (HWND window = ExistingHandle())
        SendMessageW(window, EM_SETBKGNDCOLOR, 0, LPARAM(ColorToRGB(Color())));
}

std::optional<COLORREF> RichEdit::UniformTextColor() const {
    HWND window = Window();
    CHARRANGE kept{};
    SendMessageW(window, EM_EXGETSEL, 0, LPARAM(&kept));
    CHARRANGE all{0, TextLength()};
    SendMessageW(window, EM_EXSETSEL, 0, LPARAM(&all));
    CHARFORMAT2W format = Format(CFM_COLOR);
    SendMessageW(window, EM_GETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
    SendMessageW(window, EM_EXSETSEL, 0, LPARAM(&kept));
    // Mixed colours clear the colour from the mask.
    if (!(format.dwMask & CFM_COLOR)) return std::nullopt;
    return format.crTextColor;
}

void RichEdit::ApplyDefaultFormat() {
    HWND window = ExistingHandle();
    if (!window) return;
    SendMessageW(window, EM_SETBKGNDCOLOR, 0, LPARAM(ColorToRGB(Color())));
    // Text without a format of its own takes the control's font colour. The control only
    // gives it to text added from now on, so text that still has the colour it was given
    // before (all of it in that colour, nothing coloured on its own) follows here, as a
    // theme switch needs.
    const COLORREF color = ColorToRGB(Font().Color());
    CHARFORMAT2W format = Format(CFM_COLOR);
    format.crTextColor = color;
    if (defaultTextColor_ && *defaultTextColor_ != color && UniformTextColor() == defaultTextColor_)
        SendMessageW(window, EM_SETCHARFORMAT, SCF_ALL, LPARAM(&format));
    SendMessageW(window, EM_SETCHARFORMAT, SCF_DEFAULT, LPARAM(&format));
    defaultTextColor_ = color;
}

void RichEdit::ApplyWordWrap() {
    // Width 0 wraps at the window's edge; 1 means "no wrapping" to the control.
    if (HWND window = ExistingHandle())
        SendMessageW(window, EM_SETTARGETDEVICE, 0, wordWrap_ ? 0 : 1);
}

} // namespace toolkit
