#include "pdf_dc.h"

#include <vector>

#include <QPainter>
#include <QPen>

#include "scene_font.h"

namespace {

QColor Colour(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

}  // namespace

PdfDc::PdfDc(QPainter& painter, int width, int height) : m_painter(painter) {
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.fillRect(QRectF(0, 0, width, height), Qt::black);
}

// The geometry of the SVG surface: outlines on pixel centres, so that they cover the pixels the
// raster covers; round ends on wide pens, dotted lines one on and two off.
void PdfDc::UsePen() {
    const bool dotted = Pen().style == PS_DOT;
    const int width = dotted ? 1 : Pen().DrawnWidth();
    QPen pen(Colour(Pen().colour), width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::FlatCap);
    if (dotted) pen.setDashPattern({1.0, 2.0});
    m_painter.setPen(pen);
}

void PdfDc::DrawRectangle(int l, int t, int r, int b) {
    m_painter.fillRect(QRectF(l, t, r - l, b - t), Colour(Brush().colour));
    UsePen();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1));
}

void PdfDc::DrawEllipse(int l, int t, int r, int b) {
    UsePen();
    m_painter.setBrush(Colour(Brush().colour));
    m_painter.drawEllipse(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1));
}

void PdfDc::DrawLine(int x1, int y1, int x2, int y2) {
    UsePen();
    const bool odd = (Pen().style == PS_DOT ? 1 : Pen().DrawnWidth()) % 2 == 1;
    const double o = odd ? 0.5 : 0.0;
    m_painter.drawLine(QPointF(x1 + o, y1 + o), QPointF(x2 + o, y2 + o));
}

void PdfDc::DrawPolyline(const PointF* points, std::size_t count) {
    UsePen();
    const bool odd = (Pen().style == PS_DOT ? 1 : Pen().DrawnWidth()) % 2 == 1;
    const double o = odd ? 0.5 : 0.0;
    std::vector<QPointF> path;
    path.reserve(count);
    for (std::size_t i = 0; i < count; ++i) path.emplace_back(points[i].x + o, points[i].y + o);
    m_painter.drawPolyline(path.data(), static_cast<int>(path.size()));
}

void PdfDc::DrawText(int x, int y, std::string_view text) {
    m_painter.setFont(SceneFont(TextSize()));
    DrawSceneText(m_painter, x, y, text, Colour(TextColor()), BkMode() == OPAQUE);
}
