// The stator pane: the coil sides with their current markers, the three phase MMF vectors, the
// resultant with its locus over one period, and its two rotating components tip to tail.
#include <numbers>

#include "explorer_layers.h"

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

// The letter of a vector at its tip: the resultant's just beyond it, a phase vector's beside it,
// on the side away from the resultant, which often runs close by.
void LetterAt(const ExplorerScene& scene, Point from, Point tip, std::string_view letter,
              COLORREF colour, const Point* awayFrom) {
    const double dx = tip.x - from.x, dy = tip.y - from.y;
    const double length = std::hypot(dx, dy);
    if (length < 1.0) return;
    double ux = dx / length, uy = dy / length;
    if (awayFrom != nullptr) {
        // A quarter turn, to whichever side the resultant is not on.
        const double side = dy * (awayFrom->x - from.x) - dx * (awayFrom->y - from.y);
        const double turn = side > 0 ? -1.0 : 1.0;
        const double nx = turn * uy, ny = -turn * ux;
        ux = nx;
        uy = ny;
    }
    const int size = scene.Size(28);
    const double gap = scene.Size(awayFrom != nullptr ? 20 : 24);
    const double x = tip.x + ux * gap - ApproxTextWidth(letter, size) / 2.0;
    const double y = tip.y + uy * gap - size / 2.0;
    scene.Text(Px(x), Px(y), letter, 28, colour);
}

}  // namespace

void DrawExplorerStator(const ExplorerScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    DrawPaneTitle(scene, pane, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "定子电流与磁动势")));

    const int titleRoom = scene.Size(40);
    const double room = std::min(pane.Width(), pane.Height() - titleRoom);
    const int cx = pane.left + Px(pane.Width() / 2.0);
    const int cy = pane.top + titleRoom + Px((pane.Height() - titleRoom) / 2.0);
    const double radius = std::max(8.0, 0.46 * room);
    const int peak = PeakLength(cx, cy, 0.45 * radius);
    const auto circle = [&](double r) {
        dc->Ellipse(Px(cx - r), Px(cy - r), Px(cx + r), Px(cy + r));
    };

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

    {
        ScopedPen locus(dc, PS_SOLID, scene.Size(2), kLocusColour);
        constexpr int kSegments = 72;
        for (int k = 0; k <= kSegments; ++k) {
            const double theta = k * 2.0 * std::numbers::pi / kSegments;
            const Point p = Tip(cx, cy, peak, scene.field.Resultant(theta));
            if (k == 0)
                dc->MoveTo(p.x, p.y);
            else
                dc->LineTo(p.x, p.y);
        }
    }

    std::array<Point, 3> tips;
    for (int x = 0; x < 3; ++x) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(4), scene.Phase(x));
        tips[x] = Tip(cx, cy, peak, current[x] * PhaseAxis(x));
        DrawArrow(dc, cx, cy, tips[x].x, tips[x].y, scene.Size(14));
    }

    // The resultant first, then F+ from the centre and F- from its tip along it: drawn over it,
    // they show where they end, on the resultant's tip.
    const Point resultant = Tip(cx, cy, peak, scene.field.Resultant(scene.theta));
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(7), kInk);
        DrawArrow(dc, cx, cy, resultant.x, resultant.y, scene.Size(22));
    }
    const Point positive = Tip(cx, cy, peak, scene.field.Positive() * std::polar(1.0, scene.theta));
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kPositiveColour);
        DrawArrow(dc, cx, cy, positive.x, positive.y, scene.Size(14));
    }
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kNegativeColour);
        DrawArrow(dc, positive.x, positive.y, resultant.x, resultant.y, scene.Size(14));
    }
    // The letters last, so that no vector hides one.
    static constexpr std::string_view kLetters[] = {"U", "V", "W"};
    for (int x = 0; x < 3; ++x) {
        if (std::abs(current[x]) >= kMarkerThreshold)
            LetterAt(scene, {cx, cy}, tips[x], kLetters[x], scene.Phase(x), &resultant);
    }
    LetterAt(scene, {cx, cy}, resultant, "F", kInk, nullptr);
}
