// The torque against speed pane: the total torque, its forward and backward parts in three line
// styles, the fan's curve, the operating point and the breakdown torque.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "motor/motor_layers.h"

namespace {

using namespace motor;

constexpr double kLeftSpeed = -1500.0;
constexpr double kRightSpeed = 1800.0;
constexpr double kCurveStep = 10.0;  // rpm between the curves' points

struct TorquePlot {
    int left, top, right, bottom;
    double full;  // N·m at the top
    int X(double n) const { return Px(At(n, 0.0).x); }
    int Y(double t) const { return Px(At(0.0, t).y); }
    // Unrounded, for the curves.
    PointF At(double n, double t) const {
        return {left + (n - kLeftSpeed) / (kRightSpeed - kLeftSpeed) * (right - left),
                (top + bottom) / 2.0 - t / full * (bottom - top) / 2.0};
    }
};

// The smallest of 10, 20, 50, 100 ... at or above `value`.
double NiceCeiling(double value) {
    for (double decade = 10.0;; decade *= 10.0)
        for (const double m : {1.0, 2.0, 5.0})
            if (m * decade >= value) return m * decade;
}

std::string Signed(double value) {
    const std::string text = MotorFixed("%g", value);
    return text.front() == '-' ? "−" + text.substr(1) : text;
}

}  // namespace

void DrawDashedCurve(CDC* dc, const std::vector<PointF>& points, double on) {
    std::vector<PointF> dash;
    double phase = 0.0;  // along the pattern: a dash below `on`, a gap from there to 2 `on`
    for (size_t k = 1; k < points.size(); ++k) {
        const PointF a = points[k - 1], b = points[k];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const auto along = [&](double d) {
            return PointF{a.x + (b.x - a.x) * d / length, a.y + (b.y - a.y) * d / length};
        };
        for (double at = 0.0; at < length;) {
            const bool drawing = phase < on;
            const double end = std::min(length, at + (drawing ? on : 2.0 * on) - phase);
            if (drawing) {
                if (dash.empty()) dash.push_back(along(at));
                dash.push_back(along(end));
            }
            phase += end - at;
            at = end;
            if (phase >= 2.0 * on) phase -= 2.0 * on;
            if (phase >= on && !dash.empty()) {
                dc->Polyline(dash);
                dash.clear();
            }
        }
    }
    if (!dash.empty()) dc->Polyline(dash);
}

void DrawDashed(CDC* dc, int x1, int y1, int x2, int y2, int on, double& phase) {
    const double length = std::hypot(x2 - x1, y2 - y1);
    double at = 0.0;
    while (at < length) {
        const double inPiece = std::fmod(phase, 2.0 * on);
        const double left = (inPiece < on ? on : 2.0 * on) - inPiece;
        const double end = std::min(length, at + left);
        if (inPiece < on) {
            dc->MoveTo(Px(x1 + (x2 - x1) * at / length), Px(y1 + (y2 - y1) * at / length));
            dc->LineTo(Px(x1 + (x2 - x1) * end / length), Px(y1 + (y2 - y1) * end / length));
        }
        phase += end - at;
        at = end;
    }
}

void DrawMotorTorque(const MotorScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转矩–转速特性")));

    const int count = static_cast<int>((kRightSpeed - kLeftSpeed) / kCurveStep) + 1;
    std::vector<MotorPoint> curve(count);
    double largest = std::abs(scene.breakdown.torque);
    for (int k = 0; k < count; ++k) {
        curve[k] = scene.model.At(kLeftSpeed + k * kCurveStep);
        largest = std::max({largest, std::abs(curve[k].forward), std::abs(curve[k].backward)});
    }
    largest = std::max(
        {largest,
         scene.inputs.load * kRightSpeed * kRightSpeed / (kSynchronousSpeed * kSynchronousSpeed),
         std::abs(scene.point.Torque())});
    const TorquePlot plot{pane.left + scene.Size(60), pane.top + scene.Size(46),
                          pane.right - scene.Size(46), pane.bottom - scene.Size(40),
                          NiceCeiling(std::max(largest, 1.0))};

    const int size = scene.Size(15);
    {
        ScopedPen grid(dc, PS_DOT, 1, kGridColour);
        for (double n = kLeftSpeed; n <= kRightSpeed; n += 500.0) {
            dc->MoveTo(plot.X(n), plot.top);
            dc->LineTo(plot.X(n), plot.bottom);
        }
        for (const double t : {plot.full, plot.full / 2, -plot.full / 2, -plot.full}) {
            dc->MoveTo(plot.left, plot.Y(t));
            dc->LineTo(plot.right, plot.Y(t));
        }
    }
    {
        ScopedPen axis(dc, PS_SOLID, scene.Size(1.5), kInk);
        dc->MoveTo(plot.X(0), plot.top);
        dc->LineTo(plot.X(0), plot.bottom);
        dc->MoveTo(plot.left, plot.Y(0));
        dc->LineTo(plot.right, plot.Y(0));
    }
    for (double n = kLeftSpeed; n <= kRightSpeed; n += 500.0) {
        const std::string label = Signed(n);
        scene.Text(plot.X(n) - Px(ApproxTextWidth(label, size) / 2), plot.bottom + scene.Size(4),
                   label, 15, kInk);
    }
    for (const double t : {plot.full, plot.full / 2, 0.0, -plot.full / 2, -plot.full}) {
        const std::string label = Signed(t);
        scene.Text(plot.left - scene.Size(6) - Px(ApproxTextWidth(label, size)),
                   plot.Y(t) - size / 2, label, 15, kInk);
    }
    scene.Text(plot.right - scene.Size(60), plot.bottom + scene.Size(20), "n / rpm", 15, kInk);
    scene.Text(plot.X(0) + scene.Size(6), plot.top - scene.Size(4) - size, "T / N·m", 15, kInk);

    if (scene.inputs.hidden.curves) return;
    // The load's torque as the motor must meet it: L (n/n_s)², against the motion.
    if (scene.inputs.load > 0.0) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kLoadColour);
        std::vector<PointF> points;
        for (int k = 0; k < count; ++k) {
            const double n = kLeftSpeed + k * kCurveStep;
            points.push_back(plot.At(n, -FanTorque(scene.inputs.load, n)));
        }
        dc->Polyline(points);
    }
    const auto polyline = [&](auto value, bool dashed) {
        std::vector<PointF> points;
        for (const MotorPoint& p : curve) points.push_back(plot.At(p.speed, value(p)));
        if (dashed) {
            DrawDashedCurve(dc, points, scene.Size(8));
        } else {
            dc->Polyline(points);
        }
    };
    {
        ScopedPen pen(dc, PS_DOT, 1, kNegativeColour);
        polyline([](const MotorPoint& p) { return p.backward; }, false);
    }
    // The total under its forward part, which it hides wherever there is no backward part.
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kInk);
        polyline([](const MotorPoint& p) { return p.Torque(); }, false);
    }
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kPositiveColour);
        polyline([](const MotorPoint& p) { return p.forward; }, true);
    }
    // Each curve named at its right-hand end, where they are furthest apart.
    // Where two ends meet (the total is its forward part on a balanced supply), the names are
    // stacked a line apart rather than drawn over each other.
    const MotorPoint& end = curve.back();
    struct EndLabel {
        int y;
        const char* text;
        COLORREF colour;
    };
    std::vector<EndLabel> ends{{plot.Y(end.Torque()) - size, "T", kInk},
                               {plot.Y(end.forward) - size / 2, "T+", kPositiveColour},
                               {plot.Y(end.backward), "T−", kNegativeColour}};
    // The load too, among them: across the plot the motor's curves leave it no room.
    if (scene.inputs.load > 0.0)
        ends.push_back(
            {plot.Y(-FanTorque(scene.inputs.load, kRightSpeed)) - size / 2, "TL", kLoadColour});
    std::stable_sort(ends.begin(), ends.end(),
                     [](const EndLabel& a, const EndLabel& b) { return a.y < b.y; });
    for (size_t i = 1; i < ends.size(); ++i) ends[i].y = std::max(ends[i].y, ends[i - 1].y + size);
    for (const EndLabel& label : ends)
        scene.Text(plot.right + scene.Size(4), label.y, label.text, 15, label.colour);

    // The breakdown torque: a tick on the curve and its value.
    const int bx = plot.X(scene.breakdown.speed), by = plot.Y(scene.breakdown.torque);
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        const int d = scene.Size(7);
        dc->MoveTo(bx - d, by - d);
        dc->LineTo(bx + d, by + d);
        dc->MoveTo(bx + d, by - d);
        dc->LineTo(bx - d, by + d);
    }
    if (std::abs(scene.breakdown.torque) >= 0.005) {
        const std::string label = std::string(scene.Tr(QT_TRANSLATE_NOOP("Motor", "最大转矩"))) +
                                  " " + Signed(std::round(scene.breakdown.torque * 10) / 10) +
                                  " N·m";
        const int width = Px(ApproxTextWidth(label, size));
        const int x = std::clamp(bx - width / 2, plot.left, plot.right - width);
        // Clear of every curve under the label's width, not only of the total torque at its
        // peak: an unbalanced supply's forward part and the load run above it there.
        const bool up = scene.breakdown.torque >= 0;
        const int gap = scene.Size(10);
        int y = up ? by - size - gap : by + gap;
        for (const MotorPoint& p : curve) {
            const int px = plot.X(p.speed);
            if (px < x - scene.Size(6) || px > x + width + scene.Size(6)) continue;
            std::vector<double> torques{p.Torque(), p.forward, p.backward};
            if (scene.inputs.load > 0.0) torques.push_back(-FanTorque(scene.inputs.load, p.speed));
            for (const double t : torques)
                y = up ? std::min(y, plot.Y(t) - size - gap) : std::max(y, plot.Y(t) + gap);
        }
        y = std::clamp(y, plot.top, plot.bottom - size);
        if (std::abs(y - (up ? by - size - gap : by + gap)) > size) {
            // Moved away from its tick: a dotted line leads back to it.
            ScopedPen pen(dc, PS_DOT, 1, kInk);
            dc->MoveTo(bx, up ? y + size : y);
            dc->LineTo(bx, up ? by - scene.Size(7) : by + scene.Size(7));
        }
        scene.Text(x, y, label, 15, kInk);
    }

    // The operating point, where the picture's rotor is.
    const double n = std::clamp(scene.point.speed, kLeftSpeed, kRightSpeed);
    ScopedPen outline(dc, PS_SOLID, scene.Size(2), kInk);
    ScopedBrush brush(dc, RGB(255, 220, 0));
    DrawDisc(dc, plot.X(n), plot.Y(scene.point.Torque()), scene.Size(7));
}
