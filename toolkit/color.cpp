#include "toolkit/color.h"

#include "toolkit/names.h"

#include <array>
#include <utility>

namespace toolkit {

namespace {
const std::array<std::pair<const wchar_t*, TColor>, 30> kColorNames = {{
    {L"clBlack", clBlack},
    {L"clMaroon", clMaroon},
    {L"clGreen", clGreen},
    {L"clOlive", clOlive},
    {L"clNavy", clNavy},
    {L"clPurple", clPurple},
    {L"clTeal", clTeal},
    {L"clGray", clGray},
    {L"clSilver", clSilver},
    {L"clRed", clRed},
    {L"clLime", clLime},
    {L"clYellow", clYellow},
    {L"clBlue", clBlue},
    {L"clFuchsia", clFuchsia},
    {L"clAqua", clAqua},
    {L"clWhite", clWhite},
    {L"clNone", clNone},
    {L"clBtnFace", clBtnFace},
    {L"clBtnText", clBtnText},
    {L"clWindow", clWindow},
    {L"clWindowText", clWindowText},
    {L"clHighlight", clHighlight},
    {L"clHighlightText", clHighlightText},
    {L"clInfoBk", clInfoBk},
    {L"clInfoText", clInfoText},
    {L"clGrayText", clGrayText},
    {L"clActiveCaption", clActiveCaption},
    {L"clCaptionText", clCaptionText},
    {L"clInactiveCaption", clInactiveCaption},
    {L"clInactiveCaptionText", clInactiveCaptionText},
}};
} // namespace

COLORREF ColorToRGB(TColor color) {
    if (color < 0) return GetSysColor(color & 0xFF);
    return COLORREF(color) & 0x00FFFFFF;
}

std::optional<TColor> ColorFromName(std::wstring_view name) {
    for (const auto& [text, value] : kColorNames)
        if (SameName(text, name)) return value;
    return std::nullopt;
}

} // namespace toolkit
