// The stator pane: the coil sides with their current markers, the three phase MMF vectors, the
// resultant with its locus over one period, its two rotating components tip to tail, and the
// length of 1 Fp. Every vector is scaled so that the longest fits inside the bore.
#include <numbers>
#include <vector>

#include "explorer/explorer_layers.h"

namespace {

struct Point {
    int x;
    int y;
};

// A vector of the model (x right, y up), `length` pixels per unit, from (cx, cy) on screen.
Point Tip(int cx, int cy, double length, Phasor v) {
    return {Px(cx + length * v.real()), Px(cy - length * v.imag())};
}

// Whether the balanced resultant, 3/2 of a phase peak `peak` pixels long, keeps its length within
// half a pixel at every step once its tip is rounded.
bool KeepsLength(int cx, int cy, int peak) {
    static const ExplorerField balanced(PresetSupply(Preset::Balanced));
    for (int step = 0; step < kExplorerSteps; ++step) {
        const Point tip = Tip(cx, cy, peak, balanced.Resultant(ExplorerAngle(step)));
        if (std::abs(std::hypot(tip.x - cx, tip.y - cy) - 1.5 * peak) > 0.5) return false;
    }
    return true;
}

// The phase peak in whole pixels: the longest up to `wanted` that keeps the balanced resultant's
// length. One in four lengths does not, and the nearest that does is at most a few pixels shorter.
int PeakLength(int cx, int cy, double wanted) {
    for (int peak = static_cast<int>(wanted); peak > 1; --peak)
        if (KeepsLength(cx, cy, peak)) return peak;
    return 1;
}

// The longest thing drawn, in Fp: the resultant, its locus and the chain of F+ and F- reach at
// most |F+| + |F-|, a phase vector its winding's peak current.
double Extent(const ExplorerField& field) {
    return std::max(std::abs(field.Positive()) + std::abs(field.Negative()), field.CurrentPeak());
}

}  // namespace

void DrawExplorerStator(const ExplorerScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    const std::string_view title = scene.Tr(QT_TRANSLATE_NOOP("Explorer", "定子电流与磁动势"));
    DrawPaneTitle(scene, pane, title);

    const int titleRoom = scene.Size(40);
    const double room = std::min(pane.Width(), pane.Height() - titleRoom);
    const int cx = pane.left + Px(pane.Width() / 2.0);
    const int cy = pane.top + titleRoom + Px((pane.Height() - titleRoom) / 2.0);
    const double radius = std::max(8.0, 0.46 * room);
    // The balanced 3/2 Fp reaches 0.675 of the radius, well inside the bore at 0.77; anything
    // longer is drawn to that length.
    constexpr double kUsualPeak = 0.45, kLongest = 1.5 * kUsualPeak;
    const int peak =
        PeakLength(cx, cy, radius * std::min(kUsualPeak, kLongest / Extent(scene.field)));
    const auto circle = [&](double r) {
        dc->Ellipse(Px(cx - r), Px(cy - r), Px(cx + r), Px(cy + r));
    };

    LabelPlacer labels(
        {double(pane.left), double(pane.top), double(pane.right), double(pane.bottom)});
    const int titleSize = scene.Size(24);
    labels.AddBox({double(pane.left), double(pane.top),
                   pane.left + scene.Size(14) + ApproxTextWidth(title, titleSize),
                   double(pane.top + scene.Size(10) + titleSize)});

    {
        ScopedPen outline(dc, PS_SOLID, scene.Size(2), RGB(90, 90, 90));
        ScopedBrush iron(dc, RGB(226, 226, 226));
        circle(radius);
        ScopedBrush bore(dc, kWhite);
        circle(0.77 * radius);
    }

    // Each phase is one full-pitch coil, its sides 90 degrees either side of its axis. A positive
    // current goes into the page (a cross) at the side clockwise from the axis and comes out (a
    // dot) at the other, as in the main window.
    const std::array<double, 3> current = scene.field.Currents(scene.theta);
    const double sideRadius = 0.885 * radius;
    const int disc = std::max(2, Px(0.095 * radius));
    for (int x = 0; x < 3; ++x) {
        const Phasor behind = PhaseAxis(x) * Phasor(0.0, -1.0);
        const Point in = Tip(cx, cy, sideRadius, current[x] >= 0 ? behind : -behind);
        const Point out = Tip(cx, cy, sideRadius, current[x] >= 0 ? -behind : behind);
        {
            ScopedPen outline(dc, PS_SOLID, scene.Size(1.5), RGB(60, 60, 60));
            ScopedBrush colour(dc, scene.Phase(x));
            DrawDisc(dc, in.x, in.y, disc);
            DrawDisc(dc, out.x, out.y, disc);
        }
        labels.AddDisc(in.x, in.y, disc + 1);
        labels.AddDisc(out.x, out.y, disc + 1);
        if (std::abs(current[x]) < kMarkerThreshold) continue;
        ScopedPen white(dc, PS_SOLID, scene.Size(3), kWhite);
        const int d = Px(0.45 * disc);
        dc->MoveTo(in.x - d, in.y - d);
        dc->LineTo(in.x + d, in.y + d);
        dc->MoveTo(in.x + d, in.y - d);
        dc->LineTo(in.x - d, in.y + d);
        ScopedBrush dotBrush(dc, kWhite);
        DrawDisc(dc, out.x, out.y, std::max(1, Px(0.3 * disc)));
    }

    for (int x = 0; x < 3; ++x) {
        ScopedPen axisPen(dc, PS_DOT, 1, scene.Phase(x));
        const Point end = Tip(cx, cy, 0.75 * radius, PhaseAxis(x));
        dc->MoveTo(cx, cy);
        dc->LineTo(end.x, end.y);
    }

    constexpr int kSegments = 72;
    const auto loop = [&](double length, auto vector) {
        std::vector<PointF> points;
        for (int k = 0; k <= kSegments; ++k) {
            const Phasor v = vector(k * 2.0 * std::numbers::pi / kSegments);
            points.push_back({cx + length * v.real(), cy - length * v.imag()});
        }
        dc->Polyline(points);
    };
    // The resultant with its locus and its two components, unless the class is to find it.
    const bool result = !scene.inputs.hidden.resultant;
    if (result) {
        ScopedPen locus(dc, PS_SOLID, scene.Size(2), kLocusColour);
        loop(peak, [&](double theta) { return scene.field.Resultant(theta); });
    }
    const double positiveLength = std::abs(scene.field.Positive());
    const double negativeLength = std::abs(scene.field.Negative());
    if (result && scene.inputs.componentsApart) {
        for (const auto& component : {std::pair{positiveLength, kPositiveColour},
                                      std::pair{negativeLength, kNegativeColour}}) {
            const double r = component.first * peak;
            if (r < 1.0) continue;
            ScopedPen pen(dc, PS_DOT, 1, component.second);
            loop(r, [](double a) { return std::polar(1.0, a); });
        }
    }

    const int thin = scene.Size(3), thinHead = scene.Size(14);
    std::array<Point, 3> tips;
    for (int x = 0; x < 3; ++x) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(4), scene.Phase(x));
        tips[x] = Tip(cx, cy, peak, current[x] * PhaseAxis(x));
        DrawArrow(dc, cx, cy, tips[x].x, tips[x].y, thinHead, &labels, scene.Size(4));
    }

    // F+ from the centre and F- from its tip end on the resultant's tip; the resultant, drawn
    // last as an outline, lets a component that runs along it show through.
    const Point resultant = Tip(cx, cy, peak, scene.field.Resultant(scene.theta));
    const Point positive = Tip(cx, cy, peak, scene.field.Positive() * std::polar(1.0, scene.theta));
    const Point negative =
        Tip(cx, cy, peak, scene.field.Negative() * std::polar(1.0, -scene.theta));
    if (result) {
        ScopedPen pen(dc, PS_SOLID, thin, kPositiveColour);
        DrawArrow(dc, cx, cy, positive.x, positive.y, thinHead, &labels, thin);
    }
    if (result) {
        ScopedPen pen(dc, PS_SOLID, thin, kNegativeColour);
        DrawArrow(dc, positive.x, positive.y, resultant.x, resultant.y, thinHead, &labels, thin);
        if (scene.inputs.componentsApart)
            DrawArrow(dc, cx, cy, negative.x, negative.y, thinHead, &labels, thin);
    }
    if (result) {
        const int width = scene.Size(3);
        ScopedPen pen(dc, PS_SOLID, width, kInk);
        DrawOutlinedArrow(dc, cx, cy, resultant.x, resultant.y, scene.Size(5), scene.Size(24),
                          &labels, width);
    }

    // 1 Fp at the bottom left, outside the iron.
    {
        const int left = pane.left + scene.Size(14), y = pane.bottom - scene.Size(12);
        const int tick = scene.Size(5);
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        dc->MoveTo(left, y);
        dc->LineTo(left + peak, y);
        for (const int x : {left, left + peak}) {
            dc->MoveTo(x, y - tick);
            dc->LineTo(x, y + tick);
        }
        const int size = scene.Size(18);
        scene.Text(left, y - tick - scene.Size(4) - size, "1 Fp", 18, kInk);
        labels.AddBox({double(left), double(y - tick - scene.Size(4) - size),
                       left + std::max<double>(peak, ApproxTextWidth("1 Fp", size)),
                       double(y + tick)});
    }

    // The letters last, so that no vector hides one; each beyond its tip, moved off what it
    // would cover. The resultant's goes first, to have the place it wants.
    const int letterSize = scene.Size(28);
    const auto letter = [&](Point from, Point tip, std::string_view text, COLORREF colour) {
        const double dx = tip.x - from.x, dy = tip.y - from.y;
        const double length = std::hypot(dx, dy);
        if (length < 1.0) return;
        const double width = ApproxTextWidth(text, letterSize);
        const LabelPlacer::Place p = labels.Put(tip.x, tip.y, dx / length, dy / length,
                                                scene.Size(12) + 0.5 * width, width, letterSize);
        scene.Text(p.x, p.y, text, 28, colour);
    };
    if (result) letter({cx, cy}, resultant, "F", kInk);
    static constexpr std::string_view kLetters[] = {"U", "V", "W"};
    for (int x = 0; x < 3; ++x) {
        if (std::abs(current[x]) >= kMarkerThreshold)
            letter({cx, cy}, tips[x], kLetters[x], scene.Phase(x));
    }
    if (!result) return;
    if (positiveLength >= kNoField) letter({cx, cy}, positive, "F+", kPositiveColour);
    if (negativeLength >= kNoField) {
        if (scene.inputs.componentsApart)
            letter({cx, cy}, negative, "F−", kNegativeColour);
        else
            letter(positive, resultant, "F−", kNegativeColour);
    }
}
