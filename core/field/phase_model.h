#pragma once
#include <string>

// The main window's stored values for 10 and 120 degrees, a little off pi/18 and 2*pi/3. Where a
// phase crosses zero they decide its sign, and with it the marker, the pen width and the -0.00 or
// 0.00 of the readout: every frame and trace the window has ever shown follows from them, so they
// are kept as they are rather than recomputed.
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

// Where the resultant of the three phase MMFs points: degrees from U's axis, counter-clockwise,
// 0 to 360.
double ResultantDirection(const PhaseValues& f);

struct Readouts {
    std::string phaseAngle;
    std::string ampU;
    std::string ampV;
    std::string ampW;
    friend bool operator==(const Readouts&, const Readouts&) = default;
};

Readouts FormatReadouts(int step, const PhaseValues& f);
