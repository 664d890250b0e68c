// The start-up pane: the speed and, under it, the load angle against time, from the start to the
// present, with the moment the field came on. A run samples every millisecond; each pixel column
// draws the span of its samples, so that δ running round at slip frequency fills its band.
#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>
#include <string>

#include "synchronous/synchronous_layers.h"

namespace {

using namespace synchronous;

constexpr double kDegrees = 180.0 / std::numbers::pi;

double NiceTime(double t) {
    for (const double nice : {0.5, 1.0, 2.0, 3.0, 5.0})
        if (nice >= t - 1e-9) return nice;
    return kMaxTime;
}

// The samples' values against time, a column at a time: into it from the last column's last
// value, then its lowest to its highest and back to its last, one stroke. With `wraps`, a jump of
// more than half a turn (δ passing ±180°) is not joined.
template <typename Value>
void DrawTrace(CDC* dc, const SynchronousChart& c, const std::vector<SynchronousSample>& samples,
               Value value, bool wraps) {
    std::vector<PointF> line;
    int column = INT_MIN;
    double low = 0.0, high = 0.0, last = 0.0, previous = 0.0;
    const auto flush = [&] {
        const double x = column;
        if (low < high) {
            line.push_back({x, low});
            line.push_back({x, high});
        }
        if (line.back().y != last) line.push_back({x, last});
    };
    for (const SynchronousSample& s : samples) {
        const double v = value(s);
        const int x = c.X(s.time);
        const double y = c.At(s.time, std::clamp(v, c.y0, c.y1)).y;
        if (column != INT_MIN && x == column) {
            low = std::min(low, y);
            high = std::max(high, y);
        } else {
            if (column != INT_MIN) {
                flush();
                if (wraps && std::abs(v - previous) > 180.0) {
                    dc->Polyline(line);
                    line.clear();
                }
            }
            line.push_back({double(x), y});
            column = x;
            low = high = y;
        }
        last = y;
        previous = v;
    }
    if (column != INT_MIN) flush();
    dc->Polyline(line);
}

}  // namespace

void DrawSynchronousStartUp(const SynchronousScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "起动过程")));
    const int left = pane.left + scene.Size(58), right = pane.right - scene.Size(22);
    const int top = pane.top + scene.Size(62), bottom = pane.bottom - scene.Size(40);
    if (!scene.run) {
        const int x = pane.left + scene.Size(18), y = top + scene.Size(40);
        scene.Text(x, y, scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "这是给定功率下的稳态，")), 16,
                   kInk);
        scene.Text(x, y + scene.Size(24),
                   scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "没有起动过程。")), 16, kInk);
        scene.Text(x, y + scene.Size(64),
                   scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "同步电机不能自行起动：")), 15,
                   RGB(90, 90, 90));
        scene.Text(x, y + scene.Size(86),
                   scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "要靠阻尼绕组或变频器。")), 15,
                   RGB(90, 90, 90));
        return;
    }
    const std::vector<SynchronousSample>& samples = scene.run->Samples();
    double lowest = 0.0, highest = kSynchronousSpeed;
    for (const SynchronousSample& s : samples) {
        lowest = std::min(lowest, s.speed);
        highest = std::max(highest, s.speed);
    }
    lowest = 500.0 * std::floor(lowest / 500.0);
    highest = 500.0 * std::ceil(highest / 500.0);
    const double span = NiceTime(samples.back().time);
    const int middle = top + Px((bottom - top) * 0.55);
    const SynchronousChart speed{left, top,  right,  middle - scene.Size(14),
                                 0.0,  span, lowest, highest};
    const SynchronousChart angle{left, middle + scene.Size(22), right, bottom, 0.0, span, -180.0,
                                 180.0};
    std::vector<double> speedTicks;
    for (double n = lowest; n <= highest + 1e-9; n += highest - lowest > 1500.0 ? 1000.0 : 500.0)
        speedTicks.push_back(n);
    DrawChartFrame(scene, speed, {0.0, span / 2, span}, speedTicks, "",
                   scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "转速 n / rpm")));
    DrawChartFrame(scene, angle, {0.0, span / 2, span}, {-180.0, 0.0, 180.0}, "t / s", "δ / °");

    if (const std::optional<double> on = scene.run->FieldOnTime(); on && *on > 0.0) {
        ScopedPen pen(dc, PS_DOT, 1, kEmfColour);
        dc->MoveTo(speed.X(*on), speed.top);
        dc->LineTo(speed.X(*on), angle.bottom);
        const std::string_view label = scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "励磁接通"));
        const int size = scene.Size(14);
        const int x =
            std::min(speed.X(*on) + scene.Size(4), right - Px(ApproxTextWidth(label, size)));
        scene.Text(x, speed.Y(lowest) - size - scene.Size(4), label, 14, kEmfColour);
    }
    if (scene.inputs.hidden.curves) return;
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kCurrentColour);
        DrawTrace(
            dc, angle, samples, [](const SynchronousSample& s) { return s.delta * kDegrees; },
            true);
    }
    ScopedPen pen(dc, PS_SOLID, scene.Size(2.5), kInk);
    DrawTrace(
        dc, speed, samples, [](const SynchronousSample& s) { return s.speed; }, false);
}
