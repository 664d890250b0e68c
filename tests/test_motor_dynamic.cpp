// The motor's electrical transient: the balanced start-ups against an independent integration at
// 5 us steps, the step's effect, the steady state it settles on against the quasi-static model's,
// and what the connections impose.
#include "motor/motor_dynamic.h"

#include <cmath>

#include <gtest/gtest.h>

#include "motor/motor_model.h"

namespace {

struct BalancedCase {
    const char* name;
    double inertia, until;
    double peakCurrent, peakTorque, minTorque, time95;  // A, N·m, N·m, s
    double timeTolerance;
    friend void PrintTo(const BalancedCase& row, std::ostream* os) { *os << row.name; }
};

class Balanced : public ::testing::TestWithParam<BalancedCase> {};

TEST_P(Balanced, PeaksAndTimeTo95) {
    const BalancedCase& c = GetParam();
    DynamicRun run({Supply{}, 0.0, c.inertia, 0.0, 0.0, {}});
    run.RunTo(c.until);
    EXPECT_NEAR(run.PeakCurrent(), c.peakCurrent, 0.05);
    EXPECT_NEAR(run.PeakTorque(), c.peakTorque, 0.05);
    EXPECT_NEAR(run.MinTorque(), c.minTorque, 0.05);
    ASSERT_TRUE(run.TimeTo95());
    EXPECT_NEAR(*run.TimeTo95(), c.time95, c.timeTolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Motor, Balanced,
    ::testing::Values(BalancedCase{"light", 0.015, 0.3, 39.7, 64.2, -6.4, 0.0722, 0.00005},
                      BalancedCase{"heavy", 0.2, 1.5, 40.1, 66.9, -8.7, 0.872, 0.0005}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MotorDynamic, HalvingTheStepChangesThePeakCurrentByLessThanAThousandth) {
    DynamicRun coarse({Supply{}, 0.0, 0.015, 0.0, 0.0, {}});
    DynamicRun fine({Supply{}, 0.0, 0.015, 0.0, 0.0, {}}, DynamicRun::kStep / 2);
    coarse.RunTo(0.1);
    fine.RunTo(0.1);
    EXPECT_LT(std::abs(coarse.PeakCurrent() / fine.PeakCurrent() - 1.0), 1e-3);
}

// Where T(n) + T_L(n) = 0 between half and full synchronous speed, by bisection.
double QuasiStaticSpeed(double load, const MotorDrive& drive) {
    const MotorModel model{Supply{}, drive};
    double lo = model.SynchronousSpeed() / 2, hi = model.SynchronousSpeed();
    for (int k = 0; k < 60; ++k) {
        const double n = (lo + hi) / 2;
        (model.Torque(n) + FanTorque(load, n) > 0 ? lo : hi) = n;
    }
    return lo;
}

// On the mains, and fed by a drive at a lower frequency or with resistance in the rotor: the
// transient settles where the steady state of the same drive says, at or below its own n_s.
TEST(MotorDynamic, SettlesOnTheQuasiStaticOperatingPointOfItsDrive) {
    const struct {
        const char* name;
        double load;
        MotorDrive drive;
    } rows[] = {{"mains, no load", 0.0, {}},
                {"mains, 20 N·m fan", 20.0, {}},
                {"25 Hz with 10 V boost", 10.0, {25.0, 10.0, 0.0}},
                {"1 ohm in the rotor", 10.0, {50.0, 0.0, 1.0}}};
    for (const auto& row : rows) {
        DynamicRun run({Supply{}, row.load, 0.015, 0.0, 0.0, row.drive});
        run.RunTo(2.0);
        EXPECT_NEAR(run.Speed(), QuasiStaticSpeed(row.load, row.drive), 0.5) << row.name;
        EXPECT_LE(run.Speed(), 30.0 * row.drive.frequency + 1e-6) << row.name;
    }
}

// One winding at rest makes a field and rotor currents on its own axis: no torque at any instant.
// Turning, the field's forward and backward halves beat at twice the supply frequency about the
// mean the quasi-static model gives for that speed, |conj(psi-) i+ - psi+ conj(i-)| (3/2) p.
TEST(MotorDynamic, SinglePhaseTorqueBeatsAtTwiceTheSupplyFrequency) {
    Supply single;
    single.singlePhase = true;
    for (const double initial : {0.0, 150.0}) {
        DynamicRun run({single, 0.0, motor::kMaxInertia, initial, 0.0, {}});
        run.RunTo(1.0);
        const double mean = MotorModel(single).Torque(run.Speed());
        // One period of 100 Hz is 500 steps; then half of one more.
        std::vector<double> torque;
        for (int k = 0; k < 750; ++k, run.Step()) torque.push_back(run.Torque() - mean);
        double average = 0.0, swing = 0.0;
        for (int k = 0; k < 500; ++k) {
            average += torque[k] / 500;
            swing = std::max(swing, std::abs(torque[k]));
        }
        if (initial == 0.0) {
            EXPECT_EQ(run.Speed(), 0.0);
            EXPECT_LT(swing, 1e-9);
            continue;
        }
        // The beat's amplitude from the sequence phasors at 150 rpm, worked apart: 0.683 N·m.
        EXPECT_NEAR(swing, 0.683, 0.01);
        EXPECT_LT(std::abs(average), 0.01 * swing);
        for (int k = 0; k < 500; k += 25) EXPECT_NEAR(torque[k + 250], -torque[k], 0.01 * swing);
    }
}

TEST(MotorDynamic, AThreeWireStarsCurrentsSumToZeroAtEveryStep) {
    Supply open;
    open.openPhase = 1;
    Supply unbalanced;
    unbalanced.amplitude = {1.0, 0.4, 0.7};
    for (const Supply& s : {Supply{}, open, unbalanced}) {
        DynamicRun run({s, 10.0, 0.015, 0.0, 90.0, {}});
        for (int k = 0; k < 5000; ++k) {
            run.Step();
            const auto i = run.Currents();
            ASSERT_NEAR(i[0] + i[1] + i[2], 0.0, 1e-9) << "step " << k;
        }
        EXPECT_GT(run.PeakCurrent(), 10.0);
    }
}

}  // namespace
