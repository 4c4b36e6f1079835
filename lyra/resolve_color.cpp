// The one colour operation that asks the system: kept apart so the arithmetic is plain C++.
#include "lyra/colors.h"

#include "toolkit/color.h"

namespace lyra {

TColor ResolveColor(TColor color) {
    return TColor(toolkit::ColorToRGB(color));
}

} // namespace lyra
