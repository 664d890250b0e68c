// The windings pane: the main and the auxiliary winding in cross-section with their currents now,
// their MMF vectors, the resultant on its elliptical locus, and its two rotating components tip
// to tail as the explorer draws them.
//
// The main winding's axis points up and the auxiliary's right, 90 electrical degrees clockwise
// of it: with I_a' = j (I_f - I_b) the forward component then turns counter-clockwise, the way
// a positive speed turns, as in the explorer and the motor view.
#include <cstdio>
#include <numbers>

#include "capacitor_motor/capacitor_motor_layers.h"

namespace {

constexpr double kSqrt2 = std::numbers::sqrt2;

struct Point {
    int x;
    int y;
};

// A vector of the model (x right, y up), `length` pixels per ampere, from (cx, cy) on screen.
Point Tip(int cx, int cy, double length, Phasor v) {
    return {Px(cx + length * v.real()), Px(cy - length * v.imag())};
}

// The MMF in amperes of main-winding turns, x along the auxiliary axis and y along the main:
// F = i_a' + j i_m = F+ e^(j theta) + F- e^(-j theta), with F+ = j sqrt2 I_f, F- = j sqrt2 I_b*.
struct Field {
    Phasor main;  // I_m
    Phasor aux;   // I_a' = a I_a
    Phasor forward;
    Phasor backward;
    double MainNow(double theta) const { return kSqrt2 * (main * std::polar(1.0, theta)).real(); }
    double AuxNow(double theta) const { return kSqrt2 * (aux * std::polar(1.0, theta)).real(); }
    Phasor At(double theta) const { return {AuxNow(theta), MainNow(theta)}; }
    Phasor Positive(double theta) const {
        return Phasor(0.0, kSqrt2) * forward * std::polar(1.0, theta);
    }
};

std::string Amperes(const char* name, double value) {
    return std::string(name) + " = " + CapacitorMotorFigure(value, "%.2f") + " A";
}

}  // namespace

void DrawCapacitorMotorWindings(const CapacitorMotorScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    const std::string_view title = scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "绕组与磁动势"));
    scene.Title(pane, title);
    const CapacitorMotorPoint& p = scene.point;
    const Field field{p.main, p.aux * capmotor::kTurnsRatio, p.forward, p.backward};
    const bool aux = HasAuxiliaryWinding(scene.inputs.kind);

    char step[32];
    std::snprintf(step, sizeof step, "ωt = %d°", scene.inputs.step * 10);
    const int titleSize = scene.Size(20);
    scene.Text(pane.right - scene.Size(12) - Px(ApproxTextWidth(step, scene.Size(17))),
               pane.top + scene.Size(10), step, 17, kInk);

    const int titleRoom = scene.Size(36), legendRoom = scene.Size(50);
    const double room = std::min(pane.Width(), pane.Height() - titleRoom - legendRoom);
    const int cx = pane.left + Px(pane.Width() / 2.0);
    const int cy = pane.top + titleRoom + Px((pane.Height() - titleRoom - legendRoom) / 2.0);
    const double radius = std::max(8.0, 0.47 * room);
    const double extent = kSqrt2 * std::max({std::abs(p.forward) + std::abs(p.backward),
                                             std::abs(field.main), std::abs(field.aux)});
    // Amperes to pixels: the longest thing drawn reaches 0.7 of the radius, inside the bore.
    const double perAmpere = extent > 0.0 ? 0.7 * radius / extent : 0.0;
    const auto circle = [&](double r) {
        dc->Ellipse(Px(cx - r), Px(cy - r), Px(cx + r), Px(cy + r));
    };

    LabelPlacer labels(
        {double(pane.left), double(pane.top), double(pane.right), double(pane.bottom)});
    labels.AddBox({double(pane.left), double(pane.top),
                   pane.left + scene.Size(12) + ApproxTextWidth(title, titleSize),
                   double(pane.top + scene.Size(8) + titleSize)});
    {
        ScopedPen outline(dc, PS_SOLID, scene.Size(2), RGB(90, 90, 90));
        ScopedBrush iron(dc, RGB(226, 226, 226));
        circle(radius);
        ScopedBrush bore(dc, kWhite);
        circle(0.77 * radius);
    }

    // Each winding a full-pitch coil, its sides 90 degrees either side of its axis: a positive
    // current goes into the page (a cross) at the side clockwise from the axis, and comes out (a
    // dot) at the other.
    struct Winding {
        Phasor axis;
        double now;
        COLORREF colour;
        bool present;
    };
    const Winding windings[] = {
        {Phasor(0.0, 1.0), field.MainNow(scene.theta), scene.Main(), true},
        {Phasor(1.0, 0.0), field.AuxNow(scene.theta), scene.Aux(), aux},
    };
    const double sideRadius = 0.885 * radius;
    const int disc = std::max(2, Px(0.095 * radius));
    for (const Winding& w : windings) {
        if (!w.present) continue;
        {
            ScopedPen axisPen(dc, PS_DOT, 1, w.colour);
            const Point end = Tip(cx, cy, 0.75 * radius, w.axis);
            dc->MoveTo(cx, cy);
            dc->LineTo(end.x, end.y);
        }
        const Phasor behind = w.axis * Phasor(0.0, -1.0);
        const Point in = Tip(cx, cy, sideRadius, w.now >= 0 ? behind : -behind);
        const Point out = Tip(cx, cy, sideRadius, w.now >= 0 ? -behind : behind);
        {
            ScopedPen outline(dc, PS_SOLID, scene.Size(1.5), RGB(60, 60, 60));
            ScopedBrush colour(dc, w.colour);
            DrawDisc(dc, in.x, in.y, disc);
            DrawDisc(dc, out.x, out.y, disc);
        }
        labels.AddDisc(in.x, in.y, disc + 1);
        labels.AddDisc(out.x, out.y, disc + 1);
        if (std::abs(w.now) < kMarkerThreshold * extent) continue;
        const COLORREF mark = ContrastingInk(w.colour) == kInk ? kInk : kWhite;
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), mark);
        const int d = Px(0.45 * disc);
        dc->MoveTo(in.x - d, in.y - d);
        dc->LineTo(in.x + d, in.y + d);
        dc->MoveTo(in.x + d, in.y - d);
        dc->LineTo(in.x - d, in.y + d);
        ScopedBrush dotBrush(dc, mark);
        DrawDisc(dc, out.x, out.y, std::max(1, Px(0.3 * disc)));
    }

    // The locus over one period: an ellipse, a circle when I_b is nothing, a line when I_b = I_f.
    constexpr int kSegments = 72;
    // The resultant with its locus and its two components, unless the class is to find it.
    const bool result = !scene.inputs.hidden.resultant;
    if (result) {
        ScopedPen locus(dc, PS_SOLID, scene.Size(2), kLocusColour);
        Point last{};
        for (int k = 0; k <= kSegments; ++k) {
            const Point q =
                Tip(cx, cy, perAmpere, field.At(k * 2.0 * std::numbers::pi / kSegments));
            if (k == 0) {
                dc->MoveTo(q.x, q.y);
            } else {
                dc->LineTo(q.x, q.y);
                // The letters keep off the locus, a thin line they would hide.
                labels.AddStroke(last.x, last.y, q.x, q.y, scene.Size(2));
            }
            last = q;
        }
    }

    const int thin = scene.Size(3), head = scene.Size(14);
    const Point mainTip = Tip(cx, cy, perAmpere, {0.0, field.MainNow(scene.theta)});
    const Point auxTip = Tip(cx, cy, perAmpere, {field.AuxNow(scene.theta), 0.0});
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(4), scene.Main());
        DrawArrow(dc, cx, cy, mainTip.x, mainTip.y, head, &labels, scene.Size(4));
    }
    if (aux) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(4), scene.Aux());
        DrawArrow(dc, cx, cy, auxTip.x, auxTip.y, head, &labels, scene.Size(4));
    }
    const Point resultant = Tip(cx, cy, perAmpere, field.At(scene.theta));
    const Point positive = Tip(cx, cy, perAmpere, field.Positive(scene.theta));
    if (result) {
        ScopedPen pen(dc, PS_SOLID, thin, kPositiveColour);
        DrawArrow(dc, cx, cy, positive.x, positive.y, head, &labels, thin);
    }
    if (result) {
        ScopedPen pen(dc, PS_SOLID, thin, kNegativeColour);
        DrawArrow(dc, positive.x, positive.y, resultant.x, resultant.y, head, &labels, thin);
    }
    if (result) {
        const int width = scene.Size(3);
        ScopedPen pen(dc, PS_SOLID, width, kInk);
        DrawOutlinedArrow(dc, cx, cy, resultant.x, resultant.y, scene.Size(5), scene.Size(22),
                          &labels, width);
    }

    // The currents now, under the machine; the swatches name the windings' colours.
    const int size = scene.Size(16);
    int y = pane.bottom - legendRoom + scene.Size(6);
    const auto legend = [&](COLORREF colour, std::string_view name, const std::string& value) {
        const int half = scene.Size(6), x = pane.left + scene.Size(14);
        {
            ScopedPen outline(dc, PS_SOLID, 1, kInk);
            ScopedBrush brush(dc, colour);
            dc->Rectangle(x, y + size / 2 - half, x + 2 * half, y + size / 2 + half);
        }
        scene.Text(x + scene.Size(20), y, name, 16, kInk);
        scene.Text(x + scene.Size(20) + Px(ApproxTextWidth(name, size)) + scene.Size(8), y,
                   scene.inputs.hidden.readouts ? std::string(kHiddenValue) : value, 16, kInk);
        y += scene.Size(21);
    };
    legend(scene.Main(), scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "主绕组")),
           Amperes("im", field.MainNow(scene.theta)));
    if (aux)
        legend(scene.Aux(), scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "辅绕组")),
               Amperes("ia", field.AuxNow(scene.theta) / capmotor::kTurnsRatio));

    // The letters last, so that no vector hides one.
    const int letterSize = scene.Size(24);
    const auto letter = [&](Point from, Point tip, std::string_view text, COLORREF colour) {
        const double dx = tip.x - from.x, dy = tip.y - from.y;
        const double length = std::hypot(dx, dy);
        if (length < 1.0) return;
        const double width = ApproxTextWidth(text, letterSize);
        const LabelPlacer::Place q = labels.Put(tip.x, tip.y, dx / length, dy / length,
                                                scene.Size(10) + 0.5 * width, width, letterSize);
        scene.Text(q.x, q.y, text, 24, colour);
    };
    if (result) letter({cx, cy}, resultant, "F", kInk);
    letter({cx, cy}, mainTip, "Fm", scene.Main());
    if (aux) letter({cx, cy}, auxTip, "Fa", scene.Aux());
    if (!result) return;
    if (std::abs(p.forward) * kSqrt2 * perAmpere >= 2.0)
        letter({cx, cy}, positive, "F+", kPositiveColour);
    if (std::abs(p.backward) * kSqrt2 * perAmpere >= 2.0)
        letter(positive, resultant, "F−", kNegativeColour);
}
