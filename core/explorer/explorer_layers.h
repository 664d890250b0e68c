#pragma once
// The layers of the explorer's picture, one pane each, and what they share: the scale, the
// colours and a few drawing helpers. Every coordinate is rounded to the nearest pixel.
#include <algorithm>
#include <cmath>
#include <string_view>

#include "draw/gdi_objects.h"
#include "draw/trunc.h"
#include "explorer/explorer_frame.h"
#include "explorer/explorer_labels.h"

// Colours that belong to no phase.
constexpr COLORREF kInk = RGB(0, 0, 0);  // texts, axes and the resultant
constexpr COLORREF kPositiveColour = RGB(136, 0, 204);
constexpr COLORREF kNegativeColour = RGB(230, 120, 0);
constexpr COLORREF kLocusColour = RGB(150, 150, 150);
constexpr COLORREF kGridColour = RGB(190, 190, 190);
constexpr COLORREF kWaveColour = RGB(140, 140, 140);
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A coil side whose current is smaller than this, in units of the peak, shows no marker.
constexpr double kMarkerThreshold = 0.005;

// What every layer draws from.
struct ExplorerScene {
    const ExplorerInputs& inputs;
    const ExplorerField& field;
    double theta;
    double unit;  // pixels of the canvas per pixel of the 1024x768 design
    CDC* dc;

    // A length of the design in pixels of this canvas; lines and texts never vanish.
    int Size(double design) const { return std::max(1, Px(design * unit)); }
    COLORREF Phase(int x) const { return inputs.palette.phase[x]; }
    std::string_view Tr(std::string_view source) const {
        return ::Tr(inputs.translation, "Explorer", source);
    }
    // Text with its top-left corner at (x, y), `design` pixels high at the design size.
    void Text(int x, int y, std::string_view text, double design, COLORREF colour) const {
        dc->SetTextSize(Size(design));
        dc->SetTextColor(colour);
        dc->TextOut(x, y, text);
    }
};

// A pen made current for as long as it lives. One that cannot be created leaves the pen before.
class ScopedPen {
  public:
    ScopedPen(CDC* dc, int style, int width, COLORREF colour) : m_pen(dc) {
        m_pen.CreatePen(style, width, colour);
        dc->SelectObject(m_pen.GetSafeHandle());
    }

  private:
    CPen m_pen;
};

// A brush made current for as long as it lives; throws CResourceException when it cannot be made.
class ScopedBrush {
  public:
    ScopedBrush(CDC* dc, COLORREF colour) : m_brush(dc, colour) {
        dc->SelectObject(m_brush.GetSafeHandle());
    }

  private:
    CBrush m_brush;
};

// The width of a text `size` pixels high, roughly: the layout never waits for the font.
double ApproxTextWidth(std::string_view text, int size);
// A line from (x1, y1) to (x2, y2) in the current pen, with a head `head` pixels long at its end;
// its strokes, `width` pixels wide, become obstacles to `labels` when given.
void DrawArrow(CDC* dc, int x1, int y1, int x2, int y2, int head, LabelPlacer* labels = nullptr,
               double width = 1.0);
// An arrow drawn as its outline in the current pen, so that what runs along it shows through:
// a shaft `half` pixels either side of the line and a head `head` pixels long.
void DrawOutlinedArrow(CDC* dc, int x1, int y1, int x2, int y2, double half, double head,
                       LabelPlacer* labels, double width);
// Black or white, whichever reads better on `colour`.
inline COLORREF ContrastingInk(COLORREF colour) {
    const double luma =
        0.299 * GetRValue(colour) + 0.587 * GetGValue(colour) + 0.114 * GetBValue(colour);
    return luma > 140 ? kInk : kWhite;
}
// A disc of radius r in the current brush and pen.
inline void DrawDisc(CDC* dc, int x, int y, int r) {
    dc->Ellipse(x - r, y - r, x + r + 1, y + r + 1);
}

// The frame of a plot over one period: angle 0..2pi across, -full..full up.
struct PlotArea {
    int left;
    int top;
    int right;
    int bottom;
    double full;
    int X(double angle) const;
    int Y(double value) const;
    PointF At(double angle, double value) const;  // unrounded, for the curves
};
// Axes, grid, the angle ticks every 90 degrees, the value ticks and the angle's name; the top
// value carries `unit`, if any.
void DrawPlotFrame(const ExplorerScene& scene, const PlotArea& plot, std::string_view angleName,
                   std::string_view unit = {});
// The plot area of a pane with room for its title and tick labels.
PlotArea PlotIn(const ExplorerScene& scene, const CRect& pane, double full);
// A pane's title at its top-left corner.
void DrawPaneTitle(const ExplorerScene& scene, const CRect& pane, std::string_view title);

void DrawExplorerStator(const ExplorerScene& scene, const CRect& pane);
void DrawExplorerChart(const ExplorerScene& scene, const CRect& pane);
void DrawExplorerAirGap(const ExplorerScene& scene, const CRect& pane);
// The direction of rotation in the frame's language: counter-clockwise, clockwise, ...
std::string_view ExplorerRotationText(const ExplorerScene& scene, Rotation rotation);
void DrawExplorerReadouts(const ExplorerScene& scene, const CRect& pane,
                          const ExplorerReadouts& readouts);
