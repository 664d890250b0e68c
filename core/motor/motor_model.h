#pragma once
// The motor's model: a 2.2 kW, 4-pole, 50 Hz, 400 V star-connected induction motor fed by the
// explorer's supply. Its inverse-Gamma equivalent circuit gives the winding currents for each
// connection, their forward and backward sequence parts, and the torque each part makes; the
// start-up is the mechanical equation over the steady-state torque, integrated by RK4.
// Currents are RMS amperes, torques N·m, speeds rpm (counter-clockwise positive).
#include <array>
#include <optional>
#include <vector>

#include "explorer/explorer_model.h"

namespace motor {
constexpr double kStatorResistance = 3.7;             // R_s, ohm
constexpr double kLeakage = 0.021;                    // L_sigma, H
constexpr double kMagnetising = 0.224;                // L_M, H
constexpr double kRotorResistance = 2.1;              // R_R, ohm
constexpr double kPolePairs = 2.0;                    // p
constexpr double kFrequency = 50.0;                   // Hz
constexpr double kSynchronousSpeed = 1500.0;          // n_s = 60 f / p, rpm
constexpr double kPhaseVoltage = 230.94010767585030;  // 400/sqrt(3) V RMS, amplitude 1

constexpr double kDefaultInertia = 0.2;  // kg·m²
constexpr double kMinInertia = 0.015;
constexpr double kMaxInertia = 10.0;
constexpr double kMaxLoad = 40.0;  // N·m at synchronous speed
constexpr double kMaxSpeed = 3000.0;
constexpr double kMaxTime = 10.0;       // s, of a start-up asked for by time
constexpr double kLongestRun = 3600.0;  // s, of a start-up left to run until it settles
constexpr double kPushSpeed = 150.0;
constexpr double kRatedCurrent = 4.70;  // A RMS, at 1440 rpm on the balanced supply
constexpr double kNoTorque = 0.05;      // N·m: a torque or a net torque this small is none
constexpr double kMinFrequency = 5.0;   // Hz, of a V/f drive
constexpr double kMaxFrequency = 100.0;
constexpr double kMaxBoost = 40.0;            // V per phase, at standstill's end of the V/f line
constexpr double kMaxAddedResistance = 20.0;  // ohm referred to the stator, a slip-ring starter
}  // namespace motor

// How the motor is fed and started besides its supply: a V/f drive's frequency and low-speed
// boost, and a slip-ring rotor's added resistance. The defaults are the mains and a cage rotor.
struct MotorDrive {
    double frequency = motor::kFrequency;  // Hz
    double boost = 0.0;                    // V per phase
    double rotorResistance = 0.0;          // ohm, added to R_R
    friend bool operator==(const MotorDrive&, const MotorDrive&) = default;
};
// Brought into range; not a number: the default.
MotorDrive ClampDrive(const MotorDrive& drive);

// The steady state at one speed.
struct MotorPoint {
    double speed = 0.0;  // rpm
    double slip = 1.0;
    std::array<Phasor, 3> current{};  // the winding currents, RMS phasors
    Phasor positive;                  // I+ and I-, the sequence parts of the currents
    Phasor negative;
    double forward = 0.0;   // T+, N·m
    double backward = 0.0;  // T-, N·m (never positive)
    double Torque() const { return forward + backward; }
};

// (n_s - n) / n_s, the slip of the positive-sequence part.
double MotorSlip(double speed);
// The fan's torque against the motion: load * (n/n_s)², with the sign of -n.
double FanTorque(double load, double speed);

class MotorModel {
  public:
    // The supply is brought into range first. Its neutral joins the star point to the supply's
    // whether or not a phase is open.
    explicit MotorModel(const Supply& supply, const MotorDrive& drive = {});

    MotorPoint At(double speed) const;
    double Torque(double speed) const { return At(speed).Torque(); }

    // The largest torque between -n_s and n_s and its speed; of two equal ones, the forward.
    struct Breakdown {
        double speed;
        double torque;
    };
    Breakdown MaximumTorque() const;

    const Supply& CurrentSupply() const { return m_supply; }
    const MotorDrive& Drive() const { return m_drive; }
    double Omega() const { return m_omega; }                      // rad/s, electrical
    double SynchronousSpeed() const { return m_synchronous; }     // rpm, 60 f / p
    double RotorResistance() const { return m_rotorResistance; }  // R_R with the added, ohm
    // The supply's phase voltages E_U, E_V, E_W in volts RMS, after the drive's V/f.
    const std::array<Phasor, 3>& Voltages() const { return m_voltage; }
    // V = V_rated f/50 + B (1 - f/50) below 50 Hz, V_rated above: the drive's phase voltage.
    double PhaseVoltage() const;
    double Slip(double speed) const { return (m_synchronous - speed) / m_synchronous; }

    // The way the air-gap field turns: +1 (counter-clockwise) when the positive-sequence part of
    // the voltage across the windings is the larger, -1 when the negative is, 0 when the two are
    // equal and the field pulsates.
    int FieldDirection() const { return m_direction; }
    // n_f: +-n_s as the field turns; +n_s, the forward half, for a pulsating field.
    double FieldSpeed() const { return m_direction < 0 ? -m_synchronous : m_synchronous; }

  private:
    Supply m_supply;
    MotorDrive m_drive;
    double m_omega;
    double m_synchronous;
    double m_rotorResistance;
    std::array<Phasor, 3> m_voltage;  // E_U, E_V, E_W in volts RMS
    int m_direction = 1;
};

// A start-up: speed against time from an initial speed, under a fan load.
struct MotorRunInputs {
    Supply supply;
    double load = 0.0;  // N·m at n_s
    double inertia = motor::kDefaultInertia;
    double initialSpeed = 0.0;
    double time = 0.0;  // s
};

struct MotorSample {
    double time;
    double speed;
    std::array<double, 3> current;  // |I_U|, |I_V|, |I_W|
};

// A start-up under way, integrated by RK4 on a grid of 1 ms from its start, and sampled every
// 10 ms. Asked for a later time it carries on from where it got to, so a window that shows a run
// as it goes costs one step a millisecond, and gets the same numbers as a run made at once; asked
// for an earlier time it starts again.
class MotorRun {
  public:
    static constexpr double kStep = 1e-3;    // s
    static constexpr int kSampleEvery = 10;  // steps

    // Values out of range are brought into range; the time is ignored.
    MotorRun(const MotorModel& model, const MotorRunInputs& run);

    // The speed after `time` seconds (0 to kLongestRun): the whole milliseconds on the grid, then
    // one shorter step for the rest.
    double SpeedAt(double time);
    // The first sample by which the run had settled, its net torque no more than kNoTorque, if
    // the run has got that far.
    std::optional<double> SettledAt() const { return m_settled; }
    // From the start to the last time asked for, with the state at that time last.
    const std::vector<MotorSample>& Samples() const { return m_samples; }
    bool SameRun(const Supply& supply, const MotorRunInputs& run,
                 const MotorDrive& drive = {}) const;

  private:
    double Rate(double speed) const;
    double Advance(double speed, double h) const;
    MotorSample Sample(double time, double speed) const;
    bool Settled(double speed) const;

    MotorModel m_model;
    MotorRunInputs m_run;
    long m_steps = 0;  // on the grid so far
    double m_speed;    // after m_steps
    std::vector<MotorSample> m_samples;
    bool m_endSample = false;  // the last sample is the state at the time asked for, off the grid
    std::optional<double> m_settled;
};

// The speed after `run.time` seconds from `run.initialSpeed`; `samples` gets the run's samples.
double RunMotor(const MotorModel& model, const MotorRunInputs& run,
                std::vector<MotorSample>* samples = nullptr);
