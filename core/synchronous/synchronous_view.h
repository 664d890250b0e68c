#pragma once
// The synchronous machine's settings beside its step: the field current and the power of a steady
// state, or a start-up `time` seconds from `start` with the inertia, the cage, the load and the
// speed at which the field comes on; and which curves the lower middle pane shows.
#include <optional>
#include <string>

#include "synchronous/synchronous_frame.h"

struct SynchronousSettings {
    double fieldCurrent = synchronous::kDefaultFieldCurrent;
    double power = synchronous::kDefaultPower;  // kW
    double inertia = synchronous::kDefaultInertia;
    bool damper = synchronous::kDefaultDamper;
    double load = synchronous::kDefaultLoad;
    double fieldOn = synchronous::kDefaultFieldOn;
    std::optional<double> time;
    // Where a start-up begins: at rest, unless a window goes on from where a run got to.
    SynchronousStart start;
    SynchronousCurves curves = SynchronousCurves::V;
    friend bool operator==(const SynchronousSettings&, const SynchronousSettings&) = default;
};

// Power against the load angle at the field current, then the V-curves (or O-curves) of the
// picture; or, for a start-up, its speed and load angle against time.
std::string SynchronousCsv(const SynchronousSettings& settings);

struct CanvasInputs;
// The frame's inputs for the settings on the canvas.
SynchronousInputs SynchronousInputsOf(const SynchronousSettings& settings,
                                      const CanvasInputs& canvas);
// The settings a session's inputs stand for, as a window shows them.
SynchronousSettings SynchronousSettingsOf(const SynchronousInputs& inputs);
