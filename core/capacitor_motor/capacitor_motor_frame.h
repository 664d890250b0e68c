#pragma once
// One frame of the single-phase motor, computed from its inputs alone: the two windings with their
// currents and the elliptical field, the phasor diagram, torque against speed with the switch
// closed and open, the start-up against time, and the readouts. The window, vesk-render, the
// page, the benchmarks and the tests all take this one path.
#include <optional>
#include <string>

#include "capacitor_motor/capacitor_motor_model.h"
#include "draw/surface.h"
#include "text/palette.h"
#include "text/translation.h"
#include "views/view.h"

constexpr int kCapacitorMotorWidth = 1024;
constexpr int kCapacitorMotorHeight = 768;

// The view's name in the menu and on the page.
constexpr const char* kCapacitorMotorTitle = QT_TRANSLATE_NOOP("CapacitorMotor", "单相电动机");

struct CapacitorMotorInputs {
    CapacitorMotorKind kind = kDefaultCapacitorMotorKind;
    std::optional<double> startCapacitor;  // µF; none: the kind's own
    std::optional<double> runCapacitor;
    bool reverseAux = false;
    SwitchSetting switchSetting = SwitchSetting::Automatic;
    double load = 0.0;  // N·m at n_s
    double inertia = capmotor::kDefaultInertia;
    // The steady state at this speed; without it, the state `time` seconds into a start-up from
    // `initialSpeed`.
    std::optional<double> speed;
    double time = 0.0;
    double initialSpeed = 0.0;
    int step = 0;  // of the turning field, one electrical period in 36
    int width = kCapacitorMotorWidth;
    int height = kCapacitorMotorHeight;
    double scale = 1;  // device pixels per pixel (raster only)
    Palette palette = kStandardPalette;
    const Translation* translation = nullptr;
    Hidden hidden{};  // the field's locus, F+ and F-; the torque and start-up curves; readouts

    CapacitorMotorConfig Config() const {
        return {kind, startCapacitor, runCapacitor, reverseAux, switchSetting};
    }
};

enum class SwitchState { Closed, Open, None };

// The readouts as printed: speed "%.0f" rpm, slip "%.3f", torques "%.2f" N·m, currents "%.2f" A
// RMS, aux-angle "%.1f" degrees (I_a ahead of I_m; "none" while the auxiliary winding carries no
// current), backward-ratio |I_b|/|I_f| "%.3f"; a value that rounds to zero is printed unsigned.
struct CapacitorMotorReadouts {
    std::string speed;
    std::string slip;
    std::string torque;
    std::string forward;
    std::string backward;
    std::string main;
    std::string aux;
    std::string line;
    std::string auxAngle;
    std::string backwardRatio;
    SwitchState switchState = SwitchState::None;
    friend bool operator==(const CapacitorMotorReadouts&, const CapacitorMotorReadouts&) = default;
};

struct CapacitorMotorResult {
    CapacitorMotorReadouts readouts;
    // One sentence for a screen reader, in the frame's language.
    std::string description;
    // False when a brush could not be created and the rest of the frame was abandoned.
    bool complete = true;
};

CapacitorMotorResult DrawCapacitorMotorFrame(const CapacitorMotorInputs& inputs, CDC& surface);

// "closed", "open" or "none".
const char* SwitchStateName(SwitchState state);
// The readouts as the trace's first lines: speed, slip, torque, torque-forward, torque-backward,
// current-main, current-aux, current-line, aux-angle, backward-ratio, switch.
std::string CapacitorMotorReadoutLines(const CapacitorMotorReadouts& readouts);
std::string TraceCapacitorMotorFrame(const CapacitorMotorInputs& inputs);
