// Power against the load angle, -180° to 180°: P = Pmax sin δ for the present field current, solid
// where it is stable and dashed where it is not, the pull-out marked at its peaks, the power asked
// for as a line, and the operating point where they meet. Out of step the line runs above the
// peak, and the pane says so.
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "synchronous/synchronous_layers.h"

namespace {

using namespace synchronous;

constexpr double kPi = std::numbers::pi;
constexpr double kDegrees = 180.0 / kPi;

}  // namespace

void DrawSynchronousPower(const SynchronousScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "功率–功角特性")));
    const SynchronousPoint& p = scene.point;
    const double peak = p.pullOut / 1000.0;  // kW
    const double asked = scene.motion ? p.power / 1000.0 : scene.inputs.power;
    const double full = 5.0 * std::ceil(1.1 * std::max({peak, std::abs(asked), 4.0}) / 5.0);
    const SynchronousChart chart{pane.left + scene.Size(52),
                                 pane.top + scene.Size(62),
                                 pane.right - scene.Size(20),
                                 pane.bottom - scene.Size(40),
                                 -180.0,
                                 180.0,
                                 -full,
                                 full};
    // Ticks at whole fives or tens, whose labels fit left of the chart as halves like −12.5 do not.
    const double tick = full <= 20.0 ? 5.0 : 10.0;
    std::vector<double> powers;
    for (double v = -tick * std::floor(full / tick); v <= full + 1e-9; v += tick)
        powers.push_back(v);
    DrawChartFrame(scene, chart, {-180, -90, 0, 90, 180}, powers, "δ / °", "P / kW");

    if (scene.inputs.hidden.curves) return;
    // The curve in three pieces: dashed beyond ±90°, where a rise in δ brings less power.
    const auto piece = [&](double from, double to) {
        std::vector<PointF> points;
        for (double d = from; d <= to + 1e-9; d += 2.0)
            points.push_back(chart.At(d, peak * std::sin(d / kDegrees)));
        return points;
    };
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kLocusColour);
        for (const auto& [from, to] : {std::pair{-180.0, -90.0}, std::pair{90.0, 180.0}})
            DrawDashedCurve(dc, piece(from, to), scene.Size(6));
    }
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kInk);
        dc->Polyline(piece(-90.0, 90.0));
    }
    const int size = scene.Size(15);
    if (peak > 0.0) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kEmfColour);
        const int d = scene.Size(6);
        for (const double sign : {1.0, -1.0}) {
            const int x = chart.X(90.0 * sign), y = chart.Y(peak * sign);
            dc->MoveTo(x - d, y - d);
            dc->LineTo(x + d, y + d);
            dc->MoveTo(x + d, y - d);
            dc->LineTo(x - d, y + d);
        }
        // Named in the quarter the curve leaves empty, on the side away from the power asked for.
        const bool below = asked >= 0.0;
        const int x = chart.X(below ? 8.0 : -172.0), y = chart.Y((below ? -0.75 : 0.75) * full);
        scene.Text(x, y - size,
                   "× " + std::string(scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "失步功率"))), 15,
                   kEmfColour);
        scene.Text(x, y + scene.Size(2), "±" + SynchronousFigure("%.2f", peak) + " kW", 15,
                   kEmfColour);
    }
    // The power asked for, across the whole chart, named at its right-hand end on the side away
    // from the curve.
    if (!scene.motion) {
        {
            ScopedPen pen(dc, PS_SOLID, scene.Size(2), kLoadColour);
            double phase = 0.0;
            DrawDashed(dc, chart.left, chart.Y(asked), chart.right, chart.Y(asked), scene.Size(4),
                       phase);
        }
        const std::string_view name = scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "要求的 P"));
        const int y =
            asked >= 0.0 ? chart.Y(asked) - size - scene.Size(3) : chart.Y(asked) + scene.Size(3);
        scene.Text(chart.right - Px(ApproxTextWidth(name, size)), y, name, 15, kLoadColour);
    }
    if (!p.inStep) {
        // In the title's row: the space under the peak is the curve's.
        const std::string_view note = scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "失步：没有稳态"));
        const int noteSize = scene.Size(15);
        scene.Text(pane.right - scene.Size(14) - Px(ApproxTextWidth(note, noteSize)),
                   pane.top + scene.Size(14), note, 15, kEmfColour);
        return;
    }
    ScopedPen outline(dc, PS_SOLID, scene.Size(2), kInk);
    ScopedBrush brush(dc, kPointColour);
    DrawDisc(dc, chart.X(p.delta * kDegrees), chart.Y(p.power / 1000.0), scene.Size(7));
}
