#pragma once
#include <string>

// The values a program of old stored for 10 and 120 degrees; the signs of the near-zero phase
// values (and so the markers and readouts) depend on them, so they are kept as they are.
constexpr double STEP_ANGLE = 0.17453292519943334;
constexpr double PHASE_SHIFT = 2.0943951023932;
constexpr double PEAK_LENGTH = 70.0;
constexpr double READOUT_SCALE = 0.014285714285714285;
constexpr int MAX_STEP = 72;

struct PhaseValues {
    double Fu;
    double Fv;
    double Fw;
};

PhaseValues ComputePhases(int step);

struct Readouts {
    std::string phaseAngle;
    std::string ampU;
    std::string ampV;
    std::string ampW;
    friend bool operator==(const Readouts&, const Readouts&) = default;
};

Readouts FormatReadouts(int step, const PhaseValues& f);
