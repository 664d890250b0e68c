#pragma once
// One frame of the explorer, computed from its inputs alone: the stator with its MMF vectors,
// the resultant's locus and its two rotating components; the winding currents over one period;
// the air-gap MMF wave; and the readouts. The window, vesk-render, the page, the benchmarks and
// the tests all take this one path.
#include <string>

#include "draw/surface.h"
#include "explorer/explorer_model.h"
#include "text/palette.h"
#include "text/translation.h"
#include "views/view.h"

// The size the picture is designed at; it scales with the canvas, lines and text included.
constexpr int kExplorerWidth = 1024;
constexpr int kExplorerHeight = 768;

struct ExplorerInputs {
    Supply supply;
    int step = 0;  // taken round one period: 36 is 0 again
    int width = kExplorerWidth;
    int height = kExplorerHeight;
    double scale = 1;  // device pixels per pixel, for HiDPI screens and slides (raster only)
    Palette palette = kStandardPalette;
    const Translation* translation = nullptr;
    // F+ and F- also drawn from the centre, each on its own circle, for a lecturer to show the
    // two counter-rotating fields apart.
    bool componentsApart = false;
    Hidden hidden{};  // the resultant and F+, F-; the currents' and the air gap's curves; readouts
};

// The readouts as printed: "%.2f", with a value that rounds to zero printed as 0.00.
struct ExplorerReadouts {
    std::string angle;  // "3*π/18=30°"
    std::string u;
    std::string v;
    std::string w;
    std::string resultant;  // |F|, in units of one phase's peak
    std::string positive;   // |F+|
    std::string negative;   // |F-|
    std::string unbalance;  // |F-|/|F+|, or "—" where |F+| is too small to show
    Rotation rotation = Rotation::None;
    friend bool operator==(const ExplorerReadouts&, const ExplorerReadouts&) = default;
};

struct ExplorerResult {
    ExplorerReadouts readouts;
    // Where the resultant points: whole degrees from U's axis, counter-clockwise, 0 to 359.
    int direction = 0;
    // What the picture shows, as a screen reader says it, in the frame's language.
    std::string description;
    // False when a brush could not be created and the rest of the frame was abandoned.
    bool complete = true;
};

// Draws the frame on `surface`, which is at least as large as the canvas, and returns its
// readouts. Values out of range are brought into range first.
ExplorerResult DrawExplorerFrame(const ExplorerInputs& inputs, CDC& surface);

// "counter-clockwise", "clockwise", "pulsating" or "none", as the trace writes it.
const char* RotationName(Rotation rotation);

// The frame as text: the readout lines, then one line per drawing call.
std::string TraceExplorerFrame(const ExplorerInputs& inputs);
