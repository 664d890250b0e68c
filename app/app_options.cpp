#include "app_options.h"

#include <deque>

#include "preferences.h"
#include "views/command_line.h"
#include "views/view_params.h"
#include "views/view_table.h"

namespace {

constexpr OptionSpec kOptions[] = {
    {"--present"},
    {"--lesson", OptionSpec::MaybeValue},
    {"--lang", OptionSpec::Value},
    {"--palette", OptionSpec::Value},
    {"--scale", OptionSpec::Value},
    {"--help"},
    {"-h"},
};

// The flag of each view that has one, and its other spellings.
std::optional<View> ViewOfFlag(std::string_view option) {
    for (const ViewDescriptor& d : Views()) {
        if (d.flag.empty()) continue;
        if (option == "--" + std::string(d.flag)) return d.view;
        for (const std::string_view alias : d.flagAliases)
            if (option == "--" + std::string(alias)) return d.view;
    }
    return std::nullopt;
}

const OptionSpec* FindOption(std::string_view name) {
    for (const OptionSpec& o : kOptions)
        if (o.name == name) return &o;
    static std::deque<std::string> names;
    static std::deque<OptionSpec> flags;
    if (!ViewOfFlag(name)) return nullptr;
    for (const OptionSpec& flag : flags)
        if (flag.name == name) return &flag;
    names.emplace_back(name);
    flags.push_back({names.back()});
    return &flags.back();
}

}  // namespace

std::string AppUsage() {
    std::string views;
    std::string flags;
    for (const ViewDescriptor& d : Views()) {
        if (d.flag.empty()) continue;
        views += (views.empty() ? "" : " | ") + ("--" + std::string(d.flag));
        // A flag too long for its column has a line of its own.
        const std::string flag = "  --" + std::string(d.flag);
        flags +=
            flag +
            (flag.size() < 21 ? std::string(21 - flag.size(), ' ') : "\n" + std::string(21, ' ')) +
            "open the " + std::string(d.name) + " view's window alone\n";
    }
    return "Usage: vesk [" + views +
           "]\n"
           "            [--present] [--lesson [FILE]] [--lang zh|en] [--palette standard|safe]\n"
           "            [--scale S]\n"
           "Shows how the three phase currents of a stator make one rotating magnetic field.\n"
           "\n" +
           flags +
           "  --present          the window's picture full screen, for a projector (F5 or F11)\n"
           "  --lesson [FILE]    the built-in lesson, or the lesson in FILE, full screen\n"
           "  --lang zh|en       the texts in Chinese or English (default: the last choice made "
           "in\n"
           "                     the window menu, else Chinese)\n"
           "  --palette standard|safe\n"
           "                     the phases in red, green and blue, or in colours that stay "
           "apart\n"
           "                     for colour-blind students\n"
           "  --scale S          the windows drawn larger: 1.25, 1.5, 1.75 or 2 (1: as they "
           "are)\n"
           "  --help             this text\n"
           "\n"
           "vesk-render draws the same frames as files, without a window.\n";
}

AppOptionsResult ParseAppOptions(const std::vector<std::string>& args) {
    AppOptionsResult result;
    AppOptions& o = result.options;
    const LexedOptions lexed = LexOptions(args, FindOption, "vesk --help");
    if (!lexed.error.empty()) {
        result.error = lexed.error;
        return result;
    }
    std::string viewFlag;
    for (const OptionToken& t : lexed.tokens) {
        const std::string& arg = t.name;
        const std::string v = t.value.value_or("");
        if (const std::optional<View> view = ViewOfFlag(arg)) {
            if (o.view && *o.view != *view) {
                result.error = viewFlag + " and " + arg + " cannot be used together";
                return result;
            }
            o.view = view;
            viewFlag = arg;
        } else if (arg == "--present") {
            o.present = true;
        } else if (arg == "--lesson") {
            o.lesson = true;
            o.lessonFile = v;
            if (t.value && v.empty()) result.error = "option --lesson= needs a file";
        } else if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--lang") {
            o.language = ParseLanguage(v);
            if (!o.language) result.error = "unknown language '" + Escaped(v) + "' (use zh or en)";
        } else if (arg == "--palette") {
            o.palette = PaletteNamed(v);
            if (o.palette == nullptr)
                result.error = "unknown palette '" + Escaped(v) + "' (use standard or safe)";
        } else if (arg == "--scale") {
            o.scale = ParseWindowScale(v);
            if (!o.scale)
                result.error = "scale '" + Escaped(v) + "' is not 1, 1.25, 1.5, 1.75 or 2";
        }
        if (!result.error.empty()) return result;
    }
    return result;
}
