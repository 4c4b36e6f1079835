// The easing curves against values computed independently from their definitions, and
// the arithmetic that turns a curve into the integer steps of a run.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

#include "vel/animation_steps.h"
#include "vel/easing.h"

namespace vel {
namespace {

using C = TIntAniCollection;

// P = 0 and 1 show the ends without special cases (Expo never reaches them), 0.2 / 0.5 /
// 0.8 / 0.95 reach into each piece of the split curves and each arc of Bounce_Out.
constexpr std::array<float, 6> kPoints = {0.f, 0.2f, 0.5f, 0.8f, 0.95f, 1.f};

struct CurveValues {
    const char* name;
    TAniCurve curve;
    TAniKind kind; // the direction and family that resolve to it
    TAniFunctionKind family;
    std::array<float, kPoints.size()> values;
};

// clang-format off
const CurveValues kCurveTable[] = {
    {"Linear",          C::Linear,          akIn,    afkLinear,    {0, 0.200000003, 0.5, 0.800000012, 0.949999988, 1}},
    {"Quadratic_In",    C::Quadratic_In,    akIn,    afkQuadratic, {0, 0.0400000028, 0.25, 0.640000045, 0.902499974, 1}},
    {"Quadratic_Out",   C::Quadratic_Out,   akOut,   afkQuadratic, {0, 0.360000014, 0.75, 0.959999979, 0.997500002, 1}},
    {"Quadratic_InOut", C::Quadratic_InOut, akInOut, afkQuadratic, {0, 0.0800000057, 0.5, 0.920000017, 0.995000005, 1}},
    {"Cubic_In",        C::Cubic_In,        akIn,    afkCubic,     {0, 0.00800000038, 0.125, 0.512000024, 0.857374966, 1}},
    {"Cubic_Out",       C::Cubic_Out,       akOut,   afkCubic,     {0, 0.488000005, 0.875, 0.991999984, 0.999875009, 1}},
    {"Cubic_InOut",     C::Cubic_InOut,     akInOut, afkCubic,     {0, 0.0320000015, 0.5, 0.967999995, 0.999499977, 1}},
    {"Quartic_In",      C::Quartic_In,      akIn,    afkQuartic,   {0, 0.00160000008, 0.0625, 0.409600019, 0.814506233, 1}},
    {"Quartic_Out",     C::Quartic_Out,     akOut,   afkQuartic,   {0, 0.590399981, 0.9375, 0.998399973, 0.999993742, 1}},
    {"Quartic_InOut",   C::Quartic_InOut,   akInOut, afkQuartic,   {0, 0.0128000006, 0.5, 0.987200022, 0.999949992, 1}},
    {"Quintic_In",      C::Quintic_In,      akIn,    afkQuintic,   {0, 0.000320000021, 0.03125, 0.327680022, 0.773780882, 1}},
    {"Quintic_Out",     C::Quintic_Out,     akOut,   afkQuintic,   {0, 0.672320008, 0.96875, 0.999679983, 0.999999702, 1}},
    {"Quintic_InOut",   C::Quintic_InOut,   akInOut, afkQuintic,   {0, 0.00512000034, 0.5, 0.994880021, 0.999994993, 1}},
    {"Back_In",         C::Back_In,         akIn,    afkBack,      {-0, -0.0464505628, -0.087697506, 0.294197798, 0.78059113, 1}},
    {"Back_Out",        C::Back_Out,        akOut,   afkBack,      {0, 0.705802262, 1.08769751, 1.04645061, 1.00391626, 1}},
    {"Back_InOut",      C::Back_InOut,      akInOut, afkBack,      {-0, -0.0925556645, 0.5, 1.09255564, 1.01117706, 1}},
    {"Bounce_In",       C::Bounce_In,       akIn,    afkBounce,    {0, 0.0600000024, 0.234375, 0.69750005, 0.981093764, 1}},
    {"Bounce_Out",      C::Bounce_Out,      akOut,   afkBounce,    {0, 0.30250001, 0.765625, 0.939999998, 0.984531224, 1}},
    {"Bounce_InOut",    C::Bounce_InOut,    akInOut, afkBounce,    {0, 0.113749981, 0.5, 0.886250019, 0.994062483, 1}},
    {"Expo_In",         C::Expo_In,         akIn,    afkExpo,      {0.0009765625, 0.00390625, 0.03125, 0.25000003, 0.707106709, 1}},
    {"Expo_Out",        C::Expo_Out,        akOut,   afkExpo,      {0, 0.75, 0.96875, 0.99609375, 0.99861896, 0.999023438}},
    {"Expo_InOut",      C::Expo_InOut,      akInOut, afkExpo,      {0.00048828125, 0.0078125, 0.5, 0.9921875, 0.999023438, 0.999511719}},
    {"Sine_In",         C::Sine_In,         akIn,    afkSine,      {0, 0.0489434861, 0.292893231, 0.690982997, 0.921540856, 1}},
    {"Sine_Out",        C::Sine_Out,        akOut,   afkSine,      {0, 0.309017003, 0.707106769, 0.95105654, 0.996917307, 1}},
    {"Sine_InOut",      C::Sine_InOut,      akInOut, afkSine,      {0, 0.0954915062, 0.5, 0.904508531, 0.993844151, 1}},
    {"Circle_In",       C::Circle_In,       akIn,    afkCircle,    {0, 0.0202041026, 0.133974597, 0.400000006, 0.687750041, 1}},
    {"Circle_Out",      C::Circle_Out,      akOut,   afkCircle,    {0, 0.600000024, 0.866025388, 0.979795873, 0.998749197, 1}},
    {"Circle_InOut",    C::Circle_InOut,    akInOut, afkCircle,    {0, 0.0417424329, 0.5, 0.958257556, 0.997493744, 1}},
};
// clang-format on

TEST(EasingCurves, MatchTheirDefinitionsAtChosenPoints) {
    ASSERT_EQ(std::size(kCurveTable), 28u);
    for (const CurveValues& row : kCurveTable)
        for (size_t i = 0; i < kPoints.size(); ++i)
            EXPECT_FLOAT_EQ(row.curve(kPoints[i]), row.values[i])
                << row.name << " at " << kPoints[i];
}

TEST(EasingCurves, NeitherClampTheirArgumentNorTheirResult) {
    EXPECT_FLOAT_EQ(C::Linear(1.5f), 1.5f);
    EXPECT_FLOAT_EQ(C::Quadratic_In(-1.f), 1.f);
    EXPECT_FLOAT_EQ(C::Cubic_Out(2.f), 2.f);
    EXPECT_FLOAT_EQ(C::Back_In(1.2f), 2.21805549f);
    EXPECT_FLOAT_EQ(C::Expo_In(1.5f), 32.f);
    EXPECT_FLOAT_EQ(C::Bounce_Out(1.2f), 1.44000018f);
    EXPECT_TRUE(std::isnan(C::Circle_In(1.5f))); // no value there; a run meeting it fails
}

TEST(EasingCurves, ResolveByDirectionAndFamily) {
    for (const CurveValues& row : kCurveTable)
        EXPECT_EQ(ResolveAniCurve(row.kind, row.family), row.curve) << row.name;
    EXPECT_EQ(ResolveAniCurve(akOut, afkLinear), C::Linear);
    EXPECT_EQ(ResolveAniCurve(akInOut, afkLinear), C::Linear);
    EXPECT_EQ(ResolveAniCurve(TAniKind(3), afkLinear), nullptr);
    EXPECT_EQ(ResolveAniCurve(akIn, TAniFunctionKind(10)), nullptr);
    EXPECT_EQ(ResolveAniCurve(TAniKind(255), TAniFunctionKind(255)), nullptr);
}

TEST(AnimationSteps, IntervalRoundsHalvesToEven) {
    struct Case {
        uint32_t duration, steps, interval;
    };
    for (Case c :
         {Case{400, 25, 16}, Case{100, 20, 5}, Case{200, 6, 33}, Case{250, 100, 2}, Case{10, 4, 2},
          Case{14, 4, 4}, Case{10, 10, 1}, Case{0, 5, 0}, Case{4000000000u, 1, 4000000000u}})
        EXPECT_EQ(AnimationInterval(c.duration, c.steps), c.interval)
            << c.duration << " / " << c.steps;
    EXPECT_THROW(AnimationInterval(400, 0), std::domain_error);
}

TEST(AnimationSteps, ProgressIsStepTimesIntervalOverDuration) {
    EXPECT_DOUBLE_EQ(AnimationProgress(1, 16, 400), 0.04);
    EXPECT_DOUBLE_EQ(AnimationProgress(25, 16, 400), 1.0);
    EXPECT_DOUBLE_EQ(AnimationProgress(6, 33, 200), 0.99); // never forced to 1
    EXPECT_DOUBLE_EQ(AnimationProgress(4, 4, 14), 16.0 / 14);
    EXPECT_THROW(AnimationProgress(1, 0, 0), std::domain_error);
}

TEST(AnimationSteps, ValueRoundsHalvesToEvenAndWrapsLike32Bits) {
    struct Case {
        int32_t start, delta;
        float eased;
        int32_t value;
    };
    for (Case c : {Case{0, 5, 0.5f, 2}, Case{0, 7, 0.5f, 4}, Case{0, -5, 0.5f, -2},
                   Case{25, 100, 0.99f, 124}, Case{10, 1000, 0.9990234375f, 1009},
                   Case{0, 1000, -0.087697506f, -88}, Case{INT32_MAX, 1, 1.f, INT32_MIN},
                   Case{INT32_MIN, -1, 1.f, INT32_MAX}, Case{0, INT32_MAX, 2.f, -2}})
        EXPECT_EQ(AnimationValue(c.start, c.delta, c.eased), c.value)
            << c.start << " + " << c.delta << " x " << c.eased;
    EXPECT_THROW(AnimationValue(0, 100, NAN), std::range_error);
    EXPECT_THROW(AnimationValue(0, 100, INFINITY), std::range_error);
}

} // namespace
} // namespace vel
