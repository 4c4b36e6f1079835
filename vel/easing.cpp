#include "vel/easing.h"

#include <cmath>
#include <numbers>

namespace vel {

namespace {

// The Back overshoot constants, each held as a float like the curves' results.
constexpr double kBack1 = static_cast<float>(1.70158);
constexpr double kBack3 = kBack1 + 1;
constexpr double kBack2 = static_cast<float>(kBack1 * 1.525);

template <int N> double Power(double x) {
    double result = 1;
    for (int i = 0; i < N; ++i)
        result *= x;
    return result;
}

// The polynomial families differ only in the exponent; the in-out form scales each half
// by 2^(N-1) so that both meet at 0.5.
template <int N> float PowerIn(float P) {
    return static_cast<float>(Power<N>(P));
}

template <int N> float PowerOut(float P) {
    return static_cast<float>(1 - Power<N>(1 - double(P)));
}

template <int N> float PowerInOut(float P) {
    const double p = P;
    const double scale = Power<N - 1>(2);
    return static_cast<float>(p < 0.5 ? scale * Power<N>(p) : 1 - scale * Power<N>(1 - p));
}

} // namespace

float TIntAniCollection::Linear(float P) {
    return P;
}

float TIntAniCollection::Quadratic_In(float P) {
    return PowerIn<2>(P);
}
float TIntAniCollection::Quadratic_Out(float P) {
    return PowerOut<2>(P);
}
float TIntAniCollection::Quadratic_InOut(float P) {
    return PowerInOut<2>(P);
}

float TIntAniCollection::Cubic_In(float P) {
    return PowerIn<3>(P);
}
float TIntAniCollection::Cubic_Out(float P) {
    return PowerOut<3>(P);
}
float TIntAniCollection::Cubic_InOut(float P) {
    return PowerInOut<3>(P);
}

float TIntAniCollection::Quartic_In(float P) {
    return PowerIn<4>(P);
}
float TIntAniCollection::Quartic_Out(float P) {
    return PowerOut<4>(P);
}
float TIntAniCollection::Quartic_InOut(float P) {
    return PowerInOut<4>(P);
}

float TIntAniCollection::Quintic_In(float P) {
    return PowerIn<5>(P);
}
float TIntAniCollection::Quintic_Out(float P) {
    return PowerOut<5>(P);
}
float TIntAniCollection::Quintic_InOut(float P) {
    return PowerInOut<5>(P);
}

float TIntAniCollection::Back_In(float P) {
    const double p = P;
    return static_cast<float>(p * p * (kBack3 * p - kBack1));
}

float TIntAniCollection::Back_Out(float P) {
    const double q = double(P) - 1;
    return static_cast<float>(1 + kBack3 * q * q * q + kBack1 * q * q);
}

float TIntAniCollection::Back_InOut(float P) {
    const double p = P;
    if (p < 0.5) {
        const double q = 2 * p;
        return static_cast<float>(q * q * ((kBack2 + 1) * q - kBack2) / 2);
    }
    const double r = 2 * p - 2;
    return static_cast<float>(r * r * ((kBack2 + 1) * r + kBack2) / 2 + 1);
}

float TIntAniCollection::Bounce_Out(float P) {
    constexpr double n = 7.5625;
    constexpr double d = 2.75;
    const double p = P;
    double result;
    if (p < 1 / d)
        result = n * p * p;
    else if (p < 2 / d)
        result = n * (p - 1.5 / d) * (p - 1.5 / d) + 0.75;
    else if (p < 2.5 / d)
        result = n * (p - 2.25 / d) * (p - 2.25 / d) + 0.9375;
    else
        result = n * (p - 2.625 / d) * (p - 2.625 / d) + 0.984375;
    return static_cast<float>(result);
}

// The other two bounce forms mirror Bounce_Out; its argument is a float like any caller's.
float TIntAniCollection::Bounce_In(float P) {
    return static_cast<float>(1 - double(Bounce_Out(static_cast<float>(1 - double(P)))));
}

float TIntAniCollection::Bounce_InOut(float P) {
    const double p = P;
    if (p < 0.5)
        return static_cast<float>((1 - double(Bounce_Out(static_cast<float>(1 - 2 * p)))) / 2);
    return static_cast<float>((1 + double(Bounce_Out(static_cast<float>(2 * p - 1)))) / 2);
}

float TIntAniCollection::Expo_In(float P) {
    return static_cast<float>(std::exp2(10 * (double(P) - 1)));
}

float TIntAniCollection::Expo_Out(float P) {
    return static_cast<float>(1 - std::exp2(-10 * double(P)));
}

float TIntAniCollection::Expo_InOut(float P) {
    const double p = P;
    if (p < 0.5) return static_cast<float>(std::exp2(10 * (2 * p - 1)) / 2);
    return static_cast<float>((2 - std::exp2(-10 * (2 * p - 1))) / 2);
}

float TIntAniCollection::Sine_In(float P) {
    return static_cast<float>(1 - std::cos(std::numbers::pi * double(P) / 2));
}

float TIntAniCollection::Sine_Out(float P) {
    return static_cast<float>(std::sin(std::numbers::pi * double(P) / 2));
}

float TIntAniCollection::Sine_InOut(float P) {
    return static_cast<float>((1 - std::cos(std::numbers::pi * double(P))) / 2);
}

float TIntAniCollection::Circle_In(float P) {
    const double p = P;
    return static_cast<float>(1 - std::sqrt(1 - p * p));
}

float TIntAniCollection::Circle_Out(float P) {
    const double q = double(P) - 1;
    return static_cast<float>(std::sqrt(1 - q * q));
}

float TIntAniCollection::Circle_InOut(float P) {
    const double p = P;
    if (p < 0.5) return static_cast<float>((1 - std::sqrt(1 - (2 * p) * (2 * p))) / 2);
    return static_cast<float>((1 + std::sqrt(1 - (2 * p - 2) * (2 * p - 2))) / 2);
}

TAniCurve ResolveAniCurve(TAniKind kind, TAniFunctionKind family) {
    using C = TIntAniCollection;
    // Rows in the order of TAniFunctionKind, columns in the order of TAniKind.
    static constexpr TAniCurve kCurves[][3] = {
        {C::Linear, C::Linear, C::Linear},
        {C::Quadratic_In, C::Quadratic_Out, C::Quadratic_InOut},
        {C::Cubic_In, C::Cubic_Out, C::Cubic_InOut},
        {C::Quartic_In, C::Quartic_Out, C::Quartic_InOut},
        {C::Quintic_In, C::Quintic_Out, C::Quintic_InOut},
        {C::Back_In, C::Back_Out, C::Back_InOut},
        {C::Bounce_In, C::Bounce_Out, C::Bounce_InOut},
        {C::Expo_In, C::Expo_Out, C::Expo_InOut},
        {C::Sine_In, C::Sine_Out, C::Sine_InOut},
        {C::Circle_In, C::Circle_Out, C::Circle_InOut},
    };
    constexpr unsigned kFamilies = sizeof(kCurves) / sizeof(kCurves[0]);
    if (kind > akInOut || family >= kFamilies) return nullptr;
    return kCurves[family][kind];
}

} // namespace vel
