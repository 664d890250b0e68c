// The start-up pane: the speed, and under it the current of each winding, from the start or push
// to the present.
#include <algorithm>
#include <cmath>
#include <string>

#include "motor/motor_layers.h"

namespace {

using namespace motor;

struct Strip {
    int left, top, right, bottom;
    double low, high;  // the values at the bottom and the top
    double span;       // seconds across
    int X(double t) const { return Px(left + t / span * (right - left)); }
    int Y(double v) const { return Px(bottom - (v - low) / (high - low) * (bottom - top)); }
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
    const std::string text = MotorFixed("%g", value);
    return text.front() == '-' ? "−" + text.substr(1) : text;
}

void DrawStrip(const MotorScene& scene, const Strip& s, std::string_view name,
               std::initializer_list<double> ticks) {
    CDC* dc = scene.dc;
    const int size = scene.Size(15);
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
        scene.Text(s.left - scene.Size(6) - Px(ApproxTextWidth(label, size)), s.Y(v) - size / 2,
                   label, 15, kInk);
    }
    scene.Text(s.left + scene.Size(6), s.top - scene.Size(4) - size, name, 15, kInk);
}

}  // namespace

void DrawMotorStartUp(const MotorScene& scene, const CRect& pane) {
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
    const int left = pane.left + scene.Size(62), right = pane.right - scene.Size(24);
    const int top = pane.top + scene.Size(62), bottom = pane.bottom - scene.Size(40);
    const int middle = top + Px((bottom - top) * 0.55);
    const Strip speed{left, top, right, middle - scene.Size(14), -n, n, NiceTime(end)};
    const Strip current{left, middle + scene.Size(16), right, bottom, 0.0, amps, speed.span};
    DrawStrip(scene, speed, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转速 n / rpm")), {-n, 0.0, n});
    DrawStrip(scene, current, scene.Tr(QT_TRANSLATE_NOOP("Motor", "电流 / A")),
              {0.0, amps / 2, amps});
    const int size = scene.Size(15);
    for (const double t : {0.0, speed.span / 2, speed.span}) {
        const std::string label = Label(t);
        scene.Text(speed.X(t) - Px(ApproxTextWidth(label, size) / 2), bottom + scene.Size(4), label,
                   15, kInk);
    }
    scene.Text(right - scene.Size(34), bottom + scene.Size(20), "t / s", 15, kInk);

    if (!samples) {
        const std::string_view note =
            scene.Tr(QT_TRANSLATE_NOOP("Motor", "给定转速下的稳态：没有起动过程"));
        scene.Text(left + scene.Size(12), speed.Y(n / 2), note, 16, kInk);
        return;
    }
    const auto polyline = [&](const Strip& s, auto value) {
        bool first = true;
        for (const MotorSample& m : *samples) {
            const int x = s.X(m.time), y = s.Y(value(m));
            if (first)
                dc->MoveTo(x, y);
            else
                dc->LineTo(x, y);
            first = false;
        }
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
    if (speed.X(last.time) - scene.Size(70) < left) return;
    for (int x = 0; x < 3; ++x) {
        // Above the curve over the letters' whole width, not only at its end: a falling current
        // would otherwise cross them.
        const int lx = current.X(last.time) - scene.Size(70) + x * scene.Size(24);
        int top = current.Y(last.current[x]);
        for (const MotorSample& m : *samples)
            if (current.X(m.time) >= lx) top = std::min(top, current.Y(m.current[x]));
        scene.Text(lx, top - size - scene.Size(2), kLetters[x], 14, scene.Phase(x));
    }
    scene.Text(speed.X(last.time) - scene.Size(14), speed.Y(last.speed) - size - scene.Size(2), "n",
               15, kInk);
}
