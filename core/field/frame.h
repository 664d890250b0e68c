#pragma once
// One frame of the rotating-field demonstration, computed from its inputs alone: readouts, stator
// cross-section, MMF vectors and the phase-current chart. Every caller takes this one path: the
// window, vesk-render, the page, the benchmarks and the tests.
#include <string>

#include "draw/surface.h"
#include "field/phase_model.h"
#include "text/palette.h"
#include "text/translation.h"

// The canvas of the main window, in pixels.
constexpr int kCanvasWidth = 513;
constexpr int kCanvasHeight = 624;

struct FrameInputs {
    int step = 0;
    int width = kCanvasWidth;
    int height = kCanvasHeight;
    bool showResultant = true;
    double scale = 1;  // device pixels per pixel, for HiDPI screens and slides (raster only)
    Palette palette = kStandardPalette;
    const Translation* translation = nullptr;  // the labels' language; none: Chinese
    bool showCurves = true;                    // the three currents' traces in the chart
};

struct FrameResult {
    Readouts readouts;
    // Where the resultant points: whole degrees from U's axis, counter-clockwise, 0 to 359.
    int direction = 0;
    // What the picture shows, as a screen reader says it, in the frame's language.
    std::string description;
    // False when a brush could not be created and the rest of the frame was abandoned.
    bool complete = true;
};

// Integer anchors of a frame, from the canvas rectangle.
struct SceneAnchors {
    int cx;  // stator centre
    int cy;
    int y0;  // chart base line
};
SceneAnchors ComputeAnchors(const CRect& rc);

// Draws the frame on `surface`, which is at least as large as the canvas, and returns its
// readouts. The readouts never depend on the surface: an abandoned frame has them too.
FrameResult DrawFrame(const FrameInputs& inputs, CDC& surface);

// The frame as text: the four readout lines, then one line per drawing call.
std::string TraceFrame(const FrameInputs& inputs);
