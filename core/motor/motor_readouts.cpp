// The readouts pane: speed, slip, the torque and its two parts, the three currents and the largest
// over the rated, n_s and the state, then what they come from. The swatches make it the curves'
// legend too.
#include <algorithm>
#include <string>

#include "motor/motor_layers.h"
#include "text/numbers.h"
#include "text/text_format.h"

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
    const std::string unit = " " + std::string(SpeedUnit(in.translation));
    const std::string_view sequence =
        s.singlePhase
            ? "—"
            : (s.sequence == Sequence::Positive ? scene.Tr(QT_TRANSLATE_NOOP("Motor", "正序"))
                                                : scene.Tr(QT_TRANSLATE_NOOP("Motor", "负序")));
    std::string time = Fixed("%.2f", in.time) + " s";
    if (in.speed)
        time = scene.Tr(QT_TRANSLATE_NOOP("Motor", "转速保持"));
    else if (scene.settled)
        time = FormatText(scene.Tr(QT_TRANSLATE_NOOP("Motor", "%1（已稳定）")), {time});
    const std::string synchronous =
        scene.model.FieldDirection() != 0
            ? Minus(r.synchronous) + unit
            : FormatText(scene.Tr(QT_TRANSLATE_NOOP("Motor", "%1（脉振）")),
                         {r.synchronous + unit});
    // What the model works out; the supply, the load and the time asked for are never hidden.
    const auto computed = [&in](std::string text) {
        return in.hidden.readouts ? std::string(kHiddenValue) : text;
    };
    const Row rows[] = {
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转速 n")),
         computed(Minus(r.speed) + unit)},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转差率 s（对正向磁场）")),
         computed(Minus(r.slip))},
        {Swatch::Solid, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "转矩 T")),
         computed(Minus(r.torque) + " N·m")},
        {Swatch::Dashed, kPositiveColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "正转转矩 T+")),
         computed(Minus(r.forward) + " N·m")},
        {Swatch::Dotted, kBackwardColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "反转转矩 T−")),
         computed(Minus(r.backward) + " N·m")},
        {Swatch::Box, scene.Phase(0), scene.Tr(QT_TRANSLATE_NOOP("Motor", "电流 IU")),
         computed(r.u + " A")},
        {Swatch::Box, scene.Phase(1), scene.Tr(QT_TRANSLATE_NOOP("Motor", "电流 IV")),
         computed(r.v + " A")},
        {Swatch::Box, scene.Phase(2), scene.Tr(QT_TRANSLATE_NOOP("Motor", "电流 IW")),
         computed(r.w + " A")},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "电流倍数 I/IN")),
         computed(r.currentRatio)},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "同步转速 ns")), synchronous},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "状态")),
         computed(MotorStateLine(in.translation, r))},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "时间 t")), time},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "相序")), std::string(sequence)},
        {Swatch::None, kInk, scene.Tr(QT_TRANSLATE_NOOP("Motor", "接法")),
         std::string(Connection(scene))},
        {Swatch::Solid, kLoadColour, scene.Tr(QT_TRANSLATE_NOOP("Motor", "负载 L / 惯量 J")),
         Fixed("%g", in.load) + " N·m / " + Fixed("%g", in.inertia) + " kg·m²"},
    };
    constexpr int kRows = static_cast<int>(std::size(rows));

    // The largest text, 17 at the design size and never under 12 pixels, with which the labels
    // and the values fit side by side; where they still cannot, a long label has its value on the
    // line below.
    const int labelX = pane.left + scene.Size(52);
    const int right = pane.right - scene.Size(12);
    const int top = pane.top + scene.Size(12) + scene.TextPx(22);
    const auto widest = [&](auto part, int size) {
        double w = 0.0;
        for (const Row& row : rows) w = std::max(w, ApproxTextWidth(part(row), size));
        return Px(w);
    };
    const auto label = [](const Row& row) { return row.label; };
    const auto value = [](const Row& row) { return std::string_view(row.value); };
    int size = scene.TextPx(17);
    const auto gap = [&] { return std::max(scene.Size(10), size / 2); };
    const auto valueX = [&] {
        return std::min(labelX + widest(label, size) + gap(), right - widest(value, size));
    };
    const auto wraps = [&](const Row& row) {
        return labelX + Px(ApproxTextWidth(row.label, size)) + gap() > valueX();
    };
    const auto lines = [&] {
        int count = kRows;
        for (const Row& row : rows) count += wraps(row) ? 1 : 0;
        return count;
    };
    while (size > kSmallestText && (valueX() < labelX + widest(label, size) + gap() ||
                                    lines() * (size + std::max(2, size / 5)) > pane.bottom - top))
        --size;
    const int x = valueX();
    const int step = std::min(std::max(scene.Size(23), size + 3), (pane.bottom - top) / lines());
    int y = top;
    for (const Row& row : rows) {
        const int middle = y + size / 2;
        const int x1 = pane.left + scene.Size(16), x2 = pane.left + scene.Size(42);
        if (row.swatch == Swatch::Box) {
            ScopedPen outline(dc, PS_SOLID, 1, kInk);
            ScopedBrush brush(dc, row.colour);
            const int half = std::min(scene.Size(7), size / 2);
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
            ScopedPen pen(dc, PS_SOLID, std::max(2, scene.Size(2)), row.colour);
            double phase = 0.0;
            DrawDashed(dc, x1, middle, x2, middle, scene.Size(3), phase);
        }
        dc->SetTextSize(size);
        dc->SetTextColor(kInk);
        dc->TextOut(labelX, y, row.label);
        if (wraps(row)) y += step;
        dc->TextOut(x, y, row.value);
        y += step;
    }
}
