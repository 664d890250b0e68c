#pragma once
// The three layers of a frame, in the order DrawScene draws them.
#include "draw/gdi_objects.h"
#include "field/phase_model.h"
#include "text/palette.h"
#include "text/translation.h"

struct SceneBrushes {
    CBrush& white;
    CBrush& red;
    CBrush& green;
    CBrush& blue;
};

struct VectorPens {
    CPen& u;
    CPen& v;
    CPen& w;
};

// Expects the outline pen and the white brush selected and transparent background mode.
void DrawStator(CDC* pDC, int cx, int cy, const PhaseValues& f, const SceneBrushes& brushes,
                CPen& outlinePen, const Translation* translation);

// Creates the three vector pens (kept alive for the chart) and, when asked, the resultant.
void DrawVectors(CDC* pDC, int cx, int cy, const PhaseValues& f, bool showResultant,
                 const VectorPens& pens, const Palette& palette);

// Expects the outline pen selected.
void DrawChart(CDC* pDC, const CRect& rc, int y0, int step, const VectorPens& pens,
               const Translation* translation);
