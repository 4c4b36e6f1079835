#pragma once
// Lighter and darker shades of a colour reference.
#include "toolkit/color.h"

namespace vel {

// Adds Amount (signed) to each channel of the colour (a system colour is resolved to its RGB
// value first), clamped to 0..255.
toolkit::TColor ChangeColorLight(toolkit::TColor Color, int Amount);

} // namespace vel
