#pragma once
// The single-phase motor as a class runs it, shared by the window and the page: the machine's
// kind, capacitors and connection, a load and an inertia; a start-up from rest whose clock a host
// moves on in real time (or ten times slower); and the turning field's steps at the explorer's
// pace. Hosts only run the timers and show what this says.
#include <optional>

#include "capacitor_motor/capacitor_motor_frame.h"
#include "capacitor_motor/capacitor_motor_run.h"
#include "explorer/explorer_stepper.h"

class CapacitorMotorSession {
  public:
    static constexpr double kSlowDown = 10.0;

    CapacitorMotorSession();

    const CapacitorMotorConfig& Config() const { return m_config; }
    double Load() const { return m_load; }
    double Inertia() const { return m_inertia; }
    const ExplorerStepper& Stepper() const { return m_stepper; }
    ExplorerStepper& Stepper() { return m_stepper; }
    double Time() const { return m_time; }
    // The rotor's speed now, in rpm.
    double Speed();

    // Each change goes on from the present speed, as a new start-up. What a kind does not have
    // (a capacitor, a reversed winding, a forced switch) is left out.
    void SetConfig(const CapacitorMotorConfig& config);
    void SetLoad(double load);
    void SetInertia(double inertia);
    // From rest; starts the clock and the field.
    void Start();
    // The steady state at `speed`, or `time` seconds into a start-up from `initial`, at the
    // field's `step`: what vesk-render draws for the same values.
    void Show(std::optional<double> speed, double time, double initial, int step);
    // `seconds` of real time on the start-up's clock, a tenth of that when `slow`.
    void Advance(double seconds, bool slow);
    // The field's next step while it plays.
    void Tick() { m_stepper.Tick(); }

    // The frame's inputs but for the canvas, the palette and the language.
    CapacitorMotorInputs Inputs() const;

  private:
    void Restart(double speed);

    CapacitorMotorConfig m_config;
    double m_load = 0.0;
    double m_inertia = capmotor::kDefaultInertia;
    std::optional<double> m_speed;  // a steady state shown, until the next start-up
    double m_initial = 0.0;
    double m_time = 0.0;
    std::optional<CapacitorMotorRun> m_run;
    ExplorerStepper m_stepper;
};
