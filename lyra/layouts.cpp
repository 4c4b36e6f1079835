#include "lyra/layouts.h"

namespace lyra {

const toolkit::EnumNames<LyLayout>& LyLayoutNames() {
    static const toolkit::EnumNames<LyLayout> names = {{L"Beginning", LyLayout::Beginning},
                                                       {L"Center", LyLayout::Center},
                                                       {L"Ending", LyLayout::Ending}};
    return names;
}

const toolkit::EnumNames<LyDrawLayout>& LyDrawLayoutNames() {
    static const toolkit::EnumNames<LyDrawLayout> names = {{L"Left", LyDrawLayout::Left},
                                                           {L"Top", LyDrawLayout::Top},
                                                           {L"Right", LyDrawLayout::Right},
                                                           {L"Bottom", LyDrawLayout::Bottom}};
    return names;
}

const toolkit::EnumNames<LyDetailType>& LyDetailTypeNames() {
    static const toolkit::EnumNames<LyDetailType> names = {{L"None", LyDetailType::None},
                                                           {L"Underline", LyDetailType::Underline},
                                                           {L"Outline", LyDetailType::Outline}};
    return names;
}

const toolkit::EnumNames<LyBackgroundColor>& LyBackgroundColorNames() {
    static const toolkit::EnumNames<LyBackgroundColor> names = {
        {L"Background", LyBackgroundColor::Background}, {L"Content", LyBackgroundColor::Content}};
    return names;
}

} // namespace lyra
