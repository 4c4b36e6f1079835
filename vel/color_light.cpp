#include "vel/color_light.h"

#include <algorithm>

namespace vel {

toolkit::TColor ChangeColorLight(toolkit::TColor Color, int Amount) {
    const COLORREF plain = toolkit::ColorToRGB(Color);
    auto channel = [Amount](int value) { return std::clamp(value + Amount, 0, 255); };
    return toolkit::RgbColor(channel(GetRValue(plain)), channel(GetGValue(plain)),
                             channel(GetBValue(plain)));
}

} // namespace vel
