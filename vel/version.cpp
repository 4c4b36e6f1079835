#include "vel/version.h"

#include <string_view>
#include <vector>

#include "vel/text.h"
#include "vel/utf8.h"

namespace vel {

namespace {

wchar_t ChooseSeparator(const std::wstring& text) {
    for (wchar_t candidate : {L'.', L',', L'-'})
        if (text.find(candidate) != std::wstring::npos) return candidate;
    return L'\0';
}

// Digits only: no sign, no spaces, no hexadecimal; a version part is never negative.
uint32_t ToVersionNumber(const std::wstring& piece) {
    const auto invalid = [&] {
        std::string message = ToUtf8(piece);
        message.insert(message.begin(), '\'');
        return std::invalid_argument(message.append("' is not a valid version number"));
    };
    if (piece.empty()) throw invalid();
    uint64_t value = 0;
    for (wchar_t c : piece) {
        if (c < L'0' || c > L'9') throw invalid();
        value = value * 10 + static_cast<uint64_t>(c - L'0');
        if (value > UINT32_MAX) throw invalid();
    }
    return static_cast<uint32_t>(value);
}

} // namespace

TVersionRec MakeVersion(uint32_t major, uint32_t minor, uint32_t maintenance, uint32_t build) {
    TVersionRec v;
    v.Major = major;
    v.Minor = minor;
    v.Maintenance = maintenance;
    v.Build = build;
    return v;
}

TRelation CompareNumbers(double a, double b) {
    if (a > b) return TRelation::Bigger;
    if (a < b) return TRelation::Smaller;
    return TRelation::Equal;
}

void TVersionRec::Clear() {
    Major = Minor = Maintenance = Build = 0;
}

void TVersionRec::Parse(const std::wstring& from) {
    const wchar_t separator = ChooseSeparator(from);
    // Without a separator the whole text is the one piece; an empty text fails on it.
    const std::vector<std::wstring> pieces =
        separator ? SplitString(from, std::wstring(1, separator)) : std::vector<std::wstring>{from};
    Clear();
    uint32_t* const fields[] = {&Major, &Minor, &Maintenance, &Build};
    for (size_t i = 0; i < pieces.size(); ++i) {
        const uint32_t value = ToVersionNumber(pieces[i]);
        if (i < std::size(fields)) *fields[i] = value;
    }
}

TRelation TVersionRec::CompareTo(const TVersionRec& v) const {
    const uint32_t mine[] = {Major, Minor, Maintenance, Build};
    const uint32_t theirs[] = {v.Major, v.Minor, v.Maintenance, v.Build};
    for (size_t i = 0; i < std::size(mine); ++i)
        if (TRelation r = CompareNumbers(mine[i], theirs[i]); r != TRelation::Equal) return r;
    return TRelation::Equal;
}

bool TVersionRec::NewerThan(const TVersionRec& v) const {
    return CompareTo(v) == TRelation::Bigger;
}

std::wstring TVersionRec::ToString() const {
    return ToString(L'.', false);
}

std::wstring TVersionRec::ToString(bool includeBuild) const {
    return ToString(L'.', includeBuild);
}

std::wstring TVersionRec::ToString(wchar_t separator, bool includeBuild) const {
    std::wstring text = std::to_wstring(Major) + separator + std::to_wstring(Minor) + separator +
                        std::to_wstring(Maintenance);
    if (includeBuild) text += separator + std::to_wstring(Build);
    return text;
}

} // namespace vel
