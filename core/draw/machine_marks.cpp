#include "draw/machine_marks.h"

#include <algorithm>
#include <cmath>

#include "draw/trunc.h"

void DrawDashedCurve(CDC* dc, const std::vector<PointF>& points, double on) {
    std::vector<PointF> dash;
    double phase = 0.0;  // along the pattern: a dash below `on`, a gap from there to 2 `on`
    for (size_t k = 1; k < points.size(); ++k) {
        const PointF a = points[k - 1], b = points[k];
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const auto along = [&](double d) {
            return PointF{a.x + (b.x - a.x) * d / length, a.y + (b.y - a.y) * d / length};
        };
        for (double at = 0.0; at < length;) {
            const bool drawing = phase < on;
            const double end = std::min(length, at + (drawing ? on : 2.0 * on) - phase);
            if (drawing) {
                if (dash.empty()) dash.push_back(along(at));
                dash.push_back(along(end));
            }
            phase += end - at;
            at = end;
            if (phase >= 2.0 * on) phase -= 2.0 * on;
            if (phase >= on && !dash.empty()) {
                dc->Polyline(dash);
                dash.clear();
            }
        }
    }
    if (!dash.empty()) dc->Polyline(dash);
}

void DrawDashed(CDC* dc, int x1, int y1, int x2, int y2, int on, double& phase) {
    const double length = std::hypot(x2 - x1, y2 - y1);
    double at = 0.0;
    while (at < length) {
        const double inPiece = std::fmod(phase, 2.0 * on);
        const double left = (inPiece < on ? on : 2.0 * on) - inPiece;
        const double end = std::min(length, at + left);
        if (inPiece < on) {
            dc->MoveTo(Px(x1 + (x2 - x1) * at / length), Px(y1 + (y2 - y1) * at / length));
            dc->LineTo(Px(x1 + (x2 - x1) * end / length), Px(y1 + (y2 - y1) * end / length));
        }
        phase += end - at;
        at = end;
    }
}
