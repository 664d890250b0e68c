#include "qt_text_painter.h"

#include "scene_font.h"

void QtTextPainter::DrawText(PixelBuffer& buffer, int x, int y, std::string_view text, int pixels,
                             COLORREF colour, bool opaque) {
    if (!m_painter) {
        m_view = QImage(reinterpret_cast<uchar*>(buffer.pixels.data()), buffer.width, buffer.height,
                        static_cast<qsizetype>(buffer.width) * 4, QImage::Format_RGB32);
        // Painter coordinates are the picture's pixels; glyphs are drawn at device resolution.
        m_view.setDevicePixelRatio(buffer.scale);
        m_painter = std::make_unique<QPainter>(&m_view);
        m_pixels = 0;
    }
    if (pixels != m_pixels) {
        m_painter->setFont(SceneFont(pixels));
        m_pixels = pixels;
    }
    DrawSceneText(*m_painter, x, y, text,
                  QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)), opaque);
}

void QtTextPainter::Finish(PixelBuffer&) {
    m_painter.reset();
    m_view = QImage();
}
