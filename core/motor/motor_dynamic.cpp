#include "motor/motor_dynamic.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "motor/motor_model.h"

namespace {

using namespace motor;

constexpr double kRpm = 60.0 / (2.0 * std::numbers::pi) / kPolePairs;  // rpm per electrical rad/s
const double kSqrt3 = std::sqrt(3.0);

double Finite(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

// i_s = (2/3)(i_U + a i_V + a² i_W), as (re, im).
void SpaceVector(const double* i, double& re, double& im) {
    re = (2.0 * i[0] - i[1] - i[2]) / 3.0;
    im = (i[1] - i[2]) / kSqrt3;
}

}  // namespace

DynamicRun::DynamicRun(const DynamicRunInputs& run, double step) : m_run(run) {
    const MotorModel model(run.supply, run.drive);  // brings the supply and drive into range
    m_run.supply = model.CurrentSupply();
    m_run.drive = model.Drive();
    m_omega = 2.0 * std::numbers::pi * m_run.drive.frequency;
    m_rotorResistance = kRotorResistance + m_run.drive.rotorResistance;
    m_synchronous = model.SynchronousSpeed();
    m_run.load = Finite(run.load, 0.0, kMaxLoad, 0.0);
    m_run.inertia = Finite(run.inertia, kMinInertia, kMaxInertia, kDefaultInertia);
    m_run.initialSpeed = Finite(run.initialSpeed, -kMaxSpeed, kMaxSpeed, 0.0);
    m_run.switchAngle = Finite(run.switchAngle, 0.0, 360.0, 0.0);
    m_h = Finite(step, 1e-7, kStep, kStep);
    m_field = model.FieldDirection() < 0 ? -1.0 : 1.0;

    const Supply& s = m_run.supply;
    static constexpr double kLag[2][3] = {{0.0, 120.0, 240.0}, {0.0, 240.0, 120.0}};
    const int order = s.sequence == Sequence::Positive ? 0 : 1;
    for (int x = 0; x < 3; ++x) {
        const double peak = std::sqrt(2.0) * s.amplitude[x] * model.PhaseVoltage();
        const double angle =
            (m_run.switchAngle - kLag[order][x] - s.offset[x]) * std::numbers::pi / 180.0;
        m_re[x] = peak * std::cos(angle);
        m_im[x] = peak * std::sin(angle);
    }
    m_fed = {true, !s.singlePhase, !s.singlePhase};
    if (!s.singlePhase && s.openPhase != kNoPhase) m_fed[s.openPhase] = false;
    m_neutral = s.neutral || s.singlePhase;
    m_x[5] = m_run.initialSpeed / kRpm;
    m_halfCos = std::cos(m_omega * m_h / 2);
    m_halfSin = std::sin(m_omega * m_h / 2);
    Record();
}

// The machine in the stator's frame, with space vectors x_s = (2/3)(x_U + a x_V + a² x_W) and the
// zero sequence x_0 = (x_U + x_V + x_W)/3, so that x_k = Re(x_s a^-k) + x_0:
//   dpsi_s/dt = u_s - R_s i_s,   L_sigma di_0/dt = u_0 - R_s i_0,
//   dpsi_R/dt = -R_R i_R + j w_m psi_R,   psi_s = L_sigma i_s + psi_R,   psi_R = L_M (i_s + i_R).
// The winding k links psi_k = Re(psi_s a^-k) + L_sigma i_0 = L_sigma i_k + Re(psi_R a^-k): all of
// the leakage is the stator's, so each winding is its own R-L circuit behind the back emf
// b_k = Re(a^-k dpsi_R/dt), and dpsi_R/dt needs only the state (i_R = psi_R/L_M - i_s):
//   L_sigma di_k/dt = u_k - R_s i_k - b_k,   u_k = e_k - v_n.
// The state is therefore the three winding currents, psi_R and w_m, and the connection only says
// which windings carry current and what v_n is:
//   - with the neutral (and for a single phase, U alone with the neutral) v_n = 0;
//   - a winding that carries none (an open phase; V and W of a single phase) keeps di_k/dt = 0:
//     its terminal floats at u_k = b_k, the emf the rotor's flux induces in it;
//   - without the neutral the fed windings' currents sum to zero, and so do their derivatives:
//     sum over fed k of (e_k - v_n - R_s i_k - b_k) = 0, so v_n is the mean over them of
//     e_k - R_s i_k - b_k. For all three fed, b has no mean and neither has i: v_n = e_0 and
//     i_0 = 0 as a star without neutral asks; for two, v_n = (e_y + e_w + b_o)/2.
// These keep their constraints exactly along RK4, which only adds up derivatives that keep them.
// Torque T = (3/2) p Im(psi_s* i_s) = (3/2) p Im(psi_R* i_s), and J dw_m/dt = p (T - T_L).
DynamicRun::State DynamicRun::Rate(const State& x, double cosine, double sine) const {
    double isRe, isIm;
    SpaceVector(x.data(), isRe, isIm);
    const double irRe = x[3] / kMagnetising - isRe, irIm = x[4] / kMagnetising - isIm;
    const double w = x[5];
    const double dRe = -m_rotorResistance * irRe - w * x[4];
    const double dIm = -m_rotorResistance * irIm + w * x[3];
    const std::array<double, 3> b{dRe, -0.5 * dRe + 0.5 * kSqrt3 * dIm,
                                  -0.5 * dRe - 0.5 * kSqrt3 * dIm};
    std::array<double, 3> drive{};  // e_k - R_s i_k - b_k
    double sum = 0.0;
    int fed = 0;
    for (int k = 0; k < 3; ++k) {
        if (!m_fed[k]) continue;
        drive[k] = m_re[k] * cosine - m_im[k] * sine - kStatorResistance * x[k] - b[k];
        sum += drive[k];
        ++fed;
    }
    const double vn = m_neutral ? 0.0 : sum / fed;
    State rate{};
    for (int k = 0; k < 3; ++k)
        if (m_fed[k]) rate[k] = (drive[k] - vn) / kLeakage;
    rate[3] = dRe;
    rate[4] = dIm;
    const double torque = 1.5 * kPolePairs * (x[3] * isIm - x[4] * isRe);
    rate[5] = kPolePairs * (torque + FanTorque(m_run.load, w * kRpm)) / m_run.inertia;
    return rate;
}

void DynamicRun::Step() {
    if (m_endSample) m_samples.pop_back();
    m_endSample = false;
    // e^{j w t} at t, t + h/2 and t + h, turned on by the half step's rotation; exact again every
    // 1000 steps so that rounding never builds up.
    if (m_steps % 1000 == 0) {
        m_cos = std::cos(m_omega * Time());
        m_sin = std::sin(m_omega * Time());
    }
    const double h = m_h, ch = m_halfCos, sh = m_halfSin;
    const double c0 = m_cos, s0 = m_sin;
    const double c1 = c0 * ch - s0 * sh, s1 = s0 * ch + c0 * sh;
    const double c2 = c1 * ch - s1 * sh, s2 = s1 * ch + c1 * sh;
    m_cos = c2;
    m_sin = s2;
    const auto plus = [](const State& x, const State& k, double f) {
        State y;
        for (size_t n = 0; n < y.size(); ++n) y[n] = x[n] + f * k[n];
        return y;
    };
    const State k1 = Rate(m_x, c0, s0);
    const State k2 = Rate(plus(m_x, k1, h / 2), c1, s1);
    const State k3 = Rate(plus(m_x, k2, h / 2), c1, s1);
    const State k4 = Rate(plus(m_x, k3, h), c2, s2);
    for (size_t n = 0; n < m_x.size(); ++n)
        m_x[n] += h / 6 * (k1[n] + 2 * k2[n] + 2 * k3[n] + k4[n]);
    ++m_steps;
    Record();
}

void DynamicRun::Record() {
    const double torque = Torque();
    m_peakTorque = std::max(m_peakTorque, torque);
    m_minTorque = std::min(m_minTorque, torque);
    for (int k = 0; k < 3; ++k) m_peakCurrent = std::max(m_peakCurrent, std::abs(m_x[k]));
    if (!m_time95 && m_field * Speed() >= 0.95 * m_synchronous) m_time95 = Time();
    if (m_steps % kSampleEvery == 0) m_samples.push_back({Time(), Speed(), torque, Currents()});
}

void DynamicRun::RunTo(double time) {
    time = Finite(time, 0.0, kLongestRun, 0.0);
    const long target = std::lround(time / m_h);
    if (target < m_steps) *this = DynamicRun(m_run, m_h);
    m_samples.reserve(target / kSampleEvery + 2);
    while (m_steps < target) Step();
    m_endSample = m_steps % kSampleEvery != 0;
    if (m_endSample) m_samples.push_back({Time(), Speed(), Torque(), Currents()});
}

double DynamicRun::Speed() const { return m_x[5] * kRpm; }

double DynamicRun::Torque() const {
    double isRe, isIm;
    SpaceVector(m_x.data(), isRe, isIm);
    return 1.5 * kPolePairs * (m_x[3] * isIm - m_x[4] * isRe);
}

std::array<double, 3> DynamicRun::Currents() const { return {m_x[0], m_x[1], m_x[2]}; }
