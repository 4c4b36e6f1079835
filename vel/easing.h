#pragma once
// Easing curves: how an animation's linear progress P (0 at the start, 1 at the end) maps
// to the eased progress it shows. Pure functions; they neither clamp their argument nor
// their result (Back overshoots, Bounce and Expo never quite reach 1 at the ends).
#include <cstdint>

namespace vel {

// Direction of the easing.
enum TAniKind : uint8_t { akIn, akOut, akInOut };

// Family of the curve.
enum TAniFunctionKind : uint8_t {
    afkLinear,
    afkQuadratic,
    afkCubic,
    afkQuartic,
    afkQuintic,
    afkBack,
    afkBounce,
    afkExpo,
    afkSine,
    afkCircle
};

using TAniCurve = float (*)(float P);

// Each curve computes in double precision and rounds its result to a float.
struct TIntAniCollection {
    static float Linear(float P);
    static float Quadratic_In(float P);
    static float Quadratic_Out(float P);
    static float Quadratic_InOut(float P);
    static float Cubic_In(float P);
    static float Cubic_Out(float P);
    static float Cubic_InOut(float P);
    static float Quartic_In(float P);
    static float Quartic_Out(float P);
    static float Quartic_InOut(float P);
    static float Quintic_In(float P);
    static float Quintic_Out(float P);
    static float Quintic_InOut(float P);
    static float Back_In(float P);
    static float Back_Out(float P);
    static float Back_InOut(float P);
    static float Bounce_In(float P);
    static float Bounce_Out(float P);
    static float Bounce_InOut(float P);
    static float Expo_In(float P);
    static float Expo_Out(float P);
    static float Expo_InOut(float P);
    static float Sine_In(float P);
    static float Sine_Out(float P);
    static float Sine_InOut(float P);
    static float Circle_In(float P);
    static float Circle_Out(float P);
    static float Circle_InOut(float P);
};

// The curve of a family in a direction (Linear for all three directions); null when
// either value lies outside its enumeration.
TAniCurve ResolveAniCurve(TAniKind kind, TAniFunctionKind family);

} // namespace vel
