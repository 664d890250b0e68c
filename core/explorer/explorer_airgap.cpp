// The air-gap pane: the MMF around the gap, stepped by the six coil sides, with its fundamental,
// whose peak lies at the resultant's angle and is |F|, both in Fp.
#include <numbers>
#include <vector>

#include "explorer/explorer_layers.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr int kSegments = 72;

// The coil sides around the gap, in degrees, and their phases: each lies 90 degrees from its
// phase's axis, where the wave steps.
constexpr struct {
    int degrees;
    int phase;
} kCoilSides[] = {{30, 1}, {90, 0}, {150, 2}, {210, 1}, {270, 0}, {330, 2}};

}  // namespace

void DrawExplorerAirGap(const ExplorerScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    DrawPaneTitle(scene, pane, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "气隙磁动势")));
    const int legendY = pane.top + scene.Size(14);
    const auto legend = [&](int right, COLORREF colour, int width, std::string_view text) {
        const int x = pane.right - scene.Size(right);
        {
            ScopedPen pen(dc, PS_SOLID, scene.Size(width), colour);
            dc->MoveTo(x, legendY + scene.Size(10));
            dc->LineTo(x + scene.Size(28), legendY + scene.Size(10));
        }
        scene.Text(x + scene.Size(36), legendY, text, 19, kInk);
    };
    legend(330, kWaveColour, 4, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "阶梯波")));
    legend(160, kInk, 2, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "基波")));

    // Whole Fp, the fewest that hold both waves over the period.
    const double largest = std::max(scene.field.AirGapPeak(), std::abs(scene.field.Positive()) +
                                                                  std::abs(scene.field.Negative()));
    const PlotArea plot = PlotIn(scene, pane, std::max(1.0, std::ceil(largest - 1e-9)));
    DrawPlotFrame(scene, plot, "α", "Fp");

    const bool curves = !scene.inputs.hidden.curves;
    if (curves) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(4), kWaveColour);
        // Level between the coil sides, a vertical step at each: the level of the part centred
        // on 0 runs from 330 degrees round to 30.
        const auto level = [&](double alpha, int part) {
            return plot.At(alpha, scene.field.AirGap(part % 6 * kPi / 3.0, scene.theta));
        };
        std::vector<PointF> stairs{level(0.0, 0)};
        for (int part = 0; part < 6; ++part) {
            const double alpha = (30 + 60 * part) * kPi / 180.0;
            stairs.push_back(level(alpha, part));
            stairs.push_back(level(alpha, part + 1));
        }
        stairs.push_back(level(2.0 * kPi, 0));
        dc->Polyline(stairs);
    }
    if (curves) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        std::vector<PointF> wave;
        for (int k = 0; k <= kSegments; ++k) {
            const double alpha = k * 2.0 * kPi / kSegments;
            wave.push_back(plot.At(alpha, scene.field.Fundamental(alpha, scene.theta)));
        }
        dc->Polyline(wave);
    }

    const Phasor f = scene.field.Resultant(scene.theta);
    // Where the fundamental peaks is where the resultant points.
    if (curves && !scene.inputs.hidden.resultant && std::abs(f) >= kMarkerThreshold) {
        double angle = std::arg(f);
        if (angle < 0.0) angle += 2.0 * kPi;
        const int x = plot.X(angle);
        ScopedPen pen(dc, PS_DOT, 1, kInk);
        dc->MoveTo(x, plot.top);
        dc->LineTo(x, plot.bottom);
        scene.Text(x - scene.Size(6), plot.top - scene.Size(24), "F", 20, kInk);
    }

    // Each coil side carries its phase's letter, so that colour is not the only cue.
    static constexpr std::string_view kLetters[] = {"U", "V", "W"};
    ScopedPen outline(dc, PS_SOLID, scene.Size(1.5), RGB(60, 60, 60));
    const int size = scene.Size(17);
    for (const auto& side : kCoilSides) {
        const int x = plot.X(side.degrees * kPi / 180.0);
        ScopedBrush brush(dc, scene.Phase(side.phase));
        DrawDisc(dc, x, plot.bottom, scene.Size(12));
        const std::string_view letter = kLetters[side.phase];
        scene.Text(x - Px(ApproxTextWidth(letter, size) / 2.0), plot.bottom - size / 2, letter, 17,
                   ContrastingInk(scene.Phase(side.phase)));
    }
}
