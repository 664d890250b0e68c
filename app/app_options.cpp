#include "app_options.h"

#include "preferences.h"

const char* const kAppUsage =
    "Usage: vesk [--explore | --windings | --motor] [--present] [--lesson [FILE]] [--lang zh|en]\n"
    "            [--palette standard|safe] [--scale S]\n"
    "Shows how the three phase currents of a stator make one rotating magnetic field.\n"
    "\n"
    "  --explore          open the explorer alone: reversed, open and unbalanced supplies\n"
    "  --present          the window's picture full screen, for a projector (F5 or F11)\n"
    "  --lesson [FILE]    the built-in lesson, or the lesson in FILE, full screen\n"
    "  --windings         open the windings window alone: poles, slots, pitch, flux lines\n"
    "  --motor            open the motor alone: torque, slip and the start-up\n"
    "  --lang zh|en       the texts in Chinese or English (default: the last choice made in\n"
    "                     the window menu, else Chinese)\n"
    "  --palette standard|safe\n"
    "                     the phases in red, green and blue, or in colours that stay apart\n"
    "                     for colour-blind students\n"
    "  --scale S          the windows drawn larger: 1.25, 1.5, 1.75 or 2 (1: as they are)\n"
    "  --help             this text\n"
    "\n"
    "vesk-render draws the same frames as files, without a window.\n";

AppOptionsResult ParseAppOptions(const std::vector<std::string>& args) {
    AppOptionsResult result;
    AppOptions& o = result.options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> value;
        if (const auto eq = arg.find('='); arg.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = arg.substr(eq + 1);
            arg = arg.substr(0, eq);
        }
        const bool takesValue = arg == "--lang" || arg == "--palette" || arg == "--scale";
        if (value && (arg == "--explore" || arg == "--help")) {
            // --explore=no would otherwise explore.
            result.error = "option " + arg + " takes no value (given '" + args[i] + "')";
            return result;
        }
        if (takesValue && !value) {
            if (i + 1 >= args.size()) {
                result.error = "option " + arg + " needs a value";
                return result;
            }
            value = args[++i];
        }
        if (arg == "--explore") {
            o.explore = true;
        } else if (arg == "--present") {
            o.present = true;
        } else if (arg == "--lesson") {
            // The file is optional: a next word that is no option names it.
            o.lesson = true;
            if (value)
                o.lessonFile = *value;
            else if (i + 1 < args.size() && args[i + 1].rfind("-", 0) != 0)
                o.lessonFile = args[++i];
            if (value && value->empty()) result.error = "option --lesson= needs a file";
        } else if (arg == "--windings") {
            o.windings = true;
        } else if (arg == "--motor") {
            o.motor = true;
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--lang") {
            o.language = ParseLanguage(*value);
            if (!o.language) result.error = "unknown language '" + *value + "' (use zh or en)";
        } else if (arg == "--palette") {
            o.palette = PaletteNamed(*value);
            if (o.palette == nullptr)
                result.error = "unknown palette '" + *value + "' (use standard or safe)";
        } else if (arg == "--scale") {
            o.scale = ParseWindowScale(*value);
            if (!o.scale) result.error = "scale '" + *value + "' is not 1, 1.25, 1.5, 1.75 or 2";
        } else {
            result.error = "unknown option '" + args[i] + "' (see vesk --help)";
        }
        if (!result.error.empty()) return result;
    }
    return result;
}
