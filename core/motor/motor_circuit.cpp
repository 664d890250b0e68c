// The motor's second page: the positive sequence's inverse-Gamma circuit with its live values
// (the negative's beside it when it carries more than 1 % of the current), phase U's phasor
// diagram turning with the step, the power flow as a band that narrows as the losses leave it,
// and the readouts.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

#include "motor/motor_layers.h"
#include "motor/motor_power.h"
#include "text/numbers.h"

namespace {

using namespace motor;

constexpr COLORREF kVoltageColour = kInk;
constexpr COLORREF kAirGapColour = RGB(0, 110, 150);
constexpr COLORREF kStatorCurrentColour = RGB(200, 40, 40);
constexpr COLORREF kMagnetisingColour = RGB(110, 60, 170);
constexpr COLORREF kRotorCurrentColour = RGB(0, 130, 60);
constexpr COLORREF kDropColour = RGB(110, 110, 110);
constexpr COLORREF kElectricColour = RGB(120, 160, 220);
constexpr COLORREF kLossColour = RGB(235, 130, 70);
constexpr COLORREF kShaftColour = RGB(110, 190, 120);

std::string Minus(std::string text) {
    return !text.empty() && text.front() == '-' ? "−" + text.substr(1) : text;
}

std::string Ohms(double value, const char* format) {
    return std::isfinite(value) ? Minus(Fixed(format, value)) + " Ω" : "∞";
}

void Line(CDC* dc, int x1, int y1, int x2, int y2) {
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
}

// A resistor's box from (x1, y1) to (x2, y2), horizontal or vertical, `half` pixels wide.
void Resistor(CDC* dc, int x1, int y1, int x2, int y2, int half) {
    ScopedBrush white(dc, kWhite);
    if (y1 == y2)
        dc->Rectangle(x1, y1 - half, x2, y1 + half);
    else
        dc->Rectangle(x1 - half, y1, x1 + half, y2);
}

// A coil of four turns from (x1, y1) to (x2, y2), horizontal or vertical, bulging `r` pixels.
void Coil(CDC* dc, int x1, int y1, int x2, int y2, int r) {
    std::vector<PointF> points;
    constexpr int kTurns = 4, kPieces = 10;
    for (int k = 0; k <= kTurns * kPieces; ++k) {
        const double t = double(k) / (kTurns * kPieces);
        const double bulge = r * std::abs(std::sin(std::numbers::pi * kTurns * t));
        if (y1 == y2)
            points.push_back({x1 + (x2 - x1) * t, y1 - bulge});
        else
            points.push_back({x1 + bulge, y1 + (y2 - y1) * t});
    }
    dc->Polyline(points);
}

void DrawCircuit(const MotorScene& scene, const CRect& pane, const MotorCircuit& c, bool negative) {
    CDC* dc = scene.dc;
    scene.Title(pane, negative ? scene.Tr(QT_TRANSLATE_NOOP("Motor", "负序等效电路（s− = 2 − s）"))
                               : scene.Tr(QT_TRANSLATE_NOOP("Motor", "正序等效电路（U相）")));
    const int w = pane.Width(), h = pane.Height();
    const int top = pane.top + Px(h * 0.30), bottom = pane.bottom - Px(h * 0.20);
    const int xa = pane.left + Px(w * 0.07), xr = pane.left + Px(w * 0.90);
    const int xRs1 = pane.left + Px(w * 0.17), xRs2 = pane.left + Px(w * 0.29);
    const int xX1 = pane.left + Px(w * 0.36), xX2 = pane.left + Px(w * 0.50);
    const int xm = pane.left + Px(w * 0.58);
    const int middle = (top + bottom) / 2, element = Px((bottom - top) * 0.22);
    const int half = scene.Size(7);
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        Line(dc, xa, top, xRs1, top);
        Resistor(dc, xRs1, top, xRs2, top, half);
        Line(dc, xRs2, top, xX1, top);
        Coil(dc, xX1, top, xX2, top, half);
        Line(dc, xX2, top, xr, top);
        Line(dc, xa, bottom, xr, bottom);
        Line(dc, xm, top, xm, middle - element);
        Coil(dc, xm, middle - element, xm, middle + element, half);
        Line(dc, xm, middle + element, xm, bottom);
        Line(dc, xr, top, xr, middle - element);
        Resistor(dc, xr, middle - element, xr, middle + element, half);
        Line(dc, xr, middle + element, xr, bottom);
        ScopedBrush white(dc, kWhite);
        const int r = scene.Size(4);
        DrawDisc(dc, xa, top, r);
        DrawDisc(dc, xa, bottom, r);
        ScopedBrush ink(dc, kInk);
        DrawDisc(dc, xm, top, r);
        DrawDisc(dc, xm, bottom, r);
    }
    const int size = scene.TextPx(15), line = size + scene.Size(4);
    const auto text = [&](int x, int y, const std::string& s, COLORREF colour) {
        dc->SetTextSize(size);
        dc->SetTextColor(colour);
        dc->TextOut(x, y, s);
    };
    const auto amps = [](Phasor i) { return Fixed("%.2f", std::abs(i)) + " A"; };
    const auto volts = [](Phasor v) { return Fixed("%.1f", std::abs(v)) + " V"; };
    const double rs = c.slip != 0.0 ? c.rotor / c.slip : INFINITY;
    const int above = top - half - line - scene.Size(2);
    text(xRs1, above, "Rs " + Ohms(kStatorResistance, "%.2f"), kInk);
    text(xX1, above, "Xσ " + Ohms(c.leakage, "%.2f"), kInk);
    // The shunt's and the rotor's values on their left, their currents below them.
    const auto leftOf = [&](int x, const std::string& s) {
        return x - half - scene.Size(6) - Px(ApproxTextWidth(s, size));
    };
    const std::string xmText = "XM " + Ohms(c.magnetising, "%.1f");
    const std::string rrText = (negative ? "RR/s− " : "RR/s ") + Ohms(rs, "%.1f");
    const std::string imText = "IM " + amps(c.magnetisingCurrent);
    const std::string irText = "IR " + amps(c.rotorCurrent);
    text(leftOf(xm, xmText), middle - line, xmText, kInk);
    text(leftOf(xm, imText), middle, imText, kMagnetisingColour);
    text(leftOf(xr, rrText), middle - line, rrText, kInk);
    text(leftOf(xr, irText), middle, irText, kRotorCurrentColour);
    text(xa + scene.Size(8), top + half + scene.Size(4), "Is " + amps(c.stator),
         kStatorCurrentColour);
    text(xa - scene.Size(8), bottom + scene.Size(6), "V " + volts(c.voltage), kVoltageColour);
    text(xm - scene.Size(8), bottom + scene.Size(6), "EM " + volts(c.airGap), kAirGapColour);
    // The currents' directions: I_s in, I_M and I_R down their branches.
    const int head = scene.Size(9), arrow = scene.Size(22);
    const auto current = [&](COLORREF colour, int x1, int y1, int x2, int y2) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), colour);
        DrawArrow(dc, x1, y1, x2, y2, head);
    };
    const int xs = (xa + xRs1) / 2;
    current(kStatorCurrentColour, xs - arrow / 2, top, xs + arrow / 2, top);
    current(kMagnetisingColour, xm, top + scene.Size(6), xm, top + scene.Size(6) + arrow);
    current(kRotorCurrentColour, xr, top + scene.Size(6), xr, top + scene.Size(6) + arrow);
}

// Phase U's positive sequence: V, E_M and the drops R_s I_s and jX_σ I_s in volts, I_s, I_M and
// I_R in amperes, each on its own scale, turned by the step's angle.
void DrawPhasors(const MotorScene& scene, const CRect& pane, const MotorCircuit& c) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Motor", "相量图（U相正序）")));
    const int size = scene.TextPx(15);
    const int cx = (pane.left + pane.right) / 2;
    const int cy = (pane.top + scene.Size(40) + pane.bottom - size * 2) / 2;
    const double radius = 0.42 * std::min(pane.Width(), pane.bottom - pane.top - scene.Size(40));
    const Phasor turn = std::polar(1.0, scene.theta);
    const double volts = std::max(std::abs(c.voltage), 1e-9);
    const double amps = std::max(
        {std::abs(c.stator), std::abs(c.magnetisingCurrent), std::abs(c.rotorCurrent), 1e-9});
    const auto at = [&](Phasor v, double scale) {
        const Phasor p = v * turn * (radius / scale);
        return PointF{cx + p.real(), cy - p.imag()};
    };
    {
        ScopedPen pen(dc, PS_SOLID, 1, kGridColour);
        Line(dc, cx - Px(radius * 1.05), cy, cx + Px(radius * 1.05), cy);
        Line(dc, cx, cy - Px(radius * 1.05), cx, cy + Px(radius * 1.05));
    }
    const int head = scene.Size(11);
    struct Arrow {
        Phasor value;
        double scale;
        COLORREF colour;
        const char* name;
    };
    const Arrow arrows[] = {{c.voltage, volts, kVoltageColour, "V"},
                            {c.airGap, volts, kAirGapColour, "EM"},
                            {c.stator, amps, kStatorCurrentColour, "Is"},
                            {c.magnetisingCurrent, amps, kMagnetisingColour, "IM"},
                            {c.rotorCurrent, amps, kRotorCurrentColour, "IR"}};
    // The drops from E_M's tip: R_s I_s along I_s, then jX_σ I_s across it, ending on V's tip.
    {
        const Phasor drop = kStatorResistance * c.stator;
        const PointF path[] = {at(c.airGap, volts), at(c.airGap + drop, volts),
                               at(c.airGap + drop + Phasor(0.0, c.leakage) * c.stator, volts)};
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kDropColour);
        dc->Polyline(path);
    }
    dc->SetTextSize(size);
    std::vector<CRect> placed;
    // Whether an arrow from the origin to `tip` passes through `box`, by points along it.
    const auto crosses = [&](const PointF& tip, const CRect& box) {
        for (int k = 1; k <= 32; ++k) {
            const double x = cx + (tip.x - cx) * k / 32.0, y = cy + (tip.y - cy) * k / 32.0;
            if (x >= box.left && x <= box.right && y >= box.top && y <= box.bottom) return true;
        }
        return false;
    };
    for (const Arrow& a : arrows) {
        const PointF tip = at(a.value, a.scale);
        {
            ScopedPen pen(dc, PS_SOLID, scene.Size(a.name[0] == 'V' ? 3 : 2), a.colour);
            DrawArrow(dc, cx, cy, Px(tip.x), Px(tip.y), head);
        }
        // The name just beyond the tip, out from the origin, moved across the arrow until it
        // clears the names already placed and every arrow; failing that, the names alone.
        const double dx = tip.x - cx, dy = tip.y - cy, r = std::max(std::hypot(dx, dy), 1.0);
        const int gap = scene.Size(10) + size / 2;
        const double textWidth = ApproxTextWidth(a.name, size);
        std::optional<CRect> first, clearOfNames, clearOfAll;
        for (int k = 0; k < 12 && !clearOfAll; ++k) {
            const double side = (k % 2 == 0 ? 1 : -1) * ((k + 1) / 2) * size * 0.9;
            const int lx = Px(tip.x + dx / r * gap - dy / r * side - textWidth / 2);
            const int ly = Px(tip.y + dy / r * gap + dx / r * side - size / 2.0);
            const CRect box{lx, ly, lx + Px(textWidth), ly + size};
            if (!first) first = box;
            const bool clear = std::none_of(placed.begin(), placed.end(), [&](const CRect& o) {
                return box.left < o.right && o.left < box.right && box.top < o.bottom &&
                       o.top < box.bottom;
            });
            if (!clear) continue;
            if (!clearOfNames) clearOfNames = box;
            if (std::none_of(std::begin(arrows), std::end(arrows),
                             [&](const Arrow& o) { return crosses(at(o.value, o.scale), box); }))
                clearOfAll = box;
        }
        const CRect box = clearOfAll ? *clearOfAll : clearOfNames ? *clearOfNames : *first;
        placed.push_back(box);
        dc->SetTextColor(a.colour);
        dc->TextOut(box.left, box.top, a.name);
    }
    // φ from I_s to V, an arc near the origin.
    const double from = std::arg(c.stator * turn), to = std::arg(c.voltage * turn);
    const double phi = std::remainder(to - from, 2.0 * std::numbers::pi);
    if (std::abs(c.stator) > 1e-9) {
        std::vector<PointF> arc;
        const double r = radius * 0.22;
        for (int k = 0; k <= 24; ++k) {
            const double a = from + phi * k / 24.0;
            arc.push_back({cx + r * std::cos(a), cy - r * std::sin(a)});
        }
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        dc->Polyline(arc);
        const double mid = from + phi / 2.0;
        dc->SetTextColor(kInk);
        dc->TextOut(Px(cx + (r + size) * std::cos(mid) - size / 2.0),
                    Px(cy - (r + size) * std::sin(mid) - size / 2.0), "φ");
    }
    dc->SetTextColor(kInk);
    const std::string caption =
        "φ = " + Minus(Fixed("%.1f", phi * 180.0 / std::numbers::pi)) + "°   " +
        std::string(scene.Tr(QT_TRANSLATE_NOOP("Motor", "电压与电流各用其比例")));
    dc->TextOut(pane.left + scene.Size(14), pane.bottom - size - scene.Size(8), caption);
}

// The power as a band from left to right, each loss leaving it downwards; what feeds it on the
// left (the supply, the shaft or both) and what is left at its end.
void DrawPowerFlow(const MotorScene& scene, const CRect& pane, const MotorPower& w) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Motor", "功率流")));
    struct Part {
        double watts;
        COLORREF colour;
        std::string_view name;
    };
    std::vector<Part> sources, losses;
    if (w.input > 0.0)
        sources.push_back(
            {w.input, kElectricColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "输入 Pin"))});
    if (w.mechanical < 0.0)
        sources.push_back(
            {-w.mechanical, kShaftColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "来自轴"))});
    const Part stator{w.statorCopper, kLossColour,
                      scene.Tr(QT_TRANSLATE_NOOP("Motor", "定子铜损"))};
    const Part rotor{w.rotorCopper, kLossColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转子铜损"))};
    // Generating, the shaft's power crosses the air gap first.
    if (w.mechanical < 0.0 && w.input < 0.0)
        losses = {rotor, stator};
    else
        losses = {stator, rotor};
    Part end{0.0, kShaftColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "机械功率 Pmech"))};
    if (w.mechanical > 0.0) end.watts = w.mechanical;
    if (w.input < 0.0)
        end = {-w.input, kElectricColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "回馈电网"))};
    double total = 0.0;
    for (const Part& p : sources) total += p.watts;
    const int size = scene.TextPx(15);
    const auto watts = [](double p) { return Fixed("%.0f", p) + " W"; };
    dc->SetTextSize(size);
    dc->SetTextColor(kInk);
    if (total < 1.0) {
        dc->TextOut(pane.left + scene.Size(14), pane.top + scene.Size(50),
                    scene.Tr(QT_TRANSLATE_NOOP("Motor", "没有功率流动")));
        return;
    }
    const int left = pane.left + scene.Size(20), right = pane.right - scene.Size(20);
    const int top = pane.top + scene.Size(40) + size + scene.Size(6);
    const int floor = pane.bottom - size - scene.Size(10);
    const double scale = (floor - top) * 0.55 / total;
    const auto thick = [&](double p) { return std::max(1, Px(p * scale)); };
    ScopedPen outline(dc, PS_SOLID, 1, kInk);
    // The sources stacked at the start, each named above the band or beside it.
    int y = top;
    const int start = left + scene.Size(70);
    for (size_t k = 0; k < sources.size(); ++k) {
        const Part& s = sources[k];
        {
            ScopedBrush brush(dc, s.colour);
            dc->Rectangle(left, y, start, y + thick(s.watts));
        }
        const std::string label = std::string(s.name) + " " + watts(s.watts);
        dc->TextOut(left, k == 0 ? top - size - scene.Size(4) : y + thick(s.watts) + 2, label);
        y += thick(s.watts);
    }
    double remaining = total;
    int x = start;
    const int room = (right - start) / int(losses.size() + 1);
    for (const Part& loss : losses) {
        const int t = thick(remaining);
        const int l = std::min(thick(loss.watts), t);
        const int branch = x + room - l;
        {
            ScopedBrush brush(dc, kElectricColour);
            dc->Rectangle(x, top, branch + l, top + t);
        }
        {
            ScopedBrush brush(dc, loss.colour);
            dc->Rectangle(branch, top + t - l, branch + l, floor - size - scene.Size(4));
        }
        dc->TextOut(branch - Px(ApproxTextWidth(loss.name, size) / 2), floor - size, loss.name);
        dc->TextOut(branch - Px(ApproxTextWidth(watts(loss.watts), size) / 2), floor,
                    watts(loss.watts));
        remaining -= loss.watts;
        x = branch + l;
    }
    if (end.watts > 0.5) {
        ScopedBrush brush(dc, end.colour);
        dc->Rectangle(x, top, right, top + thick(end.watts));
    }
    if (end.watts <= 0.5) return;  // braking: all of it heat
    const std::string label = std::string(end.name) + " " + watts(end.watts);
    dc->TextOut(right - Px(ApproxTextWidth(label, size)), top - size - scene.Size(4), label);
}

void DrawPowerReadouts(const MotorScene& scene, const CRect& pane, const MotorReadouts& r) {
    CDC* dc = scene.dc;
    const MotorModel& m = scene.model;
    const std::string unit = " " + std::string(SpeedUnit(scene.inputs.translation));
    const std::pair<std::string_view, std::string> rows[] = {
        {scene.Tr(QT_TRANSLATE_NOOP("Motor", "输入功率 Pin")), Minus(r.input) + " W"},
        {scene.Tr(QT_TRANSLATE_NOOP("Motor", "定子铜损 PCu,s")), Minus(r.statorCopper) + " W"},
        {scene.Tr(QT_TRANSLATE_NOOP("Motor", "转子铜损 PCu,r")), Minus(r.rotorCopper) + " W"},
        {scene.Tr(QT_TRANSLATE_NOOP("Motor", "机械功率 Pmech")), Minus(r.mechanical) + " W"},
        {scene.Tr(QT_TRANSLATE_NOOP("Motor", "效率 η")),
         r.efficiency == "—" ? r.efficiency : r.efficiency + " %"},
        {scene.Tr(QT_TRANSLATE_NOOP("Motor", "功率因数 PF")), Minus(r.powerFactor)},
        {scene.Tr(QT_TRANSLATE_NOOP("Motor", "转速 n / 转矩 T")),
         Minus(r.speed) + unit + " / " + Minus(r.torque) + " N·m"},
        {scene.Tr(QT_TRANSLATE_NOOP("Motor", "频率 f / 相电压 V")),
         Fixed("%g", m.Drive().frequency) + " Hz / " + Fixed("%.1f", m.PhaseVoltage()) + " V"},
        {scene.Tr(QT_TRANSLATE_NOOP("Motor", "转子电阻 RR")),
         Fixed("%.2f", m.RotorResistance()) + " Ω"},
    };
    const int size = scene.TextPx(15);
    const int step = std::min(size + scene.Size(5), (pane.Height() - scene.Size(12)) / 9);
    int y = pane.top + scene.Size(10);
    const int valueX = pane.left + pane.Width() / 2 + scene.Size(10);
    dc->SetTextSize(size);
    dc->SetTextColor(kInk);
    for (const auto& [label, value] : rows) {
        dc->TextOut(pane.left + scene.Size(16), y, label);
        dc->TextOut(valueX, y, value);
        y += step;
    }
}

}  // namespace

void DrawMotorCircuitPage(const MotorScene& scene, const MotorReadouts& r) {
    CDC* dc = scene.dc;
    const int width = scene.inputs.width, height = scene.inputs.height;
    {
        ScopedPen pen(dc, PS_SOLID, 1, kWhite);
        ScopedBrush white(dc, kWhite);
        dc->Rectangle(0, 0, width, height);
    }
    dc->SetBkMode(TRANSPARENT);
    const int middle = Px(width * 0.5), row = Px(height * 0.40), lower = Px(height * 0.70);
    const MotorCircuit positive = PositiveCircuit(scene.model, scene.point);
    const MotorCircuit negative = NegativeCircuit(scene.model, scene.point);
    const bool both = std::abs(negative.stator) > 0.01 * std::abs(positive.stator);
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kGridColour);
        Line(dc, 0, row, width, row);
        Line(dc, middle, row, middle, height);
        Line(dc, middle, lower, width, lower);
        if (both) Line(dc, middle, 0, middle, row);
    }
    if (both) {
        DrawCircuit(scene, {0, 0, middle, row}, positive, false);
        DrawCircuit(scene, {middle, 0, width, row}, negative, true);
    } else {
        const int inset = Px(width * 0.2);
        DrawCircuit(scene, {inset, 0, width - inset, row}, positive, false);
    }
    DrawPhasors(scene, {0, row, middle, height}, positive);
    DrawPowerFlow(scene, {middle, row, width, lower}, PowerAt(scene.model, scene.point));
    DrawPowerReadouts(scene, {middle, lower, width, height}, r);
}
