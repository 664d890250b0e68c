#pragma once
// The single-phase motor's model: a 230 V, 50 Hz, 4-pole induction motor with a main and an
// auxiliary winding in space quadrature, the auxiliary one alone, behind a capacitor or cut out by
// a centrifugal switch. The forward and backward components of the field give the currents and
// the torque; the start-up is the mechanical equation over that torque, integrated by RK4.
// Currents are RMS amperes, torques N·m, speeds rpm (counter-clockwise positive), capacitors µF.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "explorer/explorer_model.h"

namespace capmotor {
constexpr double kVoltage = 230.0;  // V RMS, the reference phasor
constexpr double kFrequency = 50.0;
constexpr double kPolePairs = 2.0;
constexpr double kSynchronousSpeed = 1500.0;  // rpm
constexpr double kMainResistance = 2.4;       // R_1m, ohm
constexpr double kMainReactance = 3.1;        // X_1m
constexpr double kAuxResistance = 7.2;        // R_1a
constexpr double kAuxReactance = 3.7;         // X_1a
constexpr double kTurnsRatio = 1.3;           // a = N_a / N_m
constexpr double kRotorResistance = 3.6;      // R_2, referred to the main winding
constexpr double kRotorReactance = 2.4;       // X_2
constexpr double kMagnetisingReactance = 72.0;

constexpr double kDefaultStartCapacitor = 150.0;  // C_s, µF
constexpr double kDefaultRunCapacitor = 25.0;     // C_r, µF
constexpr double kMinCapacitor = 1.0;
constexpr double kMaxCapacitor = 1000.0;
constexpr double kDefaultInertia = 0.01;  // kg·m²
constexpr double kMinInertia = 0.002;
constexpr double kMaxInertia = 1.0;
constexpr double kMaxLoad = 10.0;  // N·m at n_s
constexpr double kMaxSpeed = 3000.0;
constexpr double kMaxTime = 10.0;  // s

// The centrifugal switch opens as |n| rises through 0.75 n_s and closes as it falls below 0.6 n_s.
constexpr double kSwitchOpens = 1125.0;
constexpr double kSwitchCloses = 900.0;
}  // namespace capmotor

enum class CapacitorMotorKind {
    SplitPhase,
    CapacitorStart,
    PermanentCapacitor,
    TwoValue,
    MainOnly
};
inline constexpr std::array kCapacitorMotorKinds{
    CapacitorMotorKind::SplitPhase, CapacitorMotorKind::CapacitorStart,
    CapacitorMotorKind::PermanentCapacitor, CapacitorMotorKind::TwoValue,
    CapacitorMotorKind::MainOnly};
constexpr CapacitorMotorKind kDefaultCapacitorMotorKind = CapacitorMotorKind::CapacitorStart;

// The kind's name on the command line: split-phase, capacitor-start, ...
std::string_view CapacitorMotorKindName(CapacitorMotorKind kind);
std::optional<CapacitorMotorKind> FindCapacitorMotorKind(std::string_view name);
// The kind's name for people, in Chinese, marked for translation in the "CapacitorMotor" context.
const char* CapacitorMotorKindText(CapacitorMotorKind kind);

bool HasAuxiliaryWinding(CapacitorMotorKind kind);
bool HasCentrifugalSwitch(CapacitorMotorKind kind);
bool HasStartCapacitor(CapacitorMotorKind kind);
bool HasRunCapacitor(CapacitorMotorKind kind);

// The switch as a start-up moves it, or forced one way.
enum class SwitchSetting { Automatic, Closed, Open };
// "closed" or "open"; "automatic" is no option.
std::optional<SwitchSetting> FindSwitchSetting(std::string_view name);

// What a user chooses of the machine: nothing given is the kind's own.
struct CapacitorMotorConfig {
    CapacitorMotorKind kind = kDefaultCapacitorMotorKind;
    std::optional<double> startCapacitor;  // µF
    std::optional<double> runCapacitor;    // µF
    bool reverseAux = false;
    SwitchSetting switchSetting = SwitchSetting::Automatic;
    friend bool operator==(const CapacitorMotorConfig&, const CapacitorMotorConfig&) = default;
};

// Why a combination cannot be drawn, in one line naming the option; empty when it can. Values
// out of range are the option parser's: here only the kind and what it has.
std::string CapacitorMotorInvalid(const CapacitorMotorConfig& config);

// The steady state at one speed with the switch one way.
struct CapacitorMotorPoint {
    double speed = 0.0;  // rpm
    double slip = 1.0;
    bool auxConnected = false;  // whether the auxiliary winding carries current
    bool switchClosed = false;  // as it was; false for a kind without a switch
    Phasor main;                // I_m
    Phasor aux;                 // I_a, in the winding, in its own turns
    Phasor line;                // what the supply delivers
    Phasor forward;             // I_f and I_b, referred to the main winding
    Phasor backward;
    double torqueForward = 0.0;   // T_f, N·m
    double torqueBackward = 0.0;  // T_b, N·m: against the forward part above -n_s
    double Torque() const { return torqueForward + torqueBackward; }
};

// (n_s - n) / n_s.
double CapacitorMotorSlip(double speed);
// The fan's torque on the shaft: load * (n/n_s)², against the motion.
double CapacitorMotorFan(double load, double speed);

class CapacitorMotorModel {
  public:
    // Capacitors out of range, or given to a kind without them, are brought into range or left
    // out; a reversed auxiliary winding on a machine without one is ignored.
    explicit CapacitorMotorModel(const CapacitorMotorConfig& config);

    // The switch closed or open; a kind without a switch ignores it.
    CapacitorMotorPoint At(double speed, bool switchClosed) const;
    // The switch as a start-up from rest leaves it at this speed, or as forced.
    bool SteadySwitch(double speed) const;
    CapacitorMotorPoint Steady(double speed) const { return At(speed, SteadySwitch(speed)); }
    // The switch after a step that ended at `speed`, closed before or not.
    bool NextSwitch(bool closed, double speed) const;

    const CapacitorMotorConfig& Config() const { return m_config; }
    double StartCapacitor() const;  // µF, whether the kind has one or not
    double RunCapacitor() const;

  private:
    CapacitorMotorConfig m_config;
    Phasor m_auxClosed;  // Z_1a' with the switch closed and open, capacitors included
    Phasor m_auxOpen;
    bool m_auxWhenClosed = false;
    bool m_auxWhenOpen = false;
};
