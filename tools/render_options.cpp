#include "render_options.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace {

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
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

ParseResult ParseRenderOptions(const std::vector<std::string>& args) {
    ParseResult result;
    RenderOptions& o = result.options;
    bool stepGiven = false;
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
        } else if (arg == "--step") {
            if (!value(v)) return result;
            const auto step = ParseInt(v);
            if (!step || *step < 0 || *step > MAX_STEP) {
                result.error = "step '" + v + "' is not a whole number from 0 to 72";
                return result;
            }
            o.step = *step;
            stepGiven = true;
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
