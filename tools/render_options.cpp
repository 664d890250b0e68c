#include "render_options.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

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

std::string Figure(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
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

    static bool IsSupplyOption(const std::string& arg) {
        return arg == "--preset" || arg == "--amplitudes" || arg == "--offsets" ||
               arg == "--sequence" || arg == "--open" || arg == "--neutral";
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
            for (const double value : *values) {
                if (value < (amplitude ? 0.0 : -limit) || value > limit)
                    return (amplitude ? "amplitude " + Figure(value) + " is outside 0..2"
                                      : "offset " + Figure(value) + " is outside -180..180") +
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
        s = preset ? PresetSupply(*preset) : Supply{};
        if (amplitudes) s.amplitude = *amplitudes;
        if (offsets) s.offset = *offsets;
        if (sequence) s.sequence = *sequence;
        if (open) s.openPhase = *open;
        if (neutral) {
            if (s.openPhase == kNoPhase)
                return "--neutral needs an open phase: add --open U, V or W";
            s.neutral = true;
        }
        return {};
    }
};

// 1 to 4 in steps of a quarter, the scales the raster draws exactly.
std::optional<double> ParseScale(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || !(value >= 1 && value <= 4)) return {};
    if (value * 4 != std::floor(value * 4)) return {};
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

ParseResult ParseRenderOptions(const std::vector<std::string>& args) {
    ParseResult result;
    RenderOptions& o = result.options;
    bool stepGiven = false;
    bool sizeGiven = false;
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
            } else if (v == "motor") {
                o.view = View::Motor;
            } else {
                result.error = "unknown view '" + v + "' (use main, explorer or motor)";
                return result;
            }
        } else if (arg == "--neutral") {
            supply.Take(arg, {});
            supply.neutral = true;
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
            const auto step = ParseInt(v);
            if (!step || *step < 0 || *step > MAX_STEP) {
                result.error = "step '" + v + "' is not a whole number from 0 to 72";
                return result;
            }
            o.step = *step;
            stepGiven = true;
            stepText = v;
        } else if (arg == "--size") {
            if (!value(v)) return result;
            const auto x = v.find('x');
            const auto w = x == std::string::npos ? std::nullopt : ParseInt(v.substr(0, x));
            const auto h = x == std::string::npos ? std::nullopt : ParseInt(v.substr(x + 1));
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
    if (o.view != View::Motor && !o.motor.first.empty()) {
        result.error = o.motor.first + " needs --view motor";
        return result;
    }
    if (o.view == View::Motor) result.error = o.motor.Check();
    if (!result.error.empty()) return result;
    if (o.view != View::Main) {
        if (!sizeGiven) {
            o.width = kExplorerWidth;
            o.height = kExplorerHeight;
        }
        if (stepGiven && o.step > LastStep(View::Explorer)) {
            result.error = "step '" + stepText + "' is not a whole number from 0 to 35";
            return result;
        }
        if (!o.showResultant) {
            result.error = "--no-resultant is for the main view";
            return result;
        }
        result.error = supply.Apply(o.supply);
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
    return result;
}
