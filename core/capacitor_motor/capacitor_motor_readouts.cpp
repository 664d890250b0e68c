// The readouts pane: the trace's readouts in its order, then what they come from. The swatches
// make it the legend of the currents too.
#include <string>

#include "capacitor_motor/capacitor_motor_layers.h"
#include "text/numbers.h"

namespace {

struct Row {
    COLORREF swatch;  // kWhite: none
    std::string_view label;
    std::string value;
};

// Figures as a person writes them, with a true minus sign.
std::string Minus(const std::string& text) {
    return !text.empty() && text.front() == '-' ? "−" + text.substr(1) : text;
}

std::string Capacitors(const CapacitorMotorScene& scene) {
    const CapacitorMotorConfig& c = scene.model.Config();
    std::string text;
    if (c.startCapacitor) text = "Cs " + CapacitorMotorFigure(*c.startCapacitor) + " µF";
    if (c.runCapacitor)
        text +=
            (text.empty() ? "" : ", ") + ("Cr " + CapacitorMotorFigure(*c.runCapacitor)) + " µF";
    return text.empty() ? "—" : text;
}

}  // namespace

std::string CapacitorMotorFigure(double value, const char* format) {
    return Minus(Fixed(format, value));
}

void DrawCapacitorMotorReadouts(const CapacitorMotorScene& scene, const CRect& pane,
                                const CapacitorMotorReadouts& r) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "读数")));
    const CapacitorMotorInputs& in = scene.inputs;
    const std::string angle = r.auxAngle == "none" ? "—" : Minus(r.auxAngle) + "°";
    const std::string_view connection = !HasAuxiliaryWinding(in.kind) ? "—"
                                        : in.reverseAux
                                            ? scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "反接"))
                                            : scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "正接"));
    const std::string time =
        in.speed ? std::string(scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "稳态")))
                 : Fixed("%.3f", in.time) + " s";
    // What the model works out; the machine, its load and the time asked for are never hidden.
    const auto computed = [&in](std::string text) {
        return in.hidden.readouts ? std::string(kHiddenValue) : text;
    };
    const Row rows[] = {
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "转速 n")),
         computed(Minus(r.speed) + " rpm")},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "转差率 s")),
         computed(Minus(r.slip))},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "转矩 T")),
         computed(Minus(r.torque) + " N·m")},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "正转分量 Tf")),
         computed(Minus(r.forward) + " N·m")},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "反转分量 Tb")),
         computed(Minus(r.backward) + " N·m")},
        {scene.Main(), scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "主绕组电流 Im")),
         computed(r.main + " A")},
        {scene.Aux(), scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "辅绕组电流 Ia")),
         computed(r.aux + " A")},
        {kLineCurrentColour, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "线电流 I")),
         computed(r.line + " A")},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "Ia 超前 Im")), computed(angle)},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "比值 |Ib|/|If|")),
         computed(r.backwardRatio)},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "离心开关")),
         computed(r.switchState == SwitchState::Closed
                      ? std::string(scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "闭合")))
                  : r.switchState == SwitchState::Open
                      ? std::string(scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "断开")))
                      : "—")},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "类型")),
         std::string(scene.Tr(CapacitorMotorKindText(in.kind)))},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "电容")), Capacitors(scene)},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "辅绕组接法")),
         std::string(connection)},
        {kLoadColour, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "负载 L")),
         Fixed("%g", in.load) + " N·m"},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "惯量 J")),
         Fixed("%g", in.inertia) + " kg·m²"},
        {kWhite, scene.Tr(QT_TRANSLATE_NOOP("CapacitorMotor", "时间 t")), time},
    };
    const int labelX = pane.left + scene.Size(34);
    const int valueX = pane.left + scene.Size(182);
    const int textSize = scene.Size(15);
    int y = pane.top + scene.Size(36);
    for (const Row& row : rows) {
        if (row.swatch != kWhite) {
            ScopedPen outline(dc, PS_SOLID, 1, kInk);
            ScopedBrush brush(dc, row.swatch);
            const int half = scene.Size(6), middle = y + textSize / 2;
            dc->Rectangle(pane.left + scene.Size(14), middle - half,
                          pane.left + scene.Size(14) + 2 * half, middle + half);
        }
        scene.Text(labelX, y, row.label, 15, kInk);
        scene.Text(valueX, y, row.value, 15, kInk);
        y += scene.Size(21);
    }
}
