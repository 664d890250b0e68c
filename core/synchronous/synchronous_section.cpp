// The cross-section: a 4-pole stator whose field's N and S turn with the drawing's step, and the
// rotor's poles δ/p behind them. The rotor's N faces the field's S, which pulls it round; the
// angle between the two axes is the load angle (half of it in mechanical degrees).
#include <algorithm>
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

struct Point {
    int x;
    int y;
};

Point At(double cx, double cy, double radius, double angle) {
    return {Px(cx + radius * std::cos(angle)), Px(cy - radius * std::sin(angle))};
}

}  // namespace

void DrawSynchronousSection(const SynchronousScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "电机截面：功角 δ")));
    // Room round the machine for the axes' ends and the angle between them.
    const int titleRoom = scene.Size(40), noteRoom = scene.Size(78);
    const double r = std::max(10.0, std::min(pane.Width() / 2.0 - scene.Size(6),
                                             (pane.Height() - titleRoom - noteRoom) / 2.0) /
                                        1.24);
    const double cx = pane.left + pane.Width() / 2.0;
    const double cy = pane.top + titleRoom + (pane.Height() - titleRoom - noteRoom) / 2.0;
    const auto circle = [&](double radius) {
        dc->Ellipse(Px(cx - radius), Px(cy - radius), Px(cx + radius), Px(cy + radius));
    };
    // The field's S pole, into which its flux crosses the gap, and the rotor's N pole behind it.
    const double field = scene.theta / kPolePairs;
    const double rotor = field - scene.point.delta / kPolePairs;
    const bool excited = scene.point.emf > 0.0;
    // Out of step there is no angle to draw: the poles are shown at the pull-out's.
    const bool angled = excited && scene.point.inStep;

    {
        ScopedPen outline(dc, PS_SOLID, scene.Size(2), RGB(90, 90, 90));
        ScopedBrush iron(dc, RGB(226, 226, 226));
        circle(r);
        ScopedBrush bore(dc, kWhite);
        circle(0.74 * r);
    }
    const int letterSize = scene.Size(18);
    const auto pole = [&](Point c, int radius, bool north, bool shown) {
        {
            ScopedPen outline(dc, PS_SOLID, scene.Size(1.5), kInk);
            ScopedBrush brush(dc, !shown  ? RGB(170, 170, 170)
                                  : north ? kNorthColour
                                          : kSouthColour);
            DrawDisc(dc, c.x, c.y, radius);
        }
        if (!shown) return;
        const std::string_view letter = north ? "N" : "S";
        scene.Text(c.x - Px(ApproxTextWidth(letter, letterSize) / 2), c.y - letterSize / 2, letter,
                   18, kWhite);
    };
    const int disc = std::max(4, Px(0.1 * r));
    for (int k = 0; k < 4; ++k)
        pole(At(cx, cy, 0.87 * r, field + k * kPi / 2), disc, k % 2 == 1, true);

    {
        ScopedPen outline(dc, PS_SOLID, scene.Size(2), RGB(90, 90, 90));
        ScopedBrush steel(dc, RGB(205, 205, 205));
        circle(0.68 * r);
    }
    // The axes, out beyond the stator: the field's through its S pole, dotted, and the rotor's
    // through its N pole; δ/p between them. Under the poles, which they pass through.
    const double arc = 1.08 * r;
    {
        ScopedPen pen(dc, PS_DOT, 1, kInk);
        const Point end = At(cx, cy, 1.14 * r, field);
        dc->MoveTo(Px(cx), Px(cy));
        dc->LineTo(end.x, end.y);
    }
    if (angled) {
        const Point inside = At(cx, cy, 0.68 * r, rotor), end = At(cx, cy, 1.14 * r, rotor);
        {
            ScopedPen pen(dc, PS_SOLID, scene.Size(3), kNorthColour);
            dc->MoveTo(Px(cx), Px(cy));
            dc->LineTo(inside.x, inside.y);
        }
        ScopedPen pen(dc, PS_SOLID, 1, kNorthColour);
        dc->LineTo(end.x, end.y);
    }
    const int rotorPole = std::max(4, Px(0.12 * r));
    for (int k = 0; k < 4; ++k)
        pole(At(cx, cy, 0.52 * r, rotor + k * kPi / 2), rotorPole, k % 2 == 0, excited);
    {
        ScopedBrush shaft(dc, RGB(120, 120, 120));
        ScopedPen outline(dc, PS_SOLID, 1, kInk);
        circle(0.09 * r);
    }
    if (angled && std::abs(scene.point.delta) > 0.01) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        const int count = std::max(2, static_cast<int>(std::abs(field - rotor) * arc / 4.0));
        std::vector<PointF> points;
        for (int k = 0; k <= count; ++k) {
            const double a = field + (rotor - field) * k / count;
            points.push_back({cx + arc * std::cos(a), cy - arc * std::sin(a)});
        }
        dc->Polyline(points);
        const int size = scene.Size(18);
        const Point label = At(cx, cy, 1.08 * r + size, (field + rotor) / 2);
        // Kept inside the pane, whose border it would otherwise cross when the axes point sideways.
        const int x = std::clamp(label.x - size / 4, pane.left + size / 4, pane.right - size);
        const int y = std::clamp(label.y - size / 2, pane.top + titleRoom, pane.bottom - size);
        scene.Text(x, y, "δ", 18, kInk);
    }

    // What the picture shows, under it.
    const int y0 = pane.bottom - noteRoom + scene.Size(4);
    const int x0 = pane.left + scene.Size(14);
    std::string angle;
    if (!excited)
        angle = scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "励磁断开：转子无磁极"));
    else if (!scene.point.inStep)
        angle = scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "失步：转子跟不上磁场"));
    else if (scene.inputs.hidden.readouts)
        angle = "δ = " + std::string(kHiddenValue);
    else
        angle = "δ = " + SynchronousFigure("%.1f", scene.point.delta * kDegrees) + "°";
    scene.Text(x0, y0, angle, 18, kInk);
    std::string speeds;
    if (scene.motion)
        speeds = std::string(scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "磁场 1500 rpm，转子 "))) +
                 (scene.inputs.hidden.readouts
                      ? std::string(kHiddenValue)
                      : SynchronousFigure("%.0f", scene.motion->speed) + " rpm");
    else if (scene.point.inStep)
        speeds = scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "磁场与转子同以 1500 rpm 旋转"));
    scene.Text(x0, y0 + scene.Size(25), speeds, 15, kInk);
    scene.Text(x0, y0 + scene.Size(46),
               scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "4 极：两轴之间的机械角是 δ/2")), 14,
               RGB(90, 90, 90));
}
