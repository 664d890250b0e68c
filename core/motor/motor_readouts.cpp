// The readouts pane: speed, slip, the torque and its two parts, the three currents, n_s and the
// state, then what they come from. The swatches make it the curves' legend too.
#include <string>

#include "motor/motor_layers.h"

namespace {

enum class Swatch { None, Box, Solid, Dashed, Dotted };

struct Row {
    Swatch swatch;
    COLORREF colour;
    std::string_view label;
    std::string value;
};

std::string_view Connection(const MotorScene& scene) {
    const Supply& s = scene.inputs.supply;
    if (s.singlePhase) return scene.Tr(QT_TRANSLATE_NOOP("Motor", "单相（仅U相）"));
    if (s.openPhase == kNoPhase)
        return s.neutral ? scene.Tr(QT_TRANSLATE_NOOP("Motor", "星形，带中线"))
                         : scene.Tr(QT_TRANSLATE_NOOP("Motor", "星形，无中线（三线）"));
    static constexpr const char* kStar[] = {QT_TRANSLATE_NOOP("Motor", "断U相，无中线"),
                                            QT_TRANSLATE_NOOP("Motor", "断V相，无中线"),
                                            QT_TRANSLATE_NOOP("Motor", "断W相，无中线")};
    static constexpr const char* kNeutral[] = {QT_TRANSLATE_NOOP("Motor", "断U相，带中线"),
                                               QT_TRANSLATE_NOOP("Motor", "断V相，带中线"),
                                               QT_TRANSLATE_NOOP("Motor", "断W相，带中线")};
    return scene.Tr((s.neutral ? kNeutral : kStar)[s.openPhase]);
}

// Figures as a person writes them, with a true minus sign.
std::string Minus(const std::string& text) {
    return !text.empty() && text.front() == '-' ? "−" + text.substr(1) : text;
}

}  // namespace

void DrawMotorReadouts(const MotorScene& scene, const CRect& pane, const MotorReadouts& r) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Motor", "读数")));
    const MotorInputs& in = scene.inputs;
    const Supply& s = in.supply;
    const std::string_view sequence =
        s.singlePhase
            ? "—"
            : (s.sequence == Sequence::Positive ? scene.Tr(QT_TRANSLATE_NOOP("Motor", "正序"))
                                                : scene.Tr(QT_TRANSLATE_NOOP("Motor", "负序")));
    const std::string time = in.speed ? std::string(scene.Tr(QT_TRANSLATE_NOOP("Motor", "稳态")))
                                      : MotorFixed("%.2f", in.time) + " s";
    // What the model works out; the supply, the load and the time asked for are never hidden.
    const auto computed = [&in](std::string text) {
        return in.hidden.readouts ? std::string(kHiddenValue) : text;
    };
    const Row rows[] = {
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转速 n")),
         computed(Minus(r.speed) + " rpm")},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转差率 s")),
         computed(Minus(r.slip))},
        {Swatch::Solid, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转矩 T")),
         computed(Minus(r.torque) + " N·m")},
        {Swatch::Dashed, kPositiveColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "正转转矩 T+")),
         computed(Minus(r.forward) + " N·m")},
        {Swatch::Dotted, kNegativeColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "反转转矩 T−")),
         computed(Minus(r.backward) + " N·m")},
        {Swatch::Box, scene.Phase(0), scene.Tr(QT_TRANSLATE_NOOP("Motor", "电流 IU")),
         computed(r.u + " A")},
        {Swatch::Box, scene.Phase(1), scene.Tr(QT_TRANSLATE_NOOP("Motor", "电流 IV")),
         computed(r.v + " A")},
        {Swatch::Box, scene.Phase(2), scene.Tr(QT_TRANSLATE_NOOP("Motor", "电流 IW")),
         computed(r.w + " A")},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "同步转速 ns")),
         r.synchronous + " rpm"},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "状态")),
         computed(std::string(MotorStateText(in.translation, r.state)))},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "时间 t")), time},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "相序")), std::string(sequence)},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "接法")),
         std::string(Connection(scene))},
        {Swatch::Solid, kLoadColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "负载 L / 惯量 J")),
         MotorFixed("%g", in.load) + " N·m / " + MotorFixed("%g", in.inertia) + " kg·m²"},
    };
    const int labelX = pane.left + scene.Size(52);
    const int valueX = pane.left + scene.Size(250);
    const int textSize = scene.Size(17);
    int y = pane.top + scene.Size(40);
    for (const Row& row : rows) {
        const int middle = y + textSize / 2;
        const int x1 = pane.left + scene.Size(16), x2 = pane.left + scene.Size(42);
        if (row.swatch == Swatch::Box) {
            ScopedPen outline(dc, PS_SOLID, 1, kInk);
            ScopedBrush brush(dc, row.colour);
            const int half = scene.Size(7);
            dc->Rectangle(pane.left + scene.Size(22), middle - half,
                          pane.left + scene.Size(22) + 2 * half, middle + half);
        } else if (row.swatch == Swatch::Solid) {
            ScopedPen pen(dc, PS_SOLID, scene.Size(3), row.colour);
            dc->MoveTo(x1, middle);
            dc->LineTo(x2, middle);
        } else if (row.swatch == Swatch::Dashed) {
            ScopedPen pen(dc, PS_SOLID, scene.Size(2), row.colour);
            double phase = 0.0;
            DrawDashed(dc, x1, middle, x2, middle, scene.Size(8), phase);
        } else if (row.swatch == Swatch::Dotted) {
            ScopedPen pen(dc, PS_DOT, 1, row.colour);
            dc->MoveTo(x1, middle);
            dc->LineTo(x2, middle);
        }
        scene.Text(labelX, y, row.label, 17, kInk);
        scene.Text(valueX, y, row.value, 17, kInk);
        y += scene.Size(23);
    }
}
