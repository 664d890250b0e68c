// The start-up pane: the speed, and under it the three currents, from the start to the present,
// with each movement of the switch marked across both.
#include <algorithm>
#include <cmath>
#include <string>

#include "capacitor_motor/capacitor_motor_layers.h"

namespace {

using namespace capmotor;

struct Strip {
    int left, top, right, bottom;
    double low, high;  // the values at the bottom and the top
    double span;       // seconds across
    int X(double t) const { return Px(left + t / span * (right - left)); }
    int Y(double v) const { return Px(bottom - (v - low) / (high - low) * (bottom - top)); }
};

double NiceTime(double t) {
    for (const double nice : {0.1, 0.2, 0.3, 0.5, 1.0, 2.0, 3.0, 5.0})
        if (nice >= t - 1e-9) return nice;
    return kMaxTime;
}

double NiceCurrent(double a) {
    for (const double nice : {5.0, 10.0, 20.0, 30.0, 50.0, 100.0})
        if (nice >= a) return nice;
    return 200.0;
}

// A curve through a sample a millisecond, a point a pixel column: each column is left from its
// last point, and where the curve runs up or down it within the column (a current that jumps as
// the switch moves) its extremes are reached first. Points in line with the segment before them
// lengthen it, so that a settled run is one segment.
template <class Value>
void DrawSamples(CDC* dc, const Strip& s, const std::vector<CapacitorMotorSample>& samples,
                 Value value) {
    struct Point {
        int x, y;
    };
    Point drawn{}, pending{};
    bool hasPending = false;
    const auto to = [&](Point p) {
        if (hasPending) {
            const long cross = long(pending.x - drawn.x) * (p.y - drawn.y) -
                               long(pending.y - drawn.y) * (p.x - drawn.x);
            const long dot = long(pending.x - drawn.x) * (p.x - pending.x) +
                             long(pending.y - drawn.y) * (p.y - pending.y);
            if (cross != 0 || dot < 0) {
                dc->LineTo(pending.x, pending.y);
                drawn = pending;
            }
        }
        pending = p;
        hasPending = true;
    };
    bool first = true;
    int column = 0, low = 0, high = 0, last = 0;
    const auto leave = [&] {
        if (high - low > 2) {
            to({column, low});
            to({column, high});
        }
        to({column, last});
    };
    for (const CapacitorMotorSample& m : samples) {
        const int x = s.X(m.time), y = s.Y(value(m));
        if (first) {
            dc->MoveTo(x, y);
            drawn = {x, y};
            first = false;
        } else if (x == column) {
            low = std::min(low, y);
            high = std::max(high, y);
            last = y;
            continue;
        } else {
            leave();
        }
        column = x;
        low = high = last = y;
    }
    if (!first) leave();
    if (hasPending && (pending.x != drawn.x || pending.y != drawn.y))
        dc->LineTo(pending.x, pending.y);
}

void DrawStrip(const CapacitorMotorScene& scene, const Strip& s, std::string_view name,
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
    dc->MoveTo(s.left, s.Y(0.0));
    dc->LineTo(s.right, s.Y(0.0));
    for (const double v : ticks) {
        const std::string label = CapacitorMotorFigure(v);
        scene.Text(s.left - scene.Size(6) - Px(ApproxTextWidth(label, size)), s.Y(v) - size / 2,
                   label, 15, kInk);
    }
    scene.Text(s.left + scene.Size(6), s.top - scene.Size(2) - size, name, 15, kInk);
}

}  // namespace

void DrawCapacitorMotorStartUp(const CapacitorMotorScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "起动过程")));
    const std::vector<CapacitorMotorSample>* samples =
        scene.run != nullptr ? &scene.run->Samples() : nullptr;
    const double end = samples ? samples->back().time : 0.0;
    double fastest = kSynchronousSpeed, slowest = 0.0, largest = 0.0;
    if (samples) {
        for (const CapacitorMotorSample& m : *samples) {
            fastest = std::max(fastest, std::abs(m.speed));
            slowest = std::min(slowest, m.speed);
            largest = std::max({largest, m.main, m.aux, m.line});
        }
    }
    const double n = fastest > kSynchronousSpeed + 1.0 ? kMaxSpeed : kSynchronousSpeed;
    // Both ways only when the rotor has turned backwards.
    const double low = slowest < -1.0 ? -n : 0.0;
    const double amps = NiceCurrent(largest);
    const int left = pane.left + scene.Size(60), right = pane.right - scene.Size(20);
    const int top = pane.top + scene.Size(58), bottom = pane.bottom - scene.Size(40);
    const int middle = top + Px((bottom - top) * 0.5);
    const Strip speed{left, top, right, middle - scene.Size(12), low, n, NiceTime(end)};
    const Strip current{left, middle + scene.Size(22), right, bottom, 0.0, amps, speed.span};
    if (low < 0.0)
        DrawStrip(scene, speed, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "转速 n / rpm")),
                  {-n, 0.0, n});
    else
        DrawStrip(scene, speed, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "转速 n / rpm")),
                  {0.0, n / 2, n});
    DrawStrip(scene, current, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "电流 / A")),
              {0.0, amps / 2, amps});
    const int size = scene.Size(15);
    for (const double t : {0.0, speed.span / 2, speed.span}) {
        const std::string label = CapacitorMotorFigure(t);
        scene.Text(speed.X(t) - Px(ApproxTextWidth(label, size) / 2), bottom + scene.Size(4), label,
                   15, kInk);
    }
    scene.Text(right - scene.Size(30), bottom + scene.Size(20), "t / s", 15, kInk);

    // The currents' legend beside their strip's name.
    struct Entry {
        COLORREF colour;
        const char* name;
        bool shown;
    };
    const Entry entries[] = {{kLineCurrentColour, "I", true},
                             {scene.Main(), "Im", true},
                             {scene.Aux(), "Ia", HasAuxiliaryWinding(scene.inputs.kind)}};
    int lx = current.right - scene.Size(170);
    for (const Entry& e : entries) {
        if (!e.shown) continue;
        const int y = current.top - scene.Size(2) - size / 2;
        {
            ScopedPen pen(dc, PS_SOLID, scene.Size(3), e.colour);
            dc->MoveTo(lx, y);
            dc->LineTo(lx + scene.Size(22), y);
        }
        scene.Text(lx + scene.Size(26), y - size / 2, e.name, 15, kInk);
        lx += scene.Size(58);
    }

    if (!samples) {
        const std::string_view note =
            scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "给定转速下的稳态：没有起动过程"));
        scene.Text(left + scene.Size(12), speed.Y(n * 0.75), note, 16, kInk);
        return;
    }
    if (scene.inputs.hidden.curves) return;
    if (HasCentrifugalSwitch(scene.inputs.kind)) {
        ScopedPen pen(dc, PS_DOT, 1, kClosedColour);
        for (const double v : {kSwitchOpens, kSwitchCloses, -kSwitchCloses, -kSwitchOpens}) {
            if (v < speed.low) continue;
            dc->MoveTo(speed.left, speed.Y(v));
            dc->LineTo(speed.right, speed.Y(v));
        }
    }

    // Each movement of the switch across both strips, named while there is room.
    int free = left;
    for (const SwitchEvent& e : scene.run->Events()) {
        const int x = speed.X(e.time);
        {
            ScopedPen pen(dc, PS_SOLID, scene.Size(2), kClosedColour);
            dc->MoveTo(x, speed.top);
            dc->LineTo(x, current.bottom);
        }
        const std::string_view text =
            e.opened ? scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "开关断开"))
                     : scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "开关闭合"));
        const int width = Px(ApproxTextWidth(text, size));
        if (x + scene.Size(4) < free || x + scene.Size(4) + width > right) continue;
        // In the other half of the strip from the speed then, which the curve has just left.
        const bool high = e.speed < low + 0.5 * (n - low);
        scene.Text(x + scene.Size(4), speed.Y(low + (high ? 0.8 : 0.3) * (n - low)), text, 15,
                   kClosedColour);
        free = x + scene.Size(12) + width;
    }

    const auto curve = [&](const Strip& s, COLORREF colour, int width, auto value) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(width), colour);
        DrawSamples(dc, s, *samples, value);
    };
    curve(current, kLineCurrentColour, 3, [](const CapacitorMotorSample& m) { return m.line; });
    curve(current, scene.Main(), 2, [](const CapacitorMotorSample& m) { return m.main; });
    if (HasAuxiliaryWinding(scene.inputs.kind))
        curve(current, scene.Aux(), 2, [](const CapacitorMotorSample& m) { return m.aux; });
    curve(speed, kInk, 3, [](const CapacitorMotorSample& m) { return m.speed; });
    const CapacitorMotorSample& last = samples->back();
    ScopedPen outline(dc, PS_SOLID, scene.Size(2), kInk);
    ScopedBrush brush(dc, RGB(255, 220, 0));
    DrawDisc(dc, speed.X(last.time), speed.Y(last.speed), scene.Size(5));
}
