#include "color_set_support.h"

#include <gtest/gtest.h>

namespace test {

namespace {
using ColorValue = toolkit::ValueProperty<lyra::TColor>;
}

std::vector<std::wstring> PublishedNames(const toolkit::Persistent& set) {
    std::vector<std::wstring> names;
    for (const auto& property : set.Properties())
        names.push_back(property->Name());
    return names;
}

std::vector<std::pair<std::wstring, lyra::TColor>> PublishedColors(const toolkit::Persistent& set) {
    std::vector<std::pair<std::wstring, lyra::TColor>> colors;
    for (const auto& property : set.Properties())
        if (auto* color = dynamic_cast<const ColorValue*>(property.get()))
            colors.emplace_back(color->Name(), color->Get());
    return colors;
}

lyra::TColor ColorProperty(const toolkit::Persistent& set, const std::wstring& name) {
    auto* color = dynamic_cast<const ColorValue*>(set.FindProperty(name));
    if (!color) ADD_FAILURE() << "no colour property " << testing::PrintToString(name);
    return color ? color->Get() : -1;
}

void FillDistinct(toolkit::Persistent& set) {
    int position = 1;
    for (const auto& property : set.Properties())
        if (auto* color = dynamic_cast<ColorValue*>(property.get()))
            color->Set(0x010101 * position++);
}

} // namespace test
