#include "scene.h"

#include "scene_layers.h"

SceneAnchors ComputeAnchors(const CRect& rc) {
    return {(rc.left + rc.right) / 2, (3 * (rc.top + rc.bottom)) / 4, (rc.top + rc.bottom) / 4};
}

void DrawScene(SceneHost& host, CDC* pDC, int step) {
    const CRect rc = host.GetCanvasRect();
    // Drawn with whatever the surface has selected, as the first thing on a fresh surface.
    pDC->Rectangle(rc);

    const PhaseValues f = ComputePhases(step);
    host.PushReadouts(FormatReadouts(step, f));

    CBrush white(pDC, RGB(255, 255, 255));
    CBrush red(pDC, RGB(255, 0, 0));
    CBrush green(pDC, RGB(0, 255, 0));
    CBrush blue(pDC, RGB(0, 0, 255));
    pDC->SelectObject(white.GetSafeHandle());
    pDC->Rectangle(rc);
    pDC->SetBkMode(TRANSPARENT);

    CPen outline(pDC);
    outline.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    pDC->SelectObject(outline.GetSafeHandle());

    const SceneAnchors a = ComputeAnchors(rc);
    DrawStator(pDC, a.cx, a.cy, f, {white, red, green, blue}, outline);

    CPen penU(pDC), penV(pDC), penW(pDC);
    const VectorPens pens{penU, penV, penW};
    DrawVectors(pDC, a.cx, a.cy, f, host.ShowResultant(), pens);

    pDC->SelectObject(outline.GetSafeHandle());
    DrawChart(pDC, rc, a.y0, step, pens);

    penU.DeleteObject();
    penV.DeleteObject();
    penW.DeleteObject();
    outline.DeleteObject();
    white.DeleteObject();
    red.DeleteObject();
    green.DeleteObject();
    blue.DeleteObject();
}
