#include "lyra/types.h"

namespace lyra {

const toolkit::EnumNames<LyFocusFlag>& LyFocusFlagNames() {
    static const toolkit::EnumNames<LyFocusFlag> names = {{L"CatchTab", LyFocusFlag::CatchTab},
                                                          {L"CatchLeft", LyFocusFlag::CatchLeft},
                                                          {L"CatchUp", LyFocusFlag::CatchUp},
                                                          {L"CatchRight", LyFocusFlag::CatchRight},
                                                          {L"CatchDown", LyFocusFlag::CatchDown}};
    return names;
}

const toolkit::EnumNames<LyIconType>& LyIconTypeNames() {
    static const toolkit::EnumNames<LyIconType> names = {{L"Image", LyIconType::Image},
                                                         {L"BitMap", LyIconType::BitMap},
                                                         {L"ImageList", LyIconType::ImageList},
                                                         {L"SegoeIcon", LyIconType::SegoeIcon}};
    return names;
}

} // namespace lyra
