#include "vel/animation_steps.h"

#include <cmath>
#include <stdexcept>

namespace vel {

uint32_t AnimationInterval(uint32_t duration, uint32_t steps) {
    if (steps == 0) throw std::domain_error("An animation needs at least one step");
    // The default rounding mode rounds halves to even.
    return static_cast<uint32_t>(std::nearbyint(double(duration) / steps));
}

double AnimationProgress(uint32_t step, uint32_t interval, uint32_t duration) {
    if (duration == 0) throw std::domain_error("An animation needs a duration");
    return double(step) * interval / duration;
}

int32_t AnimationValue(int32_t start, int32_t delta, float eased) {
    const double change = std::nearbyint(double(delta) * eased);
    // Curves stay near [0, 1], so only a curve far outside it could come near this.
    constexpr double kLimit = 0x1p62;
    if (!std::isfinite(change) || std::fabs(change) > kLimit)
        throw std::range_error("The animation curve has no value at this progress");
    return WrappingSum(start, static_cast<int64_t>(change));
}

int32_t WrappingSum(int32_t start, int64_t delta) {
    return static_cast<int32_t>(
        static_cast<uint32_t>(static_cast<uint64_t>(start) + static_cast<uint64_t>(delta)));
}

} // namespace vel
