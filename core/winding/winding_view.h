#pragma once
// The windings view's settings beside its step.
#include <string>
#include <vector>

#include "winding/winding_model.h"

struct WindingSettings {
    Winding winding;
    Sequence sequence = Sequence::Positive;
    double frequency = kDefaultFrequency;
    bool fluxLines = true;
    friend bool operator==(const WindingSettings&, const WindingSettings&) = default;
};

// The slot counts a winding of `poles` poles may have: 6pq, q from 1 to 4.
std::vector<int> SlotCountsFor(int poles);
// The air-gap MMF at the step over one mechanical turn, stepped and its fundamental, then the
// spectrum, as CSV.
std::string WindingCsv(const WindingSettings& settings, int step);
// The pitches a winding may have: 1 up to the pole pitch with two layers, the pole pitch alone
// with one.
std::vector<int> PitchesFor(const Winding& winding);
