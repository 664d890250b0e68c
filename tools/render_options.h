#pragma once
// The command line of vesk-render.
#include <optional>
#include <string>
#include <vector>

#include "text/palette.h"
#include "text/translation.h"
#include "views/view_table.h"

enum class OutputFormat { Png, Svg, Gif, Trace, Csv };

struct RenderOptions {
    bool help = false;
    bool version = false;
    bool all = false;
    int step = 0;
    int width = 0;  // the view's design size unless --size says otherwise
    int height = 0;
    std::optional<OutputFormat> format;  // set by --format or, failing that, by -o's extension
    std::string output;                  // empty: the trace goes to standard output
    // The view and its settings, from its parameters in the table of views.
    ViewSettings settings;
    Language language = Language::Chinese;  // of the labels drawn in the picture
    const Palette* palette = &kStandardPalette;
    double scale = 1;  // device pixels per pixel of PNG and GIF frames, 1 to 4 in quarters
    View view() const { return ViewOf(settings); }
};

// Returns the options, or the one-line reason why the command line is unusable.
struct ParseResult {
    RenderOptions options;
    std::string error;
};
ParseResult ParseRenderOptions(const std::vector<std::string>& args);

const char* FormatExtension(OutputFormat format);

// --help: the fixed options, then each view's parameters from the table.
std::string RenderUsage();
