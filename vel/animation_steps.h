#pragma once
// The arithmetic of an animation run: the timing of its steps and the value of each one.
// Failures throw, so that a run meeting them ends like any run that throws.
#include <cstdint>

namespace vel {

// Milliseconds between two steps: duration / steps rounded to the nearest integer, halves
// to even (250 / 100 gives 2). Throws std::domain_error when steps is 0.
uint32_t AnimationInterval(uint32_t duration, uint32_t steps);

// Linear progress of step number `step`: step x interval / duration. Throws
// std::domain_error when duration is 0.
double AnimationProgress(uint32_t step, uint32_t interval, uint32_t duration);

// start + delta x eased, the product rounded to the nearest integer with halves to even;
// the sum wraps around like 32-bit arithmetic. Throws std::range_error when the product is
// not a finite number (a curve evaluated where it has no value).
int32_t AnimationValue(int32_t start, int32_t delta, float eased);

// start + delta, wrapping around like 32-bit arithmetic.
int32_t WrappingSum(int32_t start, int64_t delta);

} // namespace vel
