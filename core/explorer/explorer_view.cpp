// The explorer in the table of views.
#include <numbers>

#include "explorer/explorer_frame.h"
#include "supply/supply_params.h"
#include "views/view_csv.h"
#include "views/view_table.h"

namespace {

constexpr std::string_view kExploreFlag[] = {"explore"};

const std::array<ParamSpec, kSupplyParams.size() + 1> kParams = [] {
    std::array<ParamSpec, kSupplyParams.size() + 1> params{};
    std::copy(kSupplyParams.begin(), kSupplyParams.end(), params.begin());
    params.back() = {.name = "apart",
                     .kind = ParamKind::Switch,
                     .help = "F+ and F- also drawn from the centre, each on its own circle"};
    return params;
}();

SettingsResult Build(const ParamValues& given) {
    ExplorerSettings s;
    SettingsResult result;
    result.error = SupplyFromValues(given, s.supply, result.blame);
    if (const ParamValue* v = Given(given, "apart")) s.componentsApart = std::get<bool>(*v);
    result.settings = s;
    return result;
}

std::string_view RotationText(Rotation rotation, const Translation* t) {
    switch (rotation) {
        case Rotation::CounterClockwise:
            return Tr(t, "Lesson", QT_TRANSLATE_NOOP("Lesson", "逆时针"));
        case Rotation::Clockwise:
            return Tr(t, "Lesson", QT_TRANSLATE_NOOP("Lesson", "顺时针"));
        case Rotation::Pulsating:
            return Tr(t, "Lesson", QT_TRANSLATE_NOOP("Lesson", "脉振"));
        case Rotation::None:
            break;
    }
    return Tr(t, "Lesson", QT_TRANSLATE_NOOP("Lesson", "无"));
}

ViewResult Draw(const ViewSettings& settings, const CanvasInputs& c, CDC& surface) {
    const ExplorerSettings& s = std::get<ExplorerSettings>(settings);
    const ExplorerResult r = DrawExplorerFrame({.supply = s.supply,
                                                .step = c.step,
                                                .width = c.width,
                                                .height = c.height,
                                                .scale = c.scale,
                                                .palette = c.palette,
                                                .translation = c.translation,
                                                .componentsApart = s.componentsApart,
                                                .hidden = c.hidden},
                                               surface);
    const ExplorerReadouts& o = r.readouts;
    const auto label = [&c](const char* source) {
        return std::string(Tr(c.translation, "Lesson", source));
    };
    ViewResult result;
    result.readouts = {
        {"angle", o.angle, label(QT_TRANSLATE_NOOP("Lesson", "相位角 θ")), o.angle},
        {"u", o.u, "iU", o.u},
        {"v", o.v, "iV", o.v},
        {"w", o.w, "iW", o.w},
        {"resultant", o.resultant, "|F|", o.resultant},
        {"positive", o.positive, "|F+|", o.positive},
        {"negative", o.negative, "|F−|", o.negative},
        {"", o.unbalance, "|F−|/|F+|", o.unbalance},
        {"rotation", RotationName(o.rotation), label(QT_TRANSLATE_NOOP("Lesson", "旋转方向")),
         std::string(RotationText(o.rotation, c.translation))},
    };
    result.description = r.description;
    result.complete = r.complete;
    return result;
}

ParamValues Values(const ViewSettings& settings) {
    const ExplorerSettings& s = std::get<ExplorerSettings>(settings);
    ParamValues values = SupplyValues(s.supply);
    if (s.componentsApart) values.emplace_back("apart", true);
    return values;
}

// The winding currents over one period, a degree apart, in units of the balanced peak.
std::string Currents(const ViewSettings& settings, int) {
    const ExplorerField field(ClampSupply(std::get<ExplorerSettings>(settings).supply));
    Csv csv;
    csv.Table({"angle (deg)", "iU (peak)", "iV (peak)", "iW (peak)"});
    for (int degrees = 0; degrees <= 360; ++degrees) {
        const std::array<double, 3> i = field.Currents(degrees * std::numbers::pi / 180.0);
        csv.Row({double(degrees), i[0], i[1], i[2]});
    }
    return csv.Text();
}

}  // namespace

extern const ViewDescriptor kExplorerView{
    .view = View::Explorer,
    .name = "explorer",
    .aliases = {},
    .flag = "explorer",
    .flagAliases = kExploreFlag,
    .titleContext = "ExplorerWindow",
    .title = "探索",
    .help = "The explorer: reversed, open and unbalanced supplies",
    .lastStep = kExplorerSteps - 1,
    .rule = StepRule::Cycle,
    .design = {kExplorerWidth, kExplorerHeight},
    .scalesWithCanvas = true,
    .params = kParams,
    .build = Build,
    .draw = Draw,
    .values = Values,
    .csv = Currents,
};

std::string TraceExplorerFrame(const ExplorerInputs& in) {
    return TraceView(ExplorerSettings{in.supply, in.componentsApart},
                     {in.step, in.width, in.height, in.scale, in.palette, in.translation});
}
