// The motor's session, the rules the window and the page share: what each change keeps, what a
// push adds, how the clock runs, and where the rotor turns to.
#include "motor/motor_session.h"

#include <cmath>
#include <functional>
#include <numbers>

#include <gtest/gtest.h>

namespace {

struct SessionCase {
    const char* name;
    std::function<void(MotorSession&)> act;
    double speed;  // rpm afterwards
    double time;   // s on the clock
    bool playing;
    friend void PrintTo(const SessionCase& row, std::ostream* os) { *os << row.name; }
};

class Rules : public ::testing::TestWithParam<SessionCase> {};

TEST_P(Rules, LeaveTheRunWhereTheySay) {
    MotorSession m;
    GetParam().act(m);
    EXPECT_NEAR(m.Speed(), GetParam().speed, 0.5);
    EXPECT_DOUBLE_EQ(m.Time(), GetParam().time);
    EXPECT_EQ(m.Stepper().Playing(), GetParam().playing);
}

Supply Single() {
    Supply s;
    s.singlePhase = true;
    return s;
}

// A push adds 150 rpm to the speed of the moment and starts the clock again from zero. Ten times
// slower, 2 s of the clock is 0.2 s of the run. A slow start-up, 10 kg·m² against a 40 N·m fan,
// goes on past 10 s as the same run.
INSTANTIATE_TEST_SUITE_P(
    Session, Rules,
    ::testing::Values(
        SessionCase{"at_first_at_rest", [](MotorSession&) {}, 0.0, 0.0, false},
        SessionCase{"a_push_from_a_steady_speed",
                    [](MotorSession& m) {
                        m.Show(1000.0, 0.0, 0.0, 0);
                        m.Push(-1);
                    },
                    850.0, 0.0, true},
        SessionCase{"slowed_ten_times",
                    [](MotorSession& m) {
                        m.SetSupply(Single());
                        m.Push(1);
                        m.Advance(2.0, true);
                    },
                    RunMotor(MotorModel(Single()), {Single(), 0, 0.2, 150, 0.2}), 0.2, true},
        SessionCase{"a_steady_state_has_no_clock",
                    [](MotorSession& m) {
                        m.Show(700.0, 0.0, 0.0, 3);
                        m.Advance(1.0, false);
                    },
                    700.0, 0.0, false},
        SessionCase{"past_ten_seconds_the_same_run",
                    [](MotorSession& m) {
                        m.SetInertia(10);
                        m.SetLoad(40);
                        m.Start();
                        for (int k = 0; k < 21; ++k) m.Advance(0.5, false);
                    },
                    RunMotor(MotorModel(Supply{}), {Supply{}, 40, 10, 0, 10.5}), 10.5, true},
        SessionCase{"a_load_set_keeps_the_speed",
                    [](MotorSession& m) {
                        m.Show(std::nullopt, 1.0, 0.0, 0);
                        m.SetLoad(20);
                    },
                    RunMotor(MotorModel(Supply{}), {Supply{}, 0, 0.2, 0, 1.0}), 0.0, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Without a load the rotor settles at synchronous speed, and the clock stops there. A single
// phase started from rest never moves: the clock shows its second and stops.
TEST(Session, TheClockStopsOnceTheRunHasSettled) {
    MotorSession m;
    m.Start();
    for (int k = 0; k < 200; ++k) m.Advance(0.04, false);
    EXPECT_TRUE(m.Settled());
    EXPECT_LT(m.Time(), 8.0);
    EXPECT_NEAR(m.Speed(), 1500, 0.5);
    const double settled = m.Time();
    m.Advance(1.0, false);
    EXPECT_EQ(m.Time(), settled);
    m.SetSupply(Single());
    m.Start();
    EXPECT_FALSE(m.Settled());
    m.Advance(3.0, false);
    EXPECT_TRUE(m.Settled());
    EXPECT_DOUBLE_EQ(m.Time(), 1.0);
    EXPECT_EQ(m.Speed(), 0.0);
}

TEST(Session, ASinglePhaseHasNoOpenPhaseNorNeutral) {
    MotorSession m;
    Supply s = Single();
    s.openPhase = 1;
    s.neutral = true;
    m.SetSupply(s);
    EXPECT_EQ(m.CurrentSupply(), Single());
}

// At 750 rpm the rotor turns half the field's mechanical step: 10°/2/2 = 2.5° a step.
TEST(Session, TheRotorTurnsNOverNsOfEachStep) {
    MotorSession m;
    m.Show(750.0, 0.0, 0.0, 4);
    EXPECT_FALSE(m.Inputs().rotorAngle.has_value());
    m.Stepper().PlayPause();
    m.Tick();
    m.Tick();
    ASSERT_TRUE(m.Inputs().rotorAngle.has_value());
    EXPECT_NEAR(*m.Inputs().rotorAngle, 6 * 2.5 * std::numbers::pi / 180, 1e-12);
    EXPECT_EQ(m.Inputs().step, 6);
}

}  // namespace
