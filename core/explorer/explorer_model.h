#pragma once
// The explorer's model: a three-phase supply that may be reversed, unbalanced or broken, the
// currents it drives in the three stator windings, and the MMF they make: the resultant, its two
// rotating components and the stepped wave around the air gap. MMF is in units of Fp, one
// phase's peak; angles are in radians, counter-clockwise from U's axis, with the exact pi.
#include <array>
#include <complex>

#include "supply/supply.h"

// One period of the supply, 10 electrical degrees a step.
constexpr int kExplorerSteps = 36;



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
