#pragma once
// A surface of pixels. Lines, rectangles and ellipses are rasterised here rather than by QPainter,
// so that every pixel rule holds exactly: one-pixel lines leave out their end pixel, wide lines
// have round ends and joins, fills cover l <= x < r, t <= y < b.
#include <memory>

#include <QImage>
#include <QPainter>

#include "gdi_surface.h"

class RasterDc : public GdiSurface {
  public:
    // A fresh surface is black, like a new bitmap. With a `scale` above 1 (a HiDPI screen) the
    // image has scale x scale device pixels per pixel and its device pixel ratio set, and every
    // shape and glyph is rasterised at that resolution rather than enlarged afterwards.
    RasterDc(int width, int height, int scale = 1);
    ~RasterDc() override;

    const QImage& Image() const { return m_image; }
    QImage TakeImage();

  protected:
    void DrawRectangle(int l, int t, int r, int b) override;
    void DrawEllipse(int l, int t, int r, int b) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawText(int x, int y, std::string_view text) override;

  private:
    QRgb* Row(int y) { return m_bits + static_cast<qsizetype>(y) * m_stride; }
    void Plot(int x, int y, QRgb colour);  // one pixel of the scene: scale x scale device pixels
    // Device pixels.
    void FillSpan(int y, int x0, int x1, QRgb colour);
    void FillBox(int l, int t, int r, int b, QRgb colour);
    void ThinLine(int x1, int y1, int x2, int y2, QRgb colour, bool dotted);
    void WideLine(int x1, int y1, int x2, int y2, int width, QRgb colour);
    void Outline(int l, int t, int r, int b);
    void EllipseRing(int l, int t, int r, int b, QRgb colour, bool fill, QRgb fillColour);
    void PenLine(int x1, int y1, int x2, int y2);

    int m_scale;
    QImage m_image;
    QRgb* m_bits;  // the image's pixels, detached once: drawing writes them directly
    qsizetype m_stride;
    // Opened at the first text and kept for the frame: most frames write over a dozen labels.
    std::unique_ptr<QPainter> m_textPainter;
};
