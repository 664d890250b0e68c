#include <cmath>

#include "draw/trunc.h"
#include "field/scene_layers.h"

namespace {

struct Point {
    int x;
    int y;
};

// A cross on one coil side and a dot on the other show the direction of the phase current.
void DrawMarker(CDC* pDC, double value, Point positiveCross, Point positiveDot) {
    CPen pen(pDC);
    // The width follows the current, negative widths included: the surface draws their magnitude.
    pen.CreatePen(PS_SOLID, Trunc(value * 0.125), RGB(255, 255, 255));
    pDC->SelectObject(pen.GetSafeHandle());

    const bool positive = value > 0.0;
    const Point cross = positive ? positiveCross : positiveDot;
    const Point dot = positive ? positiveDot : positiveCross;
    const int left = Trunc(cross.x - 15.0 + 2.0), right = Trunc(cross.x + 15.0 - 2.0);
    const int top = Trunc(cross.y - 15.0 + 2.0), bottom = Trunc(cross.y + 15.0 - 2.0);
    pDC->MoveTo(left, top);
    pDC->LineTo(right, bottom);
    pDC->MoveTo(right, top);
    pDC->LineTo(left, bottom);

    pDC->MoveTo(dot.x - 2, dot.y - 2);
    pDC->LineTo(dot.x + 2, dot.y - 2);
    pDC->LineTo(dot.x + 2, dot.y + 2);
    pDC->LineTo(dot.x - 2, dot.y + 2);
    pDC->LineTo(dot.x - 2, dot.y - 2);
}

void DrawDisc(CDC* pDC, int x, int y) { pDC->Ellipse(x - 20, y - 20, x + 20, y + 20); }

}  // namespace

void DrawStator(CDC* pDC, int cx, int cy, const PhaseValues& f, const SceneBrushes& brushes,
                CPen& outlinePen, const Translation* translation) {
    auto label = [translation](const char* text) { return Tr(translation, "Scene", text); };
    const double s3 = std::sqrt(3.0);
    const double d65 = s3 * 65.0;
    const int xL = Trunc(cx - d65);
    const int xR = Trunc(cx + d65);
    const double d77 = s3 * 77.0;
    const double d10 = s3 * 10.0;
    const int yv = Trunc(cy - d65);
    const int yw = Trunc(cy + d65);

    pDC->Ellipse(cx - 154, cy - 154, cx + 154, cy + 154);

    pDC->SelectObject(brushes.red.GetSafeHandle());
    DrawDisc(pDC, cx, cy - 130);
    DrawDisc(pDC, cx, cy + 130);
    pDC->SelectObject(brushes.green.GetSafeHandle());
    DrawDisc(pDC, xR, cy - 65);
    DrawDisc(pDC, xL, cy + 65);
    pDC->SelectObject(brushes.blue.GetSafeHandle());
    DrawDisc(pDC, xL, cy - 65);
    DrawDisc(pDC, xR, cy + 65);

    pDC->SetBkMode(TRANSPARENT);
    pDC->TextOut(cx - 30, cy - 204, label(QT_TRANSLATE_NOOP("Scene", "旋转磁动势")));
    pDC->TextOut(cx - 10, cy - 174, label(QT_TRANSLATE_NOOP("Scene", "U相")));
    pDC->TextOut(Trunc(cx + d77), cy - 97, label(QT_TRANSLATE_NOOP("Scene", "V相")));
    pDC->TextOut(Trunc(cx - d77 - 30.0), cy - 97, label(QT_TRANSLATE_NOOP("Scene", "W相")));

    pDC->SelectObject(outlinePen.GetSafeHandle());
    pDC->MoveTo(cx + 110, cy);
    pDC->LineTo(cx + 150, cy);
    pDC->LineTo(cx + 142, cy - 2);
    pDC->MoveTo(cx + 150, cy);
    pDC->LineTo(cx + 142, cy + 2);
    pDC->TextOut(cx + 130, cy - 20, "Bu+");

    const double v = yv;
    pDC->MoveTo(cx - 55, Trunc(v + d10));
    pDC->LineTo(cx - 75, Trunc(v - d10));
    pDC->LineTo(cx - 69, Trunc(v - d10 + 4.0));
    pDC->MoveTo(cx - 75, Trunc(v - d10));
    pDC->LineTo(cx - 74, Trunc(v - d10 + 7.0));
    pDC->TextOut(cx - 60, yv - 10, "Bv+");

    const double w = yw;
    pDC->MoveTo(cx - 55, Trunc(w - d10));
    pDC->LineTo(cx - 75, Trunc(w + d10));
    pDC->LineTo(cx - 69, Trunc(w + d10 - 4.0));
    pDC->MoveTo(cx - 75, Trunc(w + d10));
    pDC->LineTo(cx - 74, Trunc(w + d10 - 7.0));
    pDC->TextOut(cx - 60, yw, "Bw+");

    DrawMarker(pDC, f.Fu, {cx, cy + 130}, {cx, cy - 130});
    DrawMarker(pDC, f.Fv, {xR, cy - 65}, {xL, cy + 65});
    DrawMarker(pDC, f.Fw, {xL, cy - 65}, {xR, cy + 65});
}
