#include <cmath>

#include "draw/trunc.h"
#include "field/scene_layers.h"

namespace {

// The phase's letter beside the tip of its vector, a little to its counter-clockwise side, so that
// the resultant, which runs along a vector at its peak, never covers it. The direction is the
// vector's, or the phase's axis when the vector has no length.
void DrawTipLetter(CDC* pDC, int tipX, int tipY, double value, double axisX, double axisY,
                   const char* letter) {
    const double sign = value < 0.0 ? -1.0 : 1.0;
    const double dx = sign * axisX, dy = sign * axisY;  // along the vector, y downward
    const double cx = tipX + 4.0 * dx + 10.0 * dy, cy = tipY + 4.0 * dy - 10.0 * dx;
    pDC->TextOut(Trunc(cx - 4.0), Trunc(cy - 6.0), letter);
}

}  // namespace

void DrawVectors(CDC* pDC, int cx, int cy, const PhaseValues& f, bool showResultant,
                 const VectorPens& pens, const Palette& palette) {
    const double s3 = std::sqrt(3.0);

    const int Ux = Trunc(cx + f.Fu);
    pens.u.CreatePen(PS_SOLID, 2, palette.phase[0]);
    pDC->SelectObject(pens.u.GetSafeHandle());
    pDC->MoveTo(cx, cy);
    pDC->LineTo(Ux, cy);

    const int Vx = Trunc(cx - f.Fv * 0.5);
    const int Vy = Trunc(cy - (s3 * f.Fv) * 0.5);
    pens.v.CreatePen(PS_SOLID, 2, palette.phase[1]);
    pDC->SelectObject(pens.v.GetSafeHandle());
    pDC->MoveTo(cx, cy);
    pDC->LineTo(Vx, Vy);

    const int Wx = Trunc(cx - f.Fw * 0.5);
    const int Wy = Trunc((s3 * f.Fw) * 0.5 + cy);
    pens.w.CreatePen(PS_SOLID, 2, palette.phase[2]);
    pDC->SelectObject(pens.w.GetSafeHandle());
    pDC->MoveTo(cx, cy);
    pDC->LineTo(Wx, Wy);

    if (palette.lettersAtTips) {
        const double half = s3 * 0.5;
        DrawTipLetter(pDC, Ux, cy, f.Fu, 1.0, 0.0, "U");
        DrawTipLetter(pDC, Vx, Vy, f.Fv, -0.5, -half, "V");
        DrawTipLetter(pDC, Wx, Wy, f.Fw, -0.5, half, "W");
    }

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
