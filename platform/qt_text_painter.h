#pragma once
// The desktop's text painter: QPainter on the raster surface's own pixels, in the scene's font.
#include <memory>
#include <string_view>

#include <QImage>
#include <QPainter>

#include "draw/text_painter.h"

class QtTextPainter : public TextPainter {
  public:
    void DrawText(PixelBuffer& buffer, int x, int y, std::string_view text, int pixels,
                  COLORREF colour, bool opaque) override;
    void Finish(PixelBuffer& buffer) override;

  private:
    // Opened at the first text and kept for the frame: most frames write over a dozen labels.
    QImage m_view;
    std::unique_ptr<QPainter> m_painter;
    int m_pixels = 0;
};
