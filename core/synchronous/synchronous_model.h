#pragma once
// The synchronous machine's model: a cylindrical-rotor machine on a 400 V, 50 Hz bus, star,
// 4-pole, with a synchronous reactance of 12 ohm and no armature resistance. In the steady state
// the shaft power sets the load angle through P = 3VE sin(delta) / X_s; in motion the swing
// equation, with the field's torque, a damper cage's (Kloss) and a fan's, is integrated by RK4.
// Motor convention throughout: P > 0 draws power from the bus, delta > 0 when the rotor's poles
// lag the field. Voltages and currents are RMS phase values, powers W, torques N·m, speeds rpm.
#include <optional>
#include <string_view>
#include <vector>

#include "explorer/explorer_model.h"

namespace synchronous {
constexpr double kPhaseVoltage = 230.94010767585030;   // V = 400/sqrt(3) V, at angle zero
constexpr double kFrequency = 50.0;                    // Hz
constexpr double kPolePairs = 2.0;                     // p
constexpr double kSynchronousSpeed = 1500.0;           // n_s, rpm
constexpr double kReactance = 12.0;                    // X_s, ohm
constexpr double kEmfPerAmpere = kPhaseVoltage / 2.0;  // E = V I_f / 2 A
constexpr double kDamperTorque = 30.0;                 // T_k of the cage, N·m
constexpr double kDamperSlip = 0.3;                    // s_k

// The inputs' ranges and defaults, as a user gives them.
constexpr double kMinFieldCurrent = 0.0;  // A
constexpr double kMaxFieldCurrent = 5.0;
constexpr double kDefaultFieldCurrent = 2.0;
constexpr double kMaxPower = 15.0;  // kW either way; negative generates
constexpr double kDefaultPower = 5.0;
constexpr double kMinInertia = 0.05;  // kg·m²
constexpr double kMaxInertia = 5.0;
constexpr double kDefaultInertia = 0.3;
constexpr double kMaxLoad = 80.0;  // N·m at n_s
constexpr double kDefaultLoad = 0.0;
constexpr double kMaxTime = 10.0;        // s
constexpr double kMaxFieldOn = 1500.0;   // rpm
constexpr double kDefaultFieldOn = 0.0;  // the field on from the start
constexpr bool kDefaultDamper = true;

// The shaft powers of the V-curves, kW.
constexpr double kCurvePowers[] = {0.0, 2.5, 5.0, 7.5, 10.0};

// Within 0.5 rpm of n_s for the last 0.5 s, with the field on: locked into step.
constexpr double kLockBand = 0.5;   // rpm
constexpr double kLockTime = 0.5;   // s
constexpr double kFloating = 50.0;  // W: a smaller |P| is neither motoring nor generating
}  // namespace synchronous

// Which options a command line gave, for the rules that join them.
struct SynchronousOptionsGiven {
    bool power = false;
    bool fieldOn = false;
    bool time = false;
};
// The one line that says why these options cannot go together; empty when they can.
std::string_view SynchronousConflict(const SynchronousOptionsGiven& given);

enum class PowerFactorKind { Lagging, Leading, Unity };

// The machine at one load angle, or the steady state at one power.
struct SynchronousPoint {
    double fieldCurrent = 0.0;  // A, as the EMF sees it: zero while the field is off
    double emf = 0.0;           // E, V
    double delta = 0.0;         // rad, electrical
    Phasor current;             // I = (V - E) / jX_s, A
    double power = 0.0;         // P = Re S, W
    double reactive = 0.0;      // Q = Im S, var; positive lagging
    double pullOut = 0.0;       // 3VE / X_s, W
    // False when the power asked for is beyond the pull-out power: no steady state, and every
    // value but the EMF, the pull-out and the power asked for means nothing.
    bool inStep = true;

    double PowerFactor() const;  // |P| / |S|; 1 when nothing flows
    PowerFactorKind Kind() const;
    Phasor Emf() const { return std::polar(emf, -delta); }
};

double SynchronousEmf(double fieldCurrent);
double PullOutPower(double fieldCurrent);
// The machine with its poles `delta` behind the field.
SynchronousPoint SynchronousAt(double fieldCurrent, double delta);
// The steady state at the shaft power `power` (W), on the stable side of the curve.
SynchronousPoint SynchronousSteady(double fieldCurrent, double power);
// The armature current of the steady state at `power` and `fieldCurrent`; none below the field
// current that pulls out at that power.
std::optional<double> VCurveCurrent(double power, double fieldCurrent);
// The field current at which `power` is drawn at unity power factor: the V-curve's minimum.
double UnityFieldCurrent(double power);
// The field current below which `power` pulls out.
double PullOutFieldCurrent(double power);

// The torques of the swing equation, N·m: the field's, the cage's at a speed, and the fan's
// against the motion, L (n/n_s)|n/n_s|.
double SynchronizingTorque(double fieldCurrent, double delta);
double DamperTorque(double speed);
double LoadTorque(double load, double speed);

// Where a start-up begins: at rest with the poles on the field's axis, unless a host goes on
// from the state a run got to.
struct SynchronousStart {
    double speed = 0.0;    // rpm
    double delta = 0.0;    // rad
    bool fieldOn = false;  // the field already on, whatever the speed
    friend bool operator==(const SynchronousStart&, const SynchronousStart&) = default;
};

struct SynchronousRunInputs {
    double fieldCurrent = synchronous::kDefaultFieldCurrent;
    double inertia = synchronous::kDefaultInertia;
    bool damper = synchronous::kDefaultDamper;
    double load = synchronous::kDefaultLoad;
    double fieldOn = synchronous::kDefaultFieldOn;  // rpm at which the field is switched on
    SynchronousStart start;
    friend bool operator==(const SynchronousRunInputs&, const SynchronousRunInputs&) = default;
};

struct SynchronousSample {
    double time;   // s
    double speed;  // rpm
    double delta;  // rad, in (-pi, pi]
};

// The state of a run at one time.
struct SynchronousMotion {
    double time = 0.0;
    double speed = 0.0;
    double delta = 0.0;  // rad, in (-pi, pi]
    bool fieldOn = false;
    bool locked = false;
};

// A start-up under way: the swing equation integrated by RK4 on a grid of 0.2 ms from its start,
// sampled every millisecond. Asked for a later time it carries on from where it got to; asked for
// an earlier one it starts again.
class SynchronousRun {
  public:
    static constexpr double kStep = 2e-4;   // s
    static constexpr int kSampleEvery = 5;  // steps

    // Values out of range are brought into range.
    explicit SynchronousRun(const SynchronousRunInputs& run);

    // The state after `time` seconds (0 to 10): the whole steps on the grid, then one shorter
    // step for the rest.
    SynchronousMotion At(double time);
    // From the start to the last time asked for, with the state at that time last.
    const std::vector<SynchronousSample>& Samples() const { return m_samples; }
    // When the field came on, if it has.
    std::optional<double> FieldOnTime() const { return m_fieldOnTime; }
    const SynchronousRunInputs& Inputs() const { return m_run; }

  private:
    struct State {
        double speed;
        double delta;  // unwrapped
    };
    State Rate(const State& s) const;
    State Advance(const State& s, double h) const;
    void Restart();

    SynchronousRunInputs m_run;
    double m_torque;  // the synchronizing torque's peak, N·m
    long m_steps = 0;
    State m_state{};
    bool m_fieldOn = false;
    std::optional<double> m_fieldOnTime;
    double m_unlocked = 0.0;  // the last time on the grid that was not in step
    std::vector<SynchronousSample> m_samples;
    bool m_endSample = false;
};
