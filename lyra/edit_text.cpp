#include "lyra/edit_text.h"

#include <algorithm>
#include <limits>

namespace lyra {

const toolkit::EnumNames<LyCharCase>& LyCharCaseNames() {
    static const toolkit::EnumNames<LyCharCase> names = {{L"Both", LyCharCase::Both},
                                                         {L"Uppercase", LyCharCase::Uppercase},
                                                         {L"Lowercase", LyCharCase::Lowercase}};
    return names;
}

bool IsWordCharacter(wchar_t Character) {
    return (Character >= L'0' && Character <= L'9') || (Character >= L'A' && Character <= L'Z') ||
           (Character >= L'a' && Character <= L'z');
}

int WordBoundaryLeft(const std::wstring& Text, int Position) {
    int position = std::clamp(Position - 1, 0, int(Text.size()));
    while (position > 0 && IsWordCharacter(Text[position - 1]))
        --position;
    return position;
}

int WordBoundaryRight(const std::wstring& Text, int Position) {
    const int length = int(Text.size());
    for (int position = std::max(Position, 0); position < length; ++position)
        if (!IsWordCharacter(Text[position])) return position;
    return length;
}

std::optional<std::int64_t> ParseInt64(const std::wstring& Text) {
    std::size_t index = 0;
    const bool negative = !Text.empty() && Text[0] == L'-';
    if (!Text.empty() && (Text[0] == L'-' || Text[0] == L'+')) index = 1;
    if (index == Text.size()) return std::nullopt;
    // Accumulated negatively: the smallest value has no positive counterpart.
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    std::int64_t value = 0;
    for (; index < Text.size(); ++index) {
        const wchar_t digit = Text[index];
        if (digit < L'0' || digit > L'9') return std::nullopt;
        const int d = digit - L'0';
        if (value < (lowest + d) / 10) return std::nullopt;
        value = value * 10 - d;
    }
    if (negative) return value;
    if (value == lowest) return std::nullopt;
    return -value;
}

std::wstring ApplyCharCase(std::wstring Text, LyCharCase CharCase) {
    for (wchar_t& character : Text) {
        if (CharCase == LyCharCase::Uppercase && character >= L'a' && character <= L'z')
            character = wchar_t(character - L'a' + L'A');
        else if (CharCase == LyCharCase::Lowercase && character >= L'A' && character <= L'Z')
            character = wchar_t(character - L'A' + L'a');
    }
    return Text;
}

std::wstring RemoveLineBreaks(std::wstring Text) {
    std::erase_if(Text, [](wchar_t character) { return character == L'\r' || character == L'\n'; });
    return Text;
}

} // namespace lyra
