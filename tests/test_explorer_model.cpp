// The explorer's model against the definitions: supplied currents A cos(theta - lag - offset),
// the connections, F+ and F- from the winding phasors, the locus and the air-gap wave. Every
// expected value is worked out here from those definitions, in degrees.
#include "explorer/explorer_model.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

constexpr double kPi = std::numbers::pi;
const double kRoot3 = std::sqrt(3.0);
double Cos(double degrees) { return std::cos(degrees * kPi / 180.0); }

Supply Custom(std::array<double, 3> a, std::array<double, 3> d, int open = kNoPhase,
              bool neutral = false, Sequence sequence = Sequence::Positive) {
    return {a, d, sequence, open, neutral, false};
}

struct ComponentCase {
    const char* name;
    Supply supply;
    double positive;  // |F+|
    double negative;  // |F-|
    Rotation rotation;
    friend void PrintTo(const ComponentCase& row, std::ostream* os) { *os << row.name; }
};

class Components : public ::testing::TestWithParam<ComponentCase> {};

TEST_P(Components, MagnitudesAndDirection) {
    const ComponentCase& c = GetParam();
    const ExplorerField field(c.supply);
    EXPECT_NEAR(std::abs(field.Positive()), c.positive, 1e-12);
    EXPECT_NEAR(std::abs(field.Negative()), c.negative, 1e-12);
    EXPECT_EQ(field.Direction(), c.rotation);
}

INSTANTIATE_TEST_SUITE_P(
    Presets, Components,
    ::testing::Values(
        // Three unit phasors turned back by their own axis angle add up: 3/2.
        ComponentCase{"Balanced", PresetSupply(Preset::Balanced), 1.5, 0,
                      Rotation::CounterClockwise},
        ComponentCase{"Reversed", PresetSupply(Preset::Reversed), 0, 1.5, Rotation::Clockwise},
        // i_V = -i_W, of magnitude |e_V - e_W|/2 = sqrt(3)/2, on axes sqrt(3) apart: each
        // component is half of sqrt(3)/2 * sqrt(3).
        ComponentCase{"OpenU", PresetSupply(Preset::OpenU), 0.75, 0.75, Rotation::Pulsating},
        // V and W alone: F+ = (1 + 1)/2; F- = |e^(j240) + e^(j120)|/2 = 1/2.
        ComponentCase{"OpenUNeutral", PresetSupply(Preset::OpenUNeutral), 1, 0.5,
                      Rotation::CounterClockwise},
        ComponentCase{"SinglePhase", PresetSupply(Preset::SinglePhase), 0.5, 0.5,
                      Rotation::Pulsating},
        // F+ = (1 + 0.4 + 0.7)/2; F- = |1 + 0.4 e^(j240) + 0.7 e^(j120)|/2.
        ComponentCase{"Unbalanced", PresetSupply(Preset::Unbalanced), 1.05,
                      std::hypot(0.45, 0.15 * std::sqrt(3.0)) / 2, Rotation::CounterClockwise},
        ComponentCase{"NoCurrent", Custom({0, 0, 0}, {0, 0, 0}), 0, 0, Rotation::None},
        // U alone through the neutral: F+ = F- = 0.008/2, below what the readouts show.
        ComponentCase{"BelowWhatShows", Custom({0.008, 0, 0}, {0, 0, 0}, kNoPhase, true), 0.004,
                      0.004, Rotation::None},
        ComponentCase{"JustShows", Custom({0.01, 0, 0}, {0, 0, 0}, kNoPhase, true), 0.005, 0.005,
                      Rotation::Pulsating},
        // In phase in all three: the axes cancel, with or without the neutral.
        ComponentCase{"ZeroSequence", Custom({1, 1, 1}, {0, -120, 120}, kNoPhase, true), 0, 0,
                      Rotation::None}),
    [](const auto& info) { return std::string(info.param.name); });

// One supply with offsets, connected four ways: the winding currents and the resultant.
struct CurrentCase {
    const char* name;
    Supply supply;
    int step;
    std::array<double, 3> current;
    friend void PrintTo(const CurrentCase& row, std::ostream* os) { *os << row.name; }
};

class Currents : public ::testing::TestWithParam<CurrentCase> {};

TEST_P(Currents, FollowTheConnectionAndAddUpAlongTheAxes) {
    const CurrentCase& c = GetParam();
    const ExplorerField field(c.supply);
    const double theta = ExplorerAngle(c.step);
    for (int x = 0; x < 3; ++x) EXPECT_NEAR(field.Currents(theta)[x], c.current[x], 1e-12) << x;
    // U along x, V and W at 120 and 240 degrees; F+ and F- turning both ways add up to it.
    const Phasor f(c.current[0] - c.current[1] / 2 - c.current[2] / 2,
                   kRoot3 / 2 * (c.current[1] - c.current[2]));
    EXPECT_NEAR(std::abs(field.Resultant(theta) - f), 0.0, 1e-12);
    const Phasor sum =
        field.Positive() * std::polar(1.0, theta) + field.Negative() * std::polar(1.0, -theta);
    EXPECT_NEAR(std::abs(sum - f), 0.0, 1e-12);
}

// e_U = cos(theta - 10), e_V = 0.8 cos(theta - 120 + 20), e_W = 1.2 cos(theta - 240 - 30).
double EU(double t) { return Cos(t - 10); }
double EV(double t) { return 0.8 * Cos(t - 100); }
double EW(double t) { return 1.2 * Cos(t - 270); }

// Without a neutral the star point sits at the mean of the three: what is common flows nowhere.
double Floating(double e, double t) { return e - (EU(t) + EV(t) + EW(t)) / 3; }

INSTANTIATE_TEST_SUITE_P(
    OneSupply, Currents,
    ::testing::Values(
        CurrentCase{"StarAt70",
                    Custom({1, 0.8, 1.2}, {10, -20, 30}),
                    7,
                    {Floating(EU(70), 70), Floating(EV(70), 70), Floating(EW(70), 70)}},
        CurrentCase{"StarNeutralAt70",
                    Custom({1, 0.8, 1.2}, {10, -20, 30}, kNoPhase, true),
                    7,
                    {EU(70), EV(70), EW(70)}},
        CurrentCase{"NegativeNeutralAt70",
                    Custom({1, 0.8, 1.2}, {10, -20, 30}, kNoPhase, true, Sequence::Negative),
                    7,
                    {Cos(60), 0.8 * Cos(70 - 240 + 20), 1.2 * Cos(70 - 120 - 30)}},
        // e = (1, 0.4 cos(-120), 0.7 cos(-240)) = (1, -0.2, -0.35), whose mean is 0.15.
        CurrentCase{"UnbalancedAt0", PresetSupply(Preset::Unbalanced), 0, {0.85, -0.35, -0.50}},
        // Three equal currents need a return path: without one there is no current at all.
        CurrentCase{"ZeroSequenceAt40", Custom({1, 1, 1}, {0, -120, 120}), 4, {0, 0, 0}},
        CurrentCase{"ZeroSequenceNeutralAt40",
                    Custom({1, 1, 1}, {0, -120, 120}, kNoPhase, true),
                    4,
                    {Cos(40), Cos(40), Cos(40)}},
        CurrentCase{"OpenVAt130",
                    Custom({1, 0.8, 1.2}, {10, -20, 30}, 1),
                    13,
                    {(EU(130) - EW(130)) / 2, 0, (EW(130) - EU(130)) / 2}},
        CurrentCase{"OpenVNeutralAt130",
                    Custom({1, 0.8, 1.2}, {10, -20, 30}, 1, true),
                    13,
                    {EU(130), 0, EW(130)}}),
    [](const auto& info) { return std::string(info.param.name); });

// The tip of F over a period: an ellipse of semi-axes |F+| + |F-| and ||F+| - |F-||, run round
// the way the components say.
struct LocusCase {
    const char* name;
    Preset preset;
    double major;
    double minor;
    int turn;  // +1 counter-clockwise, -1 clockwise, 0 a line
    friend void PrintTo(const LocusCase& row, std::ostream* os) { *os << row.name; }
};

class Locus : public ::testing::TestWithParam<LocusCase> {};

TEST_P(Locus, IsTheEllipseOfTheTwoComponents) {
    const LocusCase& c = GetParam();
    const ExplorerField field(PresetSupply(c.preset));
    constexpr int kSamples = 3600;
    double longest = 0, shortest = 1e9, area = 0;
    Phasor widest;
    for (int k = 0; k < kSamples; ++k) {
        const Phasor f = field.Resultant(2 * kPi * k / kSamples);
        const Phasor next = field.Resultant(2 * kPi * (k + 1) / kSamples);
        if (std::abs(f) > longest) widest = f;
        longest = std::max(longest, std::abs(f));
        shortest = std::min(shortest, std::abs(f));
        area += (f.real() * next.imag() - f.imag() * next.real()) / 2;
    }
    EXPECT_NEAR(longest, c.major, 1e-5);
    EXPECT_NEAR(shortest, c.minor, 1e-5);
    EXPECT_NEAR(area, c.turn * kPi * c.major * c.minor, 1e-4);
    // Every point lies on the ellipse whose major axis runs through the farthest one.
    for (int k = 0; k < 36; ++k) {
        const Phasor p = field.Resultant(2 * kPi * k / 36) * std::conj(widest) / std::abs(widest);
        if (c.minor > 0) {
            EXPECT_NEAR(std::pow(p.real() / c.major, 2) + std::pow(p.imag() / c.minor, 2), 1, 1e-6);
        } else {
            EXPECT_NEAR(p.imag(), 0.0, 1e-9);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Presets, Locus,
    ::testing::Values(LocusCase{"Reversed", Preset::Reversed, 1.5, 1.5, -1},
                      LocusCase{"OpenU", Preset::OpenU, 1.5, 0, 0},
                      LocusCase{"OpenUNeutral", Preset::OpenUNeutral, 1.5, 0.5, 1},
                      LocusCase{"Unbalanced", Preset::Unbalanced,
                                1.05 + std::hypot(0.45, 0.15 * std::sqrt(3.0)) / 2,
                                1.05 - std::hypot(0.45, 0.15 * std::sqrt(3.0)) / 2, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// The stepped wave at beta = 0, where U faces its axis and V and W face away, each phase a
// square wave of height (pi/4) i, and its fundamental, of amplitude |F| (in Fp) with its peak at
// the angle of F.
struct WaveCase {
    const char* name;
    Supply supply;
    int step;
    double atZero;
    friend void PrintTo(const WaveCase& row, std::ostream* os) { *os << row.name; }
};

class AirGap : public ::testing::TestWithParam<WaveCase> {};

TEST_P(AirGap, FundamentalOfTheSteppedWave) {
    const WaveCase& c = GetParam();
    const ExplorerField field(c.supply);
    const double theta = ExplorerAngle(c.step);
    EXPECT_NEAR(field.AirGap(0.0, theta), c.atZero, 1e-12);
    // The Fourier coefficients of the stepped wave, at the midpoints of fine slices.
    constexpr int kSlices = 36000;
    double a = 0, b = 0, peak = 0;
    for (int k = 0; k < kSlices; ++k) {
        const double beta = 2 * kPi * (k + 0.5) / kSlices, value = field.AirGap(beta, theta);
        a += value * std::cos(beta) * 2 / kSlices;
        b += value * std::sin(beta) * 2 / kSlices;
        peak = std::max(peak, std::abs(value));
    }
    const Phasor f = field.Resultant(theta);
    EXPECT_NEAR(std::abs(Phasor(a, b) - f), 0.0, 1e-4);
    EXPECT_NEAR(field.Fundamental(1.7, theta), a * std::cos(1.7) + b * std::sin(1.7), 1e-4);
    EXPECT_LE(peak, field.AirGapPeak() + 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AirGap,
    ::testing::Values(
        WaveCase{"BalancedAt0", PresetSupply(Preset::Balanced), 0, kPi / 4 * (1 + 0.5 + 0.5)},
        WaveCase{"OffsetsAt70", Custom({1, 0.8, 1.2}, {10, -20, 30}, kNoPhase, true), 7,
                 kPi / 4 * (EU(70) - EV(70) - EW(70))},
        WaveCase{"SinglePhaseAt40", PresetSupply(Preset::SinglePhase), 4, kPi / 4 * Cos(40)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace

namespace {

// What the controls may set: the connection is a choice of its own; a single phase has neither.
TEST(ControlledSupply, KeepsTheNeutralWithoutAnOpenPhase) {
    Supply s = Custom({1, 1, 1}, {0, 0, 0}, kNoPhase, true);
    EXPECT_TRUE(ControlledSupply(s).neutral);
    s.singlePhase = true;
    s.openPhase = 2;
    EXPECT_FALSE(ControlledSupply(s).neutral);
    EXPECT_EQ(ControlledSupply(s).openPhase, kNoPhase);
}

}  // namespace
