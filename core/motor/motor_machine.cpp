// The machine pane: a 4-pole stator whose N and S poles turn with the air-gap field, and a cage
// rotor with one marked bar, turning at n/n_s of the field's rate, its bars' currents marked.
#include <cmath>
#include <numbers>
#include <string>

#include "motor/motor_layers.h"

namespace {

using namespace motor;

constexpr double kPi = std::numbers::pi;
constexpr int kBars = 28;
constexpr double kXm = 2.0 * kPi * kFrequency * kMagnetising;

// The share of a sequence current that goes through the rotor branch at slip s.
Phasor RotorShare(double s) {
    const Phasor jx(0.0, kXm * s);
    return jx / (jx + kRotorResistance);
}

struct Point {
    int x;
    int y;
};

Point At(int cx, int cy, double radius, double angle) {
    return {Px(cx + radius * std::cos(angle)), Px(cy - radius * std::sin(angle))};
}

}  // namespace

void DrawMotorMachine(const MotorScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Motor", "电机：旋转磁场与笼型转子")));
    const int titleRoom = scene.Size(38), noteRoom = scene.Size(52);
    const double room = std::min(pane.Width(), pane.Height() - titleRoom - noteRoom);
    const int cx = pane.left + Px(pane.Width() * 0.42);
    const int cy = pane.top + titleRoom + Px((pane.Height() - titleRoom - noteRoom) / 2.0);
    const double r = std::max(10.0, 0.47 * room);
    const auto circle = [&](double radius) {
        dc->Ellipse(Px(cx - radius), Px(cy - radius), Px(cx + radius), Px(cy + radius));
    };

    const MotorPoint& p = scene.point;
    const Phasor forward = p.positive * RotorShare(p.slip);
    const Phasor backward = p.negative * RotorShare(2.0 - p.slip);
    const Phasor turn = std::polar(1.0, scene.theta);
    // The air-gap field, from the magnetising currents, and the rotor's current sheet, as space
    // vectors in electrical angle: F(theta) = F+ e^(j theta) + conj(F-) e^(-j theta).
    const Phasor field = (p.positive - forward) * turn + std::conj((p.negative - backward) * turn);
    const double fieldPeak = std::abs(p.positive - forward) + std::abs(p.negative - backward);
    const Phasor rotor = -(forward * turn + std::conj(backward * turn));
    const double rotorPeak = std::abs(forward) + std::abs(backward);

    {
        ScopedPen outline(dc, PS_SOLID, scene.Size(2), RGB(90, 90, 90));
        ScopedBrush iron(dc, RGB(226, 226, 226));
        circle(r);
        ScopedBrush bore(dc, kWhite);
        circle(0.64 * r);
    }
    // The poles, as strong as the field is now: N where it leaves the stator, S a pole pitch on.
    if (!scene.inputs.hidden.resultant && fieldPeak > 1e-9 && std::abs(field) > 0.02 * fieldPeak) {
        const double psi = std::arg(field) / kPolePairs;
        const int disc = std::max(3, Px(0.11 * r * std::sqrt(std::abs(field) / fieldPeak)));
        for (int k = 0; k < 4; ++k) {
            const bool north = k % 2 == 0;
            const Point c = At(cx, cy, 0.8 * r, psi + k * kPi / 2.0);
            {
                ScopedPen outline(dc, PS_SOLID, scene.Size(1.5), kInk);
                ScopedBrush brush(dc, north ? kNorthColour : kSouthColour);
                DrawDisc(dc, c.x, c.y, disc);
            }
            const std::string_view letter = north ? "N" : "S";
            const int size = scene.Size(20);
            scene.Text(c.x - Px(ApproxTextWidth(letter, size) / 2), c.y - size / 2, letter, 20,
                       kWhite);
        }
    }

    {
        ScopedPen outline(dc, PS_SOLID, scene.Size(2), RGB(90, 90, 90));
        ScopedBrush steel(dc, RGB(205, 205, 205));
        circle(0.6 * r);
    }
    const double barRing = 0.52 * r;
    const int bar = std::max(2, Px(0.045 * r));
    for (int k = 0; k < kBars; ++k) {
        const double alpha = scene.rotorAngle + k * 2.0 * kPi / kBars;
        const Point c = At(cx, cy, barRing, alpha);
        // The current sheet of an MMF wave peaking at arg G comes out of the page (a dot) a
        // quarter wave counter-clockwise of it.
        const double sheet = (std::conj(rotor) * std::polar(1.0, kPolePairs * alpha)).imag();
        {
            ScopedPen outline(dc, PS_SOLID, k == 0 ? scene.Size(3) : 1, kInk);
            ScopedBrush brush(dc, k == 0 ? RGB(255, 220, 0) : RGB(184, 115, 51));
            DrawDisc(dc, c.x, c.y, k == 0 ? bar + scene.Size(2) : bar);
        }
        if (rotorPeak < 1e-9 || std::abs(sheet) < 0.2 * rotorPeak) continue;
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        ScopedBrush ink(dc, kInk);
        const int d = std::max(1, Px(0.6 * bar));
        if (sheet > 0) {
            DrawDisc(dc, c.x, c.y, std::max(1, Px(0.35 * bar)));
        } else {
            dc->MoveTo(c.x - d, c.y - d);
            dc->LineTo(c.x + d, c.y + d);
            dc->MoveTo(c.x + d, c.y - d);
            dc->LineTo(c.x - d, c.y + d);
        }
    }
    {
        // The marked bar's spoke and the shaft.
        const Point tip = At(cx, cy, barRing - bar - scene.Size(3), scene.rotorAngle);
        ScopedPen pen(dc, PS_SOLID, scene.Size(4), kInk);
        dc->MoveTo(cx, cy);
        dc->LineTo(tip.x, tip.y);
        ScopedBrush shaft(dc, RGB(120, 120, 120));
        circle(0.1 * r);
    }

    // The legend beside the machine: the field's speed and the rotor's.
    const int size = scene.Size(16);
    const int lx = pane.left + Px(pane.Width() * 0.42 + r) + scene.Size(14);
    const int ly = cy - Px(r * 0.6);
    const auto line = [&](int row, std::string_view label, const std::string& value) {
        scene.Text(lx, ly + row * scene.Size(48), label, 16, kInk);
        // The field's speed is the supply's, not a result; the rotor's is.
        const bool hidden = row > 0 && scene.inputs.hidden.readouts;
        scene.Text(lx, ly + row * scene.Size(48) + size + scene.Size(2),
                   hidden ? std::string(kHiddenValue) : value, 16, kInk);
    };
    line(0, scene.Tr(QT_TRANSLATE_NOOP("Motor", "磁场 ns")),
         MotorFixed("%.0f", kSynchronousSpeed) + " rpm");
    line(1, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转子 n")), MotorFixed("%.0f", p.speed) + " rpm");
    line(2, "n / ns", MotorFixed("%.3f", 1.0 - p.slip));

    const int small = scene.Size(12);
    const int noteY = pane.bottom - noteRoom + scene.Size(12);
    scene.Text(pane.left + scene.Size(14), noteY,
               scene.Tr(QT_TRANSLATE_NOOP("Motor", "画面放慢到每个电周期 36 步，")), 12,
               RGB(90, 90, 90));
    scene.Text(pane.left + scene.Size(14), noteY + small + scene.Size(4),
               scene.Tr(QT_TRANSLATE_NOOP("Motor", "只有转子与磁场的转速之比是真实的。")), 12,
               RGB(90, 90, 90));
}
