// The start-up with its transient: the torque and the three phase currents against time, and its
// path T(t) against n(t) over the steady-state curve.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "motor/motor_layers.h"
#include "text/numbers.h"

namespace {

using namespace motor;

constexpr COLORREF kPathColour = RGB(0, 120, 150);
constexpr double kZoomSpan = 0.1;  // s

struct Strip {
    int left, top, right, bottom;
    double full;  // the value at the top; the bottom is -full
    double span;  // seconds across
    double X(double t) const { return left + t / span * (right - left); }
    double Y(double v) const { return (top + bottom) / 2.0 - v / full * (bottom - top) / 2.0; }
};

// 1, 2 or 5 times a power of ten, from `decade` up, at least `value`.
double Nice(double value, double decade = 1.0) {
    for (;; decade *= 10.0)
        for (const double m : {1.0, 2.0, 5.0})
            if (m * decade >= value) return m * decade;
}

std::string Label(double value) {
    const std::string text = Fixed("%g", value);
    return text.front() == '-' ? "−" + text.substr(1) : text;
}

void DrawAxes(const MotorScene& scene, const Strip& s, std::string_view name) {
    CDC* dc = scene.dc;
    const int size = scene.TextPx(15), gap = scene.Size(6);
    {
        ScopedPen grid(dc, PS_DOT, 1, kGridColour);
        for (const double v : {s.full, -s.full}) {
            dc->MoveTo(s.left, Px(s.Y(v)));
            dc->LineTo(s.right, Px(s.Y(v)));
        }
    }
    ScopedPen axis(dc, PS_SOLID, scene.Size(1.5), kInk);
    dc->MoveTo(s.left, s.top);
    dc->LineTo(s.left, s.bottom);
    dc->MoveTo(s.left, Px(s.Y(0.0)));
    dc->LineTo(s.right, Px(s.Y(0.0)));
    for (const double v : {s.full, 0.0, -s.full}) {
        const std::string label = Label(v);
        scene.Text(s.left - gap - Px(ApproxTextWidth(label, size)), Px(s.Y(v)) - size / 2, label,
                   15, kInk);
    }
    scene.Text(s.left + gap, s.top - gap - size, name, 15, kInk);
}

// The samples up to the strip's end, with a pixel column's lowest and highest kept in their order:
// a long run's 50 Hz currents fill their envelope rather than alias.
template <typename Value>
void DrawCurve(CDC* dc, const Strip& s, const std::vector<DynamicSample>& samples, Value value) {
    std::vector<PointF> points;
    int column = -1;
    size_t low = 0, high = 0;
    const auto flush = [&] {
        if (column < 0) return;
        const size_t a = std::min(low, high), b = std::max(low, high);
        points.push_back({s.X(samples[a].time), s.Y(value(samples[a]))});
        if (b != a) points.push_back({s.X(samples[b].time), s.Y(value(samples[b]))});
    };
    for (size_t k = 0; k < samples.size() && samples[k].time <= s.span + 1e-12; ++k) {
        const int x = Px(s.X(samples[k].time));
        if (x != column) {
            flush();
            column = x;
            low = high = k;
        }
        if (value(samples[k]) < value(samples[low])) low = k;
        if (value(samples[k]) > value(samples[high])) high = k;
    }
    flush();
    if (points.size() > 1) dc->Polyline(points);
}

}  // namespace

void DrawMotorDynamicStartUp(const MotorScene& scene, const CRect& pane) {
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Motor", "起动过程（动态）")));
    const DynamicRun& run = *scene.dynamic;
    const std::vector<DynamicSample>& samples = run.Samples();
    double torque = 0.0, current = 0.0;
    for (const DynamicSample& m : samples) {
        torque = std::max(torque, std::abs(m.torque));
        current = std::max(
            {current, std::abs(m.current[0]), std::abs(m.current[1]), std::abs(m.current[2])});
    }
    const double torqueFull = Nice(torque);
    const double currentFull = Nice(current);
    const double span = scene.inputs.zoom ? kZoomSpan : Nice(run.Time(), kZoomSpan);

    const int size = scene.TextPx(15), gap = scene.Size(6);
    const int left = pane.left + scene.Size(10) +
                     Px(ApproxTextWidth(Label(-std::max(torqueFull, currentFull)), size)) + gap;
    const int right = pane.right - scene.Size(24);
    const int top = pane.top + scene.Size(8) + scene.TextPx(22) + 2 * gap + size;
    const int bottom = pane.bottom - (size / 2 + 3 * gap + 2 * size);
    const int between = size / 2 + 3 * gap + size;
    const int middle = top + (bottom - top - between) / 2;
    const Strip upper{left, top, right, middle, torqueFull, span};
    const Strip lower{left, middle + between, right, bottom, currentFull, span};
    DrawAxes(scene, upper, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转矩 T / N·m")));
    const std::string currentName(scene.Tr(QT_TRANSLATE_NOOP("Motor", "电流 i / A")));
    DrawAxes(scene, lower, currentName);
    // The phases' letters after the strip's name, so that colour is not the only cue.
    int x = lower.left + 3 * gap + Px(ApproxTextWidth(currentName, size));
    static constexpr std::string_view kLetters[] = {"iU", "iV", "iW"};
    for (int k = 0; k < 3; ++k) {
        scene.Text(x, lower.top - gap - size, kLetters[k], 15, scene.Phase(k));
        x += Px(ApproxTextWidth(kLetters[k], size)) + 2 * gap;
    }
    const int timeLabels = bottom + size / 2 + gap;
    for (const double t : {0.0, span / 2, span}) {
        const std::string label = Label(t);
        scene.Text(Px(upper.X(t) - ApproxTextWidth(label, size) / 2), timeLabels, label, 15, kInk);
    }
    scene.Text(right - Px(ApproxTextWidth("t / s", size)), timeLabels + size + gap, "t / s", 15,
               kInk);

    for (int k = 0; k < 3; ++k) {
        ScopedPen pen(scene.dc, PS_SOLID, scene.Size(1.5), scene.Phase(k));
        DrawCurve(scene.dc, lower, samples, [k](const DynamicSample& m) { return m.current[k]; });
    }
    ScopedPen pen(scene.dc, PS_SOLID, scene.Size(2), kInk);
    DrawCurve(scene.dc, upper, samples, [](const DynamicSample& m) { return m.torque; });
}

void DrawMotorTrajectory(const MotorScene& scene, const TorqueMapping& at) {
    std::vector<PointF> points;
    for (const DynamicSample& m : scene.dynamic->Samples()) {
        const PointF p{at.x0 + m.speed * at.perRpm, at.y0 - m.torque * at.perNm};
        // A point a pixel or more from the last kept: a settled run adds none.
        if (!points.empty() && std::abs(p.x - points.back().x) < 1.0 &&
            std::abs(p.y - points.back().y) < 1.0 && &m != &scene.dynamic->Samples().back())
            continue;
        points.push_back(p);
    }
    if (points.size() < 2) return;
    ScopedPen pen(scene.dc, PS_SOLID, scene.Size(1.5), kPathColour);
    scene.dc->Polyline(points);
}
