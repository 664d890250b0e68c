#pragma once
// The command line of vesk-render.
#include <optional>
#include <string>
#include <vector>

#include "frame.h"

enum class OutputFormat { Png, Svg, Gif, Trace };

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
};

// Returns the options, or the one-line reason why the command line is unusable.
struct ParseResult {
    RenderOptions options;
    std::string error;
};
ParseResult ParseRenderOptions(const std::vector<std::string>& args);

const char* FormatExtension(OutputFormat format);
