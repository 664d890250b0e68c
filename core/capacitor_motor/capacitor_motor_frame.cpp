#include "capacitor_motor/capacitor_motor_frame.h"

#include <cmath>
#include <numbers>

#include "capacitor_motor/capacitor_motor_layers.h"
#include "draw/trace_dc.h"
#include "text/numbers.h"
#include "text/text_format.h"

namespace {

using namespace capmotor;

double InRange(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

// The angle by which I_a leads I_m, in (-180, 180] degrees.
double AuxAngle(const CapacitorMotorPoint& p) {
    return std::arg(p.aux / p.main) * 180.0 / std::numbers::pi;
}

SwitchState StateOf(const CapacitorMotorInputs& in, const CapacitorMotorPoint& p) {
    if (!HasCentrifugalSwitch(in.kind)) return SwitchState::None;
    return p.switchClosed ? SwitchState::Closed : SwitchState::Open;
}

CapacitorMotorReadouts MakeReadouts(const CapacitorMotorInputs& in, const CapacitorMotorPoint& p) {
    return {Fixed("%.0f", p.speed),
            Fixed("%.3f", p.slip),
            Fixed("%.2f", p.Torque()),
            Fixed("%.2f", p.torqueForward),
            Fixed("%.2f", p.torqueBackward),
            Fixed("%.2f", std::abs(p.main)),
            Fixed("%.2f", std::abs(p.aux)),
            Fixed("%.2f", std::abs(p.line)),
            p.auxConnected ? Fixed("%.1f", AuxAngle(p)) : "none",
            Fixed("%.3f", std::abs(p.backward) / std::abs(p.forward)),
            StateOf(in, p)};
}

std::string Describe(const CapacitorMotorInputs& in, const CapacitorMotorReadouts& r) {
    const Translation* t = in.translation;
    const auto text = [t](const char* source) { return Tr(t, "CapacitorMotor", source); };
    const std::string angle =
        r.auxAngle == "none"
            ? std::string(text(QT_TRANSLATE_NOOP("CapacitorMotor", "辅绕组无电流")))
            : FormatText(text(QT_TRANSLATE_NOOP("CapacitorMotor", "辅绕组电流超前主绕组电流 %1°")),
                         {r.auxAngle});
    const std::string_view format = text(QT_TRANSLATE_NOOP(
        "CapacitorMotor",
        "单相电动机（%1）转速 %2 rpm，转矩 %3 N·m，主绕组电流 %4 A，辅绕组电流 %5 A，"
        "线电流 %6 A；%7，反转与正转分量之比 %8；%9。"));
    return FormatText(
        format, {text(CapacitorMotorKindText(in.kind)), r.speed, r.torque, r.main, r.aux, r.line,
                 angle, r.backwardRatio, SwitchStateText(t, r.switchState)});
}

struct Panes {
    CRect windings;
    CRect phasors;
    CRect readouts;
    CRect torque;
    CRect startUp;
};

// The field, the phasors and the readouts above; the two curves below.
Panes Layout(int width, int height) {
    const int first = Px(width * 0.32), second = Px(width * 0.635);
    const int middle = Px(height * 0.52), half = Px(width * 0.5);
    return {{0, 0, first, middle},
            {first, 0, second, middle},
            {second, 0, width, middle},
            {0, middle, half, height},
            {half, middle, width, height}};
}

void DrawPanes(const CapacitorMotorScene& scene, const CapacitorMotorReadouts& readouts) {
    CDC* dc = scene.dc;
    const int width = scene.inputs.width, height = scene.inputs.height;
    {
        ScopedPen pen(dc, PS_SOLID, 1, kWhite);
        ScopedBrush white(dc, kWhite);
        dc->Rectangle(0, 0, width, height);
    }
    dc->SetBkMode(TRANSPARENT);
    const Panes panes = Layout(width, height);
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kGridColour);
        for (const int x : {panes.phasors.left, panes.readouts.left}) {
            dc->MoveTo(x, 0);
            dc->LineTo(x, panes.torque.top);
        }
        dc->MoveTo(0, panes.torque.top);
        dc->LineTo(width, panes.torque.top);
        dc->MoveTo(panes.startUp.left, panes.startUp.top);
        dc->LineTo(panes.startUp.left, height);
    }
    DrawCapacitorMotorWindings(scene, panes.windings);
    DrawCapacitorMotorPhasors(scene, panes.phasors);
    DrawCapacitorMotorReadouts(scene, panes.readouts, readouts);
    DrawCapacitorMotorTorque(scene, panes.torque);
    DrawCapacitorMotorStartUp(scene, panes.startUp);
}

// The last start-up drawn on this thread: a window showing one as it goes asks for a little
// more of the same run each frame.
CapacitorMotorRun& RunFor(const CapacitorMotorRunInputs& run) {
    thread_local std::optional<CapacitorMotorRun> last;
    if (!last || !last->SameRun(run)) last.emplace(run);
    return *last;
}

}  // namespace

std::string_view SwitchStateText(const Translation* t, SwitchState state) {
    switch (state) {
        case SwitchState::Closed:
            return Tr(t, "CapacitorMotor", QT_TRANSLATE_NOOP("CapacitorMotor", "离心开关闭合"));
        case SwitchState::Open:
            return Tr(t, "CapacitorMotor", QT_TRANSLATE_NOOP("CapacitorMotor", "离心开关断开"));
        case SwitchState::None:
            return Tr(t, "CapacitorMotor", QT_TRANSLATE_NOOP("CapacitorMotor", "没有离心开关"));
    }
    return {};
}

const char* SwitchStateName(SwitchState state) {
    switch (state) {
        case SwitchState::Closed:
            return "closed";
        case SwitchState::Open:
            return "open";
        case SwitchState::None:
            return "none";
    }
    return "";
}

CapacitorMotorResult DrawCapacitorMotorFrame(const CapacitorMotorInputs& raw, CDC& surface) {
    CapacitorMotorInputs in = raw;
    const CapacitorMotorModel model(raw.Config());
    const CapacitorMotorConfig& config = model.Config();
    in.startCapacitor = config.startCapacitor;
    in.runCapacitor = config.runCapacitor;
    in.reverseAux = config.reverseAux;
    in.switchSetting = config.switchSetting;
    in.load = InRange(raw.load, 0.0, kMaxLoad, 0.0);
    in.inertia = InRange(raw.inertia, kMinInertia, kMaxInertia, kDefaultInertia);
    in.time = InRange(raw.time, 0.0, kMaxTime, 0.0);
    in.initialSpeed = InRange(raw.initialSpeed, -kMaxSpeed, kMaxSpeed, 0.0);
    if (raw.speed) in.speed = InRange(*raw.speed, -kMaxSpeed, kMaxSpeed, 0.0);
    in.step = WrapExplorerStep(raw.step);
    in.width = std::max(raw.width, 1);
    in.height = std::max(raw.height, 1);

    CapacitorMotorRun* run = nullptr;
    CapacitorMotorPoint point;
    if (in.speed) {
        point = model.Steady(*in.speed);
    } else {
        run = &RunFor({config, in.load, in.inertia, in.initialSpeed});
        const CapacitorMotorSample& now = run->At(in.time);
        point = model.At(now.speed, now.switchClosed);
    }
    const CapacitorMotorReadouts readouts = MakeReadouts(in, point);
    CapacitorMotorResult result{readouts, Describe(in, readouts), true};

    const double unit = std::min(in.width / double(kCapacitorMotorWidth),
                                 in.height / double(kCapacitorMotorHeight));
    const CapacitorMotorScene scene{in, model, point, run, ExplorerAngle(in.step), unit, &surface};
    try {
        DrawPanes(scene, result.readouts);
    } catch (const CResourceException&) {
        result.complete = false;
    }
    return result;
}

std::string CapacitorMotorReadoutLines(const CapacitorMotorReadouts& r) {
    return "readout speed " + r.speed + "\nreadout slip " + r.slip + "\nreadout torque " +
           r.torque + "\nreadout torque-forward " + r.forward + "\nreadout torque-backward " +
           r.backward + "\nreadout current-main " + r.main + "\nreadout current-aux " + r.aux +
           "\nreadout current-line " + r.line + "\nreadout aux-angle " + r.auxAngle +
           "\nreadout backward-ratio " + r.backwardRatio + "\nreadout switch " +
           SwitchStateName(r.switchState) + "\n";
}

std::string TraceCapacitorMotorFrame(const CapacitorMotorInputs& inputs) {
    TraceDc dc;
    const CapacitorMotorResult result = DrawCapacitorMotorFrame(inputs, dc);
    return CapacitorMotorReadoutLines(result.readouts) + dc.Text();
}
