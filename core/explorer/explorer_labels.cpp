#include "explorer/explorer_labels.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Clear space kept round a label, in pixels.
constexpr double kMargin = 2.0;

double DistanceToBox(double x, double y, const LabelBox& b) {
    const double dx = std::max({b.left - x, 0.0, x - b.right});
    const double dy = std::max({b.top - y, 0.0, y - b.bottom});
    return std::hypot(dx, dy);
}

// Whether the segment meets the box grown by `grow` on every side (Liang and Barsky's clip).
bool SegmentMeets(double x1, double y1, double x2, double y2, LabelBox b, double grow) {
    b = {b.left - grow, b.top - grow, b.right + grow, b.bottom + grow};
    double t0 = 0.0, t1 = 1.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double p[] = {-dx, dx, -dy, dy};
    const double q[] = {x1 - b.left, b.right - x1, y1 - b.top, b.bottom - y1};
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0.0) {
            if (q[k] < 0.0) return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}

}  // namespace

void LabelPlacer::AddStroke(double x1, double y1, double x2, double y2, double width) {
    m_strokes.push_back({x1, y1, x2, y2, width / 2.0});
}

void LabelPlacer::AddDisc(double x, double y, double radius) { m_discs.push_back({x, y, radius}); }

void LabelPlacer::AddBox(const LabelBox& box) { m_boxes.push_back(box); }

bool LabelPlacer::Free(const LabelBox& box) const {
    if (box.left < m_bounds.left || box.top < m_bounds.top || box.right > m_bounds.right ||
        box.bottom > m_bounds.bottom)
        return false;
    for (const Stroke& s : m_strokes)
        if (SegmentMeets(s.x1, s.y1, s.x2, s.y2, box, s.half + kMargin)) return false;
    for (const Disc& d : m_discs)
        if (DistanceToBox(d.x, d.y, box) < d.r + kMargin) return false;
    for (const LabelBox& b : m_boxes)
        if (box.left < b.right + kMargin && b.left < box.right + kMargin &&
            box.top < b.bottom + kMargin && b.top < box.bottom + kMargin)
            return false;
    return true;
}

LabelPlacer::Place LabelPlacer::Put(double x, double y, double ux, double uy, double distance,
                                    double width, double height) {
    // Turns either way from the wanted direction, then farther out: the nearest free place wins.
    static constexpr double kTurns[] = {0, 30, -30, 60, -60, 90, -90, 120, -120, 150, -150, 180};
    const auto boxAt = [&](double d, double degrees) {
        const double a = degrees * std::numbers::pi / 180.0;
        const double vx = ux * std::cos(a) - uy * std::sin(a);
        const double vy = ux * std::sin(a) + uy * std::cos(a);
        const double left = std::round(x + vx * d - width / 2.0);
        const double top = std::round(y + vy * d - height / 2.0);
        return LabelBox{left, top, left + width, top + height};
    };
    LabelBox chosen = boxAt(distance, 0.0);
    bool found = false;
    for (int ring = 0; ring < 6 && !found; ++ring) {
        const double d = distance + ring * 0.5 * height;
        for (const double turn : kTurns) {
            const LabelBox box = boxAt(d, turn);
            if (Free(box)) {
                chosen = box;
                found = true;
                break;
            }
        }
    }
    m_boxes.push_back(chosen);
    return {static_cast<int>(chosen.left), static_cast<int>(chosen.top)};
}
