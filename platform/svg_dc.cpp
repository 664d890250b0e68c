#include "svg_dc.h"

#include <QFontInfo>

#include "scene_font.h"

namespace {
QColor ToColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }
}  // namespace

SvgDc::SvgDc(QIODevice* device, int width, int height) {
    m_generator.setOutputDevice(device);
    m_generator.setSize(QSize(width, height));
    m_generator.setResolution(96);  // one pixel is one CSS pixel in any viewer
    m_generator.setViewBox(QRect(0, 0, width, height));
    m_generator.setTitle("vesk");
    m_generator.setDescription("Rotating magnetic field of a three-phase stator");
    m_painter.begin(&m_generator);
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    // Name the family that really draws the glyphs, so that viewers lay the text out as we do.
    m_family = QFontInfo(SceneFont(kDefaultTextPixels)).family();
    UseTextSize(kDefaultTextPixels);
    m_painter.fillRect(QRect(0, 0, width, height), Qt::black);
}

SvgDc::~SvgDc() { Finish(); }

void SvgDc::UseTextSize(int pixels) {
    if (pixels == m_textPixels) return;
    QFont font = SceneFont(pixels);
    font.setFamilies({m_family});
    m_painter.setFont(font);
    m_textPixels = pixels;
}

bool SvgDc::Finish() { return !m_painter.isActive() || m_painter.end(); }

// Geometry sits on pixel centres, so a one-pixel outline covers the same pixels as on the raster.
QPen SvgDc::OutlinePen() const {
    const bool dotted = Pen().style == PS_DOT;
    const int width = dotted ? 1 : Pen().DrawnWidth();
    QPen pen(ToColor(Pen().colour), width, dotted ? Qt::DotLine : Qt::SolidLine,
             width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin);
    return pen;
}

void SvgDc::DrawRectangle(int l, int t, int r, int b) {
    m_painter.fillRect(QRectF(l, t, r - l, b - t), ToColor(Brush().colour));
    m_painter.setPen(OutlinePen());
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1));
}

void SvgDc::DrawEllipse(int l, int t, int r, int b) {
    m_painter.setPen(OutlinePen());
    m_painter.setBrush(ToColor(Brush().colour));
    m_painter.drawEllipse(QRectF(l + 0.5, t + 0.5, r - l - 1, b - t - 1));
}

void SvgDc::DrawLine(int x1, int y1, int x2, int y2) {
    const QPen pen = OutlinePen();
    const double offset = pen.width() % 2 == 1 ? 0.5 : 0.0;
    m_painter.setPen(pen);
    m_painter.drawLine(QPointF(x1 + offset, y1 + offset), QPointF(x2 + offset, y2 + offset));
}

void SvgDc::DrawText(int x, int y, std::string_view text) {
    UseTextSize(TextSize());
    DrawSceneText(m_painter, x, y, text, ToColor(TextColor()), BkMode() == OPAQUE);
}

bool WriteSvgFrame(const FrameInputs& inputs, QIODevice* device) {
    SvgDc dc(device, inputs.width, inputs.height);
    DrawFrame(inputs, dc);
    return dc.Finish();
}

bool WriteSvgExplorerFrame(const ExplorerInputs& inputs, QIODevice* device) {
    SvgDc dc(device, inputs.width, inputs.height);
    DrawExplorerFrame(inputs, dc);
    return dc.Finish();
}
