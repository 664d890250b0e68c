#pragma once
// What every machine's picture marks alike: its poles' and its load's colours, and dashed lines
// drawn as strokes of their own, so that each surface (pixels, SVG, trace) shows the same dashes.
#include <vector>

#include "draw/surface.h"

constexpr COLORREF kNorthColour = RGB(200, 40, 40);
constexpr COLORREF kSouthColour = RGB(40, 90, 200);
constexpr COLORREF kLoadColour = RGB(0, 140, 60);

// A line in pieces `on` pixels long with gaps as long, going on from `phase` along the pattern.
void DrawDashed(CDC* dc, int x1, int y1, int x2, int y2, int on, double& phase);
// The curve through `points` in dashes `on` pixels long with gaps as long, each dash one stroke.
void DrawDashedCurve(CDC* dc, const std::vector<PointF>& points, double on);
