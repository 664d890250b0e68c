#pragma once
// The command line of vesk: nothing opens the main window, a view's flag (from the table of
// views) that view's window alone; the language, the palette and the size may be given for this
// run.
#include <optional>
#include <string>
#include <vector>

#include "language.h"
#include "text/palette.h"
#include "views/view.h"

struct AppOptions {
    std::optional<View> view;  // a view's window alone instead of the main window
    bool present = false;      // the window's picture full screen at once
    bool lesson = false;       // a lesson in presentation mode instead of a window
    std::string lessonFile;    // empty: the built-in lesson
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

// --help, with each view's flag from the table of views.
std::string AppUsage();
