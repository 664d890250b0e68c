#include "draw/gdi_surface.h"

#include <cmath>

GdiSurface::GdiSurface() {
    m_stockPen = m_selectedPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    m_stockBrush = m_selectedBrush = CreateSolidBrush(RGB(255, 255, 255));
}

HGDIOBJ GdiSurface::CreatePen(int style, int width, COLORREF colour) {
    if (style != PS_SOLID && style != PS_DOT) return 0;
    // Dotted pens are one pixel wide whatever width was asked for; the width is kept as passed.
    const HGDIOBJ h = m_nextHandle++;
    m_objects.emplace(h, Object{true, PenInfo{style, width, colour & 0xffffff}, {}});
    return h;
}

HGDIOBJ GdiSurface::CreateSolidBrush(COLORREF colour) {
    const HGDIOBJ h = m_nextHandle++;
    m_objects.emplace(h, Object{false, {}, BrushInfo{colour & 0xffffff}});
    return h;
}

HGDIOBJ GdiSurface::SelectObject(HGDIOBJ object) {
    const auto it = m_objects.find(object);
    if (it == m_objects.end()) return 0;
    HGDIOBJ previous;
    if (it->second.isPen) {
        previous = m_selectedPen;
        m_selectedPen = object;
        m_pen = it->second.pen;
    } else {
        previous = m_selectedBrush;
        m_selectedBrush = object;
        m_brush = it->second.brush;
    }
    return previous;
}

bool GdiSurface::DeleteObject(HGDIOBJ object) {
    if (object == m_stockPen || object == m_stockBrush) return false;
    // A deleted object that is still selected keeps drawing until something replaces it.
    return m_objects.erase(object) == 1;
}

int GdiSurface::SetBkMode(int mode) {
    const int previous = m_bkMode;
    if (mode == TRANSPARENT || mode == OPAQUE) m_bkMode = mode;
    return previous;
}

int GdiSurface::SetTextSize(int pixels) {
    const int previous = m_textSize;
    if (pixels > 0) m_textSize = pixels;
    return previous;
}

COLORREF GdiSurface::SetTextColor(COLORREF colour) {
    const COLORREF previous = m_textColor;
    m_textColor = colour & 0xffffff;
    return previous;
}

bool GdiSurface::Rectangle(int l, int t, int r, int b) {
    DrawRectangle(l, t, r, b);
    return true;
}

bool GdiSurface::Ellipse(int l, int t, int r, int b) {
    DrawEllipse(l, t, r, b);
    return true;
}

void GdiSurface::MoveTo(int x, int y) {
    m_x = x;
    m_y = y;
}

bool GdiSurface::LineTo(int x, int y) {
    DrawLine(m_x, m_y, x, y);
    m_x = x;
    m_y = y;
    return true;
}

bool GdiSurface::Polyline(const PointF* points, std::size_t count) {
    if (points == nullptr && count > 0) return false;
    for (std::size_t i = 0; i < count; ++i)
        if (!std::isfinite(points[i].x) || !std::isfinite(points[i].y)) return false;
    if (count >= 2) DrawPolyline(points, count);
    return true;
}

bool GdiSurface::TextOut(int x, int y, std::string_view text) {
    DrawText(x, y, text);
    return true;
}
