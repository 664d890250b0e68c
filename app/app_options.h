#pragma once
// The command line of vesk: nothing opens the main window, --explore the explorer alone; the
// language, the palette and the size may be given for this run.
#include <optional>
#include <string>
#include <vector>

#include "language.h"
#include "text/palette.h"

struct AppOptions {
    bool explore = false;
    bool present = false;    // the window's picture full screen at once
    bool lesson = false;     // a lesson in presentation mode instead of a window
    std::string lessonFile;  // empty: the built-in lesson
    bool windings = false;   // --windings: the windings window alone
    bool motor = false;
    bool help = false;
    std::optional<Language> language;
    const Palette* palette = nullptr;
    std::optional<double> scale;
};

// Returns the options, or the one-line reason why the command line is unusable.
struct AppOptionsResult {
    AppOptions options;
    std::string error;
};
AppOptionsResult ParseAppOptions(const std::vector<std::string>& args);

extern const char* const kAppUsage;
