#pragma once
// The framework's animation engine: the utility library's, under the framework's names,
// with three additions for its controls (Running, EndValue, Percent).
#include "vel/animation.h"
#include "vel/animation_steps.h"
#include "vel/easing.h"

namespace lyra {

using vel::TAniCurve;
using vel::TAniDoneProc;
using vel::TAniFunction;
using vel::TAniFunctionKind;
using vel::TAniKind;
using vel::TAniSyncProc;
using vel::TIntAniCollection;
using enum vel::TAniKind;
using enum vel::TAniFunctionKind;

class TIntAni : public vel::TIntAni {
  public:
    using vel::TIntAni::TIntAni;

    // Started and not yet finished.
    bool Running() const { return Started() && !Finished(); }

    // StartValue + DeltaValue; setting it changes DeltaValue and leaves StartValue alone.
    int32_t EndValue() const { return vel::WrappingSum(StartValue, DeltaValue); }
    void SetEndValue(int32_t value) { DeltaValue = vel::WrappingSum(value, -int64_t(StartValue)); }

    // Linear progress (not the eased one) of the latest step; 0 before the first. Callbacks
    // derive a second quantity from it, such as an alpha.
    double Percent() const { return LatestProgress(); }
};

} // namespace lyra
