#include "synchronous/synchronous_session.h"

#include <algorithm>
#include <cmath>

using namespace synchronous;

namespace {

double InRange(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

}  // namespace

template <typename Change>
void SynchronousSession::GoOn(Change change) {
    std::optional<SynchronousStart> from;
    if (m_time) {
        const SynchronousMotion now = SynchronousRun(m_run).At(*m_time);
        from = SynchronousStart{now.speed, now.delta, now.fieldOn};
    }
    change();
    if (from) {
        m_run.start = *from;
        m_time = 0.0;
    }
}

void SynchronousSession::SetPower(double power) {
    m_power = InRange(power, -kMaxPower, kMaxPower, kDefaultPower);
    m_time.reset();
    m_run.start = {};
}

void SynchronousSession::SetPoint(const SynchronousSetting& setting) {
    m_run.fieldCurrent =
        InRange(setting.fieldCurrent, kMinFieldCurrent, kMaxFieldCurrent, m_run.fieldCurrent);
    SetPower(setting.power);
}

void SynchronousSession::SetFieldCurrent(double fieldCurrent) {
    GoOn([&] {
        m_run.fieldCurrent =
            InRange(fieldCurrent, kMinFieldCurrent, kMaxFieldCurrent, kDefaultFieldCurrent);
    });
}

void SynchronousSession::SetInertia(double inertia) {
    GoOn([&] { m_run.inertia = InRange(inertia, kMinInertia, kMaxInertia, kDefaultInertia); });
}

void SynchronousSession::SetDamper(bool damper) {
    GoOn([&] { m_run.damper = damper; });
}

void SynchronousSession::SetLoad(double load) {
    GoOn([&] { m_run.load = InRange(load, 0.0, kMaxLoad, kDefaultLoad); });
}

void SynchronousSession::SetFieldOn(double speed) {
    GoOn([&] { m_run.fieldOn = InRange(speed, 0.0, kMaxFieldOn, kDefaultFieldOn); });
}

void SynchronousSession::Start() {
    m_run.start = {};
    m_time = 0.0;
    if (!m_stepper.Playing()) m_stepper.PlayPause();
}

void SynchronousSession::Show(std::optional<double> time, int step) {
    m_stepper.Seek(step);
    m_run.start = {};
    m_time.reset();
    if (time) m_time = InRange(*time, 0.0, kMaxTime, 0.0);
}

void SynchronousSession::Advance(double seconds, bool slow) {
    if (!m_time || !(seconds > 0.0)) return;
    *m_time += seconds / (slow ? kSlowDown : 1.0);
    // A run goes on as a new one from where it got to, so that the clock never stops.
    if (*m_time >= kMaxTime) {
        const double over = std::min(*m_time - kMaxTime, kMaxTime);
        m_time = kMaxTime;
        GoOn([] {});
        m_time = over;
    }
}

SynchronousInputs SynchronousSession::Inputs() const {
    SynchronousInputs in;
    in.fieldCurrent = m_run.fieldCurrent;
    in.power = m_power;
    in.inertia = m_run.inertia;
    in.damper = m_run.damper;
    in.load = m_run.load;
    in.fieldOn = m_run.fieldOn;
    in.time = m_time;
    in.start = m_run.start;
    in.step = m_stepper.Step();
    in.curves = m_curves;
    return in;
}
