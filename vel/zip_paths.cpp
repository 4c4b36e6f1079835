#include "vel/zip_paths.h"

namespace vel {

namespace {

bool IsAsciiLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

wchar_t AsciiUpper(wchar_t c) {
    return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - 32) : c;
}

bool IsInvalidNameCharacter(wchar_t c) {
    return c < 0x20 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos;
}

// Windows maps these names to devices in any folder and with any extension: "nul.txt"
// is the null device too. The superscript digits count as well on current versions.
bool IsReservedDeviceName(std::wstring_view part) {
    std::wstring_view base = part.substr(0, part.find(L'.'));
    while (!base.empty() && base.back() == L' ')
        base.remove_suffix(1);
    std::wstring upper;
    for (wchar_t c : base)
        upper.push_back(AsciiUpper(c));
    for (const wchar_t* name : {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"})
        if (upper == name) return true;
    if (upper.size() != 4) return false;
    const std::wstring_view stem = std::wstring_view(upper).substr(0, 3);
    if (stem != L"COM" && stem != L"LPT") return false;
    const wchar_t digit = upper[3];
    return (digit >= L'1' && digit <= L'9') || digit == L'\u00B9' || digit == L'\u00B2' ||
           digit == L'\u00B3';
}

ZipPathProblem CheckPart(std::wstring_view part) {
    if (part == L"..") return ZipPathProblem::ClimbsOut;
    for (wchar_t c : part)
        if (IsInvalidNameCharacter(c)) return ZipPathProblem::InvalidCharacter;
    if (part.back() == L'.' || part.back() == L' ') return ZipPathProblem::TrailingDotOrSpace;
    if (IsReservedDeviceName(part)) return ZipPathProblem::ReservedName;
    return ZipPathProblem::None;
}

bool IsSeparator(wchar_t c) {
    return c == L'/' || c == L'\\';
}

} // namespace

ZipPath CheckEntryPath(std::wstring_view name) {
    if (!name.empty() && IsSeparator(name.front())) return {L"", ZipPathProblem::Absolute};
    if (name.size() >= 2 && IsAsciiLetter(name[0]) && name[1] == L':')
        return {L"", ZipPathProblem::DriveLetter};

    ZipPath result;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end]))
            ++end;
        const std::wstring_view part = name.substr(start, end - start);
        start = end + 1;
        if (part.empty() || part == L".") continue;
        if (const ZipPathProblem problem = CheckPart(part); problem != ZipPathProblem::None)
            return {L"", problem};
        if (!result.path.empty()) result.path.push_back(L'\\');
        result.path.append(part);
    }
    if (result.path.empty()) result.problem = ZipPathProblem::Empty;
    return result;
}

std::wstring ZipPathProblemText(ZipPathProblem problem) {
    switch (problem) {
    case ZipPathProblem::None:
        return L"is a safe name";
    case ZipPathProblem::Empty:
        return L"has an empty name";
    case ZipPathProblem::Absolute:
        return L"has an absolute path";
    case ZipPathProblem::DriveLetter:
        return L"names a drive";
    case ZipPathProblem::ClimbsOut:
        return L"leads out of the target folder (\"..\")";
    case ZipPathProblem::InvalidCharacter:
        return L"contains a character that is not allowed in file names";
    case ZipPathProblem::TrailingDotOrSpace:
        return L"has a name part that ends with a dot or a space";
    case ZipPathProblem::ReservedName:
        return L"uses a device name that Windows reserves";
    }
    return L"has an unusable name";
}

} // namespace vel
