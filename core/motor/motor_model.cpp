#include "motor/motor_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using namespace motor;

const Phasor kA = std::polar(1.0, 2.0 * std::numbers::pi / 3.0);

// The machine's circuit at one frequency and rotor resistance.
struct Circuit {
    double omega, rr;
    double Xm() const { return omega * kMagnetising; }
    Phasor Leakage() const { return {kStatorResistance, omega * kLeakage}; }
    // jX_M in parallel with R_R/s, written so that s = 0 is an open rotor rather than a division.
    Phasor Magnetising(double s) const {
        const Phasor jx(0.0, Xm());
        return jx * rr / (rr + jx * s);
    }
    // |I_R|² R_R / s for a sequence current i at slip s: finite at s = 0, where it is zero.
    double AirGapPower(Phasor i, double s) const {
        const double xm = Xm();
        return std::norm(i) * xm * xm * rr * s / (rr * rr + xm * xm * s * s);
    }
    double TorquePerWatt() const { return 3.0 * kPolePairs / omega; }
};

using Matrix = std::array<std::array<Phasor, 3>, 3>;

// Z = T diag(Z0, Z+, Z-) T^-1. With T_ik = a^(-ik) it is circulant: Z_ij depends on j - i only,
// as (Z0 + Z+ a^m + Z- a^2m) / 3 with m = j - i (mod 3).
Matrix Impedance(const Circuit& k, double s) {
    const Phasor zl = k.Leakage();
    const Phasor zp = zl + k.Magnetising(s), zn = zl + k.Magnetising(2.0 - s);
    const std::array<Phasor, 3> c{(zl + zp + zn) / 3.0, (zl + zp * kA + zn * kA * kA) / 3.0,
                                  (zl + zp * kA * kA + zn * kA) / 3.0};
    Matrix z{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) z[i][j] = c[(j - i + 3) % 3];
    return z;
}

double Finite(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

}  // namespace

double MotorSlip(double speed) { return (kSynchronousSpeed - speed) / kSynchronousSpeed; }

double FanTorque(double load, double speed) {
    const double r = speed / kSynchronousSpeed;
    return -load * r * std::abs(r);
}

MotorDrive ClampDrive(const MotorDrive& d) {
    return {Finite(d.frequency, kMinFrequency, kMaxFrequency, kFrequency),
            Finite(d.boost, 0.0, kMaxBoost, 0.0),
            Finite(d.rotorResistance, 0.0, kMaxAddedResistance, 0.0)};
}

MotorModel::MotorModel(const Supply& supply, const MotorDrive& drive)
    : m_supply(ClampSupply(supply)),
      m_drive(ClampDrive(drive)),
      m_omega(2.0 * std::numbers::pi * m_drive.frequency),
      m_synchronous(60.0 * m_drive.frequency / kPolePairs),
      m_rotorResistance(kRotorResistance + m_drive.rotorResistance) {
    const double volts = PhaseVoltage();
    static constexpr double kLag[2][3] = {{0.0, 120.0, 240.0}, {0.0, 240.0, 120.0}};
    const int order = m_supply.sequence == Sequence::Positive ? 0 : 1;
    for (int x = 0; x < 3; ++x) {
        const double degrees = kLag[order][x] + m_supply.offset[x];
        m_voltage[x] =
            std::polar(m_supply.amplitude[x] * volts, -degrees * std::numbers::pi / 180.0);
    }
    // U lags by nothing in either sequence, so a single phase needs no voltage of its own.

    // The voltage across the windings: an open phase's is zero, and without a neutral the star
    // point takes up the mean of the fed phases. The mean is zero-sequence, so it changes neither
    // part; it is removed to say what the windings see.
    std::array<Phasor, 3> e{};
    std::array<bool, 3> fed{true, !m_supply.singlePhase, !m_supply.singlePhase};
    if (m_supply.openPhase != kNoPhase) fed[m_supply.openPhase] = false;
    Phasor mean;
    int count = 0;
    for (int x = 0; x < 3; ++x) {
        if (!fed[x]) continue;
        e[x] = m_voltage[x];
        mean += e[x];
        ++count;
    }
    if (!m_supply.neutral && !m_supply.singlePhase) {
        for (int x = 0; x < 3; ++x)
            if (fed[x]) e[x] -= mean / double(count);
    }
    const double positive = std::abs(e[0] + kA * e[1] + kA * kA * e[2]);
    const double negative = std::abs(e[0] + kA * kA * e[1] + kA * e[2]);
    const double tolerance = 1e-9 * (positive + negative);
    m_direction = positive > negative + tolerance ? 1 : negative > positive + tolerance ? -1 : 0;
}

double MotorModel::PhaseVoltage() const {
    const double f = m_drive.frequency;
    if (f >= kFrequency) return kPhaseVoltage;
    return kPhaseVoltage * f / kFrequency + m_drive.boost * (1.0 - f / kFrequency);
}

MotorPoint MotorModel::At(double speed) const {
    const Circuit k{m_omega, m_rotorResistance};
    MotorPoint p;
    p.speed = speed;
    p.slip = Slip(speed);
    const Supply& s = m_supply;
    std::array<Phasor, 3>& i = p.current;
    if (s.singlePhase) {
        i[0] = m_voltage[0] / Impedance(k, p.slip)[0][0];
    } else if (s.openPhase == kNoPhase) {
        // All three windings: Z is diagonal in sequence terms, and without a neutral no zero-
        // sequence current flows (the star point takes up E0).
        const std::array<Phasor, 3>& e = m_voltage;
        const Phasor e0 = (e[0] + e[1] + e[2]) / 3.0;
        const Phasor ep = (e[0] + kA * e[1] + kA * kA * e[2]) / 3.0;
        const Phasor en = (e[0] + kA * kA * e[1] + kA * e[2]) / 3.0;
        const Phasor zl = k.Leakage();
        const Phasor i0 = s.neutral ? e0 / zl : Phasor();
        const Phasor ip = ep / (zl + k.Magnetising(p.slip));
        const Phasor in = en / (zl + k.Magnetising(2.0 - p.slip));
        i = {i0 + ip + in, i0 + ip * kA * kA + in * kA, i0 + ip * kA + in * kA * kA};
    } else {
        // Two windings, y and w. With the neutral each has its row of Z I = E, solved by
        // Cramer's rule; without it they are in series across E_y - E_w and I_w = -I_y.
        const Matrix z = Impedance(k, p.slip);
        const int y = (s.openPhase + 1) % 3, w = (s.openPhase + 2) % 3;
        const Phasor ey = m_voltage[y], ew = m_voltage[w];
        if (s.neutral) {
            const Phasor det = z[y][y] * z[w][w] - z[y][w] * z[w][y];
            i[y] = (ey * z[w][w] - z[y][w] * ew) / det;
            i[w] = (z[y][y] * ew - z[w][y] * ey) / det;
        } else {
            i[y] = (ey - ew) / (z[y][y] + z[w][w] - z[y][w] - z[w][y]);
            i[w] = -i[y];
        }
    }
    p.positive = (i[0] + kA * i[1] + kA * kA * i[2]) / 3.0;
    p.negative = (i[0] + kA * kA * i[1] + kA * i[2]) / 3.0;
    p.forward = k.TorquePerWatt() * k.AirGapPower(p.positive, p.slip);
    p.backward = -k.TorquePerWatt() * k.AirGapPower(p.negative, 2.0 - p.slip);
    return p;
}

MotorModel::Breakdown MotorModel::MaximumTorque() const {
    // A scan every 10 rpm finds the hump; a golden-section search within it finds the top.
    constexpr double kScan = 10.0;
    double best = 0.0, bestSpeed = 0.0;
    for (double n = m_synchronous; n >= -m_synchronous; n -= kScan) {
        const double t = std::abs(Torque(n));
        if (t > best * (1.0 + 1e-9)) {
            best = t;
            bestSpeed = n;
        }
    }
    double lo = bestSpeed - kScan, hi = bestSpeed + kScan;
    const double g = (std::sqrt(5.0) - 1.0) / 2.0;
    for (int k = 0; k < 40; ++k) {
        const double a = hi - g * (hi - lo), b = lo + g * (hi - lo);
        if (std::abs(Torque(a)) > std::abs(Torque(b)))
            hi = b;
        else
            lo = a;
    }
    const double n = (lo + hi) / 2.0;
    return {n, Torque(n)};
}

MotorRun::MotorRun(const MotorModel& model, const MotorRunInputs& run)
    : m_model(model), m_run(run) {
    m_run.supply = model.CurrentSupply();
    m_run.time = 0.0;
    m_run.load = Finite(run.load, 0.0, kMaxLoad, 0.0);
    m_run.inertia = Finite(run.inertia, kMinInertia, kMaxInertia, kDefaultInertia);
    m_run.initialSpeed = Finite(run.initialSpeed, -kMaxSpeed, kMaxSpeed, 0.0);
    m_speed = m_run.initialSpeed;
    m_samples.push_back(Sample(0.0, m_speed));
    if (Settled(m_speed)) m_settled = 0.0;
}

bool MotorRun::SameRun(const Supply& supply, const MotorRunInputs& run,
                       const MotorDrive& drive) const {
    const MotorRun other(MotorModel(supply, drive), run);
    return other.m_run.supply == m_run.supply && other.m_model.Drive() == m_model.Drive() &&
           other.m_run.load == m_run.load && other.m_run.inertia == m_run.inertia &&
           other.m_run.initialSpeed == m_run.initialSpeed;
}

// dn/dt in rpm a second.
double MotorRun::Rate(double speed) const {
    constexpr double kRpmPerRadian = 60.0 / (2.0 * std::numbers::pi);
    return (m_model.Torque(speed) + FanTorque(m_run.load, speed)) / m_run.inertia * kRpmPerRadian;
}

double MotorRun::Advance(double n, double h) const {
    const double k1 = Rate(n);
    const double k2 = Rate(n + h / 2 * k1);
    const double k3 = Rate(n + h / 2 * k2);
    const double k4 = Rate(n + h * k3);
    return n + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
}

// Settled when the net torque is no more than kNoTorque: the state then reads running or
// stalled, and the speed is within a fraction of a rpm of where it comes to rest.
bool MotorRun::Settled(double speed) const {
    return std::abs(m_model.Torque(speed) + FanTorque(m_run.load, speed)) <= kNoTorque;
}

MotorSample MotorRun::Sample(double time, double speed) const {
    const MotorPoint p = m_model.At(speed);
    return {time, speed, {std::abs(p.current[0]), std::abs(p.current[1]), std::abs(p.current[2])}};
}

double MotorRun::SpeedAt(double time) {
    time = Finite(time, 0.0, kLongestRun, 0.0);
    // The grid's last point before `time`; a time just short of a grid point counts as on it.
    const long whole = static_cast<long>(std::floor(time / kStep + 1e-9));
    if (whole < m_steps) *this = MotorRun(m_model, m_run);
    // The state at the end of the last call is no sample of the grid's: it goes.
    if (m_endSample) m_samples.pop_back();
    m_endSample = false;
    for (; m_steps < whole;) {
        m_speed = Advance(m_speed, kStep);
        ++m_steps;
        if (m_steps % kSampleEvery != 0) continue;
        m_samples.push_back(Sample(m_steps * kStep, m_speed));
        if (!m_settled && Settled(m_speed)) m_settled = m_steps * kStep;
    }
    const double rest = time - whole * kStep;
    const double speed = rest > 1e-12 ? Advance(m_speed, rest) : m_speed;
    if (m_samples.back().time != time) {
        m_samples.push_back(Sample(time, speed));
        m_endSample = true;
    }
    return speed;
}

double RunMotor(const MotorModel& model, const MotorRunInputs& run,
                std::vector<MotorSample>* samples) {
    MotorRun r(model, run);
    const double speed = r.SpeedAt(run.time);
    if (samples != nullptr) *samples = r.Samples();
    return speed;
}
