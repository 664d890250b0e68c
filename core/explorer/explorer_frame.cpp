#include "explorer/explorer_frame.h"

#include <cmath>
#include <cstdio>
#include <numbers>

#include "explorer/explorer_layers.h"
#include "text/text_format.h"

namespace {

// "%.2f", except that a value that rounds to zero reads 0.00 whatever its sign.
std::string Fixed2(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", value);
    const std::string text = buffer;
    return text == "-0.00" ? "0.00" : text;
}

ExplorerReadouts MakeReadouts(int step, const ExplorerField& field) {
    const double theta = ExplorerAngle(step);
    const std::array<double, 3> i = field.Currents(theta);
    const double positive = std::abs(field.Positive());
    const double negative = std::abs(field.Negative());
    char angle[32];
    std::snprintf(angle, sizeof angle, "%d*π/18=%d°", step, 10 * step);
    ExplorerReadouts r{angle,
                       Fixed2(i[0]),
                       Fixed2(i[1]),
                       Fixed2(i[2]),
                       Fixed2(std::abs(field.Resultant(theta))),
                       Fixed2(positive),
                       Fixed2(negative),
                       {},
                       field.Direction()};
    // A ratio to a forward field too small to show would be a number of no meaning.
    r.unbalance = positive > kNoField ? Fixed2(negative / positive) : "—";
    return r;
}

struct Panes {
    CRect stator;
    CRect chart;
    CRect airGap;
    CRect readouts;
};

// The stator takes the left of the canvas above the air gap; the chart and the readouts share
// the right.
Panes Layout(int width, int height) {
    const int middle = Px(width * 0.5);
    const int statorBottom = Px(height * 0.62);
    const int chartBottom = Px(height * 0.40);
    return {{0, 0, middle, statorBottom},
            {middle, 0, width, chartBottom},
            {0, statorBottom, middle, height},
            {middle, chartBottom, width, height}};
}

void DrawPanes(const ExplorerScene& scene, const ExplorerReadouts& readouts) {
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
        dc->MoveTo(panes.chart.left, 0);
        dc->LineTo(panes.chart.left, height);
        dc->MoveTo(0, panes.airGap.top);
        dc->LineTo(panes.chart.left, panes.airGap.top);
        dc->MoveTo(panes.chart.left, panes.readouts.top);
        dc->LineTo(width, panes.readouts.top);
    }
    DrawExplorerStator(scene, panes.stator);
    DrawExplorerChart(scene, panes.chart);
    DrawExplorerAirGap(scene, panes.airGap);
    DrawExplorerReadouts(scene, panes.readouts, readouts);
}

int Direction(const ExplorerField& field, int step) {
    const double degrees = std::arg(field.Resultant(ExplorerAngle(step))) * 180 / std::numbers::pi;
    return static_cast<int>(std::lround(degrees < 0 ? degrees + 360 : degrees)) % 360;
}

std::string Describe(const ExplorerScene& scene, const ExplorerResult& result) {
    const ExplorerReadouts& r = result.readouts;
    const int step = scene.inputs.step;
    const std::string rotation(ExplorerRotationText(scene, r.rotation));
    const auto tr = [&](std::string_view source) {
        return Tr(scene.inputs.translation, "ExplorerWindow", source);
    };
    if (r.resultant == "0.00") {
        return FormatText(
            tr(QT_TRANSLATE_NOOP(
                "ExplorerWindow",
                "第 %1 步，θ = %2°。U 相 %3，V 相 %4，W 相 %5。合成磁动势为零。转向：%6。")),
            {std::to_string(step), std::to_string(10 * step), r.u, r.v, r.w, rotation});
    }
    return FormatText(tr(QT_TRANSLATE_NOOP("ExplorerWindow",
                                           "第 %1 步，θ = %2°。U 相 %3，V 相 %4，W 相 "
                                           "%5。合成磁动势 %6 Fp，指向 %7°（从 U "
                                           "相轴线逆时针量起）。转向：%8。")),
                      {std::to_string(step), std::to_string(10 * step), r.u, r.v, r.w, r.resultant,
                       std::to_string(result.direction), rotation});
}

}  // namespace

const char* RotationName(Rotation rotation) {
    switch (rotation) {
        case Rotation::CounterClockwise:
            return "counter-clockwise";
        case Rotation::Clockwise:
            return "clockwise";
        case Rotation::Pulsating:
            return "pulsating";
        case Rotation::None:
            break;
    }
    return "none";
}

ExplorerResult DrawExplorerFrame(const ExplorerInputs& raw, CDC& surface) {
    ExplorerInputs in = raw;
    in.supply = ClampSupply(raw.supply);
    in.step = WrapExplorerStep(raw.step);
    in.width = std::max(raw.width, 1);
    in.height = std::max(raw.height, 1);
    const ExplorerField field(in.supply);
    ExplorerResult result;
    result.readouts = MakeReadouts(in.step, field);
    const double unit =
        std::min(in.width / double(kExplorerWidth), in.height / double(kExplorerHeight));
    const ExplorerScene scene{in, field, ExplorerAngle(in.step), unit, &surface};
    result.direction = Direction(field, in.step);
    result.description = Describe(scene, result);
    try {
        DrawPanes(scene, result.readouts);
    } catch (const CResourceException&) {
        result.complete = false;
    }
    return result;
}
