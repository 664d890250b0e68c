#pragma once
// The command line of vesk: nothing opens the main window, --explore the explorer alone.
#include <string>
#include <vector>

struct AppOptions {
    bool explore = false;
    bool help = false;
};

// Returns the options, or the one-line reason why the command line is unusable.
struct AppOptionsResult {
    AppOptions options;
    std::string error;
};
AppOptionsResult ParseAppOptions(const std::vector<std::string>& args);

extern const char* const kAppUsage;
