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

// The view's two pages: the curves and the machine, or the circuit, the phasors and the power.
enum class MotorPage { Field, Circuit };

struct MotorInputs {
    Supply supply;
    double load = 0.0;  // N·m at n_s
    double inertia = motor::kDefaultInertia;
    // The operating point held at this speed; without it, the state `time` seconds into a
    // start-up from `initialSpeed`.
    std::optional<double> speed;
    double time = 0.0;
    double initialSpeed = 0.0;
    int step = 0;      // of the drawing, one electrical period in 36
    MotorDrive drive;  // the V/f drive and the slip-ring rotor's added resistance
    MotorPage page = MotorPage::Field;
    // Where the marked bar is, in mechanical radians; without it, where the step puts it when the
    // rotor turns at n/n_s of the field's rate.
    std::optional<double> rotorAngle;
    // The start-up with its electrical transient (with `time`, not `speed`), switched on at
    // `switchAngle` degrees; `zoom` shows its first 100 ms against time.
    bool dynamic = false;
    double switchAngle = 0.0;
    bool zoom = false;
    int width = kMotorWidth;
    int height = kMotorHeight;
    double scale = 1;  // device pixels per pixel (raster only)
    Palette palette = kStandardPalette;
    const Translation* translation = nullptr;
    Hidden hidden{};  // the field's poles; the torque's and the start-up's curves; readouts
};

// What the rotor is doing, by its speed n, the motor's torque T and the net torque with the load:
// at rest (|n| < 0.5 rpm) stalled when |T| <= 0.05 N·m, else starting; with T against the motion,
// generating when the rotor turns the field's way faster than the field, else braking; otherwise
// running when the net torque is within 0.05 N·m of zero, accelerating when it is with the
// motion, decelerating when against.
enum class MotorState {
    Stalled,
    Starting,
    Generating,
    Braking,
    Running,
    Accelerating,
    Decelerating
};

// The readouts as printed: speed "%.0f" rpm, slip "%.3f" to the forward field, torques "%.2f" N·m,
// currents "%.2f" A RMS, the field's speed "1500", "-1500" or, pulsating, "±1500", and the largest
// current over the rated current "%.2f"; a value that rounds to zero is printed unsigned.
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
    std::string currentRatio;
    bool overloaded = false;  // a current ratio above 1.5
    // Powers "%.0f" W, the efficiency "%.1f" % or "—", the power factor "%.3f".
    std::string input;
    std::string statorCopper;
    std::string rotorCopper;
    std::string mechanical;
    std::string efficiency;
    std::string powerFactor;
    friend bool operator==(const MotorReadouts&, const MotorReadouts&) = default;
};

// With the transient, over the run so far: the largest phase current and the torque's extremes
// "%.1f", and the time to 95 % of the field's speed "%.3f" s, or "—" before it.
struct MotorDynamicReadouts {
    std::string peakCurrent;
    std::string peakTorque;
    std::string minTorque;
    std::string time95;
};

struct MotorResult {
    MotorReadouts readouts;
    std::optional<MotorDynamicReadouts> dynamic;
    // One sentence for a screen reader, in the frame's language.
    std::string description;
    // False when a brush could not be created and the rest of the frame was abandoned.
    bool complete = true;
};

MotorResult DrawMotorFrame(const MotorInputs& inputs, CDC& surface);

// "stalled", "starting", "generating", "braking", "running", "accelerating" or "decelerating".
const char* MotorStateName(MotorState state);
std::string TraceMotorFrame(const MotorInputs& inputs);
