#include "motor/motor_session.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace motor;

MotorSession::MotorSession() { Restart(0.0); }

double MotorSession::Speed() {
    if (m_speed) return *m_speed;
    return m_run->SpeedAt(m_time);
}

void MotorSession::Restart(double speed) {
    m_speed.reset();
    m_initial = std::clamp(std::isfinite(speed) ? speed : 0.0, -kMaxSpeed, kMaxSpeed);
    m_time = 0.0;
    m_run.emplace(MotorModel(m_supply, m_drive),
                  MotorRunInputs{m_supply, m_load, m_inertia, m_initial});
}

void MotorSession::SetSupply(const Supply& supply) {
    const double speed = Speed();
    m_supply = ControlledSupply(supply);
    Restart(speed);
}

void MotorSession::SetLoad(double load) {
    const double speed = Speed();
    m_load = std::clamp(std::isfinite(load) ? load : 0.0, 0.0, kMaxLoad);
    Restart(speed);
}

void MotorSession::SetInertia(double inertia) {
    const double speed = Speed();
    m_inertia =
        std::clamp(std::isfinite(inertia) ? inertia : kDefaultInertia, kMinInertia, kMaxInertia);
    Restart(speed);
}

void MotorSession::SetDrive(const MotorDrive& drive) {
    const double speed = Speed();
    m_drive = ClampDrive(drive);
    Restart(speed);
}

void MotorSession::Start() {
    m_rotor = 0.0;
    Restart(0.0);
    if (!m_stepper.Playing()) m_stepper.PlayPause();
}

void MotorSession::Push(double direction) {
    Restart(Speed() + (direction < 0 ? -kPushSpeed : kPushSpeed));
    if (!m_stepper.Playing()) m_stepper.PlayPause();
}

void MotorSession::Show(std::optional<double> speed, double time, double initial, int step) {
    m_stepper.Seek(step);
    Restart(initial);
    m_time = std::clamp(std::isfinite(time) ? time : 0.0, 0.0, kLongestRun);
    if (speed) m_speed = std::clamp(std::isfinite(*speed) ? *speed : 0.0, -kMaxSpeed, kMaxSpeed);
    m_rotor.reset();
}

void MotorSession::Advance(double seconds, bool slow) {
    if (m_speed || !(seconds > 0.0)) return;
    const double end = std::min(m_time + seconds / (slow ? kSlowDown : 1.0), kLongestRun);
    m_run->SpeedAt(end);
    // The clock stops once the run has settled, but not before a second has shown what it does.
    const std::optional<double> settled = m_run->SettledAt();
    m_time = settled ? std::min(end, std::max(*settled, kShortestRun)) : end;
}

bool MotorSession::Settled() const {
    if (m_speed) return false;
    const std::optional<double> settled = m_run->SettledAt();
    return settled && m_time >= std::max(*settled, kShortestRun);
}

void MotorSession::Tick() {
    if (!m_stepper.Playing()) return;
    // The rotor turns n/n_s of the field's step, which is 1/p of the electrical one.
    const double ratio = Speed() / MotorModel(m_supply, m_drive).SynchronousSpeed();
    const double from = m_rotor.value_or(ratio * ExplorerAngle(m_stepper.Step()) / kPolePairs);
    m_rotor = std::remainder(from + ratio * ExplorerAngle(1) / kPolePairs, 2.0 * std::numbers::pi);
    m_stepper.Tick();
}

MotorInputs MotorSession::Inputs() const {
    MotorInputs in;
    in.supply = m_supply;
    in.load = m_load;
    in.inertia = m_inertia;
    in.speed = m_speed;
    in.time = m_time;
    in.initialSpeed = m_initial;
    in.step = m_stepper.Step();
    in.rotorAngle = m_rotor;
    in.drive = m_drive;
    in.page = m_page;
    return in;
}
