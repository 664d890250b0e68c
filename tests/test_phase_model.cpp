#include "field/phase_model.h"

#include <cmath>

#include <gtest/gtest.h>

#include "field/frame.h"

namespace {

struct ReadoutCase {
    const char* name;
    int step;
    Readouts expected;
};

class Readout : public ::testing::TestWithParam<ReadoutCase> {};

TEST_P(Readout, FormatsAngleAndRelativeAmplitudes) {
    const ReadoutCase& c = GetParam();
    EXPECT_EQ(FormatReadouts(c.step, ComputePhases(c.step)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedSteps, Readout,
    ::testing::Values(ReadoutCase{"Start", 0, {"0*π/18=0°", "1.00", "-0.50", "-0.50"}},
                      ReadoutCase{"TenDegrees", 1, {"1*π/18=10°", "0.98", "-0.34", "-0.64"}},
                      // The stored step angle is a hair above 10 degrees: U is just below zero.
                      ReadoutCase{"QuarterPeriod", 9, {"9*π/18=90°", "-0.00", "0.87", "-0.87"}},
                      ReadoutCase{"VPeak", 12, {"12*π/18=120°", "-0.50", "1.00", "-0.50"}},
                      ReadoutCase{"HalfPeriod", 18, {"18*π/18=180°", "-1.00", "0.50", "0.50"}},
                      ReadoutCase{"TwoPeriods", 72, {"72*π/18=720°", "1.00", "-0.50", "-0.50"}}),
    [](const auto& info) { return std::string(info.param.name); });

enum class Phase { U, V, W };

struct NearZeroCase {
    const char* name;
    int step;
    Phase phase;
    bool positive;  // the sign the stored constants give, opposite to exact arithmetic
};

class NearZero : public ::testing::TestWithParam<NearZeroCase> {};

TEST_P(NearZero, KeepsTheSignOfTheStoredConstants) {
    const NearZeroCase& c = GetParam();
    const PhaseValues f = ComputePhases(c.step);
    const double value = c.phase == Phase::U ? f.Fu : (c.phase == Phase::V ? f.Fv : f.Fw);
    EXPECT_LT(std::fabs(value), 1e-9);
    EXPECT_EQ(value > 0.0, c.positive) << "value " << value;
    const Readouts r = FormatReadouts(c.step, f);
    const std::string& text =
        c.phase == Phase::U ? r.ampU : (c.phase == Phase::V ? r.ampV : r.ampW);
    EXPECT_EQ(text, c.positive ? "0.00" : "-0.00");
}

INSTANTIATE_TEST_SUITE_P(
    SignOfZeroCrossings, NearZero,
    ::testing::Values(
        NearZeroCase{"U9", 9, Phase::U, false}, NearZeroCase{"U45", 45, Phase::U, false},
        NearZeroCase{"V3", 3, Phase::V, false}, NearZeroCase{"V21", 21, Phase::V, false},
        NearZeroCase{"V57", 57, Phase::V, false}, NearZeroCase{"W33", 33, Phase::W, false},
        NearZeroCase{"W69", 69, Phase::W, false}, NearZeroCase{"U27", 27, Phase::U, true},
        NearZeroCase{"U63", 63, Phase::U, true}, NearZeroCase{"V39", 39, Phase::V, true},
        NearZeroCase{"W15", 15, Phase::W, true}, NearZeroCase{"W51", 51, Phase::W, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhaseModel, SixtyDegreesFallsJustShortOfHalfThePeak) {
    // Decides whether the U tip lands at cx + 34 or cx + 35.
    const double fu = ComputePhases(6).Fu;
    EXPECT_LT(fu, 35.0);
    EXPECT_NEAR(fu, 34.99999999999986, 1e-12);
}

TEST(PhaseModel, ResultantHasConstantLengthOfThreeHalvesThePeak) {
    const double s3 = std::sqrt(3.0);
    for (int step = 0; step <= MAX_STEP; ++step) {
        const PhaseValues f = ComputePhases(step);
        const double x = f.Fu - 0.5 * f.Fv - 0.5 * f.Fw;
        const double y = s3 / 2 * (f.Fv - f.Fw);
        EXPECT_NEAR(std::hypot(x, y), 105.0, 1e-9) << "step " << step;
    }
}

struct AnchorCase {
    const char* name;
    CRect rect;
    SceneAnchors expected;
};

class Anchors : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(Anchors, FollowTheCanvasWithIntegerDivision) {
    const AnchorCase& c = GetParam();
    const SceneAnchors a = ComputeAnchors(c.rect);
    EXPECT_EQ(a.cx, c.expected.cx);
    EXPECT_EQ(a.cy, c.expected.cy);
    EXPECT_EQ(a.y0, c.expected.y0);
}

INSTANTIATE_TEST_SUITE_P(
    CanvasSizes, Anchors,
    ::testing::Values(AnchorCase{"Default", {0, 0, 513, 624}, {256, 468, 156}},
                      AnchorCase{"Wide", {0, 0, 800, 600}, {400, 450, 150}},
                      // 3 * 103 / 4 is 77; dividing first would give 75.
                      AnchorCase{"ProductBeforeDivision", {0, 0, 101, 103}, {50, 77, 25}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
