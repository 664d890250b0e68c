#pragma once
// The command line of vesk-render.
#include <optional>
#include <string>
#include <vector>

#include "explorer/explorer_frame.h"
#include "field/frame.h"
#include "motor_options.h"
#include "winding/winding_frame.h"

enum class OutputFormat { Png, Svg, Gif, Trace };

// The main window's picture, the explorer's, the windings view's or the motor's.
enum class View { Main, Explorer, Winding, Motor };

struct RenderOptions {
    bool help = false;
    bool version = false;
    bool all = false;
    int step = 0;
    bool showResultant = true;
    int width = kCanvasWidth;
    int height = kCanvasHeight;
    std::optional<OutputFormat> format;  // set by --format or, failing that, by -o's extension
    std::string output;                  // empty: the trace goes to standard output
    View view = View::Main;
    Supply supply;  // the explorer's: the preset's values, overridden by the options given
    bool componentsApart = false;           // the explorer's F+ and F- also from the centre
    Language language = Language::Chinese;  // of the labels drawn in the picture
    const Palette* palette = &kStandardPalette;
    double scale = 1;       // device pixels per pixel of PNG and GIF frames, 1 to 4 in quarters
    WindingInputs winding;  // the windings view's winding, sequence, frequency and flux lines
    MotorOptions motor;
};

// The last step a view draws: 72 for the main window's two periods, 35 for the others' one.
int LastStep(View view);

// Returns the options, or the one-line reason why the command line is unusable.
struct ParseResult {
    RenderOptions options;
    std::string error;
};
ParseResult ParseRenderOptions(const std::vector<std::string>& args);

const char* FormatExtension(OutputFormat format);
