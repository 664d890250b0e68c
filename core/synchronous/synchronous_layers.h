#pragma once
// The panes of the synchronous machine's picture and what they share: the layout, the phasor
// diagram's scale (which a drag reads back), the colours and the scene. The pens, brushes, arrows
// and the text width rule are the explorer's.
#include <string>
#include <vector>

#include "draw/machine_marks.h"
#include "explorer/explorer_layers.h"
#include "synchronous/synchronous_frame.h"

constexpr COLORREF kEmfColour = RGB(200, 40, 40);
constexpr COLORREF kDropColour = RGB(210, 110, 0);
constexpr COLORREF kCurrentColour = RGB(40, 90, 200);
constexpr COLORREF kPointColour = RGB(255, 220, 0);

struct SynchronousPanes {
    CRect section;
    CRect phasor;
    CRect readouts;
    CRect power;
    CRect curves;
    CRect startUp;
};
SynchronousPanes SynchronousLayout(int width, int height);

// Where the phasor diagram is: V lies along the x axis from the origin, `perVolt` pixels a volt;
// currents are drawn `perAmpere` pixels an ampere.
struct PhasorScale {
    double x0;
    double y0;
    double perVolt;
    double perAmpere;
};
PhasorScale PhasorScaleIn(const CRect& pane, double unit);

struct SynchronousScene {
    const SynchronousInputs& inputs;  // in range
    const SynchronousPoint& point;    // the machine now: the steady state or the run's instant
    // Of a start-up; none for a steady state.
    const SynchronousMotion* motion;
    SynchronousRun* run;
    double theta;  // the step's electrical angle: where the field is drawn
    double unit;
    CDC* dc;

    int Size(double design) const { return std::max(1, Px(design * unit)); }
    std::string_view Tr(std::string_view source) const {
        return ::Tr(inputs.translation, "Synchronous", source);
    }
    void Text(int x, int y, std::string_view text, double design, COLORREF colour) const {
        dc->SetTextSize(Size(design));
        dc->SetTextColor(colour);
        dc->TextOut(x, y, text);
    }
    void Title(const CRect& pane, std::string_view title) const {
        Text(pane.left + Size(14), pane.top + Size(8), title, 22, kInk);
    }
};

// A figure as a person writes it: "%.2f" and the like, unsigned when it rounds to zero, with a
// true minus sign.
std::string SynchronousFigure(const char* format, double value);
// A readout as a person reads it: a true minus sign, a dash for what has no value, and its unit.
std::string SynchronousShown(const std::string& text, std::string_view unit = {});
// The state and the kind of power factor in the frame's language.
std::string_view SynchronousStateText(const Translation* translation, SynchronousState state);
std::string_view PowerFactorKindText(const Translation* translation, PowerFactorKind kind);

// A chart: values from (x0, y0) at the bottom left to (x1, y1) at the top right.
struct SynchronousChart {
    int left, top, right, bottom;
    double x0, x1, y0, y1;
    int X(double v) const { return Px(left + (v - x0) / (x1 - x0) * (right - left)); }
    int Y(double v) const { return Px(bottom - (v - y0) / (y1 - y0) * (bottom - top)); }
    // Unrounded, for the curves.
    PointF At(double x, double y) const {
        return {left + (x - x0) / (x1 - x0) * (right - left),
                bottom - (y - y0) / (y1 - y0) * (bottom - top)};
    }
};
// The grid at the ticks, the axes through zero (or along the edges), the ticks' labels and the
// axes' names: the x axis's under its right end, the y axis's over its top.
void DrawChartFrame(const SynchronousScene& scene, const SynchronousChart& chart,
                    const std::vector<double>& xTicks, const std::vector<double>& yTicks,
                    std::string_view xName, std::string_view yName);

void DrawSynchronousSection(const SynchronousScene& scene, const CRect& pane);
void DrawSynchronousPhasors(const SynchronousScene& scene, const CRect& pane);
void DrawSynchronousPower(const SynchronousScene& scene, const CRect& pane);
void DrawSynchronousCurves(const SynchronousScene& scene, const CRect& pane);
void DrawSynchronousStartUp(const SynchronousScene& scene, const CRect& pane);
void DrawSynchronousReadouts(const SynchronousScene& scene, const CRect& pane,
                             const SynchronousReadouts& readouts);
