#include "synchronous/synchronous_model.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using namespace synchronous;

constexpr double kPi = std::numbers::pi;
constexpr double kOmega = 2.0 * kPi * kFrequency;                     // rad/s, electrical
constexpr double kMechanical = 2.0 * kPi * kSynchronousSpeed / 60.0;  // omega_sm, rad/s
constexpr double kRpmPerRadian = 60.0 / (2.0 * kPi);                  // rpm per rad/s

double InRange(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

}  // namespace

std::string_view SynchronousConflict(const SynchronousOptionsGiven& given) {
    if (given.fieldOn && !given.time) return "--field-on is for a start-up: use it with --time";
    if (given.power && given.time)
        return "--power cannot be used with --time: in a start-up the load sets the power";
    return {};
}

double SynchronousPoint::PowerFactor() const {
    const double s = std::hypot(power, reactive);
    return s > 1e-9 ? std::abs(power) / s : 1.0;
}

PowerFactorKind SynchronousPoint::Kind() const {
    if (std::abs(reactive) <= 0.005 * std::hypot(power, reactive)) return PowerFactorKind::Unity;
    return reactive > 0.0 ? PowerFactorKind::Lagging : PowerFactorKind::Leading;
}

double SynchronousEmf(double fieldCurrent) { return kEmfPerAmpere * fieldCurrent; }

double PullOutPower(double fieldCurrent) {
    return 3.0 * kPhaseVoltage * SynchronousEmf(fieldCurrent) / kReactance;
}

SynchronousPoint SynchronousAt(double fieldCurrent, double delta) {
    SynchronousPoint p;
    p.fieldCurrent = fieldCurrent;
    p.emf = SynchronousEmf(fieldCurrent);
    p.delta = delta;
    p.current = (kPhaseVoltage - p.Emf()) / Phasor(0.0, kReactance);
    const Phasor s = 3.0 * kPhaseVoltage * std::conj(p.current);
    p.power = s.real();
    p.reactive = s.imag();
    p.pullOut = PullOutPower(fieldCurrent);
    return p;
}

SynchronousPoint SynchronousSteady(double fieldCurrent, double power) {
    const double most = PullOutPower(fieldCurrent);
    if (std::abs(power) > most) {
        SynchronousPoint p = SynchronousAt(fieldCurrent, power > 0 ? kPi / 2 : -kPi / 2);
        p.power = power;
        p.inStep = false;
        return p;
    }
    // With no EMF and no power, any angle will do: the poles are taken on the field's axis.
    return SynchronousAt(fieldCurrent, most > 0.0 ? std::asin(power / most) : 0.0);
}

std::optional<double> VCurveCurrent(double power, double fieldCurrent) {
    const SynchronousPoint p = SynchronousSteady(fieldCurrent, power);
    if (!p.inStep) return std::nullopt;
    return std::abs(p.current);
}

double UnityFieldCurrent(double power) {
    // At unity power factor jX_s I is at right angles to V: E cos(delta) = V, and
    // E sin(delta) = P X_s / 3V.
    const double across = power * kReactance / (3.0 * kPhaseVoltage);
    return std::hypot(kPhaseVoltage, across) / kEmfPerAmpere;
}

double PullOutFieldCurrent(double power) {
    return std::abs(power) * kReactance / (3.0 * kPhaseVoltage * kEmfPerAmpere);
}

double SynchronizingTorque(double fieldCurrent, double delta) {
    return PullOutPower(fieldCurrent) / kMechanical * std::sin(delta);
}

double DamperTorque(double speed) {
    const double s = (kSynchronousSpeed - speed) / kSynchronousSpeed;
    if (s == 0.0) return 0.0;
    return 2.0 * kDamperTorque / (s / kDamperSlip + kDamperSlip / s);
}

double LoadTorque(double load, double speed) {
    const double r = speed / kSynchronousSpeed;
    return load * r * std::abs(r);
}

SynchronousRun::SynchronousRun(const SynchronousRunInputs& run) : m_run(run) {
    m_run.fieldCurrent =
        InRange(run.fieldCurrent, kMinFieldCurrent, kMaxFieldCurrent, kDefaultFieldCurrent);
    m_run.inertia = InRange(run.inertia, kMinInertia, kMaxInertia, kDefaultInertia);
    m_run.load = InRange(run.load, 0.0, kMaxLoad, kDefaultLoad);
    m_run.fieldOn = InRange(run.fieldOn, 0.0, kMaxFieldOn, kDefaultFieldOn);
    m_run.start.speed =
        InRange(run.start.speed, -3.0 * kSynchronousSpeed, 3.0 * kSynchronousSpeed, 0.0);
    m_run.start.delta =
        std::isfinite(run.start.delta) ? std::remainder(run.start.delta, 2 * kPi) : 0.0;
    m_torque = PullOutPower(m_run.fieldCurrent) / kMechanical;
    Restart();
}

void SynchronousRun::Restart() {
    m_steps = 0;
    m_state = {m_run.start.speed, m_run.start.delta};
    m_fieldOn = m_run.start.fieldOn || m_run.start.speed >= m_run.fieldOn;
    m_fieldOnTime.reset();
    if (m_fieldOn) m_fieldOnTime = 0.0;
    m_unlocked = 0.0;
    m_samples.assign(1, {0.0, m_state.speed, std::remainder(m_state.delta, 2 * kPi)});
    m_endSample = false;
}

// J d(omega_m)/dt = T_s + T_d - T_L, and d(delta)/dt = omega - p omega_m; the speed in rpm.
SynchronousRun::State SynchronousRun::Rate(const State& s) const {
    double torque = -LoadTorque(m_run.load, s.speed);
    if (m_fieldOn) torque += m_torque * std::sin(s.delta);
    if (m_run.damper) torque += DamperTorque(s.speed);
    return {torque / m_run.inertia * kRpmPerRadian, kOmega - kPolePairs * s.speed / kRpmPerRadian};
}

SynchronousRun::State SynchronousRun::Advance(const State& s, double h) const {
    const auto at = [&](const State& k, double f) {
        return State{s.speed + f * k.speed, s.delta + f * k.delta};
    };
    const State k1 = Rate(s);
    const State k2 = Rate(at(k1, h / 2));
    const State k3 = Rate(at(k2, h / 2));
    const State k4 = Rate(at(k3, h));
    return {s.speed + h / 6 * (k1.speed + 2 * k2.speed + 2 * k3.speed + k4.speed),
            s.delta + h / 6 * (k1.delta + 2 * k2.delta + 2 * k3.delta + k4.delta)};
}

SynchronousMotion SynchronousRun::At(double time) {
    time = InRange(time, 0.0, kMaxTime, 0.0);
    // The grid's last point before `time`; a time just short of a grid point counts as on it.
    const long whole = static_cast<long>(std::floor(time / kStep + 1e-9));
    if (whole < m_steps) Restart();
    if (m_endSample) m_samples.pop_back();
    m_endSample = false;
    while (m_steps < whole) {
        m_state = Advance(m_state, kStep);
        ++m_steps;
        const double t = m_steps * kStep;
        if (!m_fieldOn && m_state.speed >= m_run.fieldOn) {
            m_fieldOn = true;
            m_fieldOnTime = t;
        }
        if (!m_fieldOn || std::abs(m_state.speed - kSynchronousSpeed) >= kLockBand) m_unlocked = t;
        // Kept within a turn, so that a long run loses no precision to a growing angle.
        if (std::abs(m_state.delta) > 64 * kPi)
            m_state.delta = std::remainder(m_state.delta, 2 * kPi);
        if (m_steps % kSampleEvery == 0)
            m_samples.push_back({t, m_state.speed, std::remainder(m_state.delta, 2 * kPi)});
    }
    const double rest = time - whole * kStep;
    const State s = rest > 1e-12 ? Advance(m_state, rest) : m_state;
    SynchronousMotion m{time, s.speed, std::remainder(s.delta, 2 * kPi), m_fieldOn, false};
    m.locked = m_fieldOn && std::abs(s.speed - kSynchronousSpeed) < kLockBand &&
               time - m_unlocked >= kLockTime - 1e-9;
    if (m_samples.back().time != time) {
        m_samples.push_back({time, m.speed, m.delta});
        m_endSample = true;
    }
    return m;
}
