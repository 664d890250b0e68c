#pragma once
// The supply controls the explorer and the motor share on the page: the supply as they set it,
// and as they show it back.
#include "page_json.h"
#include "supply/supply.h"

// The supply as the controls give it, before the view's own rule for controls.
inline Supply PageSupply(double amplitudeU, double amplitudeV, double amplitudeW, double offsetU,
                         double offsetV, double offsetW, int negative, int openPhase, int neutral,
                         int singlePhase) {
    Supply s;
    s.amplitude = {amplitudeU, amplitudeV, amplitudeW};
    s.offset = {offsetU, offsetV, offsetW};
    s.sequence = negative != 0 ? Sequence::Negative : Sequence::Positive;
    s.singlePhase = singlePhase != 0;
    s.openPhase = openPhase;
    s.neutral = neutral != 0;
    return s;
}

// The preset box's place (one past the presets for a supply of none) and the supply's values.
inline Json& AddSupply(Json& json, const Supply& s) {
    const std::optional<Preset> preset = MatchPreset(s);
    return json
        .Number("preset", preset ? static_cast<int>(*preset) : static_cast<int>(kPresets.size()))
        .Numbers("amplitude", s.amplitude)
        .Numbers("offset", s.offset)
        .Bool("negative", s.sequence == Sequence::Negative)
        .Number("openPhase", s.openPhase)
        .Bool("neutral", s.neutral)
        .Bool("singlePhase", s.singlePhase);
}
