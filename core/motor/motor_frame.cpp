#include "motor/motor_frame.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "motor/motor_layers.h"
#include "motor/motor_power.h"
#include "text/numbers.h"
#include "text/text_format.h"

namespace {

using namespace motor;

double InRange(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

// A speed closer to zero than this is at rest.
constexpr double kAtRest = 0.5;

MotorState StateOf(const MotorInputs& in, const MotorModel& model, const MotorPoint& p) {
    const double n = p.speed, t = p.Torque();
    if (std::abs(n) < kAtRest)
        return std::abs(t) <= kNoTorque ? MotorState::Stalled : MotorState::Starting;
    if (t * n < 0.0 && std::abs(t) > kNoTorque) {
        // Faster than the field its own way round; a pulsating field turns both ways.
        const int direction = model.FieldDirection();
        const bool withField = direction == 0 || n * direction > 0.0;
        return withField && std::abs(n) > model.SynchronousSpeed() ? MotorState::Generating
                                                                   : MotorState::Braking;
    }
    const double net = t + FanTorque(in.load, n);
    if (std::abs(net) <= kNoTorque) return MotorState::Running;
    return net * n > 0.0 ? MotorState::Accelerating : MotorState::Decelerating;
}

MotorReadouts MakeReadouts(const MotorInputs& in, const MotorModel& model, const MotorPoint& p) {
    const MotorPower w = PowerAt(model, p);
    const double field = model.FieldSpeed();
    const double largest =
        std::max({std::abs(p.current[0]), std::abs(p.current[1]), std::abs(p.current[2])});
    const std::string synchronous = model.FieldDirection() == 0
                                        ? "±" + Fixed("%.0f", model.SynchronousSpeed())
                                        : Fixed("%.0f", field);
    return {Fixed("%.0f", p.speed),
            Fixed("%.3f", (field - p.speed) / field),
            Fixed("%.2f", p.Torque()),
            Fixed("%.2f", p.forward),
            Fixed("%.2f", p.backward),
            Fixed("%.2f", std::abs(p.current[0])),
            Fixed("%.2f", std::abs(p.current[1])),
            Fixed("%.2f", std::abs(p.current[2])),
            synchronous,
            StateOf(in, model, p),
            Fixed("%.2f", largest / kRatedCurrent),
            largest / kRatedCurrent > 1.5,
            Fixed("%.0f", w.input),
            Fixed("%.0f", w.statorCopper),
            Fixed("%.0f", w.rotorCopper),
            Fixed("%.0f", w.mechanical),
            w.efficiency ? Fixed("%.1f", *w.efficiency * 100.0) : "—",
            Fixed("%.3f", w.powerFactor)};
}

std::string Describe(const MotorInputs& in, const MotorReadouts& r) {
    const std::string_view format = Tr(
        in.translation, "Motor",
        QT_TRANSLATE_NOOP("Motor",
                          "电动机转速 %1 r/min，对正向磁场的转差率 %2，转矩 %3 N·m（正转分量 %4，"
                          "反转分量 %5），电流 U %6 A、V %7 A、W %8 A，%9。"));
    return FormatText(format, {r.speed, r.slip, r.torque, r.forward, r.backward, r.u, r.v, r.w,
                               MotorStateLine(in.translation, r)});
}

struct Panes {
    CRect torque;
    CRect startUp;
    CRect machine;
    CRect readouts;
};

// The curves on the left, the machine over its readouts on the right.
Panes Layout(int width, int height) {
    const int middle = Px(width * 0.5);
    const int left = Px(height * 0.53);
    const int right = Px(height * 0.5);
    return {{0, 0, middle, left},
            {0, left, middle, height},
            {middle, 0, width, right},
            {middle, right, width, height}};
}

void DrawPanes(const MotorScene& scene, const MotorReadouts& readouts) {
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
        dc->MoveTo(panes.machine.left, 0);
        dc->LineTo(panes.machine.left, height);
        dc->MoveTo(0, panes.startUp.top);
        dc->LineTo(panes.machine.left, panes.startUp.top);
        dc->MoveTo(panes.machine.left, panes.readouts.top);
        dc->LineTo(width, panes.readouts.top);
    }
    DrawMotorTorque(scene, panes.torque);
    DrawMotorStartUp(scene, panes.startUp);
    DrawMotorMachine(scene, panes.machine);
    DrawMotorReadouts(scene, panes.readouts, readouts);
}

// The last start-up drawn on this thread: a window showing one as it goes asks for a little
// more of the same run each frame.
MotorRun& RunFor(const MotorModel& model, const MotorRunInputs& run) {
    thread_local std::optional<MotorRun> last;
    if (!last || !last->SameRun(model.CurrentSupply(), run, model.Drive()))
        last.emplace(model, run);
    return *last;
}

// The same for a start-up with its transient.
DynamicRun& DynamicRunFor(const DynamicRunInputs& run) {
    thread_local std::optional<DynamicRun> last;
    if (!last || !(DynamicRun(run, DynamicRun::kStep).Inputs() == last->Inputs()))
        last.emplace(run);
    return *last;
}

// The instantaneous speed, torque and currents in place of the steady state's, and the run's
// peaks.
std::optional<MotorDynamicReadouts> DynamicReadouts(const DynamicRun* run, MotorReadouts& r) {
    if (!run) return std::nullopt;
    r.torque = Fixed("%.2f", run->Torque());
    const std::array<double, 3> i = run->Currents();
    r.u = Fixed("%.2f", i[0]);
    r.v = Fixed("%.2f", i[1]);
    r.w = Fixed("%.2f", i[2]);
    const std::optional<double> t95 = run->TimeTo95();
    return MotorDynamicReadouts{Fixed("%.1f", run->PeakCurrent()), Fixed("%.1f", run->PeakTorque()),
                                Fixed("%.1f", run->MinTorque()), t95 ? Fixed("%.3f", *t95) : "—"};
}

}  // namespace

std::string_view MotorStateText(const Translation* t, MotorState state) {
    switch (state) {
        case MotorState::Stalled:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "堵转"));
        case MotorState::Starting:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "起动"));
        case MotorState::Generating:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "发电"));
        case MotorState::Braking:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "制动"));
        case MotorState::Running:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "稳定运行"));
        case MotorState::Accelerating:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "加速"));
        case MotorState::Decelerating:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "减速"));
    }
    return {};
}

std::string MotorStateLine(const Translation* t, const MotorReadouts& r) {
    const std::string_view state = MotorStateText(t, r.state);
    if (!r.overloaded) return std::string(state);
    return FormatText(Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "%1，过载")), {state});
}

std::string_view SpeedUnit(const Translation* t) {
    return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "r/min"));
}

MotorResult DrawMotorFrame(const MotorInputs& raw, CDC& surface) {
    MotorInputs in = raw;
    in.supply = ClampSupply(raw.supply);
    in.load = InRange(raw.load, 0.0, kMaxLoad, 0.0);
    in.inertia = InRange(raw.inertia, kMinInertia, kMaxInertia, kDefaultInertia);
    in.time = InRange(raw.time, 0.0, kLongestRun, 0.0);
    in.initialSpeed = InRange(raw.initialSpeed, -kMaxSpeed, kMaxSpeed, 0.0);
    if (raw.speed) in.speed = InRange(*raw.speed, -kMaxSpeed, kMaxSpeed, 0.0);
    in.step = WrapExplorerStep(raw.step);
    in.width = std::max(raw.width, 1);
    in.height = std::max(raw.height, 1);

    in.drive = ClampDrive(raw.drive);
    const MotorModel model(in.supply, in.drive);
    const std::vector<MotorSample>* samples = nullptr;
    double speed = in.speed.value_or(0.0);
    bool settled = false;
    const DynamicRun* dynamic = nullptr;
    in.switchAngle = InRange(raw.switchAngle, 0.0, 360.0, 0.0);
    if (in.dynamic && !in.speed) {
        DynamicRun& run = DynamicRunFor(
            {in.supply, in.load, in.inertia, in.initialSpeed, in.switchAngle, in.drive});
        run.RunTo(in.time);
        speed = run.Speed();
        dynamic = &run;
    } else if (!in.speed) {
        MotorRun& run = RunFor(model, {in.supply, in.load, in.inertia, in.initialSpeed, 0.0});
        speed = run.SpeedAt(in.time);
        samples = &run.Samples();
        settled = run.SettledAt().has_value();
    }
    const MotorPoint point = model.At(speed);
    MotorReadouts readouts = MakeReadouts(in, model, point);
    const std::optional<MotorDynamicReadouts> peaks = DynamicReadouts(dynamic, readouts);
    MotorResult result{readouts, peaks, Describe(in, readouts), true};

    const double theta = ExplorerAngle(in.step);
    const double rotor = raw.rotorAngle && std::isfinite(*raw.rotorAngle)
                             ? *raw.rotorAngle
                             : speed / model.SynchronousSpeed() * theta / kPolePairs;
    const double unit = std::min(in.width / double(kMotorWidth), in.height / double(kMotorHeight));
    const MotorScene scene{in,      model,    point,  model.MaximumTorque(),
                           samples, settled,  theta,  rotor,
                           unit,    &surface, dynamic};
    try {
        if (in.page == MotorPage::Circuit)
            DrawMotorCircuitPage(scene, result.readouts);
        else
            DrawPanes(scene, result.readouts);
    } catch (const CResourceException&) {
        result.complete = false;
    }
    return result;
}

const char* MotorStateName(MotorState state) {
    switch (state) {
        case MotorState::Stalled:
            return "stalled";
        case MotorState::Starting:
            return "starting";
        case MotorState::Generating:
            return "generating";
        case MotorState::Braking:
            return "braking";
        case MotorState::Running:
            return "running";
        case MotorState::Accelerating:
            return "accelerating";
        case MotorState::Decelerating:
            return "decelerating";
    }
    return "";
}
