// The windings view's plots and tables: the air-gap MMF over one mechanical turn with its
// fundamental, the harmonic spectrum, the zone plan and the readouts.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "text/text_format.h"
#include "winding/winding_layers.h"

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
// The spectrum's scale: the harmonics, a few % of the fundamental, would vanish beside its 100.
constexpr double kSpectrumFull = 25.0;

struct Plot {
    int left, top, right, bottom;
    double full;  // the value at the top; the bottom is -full, or 0 for bars
    bool bars;
    int X(double phi) const { return Px(At(phi, 0.0).x); }
    int Y(double value) const { return Px(At(0.0, value).y); }
    // Unrounded, for the curves.
    PointF At(double phi, double value) const {
        const double zero = bars ? bottom : (top + bottom) / 2.0;
        const double span = bars ? bottom - top : (bottom - top) / 2.0;
        return {left + phi / kTwoPi * (right - left), zero - value / full * span};
    }
};

// A plot below `top`, with room on the left for value labels as wide as `widest` and below for
// `below` pixels of marks and labels.
Plot PlotIn(const WindingScene& scene, const CRect& pane, int top, int below,
            std::string_view widest, double full, bool bars) {
    const int labels = Px(ApproxTextWidth(widest, scene.TextSize(16))) + scene.Size(14);
    return {pane.left + std::max(scene.Size(62), labels),  top,  pane.right - scene.Size(30),
            pane.bottom - std::max(scene.Size(40), below), full, bars};
}

void Axes(const WindingScene& scene, const Plot& plot, int zeroY) {
    ScopedPen axis(scene.dc, PS_SOLID, scene.Size(1.5), kInk);
    scene.dc->MoveTo(plot.left, plot.top);
    scene.dc->LineTo(plot.left, plot.bottom);
    scene.dc->MoveTo(plot.left, zeroY);
    scene.dc->LineTo(plot.right, zeroY);
}

void ValueLabel(const WindingScene& scene, const Plot& plot, double value,
                const std::string& text) {
    const int size = scene.TextSize(16);
    const int x = plot.left - scene.Size(8) - Px(ApproxTextWidth(text, size));
    scene.Text(x, plot.Y(value) - size / 2, text, 16, kInk);
}

}  // namespace

void DrawWindingMmf(const WindingScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Windings", "气隙磁动势（一周机械角，单位 Fc）")));
    const Winding& w = scene.inputs.winding;
    // The slots on the angle axis, a row of discs a layer, then the angles.
    const int dot = std::max(
        1, std::min(scene.Size(5), Px((pane.Width() - scene.Size(92)) / (2.5 * w.slotCount))));
    const int rows = w.layers;
    const int labelTop = (2 * dot + 1) * (rows - 1) + dot + scene.Size(6);
    const int legendY = scene.BelowTitle(pane);
    const Plot plot = PlotIn(scene, pane, legendY + scene.TextSize(15) + scene.Size(10),
                             labelTop + scene.TextSize(16) + scene.Size(4), "−1.5", 2.0, false);
    {
        ScopedPen grid(dc, PS_DOT, 1, kGridColour);
        for (const int quarter : {1, 2, 3, 4}) {
            dc->MoveTo(plot.X(quarter * kTwoPi / 4.0), plot.top);
            dc->LineTo(plot.X(quarter * kTwoPi / 4.0), plot.bottom);
        }
        // A concentrated, full-pitch winding's fundamental: 1.5 F_c.
        for (const double value : {1.5, -1.5}) {
            dc->MoveTo(plot.left, plot.Y(value));
            dc->LineTo(plot.right, plot.Y(value));
        }
    }
    Axes(scene, plot, plot.Y(0.0));
    const int size = scene.TextSize(16);
    for (const int quarter : {0, 1, 2, 3, 4}) {
        const std::string label = std::to_string(90 * quarter) + "°";
        scene.Text(plot.X(quarter * kTwoPi / 4.0) - Px(ApproxTextWidth(label, size) / 2.0),
                   plot.bottom + labelTop, label, 16, kInk);
    }
    for (const double value : {1.5, 0.0, -1.5})
        ValueLabel(scene, plot, value, WindingFigure("%g", value));

    const std::vector<double>& levels = scene.wave.levels;
    const bool curves = !scene.inputs.hidden.curves;
    if (curves) {
        // Level between slot centres, a step at each; before the first slot, the last level.
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kWaveColour);
        std::vector<PointF> stairs{plot.At(0.0, levels.back())};
        for (int k = 0; k < w.slotCount; ++k) {
            const double phi = SlotAngle(w, k);
            stairs.push_back(plot.At(phi, k == 0 ? levels.back() : levels[k - 1]));
            stairs.push_back(plot.At(phi, levels[k]));
        }
        stairs.push_back(plot.At(kTwoPi, levels.back()));
        dc->Polyline(stairs);
    }
    if (curves) {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        constexpr int kSegments = 144;
        std::vector<PointF> wave;
        for (int k = 0; k <= kSegments; ++k) {
            const double phi = k * kTwoPi / kSegments;
            wave.push_back(plot.At(phi, scene.wave.Fundamental(phi, w.PolePairs())));
        }
        dc->Polyline(wave);
    }
    // Each layer's conductor in its phase's colour: the top layer above, the bottom one below.
    ScopedPen outline(dc, PS_SOLID, 1, RGB(60, 60, 60));
    for (int k = 0; k < w.slotCount; ++k) {
        const Conductor layers[2] = {scene.plan[k].top, scene.plan[k].bottom};
        for (int r = 0; r < rows; ++r) {
            ScopedBrush brush(dc, scene.Phase(layers[r].phase));
            DrawDisc(dc, plot.X(SlotAngle(w, k)), plot.bottom + (2 * dot + 1) * r, dot);
        }
    }
    // Legend.
    int x = pane.left + scene.Size(70);
    const auto legend = [&](COLORREF colour, int width, std::string_view text) {
        const int size = scene.TextSize(15);
        {
            ScopedPen pen(dc, PS_SOLID, scene.Size(width), colour);
            dc->MoveTo(x, legendY + size / 2);
            dc->LineTo(x + scene.Size(26), legendY + size / 2);
        }
        scene.Text(x + scene.Size(32), legendY, text, 15, kInk);
        x += scene.Size(32) + Px(ApproxTextWidth(text, size)) + scene.Size(30);
    };
    legend(kWaveColour, 3, scene.Tr(QT_TRANSLATE_NOOP("Windings", "阶梯波")));
    legend(kInk, 2, scene.Tr(QT_TRANSLATE_NOOP("Windings", "基波")));
}

void DrawWindingSpectrum(const WindingScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Windings", "谐波（占基波的 %）")));
    const Winding& w = scene.inputs.winding;
    const int size = scene.TextSize(14);
    // Room above for the value over the tallest bar, below for the orders.
    const Plot plot = PlotIn(scene, pane, scene.BelowTitle(pane) + size + scene.Size(12),
                             size + scene.Size(14), "20", kSpectrumFull, true);
    {
        ScopedPen grid(dc, PS_DOT, 1, kGridColour);
        for (const double value : {5.0, 10.0, 15.0, 20.0, 25.0}) {
            dc->MoveTo(plot.left, plot.Y(value));
            dc->LineTo(plot.right, plot.Y(value));
        }
    }
    Axes(scene, plot, plot.bottom);
    for (const double value : {0.0, 10.0, 20.0})
        ValueLabel(scene, plot, value, WindingFigure("%g", value));

    const double kw1 = WindingFactor(w, 1);
    const int count = static_cast<int>(std::size(kSpectrumOrders));
    const double slot = double(plot.right - plot.left) / count;
    const int half = std::max(1, Px(0.28 * slot));
    for (int b = 0; b < count; ++b) {
        const int nu = kSpectrumOrders[b];
        const double percent = 100.0 * std::abs(WindingFactor(w, nu) / (nu * kw1));
        const int x = Px(plot.left + (b + 0.5) * slot);
        const int top = plot.Y(std::min(percent, kSpectrumFull));
        const bool bar = !scene.inputs.hidden.curves;
        if (bar && plot.bottom - top >= 1) {
            ScopedPen pen(dc, PS_SOLID, 1, kInk);
            ScopedBrush brush(dc, nu == 1 ? kInk : kWaveColour);
            dc->Rectangle(x - half, top, x + half + 1, plot.bottom + 1);
        }
        const std::string value = WindingFigure(nu == 1 ? "%.0f" : "%.1f", percent);
        if (bar)
            scene.Text(x - Px(ApproxTextWidth(value, size) / 2.0), top - size - scene.Size(4),
                       value, 14, kInk);
        const std::string order = std::to_string(nu);
        scene.Text(x - Px(ApproxTextWidth(order, size) / 2.0), plot.bottom + scene.Size(8), order,
                   14, kInk);
    }
    scene.Text(plot.right + scene.Size(6), plot.bottom + scene.Size(8), "ν", 16, kInk);
    if (scene.inputs.hidden.curves || scene.inputs.hidden.readouts) return;
    const std::string thd = "THD " + WindingFigure("%.1f", 100.0 * scene.wave.thd) + " %";
    const int thdSize = scene.TextSize(20);
    scene.Text(pane.right - scene.Size(20) - Px(ApproxTextWidth(thd, thdSize)),
               pane.top + scene.Size(10), thd, 20, kInk);
}

void DrawWindingTable(const WindingScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    const Winding& w = scene.inputs.winding;
    const int rows = w.layers;
    scene.Title(pane, rows == 2
                          ? scene.Tr(QT_TRANSLATE_NOOP("Windings", "槽号与相带（上层 / 下层）"))
                          : scene.Tr(QT_TRANSLATE_NOOP("Windings", "槽号与相带")));
    const int textSize = scene.TextSize(14), numberSize = scene.TextSize(11);
    const int noteSize = scene.TextSize(13);
    const int left = pane.left + scene.Size(14);
    const int width = pane.Width() - scene.Size(28);
    const int top = scene.BelowTitle(pane);
    // A cell holds "−W" and a slot's number; rows of at most 24 cells, of equal length.
    const double narrowest =
        std::max(ApproxTextWidth("−W", textSize), ApproxTextWidth("96", numberSize)) + 2;
    const int perRowMost = std::clamp(static_cast<int>(width / narrowest), 1, 24);
    const double line = textSize + scene.Size(5);
    const double groupHeight = numberSize + scene.Size(2) + rows * line + scene.Size(6);
    const auto groupsOf = [&](int slots) { return (slots + perRowMost - 1) / perRowMost; };
    // All the slots when they fit; else one pole pair's, 2 tau slots, which the rest repeat.
    int shown = w.slotCount;
    const int room = pane.bottom - top - scene.Size(4);
    if (groupsOf(shown) * groupHeight > room && w.PolePairs() > 1) shown = 2 * w.PolePitch();
    const int groups = groupsOf(shown);
    const int perGroup = (shown + groups - 1) / groups;
    const double cell = double(width) / perGroup;
    // Squeezed to the pane rather than cut off, should even one pole pair not fit.
    const double squeeze =
        std::min(1.0, (shown < w.slotCount ? room - noteSize - scene.Size(4) : room) /
                          (groups * groupHeight));
    const int letterSize = std::max(1, Px(textSize * squeeze));
    const int slotNumberSize = std::max(1, Px(numberSize * squeeze));
    for (int k = 0; k < shown; ++k) {
        const int g = k / perGroup, column = k % perGroup;
        const double x = left + column * cell;
        const double y = top + g * groupHeight * squeeze;
        const std::string slot = std::to_string(k + 1);
        dc->SetTextSize(slotNumberSize);
        dc->SetTextColor(RGB(90, 90, 90));
        dc->TextOut(Px(x + cell / 2 - ApproxTextWidth(slot, slotNumberSize) / 2.0), Px(y), slot);
        const Conductor layers[2] = {scene.plan[k].top, scene.plan[k].bottom};
        for (int r = 0; r < rows; ++r) {
            const Conductor& c = layers[r];
            const double rowTop = y + (numberSize + scene.Size(2) + r * line) * squeeze;
            const int cellTop = Px(rowTop), cellBottom = Px(rowTop + line * squeeze) - 1;
            {
                ScopedPen pen(dc, PS_SOLID, 1, kWhite);
                ScopedBrush brush(dc, scene.Phase(c.phase));
                dc->Rectangle(Px(x) + 1, cellTop, Px(x + cell), cellBottom);
            }
            const std::string name = ConductorName(c);
            dc->SetTextSize(letterSize);
            dc->SetTextColor(ContrastingInk(scene.Phase(c.phase)));
            dc->TextOut(Px(x + cell / 2 - ApproxTextWidth(name, letterSize) / 2.0),
                        Px((cellTop + cellBottom - letterSize) / 2.0), name);
        }
    }
    if (shown < w.slotCount) {
        const std::string note = FormatText(
            scene.Tr(QT_TRANSLATE_NOOP("Windings", "第 1–%1 槽：每对极相同，共 %2 对极")),
            {std::to_string(shown), std::to_string(w.PolePairs())});
        scene.Text(left, Px(top + groups * groupHeight * squeeze), note, 13, RGB(90, 90, 90));
    }
}

void DrawWindingReadouts(const WindingScene& scene, const CRect& pane, const WindingReadouts& r) {
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Windings", "读数")));
    const Winding& w = scene.inputs.winding;
    char pitch[32];
    std::snprintf(pitch, sizeof pitch, "%d/%d", w.pitch, w.PolePitch());
    using Row = std::pair<std::string_view, std::string>;
    // The winding and its field, then its factors.
    const auto fieldRows = [&](bool frequency) {
        std::string speed =
            r.speed + " " + std::string(scene.Tr(QT_TRANSLATE_NOOP("Windings", "r/min")));
        if (frequency) speed += " (" + WindingFigure("%g", scene.inputs.frequency) + " Hz)";
        return std::vector<Row>{
            {scene.Tr(QT_TRANSLATE_NOOP("Windings", "电角度 θ")), r.angle},
            {scene.Tr(QT_TRANSLATE_NOOP("Windings", "槽数 Q")), r.slotCount},
            {scene.Tr(QT_TRANSLATE_NOOP("Windings", "每极每相槽数 q")),
             std::to_string(w.SlotsPerPolePhase())},
            {scene.Tr(QT_TRANSLATE_NOOP("Windings", "节距 y/τ")), pitch},
            {scene.Tr(QT_TRANSLATE_NOOP("Windings", "同步转速 ns")), speed},
            {scene.Tr(QT_TRANSLATE_NOOP("Windings", "磁场轴线")), r.fieldAngle + "°"},
            {scene.Tr(QT_TRANSLATE_NOOP("Windings", "基波幅值 F₁")), r.mmfFundamental + " Fc"},
        };
    };
    const std::vector<Row> factors = {{"kd1", r.kd1}, {"kp1", r.kp1}, {"kw1", r.kw1},
                                      {"kw5", r.kw5}, {"kw7", r.kw7}, {"THD", r.thd + " %"}};
    const int size = scene.TextSize(15);
    const int gap = scene.Size(12), pad = scene.Size(14);
    struct Column {
        std::vector<Row> rows;
        int labels = 0;  // the widest label
        int width = 0;
    };
    const auto column = [&](std::vector<Row> rows) {
        Column c{std::move(rows)};
        int values = 0;
        for (const Row& row : c.rows) {
            c.labels = std::max(c.labels, Px(ApproxTextWidth(row.first, size)));
            values = std::max(values, Px(ApproxTextWidth(row.second, size)));
        }
        c.width = c.labels + gap + values;
        return c;
    };
    const int top = scene.BelowTitle(pane) + scene.Size(4);
    const int room = pane.bottom - top - scene.Size(2);
    // Two columns side by side, the supply's frequency beside the speed, where they fit; else
    // without the frequency; else one column.
    const auto layout = [&](bool one, bool frequency) {
        std::vector<Row> first = fieldRows(frequency);
        if (!one) return std::vector<Column>{column(first), column(factors)};
        first.insert(first.begin() + 4, factors.begin(), factors.end());
        return std::vector<Column>{column(first)};
    };
    const auto rowsOf = [](const std::vector<Column>& columns) {
        size_t most = 0;
        for (const Column& c : columns) most = std::max(most, c.rows.size());
        return static_cast<int>(most);
    };
    const auto fits = [&](const std::vector<Column>& columns) {
        int width = pad;
        for (const Column& c : columns) width += c.width + pad;
        return width <= pane.Width() && rowsOf(columns) * (size + 2) <= room;
    };
    std::vector<Column> columns = layout(false, true);
    for (const auto& [one, frequency] : {std::pair{false, false}, {true, true}, {true, false}}) {
        if (fits(columns)) break;
        columns = layout(one, frequency);
    }
    const int most = rowsOf(columns);
    const double pitchY =
        std::clamp(double(room) / most, size + 2.0, std::max<double>(size + 2.0, scene.Size(30)));
    int x = pane.left + pad;
    for (size_t i = 0; i < columns.size(); ++i) {
        const Column& c = columns[i];
        // The factors at the design's place when there is room, else as far right as they fit.
        if (i > 0)
            x = std::max(x, std::min(pane.left + scene.Size(330), pane.right - pad - c.width));
        for (size_t j = 0; j < c.rows.size(); ++j) {
            const int y = Px(top + j * pitchY);
            scene.Text(x, y, c.rows[j].first, 15, kInk);
            scene.Text(x + c.labels + gap, y, c.rows[j].second, 15, kInk);
        }
        x += c.width + pad;
    }
}
