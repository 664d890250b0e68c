// The motor in the table of views.
#include "motor/motor_view.h"

#include <algorithm>

#include "motor/motor_frame.h"
#include "motor/motor_layers.h"
#include "supply/supply_params.h"
#include "views/view_table.h"

namespace {

using namespace motor;

constexpr std::string_view kPages[] = {"field", "circuit"};

const std::array<ParamSpec, kSupplyParams.size() + 12> kParams = [] {
    std::array<ParamSpec, kSupplyParams.size() + 12> params{};
    auto at = std::copy(kSupplyParams.begin(), kSupplyParams.end(), params.begin());
    *at++ = {.name = "load",
             .low = 0.0,
             .high = kMaxLoad,
             .unit = " N·m",
             .valueName = "L",
             .help = "a fan's torque at synchronous speed"};
    *at++ = {.name = "inertia",
             .low = kMinInertia,
             .high = kMaxInertia,
             .fallback = kDefaultInertia,
             .unit = " kg·m²",
             .valueName = "J",
             .help = "of the motor and its load"};
    *at++ = {.name = "speed",
             .low = -kMaxSpeed,
             .high = kMaxSpeed,
             .unit = " rpm",
             .valueName = "N",
             .help = "the operating point held at N rpm"};
    *at++ = {.name = "time",
             .low = 0.0,
             .high = kMaxTime,
             .unit = " s",
             .valueName = "T",
             .help = "or the state T seconds into a start-up"};
    *at++ = {.name = "initial-speed",
             .low = -kMaxSpeed,
             .high = kMaxSpeed,
             .unit = " rpm",
             .valueName = "N",
             .help = "the start-up's initial speed"};
    *at++ = {
        .name = "dynamic",
        .kind = ParamKind::Switch,
        .help = "the start-up with its electrical transient: instantaneous currents and torque"};
    *at++ = {.name = "switch-angle",
             .low = 0.0,
             .high = 360.0,
             .unit = "°",
             .valueName = "A",
             .help = "U's voltage A degrees past its positive peak at switch-on"};
    *at++ = {.name = "zoom",
             .kind = ParamKind::Switch,
             .help = "the dynamic start-up's first 100 ms against time"};
    *at++ = {.name = "frequency",
             .low = motor::kMinFrequency,
             .high = motor::kMaxFrequency,
             .fallback = motor::kFrequency,
             .unit = " Hz",
             .valueName = "F",
             .help = "a V/f drive's frequency: V follows F below 50 Hz, stays rated above"};
    *at++ = {.name = "boost",
             .low = 0.0,
             .high = kMaxBoost,
             .unit = " V",
             .valueName = "B",
             .help = "the V/f drive's low-speed boost, per phase: V = 230.9 F/50 + B (1 - F/50)"};
    *at++ = {.name = "rotor-resistance",
             .low = 0.0,
             .high = kMaxAddedResistance,
             .unit = " Ω",
             .valueName = "R",
             .help = "a slip-ring starter's resistance added to R_R, referred to the stator"};
    *at++ = {.name = "page",
             .kind = ParamKind::Choice,
             .choices = kPages,
             .valueName = "field|circuit",
             .help = "the curves and the machine, or the circuit, phasors and power flow"};
    return params;
}();

SettingsResult Build(const ParamValues& given) {
    MotorSettings s;
    SettingsResult result;
    const auto number = [&given](std::string_view name) -> std::optional<double> {
        if (const ParamValue* v = Given(given, name)) return std::get<double>(*v);
        return std::nullopt;
    };
    result.error = SupplyFromValues(given, s.supply, result.blame);
    if (!result.error.empty()) return result;
    s.load = number("load").value_or(0.0);
    s.inertia = number("inertia").value_or(kDefaultInertia);
    s.speed = number("speed");
    s.time = number("time").value_or(0.0);
    s.initialSpeed = number("initial-speed").value_or(0.0);
    if (const ParamValue* v = Given(given, "dynamic")) s.dynamic = std::get<bool>(*v);
    if (const ParamValue* v = Given(given, "zoom")) s.zoom = std::get<bool>(*v);
    s.switchAngle = number("switch-angle").value_or(0.0);
    s.drive.frequency = number("frequency").value_or(motor::kFrequency);
    s.drive.boost = number("boost").value_or(0.0);
    s.drive.rotorResistance = number("rotor-resistance").value_or(0.0);
    if (const ParamValue* v = Given(given, "page"))
        s.page = std::get<std::string>(*v) == kPages[1] ? MotorPage::Circuit : MotorPage::Field;
    if (s.speed && number("time")) {
        result.blame = "time";
        result.error = "speed and time cannot be used together";
    } else if (s.speed && number("initial-speed")) {
        result.blame = "initial-speed";
        result.error = "initial-speed is for a start-up: use it with time";
    } else if (s.dynamic && s.speed) {
        result.blame = "dynamic";
        result.error = "dynamic is a start-up's: it cannot be used with speed";
    } else if (s.dynamic && !number("time")) {
        result.blame = "dynamic";
        result.error = "dynamic is a start-up's: use it with time";
    }
    result.settings = s;
    return result;
}

}  // namespace

namespace {

ParamValues Values(const ViewSettings& settings) {
    const MotorSettings& s = std::get<MotorSettings>(settings);
    const MotorSettings fallback;
    ParamValues values = SupplyValues(s.supply);
    const auto number = [&values](std::string_view name, double value, double otherwise) {
        if (value != otherwise) values.emplace_back(name, value);
    };
    number("load", s.load, fallback.load);
    number("inertia", s.inertia, fallback.inertia);
    if (s.speed) {
        values.emplace_back("speed", *s.speed);
    } else {
        // A dynamic start is a start-up's: its time is always said.
        if (s.dynamic) values.emplace_back("time", s.time);
        if (!s.dynamic) number("time", s.time, fallback.time);
        number("initial-speed", s.initialSpeed, fallback.initialSpeed);
    }
    if (s.dynamic) values.emplace_back("dynamic", true);
    number("switch-angle", s.switchAngle, fallback.switchAngle);
    if (s.zoom) values.emplace_back("zoom", true);
    number("frequency", s.drive.frequency, fallback.drive.frequency);
    number("boost", s.drive.boost, fallback.drive.boost);
    number("rotor-resistance", s.drive.rotorResistance, fallback.drive.rotorResistance);
    if (s.page != fallback.page) values.emplace_back("page", std::string(kPages[1]));
    return values;
}

}  // namespace

MotorInputs MotorInputsOf(const MotorSettings& s, const CanvasInputs& c) {
    MotorInputs m;
    m.supply = s.supply;
    m.load = s.load;
    m.inertia = s.inertia;
    m.speed = s.speed;
    m.time = s.time;
    m.initialSpeed = s.initialSpeed;
    m.rotorAngle = s.rotorAngle;
    m.dynamic = s.dynamic;
    m.switchAngle = s.switchAngle;
    m.zoom = s.zoom;
    m.drive = s.drive;
    m.page = s.page;
    m.step = c.step;
    m.width = c.width;
    m.height = c.height;
    m.scale = c.scale;
    m.palette = c.palette;
    m.translation = c.translation;
    m.hidden = c.hidden;
    return m;
}

namespace {

ViewResult Draw(const ViewSettings& settings, const CanvasInputs& c, CDC& surface) {
    const MotorResult r =
        DrawMotorFrame(MotorInputsOf(std::get<MotorSettings>(settings), c), surface);
    const MotorReadouts& o = r.readouts;
    const auto label = [&c](const char* source) {
        return std::string(Tr(c.translation, "Motor", source));
    };
    const std::string unit = " " + std::string(SpeedUnit(c.translation));
    ViewResult result;
    result.readouts = {
        {"speed", o.speed, label(QT_TRANSLATE_NOOP("Motor", "转速 n")), o.speed + unit},
        {"slip", o.slip, label(QT_TRANSLATE_NOOP("Motor", "转差率 s（对正向磁场）")), o.slip},
        {"torque", o.torque, label(QT_TRANSLATE_NOOP("Motor", "转矩 T")), o.torque + " N·m"},
        {"torque-forward", o.forward, label(QT_TRANSLATE_NOOP("Motor", "正转转矩 T+")),
         o.forward + " N·m"},
        {"torque-backward", o.backward, label(QT_TRANSLATE_NOOP("Motor", "反转转矩 T−")),
         o.backward + " N·m"},
        {"current-u", o.u, label(QT_TRANSLATE_NOOP("Motor", "电流 IU")), o.u + " A"},
        {"current-v", o.v, label(QT_TRANSLATE_NOOP("Motor", "电流 IV")), o.v + " A"},
        {"current-w", o.w, label(QT_TRANSLATE_NOOP("Motor", "电流 IW")), o.w + " A"},
        {"synchronous", o.synchronous, "", o.synchronous},
        {"current-ratio", o.currentRatio, label(QT_TRANSLATE_NOOP("Motor", "电流倍数 I/IN")),
         o.currentRatio},
        {"state", MotorStateName(o.state), label(QT_TRANSLATE_NOOP("Motor", "状态")),
         MotorStateLine(c.translation, o)},
    };
    if (r.dynamic) {
        const MotorDynamicReadouts& d = *r.dynamic;
        result.readouts.insert(
            result.readouts.end(),
            {{"peak-current", d.peakCurrent, label(QT_TRANSLATE_NOOP("Motor", "电流峰值")),
              d.peakCurrent + " A"},
             {"peak-torque", d.peakTorque, label(QT_TRANSLATE_NOOP("Motor", "转矩最大值")),
              d.peakTorque + " N·m"},
             {"min-torque", d.minTorque, label(QT_TRANSLATE_NOOP("Motor", "转矩最小值")),
              d.minTorque + " N·m"},
             {"time-95", d.time95, label(QT_TRANSLATE_NOOP("Motor", "达到95%同步转速的时间")),
              d.time95 == "—" ? d.time95 : d.time95 + " s"}});
    }
    // The powers after the dynamic peaks: the same on both pages.
    result.readouts.insert(
        result.readouts.end(),
        {
            {"p-in", o.input, label(QT_TRANSLATE_NOOP("Motor", "输入功率 Pin")), o.input + " W"},
            {"p-stator-copper", o.statorCopper, label(QT_TRANSLATE_NOOP("Motor", "定子铜损 PCu,s")),
             o.statorCopper + " W"},
            {"p-rotor-copper", o.rotorCopper, label(QT_TRANSLATE_NOOP("Motor", "转子铜损 PCu,r")),
             o.rotorCopper + " W"},
            {"p-mech", o.mechanical, label(QT_TRANSLATE_NOOP("Motor", "机械功率 Pmech")),
             o.mechanical + " W"},
            {"efficiency", o.efficiency, label(QT_TRANSLATE_NOOP("Motor", "效率 η")),
             o.efficiency == "—" ? o.efficiency : o.efficiency + " %"},
            {"power-factor", o.powerFactor, label(QT_TRANSLATE_NOOP("Motor", "功率因数 PF")),
             o.powerFactor},
        });
    result.description = r.description;
    result.complete = r.complete;
    return result;
}

}  // namespace

extern const ViewDescriptor kMotorView{
    .view = View::Motor,
    .name = "motor",
    .aliases = {},
    .flag = "motor",
    .flagAliases = {},
    .titleContext = "MotorWindow",
    .title = "电动机",
    .help =
        "The motor: a 2.2 kW 4-pole motor on the explorer's supply, its torque against\nspeed and "
        "its start-up",
    .lastStep = kExplorerSteps - 1,
    .rule = StepRule::Cycle,
    .design = {kMotorWidth, kMotorHeight},
    .scalesWithCanvas = true,
    .params = kParams,
    .build = Build,
    .draw = Draw,
    .values = Values,
    .csv = [](const ViewSettings& s, int) { return MotorCsv(std::get<MotorSettings>(s)); },
};

std::string TraceMotorFrame(const MotorInputs& in) {
    return TraceView(
        MotorSettings{in.supply, in.load, in.inertia, in.speed, in.time, in.initialSpeed,
                      in.rotorAngle, in.dynamic, in.switchAngle, in.zoom, in.drive, in.page},
        {in.step, in.width, in.height, in.scale, in.palette, in.translation});
}
