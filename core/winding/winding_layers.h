#pragma once
// The panes of the windings view and what they share: the winding's plan, currents and MMF at
// this step, the scale and the colours. Every coordinate is rounded to the nearest pixel.
#include <string>
#include <string_view>
#include <vector>

#include "explorer/explorer_layers.h"
#include "winding/winding_frame.h"

constexpr COLORREF kStatorIron = RGB(210, 210, 210);
constexpr COLORREF kRotorIron = RGB(232, 232, 232);
constexpr COLORREF kFluxColour = RGB(70, 70, 70);
// No text is smaller than this, in pixels of the picture (device-independent), however small the
// canvas: a class reads it from the back of the room.
constexpr int kMinTextSize = 12;

struct WindingScene {
    const WindingInputs& inputs;
    const WindingField& field;
    const std::vector<SlotConductors>& plan;
    const std::array<double, 3>& currents;
    const AirGapWave& wave;
    double unit;  // pixels of the canvas per pixel of the 1024x768 design
    CDC* dc;

    int Size(double design) const { return std::max(1, Px(design * unit)); }
    // A text `design` pixels high at the design size, never below kMinTextSize.
    int TextSize(double design) const { return std::max(kMinTextSize, Size(design)); }
    COLORREF Phase(int x) const { return inputs.palette.phase[x]; }
    std::string_view Tr(std::string_view source) const {
        return ::Tr(inputs.translation, "Windings", source);
    }
    void Text(int x, int y, std::string_view text, double design, COLORREF colour) const {
        dc->SetTextSize(TextSize(design));
        dc->SetTextColor(colour);
        dc->TextOut(x, y, text);
    }
    void Title(const CRect& pane, std::string_view title) const {
        Text(pane.left + Size(14), pane.top + Size(10), title, 22, kInk);
    }
    // The first row below a pane's title.
    int BelowTitle(const CRect& pane) const { return pane.top + Size(10) + TextSize(22) + Size(6); }
};

// "U", "−W", ...: a conductor as the zone plan writes it.
std::string ConductorName(const Conductor& c);
// "%.1f" etc. with a true minus sign.
std::string WindingFigure(const char* format, double value);

void DrawWindingSection(const WindingScene& scene, const CRect& pane);
void DrawWindingMmf(const WindingScene& scene, const CRect& pane);
void DrawWindingSpectrum(const WindingScene& scene, const CRect& pane);
void DrawWindingTable(const WindingScene& scene, const CRect& pane);
void DrawWindingReadouts(const WindingScene& scene, const CRect& pane, const WindingReadouts& r);
