// The phasor pane: the supply voltage as the reference, the two winding currents and the line
// current that is their sum, with the angle by which I_a leads I_m marked. 90° is what a
// circular field needs.
#include <cmath>
#include <numbers>

#include "capacitor_motor/capacitor_motor_layers.h"

namespace {

constexpr double kPi = std::numbers::pi;

struct Point {
    int x;
    int y;
};

// The smallest of 1, 2, 5, 10, 20 ... at or above `value`.
double NiceStep(double value) {
    for (double decade = 1.0;; decade *= 10.0)
        for (const double m : {1.0, 2.0, 5.0})
            if (m * decade >= value) return m * decade;
}

}  // namespace

void DrawCapacitorMotorPhasors(const CapacitorMotorScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    const std::string_view title = scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "相量图"));
    scene.Title(pane, title);
    const CapacitorMotorPoint& p = scene.point;

    const int titleRoom = scene.Size(36), noteRoom = scene.Size(50);
    const int cx = pane.left + Px(pane.Width() / 2.0);
    const int cy = pane.top + titleRoom + Px((pane.Height() - titleRoom - noteRoom) / 2.0);
    const double radius =
        0.46 * std::min(pane.Width(), pane.Height() - titleRoom - noteRoom) - scene.Size(8);
    const double largest = std::max({std::abs(p.main), std::abs(p.aux), std::abs(p.line)});
    const double perAmpere = largest > 0.0 ? radius / largest : 0.0;
    const auto tip = [&](Phasor v, double scale) {
        return Point{Px(cx + scale * v.real()), Px(cy - scale * v.imag())};
    };

    LabelPlacer labels(
        {double(pane.left), double(pane.top), double(pane.right), double(pane.bottom)});
    const int titleSize = scene.Size(20);
    labels.AddBox({double(pane.left), double(pane.top),
                   pane.left + scene.Size(12) + ApproxTextWidth(title, titleSize),
                   double(pane.top + scene.Size(8) + titleSize)});
    labels.AddBox({double(pane.left), double(pane.bottom - noteRoom), double(pane.right),
                   double(pane.bottom)});
    {
        ScopedPen axes(dc, PS_DOT, 1, kGridColour);
        dc->MoveTo(Px(cx - radius), cy);
        dc->LineTo(Px(cx + radius), cy);
        dc->MoveTo(cx, Px(cy - radius));
        dc->LineTo(cx, Px(cy + radius));
    }

    // The line current as the sum: dotted sides of the parallelogram from each winding's tip.
    const Point main = tip(p.main, perAmpere), aux = tip(p.aux, perAmpere);
    const Point line = tip(p.line, perAmpere);
    if (p.auxConnected) {
        ScopedPen dotted(dc, PS_DOT, 1, kInk);
        dc->MoveTo(main.x, main.y);
        dc->LineTo(line.x, line.y);
        // A reversed winding draws -I_a from the supply.
        const Point side = tip(scene.inputs.reverseAux ? -p.aux : p.aux, perAmpere);
        dc->MoveTo(side.x, side.y);
        dc->LineTo(line.x, line.y);
    }

    // The angle from I_m to I_a, counter-clockwise when I_a leads.
    const double angle = p.auxConnected ? std::arg(p.aux / p.main) : 0.0;
    if (p.auxConnected && std::abs(angle) > 1e-3) {
        const double r = 0.3 * radius, from = std::arg(p.main);
        constexpr int kSegments = 24;
        ScopedPen arc(dc, PS_SOLID, scene.Size(2), kInk);
        Point from0{};
        for (int k = 0; k <= kSegments; ++k) {
            const Point q = tip(std::polar(r, from + angle * k / kSegments), 1.0);
            if (k == 0) {
                dc->MoveTo(q.x, q.y);
            } else {
                dc->LineTo(q.x, q.y);
                labels.AddStroke(from0.x, from0.y, q.x, q.y, scene.Size(2));
            }
            from0 = q;
        }
    }

    const int head = scene.Size(14);
    const Point voltage = tip({1.0, 0.0}, radius);
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kInk);
        DrawArrow(dc, cx, cy, voltage.x, voltage.y, head, &labels, scene.Size(3));
    }
    struct Arrow {
        Point end;
        COLORREF colour;
        int width;
        bool shown;
    };
    // Without the auxiliary winding the line current is I_m: one arrow, named for both.
    const Arrow arrows[] = {{line, kLineCurrentColour, 5, p.auxConnected},
                            {main, scene.Main(), 4, true},
                            {aux, scene.Aux(), 4, p.auxConnected}};
    for (const Arrow& a : arrows) {
        if (!a.shown) continue;
        ScopedPen pen(dc, PS_SOLID, scene.Size(a.width), a.colour);
        DrawArrow(dc, cx, cy, a.end.x, a.end.y, head, &labels, scene.Size(a.width));
    }

    const int letterSize = scene.Size(20);
    const auto letter = [&](Point end, std::string_view text, COLORREF colour) {
        const double dx = end.x - cx, dy = end.y - cy, length = std::hypot(dx, dy);
        if (length < 1.0) return;
        const double width = ApproxTextWidth(text, letterSize);
        const LabelPlacer::Place q = labels.Put(end.x, end.y, dx / length, dy / length,
                                                scene.Size(8) + 0.5 * width, width, letterSize);
        scene.Text(q.x, q.y, text, 20, colour);
    };
    letter(voltage, "V", kInk);
    letter(main, p.auxConnected ? "Im" : "Im = I", scene.Main());
    if (p.auxConnected) {
        letter(aux, "Ia", scene.Aux());
        letter(line, "I", kLineCurrentColour);
    }
    if (p.auxConnected && std::abs(angle) > 1e-3) {
        const std::string text = CapacitorMotorFigure(angle * 180.0 / kPi, "%.1f") + "°";
        const double mid = std::arg(p.main) + angle / 2.0;
        const double width = ApproxTextWidth(text, scene.Size(17));
        const LabelPlacer::Place q = labels.Put(
            cx + 0.3 * radius * std::cos(mid), cy - 0.3 * radius * std::sin(mid), std::cos(mid),
            -std::sin(mid), scene.Size(6) + 0.5 * width, width, scene.Size(17));
        scene.Text(q.x, q.y, text, 17, kInk);
    }

    // The currents' scale, and what a circular field needs.
    const double step = NiceStep(0.5 * largest);
    const int bar = Px(step * perAmpere);
    const int x = pane.left + scene.Size(14), y = pane.bottom - noteRoom + scene.Size(4);
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        dc->MoveTo(x, y + scene.Size(8));
        dc->LineTo(x + bar, y + scene.Size(8));
        for (const int end : {x, x + bar}) {
            dc->MoveTo(end, y + scene.Size(3));
            dc->LineTo(end, y + scene.Size(13));
        }
    }
    scene.Text(x + bar + scene.Size(8), y, CapacitorMotorFigure(step) + " A", 15, kInk);
    scene.Text(
        x, y + scene.Size(22),
        scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "圆形磁场：Ia 超前 Im 90°，磁动势相等")), 14,
        RGB(90, 90, 90));
}
