#pragma once
// Placement and decoration choices the framework's controls share: where a block of text and
// icon goes, on which side of the text an icon stands, the extra line a control may draw and
// which of its parent's colours a control blends into.
#include "toolkit/names.h"

namespace lyra {

// Placement along one axis.
enum class LyLayout { Beginning, Center, Ending };
const toolkit::EnumNames<LyLayout>& LyLayoutNames();

// The side of the text on which an icon stands.
enum class LyDrawLayout { Left, Top, Right, Bottom };
const toolkit::EnumNames<LyDrawLayout>& LyDrawLayoutNames();

// An accent line under the shape, or an outline round it.
enum class LyDetailType { None, Underline, Outline };
const toolkit::EnumNames<LyDetailType>& LyDetailTypeNames();

// Which colour of the parent a control takes as its own background.
enum class LyBackgroundColor { Background, Content };
const toolkit::EnumNames<LyBackgroundColor>& LyBackgroundColorNames();

} // namespace lyra
