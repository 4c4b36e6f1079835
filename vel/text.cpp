#include "vel/text.h"

#include <cwctype>

namespace vel {

std::wstring LowerCase(std::wstring text) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(std::towlower(c));
    return text;
}

std::optional<int> TryParseInteger(const std::wstring& text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
        value = value * 10 + (text[i] - L'0');
        if (value > 2147483648LL) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 2147483647LL) return std::nullopt;
    return static_cast<int>(value);
}

bool TextToBoolean(const std::wstring& text) {
    return LowerCase(text) == L"true" || text == L"1" || text == L"-1";
}

std::wstring BooleanToText(bool value) {
    return value ? L"true" : L"false";
}

int IndexOfString(const std::wstring& text, const std::vector<std::wstring>& list) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i] == text) return static_cast<int>(i);
    return -1;
}

std::vector<std::wstring> SplitString(const std::wstring& text, const std::wstring& delimiter) {
    std::vector<std::wstring> pieces;
    if (text.empty()) return pieces;
    if (delimiter.empty()) return {text};
    size_t start = 0;
    for (size_t at; (at = text.find(delimiter, start)) != std::wstring::npos;
         start = at + delimiter.size())
        pieces.push_back(text.substr(start, at - start));
    pieces.push_back(text.substr(start));
    return pieces;
}

namespace {
// Zero-based positions of every occurrence of sub, overlapping ones included, up to
// the limit-th; searching starts at from.
std::vector<size_t> Occurrences(const std::wstring& sub, const std::wstring& text, size_t from,
                                bool ignoreCase, size_t limit) {
    std::vector<size_t> found;
    if (sub.empty()) return found;
    const std::wstring haystack = ignoreCase ? LowerCase(text) : text;
    const std::wstring needle = ignoreCase ? LowerCase(sub) : sub;
    for (size_t at = haystack.find(needle, from); at != std::wstring::npos && found.size() < limit;
         at = haystack.find(needle, at + 1))
        found.push_back(at);
    return found;
}
} // namespace

int CountOccurrences(const std::wstring& sub, const std::wstring& text, bool ignoreCase) {
    return static_cast<int>(Occurrences(sub, text, 0, ignoreCase, text.size() + 1).size());
}

int PositionOfOccurrence(const std::wstring& sub, const std::wstring& text, int n, int startOffset,
                         bool ignoreCase) {
    if (n < 1 || startOffset < 0) return 0;
    auto found = Occurrences(sub, text, static_cast<size_t>(startOffset), ignoreCase,
                             static_cast<size_t>(n));
    return found.size() == static_cast<size_t>(n) ? static_cast<int>(found.back()) + 1 : 0;
}

} // namespace vel
