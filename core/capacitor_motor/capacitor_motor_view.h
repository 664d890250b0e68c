#pragma once
// The single-phase motor's settings beside its step: the machine (its kind, capacitors, the
// auxiliary winding's connection and the switch), the load and the inertia, and the state shown,
// the steady state at `speed` or the start-up `time` seconds from `initialSpeed`.
#include <optional>
#include <string>

#include "capacitor_motor/capacitor_motor_frame.h"

struct CapacitorMotorSettings {
    CapacitorMotorConfig config;
    double load = 0.0;
    double inertia = capmotor::kDefaultInertia;
    std::optional<double> speed;
    double time = 0.0;
    // Where a start-up begins: at rest, unless a window goes on from where a run got to.
    double initialSpeed = 0.0;
    friend bool operator==(const CapacitorMotorSettings&, const CapacitorMotorSettings&) = default;
};

// Torque, its forward and backward parts and the currents against speed, -1500 to 1800 rpm in
// 10 rpm steps, the switch as a start-up leaves it; or, for a start-up (a time after its start and
// no speed held), its speed, torque, switch and currents every millisecond.
std::string CapacitorMotorCsv(const CapacitorMotorSettings& settings);

struct CanvasInputs;
// The frame's inputs for the settings on the canvas.
CapacitorMotorInputs CapacitorMotorInputsOf(const CapacitorMotorSettings& settings,
                                            const CanvasInputs& canvas);
// The settings a session's inputs stand for, as a window shows them.
CapacitorMotorSettings CapacitorMotorSettingsOf(const CapacitorMotorInputs& inputs);
