#pragma once
// The three-phase supply that the explorer and the motor are fed from: the peaks and phase
// offsets of its three voltages, their sequence, an open phase, the neutral, or a single phase,
// with the presets a class starts from.
#include <array>
#include <complex>
#include <optional>
#include <string_view>

using Phasor = std::complex<double>;

enum class Sequence { Positive, Negative };

constexpr int kNoPhase = -1;  // phases U, V and W are 0, 1 and 2

struct Supply {
    std::array<double, 3> amplitude{1.0, 1.0, 1.0};  // 0..2; 1 is the balanced peak
    std::array<double, 3> offset{0.0, 0.0, 0.0};     // degrees, -180..180
    Sequence sequence = Sequence::Positive;
    int openPhase = kNoPhase;
    // The connection: false is a star without neutral (three wires), whose currents always sum to
    // zero; true joins the star point to the supply's neutral (four wires).
    bool neutral = false;
    // Winding U alone, fed with its own amplitude and offset.
    bool singlePhase = false;
    friend bool operator==(const Supply&, const Supply&) = default;
};

constexpr double kMaxAmplitude = 2.0;
constexpr double kMaxOffset = 180.0;

// The same supply with every value in range; a value that is not a number takes its default.
Supply ClampSupply(const Supply& supply);
// The supply as a user's controls set it: in range, and a single phase with no phase open and no
// neutral, which it does not use.
Supply ControlledSupply(const Supply& supply);

enum class Preset { Balanced, Reversed, OpenU, OpenUNeutral, SinglePhase, Unbalanced };
inline constexpr std::array kPresets{Preset::Balanced,     Preset::Reversed,    Preset::OpenU,
                                     Preset::OpenUNeutral, Preset::SinglePhase, Preset::Unbalanced};

// Their names on the command line, in lesson files and in the page's address, in kPresets' order.
inline constexpr std::string_view kPresetNames[] = {"balanced",       "reversed",     "open-u",
                                                    "open-u-neutral", "single-phase", "unbalanced"};

Supply PresetSupply(Preset preset);
std::string_view PresetName(Preset preset);
std::optional<Preset> FindPreset(std::string_view name);
// The preset whose supply this is, if any.
std::optional<Preset> MatchPreset(const Supply& supply);
