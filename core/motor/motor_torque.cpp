// The torque against speed pane: the total torque, its forward and backward parts in three line
// styles, the fan's curve, the operating point and the breakdown torque.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "motor/motor_layers.h"
#include "text/numbers.h"

namespace {

using namespace motor;

constexpr double kLeftSpeed = -1500.0;  // the axis at least, widened to the operating point
constexpr double kRightSpeed = 1800.0;
constexpr double kCurveStep = 10.0;  // rpm between the curves' points

struct TorquePlot {
    int left, top, right, bottom;
    double low, high;  // rpm at the left and the right
    double full;       // N·m at the top
    int X(double n) const { return Px(At(n, 0.0).x); }
    int Y(double t) const { return Px(At(0.0, t).y); }
    // Unrounded, for the curves.
    PointF At(double n, double t) const {
        return {left + (n - low) / (high - low) * (right - left),
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
    const std::string text = Fixed("%g", value);
    return text.front() == '-' ? "−" + text.substr(1) : text;
}

}  // namespace

// Behind the curve, faintly: with the frequency under control, the curves at 10 to 50 Hz (named
// in Hz) with the
// same boost and rotor; with resistance in the rotor, the cage rotor's curve it moved from.
static void DrawDriveFamily(const MotorScene& scene, const TorquePlot& plot) {
    const MotorDrive& drive = scene.model.Drive();
    std::vector<MotorDrive> family;
    if (drive.frequency != kFrequency || drive.boost > 0.0) {
        for (const double f : {10.0, 20.0, 30.0, 40.0, 50.0})
            if (f != drive.frequency) family.push_back({f, drive.boost, drive.rotorResistance});
    }
    if (drive.rotorResistance > 0.0) family.push_back({drive.frequency, drive.boost, 0.0});
    CDC* dc = scene.dc;
    const int size = kSmallestText;
    for (const MotorDrive& d : family) {
        // Each from standstill to its own n_s, the part a drive runs on.
        const MotorModel model(scene.model.CurrentSupply(), d);
        const double ns = model.SynchronousSpeed();
        std::vector<PointF> points;
        for (double n = std::max(plot.low, 0.0); n < ns + kCurveStep / 2; n += kCurveStep) {
            const double speed = std::min(n, ns);
            points.push_back(
                plot.At(speed, std::clamp(model.Torque(speed), -plot.full, plot.full)));
        }
        {
            ScopedPen pen(dc, PS_SOLID, 1, kLocusColour);
            dc->Polyline(points);
        }
        if (d.rotorResistance != drive.rotorResistance) continue;
        // Named where it meets the axis, under it.
        const std::string label = Fixed("%g", d.frequency);
        scene.Text(plot.X(ns) - Px(ApproxTextWidth(label, size) / 2), plot.Y(0.0) + 2, label, 12,
                   kLocusColour);
    }
}

void DrawMotorTorque(const MotorScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转矩–转速特性")));

    // The speed axis takes in the operating point, to the next 500 rpm.
    const double n0 = scene.point.speed;
    const double low = std::max(-kMaxSpeed, std::min(kLeftSpeed, std::floor(n0 / 500.0) * 500.0));
    // A drive above 50 Hz widens it to 1.2 n_s, as the mains' 1800 is to its 1500.
    const double high =
        std::min(kMaxSpeed, std::max({kRightSpeed, 1.2 * scene.model.SynchronousSpeed(),
                                      std::ceil(n0 / 500.0) * 500.0}));
    const int count = static_cast<int>(std::lround((high - low) / kCurveStep)) + 1;
    std::vector<MotorPoint> curve(count);
    double largest = std::abs(scene.breakdown.torque);
    for (int k = 0; k < count; ++k) {
        curve[k] = scene.model.At(low + k * kCurveStep);
        largest = std::max({largest, std::abs(curve[k].forward), std::abs(curve[k].backward),
                            std::abs(curve[k].Torque())});
    }
    const double fastest = std::max(-low, high);
    largest = std::max(
        {largest, scene.inputs.load * fastest * fastest / (kSynchronousSpeed * kSynchronousSpeed),
         std::abs(scene.point.Torque())});
    if (scene.dynamic)
        largest = std::max({largest, scene.dynamic->PeakTorque(), -scene.dynamic->MinTorque()});
    const double full = NiceCeiling(std::max(largest, 1.0));

    // Room for the texts round the plot, from their sizes: the torque's labels on the left, the
    // curves' names on the right, the axis's name over the plot, and under it the speed's labels
    // (clear of the lowest torque label, which reaches half a line below the plot) and name.
    const int size = scene.TextPx(15);
    const int gap = scene.Size(6);
    // The curves' names start clear of the operating point's disc at the plot's edge.
    const int nameGap = scene.Size(10);
    double torqueLabels = 0.0;
    for (const double t : {full, -full})
        torqueLabels = std::max(torqueLabels, ApproxTextWidth(Signed(t), size));
    const int titleBottom = pane.top + scene.Size(8) + scene.TextPx(22);
    const TorquePlot plot{pane.left + scene.Size(10) + Px(torqueLabels) + gap,
                          titleBottom + gap + size + gap,
                          pane.right - scene.Size(10) - Px(ApproxTextWidth("T−", size)) - nameGap,
                          pane.bottom - (size / 2 + gap + 2 * size + 2 * gap),
                          low,
                          high,
                          full};
    const int speedLabels = plot.bottom + size / 2 + gap;

    // Speed labels every 500 rpm, or every 1000 or 1500 where they would meet.
    double widest = 0.0;
    for (const double n : {low, high}) widest = std::max(widest, ApproxTextWidth(Signed(n), size));
    double every = 500.0;
    while (every < 3000.0 && plot.X(every) - plot.X(0) < widest + 2 * gap) every += 500.0;
    const auto ticks = [&](auto f) {
        for (double n = std::ceil(low / every) * every; n <= high + 1e-9; n += every) f(n);
    };
    {
        ScopedPen grid(dc, PS_DOT, 1, kGridColour);
        ticks([&](double n) {
            dc->MoveTo(plot.X(n), plot.top);
            dc->LineTo(plot.X(n), plot.bottom);
        });
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
    ticks([&](double n) {
        const std::string label = Signed(n);
        scene.Text(plot.X(n) - Px(ApproxTextWidth(label, size) / 2), speedLabels, label, 15, kInk);
    });
    for (const double t : {plot.full, plot.full / 2, 0.0, -plot.full / 2, -plot.full}) {
        const std::string label = Signed(t);
        scene.Text(plot.left - gap - Px(ApproxTextWidth(label, size)), plot.Y(t) - size / 2, label,
                   15, kInk);
    }
    const std::string speedName = "n / " + std::string(SpeedUnit(scene.inputs.translation));
    scene.Text(plot.right - Px(ApproxTextWidth(speedName, size)), speedLabels + size + gap,
               speedName, 15, kInk);
    scene.Text(plot.X(0) + gap, plot.top - gap - size, "T / N·m", 15, kInk);

    if (scene.inputs.hidden.curves) return;
    DrawDriveFamily(scene, plot);
    // The load's torque as the motor must meet it: L (n/n_s)², against the motion.
    if (scene.inputs.load > 0.0) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kLoadColour);
        std::vector<PointF> points;
        for (int k = 0; k < count; ++k) {
            const double n = low + k * kCurveStep;
            points.push_back(plot.At(n, -FanTorque(scene.inputs.load, n)));
        }
        dc->Polyline(points);
    }
    // A curve solid, or in dashes `dashes` pixels long.
    const auto polyline = [&](auto value, int dashes) {
        std::vector<PointF> points;
        for (const MotorPoint& p : curve) points.push_back(plot.At(p.speed, value(p)));
        if (dashes > 0) {
            DrawDashedCurve(dc, points, dashes);
        } else {
            dc->Polyline(points);
        }
    };
    // T- in short dashes two pixels wide or more, so that it reads on paper and a projector.
    {
        ScopedPen pen(dc, PS_SOLID, std::max(2, scene.Size(2)), kBackwardColour);
        polyline([](const MotorPoint& p) { return p.backward; }, scene.Size(3));
    }
    // The total under its forward part, which it hides wherever there is no backward part.
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kInk);
        polyline([](const MotorPoint& p) { return p.Torque(); }, 0);
    }
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kPositiveColour);
        polyline([](const MotorPoint& p) { return p.forward; }, scene.Size(8));
    }
    // Each curve named at its right-hand end, where they are furthest apart.
    // Where two ends meet (the total is its forward part on a balanced supply), the names are
    // stacked a line apart rather than drawn over each other.
    if (scene.dynamic) {
        const PointF origin = plot.At(0.0, 0.0);
        DrawMotorTrajectory(scene, {origin.x, plot.At(1.0, 0.0).x - origin.x, origin.y,
                                    origin.y - plot.At(0.0, 1.0).y});
    }
    const MotorPoint& end = curve.back();
    struct EndLabel {
        int y;
        const char* text;
        COLORREF colour;
    };
    std::vector<EndLabel> ends{{plot.Y(end.Torque()) - size, "T", kInk},
                               {plot.Y(end.forward) - size / 2, "T+", kPositiveColour},
                               {plot.Y(end.backward), "T−", kBackwardColour}};
    // The load too, among them: across the plot the motor's curves leave it no room.
    if (scene.inputs.load > 0.0)
        ends.push_back({plot.Y(-FanTorque(scene.inputs.load, high)) - size / 2, "TL", kLoadColour});
    std::stable_sort(ends.begin(), ends.end(),
                     [](const EndLabel& a, const EndLabel& b) { return a.y < b.y; });
    // Stacked a line apart, and all of them above the speed's labels.
    for (size_t i = 1; i < ends.size(); ++i) ends[i].y = std::max(ends[i].y, ends[i - 1].y + size);
    int lowest = speedLabels - gap - size;
    for (size_t i = ends.size(); i-- > 0; lowest -= size) ends[i].y = std::min(ends[i].y, lowest);
    for (const EndLabel& label : ends)
        scene.Text(plot.right + nameGap, label.y, label.text, 15, label.colour);

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
        const int clear = scene.Size(10);
        int y = up ? by - size - clear : by + clear;
        for (const MotorPoint& p : curve) {
            const int px = plot.X(p.speed);
            if (px < x - scene.Size(6) || px > x + width + scene.Size(6)) continue;
            std::vector<double> torques{p.Torque(), p.forward, p.backward};
            if (scene.inputs.load > 0.0) torques.push_back(-FanTorque(scene.inputs.load, p.speed));
            for (const double t : torques)
                y = up ? std::min(y, plot.Y(t) - size - clear) : std::max(y, plot.Y(t) + clear);
        }
        y = std::clamp(y, plot.top, plot.bottom - size);
        if (std::abs(y - (up ? by - size - clear : by + clear)) > size) {
            // Moved away from its tick: a dotted line leads back to it.
            ScopedPen pen(dc, PS_DOT, 1, kInk);
            dc->MoveTo(bx, up ? y + size : y);
            dc->LineTo(bx, up ? by - scene.Size(7) : by + scene.Size(7));
        }
        scene.Text(x, y, label, 15, kInk);
    }

    // The operating point, where the picture's rotor is: always inside the axes.
    ScopedPen outline(dc, PS_SOLID, scene.Size(2), kInk);
    ScopedBrush brush(dc, RGB(255, 220, 0));
    DrawDisc(dc, plot.X(scene.point.speed), plot.Y(scene.point.Torque()), scene.Size(7));
}
