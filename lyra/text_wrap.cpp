#include "lyra/text_wrap.h"

namespace lyra {

std::vector<std::wstring> SplitString(std::wstring_view text,
                                      const std::vector<std::wstring>& separators) {
    std::vector<std::wstring> parts;
    for (;;) {
        std::size_t found = std::wstring_view::npos, length = 0;
        for (const auto& separator : separators) {
            // An empty separator would split nothing off and never end.
            if (separator.empty()) continue;
            const std::size_t at = text.find(separator);
            if (at < found || (at == found && at != text.npos && separator.size() > length)) {
                found = at;
                length = separator.size();
            }
        }
        if (found == std::wstring_view::npos) break;
        parts.emplace_back(text.substr(0, found));
        text.remove_prefix(found + length);
    }
    parts.emplace_back(text);
    return parts;
}

namespace {

// Words with their following space, and every carriage return as a word of its own.
std::vector<std::wstring> Words(std::wstring_view text) {
    std::vector<std::wstring> spaced = SplitString(text, {L" "});
    std::vector<std::wstring> words;
    for (std::size_t i = 0; i < spaced.size(); ++i) {
        std::wstring_view word = spaced[i];
        const bool last = i + 1 == spaced.size();
        for (std::size_t at; (at = word.find(L'\r')) != word.npos; word.remove_prefix(at + 1)) {
            if (at > 0) words.emplace_back(word.substr(0, at));
            words.emplace_back(L"\r");
        }
        std::wstring rest(word);
        if (!last) rest += L' ';
        if (!rest.empty()) words.push_back(std::move(rest));
    }
    return words;
}

} // namespace

std::vector<std::wstring> WrapWords(std::wstring_view text, int width,
                                    const std::function<int(const std::wstring&)>& measure) {
    std::vector<std::wstring> lines(1);
    int used = 0;
    for (const auto& word : Words(text)) {
        if (word == L"\r") {
            lines.emplace_back();
            used = 0;
            continue;
        }
        const int wordWidth = measure(word);
        if (used + wordWidth > width) {
            lines.emplace_back();
            used = 0;
        }
        lines.back() += word;
        used += wordWidth;
    }
    return lines;
}

} // namespace lyra
