#include "field/frame.h"

#include <cmath>

#include "field/scene_layers.h"
#include "text/text_format.h"

SceneAnchors ComputeAnchors(const CRect& rc) {
    return {(rc.left + rc.right) / 2, (3 * (rc.top + rc.bottom)) / 4, (rc.top + rc.bottom) / 4};
}

namespace {

void DrawLayers(const FrameInputs& in, const PhaseValues& f, CDC* pDC) {
    const CRect rc{0, 0, in.width, in.height};
    CBrush white(pDC, RGB(255, 255, 255));
    CBrush red(pDC, in.palette.phase[0]);
    CBrush green(pDC, in.palette.phase[1]);
    CBrush blue(pDC, in.palette.phase[2]);
    pDC->SelectObject(white.GetSafeHandle());
    pDC->Rectangle(rc);
    pDC->SetBkMode(TRANSPARENT);

    CPen outline(pDC);
    outline.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    pDC->SelectObject(outline.GetSafeHandle());

    const SceneAnchors a = ComputeAnchors(rc);
    DrawStator(pDC, a.cx, a.cy, f, {white, red, green, blue}, outline, in.translation);

    CPen penU(pDC), penV(pDC), penW(pDC);
    const VectorPens pens{penU, penV, penW};
    DrawVectors(pDC, a.cx, a.cy, f, in.showResultant, pens, in.palette);

    pDC->SelectObject(outline.GetSafeHandle());
    // A chart of step 0 has no traces yet.
    DrawChart(pDC, rc, a.y0, in.showCurves ? in.step : 0, pens, in.translation);

    penU.DeleteObject();
    penV.DeleteObject();
    penW.DeleteObject();
    outline.DeleteObject();
    white.DeleteObject();
    red.DeleteObject();
    green.DeleteObject();
    blue.DeleteObject();
}

// As the readouts say it, with the direction in whole degrees.
std::string Describe(const FrameInputs& in, const Readouts& r, int direction) {
    return FormatText(Tr(in.translation, "CFieldDemoDialog",
                         QT_TRANSLATE_NOOP("CFieldDemoDialog",
                                           "第 %1 步，ωt = %2°。U 相 %3，V 相 %4，W 相 "
                                           "%5。合成磁动势指向 %6°（从 U 相轴线逆时针量起）。")),
                      {std::to_string(in.step), std::to_string(10 * in.step), r.ampU, r.ampV,
                       r.ampW, std::to_string(direction)});
}

}  // namespace

FrameResult DrawFrame(const FrameInputs& in, CDC& surface) {
    // Drawn with whatever the surface has selected, as the first thing on a fresh surface.
    surface.Rectangle(0, 0, in.width, in.height);
    const PhaseValues f = ComputePhases(in.step);
    FrameResult result;
    result.readouts = FormatReadouts(in.step, f);
    result.direction = static_cast<int>(std::lround(ResultantDirection(f))) % 360;
    result.description = Describe(in, result.readouts, result.direction);
    try {
        DrawLayers(in, f, &surface);
    } catch (const CResourceException&) {
        result.complete = false;
    }
    return result;
}
