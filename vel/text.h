#pragma once
// Small text helpers for switch values and report values.
#include <optional>
#include <string>
#include <vector>

namespace vel {

// "true" in any letter case, "1" and "-1" are true; anything else is false.
bool TextToBoolean(const std::wstring& text);
std::wstring BooleanToText(bool value);

// Index of the first element equal to text (exact comparison), or -1.
int IndexOfString(const std::wstring& text, const std::vector<std::wstring>& list);

// The pieces between the delimiters, empty pieces kept; the piece after the last
// delimiter is always added. An empty text gives an empty list.
std::vector<std::wstring> SplitString(const std::wstring& text, const std::wstring& delimiter);

// How often sub occurs in text; each search resumes one character after the start of
// the previous match, so overlapping matches count.
int CountOccurrences(const std::wstring& sub, const std::wstring& text, bool ignoreCase);

// 1-based position of the n-th occurrence of sub, the first search starting at
// 1 + startOffset; 0 when there is none.
int PositionOfOccurrence(const std::wstring& sub, const std::wstring& text, int n, int startOffset,
                         bool ignoreCase);

// A decimal integer with an optional sign and nothing else; nothing for an empty,
// non-numeric or out-of-range text.
std::optional<int> TryParseInteger(const std::wstring& text);

// Lower case of ASCII and Latin letters, for case-insensitive comparisons of names.
std::wstring LowerCase(std::wstring text);

} // namespace vel
