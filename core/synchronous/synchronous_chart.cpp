// What the charts share: a grid at the ticks, the axes, the ticks' labels and the axes' names.
#include <algorithm>
#include <string>

#include "synchronous/synchronous_layers.h"

void DrawChartFrame(const SynchronousScene& scene, const SynchronousChart& c,
                    const std::vector<double>& xTicks, const std::vector<double>& yTicks,
                    std::string_view xName, std::string_view yName) {
    CDC* dc = scene.dc;
    {
        ScopedPen grid(dc, PS_DOT, 1, kGridColour);
        for (const double x : xTicks) {
            dc->MoveTo(c.X(x), c.top);
            dc->LineTo(c.X(x), c.bottom);
        }
        for (const double y : yTicks) {
            dc->MoveTo(c.left, c.Y(y));
            dc->LineTo(c.right, c.Y(y));
        }
    }
    const int xAxis = c.Y(std::clamp(0.0, c.y0, c.y1));
    const int yAxis = c.X(std::clamp(0.0, c.x0, c.x1));
    {
        ScopedPen axis(dc, PS_SOLID, scene.Size(1.5), kInk);
        dc->MoveTo(yAxis, c.top);
        dc->LineTo(yAxis, c.bottom);
        dc->MoveTo(c.left, xAxis);
        dc->LineTo(c.right, xAxis);
    }
    const int size = scene.Size(15);
    for (const double x : xTicks) {
        const std::string label = SynchronousFigure("%g", x);
        // Not left of the chart, where the lowest y label is.
        scene.Text(std::max(c.left, c.X(x) - Px(ApproxTextWidth(label, size) / 2)),
                   c.bottom + scene.Size(4), label, 15, kInk);
    }
    for (const double y : yTicks) {
        const std::string label = SynchronousFigure("%g", y);
        scene.Text(c.left - scene.Size(6) - Px(ApproxTextWidth(label, size)), c.Y(y) - size / 2,
                   label, 15, kInk);
    }
    scene.Text(c.right - Px(ApproxTextWidth(xName, size)), c.bottom + scene.Size(20), xName, 15,
               kInk);
    scene.Text(yAxis + scene.Size(6), c.top - scene.Size(4) - size, yName, 15, kInk);
}
