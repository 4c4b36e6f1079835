#pragma once
// The text rules of the single-line edit that need no window: word boundaries for the
// Ctrl+arrow jumps, the 64-bit number the numbers-only mode accepts, forced letter case and
// the line breaks a single line cannot hold.
#include "toolkit/names.h"

#include <cstdint>
#include <optional>
#include <string>

namespace lyra {

enum class LyCharCase { Both, Uppercase, Lowercase };
const toolkit::EnumNames<LyCharCase>& LyCharCaseNames();

// Letters and digits of ASCII make words; everything else separates them.
bool IsWordCharacter(wchar_t Character);
// From Position one place left at least, then on over the word characters before it; 0 at most.
int WordBoundaryLeft(const std::wstring& Text, int Position);
// The first separator at or after Position, or the text's end (never beyond it).
int WordBoundaryRight(const std::wstring& Text, int Position);

// An optional sign and decimal digits that fit 64 bits; nothing else.
std::optional<std::int64_t> ParseInt64(const std::wstring& Text);
// Only ASCII letters change: the case of other scripts is left as typed.
std::wstring ApplyCharCase(std::wstring Text, LyCharCase CharCase);
// A pasted text becomes one line: its CR and LF characters go.
std::wstring RemoveLineBreaks(std::wstring Text);

} // namespace lyra
