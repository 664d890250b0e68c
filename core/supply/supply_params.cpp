#include "supply/supply_params.h"

namespace {

constexpr std::string_view kSequences[] = {"positive", "negative"};
constexpr std::string_view kPhases[] = {"U", "V", "W"};

}  // namespace

const std::array<ParamSpec, 6> kSupplyParams{{
    {.name = "preset",
     .kind = ParamKind::Choice,
     .choices = kPresetNames,
     .valueName = "NAME",
     .help = "balanced, reversed, open-u, open-u-neutral, single-phase or unbalanced\n"
             "(amplitudes 1, 0.4, 0.7); the options below override it"},
    {.name = "amplitudes",
     .kind = ParamKind::Triple,
     .low = 0.0,
     .high = kMaxAmplitude,
     .example = "1,0.4,0.7",
     .valueName = "A,A,A",
     .help = "the peaks of U, V and W (1 is the balanced peak)"},
    {.name = "offsets",
     .kind = ParamKind::Triple,
     .low = -kMaxOffset,
     .high = kMaxOffset,
     .unit = "°",
     .example = "0,-30,30",
     .valueName = "D,D,D",
     .help = "the phase offsets of U, V and W in degrees, lags"},
    {.name = "sequence",
     .kind = ParamKind::Choice,
     .choices = kSequences,
     .valueName = "SEQ",
     .help = "the phase sequence"},
    {.name = "open",
     .kind = ParamKind::Choice,
     .choices = kPhases,
     .valueName = "PHASE",
     .help = "U, V or W is open; the other two windings are in series"},
    {.name = "neutral",
     .kind = ParamKind::Switch,
     .help = "the star point joined to the neutral (four wires); without it the star has\n"
             "three wires and its currents sum to zero"},
}};

ParamValues SupplyValues(const Supply& supply) {
    ParamValues values;
    const std::optional<Preset> preset = MatchPreset(supply);
    const Preset base =
        preset.value_or(supply.singlePhase ? Preset::SinglePhase : Preset::Balanced);
    if (base != Preset::Balanced) values.emplace_back("preset", std::string(PresetName(base)));
    if (preset) return values;
    const Supply from = PresetSupply(base);
    if (supply.amplitude != from.amplitude) values.emplace_back("amplitudes", supply.amplitude);
    if (supply.offset != from.offset) values.emplace_back("offsets", supply.offset);
    if (supply.sequence != from.sequence)
        values.emplace_back("sequence",
                            std::string(kSequences[supply.sequence == Sequence::Negative]));
    if (supply.openPhase != from.openPhase && supply.openPhase != kNoPhase)
        values.emplace_back("open", std::string(kPhases[supply.openPhase]));
    if (supply.neutral != from.neutral) values.emplace_back("neutral", supply.neutral);
    return values;
}

std::string SupplyFromValues(const ParamValues& given, Supply& supply, std::string_view& blame) {
    const ParamValue* preset = Given(given, "preset");
    const std::string name = preset != nullptr ? std::get<std::string>(*preset) : "balanced";
    Supply s = PresetSupply(FindPreset(name).value_or(Preset::Balanced));
    if (const ParamValue* v = Given(given, "amplitudes"))
        s.amplitude = std::get<std::array<double, 3>>(*v);
    if (const ParamValue* v = Given(given, "offsets"))
        s.offset = std::get<std::array<double, 3>>(*v);
    if (const ParamValue* v = Given(given, "sequence"))
        s.sequence =
            std::get<std::string>(*v) == "negative" ? Sequence::Negative : Sequence::Positive;
    if (const ParamValue* v = Given(given, "open")) {
        if (s.singlePhase) {
            blame = "open";
            return "open cannot be used with preset single-phase";
        }
        s.openPhase = static_cast<int>(std::get<std::string>(*v)[0] - 'U');
    }
    if (const ParamValue* v = Given(given, "neutral")) {
        if (s.singlePhase && std::get<bool>(*v)) {
            blame = "neutral";
            return "neutral cannot be used with preset single-phase";
        }
        s.neutral = std::get<bool>(*v);
    }
    supply = s;
    return {};
}
