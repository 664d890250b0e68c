#pragma once
// One frame of the synchronous machine's view, computed from its inputs alone: the cross-section
// with the field's poles and the rotor's, the phasor diagram, power against the load angle, the
// V-curves (or O-curves), the start-up against time and the readouts. The window, vesk-render,
// the page, the benchmarks and the tests all take this one path.
#include <optional>
#include <string>

#include "draw/surface.h"
#include "synchronous/synchronous_model.h"
#include "text/palette.h"
#include "text/translation.h"
#include "views/view.h"

constexpr int kSynchronousWidth = 1024;
constexpr int kSynchronousHeight = 768;

// The curves pane: the armature current against the field current, or the power factor.
enum class SynchronousCurves { V, O };

struct SynchronousInputs {
    double fieldCurrent = synchronous::kDefaultFieldCurrent;  // A
    double power = synchronous::kDefaultPower;                // kW, the steady state's
    double inertia = synchronous::kDefaultInertia;            // kg·m²
    bool damper = synchronous::kDefaultDamper;
    double load = synchronous::kDefaultLoad;        // N·m at n_s
    double fieldOn = synchronous::kDefaultFieldOn;  // rpm
    // Without it, the steady state at `power`; with it, the state `time` seconds into a start-up
    // from `start`, the load setting the power.
    std::optional<double> time;
    SynchronousStart start;
    int step = 0;  // of the drawing: the field's angle, one electrical period in 36
    SynchronousCurves curves = SynchronousCurves::V;
    int width = kSynchronousWidth;
    int height = kSynchronousHeight;
    double scale = 1;  // device pixels per pixel (raster only)
    Palette palette = kStandardPalette;
    const Translation* translation = nullptr;
    Hidden hidden{};  // I with its drop and angle; the power, V- and start-up curves; readouts
};

enum class SynchronousState {
    Motoring,
    Generating,
    Floating,
    OutOfStep,
    NotStarting,
    Starting,
    PullingIn
};

// The readouts as printed: angles "%.1f" degrees, the EMF "%.1f" V, the current "%.2f" A, the
// power factor "%.3f", powers "%.2f" kW and kvar, the speed "%.0f" rpm (a start-up's only); a
// value that rounds to zero is printed unsigned. Out of step, what has no value is "-".
struct SynchronousReadouts {
    std::string speed;  // empty without a start-up
    std::string loadAngle;
    std::string emf;
    std::string current;
    std::string powerFactor;
    std::string kind;  // "lagging", "leading", "unity" or "-"
    std::string p;
    std::string q;
    std::string pullOut;
    SynchronousState state = SynchronousState::Floating;
    friend bool operator==(const SynchronousReadouts&, const SynchronousReadouts&) = default;
};

struct SynchronousResult {
    SynchronousReadouts readouts;
    // One sentence for a screen reader, in the frame's language.
    std::string description;
    // False when a brush could not be created and the rest of the frame was abandoned.
    bool complete = true;
};

SynchronousResult DrawSynchronousFrame(const SynchronousInputs& inputs, CDC& surface);

// A point of a V-curve (the current, A) or an O-curve (the power factor) at a field current for a
// power in W; none out of step.
std::optional<double> SynchronousCurveValue(SynchronousCurves curves, double power, double field);

// "motoring", "generating", "floating", "out-of-step", "not-starting", "starting", "pulling-in".
const char* SynchronousStateName(SynchronousState state);
// The readouts as the trace's first lines: (speed,) load-angle, emf, current, power-factor,
// pf-kind, p, q, pull-out, state.
std::string SynchronousReadoutLines(const SynchronousReadouts& readouts);
std::string TraceSynchronousFrame(const SynchronousInputs& inputs);

// E's tip in the phasor diagram of a steady state, in pixels of the canvas: what a pointer grabs
// to drag it. None when there is nothing to drag: out of step, no field, or a start-up.
struct SynchronousPixel {
    int x;
    int y;
};
std::optional<SynchronousPixel> SynchronousEmfTip(const SynchronousInputs& inputs);
// The field current and power (kW) that put E's tip at a pixel of the canvas, within their
// ranges and on the stable side of the curve: where a drag of the tip leaves the machine.
struct SynchronousSetting {
    double fieldCurrent;
    double power;
};
SynchronousSetting SynchronousDragTo(const SynchronousInputs& inputs, double x, double y);
