#pragma once
// One frame of the motor view, computed from its inputs alone: torque against speed with its
// forward and backward parts, the start-up against time, the machine with its turning poles and
// cage rotor, and the readouts. The window, vesk-render, the page, the benchmarks and the tests
// all take this one path.
#include <optional>
#include <string>

#include "draw/surface.h"
#include "motor/motor_model.h"
#include "text/palette.h"
#include "text/translation.h"
#include "views/view.h"

constexpr int kMotorWidth = 1024;
constexpr int kMotorHeight = 768;

struct MotorInputs {
    Supply supply;
    double load = 0.0;  // N·m at n_s
    double inertia = motor::kDefaultInertia;
    // The steady state at this speed; without it, the state `time` seconds into a start-up from
    // `initialSpeed`.
    std::optional<double> speed;
    double time = 0.0;
    double initialSpeed = 0.0;
    int step = 0;  // of the drawing, one electrical period in 36
    // Where the marked bar is, in mechanical radians; without it, where the step puts it when the
    // rotor turns at n/n_s of the field's rate.
    std::optional<double> rotorAngle;
    int width = kMotorWidth;
    int height = kMotorHeight;
    double scale = 1;  // device pixels per pixel (raster only)
    Palette palette = kStandardPalette;
    const Translation* translation = nullptr;
    Hidden hidden{};  // the field's poles; the torque's and the start-up's curves; readouts
};

enum class MotorState { Accelerating, Running, Stalled, Braking };

// The readouts as printed: speed "%.0f" rpm, slip "%.3f", torques "%.2f" N·m, currents "%.2f" A
// RMS; a value that rounds to zero is printed unsigned.
struct MotorReadouts {
    std::string speed;
    std::string slip;
    std::string torque;
    std::string forward;
    std::string backward;
    std::string u;
    std::string v;
    std::string w;
    std::string synchronous;
    MotorState state = MotorState::Stalled;
    friend bool operator==(const MotorReadouts&, const MotorReadouts&) = default;
};

struct MotorResult {
    MotorReadouts readouts;
    // One sentence for a screen reader, in the frame's language.
    std::string description;
    // False when a brush could not be created and the rest of the frame was abandoned.
    bool complete = true;
};

MotorResult DrawMotorFrame(const MotorInputs& inputs, CDC& surface);

// "accelerating", "running", "stalled" or "braking".
const char* MotorStateName(MotorState state);
std::string TraceMotorFrame(const MotorInputs& inputs);
