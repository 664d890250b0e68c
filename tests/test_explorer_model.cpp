// The explorer's model against the definitions: supplied currents A cos(theta - lag - offset),
// the connections, F+ and F- from the winding phasors, the locus and the air-gap wave. Every
// expected value is worked out here from those definitions, in degrees.
#include "explorer_model.h"

#include <cmath>
#include <numbers>

#include <gtest/gtest.h>

namespace {

constexpr double kPi = std::numbers::pi;
const double kRoot3 = std::sqrt(3.0);
double Cos(double degrees) { return std::cos(degrees * kPi / 180.0); }

Supply Custom(std::array<double, 3> a, std::array<double, 3> d, int open = kNoPhase,
              bool neutral = false, Sequence sequence = Sequence::Positive) {
    Supply s;
    s.amplitude = a;
    s.offset = d;
    s.openPhase = open;
    s.neutral = neutral;
    s.sequence = sequence;
    return s;
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
        ComponentCase{"Balanced", PresetSupply(Preset::Balanced), 1.5, 0.0,
                      Rotation::CounterClockwise},
        ComponentCase{"Reversed", PresetSupply(Preset::Reversed), 0.0, 1.5, Rotation::Clockwise},
        // i_V = -i_W, of magnitude |e_V - e_W| / 2 = sqrt(3)/2, on axes sqrt(3) apart: each
        // component is half of sqrt(3)/2 * sqrt(3).
        ComponentCase{"OpenU", PresetSupply(Preset::OpenU), 0.75, 0.75, Rotation::Pulsating},
        // V and W alone: F+ = (1 + 1)/2; F- = |e^(j240) + e^(j120)|/2 = 1/2.
        ComponentCase{"OpenUNeutral", PresetSupply(Preset::OpenUNeutral), 1.0, 0.5,
                      Rotation::CounterClockwise},
        ComponentCase{"SinglePhase", PresetSupply(Preset::SinglePhase), 0.5, 0.5,
                      Rotation::Pulsating},
        // F+ = (1 + 0.4 + 0.7)/2; F- = |1 + 0.4 e^(j240) + 0.7 e^(j120)|/2.
        ComponentCase{"Unbalanced", PresetSupply(Preset::Unbalanced), 1.05,
                      std::hypot(1.0 - 0.55, 0.3 * std::sqrt(3.0) / 2.0) / 2.0,
                      Rotation::CounterClockwise},
        ComponentCase{"NoCurrent", Custom({0, 0, 0}, {0, 0, 0}), 0.0, 0.0, Rotation::None},
        // Open W of a reversed supply, with neutral: U and V keep their currents; F+ =
        // |1 + e^(-j240) e^(j120)|/2 = |1 + e^(-j120)|/2 = 1/2, F- = |1 + e^(j360)|/2 = 1.
        ComponentCase{"OpenWReversedNeutral",
                      Custom({1, 1, 1}, {0, 0, 0}, 2, true, Sequence::Negative), 0.5, 1.0,
                      Rotation::Clockwise}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Presets, NamesRoundTripAndMatchTheirSupply) {
    for (const Preset p : kPresets) {
        EXPECT_EQ(FindPreset(PresetName(p)), p) << PresetName(p);
        EXPECT_EQ(MatchPreset(PresetSupply(p)), p) << PresetName(p);
    }
    EXPECT_EQ(FindPreset("open-v"), std::nullopt);
    EXPECT_EQ(MatchPreset(Custom({1, 1, 1}, {0, 5, 0})), std::nullopt);
}

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
    const std::array<double, 3> i = field.Currents(theta);
    for (int x = 0; x < 3; ++x) EXPECT_NEAR(i[x], c.current[x], 1e-12) << "phase " << x;
    // U along x; V and W at 120 and 240 degrees.
    const double fx = c.current[0] - c.current[1] / 2 - c.current[2] / 2;
    const double fy = kRoot3 / 2 * (c.current[1] - c.current[2]);
    EXPECT_NEAR(field.Resultant(theta).real(), fx, 1e-12);
    EXPECT_NEAR(field.Resultant(theta).imag(), fy, 1e-12);
    // The two components turning both ways add up to it.
    const Phasor sum =
        field.Positive() * std::polar(1.0, theta) + field.Negative() * std::polar(1.0, -theta);
    EXPECT_NEAR(sum.real(), fx, 1e-12);
    EXPECT_NEAR(sum.imag(), fy, 1e-12);
}

// e_U = cos(theta - 10), e_V = 0.8 cos(theta - 120 + 20), e_W = 1.2 cos(theta - 240 - 30).
const Supply kOffsets = Custom({1.0, 0.8, 1.2}, {10, -20, 30});
double EU(double t) { return Cos(t - 10); }
double EV(double t) { return 0.8 * Cos(t - 100); }
double EW(double t) { return 1.2 * Cos(t - 270); }

INSTANTIATE_TEST_SUITE_P(
    OneSupply, Currents,
    ::testing::Values(
        CurrentCase{"StarAt0", kOffsets, 0, {Cos(10), 0.8 * Cos(100), 0.0}},
        CurrentCase{"StarAt70", kOffsets, 7, {Cos(60), 0.8 * Cos(30), 1.2 * Cos(200)}},
        CurrentCase{"NegativeAt70",
                    Custom({1.0, 0.8, 1.2}, {10, -20, 30}, kNoPhase, false, Sequence::Negative),
                    7,
                    {Cos(60), 0.8 * Cos(70 - 240 + 20), 1.2 * Cos(70 - 120 - 30)}},
        CurrentCase{"OpenVAt130",
                    Custom({1.0, 0.8, 1.2}, {10, -20, 30}, 1),
                    13,
                    {(EU(130) - EW(130)) / 2, 0.0, (EW(130) - EU(130)) / 2}},
        CurrentCase{"OpenVNeutralAt130",
                    Custom({1.0, 0.8, 1.2}, {10, -20, 30}, 1, true),
                    13,
                    {EU(130), 0.0, EW(130)}},
        CurrentCase{"OpenWAt250",
                    Custom({1.0, 0.8, 1.2}, {10, -20, 30}, 2),
                    25,
                    {(EU(250) - EV(250)) / 2, (EV(250) - EU(250)) / 2, 0.0}},
        CurrentCase{"SinglePhaseAt40",
                    [] {
                        Supply s = kOffsets;
                        s.singlePhase = true;
                        return s;
                    }(),
                    4,
                    {Cos(30), 0.0, 0.0}}),
    [](const auto& info) { return std::string(info.param.name); });

// The tip of F over a period: an ellipse of semi-axes |F+| + |F-| and ||F+| - |F-||, run round
// the way the components say.
struct LocusCase {
    const char* name;
    Supply supply;
    double major;
    double minor;
    int turn;  // +1 counter-clockwise, -1 clockwise, 0 a line
    friend void PrintTo(const LocusCase& row, std::ostream* os) { *os << row.name; }
};

class Locus : public ::testing::TestWithParam<LocusCase> {};

TEST_P(Locus, IsTheEllipseOfTheTwoComponents) {
    const LocusCase& c = GetParam();
    const ExplorerField field(c.supply);
    constexpr int kSamples = 3600;
    double longest = 0.0, shortest = 1e9, area = 0.0;
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
    const Phasor axis = widest / std::abs(widest);
    for (int k = 0; k < 36; ++k) {
        const Phasor p = field.Resultant(2 * kPi * k / 36) * std::conj(axis);
        if (c.minor > 0)
            EXPECT_NEAR(std::pow(p.real() / c.major, 2) + std::pow(p.imag() / c.minor, 2), 1.0,
                        1e-6);
        else
            EXPECT_NEAR(p.imag(), 0.0, 1e-9);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Presets, Locus,
    ::testing::Values(LocusCase{"Balanced", PresetSupply(Preset::Balanced), 1.5, 1.5, 1},
                      LocusCase{"Reversed", PresetSupply(Preset::Reversed), 1.5, 1.5, -1},
                      LocusCase{"OpenU", PresetSupply(Preset::OpenU), 1.5, 0.0, 0},
                      LocusCase{"OpenUNeutral", PresetSupply(Preset::OpenUNeutral), 1.5, 0.5, 1},
                      LocusCase{"SinglePhase", PresetSupply(Preset::SinglePhase), 1.0, 0.0, 0},
                      LocusCase{"Unbalanced", PresetSupply(Preset::Unbalanced),
                                1.05 + std::hypot(0.45, 0.15 * std::sqrt(3.0)) / 2,
                                1.05 - std::hypot(0.45, 0.15 * std::sqrt(3.0)) / 2, 1}),
    [](const auto& info) { return std::string(info.param.name); });

// The stepped wave and its fundamental, whose amplitude is (2/pi)|F| and whose peak lies at the
// angle of F.
struct WaveCase {
    const char* name;
    Supply supply;
    int step;
    double atZero;  // the step around beta = 0, from the definition
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
    double a = 0.0, b = 0.0, peak = 0.0;
    for (int k = 0; k < kSlices; ++k) {
        const double beta = 2 * kPi * (k + 0.5) / kSlices;
        const double value = field.AirGap(beta, theta);
        a += value * std::cos(beta) * 2 / kSlices;
        b += value * std::sin(beta) * 2 / kSlices;
        peak = std::max(peak, std::abs(value));
    }
    const Phasor f = field.Resultant(theta);
    EXPECT_NEAR(std::hypot(a, b), 2 / kPi * std::abs(f), 1e-4);
    if (std::abs(f) > 1e-6) {
        EXPECT_NEAR(std::remainder(std::atan2(b, a) - std::arg(f), 2 * kPi), 0.0, 1e-4);
    }
    for (const double beta : {0.3, 1.7, 4.0})
        EXPECT_NEAR(field.Fundamental(beta, theta), a * std::cos(beta) + b * std::sin(beta), 1e-4);
    EXPECT_LE(peak, field.AirGapPeak() + 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AirGap,
    ::testing::Values(
        // At beta = 0 U faces its axis, V and W face away: (i_U - i_V - i_W)/2.
        WaveCase{"BalancedAt0", PresetSupply(Preset::Balanced), 0, (1 + 0.5 + 0.5) / 2},
        WaveCase{"BalancedAt50", PresetSupply(Preset::Balanced), 5,
                 (Cos(50) - Cos(-70) - Cos(-190)) / 2},
        // i_V = -i_W: both face away from 0 and cancel.
        WaveCase{"OpenUAt30", PresetSupply(Preset::OpenU), 3,
                 (0 - (Cos(-90) - Cos(-210)) / 2 - (Cos(-210) - Cos(-90)) / 2) / 2},
        WaveCase{"OffsetsAt70", kOffsets, 7, (Cos(60) - 0.8 * Cos(30) - 1.2 * Cos(200)) / 2},
        WaveCase{"SinglePhaseAt90", PresetSupply(Preset::SinglePhase), 9, Cos(90) / 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClampSupply, BringsEveryValueIntoRange) {
    Supply s = Custom({-1, 2.5, std::nan("")}, {-200, 190, INFINITY}, 7);
    const Supply c = ClampSupply(s);
    EXPECT_EQ(c.amplitude, (std::array<double, 3>{0, 2, 1}));
    EXPECT_EQ(c.offset, (std::array<double, 3>{-180, 180, 0}));
    EXPECT_EQ(c.openPhase, kNoPhase);
}

}  // namespace
