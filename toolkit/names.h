#pragma once
// Names of published properties, classes and enumeration values compare without regard to
// letter case, as the window descriptions are written by hand.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace toolkit {

bool SameName(std::wstring_view a, std::wstring_view b);

// The names an enumeration shows in window descriptions, next to its values.
template <class E> using EnumNames = std::vector<std::pair<std::wstring, E>>;

template <class E> const E* FindEnumValue(const EnumNames<E>& names, std::wstring_view name) {
    for (const auto& [text, value] : names)
        if (SameName(text, name)) return &value;
    return nullptr;
}

} // namespace toolkit
