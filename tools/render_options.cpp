#include "render_options.h"

#include "frame_memory.h"
#include "text/numbers.h"
#include "views/command_line.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

// The extension of the last part of `path` ("png" of a/b.png), or "" for none (".", "..",
// ".hidden", "dir/").
std::string Extension(const std::string& path) {
    const auto slash = path.rfind('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot == std::string::npos || dot == 0 || name == "..") return {};
    return name.substr(dot + 1);
}

// 1 to 4 in steps of a quarter, the scales the raster draws exactly.
std::optional<double> ParseScale(const std::string& text) {
    const std::optional<double> value = FiniteNumber(text);
    if (!value || !(*value >= 1 && *value <= 4)) return {};
    if (*value * 4 != std::floor(*value * 4)) return {};
    return value;
}

std::optional<OutputFormat> ParseFormat(const std::string& name) {
    if (name == "png") return OutputFormat::Png;
    if (name == "svg") return OutputFormat::Svg;
    if (name == "gif") return OutputFormat::Gif;
    if (name == "trace") return OutputFormat::Trace;
    if (name == "csv") return OutputFormat::Csv;
    return std::nullopt;
}

std::optional<OutputFormat> FormatOfPath(const std::string& path) {
    const auto dot = path.rfind('.');
    const auto slash = path.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return std::nullopt;
    // Extensions are matched without regard to case: .PNG and .Gif are what some tools write.
    std::string extension = path.substr(dot + 1);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ParseFormat(extension);
}

std::string ScaleText(double scale) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", scale);
    return buffer;
}

}  // namespace

const char* FormatExtension(OutputFormat format) {
    switch (format) {
        case OutputFormat::Png:
            return "png";
        case OutputFormat::Svg:
            return "svg";
        case OutputFormat::Gif:
            return "gif";
        case OutputFormat::Trace:
            return "trace";
        case OutputFormat::Csv:
            return "csv";
    }
    return "";
}

namespace {

constexpr OptionSpec kOptions[] = {
    {"--help"},
    {"-h"},
    {"--version"},
    {"--all"},
    {"--step", OptionSpec::Value},
    {"--size", OptionSpec::Value},
    {"--format", OptionSpec::Value},
    {"-o", OptionSpec::Value},
    {"--output", OptionSpec::Value},
    {"--lang", OptionSpec::Value},
    {"--palette", OptionSpec::Value},
    {"--scale", OptionSpec::Value},
    {"--view", OptionSpec::Value},
};

const OptionSpec* FindOption(std::string_view name) {
    for (const OptionSpec& o : kOptions)
        if (o.name == name) return &o;
    return FindParamOption(name);
}

}  // namespace

ParseResult ParseRenderOptions(const std::vector<std::string>& args) {
    ParseResult result;
    RenderOptions& o = result.options;
    const LexedOptions lexed = LexOptions(args, FindOption, "--help");
    if (!lexed.error.empty()) {
        result.error = lexed.error;
        return result;
    }
    // The view first, the last one named winning: its table says which options it takes.
    View view = View::Main;
    for (const OptionToken& t : lexed.tokens) {
        if (t.name != "--view") continue;
        const std::optional<View> named = FindView(*t.value);
        if (!named) {
            result.error = "unknown view '" + Escaped(*t.value) + "' (use " + ViewNames() + ")";
            return result;
        }
        view = *named;
    }
    const ViewDescriptor& d = Describe(view);
    std::vector<TextValue> values;
    bool stepGiven = false;
    bool sizeGiven = false;
    bool scaleGiven = false;
    std::string stepText;
    for (const OptionToken& t : lexed.tokens) {
        const std::string& arg = t.name;
        const std::string v = t.value.value_or("");
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--all") {
            o.all = true;
        } else if (arg == "--view") {
        } else if (arg == "--step") {
            // Checked against the view's steps once the view is known.
            o.step = WholeNumber(v).value_or(-1);
            stepGiven = true;
            stepText = v;
        } else if (arg == "--size") {
            const auto x = v.find('x');
            const auto w = x == std::string::npos ? std::nullopt : WholeNumber(v.substr(0, x));
            const auto h = x == std::string::npos ? std::nullopt : WholeNumber(v.substr(x + 1));
            if (!w || !h) {
                result.error = "size '" + Escaped(v) + "' is not WIDTHxHEIGHT, such as 513x624";
                return result;
            }
            if (*w < 64 || *w > 8192 || *h < 64 || *h > 8192) {
                result.error = "size '" + v + "' is outside 64..8192 pixels in each direction";
                return result;
            }
            o.width = *w;
            o.height = *h;
            sizeGiven = true;
        } else if (arg == "--lang") {
            const std::optional<Language> language = ParseLanguage(v);
            if (!language) {
                result.error = "unknown language '" + Escaped(v) + "' (use zh or en)";
                return result;
            }
            o.language = *language;
        } else if (arg == "--palette") {
            o.palette = PaletteNamed(v);
            if (o.palette == nullptr) {
                result.error = "unknown palette '" + Escaped(v) + "' (use standard or safe)";
                return result;
            }
        } else if (arg == "--scale") {
            const std::optional<double> scale = ParseScale(v);
            if (!scale) {
                result.error = "scale '" + Escaped(v) +
                               "' is not a number from 1 to 4 in quarters (1, 1.25, 1.5 ... 4)";
                return result;
            }
            o.scale = *scale;
            scaleGiven = true;
        } else if (arg == "--format") {
            o.format = ParseFormat(v);
            if (!o.format) {
                result.error =
                    "unknown format '" + Escaped(v) + "' (use png, svg, gif, trace or csv)";
                return result;
            }
        } else if (arg == "-o" || arg == "--output") {
            if (v.empty()) {
                result.error = "the output path is empty";
                return result;
            }
            o.output = v;
        } else if (const std::optional<ParamOption> param = ParamOfOption(d, t)) {
            values.push_back({param->param, param->text});
        } else {
            result.error = arg + " needs --view " + ViewsTaking(arg);
            return result;
        }
    }
    if (o.help || o.version) return result;
    const SettingsResult settings = SettingsFromTexts(view, values, false);
    if (!settings.error.empty()) {
        result.error = settings.error;
        return result;
    }
    o.settings = settings.settings;
    if (stepGiven && (o.step < 0 || o.step > d.lastStep)) {
        result.error = "step '" + Escaped(stepText) + "' is not a whole number from 0 to " +
                       std::to_string(d.lastStep);
        return result;
    }
    if (!sizeGiven) {
        o.width = d.design.width;
        o.height = d.design.height;
    }
    // The curves are the view's once, in numbers: no frames, no pixels.
    const bool csv = o.format == OutputFormat::Csv || (!o.format && !o.output.empty() &&
                                                       FormatOfPath(o.output) == OutputFormat::Csv);
    if (csv && d.csv == nullptr) {
        result.error = "view " + std::string(d.name) + " has no curves to write as CSV";
    } else if (csv && o.all) {
        result.error = "--all cannot be used with CSV: it holds the view's curves once";
    } else if (csv && scaleGiven) {
        result.error = "--scale is for PNG, GIF and SVG; a CSV has no pixels to scale";
    } else if (o.all && stepGiven) {
        result.error = "--step and --all cannot be used together";
    } else if (o.all && o.output.empty()) {
        result.error = o.format == OutputFormat::Gif
                           ? "--all --format gif needs an output file: -o FILE.gif"
                           : "--all needs an output directory: -o DIR";
    } else if (o.all && !Extension(o.output).empty() &&
               FormatOfPath(o.output) != OutputFormat::Gif) {
        // frames.png would be a directory of that name, full of PNG files.
        result.error = "--all writes a directory or one .gif, not '" + o.output +
                       "': use -o DIR or -o FILE.gif";
    } else if (o.all && !o.format) {
        // A .gif target is one animation; anything else is a directory of frames.
        o.format =
            FormatOfPath(o.output) == OutputFormat::Gif ? OutputFormat::Gif : OutputFormat::Png;
    } else if (!o.format && !o.output.empty()) {
        o.format = FormatOfPath(o.output);
        if (!o.format) {
            result.error =
                "cannot tell the format of '" + o.output + "'; use --format png|svg|gif|trace|csv";
        }
    } else if (!o.format) {
        o.format = OutputFormat::Trace;
    } else if (o.output.empty() && *o.format != OutputFormat::Trace &&
               *o.format != OutputFormat::Csv) {
        result.error = std::string("--format ") + FormatExtension(*o.format) +
                       " needs an output file: -o PATH";
    }
    if (!result.error.empty()) return result;
    if (scaleGiven && o.format == OutputFormat::Trace) {
        result.error = "--scale is for PNG, GIF and SVG; a trace has no pixels to scale";
    } else if ((o.format == OutputFormat::Png || o.format == OutputFormat::Gif) &&
               DevicePixels(o.width, o.height, o.scale) > kMaxDevicePixels) {
        result.error = "a frame of " + std::to_string(o.width) + "x" + std::to_string(o.height) +
                       " at scale " + ScaleText(o.scale) + " has " +
                       std::to_string(DevicePixels(o.width, o.height, o.scale)) +
                       " device pixels; the most is " + std::to_string(kMaxDevicePixels) +
                       " (8192x8192)";
    }
    return result;
}

namespace {

constexpr const char* kUsageHead =
    "Usage: vesk-render [--view VIEW] [--step K | --all] [options]\n"
    "Draws frames of vesk's views: the rotating magnetic field of a three-phase stator and the\n"
    "machines it drives.\n"
    "\n"
    "  --view VIEW       the picture to draw (default main)\n"
    "  --step K          the step to draw (10 electrical degrees each; default 0)\n"
    "  --all             every step, as DIR/frame-00.EXT, frame-01.EXT, ..., or, when the output\n"
    "                    is a .gif file, as one animation that loops forever, 200 ms a frame\n"
    "  --size WxH        canvas size in pixels, 64..8192 (default: the view's own)\n"
    "  --format FORMAT   png, svg, gif, trace or csv (default: from the output's\n"
    "                    extension; a trace, on standard output, when there is no -o). csv:\n"
    "                    the view's curves as numbers, a header row naming the columns and\n"
    "                    units (the motor's and the synchronous machine's start-up with\n"
    "                    --time, the windings' at --step)\n"
    "  -o PATH           the output file, or the directory (or .gif file) for --all; a\n"
    "                    device, FIFO or socket is written into, never replaced\n"
    "  --lang zh|en      the labels in the picture in Chinese (the default) or English\n"
    "  --palette standard|safe\n"
    "                    the phases in red, green and blue (the default), or in colours that\n"
    "                    stay apart for colour-blind eyes, each vector with its letter\n"
    "  --scale S         PNG and GIF frames with S x S device pixels a pixel, 1..4 in\n"
    "                    quarters, for sharp slides (an SVG is sized S times larger; a\n"
    "                    trace has no pixels)\n"
    "  --handout PDF     a lesson as a printed handout, A4 (- for standard output): add\n"
    "                    --lesson FILE for a lesson of your own, --lang and --palette as above\n"
    "  --help            this text\n"
    "  --version         the version\n"
    "\n"
    "A PNG or GIF frame has at most 8192x8192 device pixels in all (width x height x S^2,\n"
    "67108864, 256 MiB as drawn); writing the largest takes up to about 360 MB, and an\n"
    "animated GIF, which keeps the frame before, up to about 580 MB. --all draws as many\n"
    "frames at once as fit in 256 MiB.\n"
    "A file is written whole or not at all: a failed run leaves what was there before.\n"
    "On a terminal, work that takes more than a second shows its progress on standard error.\n";

// Two columns, the second from column 21; a long first column takes a line of its own.
std::string Row(const std::string& left, std::string_view right) {
    std::string out = "  " + left;
    std::string pad =
        out.size() < 20 ? std::string(20 - out.size(), ' ') : "\n" + std::string(20, ' ');
    for (std::size_t start = 0;;) {
        const std::size_t end = right.find('\n', start);
        out += pad + std::string(right.substr(start, end - start)) + "\n";
        if (end == std::string_view::npos) break;
        start = end + 1;
        pad = std::string(20, ' ');
    }
    return out;
}

std::string ParamHelp(const ParamSpec& p) {
    std::string right(p.help);
    if (p.kind == ParamKind::Number || (p.kind == ParamKind::Whole && p.values.empty()))
        right += ", " + RangeText(p);
    else if (p.kind == ParamKind::Whole)
        right += ": " + RangeText(p);
    if (p.kind == ParamKind::Number || p.kind == ParamKind::Whole)
        right += " (default " + Shortest(p.fallback) + ")";
    if (p.kind == ParamKind::Triple) right += ", " + RangeText(p);
    if (p.kind == ParamKind::Choice && p.name != "preset") right += ": " + RangeText(p);
    return right;
}

}  // namespace

std::string RenderUsage() {
    std::string text = kUsageHead;
    for (const ViewDescriptor& d : Views()) {
        text += "\n" + std::string(d.help) + " (--view " + std::string(d.name) + ", steps 0.." +
                std::to_string(d.lastStep) + ", " + std::to_string(d.design.width) + "x" +
                std::to_string(d.design.height) + "):\n";
        for (const ParamSpec& p : d.params) {
            const bool flag = p.kind == ParamKind::Switch;
            const std::string option = "--" +
                                       std::string(flag && !p.flag.empty() ? p.flag : p.name) +
                                       (flag ? "" : " " + std::string(p.valueName));
            text += Row(option, ParamHelp(p));
        }
    }
    text += "\nExit status: 0 done, 1 a file could not be written, 2 a usage error.\n";
    return text;
}
