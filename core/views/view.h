#pragma once
// What every view's frame takes and gives, whatever the view: the canvas it is drawn on, and
// the readouts, the sentence for a screen reader and whether it is whole.
#include <string>
#include <string_view>
#include <vector>

#include "text/palette.h"
#include "text/translation.h"

// The views, in the order of the window menu, the page's tabs and ViewSettings.
enum class View { Main, Explorer, Winding, Motor, CapacitorMotor, Synchronous };

// The parts of a frame a lesson may keep from the class until the lecturer reveals them, so that
// the class predicts first. Every view leaves them out of its picture, its readouts and its
// sentence for a screen reader alike.
struct Hidden {
    bool readouts = false;   // the values: "?" in their place
    bool resultant = false;  // the resultant and its construction, or the view's result vector
    bool curves = false;     // the plotted curves and charts' traces
    bool Any() const { return readouts || resultant || curves; }
    friend bool operator==(const Hidden&, const Hidden&) = default;
};

// The canvas a frame is drawn on, the same for every view.
struct CanvasInputs {
    int step = 0;
    int width = 0;
    int height = 0;
    double scale = 1;  // device pixels per pixel (raster only)
    Palette palette = kStandardPalette;
    const Translation* translation = nullptr;  // the labels' language; none: Chinese
    Hidden hidden{};
};

// What stands in a frame for a readout that is hidden.
inline constexpr std::string_view kHiddenValue = "?";

struct CanvasSize {
    int width;
    int height;
};

struct Readout {
    std::string key;    // the trace's "readout KEY VALUE"; empty: not in the trace
    std::string value;  // as the trace writes it
    std::string label;  // in the frame's language
    std::string shown;  // the value as a reader sees it, with its unit, in the frame's language
};

struct ViewResult {
    std::vector<Readout> readouts;
    // One sentence for a screen reader, in the frame's language.
    std::string description;
    // False when a brush could not be created and the rest of the frame was abandoned.
    bool complete = true;
};

// "readout KEY VALUE", one a line, for the readouts that have a key.
std::string ReadoutLines(const std::vector<Readout>& readouts);
