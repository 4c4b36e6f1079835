#pragma once
// Where a control places its content, and which of its colours a container fills with.
#include "toolkit/names.h"

namespace lyra {

// Placement along one axis: left or top, the middle, right or bottom.
enum class LyLayout { Beginning, Center, Ending };
const toolkit::EnumNames<LyLayout>& LyLayoutNames();

// A container fills with the window's background or with the lighter content (interior) colour.
enum class LyBackgroundColor { Background, Content };
const toolkit::EnumNames<LyBackgroundColor>& LyBackgroundColorNames();

} // namespace lyra
