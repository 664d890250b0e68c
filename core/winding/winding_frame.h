#pragma once
// One frame of the windings view, computed from its inputs alone: the machine's cross-section
// with its slots, conductors and flux lines; the air-gap MMF over one mechanical turn; its
// harmonic spectrum; the zone plan; and the readouts. The window, vesk-render, the page and the
// tests all take this one path.
#include <string>

#include "draw/surface.h"
#include "text/palette.h"
#include "text/translation.h"
#include "views/view.h"
#include "winding/winding_model.h"

constexpr int kWindingWidth = 1024;
// The harmonics the spectrum shows: the fundamental and those a three-phase winding can have.
constexpr int kSpectrumOrders[] = {1, 5, 7, 11, 13, 17, 19, 23, 25};
constexpr int kWindingHeight = 768;

struct WindingInputs {
    Winding winding;
    int step = 0;  // taken round one period: 36 is 0 again
    Sequence sequence = Sequence::Positive;
    double frequency = kDefaultFrequency;  // Hz
    bool fluxLines = true;
    int width = kWindingWidth;
    int height = kWindingHeight;
    double scale = 1;  // device pixels per pixel (raster only)
    Palette palette = kStandardPalette;
    const Translation* translation = nullptr;
    Hidden hidden{};  // the field's axis, poles and flux lines; the MMF and spectrum; readouts
};

// The readouts as printed, in the trace's order.
struct WindingReadouts {
    std::string angle;      // "3*π/18=30°"
    std::string slotCount;  // "36"
    std::string kd1;        // "%.3f" of the absolute value
    std::string kp1;
    std::string kw1;
    std::string kw5;
    std::string kw7;
    std::string thd;             // in %, "%.1f"
    std::string speed;           // rpm, "%.0f"
    std::string fieldAngle;      // the fundamental's peak, mechanical degrees in [0, 360/p), "%.1f"
    std::string mmfFundamental;  // its amplitude in F_c, 1.5 k_w1, "%.3f"
    friend bool operator==(const WindingReadouts&, const WindingReadouts&) = default;
};

struct WindingResult {
    WindingReadouts readouts;
    // One sentence for a screen reader, in the frame's language.
    std::string description;
    // False when a brush could not be created and the rest of the frame was abandoned.
    bool complete = true;
};

// The inputs with every value in range.
WindingInputs ClampWindingInputs(const WindingInputs& inputs);

// The readouts alone, without drawing.
WindingReadouts MakeWindingReadouts(const WindingInputs& inputs);

WindingResult DrawWindingFrame(const WindingInputs& inputs, CDC& surface);

// The frame as text: the readout lines, then one line per drawing call.
std::string TraceWindingFrame(const WindingInputs& inputs);
