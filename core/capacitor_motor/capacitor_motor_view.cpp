// The single-phase motor in the table of views.
#include "capacitor_motor/capacitor_motor_view.h"

#include <algorithm>
#include <array>

#include "views/view_table.h"

namespace {

using namespace capmotor;

// The model's names of the kinds, in its order.
const std::array<std::string_view, kCapacitorMotorKinds.size()> kKindNames = [] {
    std::array<std::string_view, kCapacitorMotorKinds.size()> names{};
    std::transform(kCapacitorMotorKinds.begin(), kCapacitorMotorKinds.end(), names.begin(),
                   CapacitorMotorKindName);
    return names;
}();
constexpr std::string_view kSwitchSettings[] = {"closed", "open"};

const ParamSpec kParams[] = {
    {.name = "kind",
     .kind = ParamKind::Choice,
     .choices = kKindNames,
     .valueName = "KIND",
     .help = "what the auxiliary winding is in series with, and whether a switch cuts it out\n"
             "(default capacitor-start)"},
    {.name = "start-capacitor",
     .low = kMinCapacitor,
     .high = kMaxCapacitor,
     .fallback = kDefaultStartCapacitor,
     .unit = " µF",
     .valueName = "C",
     .help = "C_s, in the auxiliary circuit while the switch is closed"},
    {.name = "run-capacitor",
     .low = kMinCapacitor,
     .high = kMaxCapacitor,
     .fallback = kDefaultRunCapacitor,
     .unit = " µF",
     .valueName = "C",
     .help = "C_r, in the auxiliary circuit while the motor runs"},
    {.name = "reverse-aux",
     .kind = ParamKind::Switch,
     .help = "the auxiliary winding connected the other way round: the motor turns clockwise"},
    {.name = "switch",
     .kind = ParamKind::Choice,
     .choices = kSwitchSettings,
     .valueName = "closed|open",
     .help = "the centrifugal switch held one way (default: opened and closed by the speed)"},
    {.name = "load",
     .low = 0.0,
     .high = kMaxLoad,
     .unit = " N·m",
     .valueName = "L",
     .help = "a fan's torque at 1500 rpm"},
    {.name = "inertia",
     .low = kMinInertia,
     .high = kMaxInertia,
     .fallback = kDefaultInertia,
     .unit = " kg·m²",
     .valueName = "J",
     .help = "of the motor and its load"},
    {.name = "speed",
     .low = -kMaxSpeed,
     .high = kMaxSpeed,
     .unit = " rpm",
     .valueName = "N",
     .help = "the steady state at N rpm"},
    {.name = "time",
     .low = 0.0,
     .high = kMaxTime,
     .unit = " s",
     .valueName = "T",
     .help = "or the state T seconds into a start-up from rest"},
};

// The parameter a refusal of the model's is about: its messages begin "--NAME:".
std::string_view Blamed(const std::string& error) {
    for (const ParamSpec& p : kParams)
        if (error.starts_with("--" + std::string(p.name) + ":")) return p.name;
    return {};
}

SettingsResult Build(const ParamValues& given) {
    CapacitorMotorSettings s;
    SettingsResult result;
    const auto number = [&given](std::string_view name) -> std::optional<double> {
        if (const ParamValue* v = Given(given, name)) return std::get<double>(*v);
        return std::nullopt;
    };
    const auto choice = [&given](std::string_view name) -> std::string {
        const ParamValue* v = Given(given, name);
        return v != nullptr ? std::get<std::string>(*v) : std::string();
    };
    CapacitorMotorConfig& c = s.config;
    c.kind = FindCapacitorMotorKind(choice("kind")).value_or(kDefaultCapacitorMotorKind);
    c.startCapacitor = number("start-capacitor");
    c.runCapacitor = number("run-capacitor");
    const ParamValue* reverse = Given(given, "reverse-aux");
    c.reverseAux = reverse != nullptr && std::get<bool>(*reverse);
    c.switchSetting = FindSwitchSetting(choice("switch")).value_or(SwitchSetting::Automatic);
    s.load = number("load").value_or(0.0);
    s.inertia = number("inertia").value_or(kDefaultInertia);
    s.speed = number("speed");
    s.time = number("time").value_or(0.0);
    result.error = CapacitorMotorInvalid(c);
    result.blame = Blamed(result.error);
    if (result.error.empty() && s.speed && number("time")) {
        result.blame = "time";
        result.error = "speed and time cannot be used together";
    }
    result.settings = s;
    return result;
}

// Figures as a person reads them, with a true minus sign.
std::string Minus(const std::string& text) {
    return !text.empty() && text.front() == '-' ? "−" + text.substr(1) : text;
}

ViewResult Draw(const ViewSettings& settings, const CanvasInputs& c, CDC& surface) {
    const CapacitorMotorResult r = DrawCapacitorMotorFrame(
        CapacitorMotorInputsOf(std::get<CapacitorMotorSettings>(settings), c), surface);
    const CapacitorMotorReadouts& o = r.readouts;
    const auto text = [&c](const char* source) {
        return std::string(Tr(c.translation, "CapacitorMotor", source));
    };
    const std::string switchShown =
        o.switchState == SwitchState::Closed ? text(QT_TRANSLATE_NOOP("CapacitorMotor", "闭合"))
        : o.switchState == SwitchState::Open ? text(QT_TRANSLATE_NOOP("CapacitorMotor", "断开"))
                                             : "—";
    ViewResult result;
    result.readouts = {
        {"speed", o.speed, text(QT_TRANSLATE_NOOP("CapacitorMotor", "转速 n")),
         Minus(o.speed) + " rpm"},
        {"slip", o.slip, text(QT_TRANSLATE_NOOP("CapacitorMotor", "转差率 s")), Minus(o.slip)},
        {"torque", o.torque, text(QT_TRANSLATE_NOOP("CapacitorMotor", "转矩 T")),
         Minus(o.torque) + " N·m"},
        {"torque-forward", o.forward, text(QT_TRANSLATE_NOOP("CapacitorMotor", "正转分量 Tf")),
         Minus(o.forward) + " N·m"},
        {"torque-backward", o.backward, text(QT_TRANSLATE_NOOP("CapacitorMotor", "反转分量 Tb")),
         Minus(o.backward) + " N·m"},
        {"current-main", o.main, text(QT_TRANSLATE_NOOP("CapacitorMotor", "主绕组电流 Im")),
         o.main + " A"},
        {"current-aux", o.aux, text(QT_TRANSLATE_NOOP("CapacitorMotor", "辅绕组电流 Ia")),
         o.aux + " A"},
        {"current-line", o.line, text(QT_TRANSLATE_NOOP("CapacitorMotor", "线电流 I")),
         o.line + " A"},
        {"aux-angle", o.auxAngle, text(QT_TRANSLATE_NOOP("CapacitorMotor", "Ia 超前 Im")),
         o.auxAngle == "none" ? "—" : Minus(o.auxAngle) + "°"},
        {"backward-ratio", o.backwardRatio,
         text(QT_TRANSLATE_NOOP("CapacitorMotor", "比值 |Ib|/|If|")), o.backwardRatio},
        {"switch", SwitchStateName(o.switchState),
         text(QT_TRANSLATE_NOOP("CapacitorMotor", "离心开关")), switchShown},
    };
    result.description = r.description;
    result.complete = r.complete;
    return result;
}

ParamValues Values(const ViewSettings& settings) {
    const CapacitorMotorSettings& s = std::get<CapacitorMotorSettings>(settings);
    const CapacitorMotorConfig& c = s.config;
    ParamValues values;
    if (c.kind != kDefaultCapacitorMotorKind)
        values.emplace_back("kind", std::string(CapacitorMotorKindName(c.kind)));
    if (c.startCapacitor) values.emplace_back("start-capacitor", *c.startCapacitor);
    if (c.runCapacitor) values.emplace_back("run-capacitor", *c.runCapacitor);
    if (c.reverseAux) values.emplace_back("reverse-aux", true);
    if (c.switchSetting != SwitchSetting::Automatic)
        values.emplace_back("switch",
                            std::string(kSwitchSettings[c.switchSetting == SwitchSetting::Open]));
    if (s.load != 0.0) values.emplace_back("load", s.load);
    if (s.inertia != kDefaultInertia) values.emplace_back("inertia", s.inertia);
    if (s.speed)
        values.emplace_back("speed", *s.speed);
    else if (s.time != 0.0)
        values.emplace_back("time", s.time);
    return values;
}

}  // namespace

CapacitorMotorInputs CapacitorMotorInputsOf(const CapacitorMotorSettings& s,
                                            const CanvasInputs& c) {
    CapacitorMotorInputs in;
    in.kind = s.config.kind;
    in.startCapacitor = s.config.startCapacitor;
    in.runCapacitor = s.config.runCapacitor;
    in.reverseAux = s.config.reverseAux;
    in.switchSetting = s.config.switchSetting;
    in.load = s.load;
    in.inertia = s.inertia;
    in.speed = s.speed;
    in.time = s.time;
    in.initialSpeed = s.initialSpeed;
    in.step = c.step;
    in.width = c.width;
    in.height = c.height;
    in.scale = c.scale;
    in.palette = c.palette;
    in.translation = c.translation;
    in.hidden = c.hidden;
    return in;
}

CapacitorMotorSettings CapacitorMotorSettingsOf(const CapacitorMotorInputs& in) {
    return {in.Config(), in.load, in.inertia, in.speed, in.time, in.initialSpeed};
}

extern const ViewDescriptor kCapacitorMotorView{
    .view = View::CapacitorMotor,
    .name = "capacitor-motor",
    .aliases = {},
    .flag = "single-phase-motor",
    .flagAliases = {},
    .titleContext = "CapacitorMotorWindow",
    .title = "单相电动机",
    .help =
        "The single-phase motor: a 230 V, 50 Hz 4-pole motor with a main and an auxiliary\n"
        "winding, its capacitors and centrifugal switch, torque against speed and start-up",
    .lastStep = kExplorerSteps - 1,
    .rule = StepRule::Cycle,
    .design = {kCapacitorMotorWidth, kCapacitorMotorHeight},
    .scalesWithCanvas = true,
    .params = kParams,
    .build = Build,
    .draw = Draw,
    .values = Values,
    .csv = [](const ViewSettings& s,
              int) { return CapacitorMotorCsv(std::get<CapacitorMotorSettings>(s)); },
};
