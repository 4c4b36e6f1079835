#include "vel/path_macros.h"

#include "vel/text.h"

namespace vel {

namespace {
// Lower-casing keeps every position, so positions found in the lowered text hold in text.
std::wstring Replace(const std::wstring& text, const std::wstring& what, const std::wstring& with,
                     bool all) {
    if (what.empty()) return text;
    const std::wstring lowerText = LowerCase(text), lowerWhat = LowerCase(what);
    std::wstring result;
    size_t from = 0;
    for (size_t at = lowerText.find(lowerWhat); at != std::wstring::npos;
         at = all ? lowerText.find(lowerWhat, from) : std::wstring::npos) {
        result.append(text, from, at - from).append(with);
        from = at + what.size();
    }
    return result.append(text, from, std::wstring::npos);
}
} // namespace

std::wstring ReplaceFirstIgnoringCase(const std::wstring& text, const std::wstring& what,
                                      const std::wstring& with) {
    return Replace(text, what, with, false);
}

std::wstring ReplaceAllIgnoringCase(const std::wstring& text, const std::wstring& what,
                                    const std::wstring& with) {
    return Replace(text, what, with, true);
}

std::wstring ExpandMacros(const std::wstring& path, const TVariableLookup& lookup) {
    std::wstring result = path;
    for (size_t open = path.find(L'%'); open != std::wstring::npos;) {
        const size_t close = path.find(L'%', open + 1);
        if (close == std::wstring::npos) break;
        const std::wstring name = path.substr(open + 1, close - open - 1);
        if (const std::wstring value = lookup(name); !value.empty())
            result = ReplaceFirstIgnoringCase(result, L"%" + name + L"%", value);
        open = close;
    }
    return result;
}

std::wstring ExpandShellNames(const std::wstring& path, const std::vector<TShellFolder>& folders) {
    if (path.find(L"shell:") == std::wstring::npos) return path;
    const std::wstring lowerPath = LowerCase(path);
    std::wstring result = path;
    for (const TShellFolder& folder : folders) {
        const std::wstring name = L"shell:" + LowerCase(folder.Name);
        if (lowerPath.find(name) != std::wstring::npos)
            result = ReplaceAllIgnoringCase(result, name, folder.Location);
    }
    return result;
}

} // namespace vel
