// The start-up pane: the speed, and under it the current of each winding, from the start or push
// to the present.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "motor/motor_layers.h"
#include "text/numbers.h"

namespace {

using namespace motor;

struct Strip {
    int left, top, right, bottom;
    double low, high;  // the values at the bottom and the top
    double span;       // seconds across
    int X(double t) const { return Px(At(t, low).x); }
    int Y(double v) const { return Px(At(0.0, v).y); }
    // Unrounded, for the curves.
    PointF At(double t, double v) const {
        return {left + t / span * (right - left),
                bottom - (v - low) / (high - low) * (bottom - top)};
    }
};

// The time axis grows with the run: 0.5, 1, 2, 3, 5, 10, 20, 30, 50 ... seconds.
double NiceTime(double t) {
    if (t <= 0.5) return 0.5;
    for (double decade = 1.0;; decade *= 10.0)
        for (const double m : {1.0, 2.0, 3.0, 5.0})
            if (m * decade >= t) return m * decade;
}

double NiceCurrent(double a) {
    for (const double nice : {10.0, 20.0, 30.0, 50.0, 100.0})
        if (nice >= a) return nice;
    return 200.0;
}

std::string Label(double value) {
    const std::string text = Fixed("%g", value);
    return text.front() == '-' ? "−" + text.substr(1) : text;
}

void DrawStrip(const MotorScene& scene, const Strip& s, std::string_view name,
               std::initializer_list<double> ticks) {
    CDC* dc = scene.dc;
    const int size = scene.TextPx(15), gap = scene.Size(6);
    {
        ScopedPen grid(dc, PS_DOT, 1, kGridColour);
        for (const double v : ticks) {
            dc->MoveTo(s.left, s.Y(v));
            dc->LineTo(s.right, s.Y(v));
        }
    }
    ScopedPen axis(dc, PS_SOLID, scene.Size(1.5), kInk);
    dc->MoveTo(s.left, s.top);
    dc->LineTo(s.left, s.bottom);
    const double zero = std::clamp(0.0, s.low, s.high);
    dc->MoveTo(s.left, s.Y(zero));
    dc->LineTo(s.right, s.Y(zero));
    for (const double v : ticks) {
        const std::string label = Label(v);
        scene.Text(s.left - gap - Px(ApproxTextWidth(label, size)), s.Y(v) - size / 2, label, 15,
                   kInk);
    }
    scene.Text(s.left + gap, s.top - gap - size, name, 15, kInk);
}

}  // namespace

void DrawMotorStartUp(const MotorScene& scene, const CRect& pane) {
    if (scene.dynamic) return DrawMotorDynamicStartUp(scene, pane);
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Motor", "起动过程")));
    const std::vector<MotorSample>* samples = scene.samples;
    const double end = samples ? samples->back().time : 0.0;
    double fastest = kSynchronousSpeed, largest = 0.0;
    if (samples) {
        for (const MotorSample& m : *samples) {
            fastest = std::max(fastest, std::abs(m.speed));
            largest = std::max({largest, m.current[0], m.current[1], m.current[2]});
        }
    }
    const double n = fastest > kSynchronousSpeed + 1.0 ? kMaxSpeed : kSynchronousSpeed;
    const double amps = NiceCurrent(largest);

    // Room for the texts, from their sizes: each strip's name over it, the values' labels on the
    // left, and under the lower strip the time's labels (clear of its lowest value's label, half
    // a line below it) and name.
    const int size = scene.TextPx(15), gap = scene.Size(6);
    const int left = pane.left + scene.Size(10) + Px(ApproxTextWidth(Label(-n), size)) + gap;
    const int right = pane.right - scene.Size(24);
    const int top = pane.top + scene.Size(8) + scene.TextPx(22) + 2 * gap + size;
    const int bottom = pane.bottom - (size / 2 + 3 * gap + 2 * size);
    // The lower strip's name goes between the strips, below the upper one's lowest label.
    const int between = size / 2 + 3 * gap + size;
    const int speedBottom = top + Px((bottom - top - between) * 0.55);
    const Strip speed{left, top, right, speedBottom, -n, n, NiceTime(end)};
    const Strip current{left, speedBottom + between, right, bottom, 0.0, amps, speed.span};
    const std::string unit(SpeedUnit(scene.inputs.translation));
    DrawStrip(scene, speed,
              std::string(scene.Tr(QT_TRANSLATE_NOOP("Motor", "转速 n"))) + " / " + unit,
              {-n, 0.0, n});
    DrawStrip(scene, current, scene.Tr(QT_TRANSLATE_NOOP("Motor", "电流 / A")),
              {0.0, amps / 2, amps});
    const int timeLabels = bottom + size / 2 + gap;
    for (const double t : {0.0, speed.span / 2, speed.span}) {
        const std::string label = Label(t);
        scene.Text(speed.X(t) - Px(ApproxTextWidth(label, size) / 2), timeLabels, label, 15, kInk);
    }
    scene.Text(right - Px(ApproxTextWidth("t / s", size)), timeLabels + size + gap, "t / s", 15,
               kInk);

    if (!samples) {
        const std::string_view note =
            scene.Tr(QT_TRANSLATE_NOOP("Motor", "转速保持不变：没有起动过程"));
        scene.Text(left + scene.Size(12), speed.Y(n / 2), note, 16, kInk);
        return;
    }
    if (scene.inputs.hidden.curves) return;
    // A long run has more samples than the strip has pixels: one a pixel column is drawn.
    const auto polyline = [&](const Strip& s, auto value) {
        std::vector<PointF> points;
        int lastX = 0;
        for (size_t k = 0; k < samples->size(); ++k) {
            const MotorSample& m = (*samples)[k];
            const int x = s.X(m.time);
            if (k != 0 && x == lastX && k + 1 != samples->size()) continue;
            points.push_back(s.At(m.time, value(m)));
            lastX = x;
        }
        dc->Polyline(points);
    };
    for (int x = 0; x < 3; ++x) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), scene.Phase(x));
        polyline(current, [x](const MotorSample& m) { return m.current[x]; });
    }
    ScopedPen pen(dc, PS_SOLID, scene.Size(3), kInk);
    polyline(speed, [](const MotorSample& m) { return m.speed; });
    // The letters beside the curves' ends, so that colour is not the only cue.
    static constexpr std::string_view kLetters[] = {"IU", "IV", "IW"};
    const MotorSample& last = samples->back();
    const int letters = Px(ApproxTextWidth("IU", scene.TextPx(14))) + scene.Size(4);
    if (speed.X(last.time) - 3 * letters < left) return;
    for (int x = 0; x < 3; ++x) {
        // Above the curve over the letters' whole width, not only at its end: a falling current
        // would otherwise cross them.
        const int lx = current.X(last.time) - 3 * letters + x * letters;
        int high = current.Y(last.current[x]);
        for (const MotorSample& m : *samples)
            if (current.X(m.time) >= lx) high = std::min(high, current.Y(m.current[x]));
        scene.Text(lx, high - scene.TextPx(14) - scene.Size(2), kLetters[x], 14, scene.Phase(x));
    }
    scene.Text(speed.X(last.time) - scene.Size(14), speed.Y(last.speed) - size - scene.Size(2), "n",
               15, kInk);
}
