// The synchronous machine's numbers: its power against the load angle and the V-curves (or
// O-curves) of the picture, or a start-up against time.
#include <numbers>

#include "synchronous/synchronous_view.h"
#include "views/view_csv.h"

namespace {

using namespace synchronous;

constexpr double kDegrees = 180.0 / std::numbers::pi;

}  // namespace

std::string SynchronousCsv(const SynchronousSettings& s) {
    Csv csv;
    if (s.time) {
        SynchronousRun run({s.fieldCurrent, s.inertia, s.damper, s.load, s.fieldOn, s.start});
        run.At(*s.time);
        csv.Table({"time (s)", "speed (rpm)", "load angle (deg)"});
        for (const SynchronousSample& m : run.Samples())
            csv.Row({m.time, m.speed, m.delta * kDegrees});
        return csv.Text();
    }
    csv.Table({"load angle (deg)", "P (kW)"});
    for (int degrees = -180; degrees <= 180; ++degrees)
        csv.Row({double(degrees), SynchronousAt(s.fieldCurrent, degrees / kDegrees).power / 1000});
    const bool v = s.curves == SynchronousCurves::V;
    std::vector<std::string> columns{"If (A)"};
    for (const double kw : kCurvePowers)
        columns.push_back((v ? "I at " : "cos phi at ") + CsvNumber(kw) + " kW" +
                          (v ? " (A)" : ""));
    csv.Table(columns);
    // Every 0.05 A, the curves' points from 0 to 5 A; a field too weak for the power has none.
    for (int k = 0; k <= 100; ++k) {
        const double field = kMaxFieldCurrent * k / 100;
        std::vector<std::optional<double>> row{field};
        for (const double kw : kCurvePowers)
            row.push_back(SynchronousCurveValue(s.curves, kw * 1000, field));
        csv.Row(row);
    }
    return csv.Text();
}
