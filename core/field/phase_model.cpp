#include "field/phase_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

PhaseValues ComputePhases(int step) {
    const double theta = static_cast<double>(step) * STEP_ANGLE;
    return {std::cos(theta) * PEAK_LENGTH, std::cos(theta - PHASE_SHIFT) * PEAK_LENGTH,
            std::cos(theta + PHASE_SHIFT) * PEAK_LENGTH};
}

double ResultantDirection(const PhaseValues& f) {
    const double x = f.Fu - 0.5 * (f.Fv + f.Fw);
    const double y = std::sqrt(3.0) / 2 * (f.Fv - f.Fw);
    const double degrees = std::atan2(y, x) * 180.0 / std::acos(-1.0);
    return degrees < 0 ? degrees + 360.0 : degrees;
}

namespace {
std::string Format(const char* format, auto... args) {
    char buffer[64];
    const int n = std::snprintf(buffer, sizeof buffer, format, args...);
    return n < 0 ? std::string() : std::string(buffer, std::min<size_t>(n, sizeof buffer - 1));
}
}  // namespace

Readouts FormatReadouts(int step, const PhaseValues& f) {
    // "%.2f" keeps the sign of a tiny negative value, which reads -0.00.
    return {Format("%d*π/18=%lld°", step, 10LL * step), Format("%.2f", f.Fu * READOUT_SCALE),
            Format("%.2f", f.Fv * READOUT_SCALE), Format("%.2f", f.Fw * READOUT_SCALE)};
}
