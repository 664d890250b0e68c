// The main window in the table of views.
#include "field/frame.h"
#include "views/view_csv.h"
#include "views/view_table.h"

namespace {

const ParamSpec kParams[] = {
    {.name = "resultant",
     .kind = ParamKind::Switch,
     .fallback = 1,
     .flag = "no-resultant",
     .help = "leave out the resultant and its construction"},
};

SettingsResult Build(const ParamValues& given) {
    MainSettings s;
    if (const ParamValue* v = Given(given, "resultant")) s.showResultant = std::get<bool>(*v);
    return {s, {}, {}};
}

ViewResult Draw(const ViewSettings& settings, const CanvasInputs& c, CDC& surface) {
    const MainSettings& s = std::get<MainSettings>(settings);
    const FrameResult r =
        DrawFrame({c.step, c.width, c.height, s.showResultant && !c.hidden.resultant, c.scale,
                   c.palette, c.translation, !c.hidden.curves},
                  surface);
    const auto label = [&c](const char* source) {
        return std::string(Tr(c.translation, "Lesson", source));
    };
    ViewResult result;
    result.readouts = {
        {"angle", r.readouts.phaseAngle, label(QT_TRANSLATE_NOOP("Lesson", "相位角(U相)")),
         r.readouts.phaseAngle},
        {"u", r.readouts.ampU, label(QT_TRANSLATE_NOOP("Lesson", "U相相对幅值")), r.readouts.ampU},
        {"v", r.readouts.ampV, label(QT_TRANSLATE_NOOP("Lesson", "V相相对幅值")), r.readouts.ampV},
        {"w", r.readouts.ampW, label(QT_TRANSLATE_NOOP("Lesson", "W相相对幅值")), r.readouts.ampW},
    };
    result.description = r.description;
    result.complete = r.complete;
    return result;
}

ParamValues Values(const ViewSettings& settings) {
    if (std::get<MainSettings>(settings).showResultant) return {};
    return {{"resultant", false}};
}

// The three currents over the window's steps, in units of their peak.
std::string Currents(const ViewSettings&, int) {
    Csv csv;
    csv.Table({"angle (deg)", "iU (peak)", "iV (peak)", "iW (peak)"});
    for (int step = 0; step <= MAX_STEP; ++step) {
        const PhaseValues f = ComputePhases(step);
        csv.Row({10.0 * step, f.Fu / PEAK_LENGTH, f.Fv / PEAK_LENGTH, f.Fw / PEAK_LENGTH});
    }
    return csv.Text();
}

}  // namespace

extern const ViewDescriptor kMainView{
    .view = View::Main,
    .name = "main",
    .aliases = {},
    .flag = "",
    .flagAliases = {},
    .titleContext = "CFieldDemoDialog",
    .title = "三相交流异步电动机定子旋转磁场形成",
    .help = "The main window: the rotating field of a two-pole stator",
    .lastStep = MAX_STEP,
    .rule = StepRule::Main,
    .design = {kCanvasWidth, kCanvasHeight},
    .scalesWithCanvas = false,
    .params = kParams,
    .build = Build,
    .draw = Draw,
    .values = Values,
    .csv = Currents,
};

std::string TraceFrame(const FrameInputs& in) {
    return TraceView(MainSettings{in.showResultant},
                     {in.step, in.width, in.height, in.scale, in.palette, in.translation});
}
