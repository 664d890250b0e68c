// The synchronous machine's model: the steady states of the check table, the V-curves' minima,
// pull-out, the swing equation's lessons, and the rules that join the command line's options.
#include "synchronous/synchronous_model.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

constexpr double kV = 230.94010767585030;  // 400/sqrt(3)
constexpr double kDegrees = 180.0 / std::numbers::pi;

struct SteadyCase {
    const char* name;
    double power;  // W
    double field;  // A
    double delta;  // degrees
    double current;
    double powerFactor;
    PowerFactorKind kind;
    double reactive;  // kvar
    double pullOut;   // kW
    friend void PrintTo(const SteadyCase& row, std::ostream* os) { *os << row.name; }
};

class Steady : public ::testing::TestWithParam<SteadyCase> {};

TEST_P(Steady, MatchesTheHandWorkedValues) {
    const SteadyCase& c = GetParam();
    const SynchronousPoint p = SynchronousSteady(c.field, c.power);
    ASSERT_TRUE(p.inStep);
    EXPECT_NEAR(p.delta * kDegrees, c.delta, 0.05);
    EXPECT_NEAR(std::abs(p.current), c.current, 0.005);
    EXPECT_NEAR(p.PowerFactor(), c.powerFactor, 0.0005);
    EXPECT_EQ(p.Kind(), c.kind);
    EXPECT_NEAR(p.power, c.power, 1e-6);
    EXPECT_NEAR(p.reactive / 1000.0, c.reactive, 0.005);
    EXPECT_NEAR(p.pullOut / 1000.0, c.pullOut, 0.005);
}

// By hand: E = V If/2; sin(delta) = P X_s / (3 V E); I = (V - E∠-delta) / (j X_s); S = 3 V I*.
// 5 kW at 2 A: E = V, sin(delta) = 60000/160000 = 0.375, delta = 22.02°; V - E∠-delta =
// V(1 - cos delta) + jV sin delta = 16.82 + j86.60 V, |I| = 88.22/12 = 7.35 A; Q = 3V Re(...)/X_s
// = 0.97 kvar, PF = 5/5.093 = 0.982. At unity E² = V² + (P X_s/3V)² = 230.94² + 86.60²,
// E = 246.64 V, If = 2.136 A, I = P/3V = 7.217 A. At 3 A, E = 346.4 V, delta = 14.48°,
// Q = -6.03 kvar. -5 kW at 2.5 A: E = 288.7 V, delta = -17.46°, Q = -2.57 kvar, pull-out
// 3 V E / X_s = 16.67 kW.
INSTANTIATE_TEST_SUITE_P(
    Checks, Steady,
    ::testing::Values(
        SteadyCase{"motor_2A", 5000, 2.0, 22.02, 7.35, 0.982, PowerFactorKind::Lagging, 0.97,
                   13.33},
        SteadyCase{"motor_unity", 5000, 2.136, 20.56, 7.22, 1.000, PowerFactorKind::Unity, 0.0,
                   14.24},
        SteadyCase{"motor_3A", 5000, 3.0, 14.48, 11.31, 0.638, PowerFactorKind::Leading, -6.03,
                   20.00},
        SteadyCase{"generator_2_5A", -5000, 2.5, -17.46, 8.11, 0.890, PowerFactorKind::Leading,
                   -2.57, 16.67},
        // No field: all the current is the bus's magnetising, V/X_s = 19.25 A, lagging.
        SteadyCase{"no_field", 0, 0.0, 0.0, 19.25, 0.0, PowerFactorKind::Lagging, 13.33, 0.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(VCurve, EachCurveDrawnHasItsMinimumAtUnity) {
    for (const double kw : synchronous::kCurvePowers) {
        const double p = kw * 1000.0;
        double best = 1e9, at = 0.0;
        for (double f = 0.0; f <= 5.0; f += 1e-4) {
            if (const std::optional<double> i = VCurveCurrent(p, f); i && *i < best) {
                best = *i;
                at = f;
            }
        }
        SCOPED_TRACE(kw);
        EXPECT_NEAR(best, p / (3.0 * kV), 1e-4);
        // E cos(delta) = V there: If = 2 sqrt(V² + (P X_s/3V)²) / V.
        EXPECT_NEAR(at, 2.0 * std::hypot(kV, p * 12.0 / (3.0 * kV)) / kV, 2e-4);
        // (At P = 0 no current flows there, and there is no power factor.)
        if (p > 0) {
            EXPECT_NEAR(SynchronousSteady(at, p).PowerFactor(), 1.0, 1e-6);
        }
    }
}

struct PullOutCase {
    const char* name;
    double field;
    double power;
    bool inStep;
    friend void PrintTo(const PullOutCase& row, std::ostream* os) { *os << row.name; }
};

class PullOut : public ::testing::TestWithParam<PullOutCase> {};

TEST_P(PullOut, BeyondThreeVEOverXs) {
    const PullOutCase& c = GetParam();
    EXPECT_EQ(SynchronousSteady(c.field, c.power).inStep, c.inStep);
    EXPECT_EQ(VCurveCurrent(c.power, c.field).has_value(), c.inStep);
}

// 3 V E / X_s = 3 V² If / (2 X_s) = 6666.7 W per ampere of field.
INSTANTIATE_TEST_SUITE_P(Limits, PullOut,
                         ::testing::Values(PullOutCase{"under_at_2A", 2.0, 13330, true},
                                           PullOutCase{"over_at_2A", 2.0, 13340, false},
                                           PullOutCase{"generator_under_at_1A", 1.0, -6660, true},
                                           PullOutCase{"generator_over_at_1A", 1.0, -6670, false},
                                           PullOutCase{"any_power_without_field", 0.0, 10, false},
                                           PullOutCase{"nothing_without_field", 0.0, 0, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The fastest the rotor turned, either way, in the first `time` seconds.
double Fastest(const SynchronousRunInputs& run, double time) {
    SynchronousRun r(run);
    r.At(time);
    double fastest = 0.0;
    for (const SynchronousSample& s : r.Samples()) fastest = std::max(fastest, std::abs(s.speed));
    return fastest;
}

TEST(Swing, FieldOnAtRestWithoutACageOnlyTrembles) {
    SynchronousRunInputs run;
    run.damper = false;
    run.fieldOn = 0.0;
    EXPECT_LT(Fastest(run, 2.0), 20.0);
    const SynchronousMotion m = SynchronousRun(run).At(2.0);
    EXPECT_TRUE(m.fieldOn);
    EXPECT_FALSE(m.locked);
}

TEST(Swing, TheCageRunsItUpToJustBelowSynchronousSpeed) {
    SynchronousRunInputs run;
    run.fieldOn = 1500.0;
    const SynchronousMotion m = SynchronousRun(run).At(3.0);
    // An independent RK4 integration at 0.2 ms: 1498.85 rpm.
    EXPECT_NEAR(m.speed, 1498.85, 0.01);
    EXPECT_FALSE(m.fieldOn);
}

TEST(Swing, FieldOnAt1300PullsIntoStepUnderAFan) {
    SynchronousRunInputs run;
    run.load = 10.0;
    run.fieldOn = 1300.0;
    SynchronousRun r(run);
    const SynchronousMotion m = r.At(8.0);
    EXPECT_TRUE(m.locked);
    EXPECT_NEAR(m.speed, 1500.0, 0.05);
    // The steady state: 84.88 sin(delta) = 10 N·m, delta = 6.766°.
    EXPECT_NEAR(m.delta * kDegrees, 6.8, 0.1);
    EXPECT_NEAR(m.delta * kDegrees, 6.766, 0.01);
    ASSERT_TRUE(r.FieldOnTime().has_value());
    EXPECT_GT(*r.FieldOnTime(), 1.0);
    // It swings through n_s first: within the band for the last 0.5 s only from 4.64 s on.
    EXPECT_FALSE(SynchronousRun(run).At(5.13).locked);
    EXPECT_TRUE(SynchronousRun(run).At(5.15).locked);
}

TEST(Swing, AnEarlierTimeStartsAgain) {
    SynchronousRunInputs run;
    run.load = 10.0;
    run.fieldOn = 1300.0;
    SynchronousRun r(run);
    r.At(3.0);
    const SynchronousMotion back = r.At(1.5);
    const SynchronousMotion fresh = SynchronousRun(run).At(1.5);
    EXPECT_EQ(back.speed, fresh.speed);
    EXPECT_EQ(back.delta, fresh.delta);
    EXPECT_EQ(r.Samples().back().time, 1.5);
}

struct ConflictCase {
    const char* name;
    SynchronousOptionsGiven given;
    const char* option;  // named in the reason; none when there is no conflict
    friend void PrintTo(const ConflictCase& row, std::ostream* os) { *os << row.name; }
};

class Conflict : public ::testing::TestWithParam<ConflictCase> {};

TEST_P(Conflict, NamesTheOptionInOneLine) {
    const ConflictCase& c = GetParam();
    const std::string_view reason = SynchronousConflict(c.given);
    if (c.option == nullptr) {
        EXPECT_TRUE(reason.empty()) << reason;
    } else {
        EXPECT_NE(reason.find(c.option), std::string_view::npos) << reason;
        EXPECT_EQ(reason.find('\n'), std::string_view::npos);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, Conflict,
    ::testing::Values(ConflictCase{"none", {}, nullptr},
                      ConflictCase{"power", {true, false, false}, nullptr},
                      ConflictCase{"start_up_with_field_on", {false, true, true}, nullptr},
                      ConflictCase{"field_on_without_time", {false, true, false}, "--field-on"},
                      ConflictCase{"power_with_time", {true, false, true}, "--power"},
                      ConflictCase{"power_and_field_on_with_time", {true, true, true}, "--power"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
