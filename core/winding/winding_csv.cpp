// The windings view's numbers: the air-gap MMF at the step over one mechanical turn, stepped and
// its fundamental, then the spectrum the picture shows.
#include <cmath>
#include <numbers>

#include "explorer/explorer_model.h"
#include "views/view_csv.h"
#include "winding/winding_frame.h"
#include "winding/winding_view.h"

namespace {

// floor(a / b) for b > 0, whatever the sign of a.
int FloorDiv(int a, int b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

}  // namespace

std::string WindingCsv(const WindingSettings& settings, int step) {
    WindingInputs asked;
    asked.winding = settings.winding;
    asked.step = step;
    asked.sequence = settings.sequence;
    const WindingInputs in = ClampWindingInputs(asked);
    const Winding& w = in.winding;
    const AirGapWave wave = AirGapMmf(w, WindingCurrents(ExplorerAngle(in.step), in.sequence));
    Csv csv;
    csv.Table({"angle (mechanical deg)", "MMF stepped (Fc)", "MMF fundamental (Fc)"});
    for (int degrees = 0; degrees <= 360; ++degrees) {
        // Slot k's centre is at (2k + 1) 180°/Q; its level holds up to the next one's, and the
        // last one's on round to the first.
        const int k = FloorDiv(degrees * w.slotCount - 180, 360);
        const double level = k < 0 ? wave.levels.back() : wave.levels[k];
        csv.Row({double(degrees), level,
                 wave.Fundamental(degrees * std::numbers::pi / 180.0, w.PolePairs())});
    }
    csv.Table({"order", "kw", "amplitude (% of fundamental)"});
    const double kw1 = WindingFactor(w, 1);
    for (const int nu : kSpectrumOrders) {
        const double kw = WindingFactor(w, nu);
        csv.Row({double(nu), std::abs(kw), 100.0 * std::abs(kw / (nu * kw1))});
    }
    return csv.Text();
}
