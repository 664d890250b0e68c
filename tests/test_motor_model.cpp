// The motor's model against the equivalent circuit worked by hand: at 1440 rpm the slip is 0.04,
// the rotor branch 52.5 Ω parallel to j70.37 Ω, and so on; the figures below are those sums
// rounded as the readouts round them.
#include "motor/motor_model.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

Supply Open(int phase, bool neutral) {
    Supply s;
    s.openPhase = phase;
    s.neutral = neutral;
    return s;
}

Supply Single() {
    Supply s;
    s.singlePhase = true;
    return s;
}

struct PointCase {
    const char* name;
    Supply supply;
    double speed;
    double torque;   // N·m
    double current;  // |I_U|, A
    friend void PrintTo(const PointCase& row, std::ostream* os) { *os << row.name; }
};

class Points : public ::testing::TestWithParam<PointCase> {};

TEST_P(Points, TorqueAndCurrent) {
    const PointCase& c = GetParam();
    const MotorPoint p = MotorModel(c.supply).At(c.speed);
    EXPECT_NEAR(p.Torque(), c.torque, 0.005);
    EXPECT_NEAR(std::abs(p.current[0]), c.current, 0.005);
}

// Balanced: E/Z+ with Z+ = 3.7 + j6.597 + (j70.37 ∥ 2.1/s); at n_s the rotor branch is open.
// At standstill Z+ = Z- = Z1 and the forward and backward parts cancel. One phase: E / Z_UU,
// Z_UU = (Z0 + 2 Z1) / 3. Two windings in series across 400 V: 400 / |2 Z1|. Two on the
// neutral: the 2 x 2 system with Z_ii = (Z0 + 2 Z1) / 3 and Z_ij = (Z0 - Z1) / 3.
INSTANTIATE_TEST_SUITE_P(
    Model, Points,
    ::testing::Values(PointCase{"balanced_1440", Supply{}, 1440, 14.26, 4.70},
                      PointCase{"balanced_standstill", Supply{}, 0, 27.41, 26.15},
                      PointCase{"balanced_synchronous", Supply{}, 1500, 0.0, 3.00},
                      PointCase{"single_phase_standstill", Single(), 0, 0.0, 27.59},
                      PointCase{"open_u_standstill", Open(0, false), 0, 0.0, 0.0},
                      PointCase{"open_v_standstill_u", Open(1, false), 0, 0.0, 22.65},
                      PointCase{"open_v_neutral_standstill_u", Open(1, true), 0, 10.07, 28.45}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Breakdown, BalancedNear1045) {
    const MotorModel::Breakdown b = MotorModel(Supply{}).MaximumTorque();
    EXPECT_NEAR(b.torque, 42.50, 0.01);
    EXPECT_NEAR(b.speed, 1045, 5);
}

TEST(Symmetry, ReversedIsBalancedTurnedRound) {
    Supply reversed;
    reversed.sequence = Sequence::Negative;
    const MotorModel forward(Supply{}), backward(reversed);
    for (const double n : {-1800.0, -1500.0, -700.0, 0.0, 333.0, 1440.0, 1500.0, 1800.0})
        EXPECT_NEAR(backward.Torque(n), -forward.Torque(-n), 1e-9) << n;
}

struct OddCase {
    const char* name;
    Supply supply;
    friend void PrintTo(const OddCase& row, std::ostream* os) { *os << row.name; }
};

class Pulsating : public ::testing::TestWithParam<OddCase> {};

// No torque at rest, and the same torque either way round: a push decides the direction.
TEST_P(Pulsating, ZeroAtRestAndOdd) {
    const MotorModel model(GetParam().supply);
    EXPECT_NEAR(model.Torque(0), 0.0, 1e-9);
    for (const double n : {150.0, 700.0, 1200.0, 1450.0}) {
        EXPECT_GT(model.Torque(n), 0.1) << n;
        EXPECT_NEAR(model.Torque(-n), -model.Torque(n), 1e-9) << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Model, Pulsating,
                         ::testing::Values(OddCase{"single_phase", Single()},
                                           OddCase{"open_u", Open(0, false)},
                                           OddCase{"open_w", Open(2, false)}),
                         [](const auto& info) { return std::string(info.param.name); });

// With the neutral and an open phase, two windings are fed 120° apart: a rotating field, weaker.
TEST(Neutral, OpenPhaseWithNeutralStarts) {
    const double t = MotorModel(Open(0, true)).Torque(0);
    EXPECT_GT(t, 0.5);
    EXPECT_LT(t, 27.41);
}

// The finite forms: at s = 0 and s = 2 the rotor branch carries nothing of that sequence.
TEST(Finite, SynchronousSpeeds) {
    const MotorPoint at = MotorModel(Supply{}).At(1500);
    EXPECT_EQ(at.forward, 0.0);
    EXPECT_TRUE(std::isfinite(at.backward));
    Supply reversed;
    reversed.sequence = Sequence::Negative;
    const MotorPoint back = MotorModel(reversed).At(-1500);
    EXPECT_EQ(back.backward, 0.0);
}

TEST(Fan, OpposesMotion) {
    EXPECT_DOUBLE_EQ(FanTorque(20, 750), -5.0);
    EXPECT_DOUBLE_EQ(FanTorque(20, -750), 5.0);
    EXPECT_DOUBLE_EQ(FanTorque(20, 0), 0.0);
}

// A constant torque over a short time: with a large inertia the speed hardly moves, the torque
// stays what it was, and the speed follows n0 + 60 T t / (2 pi J).
TEST(StartUp, ConstantTorqueAgreesWithClosedForm) {
    const MotorModel model(Single());
    // At rest a single phase has no torque, and nothing moves it.
    EXPECT_NEAR(RunMotor(model, {Single(), 0.0, 0.2, 0.0, 3.0}), 0.0, 1e-6);
    const MotorModel balanced(Supply{});
    const double t0 = balanced.Torque(1000);
    const double n = RunMotor(balanced, {Supply{}, 0.0, 10.0, 1000.0, 0.005});
    EXPECT_NEAR(n, 1000 + 60 * t0 * 0.005 / (2 * std::numbers::pi * 10), 1e-4);
}

TEST(StartUp, BalancedNoLoadAfterOneSecond) {
    const double n = RunMotor(MotorModel(Supply{}), {Supply{}, 0.0, 0.2, 0.0, 1.0});
    EXPECT_NEAR(n, 1484, 1.0);
}

TEST(StartUp, PushedSinglePhaseRunsTheWayItWasPushed) {
    const MotorModel model(Single());
    EXPECT_GT(RunMotor(model, {Single(), 0.0, 0.2, 150.0, 10.0}), 1300);
    EXPECT_LT(RunMotor(model, {Single(), 0.0, 0.2, -150.0, 10.0}), -1300);
}

// A run asked for in pieces gives what it gives at once.
TEST(StartUp, ContinuedRunIsTheSameRun) {
    const MotorRunInputs in{Supply{}, 5.0, 0.2, 0.0, 0.0};
    MotorRun pieces(MotorModel(Supply{}), in);
    for (const double t : {0.0125, 0.4, 0.4005, 1.0}) pieces.SpeedAt(t);
    std::vector<MotorSample> once;
    const double n = RunMotor(MotorModel(Supply{}), {Supply{}, 5.0, 0.2, 0.0, 1.0}, &once);
    EXPECT_EQ(pieces.SpeedAt(1.0), n);
    ASSERT_EQ(pieces.Samples().size(), once.size());
    EXPECT_EQ(pieces.Samples().back().speed, n);
}

struct BadCase {
    const char* name;
    MotorRunInputs run;
    double expected;  // the speed after the run as brought into range
    friend void PrintTo(const BadCase& row, std::ostream* os) { *os << row.name; }
};

class BadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInput, BroughtIntoRange) {
    EXPECT_NEAR(RunMotor(MotorModel(Single()), GetParam().run), GetParam().expected, 1e-6);
}

// A single phase at rest has no torque: the speed shows what the clamps did to the initial speed.
INSTANTIATE_TEST_SUITE_P(
    Model, BadInput,
    ::testing::Values(BadCase{"nan_speed", {Single(), 0, 0.2, std::nan(""), 1.0}, 0.0},
                      BadCase{"negative_time", {Single(), 0, 0.2, 0.0, -4.0}, 0.0},
                      BadCase{"speed_too_high", {Single(), 0, 0.2, 9000.0, 0.0}, 3000.0},
                      BadCase{"speed_too_low", {Single(), 0, 0.2, -9000.0, 0.0}, -3000.0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
