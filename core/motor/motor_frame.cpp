#include "motor/motor_frame.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "motor/motor_layers.h"

namespace {

using namespace motor;

double InRange(double value, double low, double high, double fallback) {
    return std::isfinite(value) ? std::clamp(value, low, high) : fallback;
}

// A speed closer to zero than this is at rest; a speed changing slower than this (rpm a second)
// is steady.
constexpr double kAtRest = 0.5;
constexpr double kSteady = 20.0;

MotorState StateOf(const MotorInputs& in, const MotorPoint& p) {
    const double net = p.Torque() + FanTorque(in.load, p.speed);
    const double rate = net / in.inertia * 60.0 / (2.0 * std::numbers::pi);
    const bool moving = std::abs(p.speed) >= kAtRest;
    if (!moving && std::abs(rate) < kSteady) return MotorState::Stalled;
    // The motor's own torque against the motion: plugging, or a generator above n_s.
    if (moving && p.Torque() * p.speed < 0.0) return MotorState::Braking;
    if (moving && std::abs(rate) < kSteady) return MotorState::Running;
    return !moving || rate * p.speed > 0.0 ? MotorState::Accelerating : MotorState::Braking;
}

MotorReadouts MakeReadouts(const MotorInputs& in, const MotorPoint& p) {
    return {MotorFixed("%.0f", p.speed),
            MotorFixed("%.3f", p.slip),
            MotorFixed("%.2f", p.Torque()),
            MotorFixed("%.2f", p.forward),
            MotorFixed("%.2f", p.backward),
            MotorFixed("%.2f", std::abs(p.current[0])),
            MotorFixed("%.2f", std::abs(p.current[1])),
            MotorFixed("%.2f", std::abs(p.current[2])),
            MotorFixed("%.0f", kSynchronousSpeed),
            StateOf(in, p)};
}

// `format` with %1 .. %9 replaced by `args`.
std::string Arg(std::string_view format, std::initializer_list<std::string_view> args) {
    std::string out;
    for (size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        if (format[i] == '%' && next >= '1' && next < '1' + static_cast<int>(args.size())) {
            out += *(args.begin() + (next - '1'));
            ++i;
        } else {
            out += format[i];
        }
    }
    return out;
}

std::string Describe(const MotorInputs& in, const MotorReadouts& r) {
    const std::string_view format =
        Tr(in.translation, "Motor",
           QT_TRANSLATE_NOOP("Motor",
                             "电动机转速 %1 rpm，转差率 %2，转矩 %3 N·m（正转分量 %4，"
                             "反转分量 %5），电流 U %6 A、V %7 A、W %8 A，%9。"));
    return Arg(format, {r.speed, r.slip, r.torque, r.forward, r.backward, r.u, r.v, r.w,
                        MotorStateText(in.translation, r.state)});
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
    if (!last || !last->SameRun(model.CurrentSupply(), run)) last.emplace(model, run);
    return *last;
}

}  // namespace

std::string_view MotorStateText(const Translation* t, MotorState state) {
    switch (state) {
        case MotorState::Accelerating:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "加速"));
        case MotorState::Running:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "稳定运行"));
        case MotorState::Stalled:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "堵转（静止且无净转矩）"));
        case MotorState::Braking:
            return Tr(t, "Motor", QT_TRANSLATE_NOOP("Motor", "制动"));
    }
    return {};
}

std::string MotorFixed(const char* format, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    std::string text = buffer;
    if (text.front() == '-' && text.find_first_not_of("-0.") == std::string::npos) text.erase(0, 1);
    return text;
}

MotorResult DrawMotorFrame(const MotorInputs& raw, CDC& surface) {
    MotorInputs in = raw;
    in.supply = ClampSupply(raw.supply);
    in.load = InRange(raw.load, 0.0, kMaxLoad, 0.0);
    in.inertia = InRange(raw.inertia, kMinInertia, kMaxInertia, kDefaultInertia);
    in.time = InRange(raw.time, 0.0, kMaxTime, 0.0);
    in.initialSpeed = InRange(raw.initialSpeed, -kMaxSpeed, kMaxSpeed, 0.0);
    if (raw.speed) in.speed = InRange(*raw.speed, -kMaxSpeed, kMaxSpeed, 0.0);
    in.step = WrapExplorerStep(raw.step);
    in.width = std::max(raw.width, 1);
    in.height = std::max(raw.height, 1);

    const MotorModel model(in.supply);
    const std::vector<MotorSample>* samples = nullptr;
    double speed = in.speed.value_or(0.0);
    if (!in.speed) {
        MotorRun& run = RunFor(model, {in.supply, in.load, in.inertia, in.initialSpeed, 0.0});
        speed = run.SpeedAt(in.time);
        samples = &run.Samples();
    }
    const MotorPoint point = model.At(speed);
    const MotorReadouts readouts = MakeReadouts(in, point);
    MotorResult result{readouts, Describe(in, readouts), true};

    const double theta = ExplorerAngle(in.step);
    const double rotor = raw.rotorAngle && std::isfinite(*raw.rotorAngle)
                             ? *raw.rotorAngle
                             : speed / kSynchronousSpeed * theta / kPolePairs;
    const double unit = std::min(in.width / double(kMotorWidth), in.height / double(kMotorHeight));
    const MotorScene scene{in,    model, point,   model.MaximumTorque(), samples, theta,
                           rotor, unit,  &surface};
    try {
        DrawPanes(scene, result.readouts);
    } catch (const CResourceException&) {
        result.complete = false;
    }
    return result;
}

const char* MotorStateName(MotorState state) {
    switch (state) {
        case MotorState::Accelerating:
            return "accelerating";
        case MotorState::Running:
            return "running";
        case MotorState::Stalled:
            return "stalled";
        case MotorState::Braking:
            return "braking";
    }
    return "";
}
