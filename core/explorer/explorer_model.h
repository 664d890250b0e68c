#pragma once
// The explorer's model: a three-phase supply that may be reversed, unbalanced or broken, the
// currents it drives in the three stator windings, and the MMF they make: the resultant, its two
// rotating components and the stepped wave around the air gap. MMF is in units of Fp, one
// phase's peak; angles are in radians, counter-clockwise from U's axis, with the exact pi.
#include <array>
#include <complex>
#include <optional>
#include <string_view>

using Phasor = std::complex<double>;

// One period of the supply, 10 electrical degrees a step.
constexpr int kExplorerSteps = 36;

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

Supply PresetSupply(Preset preset);
// The preset's name on the command line: balanced, reversed, open-u, ...
std::string_view PresetName(Preset preset);
std::optional<Preset> FindPreset(std::string_view name);
// The preset whose supply this is, if any.
std::optional<Preset> MatchPreset(const Supply& supply);

// The electrical angle of a step, step * pi / 18.
double ExplorerAngle(int step);
// The step within one period: 36 is 0 again, -1 is 35.
int WrapExplorerStep(int step);

enum class Rotation { CounterClockwise, Clockwise, Pulsating, None };

// A rotating component smaller than this, in Fp, is no field: below what the readouts show.
constexpr double kNoField = 0.005;

class ExplorerField {
  public:
    explicit ExplorerField(const Supply& supply);

    // The winding currents as phasors: i_x(theta) = Re(I_x e^(j theta)).
    const std::array<Phasor, 3>& Windings() const { return m_windings; }
    // F+ turns counter-clockwise, F- clockwise: F(theta) = F+ e^(j theta) + F- e^(-j theta).
    Phasor Positive() const { return m_positive; }
    Phasor Negative() const { return m_negative; }
    Rotation Direction() const;

    std::array<double, 3> Currents(double theta) const;
    // The sum of the three phase MMF vectors, x to the right and y up.
    Phasor Resultant(double theta) const;
    // The MMF at air-gap angle beta: each phase adds +(pi/4) i within 90 degrees of its axis and
    // -(pi/4) i elsewhere, the square wave whose fundamental peaks at i Fp.
    double AirGap(double beta, double theta) const;
    // The wave's fundamental, |F| cos(beta - arg F).
    double Fundamental(double beta, double theta) const;

    // The largest winding current and the largest value of the air-gap wave, each over a period.
    double CurrentPeak() const;
    double AirGapPeak() const;

  private:
    std::array<Phasor, 3> m_windings;
    Phasor m_positive;
    Phasor m_negative;
};

// The axis of phase x as a unit vector: U at 0, V at 120 and W at 240 degrees.
Phasor PhaseAxis(int phase);
