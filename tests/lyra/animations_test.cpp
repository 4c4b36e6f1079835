// The framework's additions to the animation engine: Running, EndValue and Percent.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "lyra/animations.h"

namespace lyra {
namespace {

TEST(LyraTIntAni, EndValueReadsAndWritesThroughDeltaValue) {
    TIntAni ani;
    ani.StartValue = 10;
    ani.DeltaValue = 5;
    EXPECT_EQ(ani.EndValue(), 15);
    ani.SetEndValue(3);
    EXPECT_EQ(ani.DeltaValue, -7);
    EXPECT_EQ(ani.StartValue, 10);

    // The whole 32-bit range wraps like the run's own arithmetic.
    ani.StartValue = INT32_MIN;
    ani.SetEndValue(INT32_MAX);
    EXPECT_EQ(ani.DeltaValue, -1);
    EXPECT_EQ(ani.EndValue(), INT32_MAX);
}

TEST(LyraTIntAni, PercentIsTheLinearProgressAndRunningSpansTheRun) {
    std::vector<double> percents;
    std::vector<int32_t> values;
    bool runningInSteps = true;
    bool runningInDone = false;
    TIntAni* self = nullptr;
    TIntAni ani(
        false, akIn, afkQuadratic, 0, 1000,
        [&](int32_t value) {
            values.push_back(value);
            percents.push_back(self->Percent());
            runningInSteps = runningInSteps && self->Running();
        },
        [&] { runningInDone = self->Running(); });
    self = &ani;
    ani.Duration = 50;
    ani.Step = 5;
    EXPECT_FALSE(ani.Running());
    EXPECT_EQ(ani.Percent(), 0.0);
    ani.Start();
    ani.WaitFor();
    EXPECT_FALSE(ani.Running());
    EXPECT_TRUE(runningInSteps);
    EXPECT_TRUE(runningInDone);
    ASSERT_EQ(percents.size(), 6u);
    const double expected[] = {0.2, 0.4, 0.6, 0.8, 1.0, 1.0};
    for (size_t i = 0; i < percents.size(); ++i)
        EXPECT_DOUBLE_EQ(percents[i], expected[i]) << i;
    // The values follow the eased curve, not the percentage.
    EXPECT_EQ(values, (std::vector<int32_t>{40, 160, 360, 640, 1000, 1000}));
}

} // namespace
} // namespace lyra
