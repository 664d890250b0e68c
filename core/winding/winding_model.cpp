#include "winding/winding_model.h"

#include <algorithm>
#include <cmath>
#include <mutex>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;
using Complex = std::complex<double>;

// The series runs to this order: far beyond what a pixel of the picture resolves.
constexpr int kMaxOrder = 360;
// Grid columns round the whole machine; divisible by 3p for every p, so that V and W are U's
// columns shifted.
constexpr int kColumns = 432;
// The levels: this many steps from zero to the balanced field's largest A.
constexpr double kLevelsToPeak = 7.0;

// The belts round one electrical period, 60 degrees each from 0.
constexpr Conductor kBelts[6] = {{1, -1}, {0, 1}, {2, -1}, {1, 1}, {0, -1}, {2, 1}};

double Sinc(double x) { return std::abs(x) < 1e-12 ? 1.0 : std::sin(x) / x; }

// The radial profile of harmonic n, for a unit K_n on the bore.
double Profile(int n, double r) {
    const double rho = kRotorRadius;
    const double rhoN = std::pow(rho, n);
    const double denominator = n * (1.0 - rhoN * rhoN);
    if (r <= rho) return 2.0 * rhoN / denominator * std::pow(r / rho, n);
    if (r <= 1.0) return (std::pow(r, n) + rhoN * std::pow(rho / r, n)) / denominator;
    const double bore = (1.0 + rhoN * rhoN) / denominator;
    const double outer2 = kStatorRadius * kStatorRadius;
    return bore * (std::pow(1.0 / r, n) - std::pow(r / outer2, n)) /
           (1.0 - std::pow(1.0 / outer2, n));
}

// Radii of the grid: finer where the field changes fastest, each region's edges included.
std::vector<double> GridRadii() {
    std::vector<double> radii;
    constexpr int kRotor = 26, kGap = 4, kYoke = 22;
    for (int i = 0; i < kRotor; ++i) radii.push_back(kRotorRadius * i / kRotor);
    for (int i = 0; i < kGap; ++i) radii.push_back(kRotorRadius + (1.0 - kRotorRadius) * i / kGap);
    for (int i = 0; i <= kYoke; ++i) radii.push_back(1.0 + (kStatorRadius - 1.0) * i / kYoke);
    return radii;
}

}  // namespace

bool IsValidWinding(const Winding& w) {
    if (w.poles != 2 && w.poles != 4 && w.poles != 6 && w.poles != 8) return false;
    if (w.slotCount % (3 * w.poles) != 0) return false;
    const int q = w.SlotsPerPolePhase();
    if (q < 1 || q > 4 || (w.layers != 1 && w.layers != 2)) return false;
    if (w.pitch < 1 || w.pitch > w.PolePitch()) return false;
    return w.layers == 2 || w.pitch == w.PolePitch();
}

Winding ValidWinding(const Winding& raw) {
    Winding w;
    w.poles = std::clamp((raw.poles + 1) / 2 * 2, 2, 8);
    const int q = std::clamp(raw.slotCount / (3 * w.poles), 1, 4);
    w.slotCount = 3 * w.poles * q;
    w.layers = std::clamp(raw.layers, 1, 2);
    w.pitch = w.layers == 1 ? w.PolePitch() : std::clamp(raw.pitch, 1, w.PolePitch());
    return w;
}

Winding ChangedWinding(const Winding& base, const WindingChange& change) {
    Winding w = base;
    if (change.poles) w.poles = *change.poles;
    if (change.slotCount) w.slotCount = *change.slotCount;
    if (change.layers) w.layers = *change.layers;
    if (change.poles || change.slotCount || w.layers == 1)
        w.pitch = w.slotCount / std::max(w.poles, 1);
    if (change.pitch) w.pitch = *change.pitch;
    return w;
}

Winding ControlledWinding(const Winding& before, const Winding& asked) {
    Winding w = asked;
    if (w.poles != before.poles) w.slotCount = before.SlotsPerPolePhase() * 3 * w.poles;
    if (w.poles != before.poles || w.slotCount != before.slotCount || w.layers == 1)
        w.pitch = w.slotCount / std::max(w.poles, 1);
    return ValidWinding(w);
}

Winding PresetWinding(WindingPreset preset) {
    switch (preset) {
        case WindingPreset::FourPoleFull:
            return {4, 36, 1, 9};
        case WindingPreset::FourPoleShort:
            return {4, 36, 2, 7};
        case WindingPreset::TwoPoleShort:
            return {2, 24, 2, 10};
        case WindingPreset::Explorer:
            break;
    }
    return {2, 6, 1, 3};
}

const char* WindingPresetName(WindingPreset preset) {
    switch (preset) {
        case WindingPreset::FourPoleFull:
            return "4-pole-full";
        case WindingPreset::FourPoleShort:
            return "4-pole-short";
        case WindingPreset::TwoPoleShort:
            return "2-pole-short";
        case WindingPreset::Explorer:
            break;
    }
    return "explorer";
}

std::vector<SlotConductors> ZonePlan(const Winding& w) {
    const int q = w.SlotsPerPolePhase();
    std::vector<SlotConductors> plan(w.slotCount);
    // Slot k's centre lies at (2k + 1) * 30 / q electrical degrees, never on a belt's edge.
    for (int k = 0; k < w.slotCount; ++k) plan[k].top = kBelts[(2 * k + 1) / (2 * q) % 6];
    for (int k = 0; k < w.slotCount; ++k) {
        const Conductor& top = plan[k].top;
        if (w.layers == 1)
            plan[k].bottom = top;
        else
            plan[(k + w.pitch) % w.slotCount].bottom = {top.phase, -top.sign};
    }
    return plan;
}

double SlotAngle(const Winding& w, int slot) { return (2 * slot + 1) * kPi / w.slotCount; }

double DistributionFactor(int q, int nu) {
    const double alpha = kPi / (3.0 * q);
    const double denominator = q * std::sin(nu * alpha / 2.0);
    // Where the slots' phasors all align the factor is +-1, the limit of the ratio.
    if (std::abs(denominator) < 1e-12)
        return std::cos(nu * q * alpha / 2.0) / std::cos(nu * alpha / 2.0);
    return std::sin(nu * q * alpha / 2.0) / denominator;
}

double PitchFactor(int pitch, int tau, int nu) {
    return std::sin(nu * (double(pitch) / tau) * kPi / 2.0);
}

double WindingFactor(const Winding& w, int nu) {
    return DistributionFactor(w.SlotsPerPolePhase(), nu) * PitchFactor(w.pitch, w.PolePitch(), nu);
}

std::array<double, 3> WindingCurrents(double theta, Sequence sequence) {
    const double v = std::cos(theta - 2.0 * kPi / 3.0);
    const double w = std::cos(theta - 4.0 * kPi / 3.0);
    if (sequence == Sequence::Negative) return {std::cos(theta), w, v};
    return {std::cos(theta), v, w};
}

std::vector<double> SlotCurrents(const Winding& w, const std::array<double, 3>& i) {
    const std::vector<SlotConductors> plan = ZonePlan(w);
    std::vector<double> c(w.slotCount);
    for (int k = 0; k < w.slotCount; ++k) {
        const double top = plan[k].top.sign * i[plan[k].top.phase];
        const double bottom = plan[k].bottom.sign * i[plan[k].bottom.phase];
        c[k] = (top + bottom) / 2.0;
    }
    return c;
}

namespace {

// sum_k c_k e^(-j n phi_k): the slots' currents seen by harmonic n of the turn.
Complex SlotHarmonic(const Winding& w, const std::vector<double>& c, int n) {
    Complex sum;
    for (int k = 0; k < w.slotCount; ++k) sum += c[k] * std::polar(1.0, -n * SlotAngle(w, k));
    return sum;
}

// F_c in ampere-conductors of a slot for a unit current. A phase has Q/3 slots' worth of
// conductors (a single layer's slots, or two half layers'); wound as concentrated, full-pitch
// coils they all add at the fundamental: C_p = Q/3, and F_1 = C_p / (p pi).
double ConcentratedPeak(const Winding& w) { return w.slotCount / 3.0 / (w.PolePairs() * kPi); }

}  // namespace

AirGapWave AirGapMmf(const Winding& w, const std::array<double, 3>& currents) {
    const int p = w.PolePairs();
    const std::vector<double> c = SlotCurrents(w, currents);
    const double fc = ConcentratedPeak(w);
    AirGapWave wave;
    // Going round counter-clockwise, the MMF falls by each slot's current: a current out of the
    // page at 90 degrees drives the field towards 0.
    double sum = 0.0, mean = 0.0;
    wave.levels.resize(w.slotCount);
    for (int k = 0; k < w.slotCount; ++k) {
        sum -= c[k] / fc;
        wave.levels[k] = sum;
        mean += sum / w.slotCount;
    }
    double square = 0.0;
    for (double& level : wave.levels) {
        level -= mean;
        square += level * level / w.slotCount;
    }
    // F(phi) = sum over n of Re(F_n e^(j n phi)) with F_n = j C_n / (n pi).
    const Complex fundamental = Complex(0.0, 1.0) * SlotHarmonic(w, c, p) / (p * kPi * fc);
    wave.fundamental = std::abs(fundamental);
    const double period = 2.0 * kPi / p;
    double peak = std::fmod(-std::arg(fundamental) / p, period);
    if (peak < 0.0) peak += period;
    wave.peakAngle = peak;
    const double f1 = wave.fundamental;
    wave.thd = f1 < 1e-12 ? 0.0 : std::sqrt(std::max(0.0, 2.0 * square / (f1 * f1) - 1.0));
    return wave;
}

WindingField::WindingField(const Winding& winding)
    : m_winding(ValidWinding(winding)), m_radii(GridRadii()), m_columns(kColumns) {
    const Winding& w = m_winding;
    const int p = w.PolePairs();
    m_period = kColumns / p;
    // Phase U's slot currents, each spread evenly over its opening on the bore.
    const std::vector<double> c = SlotCurrents(w, {1.0, 0.0, 0.0});
    const double opening = kSlotOpening * 2.0 * kPi / w.slotCount;
    // Slot k lies at (2k + 1) pi / Q: harmonic n sees it at a multiple of pi / Q, from a table
    // rather than a sine per slot and order (sines are slow in the page).
    const int half = 2 * w.slotCount;
    std::vector<Complex> slotTurns(half);
    for (int m = 0; m < half; ++m) slotTurns[m] = std::polar(1.0, -kPi * m / w.slotCount);
    for (int n = p; n <= kMaxOrder; n += 2 * p) {
        Complex sum;
        for (int k = 0; k < w.slotCount; ++k) sum += c[k] * slotTurns[n * (2 * k + 1) % half];
        const Complex k = sum * Sinc(n * opening / 2.0) / (2.0 * kPi);
        if (std::abs(k) < 1e-12) continue;
        m_orders.push_back(n);
        m_sheet.push_back(k);
    }
    // Each term at each column of one electrical period, then weighted by its profile per row.
    for (int j = 0; j < kColumns; ++j)
        m_turns.push_back({std::cos(2.0 * kPi * j / kColumns), std::sin(2.0 * kPi * j / kColumns)});
    const size_t terms = m_orders.size();
    std::vector<double> waves(terms * m_period);
    for (size_t t = 0; t < terms; ++t) {
        for (int j = 0; j < m_period; ++j) {
            // n times column j's angle is column (n j mod columns)'s.
            const std::array<double, 2>& turn = m_turns[m_orders[t] * j % kColumns];
            waves[t * m_period + j] =
                2.0 * (m_sheet[t].real() * turn[0] - m_sheet[t].imag() * turn[1]);
        }
    }
    m_phaseU.assign(m_radii.size() * m_period, 0.0);
    for (size_t i = 0; i < m_radii.size(); ++i) {
        double* row = &m_phaseU[i * m_period];
        for (size_t t = 0; t < terms; ++t) {
            const double g = Profile(m_orders[t], m_radii[i]);
            if (std::abs(g) < 1e-14) continue;
            const double* wave = &waves[t * m_period];
            for (int j = 0; j < m_period; ++j) row[j] += g * wave[j];
        }
    }
    std::vector<double> balanced;
    Sample(WindingCurrents(0.0, Sequence::Positive), balanced);
    double largest = 0.0;
    for (const double a : balanced) largest = std::max(largest, std::abs(a));
    m_levelStep = largest > 0.0 ? largest / kLevelsToPeak : 1.0;
}

double WindingField::PhaseU(double r, double phi) const {
    double sum = 0.0;
    for (size_t t = 0; t < m_orders.size(); ++t)
        sum += 2.0 * Profile(m_orders[t], r) *
               (m_sheet[t] * std::polar(1.0, m_orders[t] * phi)).real();
    return sum;
}

double WindingField::Potential(const std::array<double, 3>& currents, double r, double phi) const {
    const double turn = 2.0 * kPi / (3.0 * m_winding.PolePairs());
    return currents[0] * PhaseU(r, phi) + currents[1] * PhaseU(r, phi - turn) +
           currents[2] * PhaseU(r, phi - 2.0 * turn);
}

void WindingField::Sample(const std::array<double, 3>& currents, std::vector<double>& out) const {
    const int rows = static_cast<int>(m_radii.size());
    out.resize(static_cast<size_t>(rows) * m_columns);
    const int third = m_period / 3;
    for (int i = 0; i < rows; ++i) {
        const double* u = &m_phaseU[static_cast<size_t>(i) * m_period];
        double* row = &out[static_cast<size_t>(i) * m_columns];
        // One electrical period, then repeated round the machine.
        for (int j = 0; j < m_period; ++j) {
            row[j] = currents[0] * u[j] + currents[1] * u[(j - third + m_period) % m_period] +
                     currents[2] * u[(j - 2 * third + m_period) % m_period];
        }
        for (int j = m_period; j < m_columns; ++j) row[j] = row[j - m_period];
    }
}

std::shared_ptr<const WindingField> FieldOf(const Winding& winding) {
    static std::mutex mutex;
    static std::vector<std::shared_ptr<const WindingField>> kept;
    const Winding w = ValidWinding(winding);
    std::lock_guard lock(mutex);
    for (const auto& field : kept)
        if (field->Of() == w) return field;
    auto field = std::make_shared<const WindingField>(w);
    if (kept.size() >= 4) kept.erase(kept.begin());
    kept.push_back(field);
    return field;
}
