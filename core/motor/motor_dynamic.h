#pragma once
// The motor's start-up as it happens: the inverse-Gamma machine's electrical transient with the
// mechanics, switched on at t = 0 with every flux and current zero, integrated by RK4. The
// quasi-static start-up (MotorRun) takes the steady-state torque at each speed; this one shows the
// inrush, the torque's swings and the hum that the steady state averages away.
#include <array>
#include <optional>
#include <vector>

#include "motor/motor_model.h"
#include "supply/supply.h"

// The supply and the run: the supply and the drive as MotorModel takes them, the switching angle
// in degrees.
struct DynamicRunInputs {
    Supply supply;
    double load = 0.0;          // N·m at n_s
    double inertia = 0.2;       // kg·m²
    double initialSpeed = 0.0;  // rpm
    double switchAngle = 0.0;   // alpha, degrees: 0 puts U's voltage at its positive peak at t = 0
    MotorDrive drive;           // the frequency and voltage fed, and the rotor's added resistance
    friend bool operator==(const DynamicRunInputs&, const DynamicRunInputs&) = default;
};

// The state at one instant, as drawn.
struct DynamicSample {
    double time;                    // s
    double speed;                   // rpm
    double torque;                  // N·m
    std::array<double, 3> current;  // i_U, i_V, i_W, instantaneous A
};

class DynamicRun {
  public:
    static constexpr double kStep = 20e-6;  // s
    static constexpr int kSampleEvery = 5;  // steps: a sample every 100 us

    // Values out of range are brought into range.
    explicit DynamicRun(const DynamicRunInputs& run, double step = kStep);

    // One step of RK4.
    void Step();
    // On to the grid point nearest `time` (0 to the longest run); an earlier time starts again.
    void RunTo(double time);

    double Time() const { return m_steps * m_h; }
    double Speed() const;   // rpm
    double Torque() const;  // N·m
    std::array<double, 3> Currents() const;

    // Over the run so far: the largest phase current's magnitude, the torque's extremes, and when
    // the speed first reached 95 % of the field's.
    double PeakCurrent() const { return m_peakCurrent; }
    double PeakTorque() const { return m_peakTorque; }
    double MinTorque() const { return m_minTorque; }
    std::optional<double> TimeTo95() const { return m_time95; }

    // From the start to the present, with the present last.
    const std::vector<DynamicSample>& Samples() const { return m_samples; }
    const DynamicRunInputs& Inputs() const { return m_run; }

  private:
    using State = std::array<double, 6>;  // i_U, i_V, i_W, psi_R (re, im), omega_m
    State Rate(const State& x, double cosine, double sine) const;
    void Record();

    DynamicRunInputs m_run;
    double m_h;
    // Each phase's e_x(t) = re_x cos(wt) - im_x sin(wt), the real part of E_x e^{j w t}.
    std::array<double, 3> m_re{}, m_im{};
    std::array<bool, 3> m_fed{};
    bool m_neutral = true;
    double m_omega = 0.0;                     // rad/s of the supply
    double m_rotorResistance = 0.0;           // R_R with what the drive adds
    double m_synchronous = 0.0;               // rpm
    double m_field = 1.0;                     // +1 or -1: the way the field turns, for time-95
    double m_halfCos = 1.0, m_halfSin = 0.0;  // e^{j w h/2}
    double m_cos = 1.0, m_sin = 0.0;          // e^{j w t} at the present step
    State m_x{};
    long m_steps = 0;
    double m_peakCurrent = 0.0, m_peakTorque = 0.0, m_minTorque = 0.0;
    std::optional<double> m_time95;
    std::vector<DynamicSample> m_samples;
    bool m_endSample = false;
};
