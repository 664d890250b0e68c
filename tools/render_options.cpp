#include "render_options.h"

#include "frame_memory.h"
#include "option_numbers.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "winding_options.h"

namespace {

// Three numbers separated by commas, such as 1,0.4,0.7.
std::optional<std::array<double, 3>> ParseTriple(const std::string& text) {
    std::array<double, 3> values{};
    const char* first = text.data();
    const char* const end = text.data() + text.size();
    for (size_t n = 0; n < 3; ++n) {
        const char* last = n < 2 ? std::find(first, end, ',') : end;
        if (last == end && n < 2) return std::nullopt;
        const auto [ptr, ec] = std::from_chars(first, last, values[n]);
        if (first == last || ec != std::errc() || ptr != last || !std::isfinite(values[n]))
            return std::nullopt;
        first = last + 1;
    }
    return values;
}

// The `n`th of the numbers separated by commas, as typed: 2.0000001 is not 2.
std::string Piece(const std::string& text, size_t n) {
    size_t first = 0;
    for (; n > 0; --n) first = text.find(',', first) + 1;
    return text.substr(first, text.find(',', first) - first);
}

// The explorer's supply options as given; checked and applied over the preset at the end.
struct SupplyArgs {
    std::string first;  // the first supply option given, for the message when it is out of place
    std::optional<Preset> preset;
    std::optional<std::array<double, 3>> amplitudes;
    std::optional<std::array<double, 3>> offsets;
    std::optional<Sequence> sequence;
    std::optional<int> open;
    bool neutral = false;
    bool apart = false;

    static bool IsSupplyOption(const std::string& arg) {
        return arg == "--preset" || arg == "--amplitudes" || arg == "--offsets" ||
               arg == "--sequence" || arg == "--open" || arg == "--neutral" || arg == "--apart";
    }

    // Takes one option's value; returns the reason it is unusable, or an empty string.
    std::string Take(const std::string& arg, const std::string& v) {
        if (first.empty()) first = arg;
        if (arg == "--preset") {
            preset = FindPreset(v);
            if (!preset)
                return "unknown preset '" + v +
                       "' (use balanced, reversed, open-u, open-u-neutral, single-phase or "
                       "unbalanced)";
        } else if (arg == "--amplitudes" || arg == "--offsets") {
            const bool amplitude = arg == "--amplitudes";
            const auto values = ParseTriple(v);
            if (!values)
                return (amplitude ? "amplitudes '" : "offsets '") + v + "' are not three numbers " +
                       (amplitude ? "AU,AV,AW, such as 1,0.4,0.7" : "DU,DV,DW, such as 0,-30,30");
            const double limit = amplitude ? kMaxAmplitude : kMaxOffset;
            for (size_t n = 0; n < 3; ++n) {
                const double value = (*values)[n];
                if (value < (amplitude ? 0.0 : -limit) || value > limit)
                    return (amplitude ? "amplitude " + Piece(v, n) + " is outside 0..2"
                                      : "offset " + Piece(v, n) + " is outside -180..180") +
                           " (in '" + v + "')";
            }
            (amplitude ? amplitudes : offsets) = values;
        } else if (arg == "--sequence") {
            if (v == "positive")
                sequence = Sequence::Positive;
            else if (v == "negative")
                sequence = Sequence::Negative;
            else
                return "unknown sequence '" + v + "' (use positive or negative)";
        } else if (arg == "--open") {
            // u, v and w will do as well.
            static constexpr char kPhases[] = "UVW";
            for (int x = 0; x < 3; ++x)
                if (v.size() == 1 && std::toupper(static_cast<unsigned char>(v[0])) == kPhases[x])
                    open = x;
            if (!open) return "unknown phase '" + v + "' for --open (use U, V or W)";
        }
        return {};
    }

    // The supply: the preset's, with the values given in its place.
    std::string Apply(Supply& s) const {
        if (open && preset == Preset::SinglePhase)
            return "--open cannot be used with --preset single-phase";
        if (neutral && preset == Preset::SinglePhase)
            return "--neutral cannot be used with --preset single-phase";
        s = preset ? PresetSupply(*preset) : Supply{};
        if (amplitudes) s.amplitude = *amplitudes;
        if (offsets) s.offset = *offsets;
        if (sequence) s.sequence = *sequence;
        if (open) s.openPhase = *open;
        if (neutral) s.neutral = true;
        return {};
    }
};

// Options that are on or off: "--all=no" would otherwise mean --all.
bool IsFlag(const std::string& arg) {
    return arg == "--help" || arg == "--version" || arg == "--all" || arg == "--no-resultant" ||
           arg == "--neutral";
}

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
    }
    return "";
}

int LastStep(View view) { return view == View::Main ? MAX_STEP : kExplorerSteps - 1; }

ParseResult ParseRenderOptions(const std::vector<std::string>& given) {
    ParseResult result;
    std::vector<std::string> args = given;
    WindingArgs winding;
    result.error = TakeWindingArgs(args, winding);
    if (!result.error.empty()) return result;
    RenderOptions& o = result.options;
    bool stepGiven = false;
    bool sizeGiven = false;
    bool scaleGiven = false;
    std::string stepText;
    SupplyArgs supply;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> inlineValue;
        if (arg.rfind("--", 0) == 0) {
            if (const auto eq = arg.find('='); eq != std::string::npos) {
                inlineValue = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
            }
        }
        auto value = [&](std::string& out) {
            if (inlineValue) {
                out = *inlineValue;
                return true;
            }
            if (i + 1 >= args.size()) {
                result.error = "option " + arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        std::string v;
        if (inlineValue && IsFlag(arg)) {
            result.error = "option " + arg + " takes no value (given '" + args[i] + "')";
            return result;
        }
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (arg == "--version") {
            o.version = true;
        } else if (arg == "--all") {
            o.all = true;
        } else if (arg == "--no-resultant") {
            o.showResultant = false;
        } else if (arg == "--view") {
            if (!value(v)) return result;
            if (v == "main") {
                o.view = View::Main;
            } else if (v == "explorer") {
                o.view = View::Explorer;
            } else if (v == "winding") {
                o.view = View::Winding;
            } else if (v == "motor") {
                o.view = View::Motor;
            } else {
                result.error = "unknown view '" + v + "' (use main, explorer, winding or motor)";
                return result;
            }
        } else if (arg == "--neutral" || arg == "--apart") {
            supply.Take(arg, {});
            (arg == "--neutral" ? supply.neutral : supply.apart) = true;
        } else if (SupplyArgs::IsSupplyOption(arg)) {
            if (!value(v)) return result;
            result.error = supply.Take(arg, v);
            if (!result.error.empty()) return result;
        } else if (MotorOptions::IsMotorOption(arg)) {
            if (!value(v)) return result;
            result.error = o.motor.Take(arg, v);
            if (!result.error.empty()) return result;
        } else if (arg == "--step") {
            if (!value(v)) return result;
            // Checked against the view's steps once the view is known.
            o.step = WholeNumber(v).value_or(-1);
            stepGiven = true;
            stepText = v;
        } else if (arg == "--size") {
            if (!value(v)) return result;
            const auto x = v.find('x');
            const auto w = x == std::string::npos ? std::nullopt : WholeNumber(v.substr(0, x));
            const auto h = x == std::string::npos ? std::nullopt : WholeNumber(v.substr(x + 1));
            if (!w || !h) {
                result.error = "size '" + v + "' is not WIDTHxHEIGHT, such as 513x624";
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
            if (!value(v)) return result;
            const std::optional<Language> language = ParseLanguage(v);
            if (!language) {
                result.error = "unknown language '" + v + "' (use zh or en)";
                return result;
            }
            o.language = *language;
        } else if (arg == "--palette") {
            if (!value(v)) return result;
            o.palette = PaletteNamed(v);
            if (o.palette == nullptr) {
                result.error = "unknown palette '" + v + "' (use standard or safe)";
                return result;
            }
        } else if (arg == "--scale") {
            if (!value(v)) return result;
            const std::optional<double> scale = ParseScale(v);
            if (!scale) {
                result.error = "scale '" + v +
                               "' is not a number from 1 to 4 in quarters (1, 1.25, 1.5 ... 4)";
                return result;
            }
            o.scale = *scale;
            scaleGiven = true;
        } else if (arg == "--format") {
            if (!value(v)) return result;
            o.format = ParseFormat(v);
            if (!o.format) {
                result.error = "unknown format '" + v + "' (use png, svg, gif or trace)";
                return result;
            }
        } else if (arg == "-o" || arg == "--output") {
            if (!value(v)) return result;
            if (v.empty()) {
                result.error = "the output path is empty";
                return result;
            }
            o.output = v;
        } else {
            result.error = "unknown option '" + args[i] + "' (see --help)";
            return result;
        }
    }
    if (o.help || o.version) return result;
    if (stepGiven && (o.step < 0 || o.step > LastStep(o.view))) {
        result.error = "step '" + stepText + "' is not a whole number from 0 to " +
                       std::to_string(LastStep(o.view));
        return result;
    }
    if (o.view == View::Winding) {
        if (!sizeGiven) {
            o.width = kWindingWidth;
            o.height = kWindingHeight;
        }
        if (!o.showResultant) {
            result.error = "--no-resultant is for the main view";
            return result;
        }
        result.error = ApplyWindingArgs(winding, o.winding);
        if (!result.error.empty()) return result;
    } else if (!winding.first.empty()) {
        result.error = winding.first + " needs --view winding";
        return result;
    }
    if (o.view != View::Motor && !o.motor.first.empty()) {
        result.error = o.motor.first + " needs --view motor";
        return result;
    }
    if (o.view == View::Motor) result.error = o.motor.Check();
    if (!result.error.empty()) return result;
    if (o.view == View::Explorer || o.view == View::Motor) {
        if (!sizeGiven) {
            o.width = kExplorerWidth;
            o.height = kExplorerHeight;
        }
        if (!o.showResultant) {
            result.error = "--no-resultant is for the main view";
            return result;
        }
        result.error = supply.Apply(o.supply);
        o.componentsApart = supply.apart;
        if (!result.error.empty()) return result;
    } else if (!supply.first.empty()) {
        result.error = supply.first + " needs --view explorer or motor";
        return result;
    }
    if (o.all && stepGiven) {
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
                "cannot tell the format of '" + o.output + "'; use --format png|svg|gif|trace";
        }
    } else if (!o.format) {
        o.format = OutputFormat::Trace;
    } else if (o.output.empty() && *o.format != OutputFormat::Trace) {
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
