// The phasor diagram: V along the axis, E = E∠−δ from the origin, jX_s·I closing the triangle from
// E's tip to V's, and I at its own scale; δ and φ marked by arcs. E's tip lies where the circle
// its field current allows meets the line its power asks for: both are drawn dotted, so that out
// of step one sees that they do not meet.
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "synchronous/synchronous_layers.h"

namespace {

using namespace synchronous;

constexpr double kPi = std::numbers::pi;

// An arc about (cx, cy) from angle a to angle b (counter-clockwise positive, on the screen).
void DrawArc(CDC* dc, double cx, double cy, double r, double a, double b) {
    const int count = std::max(2, static_cast<int>(std::abs(b - a) * r / 4.0) + 1);
    std::vector<PointF> points;
    for (int k = 0; k <= count; ++k) {
        const double t = a + (b - a) * k / count;
        points.push_back({cx + r * std::cos(t), cy - r * std::sin(t)});
    }
    dc->Polyline(points);
}

}  // namespace

void DrawSynchronousPhasors(const SynchronousScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "相量图 V = E + jXs·I")));
    const SynchronousPoint& p = scene.point;
    // A phasor's tip stays inside this box, with room for its letter: in a start-up, where δ
    // may be anything, the voltages are drawn smaller when E would leave it; a current that
    // would leave it is drawn shorter, and says so.
    const double boxLeft = pane.left + scene.Size(30), boxRight = pane.right - scene.Size(30);
    const double boxTop = pane.top + scene.Size(64), boxBottom = pane.bottom - scene.Size(72);
    PhasorScale s = PhasorScaleIn(pane, scene.unit);
    const auto fit = [&](Phasor v, double per) {
        const double dx = v.real() * per, dy = -v.imag() * per;
        double k = 1.0;
        if (s.x0 + dx < boxLeft) k = std::min(k, (boxLeft - s.x0) / dx);
        if (s.x0 + dx > boxRight) k = std::min(k, (boxRight - s.x0) / dx);
        if (s.y0 + dy < boxTop) k = std::min(k, (boxTop - s.y0) / dy);
        if (s.y0 + dy > boxBottom) k = std::min(k, (boxBottom - s.y0) / dy);
        return k;
    };
    // In a start-up, which is not dragged, E may point anywhere: the origin goes to the middle.
    if (scene.motion) {
        s.x0 = (boxLeft + boxRight) / 2;
        const double room =
            std::min({s.x0 - boxLeft, boxRight - s.x0, s.y0 - boxTop, boxBottom - s.y0});
        s.perVolt *= std::min(1.0, room / (std::max(p.emf, kPhaseVoltage) * s.perVolt));
    }
    const auto X = [&](Phasor v, double per) { return Px(s.x0 + v.real() * per); };
    const auto Y = [&](Phasor v, double per) { return Px(s.y0 - v.imag() * per); };
    const int ox = Px(s.x0), oy = Px(s.y0);

    LabelPlacer labels({double(pane.left), double(pane.top + scene.Size(40)), double(pane.right),
                        double(pane.bottom - scene.Size(44))});
    {
        ScopedPen axis(dc, PS_SOLID, 1, kGridColour);
        dc->MoveTo(pane.left + scene.Size(10), oy);
        dc->LineTo(pane.right - scene.Size(10), oy);
    }
    // Where E's tip may go at this field current, and where this power puts it.
    const double emfRadius = p.emf * s.perVolt;
    {
        ScopedPen guide(dc, PS_DOT, 1, kLocusColour);
        // In a steady state the tip stays within the band of powers that can be asked for.
        const double band = kMaxPower * 1000.0 * kReactance / (3.0 * kPhaseVoltage);
        const double half = scene.motion ? kPi : p.emf > band ? std::asin(band / p.emf) : kPi / 2;
        if (emfRadius >= 2.0) DrawArc(dc, s.x0, s.y0, emfRadius, -half, half);
        if (!scene.motion) {
            const double height = -scene.inputs.power * 1000.0 * kReactance / (3 * kPhaseVoltage);
            const int y = Px(s.y0 - height * s.perVolt);
            dc->MoveTo(ox, y);
            dc->LineTo(pane.right - scene.Size(16), y);
        }
    }

    // What the guides are, at the foot of the pane.
    const int noteSize = scene.Size(14);
    const int noteX = pane.left + scene.Size(16),
              noteY = pane.bottom - scene.Size(10) - 2 * noteSize;
    if (p.inStep && emfRadius >= 2.0) {
        scene.Text(noteX, noteY,
                   scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "点线圆：If 决定 E 的长度")), 14,
                   RGB(90, 90, 90));
        if (!scene.motion)
            scene.Text(noteX, noteY + noteSize + scene.Size(2),
                       scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "点线：P 决定 E 的高度 P·Xs/3V")),
                       14, RGB(90, 90, 90));
    }

    const int thick = scene.Size(3), head = scene.Size(14);
    const Phasor v(kPhaseVoltage, 0.0);
    const int vx = X(v, s.perVolt), vy = Y(v, s.perVolt);
    {
        ScopedPen pen(dc, PS_SOLID, thick, kInk);
        DrawArrow(dc, ox, oy, vx, vy, head, &labels, thick);
    }
    const int size = scene.Size(20);
    const auto letter = [&](int fx, int fy, int tx, int ty, const std::string& text,
                            COLORREF colour) {
        const double dx = tx - fx, dy = ty - fy, length = std::hypot(dx, dy);
        if (length < 1.0) return;
        const double width = ApproxTextWidth(text, size);
        const LabelPlacer::Place at =
            labels.Put(tx, ty, dx / length, dy / length, scene.Size(8) + 0.5 * width, width, size);
        scene.Text(at.x, at.y, text, 20, colour);
    };
    if (!p.inStep) {
        letter(ox, oy, vx, vy, "V", kInk);
        const int noteSize = scene.Size(16);
        scene.Text(pane.left + scene.Size(16), pane.bottom - scene.Size(12) - 2 * noteSize,
                   scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "失步：E 的圆与功率线不相交，")), 16,
                   kEmfColour);
        scene.Text(pane.left + scene.Size(16), pane.bottom - scene.Size(8) - noteSize,
                   scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "没有稳态。")), 16, kEmfColour);
        return;
    }

    const Phasor e = p.Emf();
    const int ex = X(e, s.perVolt), ey = Y(e, s.perVolt);
    const double perAmpere = s.perAmpere * fit(p.current, s.perAmpere);
    const bool shorter = perAmpere < s.perAmpere * 0.999;
    const int ix = X(p.current, perAmpere), iy = Y(p.current, perAmpere);
    const bool hasEmf = emfRadius >= 2.0;
    // δ between V and E, φ between V and I, inside the shorter of each pair.
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(1.5), kEmfColour);
        const double r =
            std::max<double>(scene.Size(22), 0.4 * std::min(emfRadius, double(vx - ox)));
        if (hasEmf && std::abs(p.delta) > 0.01) {
            DrawArc(dc, s.x0, s.y0, r, 0.0, -p.delta);
            const double mid = -p.delta / 2;
            scene.Text(Px(s.x0 + (r + scene.Size(6)) * std::cos(mid)),
                       Px(s.y0 - (r + scene.Size(6)) * std::sin(mid)) - size / 2, "δ", 20,
                       kEmfColour);
            labels.AddBox({s.x0 + r, s.y0 - r * std::sin(mid) - size, s.x0 + r + 2.0 * size,
                           s.y0 - r * std::sin(mid) + size});
        }
    }
    const double currentLength = std::abs(p.current) * perAmpere;
    const double phi = std::arg(p.current);
    // The current is what V and E make: the class may be asked where it points.
    const bool current = !scene.inputs.hidden.resultant;
    if (current && currentLength >= scene.Size(12) && std::abs(phi) > 0.01) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(1.5), kCurrentColour);
        const double r = 0.55 * currentLength;
        DrawArc(dc, s.x0, s.y0, r, 0.0, phi);
        const double mid = phi / 2;
        const double tx = s.x0 + (r + scene.Size(4)) * std::cos(mid);
        const double ty = s.y0 - (r + scene.Size(4)) * std::sin(mid);
        const LabelPlacer::Place at =
            labels.Put(tx, ty, std::cos(mid), -std::sin(mid), 0.6 * size, 0.6 * size, size);
        scene.Text(at.x, at.y, "φ", 20, kCurrentColour);
    }
    if (current && hasEmf) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kDropColour);
        DrawArrow(dc, ex, ey, vx, vy, head, &labels, scene.Size(2));
    }
    if (current) {
        ScopedPen pen(dc, PS_SOLID, thick, kCurrentColour);
        DrawArrow(dc, ox, oy, ix, iy, head, &labels, thick);
    }
    if (hasEmf) {
        {
            ScopedPen pen(dc, PS_SOLID, thick, kEmfColour);
            DrawArrow(dc, ox, oy, ex, ey, head, &labels, thick);
        }
        // The handle a pointer drags.
        ScopedPen outline(dc, PS_SOLID, scene.Size(2), kInk);
        ScopedBrush brush(dc, kPointColour);
        DrawDisc(dc, ex, ey, scene.Size(6));
        labels.AddDisc(ex, ey, scene.Size(7));
    }
    letter(ox, oy, vx, vy, "V", kInk);
    if (hasEmf) {
        letter(ox, oy, ex, ey, "E", kEmfColour);
        // Beside the drop's middle, on the side away from the origin.
        const double mx = (ex + vx) / 2.0, my = (ey + vy) / 2.0;
        const double dx = vx - ex, dy = vy - ey, length = std::hypot(dx, dy);
        if (current && length >= 1.0) {
            double nx = dy / length, ny = -dx / length;
            if (nx * (mx - ox) + ny * (my - oy) < 0) {
                nx = -nx;
                ny = -ny;
            }
            const std::string_view text = "jXs·I";
            const double width = ApproxTextWidth(text, size);
            const LabelPlacer::Place at =
                labels.Put(mx, my, nx, ny, scene.Size(6) + 0.5 * width, width, size);
            scene.Text(at.x, at.y, text, 20, kDropColour);
        }
    }
    if (!current) return;
    letter(ox, oy, ix, iy,
           shorter ? "I ×" + SynchronousFigure("%.2f", perAmpere / s.perAmpere) : std::string("I"),
           kCurrentColour);
}
