#pragma once
#include "toolkit/timer.h"

namespace lyra {

// Starts the timer's interval afresh, as after a user's action that should postpone the tick.
// A stopped timer starts.
inline void ResetTimer(toolkit::Timer& timer) {
    timer.SetEnabled(false);
    timer.SetEnabled(true);
}

} // namespace lyra
