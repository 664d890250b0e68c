#pragma once
// The motor's settings beside its step: the supply, the load and the inertia, and the state
// shown, the steady state at `speed` or the start-up `time` seconds from `initialSpeed`.
#include <optional>
#include <string>

#include "motor/motor_frame.h"

struct MotorSettings {
    Supply supply;
    double load = 0.0;
    double inertia = motor::kDefaultInertia;
    std::optional<double> speed;
    double time = 0.0;
    double initialSpeed = 0.0;
    // Where the marked bar is, in mechanical radians, as a window turns it; none: where the step
    // puts it.
    std::optional<double> rotorAngle;
    // The start-up with its electrical transient, switched on at `switchAngle` degrees; `zoom`
    // shows its first 100 ms.
    bool dynamic = false;
    double switchAngle = 0.0;
    bool zoom = false;
    MotorDrive drive;
    MotorPage page = MotorPage::Field;
    friend bool operator==(const MotorSettings&, const MotorSettings&) = default;
};

// Torque, T+, T- and the currents against speed, -1500 to 1800 rpm in 10 rpm steps; or, for a
// start-up (a time after its start and no speed held), its speed, torque and RMS currents against
// time; or, for a dynamic start, its instantaneous currents every 100 us.
std::string MotorCsv(const MotorSettings& settings);

struct CanvasInputs;
struct MotorInputs;
// The frame's inputs for the settings on the canvas.
MotorInputs MotorInputsOf(const MotorSettings& settings, const CanvasInputs& canvas);
