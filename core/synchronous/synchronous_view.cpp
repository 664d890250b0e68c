// The synchronous machine in the table of views.
#include "synchronous/synchronous_view.h"

#include "synchronous/synchronous_layers.h"
#include "views/view_table.h"

namespace {

using namespace synchronous;

constexpr std::string_view kYesNo[] = {"yes", "no"};
constexpr std::string_view kCurves[] = {"v", "o"};

const ParamSpec kParams[] = {
    {.name = "field-current",
     .low = kMinFieldCurrent,
     .high = kMaxFieldCurrent,
     .fallback = kDefaultFieldCurrent,
     .unit = " A",
     .valueName = "I",
     .help = "the field current; the EMF is E = V I/2 A"},
    {.name = "power",
     .low = -kMaxPower,
     .high = kMaxPower,
     .fallback = kDefaultPower,
     .unit = " kW",
     .valueName = "P",
     .help = "the steady state's shaft power, negative generating"},
    {.name = "inertia",
     .low = kMinInertia,
     .high = kMaxInertia,
     .fallback = kDefaultInertia,
     .unit = " kg·m²",
     .valueName = "J",
     .help = "of the machine and its load"},
    {.name = "damper",
     .kind = ParamKind::Choice,
     .choices = kYesNo,
     .valueName = "yes|no",
     .help = "the damper cage that runs the rotor up"},
    {.name = "load",
     .low = 0.0,
     .high = kMaxLoad,
     .fallback = kDefaultLoad,
     .unit = " N·m",
     .valueName = "L",
     .help = "a fan's torque at 1500 rpm, in a start-up"},
    {.name = "time",
     .low = 0.0,
     .high = kMaxTime,
     .unit = " s",
     .valueName = "T",
     .help = "or the state T seconds into a start-up from rest"},
    {.name = "field-on",
     .low = 0.0,
     .high = kMaxFieldOn,
     .fallback = kDefaultFieldOn,
     .unit = " rpm",
     .valueName = "N",
     .help = "in a start-up, the field on when the speed first reaches N rpm\n(0: at once)"},
    {.name = "curves",
     .kind = ParamKind::Choice,
     .choices = kCurves,
     .valueName = "v|o",
     .help = "the V-curves (the current) or the O-curves (the power factor)"},
};

SettingsResult Build(const ParamValues& given) {
    SynchronousSettings s;
    SettingsResult result;
    const auto number = [&given](std::string_view name) -> std::optional<double> {
        if (const ParamValue* v = Given(given, name)) return std::get<double>(*v);
        return std::nullopt;
    };
    const auto choice = [&given](std::string_view name, std::string_view fallback) {
        const ParamValue* v = Given(given, name);
        return v != nullptr ? std::get<std::string>(*v) : std::string(fallback);
    };
    s.fieldCurrent = number("field-current").value_or(kDefaultFieldCurrent);
    s.power = number("power").value_or(kDefaultPower);
    s.inertia = number("inertia").value_or(kDefaultInertia);
    s.damper = choice("damper", "yes") == "yes";
    s.load = number("load").value_or(kDefaultLoad);
    s.time = number("time");
    s.fieldOn = number("field-on").value_or(kDefaultFieldOn);
    s.curves = choice("curves", "v") == "o" ? SynchronousCurves::O : SynchronousCurves::V;
    const SynchronousOptionsGiven options{number("power").has_value(),
                                          number("field-on").has_value(), s.time.has_value()};
    result.error = SynchronousConflict(options);
    // The option the reason is about, which an address read leniently leaves out.
    if (!result.error.empty()) result.blame = options.time ? "power" : "field-on";
    result.settings = s;
    return result;
}

ViewResult Draw(const ViewSettings& settings, const CanvasInputs& c, CDC& surface) {
    const SynchronousResult r = DrawSynchronousFrame(
        SynchronousInputsOf(std::get<SynchronousSettings>(settings), c), surface);
    const SynchronousReadouts& o = r.readouts;
    const auto label = [&c](const char* source) {
        return std::string(Tr(c.translation, "Synchronous", source));
    };
    const bool inStep = o.kind != "-";
    ViewResult result;
    if (!o.speed.empty())
        result.readouts.push_back({"speed", o.speed,
                                   label(QT_TRANSLATE_NOOP("Synchronous", "转速 n")),
                                   SynchronousShown(o.speed, "rpm")});
    std::string powerFactor = SynchronousShown(o.powerFactor);
    if (inStep) {
        const PowerFactorKind kind = o.kind == "lagging"   ? PowerFactorKind::Lagging
                                     : o.kind == "leading" ? PowerFactorKind::Leading
                                                           : PowerFactorKind::Unity;
        powerFactor += " " + std::string(PowerFactorKindText(c.translation, kind));
    }
    result.readouts.insert(
        result.readouts.end(),
        {
            {"load-angle", o.loadAngle, label(QT_TRANSLATE_NOOP("Synchronous", "功角 δ")),
             SynchronousShown(o.loadAngle) + (inStep ? "°" : "")},
            {"emf", o.emf, label(QT_TRANSLATE_NOOP("Synchronous", "电动势 E")),
             SynchronousShown(o.emf, "V")},
            {"current", o.current, label(QT_TRANSLATE_NOOP("Synchronous", "电流 I")),
             SynchronousShown(o.current, inStep ? "A" : "")},
            {"power-factor", o.powerFactor, label(QT_TRANSLATE_NOOP("Synchronous", "功率因数")),
             powerFactor},
            // Shown with the power factor.
            {"pf-kind", o.kind, "", o.kind},
            {"p", o.p, label(QT_TRANSLATE_NOOP("Synchronous", "有功功率 P")),
             SynchronousShown(o.p, "kW")},
            {"q", o.q, label(QT_TRANSLATE_NOOP("Synchronous", "无功功率 Q")),
             SynchronousShown(o.q, inStep ? "kvar" : "")},
            {"pull-out", o.pullOut, label(QT_TRANSLATE_NOOP("Synchronous", "失步功率")),
             SynchronousShown(o.pullOut, "kW")},
            {"state", SynchronousStateName(o.state),
             label(QT_TRANSLATE_NOOP("Synchronous", "状态")),
             std::string(SynchronousStateText(c.translation, o.state))},
        });
    result.description = r.description;
    result.complete = r.complete;
    return result;
}

ParamValues Values(const ViewSettings& settings) {
    const SynchronousSettings& s = std::get<SynchronousSettings>(settings);
    const SynchronousSettings fallback;
    ParamValues values;
    const auto number = [&values](std::string_view name, double value, double otherwise) {
        if (value != otherwise) values.emplace_back(name, value);
    };
    number("field-current", s.fieldCurrent, fallback.fieldCurrent);
    // A start-up's power is its load's; its field comes on at a speed.
    if (!s.time) number("power", s.power, fallback.power);
    number("inertia", s.inertia, fallback.inertia);
    if (s.damper != fallback.damper) values.emplace_back("damper", std::string(kYesNo[!s.damper]));
    number("load", s.load, fallback.load);
    if (s.time) {
        values.emplace_back("time", *s.time);
        number("field-on", s.fieldOn, fallback.fieldOn);
    }
    if (s.curves != fallback.curves) values.emplace_back("curves", std::string(kCurves[1]));
    return values;
}

}  // namespace

SynchronousInputs SynchronousInputsOf(const SynchronousSettings& s, const CanvasInputs& c) {
    SynchronousInputs in;
    in.fieldCurrent = s.fieldCurrent;
    in.power = s.power;
    in.inertia = s.inertia;
    in.damper = s.damper;
    in.load = s.load;
    in.fieldOn = s.fieldOn;
    in.time = s.time;
    in.start = s.start;
    in.curves = s.curves;
    in.step = c.step;
    in.width = c.width;
    in.height = c.height;
    in.scale = c.scale;
    in.palette = c.palette;
    in.translation = c.translation;
    in.hidden = c.hidden;
    return in;
}

SynchronousSettings SynchronousSettingsOf(const SynchronousInputs& in) {
    return {in.fieldCurrent, in.power, in.inertia, in.damper, in.load,
            in.fieldOn,      in.time,  in.start,   in.curves};
}

extern const ViewDescriptor kSynchronousView{
    .view = View::Synchronous,
    .name = "synchronous",
    .aliases = {},
    .flag = "synchronous",
    .flagAliases = {},
    .titleContext = "SynchronousWindow",
    .title = "同步电机",
    .help =
        "The synchronous machine: a 4-pole machine on a 400 V, 50 Hz bus, its phasor diagram,\n"
        "power against the load angle, V-curves and start-up",
    .lastStep = kExplorerSteps - 1,
    .rule = StepRule::Cycle,
    .design = {kSynchronousWidth, kSynchronousHeight},
    .scalesWithCanvas = true,
    .params = kParams,
    .build = Build,
    .draw = Draw,
    .values = Values,
    .csv = [](const ViewSettings& s,
              int) { return SynchronousCsv(std::get<SynchronousSettings>(s)); },
};
