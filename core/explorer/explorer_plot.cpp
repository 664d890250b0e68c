// What the explorer's panes share: arrows, titles and the frame of a plot over one period.
#include <cstdio>
#include <numbers>
#include <string>
#include <utility>

#include "explorer/explorer_layers.h"

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

std::string Number(double value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

}  // namespace

// Latin and Greek letters are about half as wide as they are high; Chinese characters and
// mathematical signs, three bytes and more in UTF-8, about as wide.
double ApproxTextWidth(std::string_view text, int size) {
    double width = 0.0;
    for (size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int bytes = c < 0x80 ? 1 : (c < 0xe0 ? 2 : (c < 0xf0 ? 3 : 4));
        width += (bytes <= 2 ? 0.55 : 1.0) * size;
        i += bytes;
    }
    return width;
}

void DrawArrow(CDC* dc, int x1, int y1, int x2, int y2, int head, LabelPlacer* labels,
               double width) {
    if (x1 == x2 && y1 == y2) return;
    dc->MoveTo(x1, y1);
    dc->LineTo(x2, y2);
    if (labels != nullptr) labels->AddStroke(x1, y1, x2, y2, width);
    const double dx = x2 - x1, dy = y2 - y1;
    const double length = std::hypot(dx, dy);
    // A short vector gets a short head, and one too short to point gets none.
    const double h = std::min<double>(head, 0.4 * length);
    if (h < 3.0) return;
    // The two barbs: the way back along the shaft, turned 25 degrees either side.
    const double bx = -dx / length * h, by = -dy / length * h;
    const double c = std::cos(25.0 * std::numbers::pi / 180.0);
    const double s = std::sin(25.0 * std::numbers::pi / 180.0);
    for (const double side : {1.0, -1.0}) {
        const int ex = Px(x2 + bx * c - side * by * s), ey = Px(y2 + side * bx * s + by * c);
        dc->MoveTo(x2, y2);
        dc->LineTo(ex, ey);
        if (labels != nullptr) labels->AddStroke(x2, y2, ex, ey, width);
    }
}

void DrawOutlinedArrow(CDC* dc, int x1, int y1, int x2, int y2, double half, double head,
                       LabelPlacer* labels, double width) {
    const double dx = x2 - x1, dy = y2 - y1;
    const double length = std::hypot(dx, dy);
    if (length < 1.0) return;
    const double ux = dx / length, uy = dy / length;
    // A short arrow is all head.
    const double h = std::min(head, length);
    const double wing = std::max(2.0 * half, 0.45 * h);
    const double baseX = x2 - ux * h, baseY = y2 - uy * h;
    const auto at = [&](double x, double y, double side) {
        return std::pair{Px(x - uy * side), Px(y + ux * side)};
    };
    const std::pair<int, int> outline[] = {
        at(x1, y1, half),        at(baseX, baseY, half),  at(baseX, baseY, wing), {x2, y2},
        at(baseX, baseY, -wing), at(baseX, baseY, -half), at(x1, y1, -half),      at(x1, y1, half)};
    dc->MoveTo(outline[0].first, outline[0].second);
    for (size_t k = 1; k < std::size(outline); ++k) {
        dc->LineTo(outline[k].first, outline[k].second);
        if (labels != nullptr)
            labels->AddStroke(outline[k - 1].first, outline[k - 1].second, outline[k].first,
                              outline[k].second, width);
    }
}

int PlotArea::X(double angle) const { return Px(At(angle, 0.0).x); }

int PlotArea::Y(double value) const { return Px(At(0.0, value).y); }

PointF PlotArea::At(double angle, double value) const {
    return {left + angle / kTwoPi * (right - left),
            (top + bottom) / 2.0 - value / full * (bottom - top) / 2.0};
}

PlotArea PlotIn(const ExplorerScene& scene, const CRect& pane, double full) {
    return {pane.left + scene.Size(62), pane.top + scene.Size(62), pane.right - scene.Size(30),
            pane.bottom - scene.Size(42), full};
}

void DrawPaneTitle(const ExplorerScene& scene, const CRect& pane, std::string_view title) {
    scene.Text(pane.left + scene.Size(14), pane.top + scene.Size(10), title, 24, kInk);
}

void DrawPlotFrame(const ExplorerScene& scene, const PlotArea& plot, std::string_view angleName,
                   std::string_view unit) {
    CDC* dc = scene.dc;
    {
        ScopedPen grid(dc, PS_DOT, 1, kGridColour);
        for (const int quarter : {1, 2, 3, 4}) {
            const int x = plot.X(quarter * kTwoPi / 4.0);
            dc->MoveTo(x, plot.top);
            dc->LineTo(x, plot.bottom);
        }
        for (const double value : {plot.full, -plot.full}) {
            dc->MoveTo(plot.left, plot.Y(value));
            dc->LineTo(plot.right, plot.Y(value));
        }
    }
    ScopedPen axis(dc, PS_SOLID, scene.Size(1.5), kInk);
    dc->MoveTo(plot.left, plot.top);
    dc->LineTo(plot.left, plot.bottom);
    dc->MoveTo(plot.left, plot.Y(0.0));
    dc->LineTo(plot.right, plot.Y(0.0));

    const int size = scene.Size(17);
    for (const int quarter : {0, 1, 2, 3, 4}) {
        const std::string label = std::to_string(90 * quarter) + "°";
        const int x = plot.X(quarter * kTwoPi / 4.0) - Px(ApproxTextWidth(label, size) / 2.0);
        scene.Text(x, plot.bottom + scene.Size(14), label, 17, kInk);
    }
    for (const double value : {plot.full, 0.0, -plot.full}) {
        // The true minus sign, which reads better than a hyphen at the back of the room.
        std::string label = value < 0 ? "−" + Number(-value) : Number(value);
        if (value > 0 && !unit.empty()) label += " " + std::string(unit);
        const int x = plot.left - scene.Size(8) - Px(ApproxTextWidth(label, size));
        scene.Text(x, plot.Y(value) - size / 2, label, 17, kInk);
    }
    scene.Text(plot.right + scene.Size(8), plot.Y(0.0) - size, angleName, 17, kInk);
}
