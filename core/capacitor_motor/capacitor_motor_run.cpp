#include "capacitor_motor/capacitor_motor_run.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using namespace capmotor;

double Finite(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

CapacitorMotorRunInputs InRange(const CapacitorMotorRunInputs& run) {
    CapacitorMotorRunInputs in = run;
    in.config = CapacitorMotorModel(run.config).Config();
    in.load = Finite(run.load, 0.0, kMaxLoad, 0.0);
    in.inertia = Finite(run.inertia, kMinInertia, kMaxInertia, kDefaultInertia);
    in.initialSpeed = Finite(run.initialSpeed, -kMaxSpeed, kMaxSpeed, 0.0);
    return in;
}

}  // namespace

CapacitorMotorRun::CapacitorMotorRun(const CapacitorMotorRunInputs& run)
    : m_run(InRange(run)), m_model(m_run.config) {
    const double n = m_run.initialSpeed;
    m_samples.push_back(Sample(0.0, n, m_model.SteadySwitch(n)));
}

bool CapacitorMotorRun::SameRun(const CapacitorMotorRunInputs& run) const {
    return InRange(run) == m_run;
}

CapacitorMotorSample CapacitorMotorRun::Sample(double time, double speed, bool closed) const {
    const CapacitorMotorPoint p = m_model.At(speed, closed);
    return {time,
            speed,
            p.Torque(),
            p.switchClosed,
            std::abs(p.main),
            std::abs(p.aux),
            std::abs(p.line)};
}

CapacitorMotorSample CapacitorMotorRun::Advance(const CapacitorMotorSample& from, double h,
                                                double end) {
    constexpr double kRpmPerRadian = 60.0 / (2.0 * std::numbers::pi);
    const bool closed = from.switchClosed;
    const auto rate = [&](double n, double torque) {
        return (torque + CapacitorMotorFan(m_run.load, n)) / m_run.inertia * kRpmPerRadian;
    };
    const auto at = [&](double n) { return rate(n, m_model.At(n, closed).Torque()); };
    const double n = from.speed;
    const double k1 = rate(n, from.torque);
    const double k2 = at(n + h / 2 * k1);
    const double k3 = at(n + h / 2 * k2);
    const double k4 = at(n + h * k3);
    const double next = n + h / 6 * (k1 + 2 * k2 + 2 * k3 + k4);
    const bool after = m_model.NextSwitch(closed, next);
    if (after != closed) m_events.push_back({end, next, !after});
    return Sample(end, next, after);
}

const CapacitorMotorSample& CapacitorMotorRun::At(double time) {
    time = Finite(time, 0.0, kMaxTime, 0.0);
    // The grid's last point before `time`; a time just short of a grid point counts as on it.
    const long whole = static_cast<long>(std::floor(time / kStep + 1e-9));
    if (whole < m_steps) *this = CapacitorMotorRun(m_run);
    if (m_endSample) m_samples.pop_back();
    if (m_endEvent) m_events.pop_back();
    m_endSample = m_endEvent = false;
    m_samples.reserve(whole + 2);
    for (; m_steps < whole; ++m_steps) {
        // Times on the grid exactly, so that a run in pieces is a run at once.
        m_samples.push_back(Advance(m_samples.back(), kStep, (m_steps + 1) * kStep));
    }
    const double rest = time - whole * kStep;
    if (rest > 1e-12) {
        const size_t events = m_events.size();
        m_samples.push_back(Advance(m_samples.back(), rest, time));
        m_endSample = true;
        m_endEvent = m_events.size() > events;
    }
    return m_samples.back();
}
