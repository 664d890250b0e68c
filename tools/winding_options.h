#pragma once
// vesk-render's options for the windings view: the winding, its supply and the flux lines.
#include <optional>
#include <string>
#include <vector>

#include "winding/winding_frame.h"

struct WindingArgs {
    std::string first;  // the first winding option given, for the message when it is out of place
    std::optional<WindingPreset> preset;
    std::optional<int> poles;
    std::optional<int> slotCount;
    std::optional<int> layers;
    std::optional<int> pitch;
    std::optional<double> frequency;
    std::optional<Sequence> sequence;
    bool noFluxLines = false;
};

// Takes the windings view's options out of `args`: --poles, --slots, --layers, --pitch,
// --frequency and --no-flux-lines always, --preset and --sequence when the view asked for is the
// windings view. Returns the reason a value is unusable, or an empty string.
std::string TakeWindingArgs(std::vector<std::string>& args, WindingArgs& out);

// The winding, its sequence, frequency and flux lines: the preset's winding (or the default one)
// with the values given in its place. Returns the reason it cannot be built, or an empty string.
std::string ApplyWindingArgs(const WindingArgs& args, WindingInputs& inputs);
