// The torque against speed pane: the motor's torque with the switch closed and with it open (one
// curve for a kind without a switch), the speeds at which the switch moves, the fan's torque, and
// the path the start-up has taken so far, jumping from one curve to the other.
#include <cmath>
#include <string>
#include <vector>

#include "capacitor_motor/capacitor_motor_layers.h"

namespace {

using namespace capmotor;

// From standstill either way to synchronous speed: beyond it the motor brakes hard and the curve
// would set the scale.
constexpr double kLeftSpeed = -kSynchronousSpeed;
constexpr double kRightSpeed = kSynchronousSpeed;
constexpr double kCurveStep = 10.0;  // rpm between the curves' points
constexpr int kCount = static_cast<int>((kRightSpeed - kLeftSpeed) / kCurveStep) + 1;

struct TorquePlot {
    int left, top, right, bottom;
    double full;  // N·m at the top
    int X(double n) const {
        const double clamped = std::clamp(n, kLeftSpeed, kRightSpeed);
        return Px(left + (clamped - kLeftSpeed) / (kRightSpeed - kLeftSpeed) * (right - left));
    }
    int Y(double t) const {
        const double clamped = std::clamp(t, -full, full);
        return Px((top + bottom) / 2.0 - clamped / full * (bottom - top) / 2.0);
    }
};

// The smallest of 1, 2, 3, 4, 5, 6, 8, 10, 15, 20, 30 ... at or above `value`.
double NiceTorque(double value) {
    for (double decade = 1.0;; decade *= 10.0)
        for (const double m : {1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 8.0})
            if (m * decade >= value) return m * decade;
}

// The curve through `torque` at each of the plot's speeds.
void DrawCurve(CDC* dc, const TorquePlot& plot, const std::vector<double>& torque) {
    for (int k = 0; k < kCount; ++k) {
        const int x = plot.X(kLeftSpeed + k * kCurveStep), y = plot.Y(torque[k]);
        if (k == 0)
            dc->MoveTo(x, y);
        else
            dc->LineTo(x, y);
    }
}

}  // namespace

void DrawCapacitorMotorTorque(const CapacitorMotorScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "转矩–转速特性")));
    const bool hasSwitch = HasCentrifugalSwitch(scene.inputs.kind);
    const double load = scene.inputs.load;

    std::vector<double> closed(kCount), open(kCount), fan(kCount);
    double largest = std::abs(scene.point.Torque());
    for (int k = 0; k < kCount; ++k) {
        const double n = kLeftSpeed + k * kCurveStep;
        closed[k] = scene.model.At(n, true).Torque();
        open[k] = hasSwitch ? scene.model.At(n, false).Torque() : closed[k];
        fan[k] = -CapacitorMotorFan(load, n);
        largest = std::max({largest, std::abs(closed[k]), std::abs(open[k]), std::abs(fan[k])});
    }
    const TorquePlot plot{pane.left + scene.Size(58), pane.top + scene.Size(42),
                          pane.right - scene.Size(24), pane.bottom - scene.Size(40),
                          NiceTorque(std::max(largest, 1.0))};

    const int size = scene.Size(15);
    {
        ScopedPen grid(dc, PS_DOT, 1, kGridColour);
        for (double n = -1500.0; n <= 1500.0; n += 500.0) {
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
    for (double n = -1500.0; n <= 1500.0; n += 500.0) {
        // The first starts at its tick, clear of the torque's labels.
        const std::string label = CapacitorMotorFigure(n);
        const int width = Px(ApproxTextWidth(label, size));
        scene.Text(plot.X(n) - (n == kLeftSpeed ? 0 : width / 2), plot.bottom + scene.Size(4),
                   label, 15, kInk);
    }
    for (const double t : {plot.full, plot.full / 2, 0.0, -plot.full / 2, -plot.full}) {
        const std::string label = CapacitorMotorFigure(t);
        scene.Text(plot.left - scene.Size(6) - Px(ApproxTextWidth(label, size)),
                   plot.Y(t) - size / 2, label, 15, kInk);
    }
    scene.Text(plot.right - scene.Size(56), plot.bottom + scene.Size(20), "n / rpm", 15, kInk);
    scene.Text(plot.X(0) + scene.Size(6), plot.top - scene.Size(2) - size, "T / N·m", 15, kInk);

    // The labels go where the curves leave room: below the axis on the right, or above it on the
    // left when the auxiliary winding is reversed and the curves are turned round. Rows 0 and 1
    // hold the switching speeds, the rest the legend.
    const bool reversed = scene.inputs.reverseAux;
    const int rowHeight = size + scene.Size(4);
    // Clear of the torque's top and bottom labels, which stand half a row over the plot's edges,
    // so that a switching speed may reach into the margin beside them.
    const auto row = [&](int k) {
        return reversed ? plot.top + size / 2 + scene.Size(4) + k * rowHeight
                        : plot.bottom - size / 2 - scene.Size(4) - (k + 1) * rowHeight;
    };

    // Where the switch opens and closes, on the side the rotor turns.
    const double side = std::abs(scene.point.speed) >= 1.0 ? (scene.point.speed < 0 ? -1.0 : 1.0)
                        : reversed                         ? -1.0
                                                           : 1.0;
    if (hasSwitch) {
        struct Mark {
            double speed;
            std::string_view text;
        };
        const Mark marks[] = {
            {kSwitchOpens, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "断开于"))},
            {kSwitchCloses, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "闭合于"))}};
        for (int k = 0; k < 2; ++k) {
            const int x = plot.X(side * marks[k].speed);
            {
                ScopedPen pen(dc, PS_DOT, 1, kClosedColour);
                dc->MoveTo(x, plot.top);
                dc->LineTo(x, plot.bottom);
            }
            // The word over the speed, each beside its line: the opening speed on the outside,
            // the closing one on the inside, so that the two never meet.
            const std::string speed = CapacitorMotorFigure(side * marks[k].speed);
            const int width =
                Px(std::max(ApproxTextWidth(marks[k].text, size), ApproxTextWidth(speed, size)));
            const bool right = (k == 0) == (side > 0);
            // Past the plot's ends if need be, into the pane's margins, rather than over its own
            // line.
            const int lx =
                std::clamp(right ? x + scene.Size(4) : x - scene.Size(4) - width,
                           pane.left + scene.Size(2), pane.right - scene.Size(2) - width);
            scene.Text(lx, row(reversed ? 0 : 1), marks[k].text, 15, kClosedColour);
            scene.Text(lx, row(reversed ? 1 : 0), speed, 15, kClosedColour);
        }
    }

    if (scene.inputs.hidden.curves) return;
    // The start-up's path under the curves, as a highlighter: a point wherever it has moved a
    // few pixels on, the jumps of the switch among them, and where it is now.
    if (scene.run != nullptr) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(10), kPathColour);
        const std::vector<CapacitorMotorSample>& samples = scene.run->Samples();
        int lastX = plot.X(samples[0].speed), lastY = plot.Y(samples[0].torque);
        dc->MoveTo(lastX, lastY);
        for (size_t k = 1; k < samples.size(); ++k) {
            const int x = plot.X(samples[k].speed), y = plot.Y(samples[k].torque);
            if (std::max(std::abs(x - lastX), std::abs(y - lastY)) < scene.Size(4) &&
                k + 1 < samples.size())
                continue;
            dc->LineTo(x, y);
            lastX = x;
            lastY = y;
        }
    }
    if (load > 0.0) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kLoadColour);
        DrawCurve(dc, plot, fan);
    }
    if (hasSwitch) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kClosedColour);
        DrawCurve(dc, plot, closed);
    }
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kInk);
        DrawCurve(dc, plot, open);
    }

    // The legend, in the rows after the switching speeds.
    struct Entry {
        COLORREF colour;
        int width;
        std::string_view text;
        bool shown;
    };
    const Entry entries[] = {
        {kClosedColour, 3, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "开关闭合时")), hasSwitch},
        {kInk, 3,
         hasSwitch ? scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "开关断开时"))
                   : scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "电动机转矩")),
         true},
        {kLoadColour, 2, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "负载")), load > 0.0},
        {kPathColour, 10, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "起动轨迹")),
         scene.run != nullptr},
    };
    const int x = plot.X(reversed ? -1400.0 : 100.0);
    int k = 2;
    for (const Entry& e : entries) {
        if (!e.shown) continue;
        // Half a row clear of the switching speeds.
        const int gap = reversed ? rowHeight / 2 : -rowHeight / 2;
        const int y = row(reversed ? k : 7 - k) + gap;
        {
            ScopedPen pen(dc, PS_SOLID, scene.Size(e.width), e.colour);
            dc->MoveTo(x, y + size / 2);
            dc->LineTo(x + scene.Size(26), y + size / 2);
        }
        scene.Text(x + scene.Size(32), y, e.text, 15, kInk);
        ++k;
    }

    // The operating point.
    ScopedPen outline(dc, PS_SOLID, scene.Size(2), kInk);
    ScopedBrush brush(dc, RGB(255, 220, 0));
    DrawDisc(dc, plot.X(scene.point.speed), plot.Y(scene.point.Torque()), scene.Size(7));
}
