#include "lyra/layout_types.h"

namespace lyra {

const toolkit::EnumNames<LyLayout>& LyLayoutNames() {
    static const toolkit::EnumNames<LyLayout> names = {{L"Beginning", LyLayout::Beginning},
                                                       {L"Center", LyLayout::Center},
                                                       {L"Ending", LyLayout::Ending}};
    return names;
}

const toolkit::EnumNames<LyBackgroundColor>& LyBackgroundColorNames() {
    static const toolkit::EnumNames<LyBackgroundColor> names = {
        {L"Background", LyBackgroundColor::Background}, {L"Content", LyBackgroundColor::Content}};
    return names;
}

} // namespace lyra
