#pragma once
// The supply's parameters, as the explorer and the motor both take them: a preset, then the
// peaks, offsets, sequence, open phase and neutral in its place.
#include <array>
#include <string>
#include <string_view>

#include "supply/supply.h"
#include "views/view_params.h"

extern const std::array<ParamSpec, 6> kSupplyParams;

// The supply of the values given: the preset's (balanced when none), with the values given in its
// place. Returns the reason they cannot go together, or "", with the parameter to blame.
std::string SupplyFromValues(const ParamValues& given, Supply& supply, std::string_view& blame);
// The fewest values that give `supply` back through SupplyFromValues: its preset when it is one,
// else what differs from the balanced supply (or from the single phase).
ParamValues SupplyValues(const Supply& supply);
