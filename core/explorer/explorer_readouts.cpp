// The readouts pane: the angle, the winding currents, |F|, |F+|, |F-|, the unbalance and the
// direction, then the supply they come from. The swatches make it the other panes' legend too.
#include <cstdio>
#include <string>

#include "explorer/explorer_layers.h"

namespace {

enum class Swatch { None, Box, Line, Outline };

struct Row {
    Swatch swatch;
    COLORREF colour;
    int width;  // of a line swatch, at the design size
    std::string_view label;
    std::string value;
};

// Figures as a person writes them, with a true minus sign.
std::string Figure(const char* format, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    const std::string text = buffer;
    return text.front() == '-' ? "−" + text.substr(1) : text;
}

// The values of the phases that are fed: U's alone for a single phase, a dash for an open one.
std::string Joined(const Supply& s, const char* format, const std::array<double, 3>& v,
                   std::string_view unit) {
    if (s.singlePhase) return Figure(format, v[0]) + std::string(unit);
    std::string text;
    for (int x = 0; x < 3; ++x) {
        if (x > 0) text += " / ";
        text += x == s.openPhase ? "—" : Figure(format, v[x]) + std::string(unit);
    }
    return text;
}

std::string_view SequenceText(const ExplorerScene& scene) {
    const Supply& s = scene.inputs.supply;
    if (s.singlePhase) return "—";
    return s.sequence == Sequence::Positive ? scene.Tr(QT_TRANSLATE_NOOP("Explorer", "正序"))
                                            : scene.Tr(QT_TRANSLATE_NOOP("Explorer", "负序"));
}

// The connection, with the phase left open if any.
std::string_view ConnectionText(const ExplorerScene& scene) {
    const Supply& s = scene.inputs.supply;
    if (s.singlePhase) return scene.Tr(QT_TRANSLATE_NOOP("Explorer", "单相，仅U相"));
    if (s.openPhase == kNoPhase)
        return s.neutral ? scene.Tr(QT_TRANSLATE_NOOP("Explorer", "星形带中线（四线）"))
                         : scene.Tr(QT_TRANSLATE_NOOP("Explorer", "星形无中线（三线）"));
    static constexpr const char* kStar[] = {QT_TRANSLATE_NOOP("Explorer", "断U相，无中线"),
                                            QT_TRANSLATE_NOOP("Explorer", "断V相，无中线"),
                                            QT_TRANSLATE_NOOP("Explorer", "断W相，无中线")};
    static constexpr const char* kNeutral[] = {QT_TRANSLATE_NOOP("Explorer", "断U相，带中线"),
                                               QT_TRANSLATE_NOOP("Explorer", "断V相，带中线"),
                                               QT_TRANSLATE_NOOP("Explorer", "断W相，带中线")};
    return scene.Tr((s.neutral ? kNeutral : kStar)[s.openPhase]);
}

}  // namespace

std::string_view ExplorerRotationText(const ExplorerScene& scene, Rotation rotation) {
    switch (rotation) {
        case Rotation::CounterClockwise:
            return scene.Tr(QT_TRANSLATE_NOOP("Explorer", "逆时针"));
        case Rotation::Clockwise:
            return scene.Tr(QT_TRANSLATE_NOOP("Explorer", "顺时针"));
        case Rotation::Pulsating:
            return scene.Tr(QT_TRANSLATE_NOOP("Explorer", "脉振"));
        case Rotation::None:
            break;
    }
    return scene.Tr(QT_TRANSLATE_NOOP("Explorer", "无"));
}

void DrawExplorerReadouts(const ExplorerScene& scene, const CRect& pane,
                          const ExplorerReadouts& r) {
    CDC* dc = scene.dc;
    DrawPaneTitle(scene, pane, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "读数")));
    const Supply& s = scene.inputs.supply;
    // What the frame computes; the supply it comes from is never hidden.
    const auto computed = [&scene](std::string text) {
        return scene.inputs.hidden.readouts ? std::string(kHiddenValue) : text;
    };
    const Row rows[] = {
        {Swatch::None, kInk, 0, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "电角度 θ")),
         computed(r.angle)},
        {Swatch::Box, scene.Phase(0), 0, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "电流 iU")),
         computed(r.u)},
        {Swatch::Box, scene.Phase(1), 0, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "电流 iV")),
         computed(r.v)},
        {Swatch::Box, scene.Phase(2), 0, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "电流 iW")),
         computed(r.w)},
        {Swatch::Outline, kInk, 2, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "合成 |F|")),
         computed(r.resultant + " Fp")},
        {Swatch::Line, kPositiveColour, 3, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "正转分量 |F₊|")),
         computed(r.positive + " Fp")},
        {Swatch::Line, kNegativeColour, 3, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "反转分量 |F₋|")),
         computed(r.negative + " Fp")},
        {Swatch::None, kInk, 0, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "不平衡 |F₋|/|F₊|")),
         computed(r.unbalance)},
        {Swatch::None, kInk, 0, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "转向")),
         computed(std::string(ExplorerRotationText(scene, r.rotation)))},
        {Swatch::None, kInk, 0, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "相序")),
         std::string(SequenceText(scene))},
        {Swatch::None, kInk, 0, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "接法")),
         std::string(ConnectionText(scene))},
        {Swatch::None, kInk, 0, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "幅值 A")),
         Joined(s, "%.2f", s.amplitude, "")},
        {Swatch::None, kInk, 0, scene.Tr(QT_TRANSLATE_NOOP("Explorer", "偏移 δ")),
         Joined(s, "%g", s.offset, "°")},
    };

    // 24 pixels at the design size: at least 16 on a 1024x768 screen beside the panel.
    const int labelX = pane.left + scene.Size(56);
    const int valueX = pane.left + scene.Size(284);
    const int textSize = scene.Size(24);
    int y = pane.top + scene.Size(46);
    for (const Row& row : rows) {
        const int middle = y + textSize / 2;
        if (row.swatch == Swatch::Box) {
            ScopedPen outline(dc, PS_SOLID, 1, kInk);
            ScopedBrush brush(dc, row.colour);
            const int half = scene.Size(8);
            dc->Rectangle(pane.left + scene.Size(22), middle - half,
                          pane.left + scene.Size(22) + 2 * half, middle + half);
        } else if (row.swatch == Swatch::Outline) {
            ScopedPen pen(dc, PS_SOLID, scene.Size(row.width), row.colour);
            DrawOutlinedArrow(dc, pane.left + scene.Size(16), middle, pane.left + scene.Size(46),
                              middle, scene.Size(4), scene.Size(12), nullptr, 0);
        } else if (row.swatch == Swatch::Line) {
            ScopedPen pen(dc, PS_SOLID, scene.Size(row.width), row.colour);
            dc->MoveTo(pane.left + scene.Size(18), middle);
            dc->LineTo(pane.left + scene.Size(44), middle);
        }
        scene.Text(labelX, y, row.label, 24, kInk);
        scene.Text(valueX, y, row.value, 24, kInk);
        y += scene.Size(30);
    }
}
