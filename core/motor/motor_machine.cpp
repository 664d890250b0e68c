// The machine pane: a 4-pole stator whose N and S poles turn with the air-gap field, the field's
// arrow, and a cage rotor with one marked bar, turning at n/n_s of the field's rate, its bars'
// currents marked by direction and size.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "motor/motor_layers.h"
#include "text/numbers.h"

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

// Figures as a person writes them, with a true minus sign.
std::string Minus(const std::string& text) {
    return !text.empty() && text.front() == '-' ? "−" + text.substr(1) : text;
}

}  // namespace

void DrawMotorMachine(const MotorScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Motor", "电机：旋转磁场与笼型转子")));
    const MotorPoint& p = scene.point;
    const Translation* t = scene.inputs.translation;

    // The legend beside the machine: the field's speed and the rotor's, and their ratio.
    const std::string unit = " " + std::string(SpeedUnit(t));
    const int direction = scene.model.FieldDirection();
    const std::string field = direction == 0 ? "±" + Fixed("%.0f", kSynchronousSpeed)
                                             : Minus(Fixed("%.0f", scene.model.FieldSpeed()));
    const std::string values[] = {field + unit, Minus(Fixed("%.0f", p.speed)) + unit,
                                  Minus(Fixed("%.3f", p.speed / scene.model.FieldSpeed()))};
    const std::string_view labels[] = {scene.Tr(QT_TRANSLATE_NOOP("Motor", "磁场 ns")),
                                       scene.Tr(QT_TRANSLATE_NOOP("Motor", "转子 n")), "n / ns"};
    const std::string_view pulsating = scene.Tr(QT_TRANSLATE_NOOP("Motor", "脉振磁场"));
    const int size = scene.TextPx(16);
    double legendWidth = direction == 0 ? ApproxTextWidth(pulsating, size) : 0.0;
    for (int k = 0; k < 3; ++k)
        legendWidth = std::max(
            {legendWidth, ApproxTextWidth(labels[k], size), ApproxTextWidth(values[k], size)});

    const int margin = scene.Size(14);
    const int small = scene.TextPx(12);
    const int titleRoom = scene.TextPx(22) + scene.Size(16);
    const int noteRoom = 2 * small + scene.Size(4) + scene.Size(14);
    const double r = std::max(10.0, std::min(0.47 * (pane.Height() - titleRoom - noteRoom),
                                             0.5 * (pane.Width() - 3 * margin - legendWidth)));
    const int cx = pane.left + Px((pane.Width() - legendWidth - margin) / 2.0);
    const int cy = pane.top + titleRoom + Px((pane.Height() - titleRoom - noteRoom) / 2.0);
    const auto circle = [&](double radius) {
        dc->Ellipse(Px(cx - radius), Px(cy - radius), Px(cx + radius), Px(cy + radius));
    };

    const Phasor forward = p.positive * RotorShare(p.slip);
    const Phasor backward = p.negative * RotorShare(2.0 - p.slip);
    const Phasor turn = std::polar(1.0, scene.theta);
    // The air-gap field, from the magnetising currents, and the rotor's current sheet, as space
    // vectors in electrical angle: F(theta) = F+ e^(j theta) + conj(F-) e^(-j theta).
    const Phasor fieldNow =
        (p.positive - forward) * turn + std::conj((p.negative - backward) * turn);
    const double fieldPeak = std::abs(p.positive - forward) + std::abs(p.negative - backward);
    const Phasor rotor = -(forward * turn + std::conj(backward * turn));
    // The bars' currents are shown against their peak at standstill on the same supply.
    const MotorPoint still = scene.model.At(0.0);
    const double stillPeak =
        std::abs(still.positive * RotorShare(1.0)) + std::abs(still.negative * RotorShare(1.0));

    {
        ScopedPen outline(dc, PS_SOLID, scene.Size(2), RGB(90, 90, 90));
        ScopedBrush iron(dc, RGB(226, 226, 226));
        circle(r);
        ScopedBrush bore(dc, kWhite);
        circle(0.64 * r);
    }
    // The poles, as strong as the field is now. The field points where its flux crosses the gap
    // into the stator: a south pole of the stator, with a north a pole pitch on either side.
    const bool hasField =
        !scene.inputs.hidden.resultant && fieldPeak > 1e-9 && std::abs(fieldNow) > 0.02 * fieldPeak;
    const double psi = std::arg(fieldNow) / kPolePairs;
    if (hasField) {
        const int disc = std::max(3, Px(0.11 * r * std::sqrt(std::abs(fieldNow) / fieldPeak)));
        for (int k = 0; k < 4; ++k) {
            const bool south = k % 2 == 0;
            const Point c = At(cx, cy, 0.8 * r, psi + k * kPi / 2.0);
            {
                ScopedPen outline(dc, PS_SOLID, scene.Size(1.5), kInk);
                ScopedBrush brush(dc, south ? kSouthColour : kNorthColour);
                DrawDisc(dc, c.x, c.y, disc);
            }
            const std::string_view letter = south ? "S" : "N";
            const int letterSize = scene.TextPx(20);
            scene.Text(c.x - Px(ApproxTextWidth(letter, letterSize) / 2), c.y - letterSize / 2,
                       letter, 20, kWhite);
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
        // A mark's area follows the bar's current, full at the standstill peak; below 2 % of that
        // there is none.
        const double share = stillPeak > 1e-9 ? std::abs(sheet) / stillPeak : 0.0;
        if (share < 0.02) continue;
        const double grow = std::sqrt(std::min(share, 1.5));
        ScopedBrush ink(dc, kInk);
        if (sheet > 0) {
            ScopedPen pen(dc, PS_SOLID, 1, kInk);
            DrawDisc(dc, c.x, c.y, std::max(1, Px(0.55 * bar * grow)));
        } else {
            const int d = std::max(1, Px(0.7 * bar * grow));
            ScopedPen pen(dc, PS_SOLID, d >= 3 ? scene.Size(2) : 1, kInk);
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
    // The resultant field as the main window and the explorer draw it: an outlined arrow from
    // the centre, pointing at a south pole, as long as the field is strong.
    if (hasField) {
        const Point tip = At(cx, cy, 0.68 * r * std::abs(fieldNow) / fieldPeak, psi);
        const int width = scene.Size(2);
        ScopedPen pen(dc, PS_SOLID, width, kInk);
        DrawOutlinedArrow(dc, cx, cy, tip.x, tip.y, scene.Size(4), scene.Size(18), nullptr, width);
    }

    const int lx = cx + Px(r) + margin;
    const int row = 2 * size + scene.Size(14);
    int ly = cy - Px(1.5 * row) + scene.Size(7);
    for (int k = 0; k < 3; ++k) {
        scene.Text(lx, ly, labels[k], 16, kInk);
        // The field's speed is the supply's, not a result; the rotor's is.
        const bool hidden = k > 0 && scene.inputs.hidden.readouts;
        scene.Text(lx, ly + size + scene.Size(2), hidden ? std::string(kHiddenValue) : values[k],
                   16, kInk);
        ly += row;
    }
    if (direction == 0) scene.Text(lx, ly, pulsating, 16, kInk);

    const int noteY = pane.bottom - noteRoom + scene.Size(8);
    scene.Text(pane.left + margin, noteY,
               scene.Tr(QT_TRANSLATE_NOOP("Motor", "画面放慢到每个电周期 36 步，")), 12,
               RGB(90, 90, 90));
    scene.Text(pane.left + margin, noteY + small + scene.Size(4),
               scene.Tr(QT_TRANSLATE_NOOP("Motor", "只有转子与磁场的转速之比是真实的。")), 12,
               RGB(90, 90, 90));
}
