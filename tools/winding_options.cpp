#include "winding_options.h"

#include "option_numbers.h"

#include <cstdio>

namespace {

bool IsWindingOnly(const std::string& name) {
    return name == "--poles" || name == "--slots" || name == "--layers" || name == "--pitch" ||
           name == "--frequency" || name == "--no-flux-lines";
}

// The view asked for, the last --view given winning as it does for the other options.
bool AsksForWindings(const std::vector<std::string>& args) {
    bool windings = false;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--view" && i + 1 < args.size())
            windings = args[++i] == "winding";
        else if (args[i].rfind("--view=", 0) == 0)
            windings = args[i] == "--view=winding";
    }
    return windings;
}

std::string PresetNames() {
    std::string names;
    for (size_t i = 0; i < kWindingPresets.size(); ++i) {
        if (i > 0) names += i + 1 == kWindingPresets.size() ? " or " : ", ";
        names += WindingPresetName(kWindingPresets[i]);
    }
    return names;
}

std::string Take(const std::string& name, const std::string& v, WindingArgs& out) {
    const auto whole = [&](std::optional<int>& into, const char* what) -> std::string {
        into = WholeNumber(v);
        return into ? "" : std::string(what) + " '" + v + "' is not a whole number";
    };
    if (name == "--preset") {
        for (const WindingPreset preset : kWindingPresets)
            if (v == WindingPresetName(preset)) out.preset = preset;
        if (!out.preset) return "unknown winding preset '" + v + "' (use " + PresetNames() + ")";
    } else if (name == "--sequence") {
        if (v == "positive")
            out.sequence = Sequence::Positive;
        else if (v == "negative")
            out.sequence = Sequence::Negative;
        else
            return "unknown sequence '" + v + "' (use positive or negative)";
    } else if (name == "--poles") {
        return whole(out.poles, "poles");
    } else if (name == "--slots") {
        return whole(out.slotCount, "slots");
    } else if (name == "--layers") {
        return whole(out.layers, "layers");
    } else if (name == "--pitch") {
        return whole(out.pitch, "pitch");
    } else if (name == "--frequency") {
        out.frequency = FiniteNumber(v);
        if (!out.frequency || *out.frequency < kMinFrequency || *out.frequency > kMaxFrequency)
            return "frequency '" + v + "' is not a number of hertz from 1 to 400";
    }
    return {};
}

}  // namespace

std::string TakeWindingArgs(std::vector<std::string>& args, WindingArgs& out) {
    const bool windings = AsksForWindings(args);
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        std::string name = args[i];
        std::optional<std::string> value;
        if (const auto eq = name.find('='); name.rfind("--", 0) == 0 && eq != std::string::npos) {
            value = name.substr(eq + 1);
            name = name.substr(0, eq);
        }
        const bool shared = windings && (name == "--preset" || name == "--sequence");
        if (!IsWindingOnly(name) && !shared) {
            rest.push_back(args[i]);
            continue;
        }
        if (out.first.empty()) out.first = name;
        if (name == "--no-flux-lines") {
            if (value) return "--no-flux-lines takes no value";
            out.noFluxLines = true;
            continue;
        }
        if (!value) {
            if (i + 1 >= args.size()) return "option " + name + " needs a value";
            value = args[++i];
        }
        const std::string error = Take(name, *value, out);
        if (!error.empty()) return error;
    }
    args = rest;
    return {};
}

std::string ApplyWindingArgs(const WindingArgs& args, WindingInputs& inputs) {
    const Winding w = ChangedWinding(args.preset ? PresetWinding(*args.preset) : Winding{},
                                     {args.poles, args.slotCount, args.layers, args.pitch});
    if (w.poles != 2 && w.poles != 4 && w.poles != 6 && w.poles != 8)
        return "poles " + std::to_string(w.poles) + " is not 2, 4, 6 or 8";
    const int q = w.slotCount % (3 * w.poles) == 0 ? w.slotCount / (3 * w.poles) : 0;
    if (q < 1 || q > 4) {
        std::string counts;
        for (int n = 1; n <= 4; ++n)
            counts += (n == 1 ? "" : n == 4 ? " or " : ", ") + std::to_string(3 * w.poles * n);
        return std::to_string(w.slotCount) + " slots do not make " + (w.poles == 8 ? "an " : "a ") +
               std::to_string(w.poles) + "-pole winding (6pq slots, q from 1 to 4: use " + counts +
               ")";
    }
    if (w.layers != 1 && w.layers != 2)
        return "layers " + std::to_string(w.layers) + " is not 1 or 2";
    const int tau = w.PolePitch();
    if (w.pitch < 1 || w.pitch > tau)
        return "pitch " + std::to_string(w.pitch) + " is outside 1.." + std::to_string(tau) +
               " (the pole pitch is " + std::to_string(tau) + " slots)";
    if (w.layers == 1 && w.pitch != tau)
        return "a single-layer winding is full-pitch: pitch " + std::to_string(w.pitch) +
               " needs --layers 2";
    inputs.winding = w;
    if (args.sequence) inputs.sequence = *args.sequence;
    if (args.frequency) inputs.frequency = *args.frequency;
    inputs.fluxLines = !args.noFluxLines;
    return {};
}
