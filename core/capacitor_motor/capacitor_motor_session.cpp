#include "capacitor_motor/capacitor_motor_session.h"

#include <algorithm>
#include <cmath>

using namespace capmotor;

namespace {

double Finite(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

}  // namespace

CapacitorMotorSession::CapacitorMotorSession() { Restart(0.0); }

double CapacitorMotorSession::Speed() {
    if (m_speed) return *m_speed;
    return m_run->At(m_time).speed;
}

void CapacitorMotorSession::Restart(double speed) {
    m_speed.reset();
    m_initial = Finite(speed, -kMaxSpeed, kMaxSpeed, 0.0);
    m_time = 0.0;
    m_run.emplace(CapacitorMotorRunInputs{m_config, m_load, m_inertia, m_initial});
}

void CapacitorMotorSession::SetConfig(const CapacitorMotorConfig& config) {
    const double speed = Speed();
    m_config = CapacitorMotorModel(config).Config();
    Restart(speed);
}

void CapacitorMotorSession::SetLoad(double load) {
    const double speed = Speed();
    m_load = Finite(load, 0.0, kMaxLoad, 0.0);
    Restart(speed);
}

void CapacitorMotorSession::SetInertia(double inertia) {
    const double speed = Speed();
    m_inertia = Finite(inertia, kMinInertia, kMaxInertia, kDefaultInertia);
    Restart(speed);
}

void CapacitorMotorSession::Start() {
    Restart(0.0);
    if (!m_stepper.Playing()) m_stepper.PlayPause();
}

void CapacitorMotorSession::Show(std::optional<double> speed, double time, double initial,
                                 int step) {
    m_stepper.Seek(step);
    Restart(initial);
    m_time = Finite(time, 0.0, kMaxTime, 0.0);
    if (speed) m_speed = Finite(*speed, -kMaxSpeed, kMaxSpeed, 0.0);
}

void CapacitorMotorSession::Advance(double seconds, bool slow) {
    if (m_speed || !(seconds > 0.0)) return;
    m_time += seconds / (slow ? kSlowDown : 1.0);
    // A run goes on as a new one from where it got to, so that the clock never stops.
    if (m_time >= kMaxTime) {
        const double over = std::min(m_time - kMaxTime, kMaxTime);
        Restart(m_run->At(kMaxTime).speed);
        m_time = over;
    }
}

CapacitorMotorInputs CapacitorMotorSession::Inputs() const {
    CapacitorMotorInputs in;
    in.kind = m_config.kind;
    in.startCapacitor = m_config.startCapacitor;
    in.runCapacitor = m_config.runCapacitor;
    in.reverseAux = m_config.reverseAux;
    in.switchSetting = m_config.switchSetting;
    in.load = m_load;
    in.inertia = m_inertia;
    in.speed = m_speed;
    in.time = m_time;
    in.initialSpeed = m_initial;
    in.step = m_stepper.Step();
    return in;
}
