#include "uninstaller/installed_files.h"

namespace uninstaller {

std::optional<std::wstring> SafeRelativePath(std::wstring_view path) {
    if (path.empty() || path.front() == L'\\' || path.front() == L'/') return std::nullopt;
    std::wstring safe;
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find_first_of(L"\\/", start);
        if (end == std::wstring_view::npos) end = path.size();
        std::wstring_view part = path.substr(start, end - start);
        if (part.empty() || part.back() == L'.' || part.back() == L' ') return std::nullopt;
        for (wchar_t c : part)
            if (c < L' ' || std::wstring_view(L":*?\"<>|").find(c) != std::wstring_view::npos)
                return std::nullopt;
        if (!safe.empty()) safe += L'\\';
        safe += part;
        start = end + 1;
    }
    return safe;
}

TInstalledFiles ParseInstalledFiles(std::wstring_view text) {
    if (!text.empty() && text.front() == 0xFEFF) text.remove_prefix(1);
    TInstalledFiles list;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring_view::npos) end = text.size();
        std::wstring_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r') line.remove_suffix(1);
        if (line.empty() || line.front() == L';') continue;
        std::optional<std::wstring> path;
        if (line.size() > 2 && line[1] == L' ' && (line[0] == L'F' || line[0] == L'D'))
            path = SafeRelativePath(line.substr(2));
        if (!path)
            list.Refused.emplace_back(line);
        else
            (line[0] == L'F' ? list.Files : list.Folders).push_back(std::move(*path));
    }
    return list;
}

} // namespace uninstaller
