#pragma once
// Splitting and word wrapping of text, apart from how the text is measured.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace lyra {

// The parts between separators, in order. Consecutive separators give empty parts and the text
// after the last separator (possibly empty) is the last part. With several separators, the
// one that occurs first splits first (the longest of those starting at the same place).
std::vector<std::wstring> SplitString(std::wstring_view text,
                                      const std::vector<std::wstring>& separators);

// Lays words out in lines no wider than width. Words are kept whole, each with the space that
// followed it; a carriage return starts a new line. A word that does not fit after the line's
// content, even when the line is still empty, starts a new line: a word wider than the width
// stands alone on its line. The first line is therefore empty when the first word is too wide.
std::vector<std::wstring> WrapWords(std::wstring_view text, int width,
                                    const std::function<int(const std::wstring&)>& measure);

} // namespace lyra
