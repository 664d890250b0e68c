#include "explorer/explorer_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
// Magnitudes closer than this are equal; a field smaller than this is none.
constexpr double kTiny = 1e-9;

double Radians(double degrees) { return degrees * kPi / 180.0; }

// The lag the sequence gives each phase, in degrees.
double SequenceLag(Sequence sequence, int phase) {
    static constexpr double kPositive[] = {0.0, 120.0, 240.0};
    static constexpr double kNegative[] = {0.0, 240.0, 120.0};
    return (sequence == Sequence::Positive ? kPositive : kNegative)[phase];
}

std::array<Phasor, 3> PhasePhasors(const Supply& s) {
    std::array<Phasor, 3> e;
    for (int x = 0; x < 3; ++x) {
        e[x] = std::polar(s.amplitude[x], -Radians(SequenceLag(s.sequence, x) + s.offset[x]));
    }
    if (s.singlePhase) return {std::polar(s.amplitude[0], -Radians(s.offset[0])), 0.0, 0.0};
    if (s.openPhase == kNoPhase) {
        if (s.neutral) return e;
        // Without a neutral the star point floats to the mean of the three voltages, and what
        // is common to all three drives no current.
        const Phasor common = (e[0] + e[1] + e[2]) / 3.0;
        return {e[0] - common, e[1] - common, e[2] - common};
    }
    std::array<Phasor, 3> i = e;
    i[s.openPhase] = 0.0;
    if (!s.neutral) {
        // The two windings left are in series across their line voltage and share its current.
        const int y = (s.openPhase + 1) % 3;
        const int z = (s.openPhase + 2) % 3;
        i[y] = (e[y] - e[z]) / 2.0;
        i[z] = -i[y];
    }
    return i;
}

// Half the phase's current counts with this sign at air-gap angle beta: + within 90 degrees of
// its axis, - elsewhere.
double Facing(int phase, double beta) {
    const Phasor axis = PhaseAxis(phase);
    return std::cos(beta) * axis.real() + std::sin(beta) * axis.imag() > 0.0 ? 1.0 : -1.0;
}

}  // namespace

double ExplorerAngle(int step) { return step * kPi / 18.0; }

int WrapExplorerStep(int step) { return (step % kExplorerSteps + kExplorerSteps) % kExplorerSteps; }

Phasor PhaseAxis(int phase) {
    // Exact halves, so that a balanced set sums to a field along the axes with no residue.
    constexpr double kHalfRoot3 = std::numbers::sqrt3 / 2.0;
    static constexpr std::array<std::pair<double, double>, 3> kAxes{
        {{1.0, 0.0}, {-0.5, kHalfRoot3}, {-0.5, -kHalfRoot3}}};
    return {kAxes[phase].first, kAxes[phase].second};
}

ExplorerField::ExplorerField(const Supply& supply) : m_windings(PhasePhasors(supply)) {
    for (int x = 0; x < 3; ++x) {
        m_positive += 0.5 * m_windings[x] * PhaseAxis(x);
        m_negative += 0.5 * std::conj(m_windings[x]) * PhaseAxis(x);
    }
}

Rotation ExplorerField::Direction() const {
    const double p = std::abs(m_positive);
    const double n = std::abs(m_negative);
    if (p < kNoField && n < kNoField) return Rotation::None;
    if (std::abs(p - n) < kTiny) return Rotation::Pulsating;
    return p > n ? Rotation::CounterClockwise : Rotation::Clockwise;
}

std::array<double, 3> ExplorerField::Currents(double theta) const {
    const Phasor turn = std::polar(1.0, theta);
    return {(m_windings[0] * turn).real(), (m_windings[1] * turn).real(),
            (m_windings[2] * turn).real()};
}

Phasor ExplorerField::Resultant(double theta) const {
    const std::array<double, 3> i = Currents(theta);
    return i[0] * PhaseAxis(0) + i[1] * PhaseAxis(1) + i[2] * PhaseAxis(2);
}

double ExplorerField::AirGap(double beta, double theta) const {
    const std::array<double, 3> i = Currents(theta);
    double sum = 0.0;
    for (int x = 0; x < 3; ++x) sum += Facing(x, beta) * i[x];
    return kPi / 4.0 * sum;
}

double ExplorerField::Fundamental(double beta, double theta) const {
    const Phasor f = Resultant(theta);
    return f.real() * std::cos(beta) + f.imag() * std::sin(beta);
}

double ExplorerField::CurrentPeak() const {
    return std::max({std::abs(m_windings[0]), std::abs(m_windings[1]), std::abs(m_windings[2])});
}

double ExplorerField::AirGapPeak() const {
    // Between two coil sides the wave is a sum of currents, each taken with the sign of its
    // phase there; over a period that sum of sinusoids peaks at the magnitude of its phasor.
    double peak = 0.0;
    for (int part = 0; part < 6; ++part) {
        const double beta = part * kPi / 3.0;
        Phasor sum;
        for (int x = 0; x < 3; ++x) sum += Facing(x, beta) * m_windings[x];
        peak = std::max(peak, std::abs(sum));
    }
    return kPi / 4.0 * peak;
}
