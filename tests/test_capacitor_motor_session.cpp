// The single-phase motor's session, the rules the window and the page share: what each change
// keeps, how the clock runs, and that its inputs draw what vesk-render draws.
#include "capacitor_motor/capacitor_motor_session.h"

#include <functional>

#include <gtest/gtest.h>

namespace {

double SpeedAfter(const CapacitorMotorRunInputs& run, double time) {
    return CapacitorMotorRun(run).At(time).speed;
}

CapacitorMotorConfig Kind(CapacitorMotorKind kind) {
    CapacitorMotorConfig c;
    c.kind = kind;
    return c;
}

struct SessionCase {
    const char* name;
    std::function<void(CapacitorMotorSession&)> act;
    double speed;  // rpm afterwards
    double time;   // s on the clock
    bool playing;
    friend void PrintTo(const SessionCase& row, std::ostream* os) { *os << row.name; }
};

class CapacitorMotorSessionRules : public ::testing::TestWithParam<SessionCase> {};

TEST_P(CapacitorMotorSessionRules, LeaveTheRunWhereTheySay) {
    CapacitorMotorSession m;
    GetParam().act(m);
    EXPECT_NEAR(m.Speed(), GetParam().speed, 1e-9);
    EXPECT_DOUBLE_EQ(m.Time(), GetParam().time);
    EXPECT_EQ(m.Stepper().Playing(), GetParam().playing);
}

// Ten times slower, 0.5 s of the clock is 0.05 s of the run. A change goes on from the speed of
// the moment as a new start-up. At 10 s a run becomes a new one from its speed.
INSTANTIATE_TEST_SUITE_P(
    CapacitorMotor, CapacitorMotorSessionRules,
    ::testing::Values(
        SessionCase{"at_first_at_rest", [](CapacitorMotorSession&) {}, 0.0, 0.0, false},
        SessionCase{"started_and_slowed",
                    [](CapacitorMotorSession& m) {
                        m.Start();
                        m.Advance(0.5, true);
                    },
                    SpeedAfter({Kind(kDefaultCapacitorMotorKind), 0, 0.01, 0}, 0.05), 0.05, true},
        SessionCase{"a_steady_state_has_no_clock",
                    [](CapacitorMotorSession& m) {
                        m.Show(700.0, 0.0, 0.0, 3);
                        m.Advance(1.0, false);
                    },
                    700.0, 0.0, false},
        SessionCase{"a_new_kind_goes_on_from_the_speed",
                    [](CapacitorMotorSession& m) {
                        m.Show(std::nullopt, 0.04, 0.0, 0);
                        m.SetConfig(Kind(CapacitorMotorKind::PermanentCapacitor));
                        m.Advance(0.1, false);
                    },
                    SpeedAfter({Kind(CapacitorMotorKind::PermanentCapacitor), 0, 0.01,
                                SpeedAfter({Kind(kDefaultCapacitorMotorKind), 0, 0.01, 0}, 0.04)},
                               0.1),
                    0.1, false},
        SessionCase{"past_ten_seconds_a_new_run",
                    [](CapacitorMotorSession& m) {
                        m.SetLoad(4);
                        m.Start();
                        m.Advance(10.25, false);
                    },
                    SpeedAfter({Kind(kDefaultCapacitorMotorKind), 4, 0.01,
                                SpeedAfter({Kind(kDefaultCapacitorMotorKind), 4, 0.01, 0}, 10)},
                               0.25),
                    0.25, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CapacitorMotorSession, WhatAKindLacksIsLeftOut) {
    CapacitorMotorSession m;
    m.SetConfig({CapacitorMotorKind::MainOnly, 100.0, 20.0, true, SwitchSetting::Open});
    EXPECT_EQ(m.Config(), Kind(CapacitorMotorKind::MainOnly));
}

TEST(CapacitorMotorSession, ItsInputsAreWhatTheyShow) {
    CapacitorMotorSession m;
    m.SetConfig({CapacitorMotorKind::TwoValue, 200.0, std::nullopt, true, SwitchSetting::Closed});
    m.SetInertia(0.5);
    m.Show(std::nullopt, 0.7, -300.0, 12);
    const CapacitorMotorInputs in = m.Inputs();
    EXPECT_EQ(in.Config(), m.Config());
    EXPECT_EQ(in.startCapacitor, 200.0);
    EXPECT_EQ(in.runCapacitor, capmotor::kDefaultRunCapacitor);
    EXPECT_EQ(in.inertia, 0.5);
    EXPECT_EQ(in.time, 0.7);
    EXPECT_EQ(in.initialSpeed, -300.0);
    EXPECT_EQ(in.step, 12);
    EXPECT_FALSE(in.speed.has_value());
}

}  // namespace
