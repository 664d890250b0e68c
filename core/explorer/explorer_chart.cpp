// The chart pane: the three winding currents over one period, with the present instant marked.
#include <numbers>
#include <vector>

#include "explorer/explorer_layers.h"

namespace {

constexpr std::string_view kLetters[] = {"U", "V", "W"};

// The curves are drawn from 72 points a period, each computed afresh.
constexpr int kSegments = 72;

}  // namespace

void DrawExplorerChart(const ExplorerScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    DrawPaneTitle(scene, pane, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "绕组电流")));
    LabelPlacer labels(
        {double(pane.left), double(pane.top), double(pane.right), double(pane.bottom)});
    const int letterSize = scene.Size(22);
    for (int x = 0; x < 3; ++x) {
        const int left = pane.right - scene.Size(130 - 40 * x), top = pane.top + scene.Size(10);
        scene.Text(left, top, kLetters[x], 22, scene.Phase(x));
        labels.AddBox({double(left), double(top), left + ApproxTextWidth(kLetters[x], letterSize),
                       double(top + letterSize)});
    }

    // Up to the balanced peak the scale is 1; a larger current doubles it, so that the curves
    // of the usual cases keep their height and no case leaves the chart.
    double largest = 0.0;
    for (const Phasor& winding : scene.field.Windings())
        largest = std::max(largest, std::abs(winding));
    const PlotArea plot = PlotIn(scene, pane, largest <= 1.0 + 1e-9 ? 1.0 : 2.0);
    DrawPlotFrame(scene, plot, "θ");

    for (int x = 0; x < 3 && !scene.inputs.hidden.curves; ++x) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), scene.Phase(x));
        std::vector<PointF> curve;
        for (int k = 0; k <= kSegments; ++k) {
            const double theta = k * 2.0 * std::numbers::pi / kSegments;
            curve.push_back(plot.At(theta, scene.field.Currents(theta)[x]));
        }
        dc->Polyline(curve);
    }

    // Each curve's letter over its highest point away from the ends, so that colour is not the
    // only cue; curves that coincide have their letters side by side.
    for (int x = 0; x < 3 && !scene.inputs.hidden.curves; ++x) {
        int best = kSegments / 12;
        for (int k = best; k <= kSegments - kSegments / 12; ++k)
            if (scene.field.Currents(k * 2.0 * std::numbers::pi / kSegments)[x] >
                scene.field.Currents(best * 2.0 * std::numbers::pi / kSegments)[x] + 1e-9)
                best = k;
        const double theta = best * 2.0 * std::numbers::pi / kSegments;
        const double width = ApproxTextWidth(kLetters[x], letterSize);
        const LabelPlacer::Place p =
            labels.Put(plot.X(theta), plot.Y(scene.field.Currents(theta)[x]), 0.0, -1.0,
                       scene.Size(6) + 0.5 * letterSize, width, letterSize);
        scene.Text(p.x, p.y, kLetters[x], 22, scene.Phase(x));
    }

    const int now = plot.X(scene.theta);
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        dc->MoveTo(now, plot.top);
        dc->LineTo(now, plot.bottom);
    }
    const std::array<double, 3> current = scene.field.Currents(scene.theta);
    ScopedPen outline(dc, PS_SOLID, scene.Size(1.5), kInk);
    for (int x = 0; x < 3; ++x) {
        ScopedBrush brush(dc, scene.Phase(x));
        DrawDisc(dc, now, plot.Y(current[x]), scene.Size(6));
    }
}
