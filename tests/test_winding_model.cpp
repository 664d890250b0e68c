// The winding model against textbook values and the definitions: winding factors, zone plans
// worked by hand, the stepped MMF and its THD, and the potential's boundary conditions.
#include "winding/winding_model.h"

#include <cmath>
#include <numbers>
#include <sstream>

#include <gtest/gtest.h>

namespace {

constexpr double kPi = std::numbers::pi;
double Radians(double degrees) { return degrees * kPi / 180.0; }

struct FactorCase {
    const char* name;
    int q, pitch, tau, nu;
    double kd, kp;  // absolute values as textbooks tabulate them
};

class Factors : public ::testing::TestWithParam<FactorCase> {};

TEST_P(Factors, MatchTextbookTables) {
    const FactorCase& c = GetParam();
    EXPECT_NEAR(std::abs(DistributionFactor(c.q, c.nu)), c.kd, 5e-4);
    EXPECT_NEAR(std::abs(PitchFactor(c.pitch, c.tau, c.nu)), c.kp, 5e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Published, Factors,
    ::testing::Values(FactorCase{"q3_pitch7of9", 3, 7, 9, 1, 0.960, 0.940},
                      FactorCase{"q3_pitch7of9_fifth", 3, 7, 9, 5, 0.218, 0.174},
                      FactorCase{"q3_pitch7of9_seventh", 3, 7, 9, 7, 0.177, 0.766},
                      FactorCase{"q2_pitch5of6", 2, 5, 6, 1, 0.966, 0.966},
                      FactorCase{"q2_pitch5of6_fifth", 2, 5, 6, 5, 0.259, 0.259},
                      FactorCase{"q4_pitch10of12", 4, 10, 12, 1, 0.958, 0.966},
                      FactorCase{"q1_full_fifth", 1, 3, 3, 5, 1.0, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

// The zone plan as a line of names, "top/bottom" for two layers.
std::string Plan(const Winding& w) {
    static constexpr const char* kLetters[] = {"U", "V", "W"};
    std::ostringstream out;
    for (const SlotConductors& s : ZonePlan(w)) {
        out << (out.tellp() > 0 ? " " : "") << (s.top.sign < 0 ? "-" : "") << kLetters[s.top.phase];
        if (w.layers == 2) out << "/" << (s.bottom.sign < 0 ? "-" : "") << kLetters[s.bottom.phase];
    }
    return out.str();
}

struct PlanCase {
    const char* name;
    Winding winding;
    std::string plan;
};

class Plans : public ::testing::TestWithParam<PlanCase> {};

TEST_P(Plans, AsWorkedByHand) { EXPECT_EQ(Plan(GetParam().winding), GetParam().plan); }

// Slot k lies at (2k + 1) 30/q electrical degrees; a two-layer coil returns y slots on in the
// bottom layer, so the bottom layer is the top one moved back by tau - y slots.
INSTANTIATE_TEST_SUITE_P(
    Presets, Plans,
    ::testing::Values(
        PlanCase{"Explorer", {2, 6, 1, 3}, "-V U -W V -U W"},
        PlanCase{"FourPoleFull",
                 {4, 36, 1, 9},
                 "-V -V -V U U U -W -W -W V V V -U -U -U W W W "
                 "-V -V -V U U U -W -W -W V V V -U -U -U W W W"},
        PlanCase{"FourPoleShort",
                 {4, 36, 2, 7},
                 "-V/-V -V/U -V/U U/U U/-W U/-W -W/-W -W/V -W/V V/V V/-U V/-U -U/-U -U/W -U/W "
                 "W/W W/-V W/-V "
                 "-V/-V -V/U -V/U U/U U/-W U/-W -W/-W -W/V -W/V V/V V/-U V/-U -U/-U -U/W -U/W "
                 "W/W W/-V W/-V"},
        PlanCase{"TwoPoleShort",
                 {2, 24, 2, 10},
                 "-V/-V -V/-V -V/U -V/U U/U U/U U/-W U/-W -W/-W -W/-W -W/V -W/V V/V V/V V/-U "
                 "V/-U -U/-U -U/-U -U/W -U/W W/W W/W W/-V W/-V"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ThdCase {
    const char* name;
    Winding winding;
    double kw1;  // k_d1 k_p1 worked out by hand
};

class SpectrumAndThd : public ::testing::TestWithParam<ThdCase> {};

// The stepped wave's THD, from its mean square, equals the spectrum |kw_nu / (nu kw1)| summed
// over nu = 6k +- 1: the two definitions agree at every step. In F_c the fundamental is 1.5 kw1.
TEST_P(SpectrumAndThd, Agree) {
    const Winding& w = GetParam().winding;
    const double kw1 = WindingFactor(w, 1);
    double sum = 0.0;
    for (int k = 1; k <= 200000; ++k) {
        for (const int nu : {6 * k - 1, 6 * k + 1}) {
            const double share = WindingFactor(w, nu) / (nu * kw1);
            sum += share * share;
        }
    }
    for (int step = 0; step < kExplorerSteps; step += 5) {
        const AirGapWave wave =
            AirGapMmf(w, WindingCurrents(Radians(10 * step), Sequence::Positive));
        EXPECT_NEAR(wave.thd, std::sqrt(sum), 1e-4) << "step " << step;
        EXPECT_NEAR(wave.fundamental, 1.5 * GetParam().kw1, 2e-6) << "step " << step;
    }
}

// kd1 = sin 30 / (q sin(30/q)), kp1 = sin(90 y/tau). Pitch 1/12 of q = 4: kd1 kp1 =
// sin 30 / (4 sin 7.5) * sin 7.5 = 1/8, so its fundamental is 1.5/8 = 0.1875 F_c.
INSTANTIATE_TEST_SUITE_P(
    Windings, SpectrumAndThd,
    ::testing::Values(ThdCase{"Explorer", {2, 6, 1, 3}, 1.0},
                      ThdCase{"FourPoleShort", {4, 36, 2, 7}, 0.959795 * 0.939693},
                      ThdCase{"TwoPoleShort", {2, 24, 2, 10}, 0.957662 * 0.965926},
                      ThdCase{"EightPoleVeryShort", {8, 96, 2, 5}, 0.957662 * 0.608761},
                      ThdCase{"SixPoleTwoSlots", {6, 36, 1, 6}, 0.965926},
                      ThdCase{"PitchOneOfTwelve", {2, 24, 2, 1}, 0.125}),
    [](const auto& info) { return std::string(info.param.name); });

// One slot per pole and phase makes the six-step wave: sqrt(pi^2/9 - 1) = 31.08 %.
TEST(AirGapMmf, OneSlotPerPolePhaseIsTheSixStepWave) {
    for (const Winding w : {Winding{2, 6, 1, 3}, Winding{8, 24, 1, 3}}) {
        for (int step = 0; step < kExplorerSteps; ++step) {
            const auto i = WindingCurrents(Radians(10 * step), Sequence::Positive);
            EXPECT_NEAR(AirGapMmf(w, i).thd, 0.31084, 5e-5) << w.poles << " poles, step " << step;
        }
    }
}

// At theta = 0, i = (1, -1/2, -1/2): the slots at 30, 90 ... 330 degrees carry 1/2, 1, 1/2,
// -1/2, -1, -1/2; the MMF falls by each, less its mean, in F_c = 2/pi of a slot's current (one
// slot a phase and pole, so the concentrated winding itself).
TEST(AirGapMmf, ExplorerWaveAtStepZero) {
    const AirGapWave wave = AirGapMmf({2, 6, 1, 3}, WindingCurrents(0.0, Sequence::Positive));
    const double expected[] = {kPi / 4, -kPi / 4, -kPi / 2, -kPi / 4, kPi / 4, kPi / 2};
    ASSERT_EQ(wave.levels.size(), 6u);
    for (int k = 0; k < 6; ++k) EXPECT_NEAR(wave.levels[k], expected[k], 1e-12) << k;
    EXPECT_NEAR(wave.peakAngle, 0.0, 1e-12);
}

struct PeakCase {
    const char* name;
    Winding winding;
    int step;
    Sequence sequence;
    double degrees;
};

class Peak : public ::testing::TestWithParam<PeakCase> {};

TEST_P(Peak, StandsWhereTheCurrentsPutIt) {
    const PeakCase& c = GetParam();
    const AirGapWave wave = AirGapMmf(c.winding, WindingCurrents(Radians(10 * c.step), c.sequence));
    EXPECT_NEAR(wave.peakAngle, Radians(c.degrees), 1e-9);
}

// theta/p, backwards for a negative sequence; a short pitch moves the axis back by
// (tau - y)/2 slot pitches whichever way the field turns: one slot, 10 degrees, for 7/9 of 36
// slots.
INSTANTIATE_TEST_SUITE_P(
    Windings, Peak,
    ::testing::Values(PeakCase{"FourPoleFull", {4, 36, 1, 9}, 3, Sequence::Positive, 15},
                      PeakCase{"FourPoleNegative", {4, 36, 1, 9}, 3, Sequence::Negative, 165},
                      PeakCase{"FourPoleShort", {4, 36, 2, 7}, 3, Sequence::Positive, 5},
                      PeakCase{"FourPoleShortNegative", {4, 36, 2, 7}, 3, Sequence::Negative, 155},
                      PeakCase{"EightPole", {8, 48, 1, 6}, 35, Sequence::Positive, 87.5}),
    [](const auto& info) { return std::string(info.param.name); });

// Derivatives of the series by central differences.
struct Probe {
    const WindingField& field;
    std::array<double, 3> i;
    double A(double r, double phi) const { return field.Potential(i, r, phi); }
    double Dr(double r, double phi, double h = 1e-6) const {
        return (A(r + h, phi) - A(r - h, phi)) / (2 * h);
    }
    double Laplacian(double r, double phi, double h) const {
        const double rr = (A(r + h, phi) - 2 * A(r, phi) + A(r - h, phi)) / (h * h);
        const double pp = (A(r, phi + h) - 2 * A(r, phi) + A(r, phi - h)) / (h * h);
        return rr + Dr(r, phi, h) / r + pp / (r * r);
    }
};

TEST(WindingField, BoundaryConditionsAndLaplace) {
    const WindingField field({4, 36, 2, 7});
    const Probe probe{field, WindingCurrents(Radians(40), Sequence::Positive)};
    const double scale = field.LevelStep() * 7.0;  // the largest |A|
    const double gapMiddle = (kRotorRadius + 1.0) / 2.0;
    for (int k = 0; k < 24; ++k) {
        const double phi = Radians(15 * k + 2);
        // Laplace's equation in the gap, against the size of its terms.
        const double h = 1e-3;
        const double terms = std::abs(probe.A(gapMiddle, phi + h) - 2 * probe.A(gapMiddle, phi) +
                                      probe.A(gapMiddle, phi - h)) /
                             (h * h);
        EXPECT_LT(std::abs(probe.Laplacian(gapMiddle, phi, h)), 1e-3 * terms + 1e-6 * scale) << phi;
        // Zero on the stator's outer surface.
        EXPECT_NEAR(probe.A(kStatorRadius, phi), 0.0, 1e-9 * scale);
        // Continuous across the bore and the rotor's surface.
        EXPECT_NEAR(probe.A(1.0 - 1e-9, phi), probe.A(1.0 + 1e-9, phi), 1e-6 * scale);
        EXPECT_NEAR(probe.A(kRotorRadius - 1e-9, phi), probe.A(kRotorRadius + 1e-9, phi),
                    1e-6 * scale);
        // Ideal rotor iron takes the flux in at right angles: no tangential H on its gap side.
        EXPECT_NEAR(probe.Dr(kRotorRadius + 1e-5, phi, 1e-6), 0.0, 1e-3 * scale) << phi;
    }
}

// The grid is the series sampled, V and W being U's columns shifted by 120 electrical degrees.
TEST(WindingField, GridHoldsTheSeries) {
    const WindingField field({6, 54, 2, 8});
    const auto i = WindingCurrents(Radians(70), Sequence::Negative);
    std::vector<double> grid;
    field.Sample(i, grid);
    const int columns = field.Columns();
    for (const size_t row : {5u, 27u, 40u}) {
        for (const int column : {0, 13, 100, 377}) {
            EXPECT_NEAR(grid[row * columns + column],
                        field.Potential(i, field.Radii()[row], 2 * kPi * column / columns), 1e-9)
                << row << ", " << column;
        }
    }
}

// The flux lines in a 2-pole rotor run along the field's axis: B = curl A at points across the
// rotor lies within 3 degrees of the fundamental's peak (modulo a half turn) at every step.
TEST(WindingField, RotorLinesParallelToTheAxis) {
    const Winding w{2, 24, 2, 10};
    const WindingField field(w);
    for (int step = 0; step < kExplorerSteps; ++step) {
        const Probe probe{field, WindingCurrents(Radians(10 * step), Sequence::Positive)};
        const double axis = AirGapMmf(w, probe.i).peakAngle;
        for (const double r : {0.1, 0.35, 0.6}) {
            for (int k = 0; k < 8; ++k) {
                const double phi = Radians(45 * k + 10);
                const double h = 1e-6;
                const double br = (probe.A(r, phi + h) - probe.A(r, phi - h)) / (2 * h * r);
                const double bphi = -probe.Dr(r, phi, h);
                const double direction = phi + std::atan2(bphi, br);
                const double off = std::remainder(direction - axis, kPi);
                EXPECT_LT(std::abs(off), Radians(3))
                    << "step " << step << " r " << r << " phi " << phi;
            }
        }
    }
}

}  // namespace
