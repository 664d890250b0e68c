#include "supply/supply.h"

#include <algorithm>
#include <cmath>

namespace {

double Clamp(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

}  // namespace

Supply ClampSupply(const Supply& supply) {
    Supply s = supply;
    for (int x = 0; x < 3; ++x) {
        s.amplitude[x] = Clamp(s.amplitude[x], 0.0, kMaxAmplitude, 1.0);
        s.offset[x] = Clamp(s.offset[x], -kMaxOffset, kMaxOffset, 0.0);
    }
    if (s.openPhase < kNoPhase || s.openPhase > 2) s.openPhase = kNoPhase;
    return s;
}

Supply ControlledSupply(const Supply& supply) {
    Supply s = ClampSupply(supply);
    if (s.singlePhase) {
        s.openPhase = kNoPhase;
        s.neutral = false;
    }
    return s;
}

Supply PresetSupply(Preset preset) {
    Supply s;
    switch (preset) {
        case Preset::Balanced:
            break;
        case Preset::Reversed:
            s.sequence = Sequence::Negative;
            break;
        case Preset::OpenU:
            s.openPhase = 0;
            break;
        case Preset::OpenUNeutral:
            s.openPhase = 0;
            s.neutral = true;
            break;
        case Preset::SinglePhase:
            s.singlePhase = true;
            break;
        case Preset::Unbalanced:
            s.amplitude = {1.0, 0.4, 0.7};
            break;
    }
    return s;
}

std::string_view PresetName(Preset preset) { return kPresetNames[static_cast<int>(preset)]; }

std::optional<Preset> FindPreset(std::string_view name) {
    for (const Preset p : kPresets)
        if (PresetName(p) == name) return p;
    return std::nullopt;
}

std::optional<Preset> MatchPreset(const Supply& supply) {
    for (const Preset p : kPresets)
        if (PresetSupply(p) == supply) return p;
    return std::nullopt;
}
