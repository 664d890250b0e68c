#include <cmath>

#include "scene_layers.h"
#include "trunc.h"

void DrawVectors(CDC* pDC, int cx, int cy, const PhaseValues& f, bool showResultant,
                 const VectorPens& pens) {
    const double s3 = std::sqrt(3.0);

    const int Ux = Trunc(cx + f.Fu);
    pens.u.CreatePen(PS_SOLID, 2, RGB(255, 0, 0));
    pDC->SelectObject(pens.u.GetSafeHandle());
    pDC->MoveTo(cx, cy);
    pDC->LineTo(Ux, cy);

    const int Vx = Trunc(cx - f.Fv * 0.5);
    const int Vy = Trunc(cy - (s3 * f.Fv) * 0.5);
    pens.v.CreatePen(PS_SOLID, 2, RGB(0, 255, 0));
    pDC->SelectObject(pens.v.GetSafeHandle());
    pDC->MoveTo(cx, cy);
    pDC->LineTo(Vx, Vy);

    const int Wx = Trunc(cx - f.Fw * 0.5);
    const int Wy = Trunc((s3 * f.Fw) * 0.5 + cy);
    pens.w.CreatePen(PS_SOLID, 2, RGB(0, 0, 255));
    pDC->SelectObject(pens.w.GetSafeHandle());
    pDC->MoveTo(cx, cy);
    pDC->LineTo(Wx, Wy);

    if (!showResultant) return;

    // The construction works on the truncated tips, so it closes exactly on screen.
    const int Sx = Vx + Wx - cx;
    const int Sy = Vy + Wy - cy;
    const int Rx = Vx + Wx + Ux - 2 * cx;
    const int Ry = Sy;

    {
        CPen sum(pDC);
        sum.CreatePen(PS_SOLID, 1, RGB(192, 192, 192));
        pDC->SelectObject(sum.GetSafeHandle());
        pDC->MoveTo(cx, cy);
        pDC->LineTo(Sx, Sy);
    }
    {
        CPen resultant(pDC);
        resultant.CreatePen(PS_SOLID, 3, RGB(0, 0, 0));
        pDC->SelectObject(resultant.GetSafeHandle());
        pDC->MoveTo(cx, cy);
        pDC->LineTo(Rx, Ry);
    }
    CPen construction(pDC);
    construction.CreatePen(PS_DOT, 1, RGB(64, 64, 64));
    pDC->SelectObject(construction.GetSafeHandle());
    pDC->MoveTo(Vx, Vy);
    pDC->LineTo(Sx, Sy);
    pDC->MoveTo(Wx, Wy);
    pDC->LineTo(Sx, Sy);
    pDC->MoveTo(Ux, cy);
    pDC->LineTo(Rx, Ry);
    pDC->MoveTo(Sx, Sy);
    pDC->LineTo(Rx, Ry);
}
