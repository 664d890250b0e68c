// The motor's power flow and its drives against the equivalent circuit worked by hand: at
// 1440 rpm V = 230.9 V, Z+ = 3.7 + j6.597 + (j70.37 ∥ 52.5) gives I = 4.705 A, and the sums
// below are 3 V I cos φ, 3 R_s I², 3 R_R I_R² and T 2πn/60 rounded as the readouts round them.
// The V/f and slip-ring figures are the largest of |T| over a fine scan of the same circuit.
#include "motor/motor_power.h"

#include <cmath>

#include <gtest/gtest.h>

#include "supply/supply.h"

namespace {

// No iron or friction loss: every watt in is copper or shaft, in each connection and speed.
TEST(Power, BalancesForEveryPresetAndSpeed) {
    for (const Preset preset : kPresets) {
        for (const MotorDrive drive : {MotorDrive{}, MotorDrive{20.0, 15.0, 4.0}}) {
            const MotorModel model(PresetSupply(preset), drive);
            for (const double n : {-1600.0, -300.0, 0.0, 700.0, 1440.0, 1500.0, 2100.0}) {
                const MotorPower w = PowerAt(model, model.At(n));
                const double sum = w.statorCopper + w.rotorCopper + w.mechanical;
                EXPECT_NEAR(w.input, sum, 1e-9 * (1.0 + std::abs(w.input)))
                    << static_cast<int>(preset) << " at " << n << " rpm, " << drive.frequency
                    << " Hz";
            }
        }
    }
}

struct PowerCase {
    const char* name;
    double speed;
    double input, stator, rotor, mechanical;  // W
    double efficiency;                        // %, or < 0 for none
    double powerFactor;
};

class Powers : public ::testing::TestWithParam<PowerCase> {};

TEST_P(Powers, AsWorkedByHand) {
    const PowerCase& c = GetParam();
    const MotorModel model{Supply{}};
    const MotorPower w = PowerAt(model, model.At(c.speed));
    EXPECT_NEAR(w.input, c.input, 0.5);
    EXPECT_NEAR(w.statorCopper, c.stator, 0.5);
    EXPECT_NEAR(w.rotorCopper, c.rotor, 0.5);
    EXPECT_NEAR(w.mechanical, c.mechanical, 0.5);
    EXPECT_NEAR(w.powerFactor, c.powerFactor, 0.0005);
    if (c.efficiency < 0) {
        EXPECT_FALSE(w.efficiency.has_value());
    } else {
        ASSERT_TRUE(w.efficiency.has_value());
        EXPECT_NEAR(*w.efficiency * 100.0, c.efficiency, 0.05);
    }
}

// At 1800 rpm the slip is -0.2: the shaft drives the machine, which gives power back.
INSTANTIATE_TEST_SUITE_P(
    Balanced, Powers,
    ::testing::Values(PowerCase{"rated_1440", 1440, 2485, 246, 90, 2150, 86.5, 0.762},
                      PowerCase{"standstill", 0, 11898, 7592, 4305, 0, -1, 0.657}),
    [](const auto& info) { return std::string(info.param.name); });

struct DriveCase {
    const char* name;
    MotorDrive drive;
    double breakdown;  // N·m
};

class Drives : public ::testing::TestWithParam<DriveCase> {};

// V/f: below 50 Hz R_s takes a growing share of the smaller voltage; above it the field weakens
// as 1/f and the torque as 1/f². Added rotor resistance moves the breakdown but leaves its torque.
TEST_P(Drives, Breakdown) {
    const DriveCase& c = GetParam();
    EXPECT_NEAR(MotorModel(Supply{}, c.drive).MaximumTorque().torque, c.breakdown, 0.005);
}

INSTANTIATE_TEST_SUITE_P(Model, Drives,
                         ::testing::Values(DriveCase{"f50", {}, 42.50},
                                           DriveCase{"f25", {25.0, 0.0, 0.0}, 27.84},
                                           DriveCase{"f10", {10.0, 0.0, 0.0}, 12.55},
                                           DriveCase{"f100", {100.0, 0.0, 0.0}, 13.62},
                                           DriveCase{"f10_boost20", {10.0, 20.0, 0.0}, 22.74},
                                           DriveCase{"rotor5", {50.0, 0.0, 5.0}, 42.50},
                                           DriveCase{"rotor10", {50.0, 0.0, 10.0}, 42.50}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Drive, SlipRingStart) {
    const MotorModel five(Supply{}, {50.0, 0.0, 5.0}), ten(Supply{}, {50.0, 0.0, 10.0});
    EXPECT_NEAR(five.Torque(0.0), 42.49, 0.005);
    EXPECT_NEAR(ten.Torque(0.0), 38.24, 0.005);
    // The breakdown slips from 1044 rpm to just past standstill, and further with 10 Ω.
    EXPECT_NEAR(MotorModel(Supply{}).MaximumTorque().speed, 1044.0, 1.0);
    EXPECT_NEAR(five.MaximumTorque().speed, -41.7, 1.0);
    EXPECT_NEAR(ten.MaximumTorque().speed, -1127.6, 1.0);
}

TEST(Drive, VoltageAndSynchronousSpeedFollowTheFrequency) {
    // 230.94 * 10/50 + 20 * 0.8 = 62.19 V; n_s = 60 f / p.
    const MotorModel slow(Supply{}, {10.0, 20.0, 0.0}), fast(Supply{}, {80.0, 20.0, 0.0});
    EXPECT_NEAR(std::abs(slow.Voltages()[0]), 62.19, 0.005);
    EXPECT_NEAR(slow.SynchronousSpeed(), 300.0, 1e-9);
    EXPECT_NEAR(std::abs(fast.Voltages()[0]), 230.94, 0.005);
    EXPECT_NEAR(fast.SynchronousSpeed(), 2400.0, 1e-9);
    EXPECT_NEAR(fast.Torque(fast.SynchronousSpeed()), 0.0, 1e-9);
}

// Out of range values are brought to the nearest end; not a number is the default.
TEST(Drive, Clamped) {
    const MotorDrive d = ClampDrive({200.0, -3.0, NAN});
    EXPECT_EQ(d, (MotorDrive{100.0, 0.0, 0.0}));
    EXPECT_EQ(ClampDrive({1.0, 99.0, 25.0}), (MotorDrive{5.0, 40.0, 20.0}));
}

// V = (R_s + jX_σ) I_s + E_M and I_s = I_M + I_R in both sequences, with the voltage across
// the winding: the supply's positive sequence part when all three are fed.
TEST(Circuit, Closes) {
    const MotorModel model{Supply{}};
    const MotorPoint p = model.At(1440);
    const MotorCircuit c = PositiveCircuit(model, p);
    EXPECT_NEAR(std::abs(c.voltage - model.Voltages()[0]), 0.0, 1e-9);
    EXPECT_NEAR(std::abs(c.stator - c.magnetisingCurrent - c.rotorCurrent), 0.0, 1e-12);
    // 52.5 Ω ∥ j70.37 Ω: |I_R| / |I_s| = 70.37 / |52.5 + j70.37| = 0.8015.
    EXPECT_NEAR(std::abs(c.rotorCurrent) / std::abs(c.stator), 0.8015, 0.0005);
    EXPECT_NEAR(std::abs(NegativeCircuit(model, p).stator), 0.0, 1e-9);
}

}  // namespace
