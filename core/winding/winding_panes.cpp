// The windings view's plots and tables: the air-gap MMF over one mechanical turn with its
// fundamental, the harmonic spectrum, the zone plan and the readouts.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "winding/winding_layers.h"

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr int kOrders[] = {1, 5, 7, 11, 13, 17, 19, 23, 25};
// The spectrum's scale: the harmonics, a few % of the fundamental, would vanish beside its 100.
constexpr double kSpectrumFull = 25.0;

struct Plot {
    int left, top, right, bottom;
    double full;  // the value at the top; the bottom is -full, or 0 for bars
    bool bars;
    int X(double phi) const { return Px(left + phi / kTwoPi * (right - left)); }
    int Y(double value) const {
        const double zero = bars ? bottom : (top + bottom) / 2.0;
        const double span = bars ? bottom - top : (bottom - top) / 2.0;
        return Px(zero - value / full * span);
    }
};

Plot PlotIn(const WindingScene& scene, const CRect& pane, double full, bool bars) {
    return {pane.left + scene.Size(62),
            pane.top + scene.Size(56),
            pane.right - scene.Size(30),
            pane.bottom - scene.Size(40),
            full,
            bars};
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
    const int size = scene.Size(16);
    const int x = plot.left - scene.Size(8) - Px(ApproxTextWidth(text, size));
    scene.Text(x, plot.Y(value) - size / 2, text, 16, kInk);
}

}  // namespace

void DrawWindingMmf(const WindingScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Windings", "气隙磁动势（一周机械角，单位 Fp）")));
    const Winding& w = scene.inputs.winding;
    const Plot plot = PlotIn(scene, pane, 2.0, false);
    {
        ScopedPen grid(dc, PS_DOT, 1, kGridColour);
        for (const int quarter : {1, 2, 3, 4}) {
            dc->MoveTo(plot.X(quarter * kTwoPi / 4.0), plot.top);
            dc->LineTo(plot.X(quarter * kTwoPi / 4.0), plot.bottom);
        }
        for (const double value : {1.5, -1.5}) {
            dc->MoveTo(plot.left, plot.Y(value));
            dc->LineTo(plot.right, plot.Y(value));
        }
    }
    Axes(scene, plot, plot.Y(0.0));
    const int size = scene.Size(16);
    for (const int quarter : {0, 1, 2, 3, 4}) {
        const std::string label = std::to_string(90 * quarter) + "°";
        scene.Text(plot.X(quarter * kTwoPi / 4.0) - Px(ApproxTextWidth(label, size) / 2.0),
                   plot.bottom + scene.Size(10), label, 16, kInk);
    }
    for (const double value : {1.5, 0.0, -1.5})
        ValueLabel(scene, plot, value, WindingFigure("%g", value));

    const std::vector<double>& levels = scene.wave.levels;
    {
        // Level between slot centres, a step at each; before the first slot, the last level.
        ScopedPen pen(dc, PS_SOLID, scene.Size(3), kWaveColour);
        dc->MoveTo(plot.left, plot.Y(levels.back()));
        for (int k = 0; k < w.slotCount; ++k) {
            const int x = plot.X(SlotAngle(w, k));
            dc->LineTo(x, plot.Y(k == 0 ? levels.back() : levels[k - 1]));
            dc->LineTo(x, plot.Y(levels[k]));
        }
        dc->LineTo(plot.right, plot.Y(levels.back()));
    }
    {
        ScopedPen pen(dc, PS_SOLID, scene.Size(2), kInk);
        constexpr int kSegments = 144;
        for (int k = 0; k <= kSegments; ++k) {
            const double phi = k * kTwoPi / kSegments;
            const int x = plot.X(phi), y = plot.Y(scene.wave.Fundamental(phi, w.PolePairs()));
            if (k == 0)
                dc->MoveTo(x, y);
            else
                dc->LineTo(x, y);
        }
    }
    // The slots on the angle axis, in the colour of their top conductor.
    const int dot =
        std::max(1, std::min(scene.Size(5), Px((plot.right - plot.left) / (2.5 * w.slotCount))));
    ScopedPen outline(dc, PS_SOLID, 1, RGB(60, 60, 60));
    for (int k = 0; k < w.slotCount; ++k) {
        ScopedBrush brush(dc, scene.Phase(scene.plan[k].top.phase));
        DrawDisc(dc, plot.X(SlotAngle(w, k)), plot.bottom, dot);
    }
    // Legend.
    const int legendY = pane.top + scene.Size(34);
    const auto legend = [&](int x, COLORREF colour, int width, std::string_view text) {
        {
            ScopedPen pen(dc, PS_SOLID, scene.Size(width), colour);
            dc->MoveTo(pane.left + scene.Size(x), legendY + scene.Size(8));
            dc->LineTo(pane.left + scene.Size(x + 26), legendY + scene.Size(8));
        }
        scene.Text(pane.left + scene.Size(x + 32), legendY, text, 15, kInk);
    };
    legend(70, kWaveColour, 3, scene.Tr(QT_TRANSLATE_NOOP("Windings", "阶梯波")));
    legend(200, kInk, 2, scene.Tr(QT_TRANSLATE_NOOP("Windings", "基波")));
}

void DrawWindingSpectrum(const WindingScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Windings", "谐波（占基波的 %）")));
    const Winding& w = scene.inputs.winding;
    const Plot plot = PlotIn(scene, pane, kSpectrumFull, true);
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
    const int count = static_cast<int>(std::size(kOrders));
    const double slot = double(plot.right - plot.left) / count;
    const int half = std::max(1, Px(0.28 * slot));
    for (int b = 0; b < count; ++b) {
        const int nu = kOrders[b];
        const double percent = 100.0 * std::abs(WindingFactor(w, nu) / (nu * kw1));
        const int x = Px(plot.left + (b + 0.5) * slot);
        const int top = plot.Y(std::min(percent, kSpectrumFull));
        if (plot.bottom - top >= 1) {
            ScopedPen pen(dc, PS_SOLID, 1, kInk);
            ScopedBrush brush(dc, nu == 1 ? kInk : kWaveColour);
            dc->Rectangle(x - half, top, x + half + 1, plot.bottom + 1);
        }
        const std::string value = WindingFigure(nu == 1 ? "%.0f" : "%.1f", percent);
        const int size = scene.Size(14);
        scene.Text(x - Px(ApproxTextWidth(value, size) / 2.0), top - scene.Size(18), value, 14,
                   kInk);
        const std::string order = std::to_string(nu);
        scene.Text(x - Px(ApproxTextWidth(order, size) / 2.0), plot.bottom + scene.Size(8), order,
                   14, kInk);
    }
    scene.Text(plot.right + scene.Size(6), plot.bottom + scene.Size(8), "ν", 16, kInk);
    const std::string thd = "THD " + WindingFigure("%.1f", 100.0 * scene.wave.thd) + " %";
    const int size = scene.Size(20);
    scene.Text(pane.right - scene.Size(20) - Px(ApproxTextWidth(thd, size)),
               pane.top + scene.Size(10), thd, 20, kInk);
}

void DrawWindingTable(const WindingScene& scene, const CRect& pane) {
    CDC* dc = scene.dc;
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Windings", "槽号与相带（上层 / 下层）")));
    const Winding& w = scene.inputs.winding;
    // Up to 24 slots a row, rows of equal length.
    const int groups = (w.slotCount + 23) / 24;
    const int perGroup = (w.slotCount + groups - 1) / groups;
    const int left = pane.left + scene.Size(14);
    const double cell = (pane.Width() - scene.Size(28)) / double(perGroup);
    const int rows = w.layers;
    double number = scene.Size(14), line = scene.Size(19);
    double groupHeight = number + rows * line + scene.Size(6);
    // Many slots make four groups: they are squeezed to the pane's height rather than cut off.
    const double room = pane.bottom - (pane.top + scene.Size(42)) - scene.Size(4);
    if (groups * groupHeight > room) {
        const double squeeze = room / (groups * groupHeight);
        number *= squeeze;
        line *= squeeze;
        groupHeight *= squeeze;
    }
    const int textSize =
        std::min({scene.Size(14), std::max(1, Px(cell / 1.5)), std::max(1, Px(line * 0.8))});
    for (int k = 0; k < w.slotCount; ++k) {
        const int g = k / perGroup, column = k % perGroup;
        const double x = left + column * cell;
        const double y = pane.top + scene.Size(42) + g * groupHeight;
        const std::string slot = std::to_string(k + 1);
        const int numberSize = std::min(scene.Size(11), textSize);
        scene.Text(Px(x + cell / 2 - ApproxTextWidth(slot, numberSize) / 2.0), Px(y), slot,
                   numberSize / scene.unit, RGB(110, 110, 110));
        const Conductor layers[2] = {scene.plan[k].top, scene.plan[k].bottom};
        for (int r = 0; r < rows; ++r) {
            const Conductor& c = layers[r];
            const int top = Px(y + number + r * line), bottom = Px(y + number + (r + 1) * line) - 1;
            {
                ScopedPen pen(dc, PS_SOLID, 1, kWhite);
                ScopedBrush brush(dc, scene.Phase(c.phase));
                dc->Rectangle(Px(x) + 1, top, Px(x + cell), bottom);
            }
            const std::string name = ConductorName(c);
            dc->SetTextSize(textSize);
            // Dark letters on a light phase colour, white ones on a dark one.
            const COLORREF fill = scene.Phase(c.phase);
            const int light = 299 * GetRValue(fill) + 587 * GetGValue(fill) + 114 * GetBValue(fill);
            dc->SetTextColor(light > 140000 ? kInk : kWhite);
            dc->TextOut(Px(x + cell / 2 - ApproxTextWidth(name, textSize) / 2.0),
                        Px((top + bottom - textSize) / 2.0), name);
        }
    }
}

void DrawWindingReadouts(const WindingScene& scene, const CRect& pane, const WindingReadouts& r) {
    scene.Title(pane, scene.Tr(QT_TRANSLATE_NOOP("Windings", "读数")));
    const Winding& w = scene.inputs.winding;
    char pitch[32];
    std::snprintf(pitch, sizeof pitch, "%d/%d", w.pitch, w.PolePitch());
    const std::string speed = r.speed + " " +
                              std::string(scene.Tr(QT_TRANSLATE_NOOP("Windings", "r/min"))) + " (" +
                              WindingFigure("%g", scene.inputs.frequency) + " Hz)";
    const std::pair<std::string_view, std::string> rows[] = {
        {scene.Tr(QT_TRANSLATE_NOOP("Windings", "电角度 θ")), r.angle},
        {scene.Tr(QT_TRANSLATE_NOOP("Windings", "槽数 Q")), r.slotCount},
        {scene.Tr(QT_TRANSLATE_NOOP("Windings", "每极每相槽数 q")),
         std::to_string(w.SlotsPerPolePhase())},
        {scene.Tr(QT_TRANSLATE_NOOP("Windings", "节距 y/τ")), pitch},
        {"kd1", r.kd1},
        {"kp1", r.kp1},
        {"kw1", r.kw1},
        {"kw5", r.kw5},
        {"kw7", r.kw7},
        {"THD", r.thd + " %"},
        {scene.Tr(QT_TRANSLATE_NOOP("Windings", "同步转速 ns")), speed},
        {scene.Tr(QT_TRANSLATE_NOOP("Windings", "磁场机械角 θ/p")), r.fieldAngle + "°"},
    };
    // Two columns: the winding and its field on the left, the factors on the right.
    for (int i = 0; i < 12; ++i) {
        const bool left = i < 4 || i >= 10;
        const int index = i < 4 ? i : (i >= 10 ? i - 6 : i - 4);
        const int x = pane.left + scene.Size(left ? 14 : 330);
        const int y = pane.top + scene.Size(44) + index * scene.Size(30);
        scene.Text(x, y, rows[i].first, 15, kInk);
        scene.Text(x + scene.Size(left ? 160 : 44), y, rows[i].second, 15, kInk);
    }
}
