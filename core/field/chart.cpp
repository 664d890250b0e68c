#include <cmath>

#include "draw/trunc.h"
#include "field/scene_layers.h"

namespace {

constexpr int kChartLeft = 50;
constexpr int kStepWidth = 6;

// Each end point is computed afresh, so a segment never inherits a rounding of its neighbour.
int TraceY(int y0, int j, double offset) {
    return Trunc(y0 - 70.0 * std::cos(j * STEP_ANGLE + offset));
}

void DrawTrace(CDC* pDC, int y0, int step, double offset, CPen& pen) {
    pDC->SelectObject(pen.GetSafeHandle());
    for (int i = 1; i <= step; ++i) {
        pDC->MoveTo(kChartLeft + kStepWidth * (i - 1), TraceY(y0, i - 1, offset));
        pDC->LineTo(kChartLeft + kStepWidth * i, TraceY(y0, i, offset));
    }
}

}  // namespace

void DrawChart(CDC* pDC, const CRect& rc, int y0, int step, const VectorPens& pens,
               const Translation* translation) {
    auto label = [translation](const char* text) { return Tr(translation, "Scene", text); };
    pDC->MoveTo(kChartLeft, y0);
    pDC->LineTo(rc.right - rc.left - 10, y0);
    pDC->MoveTo(kChartLeft, y0 - 100);
    pDC->LineTo(kChartLeft, y0 + 100);
    pDC->MoveTo(kChartLeft, y0 + 90);
    pDC->LineTo(266, y0 + 90);
    pDC->MoveTo(266, y0 + 80);
    pDC->LineTo(266, y0 + 100);
    pDC->TextOut(138, y0 + 73, label(QT_TRANSLATE_NOOP("Scene", "周期T")));

    if (step >= 1) {
        DrawTrace(pDC, y0, step, 0.0, pens.u);
        DrawTrace(pDC, y0, step, -PHASE_SHIFT, pens.v);
        DrawTrace(pDC, y0, step, PHASE_SHIFT, pens.w);
    }

    const double base = y0 - 70.0;
    const int titleY = Trunc(base - 50.0);
    const int letterY = Trunc(base - 20.0);
    pDC->TextOut(rc.right / 2 - 50, titleY, label(QT_TRANSLATE_NOOP("Scene", "三相交流电")));
    // Each letter stands over the positive peak of its phase.
    static constexpr struct {
        int x;
        const char* text;
    } kLetters[] = {{50, "U"},  {117, "V"}, {189, "W"}, {261, "U"},
                    {333, "V"}, {405, "W"}, {477, "U"}};
    for (const auto& letter : kLetters) pDC->TextOut(letter.x, letterY, letter.text);
}
