// The readouts pane: the machine's values as the trace prints them, with the torque and the
// pull-out torque beside the powers, then the inputs they come from.
#include <numbers>
#include <string>
#include <vector>

#include "synchronous/synchronous_layers.h"

namespace {

using namespace synchronous;

constexpr double kMechanical = 2.0 * std::numbers::pi * kSynchronousSpeed / 60.0;

struct Row {
    std::string_view label;
    std::string value;
};

}  // namespace

std::string SynchronousShown(const std::string& text, std::string_view unit) {
    if (text == "-") return "—";
    const std::string figure = !text.empty() && text.front() == '-' ? "−" + text.substr(1) : text;
    return unit.empty() ? figure : figure + " " + std::string(unit);
}

void DrawSynchronousReadouts(const SynchronousScene& scene, const CRect& pane,
                             const SynchronousReadouts& r) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "读数")));
    const SynchronousInputs& in = scene.inputs;
    const SynchronousPoint& p = scene.point;
    // What the machine works out; the settings it comes from are never hidden.
    const auto computed = [&in](std::string text) {
        return in.hidden.readouts ? std::string(kHiddenValue) : text;
    };
    std::vector<Row> rows;
    if (scene.motion)
        rows.push_back({scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "转速 n")),
                        computed(SynchronousShown(r.speed, "rpm"))});
    const std::string kind =
        p.inStep ? " " + std::string(PowerFactorKindText(in.translation, p.Kind())) : "";
    rows.insert(rows.end(),
                {{scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "功角 δ")),
                  computed(SynchronousShown(r.loadAngle) + (p.inStep ? "°" : ""))},
                 {scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "电动势 E")),
                  computed(SynchronousShown(r.emf, "V"))},
                 {scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "电流 I")),
                  computed(SynchronousShown(r.current, p.inStep ? "A" : ""))},
                 {scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "功率因数")),
                  computed(SynchronousShown(r.powerFactor) + kind)},
                 {scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "有功功率 P")),
                  computed(SynchronousShown(r.p, "kW"))},
                 {scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "无功功率 Q")),
                  computed(SynchronousShown(r.q, p.inStep ? "kvar" : ""))},
                 {scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "转矩 T = P/ωs")),
                  computed(SynchronousFigure("%.2f", p.power / kMechanical) + " N·m")},
                 {scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "失步功率")),
                  computed(SynchronousShown(r.pullOut, "kW"))},
                 {scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "失步转矩")),
                  computed(SynchronousFigure("%.1f", p.pullOut / kMechanical) + " N·m")},
                 {scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "状态")),
                  computed(std::string(SynchronousStateText(in.translation, r.state)))},
                 {scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "励磁电流 If")),
                  SynchronousFigure("%.2f", in.fieldCurrent) + " A"}});
    if (scene.motion) {
        rows.push_back({scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "时间 t")),
                        SynchronousFigure("%.2f", scene.motion->time) + " s"});
        rows.push_back({scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "负载 / 惯量")),
                        SynchronousFigure("%g", in.load) + " N·m / " +
                            SynchronousFigure("%g", in.inertia) + " kg·m²"});
        const std::string_view cage = in.damper ? scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "有"))
                                                : scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "无"));
        rows.push_back({scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "阻尼绕组")), std::string(cage)});
        rows.push_back({scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "励磁接通转速")),
                        SynchronousFigure("%g", in.fieldOn) + " rpm"});
    } else {
        rows.push_back({scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "时间 t")),
                        std::string(scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "稳态")))});
    }
    const int labelX = pane.left + scene.Size(16);
    const int valueX = pane.left + scene.Size(150);
    const int step = scene.motion ? scene.Size(22) : scene.Size(24);
    int y = pane.top + scene.Size(42);
    for (size_t k = 0; k < rows.size(); ++k) {
        // The inputs under a rule, apart from what the machine does with them.
        if (rows[k].label == scene.Tr(QT_TRANSLATE_NOOP("Synchronous", "励磁电流 If"))) {
            ScopedPen pen(dc, PS_SOLID, 1, kGridColour);
            dc->MoveTo(labelX, y + scene.Size(2));
            dc->LineTo(pane.right - scene.Size(16), y + scene.Size(2));
            y += scene.Size(8);
        }
        scene.Text(labelX, y, rows[k].label, 16, kInk);
        scene.Text(valueX, y, rows[k].value, 16, kInk);
        y += step;
    }
}
