// The single-phase motor's model against its equations worked by hand: the referred auxiliary
// impedance, the rotor branch at s and 2 - s, the two winding equations solved for I_f and I_b,
// then the currents and the torque. The figures below are those sums, carried to four places.
#include "capacitor_motor/capacitor_motor_model.h"
#include "capacitor_motor/capacitor_motor_run.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

using Kind = CapacitorMotorKind;

CapacitorMotorConfig Of(Kind kind, bool reverse = false) {
    CapacitorMotorConfig c;
    c.kind = kind;
    c.reverseAux = reverse;
    return c;
}

struct PointCase {
    const char* name;
    CapacitorMotorConfig config;
    double speed;
    double torque;  // N·m
    double main;    // |I_m|, A
    double aux;     // |I_a|
    double line;
    friend void PrintTo(const PointCase& row, std::ostream* os) { *os << row.name; }
};

class CapacitorMotorChecks : public ::testing::TestWithParam<PointCase> {};

TEST_P(CapacitorMotorChecks, TorqueAndCurrents) {
    const PointCase& c = GetParam();
    const CapacitorMotorPoint p = CapacitorMotorModel(c.config).Steady(c.speed);
    EXPECT_NEAR(p.Torque(), c.torque, 5e-4);
    EXPECT_NEAR(std::abs(p.main), c.main, 5e-4);
    EXPECT_NEAR(std::abs(p.aux), c.aux, 5e-4);
    EXPECT_NEAR(std::abs(p.line), c.line, 5e-4);
}

// At standstill Z_f = Z_b = 3.3636 + j2.4853 Ω, so the main winding's equation alone gives
// I_m = 230 / |Z_1m + Z_f| = 28.6572 A whatever the auxiliary circuit. Split-phase: Z_1a' =
// (7.2 + j3.7)/1.69; capacitor-start adds -j21.221 Ω (150 µF), the permanent capacitor -j127.32
// Ω (25 µF), two-value -j18.189 Ω (175 µF). At 1440 rpm s = 0.04, Z_f = 34.22 + j43.71 Ω and
// Z_b = 1.719 + j2.365 Ω; I_m = 3.9448 A, which the readout prints as 3.94.
INSTANTIATE_TEST_SUITE_P(
    CapacitorMotor, CapacitorMotorChecks,
    ::testing::Values(
        PointCase{"main_only_standstill", Of(Kind::MainOnly), 0, 0.0, 28.6572, 0.0, 28.6572},
        PointCase{"split_phase_standstill", Of(Kind::SplitPhase), 0, 5.2904, 28.6572, 15.2180,
                  43.6357},
        PointCase{"capacitor_start_standstill", Of(Kind::CapacitorStart), 0, 19.8012, 28.6572,
                  12.4108, 31.2186},
        PointCase{"permanent_capacitor_1440", Of(Kind::PermanentCapacitor), 1440, 6.4928, 3.9448,
                  2.9077, 5.0409},
        PointCase{"main_only_1440", Of(Kind::MainOnly), 1440, 4.9832, 6.9407, 0.0, 6.9407},
        PointCase{"two_value_standstill", Of(Kind::TwoValue), 0, 22.0756, 28.6572, 13.9491,
                  33.4256},
        // The switch open above 1125 rpm: the main winding alone.
        PointCase{"capacitor_start_1440", Of(Kind::CapacitorStart), 1440, 4.9832, 6.9407, 0.0,
                  6.9407},
        // A reversed winding draws the same currents and turns the torque round.
        PointCase{"capacitor_start_reversed", Of(Kind::CapacitorStart, true), 0, -19.8012, 28.6572,
                  12.4108, 31.2186}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CapacitorMotorField, NearlyCircularAt1440WithThePermanentCapacitor) {
    const CapacitorMotorPoint p = CapacitorMotorModel(Of(Kind::PermanentCapacitor)).Steady(1440);
    EXPECT_NEAR(std::abs(p.backward) / std::abs(p.forward), 0.0372, 5e-4);
    // I_a leads I_m by 86.51°.
    EXPECT_NEAR(std::arg(p.aux / p.main) * 180 / std::numbers::pi, 86.515, 5e-3);
}

TEST(CapacitorMotorMainOnly, NoTorqueAtRestAndOdd) {
    const CapacitorMotorModel model(Of(Kind::MainOnly));
    EXPECT_NEAR(model.Steady(0).Torque(), 0.0, 1e-9);
    for (const double n : {150.0, 700.0, 1200.0, 1450.0}) {
        EXPECT_GT(model.Steady(n).Torque(), 0.5) << n;
        EXPECT_NEAR(model.Steady(-n).Torque(), -model.Steady(n).Torque(), 1e-9) << n;
    }
}

// Reversing the auxiliary winding turns every curve round: T(n) = -T(-n), switch either way.
TEST(CapacitorMotorReverseAux, MirrorsTheTorque) {
    for (const Kind kind :
         {Kind::SplitPhase, Kind::CapacitorStart, Kind::PermanentCapacitor, Kind::TwoValue}) {
        const CapacitorMotorModel ahead(Of(kind)), reversed(Of(kind, true));
        for (const double n : {-1400.0, -900.0, -300.0, 0.0, 500.0, 1100.0, 1450.0})
            for (const bool closed : {true, false}) {
                const CapacitorMotorPoint r = reversed.At(n, closed), a = ahead.At(-n, closed);
                EXPECT_NEAR(r.Torque(), -a.Torque(), 1e-9) << n;
                EXPECT_NEAR(std::abs(r.line), std::abs(a.line), 1e-9) << n;
            }
    }
}

// V = Z_1m (I_f + I_b) + Z_f I_f + Z_b I_b and ±V/a = j Z_1a' (I_f - I_b) + j (Z_f I_f - Z_b I_b),
// with the impedances written out here from the machine's data.
TEST(CapacitorMotorCurrents, SatisfyBothWindingEquations) {
    const Phasor j(0, 1), zm(2.4, 3.1);
    const auto rotor = [&](double s) {
        const Phasor r = 3.6 / s + j * 2.4;
        return j * 72.0 * r / (j * 72.0 + r);
    };
    const double omega = 2 * std::numbers::pi * 50;
    struct Row {
        Kind kind;
        bool reverse;
        bool closed;
        double microfarads;  // in series with the auxiliary winding; 0: none
    };
    for (const Row& row :
         {Row{Kind::SplitPhase, false, true, 0.0}, Row{Kind::CapacitorStart, true, true, 150.0},
          Row{Kind::PermanentCapacitor, false, false, 25.0},
          Row{Kind::TwoValue, false, true, 175.0}, Row{Kind::TwoValue, true, false, 25.0}}) {
        for (const double n : {-700.0, 300.0, 1440.0}) {
            const CapacitorMotorPoint p =
                CapacitorMotorModel(Of(row.kind, row.reverse)).At(n, row.closed);
            const double s = (1500 - n) / 1500;
            const Phasor zf = rotor(s), zb = rotor(2 - s);
            Phasor za(7.2, 3.7);
            if (row.microfarads > 0) za -= j / (omega * row.microfarads * 1e-6);
            za /= 1.69;
            const Phasor f = p.forward, b = p.backward;
            EXPECT_NEAR(std::abs(zm * (f + b) + zf * f + zb * b - 230.0), 0.0, 1e-9);
            EXPECT_NEAR(std::abs(j * za * (f - b) + j * (zf * f - zb * b) -
                                 (row.reverse ? -230.0 : 230.0) / 1.3),
                        0.0, 1e-9);
            EXPECT_NEAR(std::abs(p.main - (f + b)), 0.0, 1e-12);
            EXPECT_NEAR(std::abs(p.aux - j * (f - b) / 1.3), 0.0, 1e-12);
            EXPECT_NEAR(std::abs(p.line - (row.reverse ? p.main - p.aux : p.main + p.aux)), 0.0,
                        1e-12);
        }
    }
}

struct SwitchCase {
    const char* name;
    CapacitorMotorConfig config;
    double speed;
    bool closed;
    friend void PrintTo(const SwitchCase& row, std::ostream* os) { *os << row.name; }
};

class CapacitorMotorSteadySwitch : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(CapacitorMotorSteadySwitch, AsAStartUpFromRestLeavesIt) {
    const SwitchCase& c = GetParam();
    EXPECT_EQ(CapacitorMotorModel(c.config).Steady(c.speed).switchClosed, c.closed);
}

CapacitorMotorConfig Forced(SwitchSetting setting) {
    CapacitorMotorConfig c = Of(Kind::SplitPhase);
    c.switchSetting = setting;
    return c;
}

INSTANTIATE_TEST_SUITE_P(
    CapacitorMotor, CapacitorMotorSteadySwitch,
    ::testing::Values(SwitchCase{"below_1125", Of(Kind::CapacitorStart), 1124.9, true},
                      SwitchCase{"at_1125", Of(Kind::CapacitorStart), 1125, false},
                      // Between 900 and 1125 a start-up from rest has not yet opened it.
                      SwitchCase{"at_1000", Of(Kind::TwoValue), 1000, true},
                      SwitchCase{"backwards_at_1200", Of(Kind::TwoValue), -1200, false},
                      SwitchCase{"forced_closed", Forced(SwitchSetting::Closed), 1440, true},
                      SwitchCase{"forced_open", Forced(SwitchSetting::Open), 0, false},
                      SwitchCase{"no_switch", Of(Kind::PermanentCapacitor), 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The start-ups below were integrated independently by RK4 at 1 ms with J = 0.01 kg·m² and the
// switch checked after each step.
TEST(CapacitorMotorStartUp, CapacitorStartOpensOnceAt1125) {
    CapacitorMotorRun run({Of(Kind::CapacitorStart), 0.0, 0.01, 0.0});
    EXPECT_NEAR(run.At(0.3).speed, 1498.243, 1e-3);
    ASSERT_EQ(run.Events().size(), 1u);
    const SwitchEvent& e = run.Events()[0];
    EXPECT_TRUE(e.opened);
    EXPECT_DOUBLE_EQ(e.time, 0.049);
    EXPECT_NEAR(e.speed, 1140.51, 0.01);
    // The step before it ended below 1125 with the switch still closed.
    const CapacitorMotorSample& before = run.Samples()[48];
    EXPECT_NEAR(before.speed, 1115.07, 0.01);
    EXPECT_TRUE(before.switchClosed);
    EXPECT_FALSE(run.Samples()[49].switchClosed);
}

// A two-value motor with C_r = 100 µF switched on while turning backwards at 1400 rpm: its
// torque slows it with the switch open through 1125 rpm down to 900, where the switch closes;
// it then starts forwards and the switch opens again at 1125.
TEST(CapacitorMotorStartUp, TheSwitchHasHysteresis) {
    CapacitorMotorConfig config = Of(Kind::TwoValue);
    config.runCapacitor = 100.0;
    CapacitorMotorRun run({config, 0.0, 0.01, -1400.0});
    EXPECT_FALSE(run.Samples()[0].switchClosed);
    EXPECT_NEAR(run.At(0.5).speed, 1475.227, 1e-3);
    ASSERT_EQ(run.Events().size(), 2u);
    EXPECT_FALSE(run.Events()[0].opened);
    EXPECT_DOUBLE_EQ(run.Events()[0].time, 0.197);
    EXPECT_NEAR(run.Events()[0].speed, -897.57, 0.01);
    EXPECT_TRUE(run.Events()[1].opened);
    EXPECT_DOUBLE_EQ(run.Events()[1].time, 0.288);
    EXPECT_NEAR(run.Events()[1].speed, 1134.37, 0.01);
}

TEST(CapacitorMotorStartUp, AForcedSwitchNeverMoves) {
    CapacitorMotorConfig config = Forced(SwitchSetting::Closed);
    CapacitorMotorRun run({config, 0.0, 0.01, 0.0});
    run.At(2.0);
    EXPECT_TRUE(run.Events().empty());
    EXPECT_TRUE(run.Samples().back().switchClosed);
}

// Asked in pieces, on and off the grid, a run gives what it gives at once.
TEST(CapacitorMotorStartUp, ARunInPiecesIsTheRunAtOnce) {
    const CapacitorMotorRunInputs in{Of(Kind::SplitPhase), 5.0, 0.01, 0.0};
    CapacitorMotorRun pieces(in);
    for (const double t : {0.0125, 0.2, 0.2005, 0.1, 0.35}) pieces.At(t);
    CapacitorMotorRun once(in);
    EXPECT_EQ(pieces.At(0.4).speed, once.At(0.4).speed);
    EXPECT_EQ(pieces.Samples().size(), once.Samples().size());
    EXPECT_EQ(pieces.Events().size(), 1u);
}

struct InvalidCase {
    const char* name;
    CapacitorMotorConfig config;
    const char* reason;
    friend void PrintTo(const InvalidCase& row, std::ostream* os) { *os << row.name; }
};

class CapacitorMotorReasons : public ::testing::TestWithParam<InvalidCase> {};

TEST_P(CapacitorMotorReasons, OneLineNamingTheOption) {
    EXPECT_EQ(CapacitorMotorInvalid(GetParam().config), GetParam().reason);
}

CapacitorMotorConfig With(Kind kind, std::optional<double> start, std::optional<double> run,
                          bool reverse = false, SwitchSetting setting = SwitchSetting::Automatic) {
    return {kind, start, run, reverse, setting};
}

INSTANTIATE_TEST_SUITE_P(
    CapacitorMotor, CapacitorMotorReasons,
    ::testing::Values(
        InvalidCase{"two_value_both", With(Kind::TwoValue, 200.0, 30.0), ""},
        InvalidCase{"start_on_split_phase", With(Kind::SplitPhase, 200.0, {}),
                    "--start-capacitor: a split-phase motor has no start capacitor"},
        InvalidCase{"start_on_permanent", With(Kind::PermanentCapacitor, 200.0, {}),
                    "--start-capacitor: a permanent-capacitor motor has no start capacitor"},
        InvalidCase{"run_on_capacitor_start", With(Kind::CapacitorStart, {}, 30.0),
                    "--run-capacitor: a capacitor-start motor has no run capacitor"},
        InvalidCase{"run_on_main_only", With(Kind::MainOnly, {}, 30.0),
                    "--run-capacitor: a main-only motor has no run capacitor"},
        InvalidCase{"reverse_main_only", With(Kind::MainOnly, {}, {}, true),
                    "--reverse-aux: a main-only motor has no auxiliary winding"},
        InvalidCase{"reverse_split_phase", With(Kind::SplitPhase, {}, {}, true), ""},
        InvalidCase{"switch_on_permanent",
                    With(Kind::PermanentCapacitor, {}, {}, false, SwitchSetting::Open),
                    "--switch: a permanent-capacitor motor has no centrifugal switch"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
