// The V-curves: the armature current against the field current at P = 0, 2.5, 5, 7.5 and 10 kW,
// each from the field current where it pulls out; the present power's bold with the operating
// point on it, and the unity-power-factor line through their minima, under-excited (lagging) to
// its left and over-excited (leading) to its right. The O-curves show the power factor instead.
#include <climits>
#include <cmath>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "synchronous/synchronous_layers.h"

namespace {

using namespace synchronous;

constexpr double kFieldStep = 0.04;  // A between a curve's points, at most
constexpr double kMostCurrent = 35.0;

}  // namespace

std::optional<double> SynchronousCurveValue(SynchronousCurves curves, double power, double field) {
    const std::optional<double> current = VCurveCurrent(power, field);
    if (!current || curves == SynchronousCurves::V) return current;
    // At P = 0 the power factor is zero wherever any current flows.
    if (power == 0.0 || *current < 1e-9) return power == 0.0 ? 0.0 : 1.0;
    return std::abs(power) / (3.0 * kPhaseVoltage * *current);
}

namespace {

std::vector<PointF> Curve(const SynchronousChart& chart, SynchronousCurves curves, double power) {
    std::vector<PointF> points;
    const double from = PullOutFieldCurrent(power);
    const int count =
        std::max(1, static_cast<int>(std::ceil((kMaxFieldCurrent - from) / kFieldStep)));
    for (int k = 0; k <= count; ++k) {
        const double f = from + (kMaxFieldCurrent - from) * k / count;
        if (const std::optional<double> v = SynchronousCurveValue(curves, power, f))
            points.push_back(chart.At(f, *v));
    }
    return points;
}

}  // namespace

void DrawSynchronousCurves(const SynchronousScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    const SynchronousCurves curves = scene.inputs.curves;
    const bool v = curves == SynchronousCurves::V;
    scene.Title(pane, v ? scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "V 形曲线"))
                        : scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "O 形曲线")));
    const SynchronousChart chart{pane.left + scene.Size(52),
                                 pane.top + scene.Size(62),
                                 pane.right - scene.Size(62),
                                 pane.bottom - scene.Size(58),
                                 0.0,
                                 kMaxFieldCurrent,
                                 0.0,
                                 v ? kMostCurrent : 1.0};
    DrawChartFrame(scene, chart, {0, 1, 2, 3, 4, 5},
                   v ? std::vector<double>{0, 10, 20, 30} : std::vector<double>{0, 0.5, 1},
                   "If / A", v ? "I / A" : "cos φ");

    if (scene.inputs.hidden.curves) return;
    // The power shown bold: the steady state's, or the instant's in a start-up.
    const SynchronousPoint& p = scene.point;
    const double present = std::abs(p.power);
    const int size = scene.Size(14);
    // The present curve, drawn bold over them, and its point; above both goes the figures' heading.
    const bool steady = !(scene.motion && !scene.motion->locked) && p.inStep;
    const std::vector<PointF> bold = steady ? Curve(chart, curves, present) : std::vector<PointF>{};
    const int boldTop = bold.empty() ? INT_MAX : Px(bold.back().y) - scene.Size(7);
    // Each named at its right-hand end, where they meet: from the top down, a line apart.
    int lastLabel = INT_MIN;
    for (auto kw = std::rbegin(kCurvePowers); kw != std::rend(kCurvePowers); ++kw) {
        const std::vector<PointF> points = Curve(chart, curves, *kw * 1000.0);
        {
            ScopedPen pen(dc, PS_SOLID, scene.Size(1.5), RGB(110, 110, 110));
            dc->Polyline(points);
        }
        if (points.empty()) continue;
        const int end = Px(points.back().y);
        const int y =
            lastLabel == INT_MIN ? end - size / 2 : std::max(end - size / 2, lastLabel + size);
        if (lastLabel == INT_MIN)
            scene.Text(chart.right + scene.Size(4), std::min(y, boldTop) - size - scene.Size(2),
                       "P/kW", 14, RGB(90, 90, 90));
        lastLabel = y;
        scene.Text(chart.right + scene.Size(4), y, SynchronousFigure("%g", *kw), 14,
                   RGB(90, 90, 90));
    }

    // Unity power factor: the V-curves' minima, the O-curves' peaks.
    {
        ScopedPen pen(dc, PS_DOT, 1, kEmfColour);
        std::vector<PointF> points;
        for (double kw = 0.0; kw <= kMaxPower + 1e-9; kw += 0.5) {
            const double f = UnityFieldCurrent(kw * 1000.0);
            if (f > kMaxFieldCurrent) break;
            points.push_back(chart.At(f, v ? kw * 1000.0 / (3.0 * kPhaseVoltage) : 1.0));
        }
        dc->Polyline(points);
    }
    // Either side of the minimum, under the field current's figures.
    const int unityX = chart.X(UnityFieldCurrent(0.0));
    const std::string_view lagging = scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "← 欠励：滞后"));
    const std::string_view leading = scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "过励：超前 →"));
    const int hintY = chart.bottom + scene.Size(38);
    scene.Text(std::max(pane.left + scene.Size(4),
                        unityX - scene.Size(6) - Px(ApproxTextWidth(lagging, size))),
               hintY, lagging, 14, kEmfColour);
    scene.Text(unityX + scene.Size(6), hintY, leading, 14, kEmfColour);
    if (v) {
        // Left of the line's top end, above the curves there.
        const std::string_view unity = "cos φ = 1";
        scene.Text(chart.X(UnityFieldCurrent(kMaxPower * 1000.0)) - scene.Size(4) -
                       Px(ApproxTextWidth(unity, size)),
                   chart.Y(kMaxPower * 1000.0 / (3.0 * kPhaseVoltage)) - size / 2, unity, 14,
                   kEmfColour);
    }

    // A start-up has a steady state only once it is locked into step.
    if (scene.motion && !scene.motion->locked) return;
    if (!p.inStep) {
        // In the title's row, clear of the curves.
        const std::string_view note = scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "失步：没有稳态"));
        const int noteSize = scene.Size(15);
        scene.Text(pane.right - scene.Size(14) - Px(ApproxTextWidth(note, noteSize)),
                   pane.top + scene.Size(14), note, 15, kEmfColour);
        return;
    }
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kInk);
        dc->Polyline(bold);
    }
    const double value = v ? std::abs(p.current) : p.PowerFactor();
    ScopedPen outline(dc, PS_SOLID, scene.Size(2), kInk);
    ScopedBrush brush(dc, kPointColour);
    DrawDisc(dc, chart.X(p.fieldCurrent), chart.Y(std::min(value, chart.y1)), scene.Size(7));
}
