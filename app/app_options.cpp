#include "app_options.h"

const char* const kAppUsage =
    "Usage: vesk [--explore]\n"
    "Shows how the three phase currents of a stator make one rotating magnetic field.\n"
    "\n"
    "  --explore   open the explorer alone: reversed, open and unbalanced supplies\n"
    "  --help      this text\n"
    "\n"
    "vesk-render draws the same frames as files, without a window.\n";

AppOptionsResult ParseAppOptions(const std::vector<std::string>& args) {
    AppOptionsResult result;
    for (const std::string& arg : args) {
        if (arg == "--explore") {
            result.options.explore = true;
        } else if (arg == "--help" || arg == "-h") {
            result.options.help = true;
        } else {
            result.error = "unknown option '" + arg + "' (see vesk --help)";
            break;
        }
    }
    return result;
}
