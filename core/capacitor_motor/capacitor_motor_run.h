#pragma once
// A start-up of the single-phase motor: J dω/dt = T(n) - T_L(n), RK4 on a grid of 1 ms from its
// start, the centrifugal switch checked at the end of every step.
#include <vector>

#include "capacitor_motor/capacitor_motor_model.h"

struct CapacitorMotorRunInputs {
    CapacitorMotorConfig config;
    double load = 0.0;  // N·m at n_s
    double inertia = capmotor::kDefaultInertia;
    // The switch starts as a start-up from rest would have left it at this speed.
    double initialSpeed = 0.0;
    friend bool operator==(const CapacitorMotorRunInputs&,
                           const CapacitorMotorRunInputs&) = default;
};

// The state at one time: magnitudes of the currents, RMS.
struct CapacitorMotorSample {
    double time;
    double speed;
    double torque;
    bool switchClosed;
    double main;
    double aux;
    double line;
};

struct SwitchEvent {
    double time;
    double speed;  // at the end of the step that moved it
    bool opened;
};

// Asked for a later time a run carries on from where it got to; asked for an earlier one it
// starts again. Either way the numbers are those of a run made at once.
class CapacitorMotorRun {
  public:
    static constexpr double kStep = 1e-3;  // s

    // Values out of range are brought into range.
    explicit CapacitorMotorRun(const CapacitorMotorRunInputs& run);

    // The state after `time` seconds (0 to 10): the whole milliseconds on the grid, then one
    // shorter step for the rest, the switch checked after it too.
    const CapacitorMotorSample& At(double time);
    // A sample a step from the start to the last time asked for, with the state then last.
    const std::vector<CapacitorMotorSample>& Samples() const { return m_samples; }
    // Each time the switch moved, up to the last time asked for.
    const std::vector<SwitchEvent>& Events() const { return m_events; }
    const CapacitorMotorModel& Model() const { return m_model; }
    const CapacitorMotorRunInputs& Inputs() const { return m_run; }
    // Whether `run`, once brought into range, is this run.
    bool SameRun(const CapacitorMotorRunInputs& run) const;

  private:
    CapacitorMotorSample Sample(double time, double speed, bool closed) const;
    // The state `h` seconds on from `from`, at time `end`, the switch as it was during the step.
    CapacitorMotorSample Advance(const CapacitorMotorSample& from, double h, double end);

    CapacitorMotorRunInputs m_run;
    CapacitorMotorModel m_model;
    long m_steps = 0;  // on the grid so far
    std::vector<CapacitorMotorSample> m_samples;
    std::vector<SwitchEvent> m_events;
    bool m_endSample = false;  // the last sample and event are the state off the grid
    bool m_endEvent = false;
};
