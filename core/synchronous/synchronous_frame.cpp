#include "synchronous/synchronous_frame.h"

#include <cmath>
#include <numbers>

#include "draw/trace_dc.h"
#include "synchronous/synchronous_layers.h"
#include "text/numbers.h"
#include "text/text_format.h"

namespace {

using namespace synchronous;

constexpr double kDegrees = 180.0 / std::numbers::pi;

double InRange(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

SynchronousInputs Clamped(const SynchronousInputs& raw) {
    SynchronousInputs in = raw;
    in.fieldCurrent =
        InRange(raw.fieldCurrent, kMinFieldCurrent, kMaxFieldCurrent, kDefaultFieldCurrent);
    in.power = InRange(raw.power, -kMaxPower, kMaxPower, kDefaultPower);
    in.inertia = InRange(raw.inertia, kMinInertia, kMaxInertia, kDefaultInertia);
    in.load = InRange(raw.load, 0.0, kMaxLoad, kDefaultLoad);
    in.fieldOn = InRange(raw.fieldOn, 0.0, kMaxFieldOn, kDefaultFieldOn);
    if (raw.time) in.time = InRange(*raw.time, 0.0, kMaxTime, 0.0);
    in.step = WrapExplorerStep(raw.step);
    in.width = std::max(raw.width, 1);
    in.height = std::max(raw.height, 1);
    return in;
}

SynchronousRunInputs RunInputs(const SynchronousInputs& in) {
    return {in.fieldCurrent, in.inertia, in.damper, in.load, in.fieldOn, in.start};
}

// The last start-up drawn on this thread: a window showing one as it goes asks for a little more
// of the same run each frame.
SynchronousRun& RunFor(const SynchronousRunInputs& inputs) {
    thread_local std::optional<SynchronousRun> last;
    const SynchronousRun fresh(inputs);
    if (!last || !(last->Inputs() == fresh.Inputs())) last.emplace(fresh);
    return *last;
}

SynchronousState StateOf(const SynchronousInputs& in, const SynchronousPoint& p,
                         const SynchronousMotion* motion) {
    if (motion && !motion->locked) {
        // Without a cage nothing turns the rotor but the field, whose torque swings both ways.
        if (!in.damper) return SynchronousState::NotStarting;
        return motion->fieldOn ? SynchronousState::PullingIn : SynchronousState::Starting;
    }
    if (!p.inStep) return SynchronousState::OutOfStep;
    if (std::abs(p.power) < kFloating) return SynchronousState::Floating;
    return p.power > 0 ? SynchronousState::Motoring : SynchronousState::Generating;
}

const char* KindName(PowerFactorKind kind) {
    switch (kind) {
        case PowerFactorKind::Lagging:
            return "lagging";
        case PowerFactorKind::Leading:
            return "leading";
        case PowerFactorKind::Unity:
            return "unity";
    }
    return "";
}

SynchronousReadouts MakeReadouts(const SynchronousInputs& in, const SynchronousPoint& p,
                                 const SynchronousMotion* motion) {
    SynchronousReadouts r;
    if (motion) r.speed = Fixed("%.0f", motion->speed);
    r.emf = Fixed("%.1f", p.emf);
    r.p = Fixed("%.2f", p.power / 1000.0);
    r.pullOut = Fixed("%.2f", p.pullOut / 1000.0);
    if (p.inStep) {
        r.loadAngle = Fixed("%.1f", p.delta * kDegrees);
        r.current = Fixed("%.2f", std::abs(p.current));
        r.powerFactor = Fixed("%.3f", p.PowerFactor());
        r.kind = KindName(p.Kind());
        r.q = Fixed("%.2f", p.reactive / 1000.0);
    } else {
        r.loadAngle = r.current = r.powerFactor = r.kind = r.q = "-";
    }
    r.state = StateOf(in, p, motion);
    return r;
}

std::string Describe(const SynchronousInputs& in, const SynchronousPoint& p,
                     const SynchronousReadouts& r) {
    const Translation* t = in.translation;
    std::string out(Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "同步电机：")));
    if (!r.speed.empty())
        out += FormatText(Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "转速 %1 rpm，")),
                          {r.speed});
    const std::string_view state = SynchronousStateText(t, r.state);
    if (!p.inStep)
        return out +
               FormatText(Tr(t, "Synchronous",
                             QT_TRANSLATE_NOOP("Synchronous",
                                               "要求功率 %1 kW 超过失步功率 %2 kW，电动势 %3 V，"
                                               "%4：没有稳态。")),
                          {r.p, r.pullOut, r.emf, state});
    return out +
           FormatText(Tr(t, "Synchronous",
                         QT_TRANSLATE_NOOP("Synchronous",
                                           "功角 %1°，电动势 %2 V，电流 %3 A，功率因数 %4（%5），"
                                           "有功功率 %6 kW，无功功率 %7 kvar，失步功率 %8 kW，"
                                           "%9。")),
                      {r.loadAngle, r.emf, r.current, r.powerFactor,
                       PowerFactorKindText(t, p.Kind()), r.p, r.q, r.pullOut, state});
}

void DrawPanes(const SynchronousScene& scene, const SynchronousReadouts& readouts) {
    CDC* dc = scene.dc;
    const int width = scene.inputs.width, height = scene.inputs.height;
    {
        ScopedPen pen(dc, PS_SOLID, 1, kWhite);
        ScopedBrush white(dc, kWhite);
        dc->Rectangle(0, 0, width, height);
    }
    dc->SetBkMode(TRANSPARENT);
    const SynchronousPanes panes = SynchronousLayout(width, height);
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kGridColour);
        dc->MoveTo(0, panes.power.top);
        dc->LineTo(width, panes.power.top);
        for (const CRect* pane : {&panes.section, &panes.readouts, &panes.curves, &panes.startUp}) {
            dc->MoveTo(pane->left, pane->top);
            dc->LineTo(pane->left, pane->bottom);
        }
    }
    DrawSynchronousPhasors(scene, panes.phasor);
    DrawSynchronousSection(scene, panes.section);
    DrawSynchronousReadouts(scene, panes.readouts, readouts);
    DrawSynchronousPower(scene, panes.power);
    DrawSynchronousCurves(scene, panes.curves);
    DrawSynchronousStartUp(scene, panes.startUp);
}

double UnitOf(const SynchronousInputs& in) {
    return std::min(in.width / double(kSynchronousWidth), in.height / double(kSynchronousHeight));
}

// The machine the inputs describe: the steady state, or the run's state at the time asked for.
struct Now {
    SynchronousPoint point;
    std::optional<SynchronousMotion> motion;
    SynchronousRun* run = nullptr;
};

Now MachineNow(const SynchronousInputs& in) {
    Now now;
    if (!in.time) {
        now.point = SynchronousSteady(in.fieldCurrent, in.power * 1000.0);
        return now;
    }
    now.run = &RunFor(RunInputs(in));
    now.motion = now.run->At(*in.time);
    now.point = SynchronousAt(now.motion->fieldOn ? in.fieldCurrent : 0.0, now.motion->delta);
    return now;
}

}  // namespace

SynchronousPanes SynchronousLayout(int width, int height) {
    // The phasor diagram, which a pointer drags, the largest; the charts under it in thirds.
    const int top = Px(height * 0.56);
    const int phasor = Px(width * 0.45), section = Px(width * 0.7);
    const int third = Px(width / 3.0), twoThirds = Px(width * 2.0 / 3.0);
    return {{phasor, 0, section, top},       {0, 0, phasor, top},
            {section, 0, width, top},        {0, top, third, height},
            {third, top, twoThirds, height}, {twoThirds, top, width, height}};
}

PhasorScale PhasorScaleIn(const CRect& pane, double unit) {
    // E's tip stays within |E| <= E(5 A) and |E sin(delta)| <= 15 kW X_s / 3V. Left of the
    // origin there is room for a generator's current of 10 A; a larger one is drawn shorter.
    const double reach = SynchronousEmf(kMaxFieldCurrent);
    const double across = kMaxPower * 1000.0 * kReactance / (3.0 * kPhaseVoltage);
    constexpr double kVoltsPerAmpere = 10.0;  // a current drawn as long as this many volts
    constexpr double kLeft = 10.0 * kVoltsPerAmpere;
    const double margin = 16.0 * unit, label = 24.0 * unit, titleRoom = 40.0 * unit;
    const double noteRoom = 44.0 * unit;
    const double perVolt =
        std::min((pane.Width() - 2 * margin - label) / (kLeft + reach),
                 (pane.Height() - titleRoom - noteRoom - 2 * margin) / (2.0 * across));
    const double y0 = pane.top + titleRoom + margin + across * perVolt;
    return {pane.left + margin + kLeft * perVolt, y0, perVolt, perVolt * kVoltsPerAmpere};
}

std::string SynchronousFigure(const char* format, double value) {
    const std::string text = Fixed(format, value);
    return text.front() == '-' ? "−" + text.substr(1) : text;
}

std::string_view SynchronousStateText(const Translation* t, SynchronousState state) {
    switch (state) {
        case SynchronousState::Motoring:
            return Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "电动机运行"));
        case SynchronousState::Generating:
            return Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "发电机运行"));
        case SynchronousState::Floating:
            return Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "空载浮接"));
        case SynchronousState::OutOfStep:
            return Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "失步"));
        case SynchronousState::NotStarting:
            return Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "不能自行起动"));
        case SynchronousState::Starting:
            return Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "异步起动"));
        case SynchronousState::PullingIn:
            return Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "牵入同步"));
    }
    return {};
}

std::string_view PowerFactorKindText(const Translation* t, PowerFactorKind kind) {
    switch (kind) {
        case PowerFactorKind::Lagging:
            return Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "滞后"));
        case PowerFactorKind::Leading:
            return Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "超前"));
        case PowerFactorKind::Unity:
            return Tr(t, "Synchronous", QT_TRANSLATE_NOOP("Synchronous", "单位功率因数"));
    }
    return {};
}

SynchronousResult DrawSynchronousFrame(const SynchronousInputs& raw, CDC& surface) {
    const SynchronousInputs in = Clamped(raw);
    const Now now = MachineNow(in);
    const SynchronousMotion* motion = now.motion ? &*now.motion : nullptr;
    const SynchronousReadouts readouts = MakeReadouts(in, now.point, motion);
    SynchronousResult result{readouts, Describe(in, now.point, readouts), true};
    const SynchronousScene scene{in,         now.point, motion, now.run, ExplorerAngle(in.step),
                                 UnitOf(in), &surface};
    try {
        DrawPanes(scene, result.readouts);
    } catch (const CResourceException&) {
        result.complete = false;
    }
    return result;
}

const char* SynchronousStateName(SynchronousState state) {
    switch (state) {
        case SynchronousState::Motoring:
            return "motoring";
        case SynchronousState::Generating:
            return "generating";
        case SynchronousState::Floating:
            return "floating";
        case SynchronousState::OutOfStep:
            return "out-of-step";
        case SynchronousState::NotStarting:
            return "not-starting";
        case SynchronousState::Starting:
            return "starting";
        case SynchronousState::PullingIn:
            return "pulling-in";
    }
    return "";
}

std::string SynchronousReadoutLines(const SynchronousReadouts& r) {
    std::string out;
    if (!r.speed.empty()) out = "readout speed " + r.speed + "\n";
    return out + "readout load-angle " + r.loadAngle + "\nreadout emf " + r.emf +
           "\nreadout current " + r.current + "\nreadout power-factor " + r.powerFactor +
           "\nreadout pf-kind " + r.kind + "\nreadout p " + r.p + "\nreadout q " + r.q +
           "\nreadout pull-out " + r.pullOut + "\nreadout state " + SynchronousStateName(r.state) +
           "\n";
}

std::string TraceSynchronousFrame(const SynchronousInputs& inputs) {
    TraceDc dc;
    const SynchronousResult result = DrawSynchronousFrame(inputs, dc);
    return SynchronousReadoutLines(result.readouts) + dc.Text();
}

std::optional<SynchronousPixel> SynchronousEmfTip(const SynchronousInputs& raw) {
    const SynchronousInputs in = Clamped(raw);
    if (in.time) return std::nullopt;
    const SynchronousPoint p = SynchronousSteady(in.fieldCurrent, in.power * 1000.0);
    if (!p.inStep || p.emf <= 0.0) return std::nullopt;
    const PhasorScale s = PhasorScaleIn(SynchronousLayout(in.width, in.height).phasor, UnitOf(in));
    const Phasor e = p.Emf();
    return SynchronousPixel{Px(s.x0 + e.real() * s.perVolt), Px(s.y0 - e.imag() * s.perVolt)};
}

SynchronousSetting SynchronousDragTo(const SynchronousInputs& raw, double x, double y) {
    const SynchronousInputs in = Clamped(raw);
    if (!std::isfinite(x) || !std::isfinite(y)) return {in.fieldCurrent, in.power};
    const PhasorScale s = PhasorScaleIn(SynchronousLayout(in.width, in.height).phasor, UnitOf(in));
    // Left of the origin's vertical the angle is past 90 degrees: the stable side's limit.
    const double re = std::max(0.0, (x - s.x0) / s.perVolt);
    const double im = (s.y0 - y) / s.perVolt;
    // P = 3VE sin(delta) / X_s, and E sin(delta) = -Im E.
    const double power =
        std::clamp(-3.0 * kPhaseVoltage * im / kReactance / 1000.0, -kMaxPower, kMaxPower);
    const double field =
        std::clamp(std::hypot(re, im) / kEmfPerAmpere, kMinFieldCurrent, kMaxFieldCurrent);
    return {field, power};
}
