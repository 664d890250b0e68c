#pragma once
// The windings view's model: a three-phase, integral-slot winding with 60-degree belts, the
// currents in its slots, the stepped air-gap MMF with its harmonics, and the flux lines of the
// slot currents in a machine with ideal iron. Angles are in radians, counter-clockwise from U's
// axis. MMF is in F_c, the peak fundamental of one phase wound as concentrated, full-pitch coils
// with the same turns: the same unit for every winding, so that one phase's fundamental is k_w1
// and the balanced three's is 1.5 k_w1.
#include <array>
#include <complex>
#include <memory>
#include <optional>
#include <vector>

#include "explorer/explorer_model.h"

struct Winding {
    int poles = 2;      // 2p: 2, 4, 6 or 8
    int slotCount = 6;  // Q = 6pq, q from 1 to 4
    int layers = 1;     // 1 or 2
    int pitch = 3;      // y in slots, 1..tau; a single layer is full-pitch
    int PolePairs() const { return poles / 2; }
    int SlotsPerPolePhase() const { return slotCount / (3 * poles); }
    int PolePitch() const { return slotCount / poles; }  // tau = 3q slots
    friend bool operator==(const Winding&, const Winding&) = default;
};

constexpr double kMinFrequency = 1.0;
constexpr double kMaxFrequency = 400.0;
constexpr double kDefaultFrequency = 50.0;

// Whether the winding can be built: the poles listed, Q = 6pq with q from 1 to 4, one or two
// layers, 1 <= y <= tau, and a single layer full-pitch.
bool IsValidWinding(const Winding& winding);
// The winding brought into range: poles, then slots, then layers and pitch.
Winding ValidWinding(const Winding& winding);

// Some of a winding's values given anew, as on a command line or in an address: new poles or
// slots, or a single layer, bring the full pitch unless a pitch is given too. Not checked.
struct WindingChange {
    std::optional<int> poles;
    std::optional<int> slotCount;
    std::optional<int> layers;
    std::optional<int> pitch;
};
Winding ChangedWinding(const Winding& base, const WindingChange& change);
// The winding as a user's controls set it, from the one shown before: new poles keep q, new
// slots or a single layer bring the full pitch, and the result is always valid.
Winding ControlledWinding(const Winding& before, const Winding& asked);

enum class WindingPreset { Explorer, FourPoleFull, FourPoleShort, TwoPoleShort };
inline constexpr std::array kWindingPresets{WindingPreset::Explorer, WindingPreset::FourPoleFull,
                                            WindingPreset::FourPoleShort,
                                            WindingPreset::TwoPoleShort};
Winding PresetWinding(WindingPreset preset);
// Its name on the command line and in the page's address: explorer, 4-pole-full, ...
const char* WindingPresetName(WindingPreset preset);

// One side of a coil in a slot: phase 0..2 (U, V, W) and +1 (out of the page for a positive
// current) or -1.
struct Conductor {
    int phase = 0;
    int sign = 1;
    friend bool operator==(const Conductor&, const Conductor&) = default;
};
// A single-layer slot holds the same conductor in both.
struct SlotConductors {
    Conductor top;
    Conductor bottom;
    friend bool operator==(const SlotConductors&, const SlotConductors&) = default;
};
std::vector<SlotConductors> ZonePlan(const Winding& winding);

// The mechanical angle of slot k's centre.
double SlotAngle(const Winding& winding, int slot);

// Winding factors for the harmonic nu (of the electrical period), with their signs.
double DistributionFactor(int q, int nu);
double PitchFactor(int pitch, int tau, int nu);
double WindingFactor(const Winding& winding, int nu);

// i_U, i_V, i_W at the electrical angle theta; a negative sequence swaps V and W.
std::array<double, 3> WindingCurrents(double theta, Sequence sequence);

// The slots' ampere-conductors for the currents, each layer carrying half in a two-layer winding.
std::vector<double> SlotCurrents(const Winding& winding, const std::array<double, 3>& currents);

struct AirGapWave {
    // levels[k]: the MMF from slot k's centre to the next one's, in F_c, with zero mean.
    std::vector<double> levels;
    double fundamental = 0;  // amplitude, F_c
    double peakAngle = 0;    // mechanical angle of a peak of the fundamental, in [0, 2pi/p)
    double thd = 0;          // sqrt(2 mean(F^2) / F1^2 - 1)
    // The fundamental at the mechanical angle phi.
    double Fundamental(double phi, int polePairs) const {
        return fundamental * std::cos(polePairs * (phi - peakAngle));
    }
};
AirGapWave AirGapMmf(const Winding& winding, const std::array<double, 3>& currents);

// The radii of the cross-section, the bore's being 1.
constexpr double kRotorRadius = 0.93;
constexpr double kStatorRadius = 1.55;
constexpr double kSlotDepth = 0.24;
// The slot opening, over which a slot's current is spread on the bore, as a share of a slot pitch.
constexpr double kSlotOpening = 0.5;

// A_z of the slot currents in a machine with infinitely permeable rotor and stator iron, a
// uniform gap between kRotorRadius and the bore, each slot's current spread over its opening on
// the bore and A_z = 0 on the stator's outer surface. One series, harmonic in r and phi in each
// region, for phase U with unit current; V and W are U turned by 120 and 240 electrical degrees.
class WindingField {
  public:
    explicit WindingField(const Winding& winding);

    const Winding& Of() const { return m_winding; }
    // A_z at (r, phi) of the three currents, summed from the series.
    double Potential(const std::array<double, 3>& currents, double r, double phi) const;

    // A sampled on a polar grid: radii() by every angle step 2pi / Columns(), row by row.
    const std::vector<double>& Radii() const { return m_radii; }
    int Columns() const { return m_columns; }
    // cos and sin of each column's angle, worked out once.
    const std::vector<std::array<double, 2>>& Turns() const { return m_turns; }
    // The grid's values for the currents, into `out` (resized to Radii().size() * Columns()).
    void Sample(const std::array<double, 3>& currents, std::vector<double>& out) const;
    // The spacing of the drawn levels: a fixed share of the balanced field's largest A.
    double LevelStep() const { return m_levelStep; }

  private:
    double PhaseU(double r, double phi) const;

    Winding m_winding;
    std::vector<int> m_orders;                  // harmonics n with a coefficient
    std::vector<std::complex<double>> m_sheet;  // K_n of phase U
    std::vector<double> m_radii;
    int m_columns = 0;
    int m_period = 0;  // columns per electrical period
    std::vector<std::array<double, 2>> m_turns;
    std::vector<double> m_phaseU;  // one electrical period: m_radii.size() x m_period
    double m_levelStep = 1;
};

// The field of a winding, computed once and kept for the windings drawn most recently.
std::shared_ptr<const WindingField> FieldOf(const Winding& winding);
