#pragma once
// A surface of pixels. Lines, rectangles and ellipses are rasterised here, so that every pixel
// rule holds exactly: one-pixel lines leave out their end pixel, wide lines have round ends and
// joins, fills cover l <= x < r, t <= y < b. Text goes to the host's text painter.
#include <cstdint>
#include <memory>

#include "draw/gdi_surface.h"
#include "draw/pixel_buffer.h"
#include "draw/text_painter.h"

class RasterDc : public GdiSurface {
  public:
    // A fresh surface is black, like a new bitmap. With a `scale` above 1 (a HiDPI screen, an
    // enlarged window, a slide) every pixel of the picture covers `scale` device pixels each way,
    // and every shape and glyph is rasterised at that resolution rather than enlarged afterwards.
    // Scales go in quarters from 1 to 8; a pixel edge x lies at round(x * scale) on the device.
    // Without a text painter, texts are passed over.
    RasterDc(int width, int height, double scale = 1, std::unique_ptr<TextPainter> text = nullptr);
    ~RasterDc() override;

    const PixelBuffer& Pixels() const { return m_buffer; }
    // The finished frame; the surface is left empty.
    PixelBuffer TakePixels();

  protected:
    void DrawRectangle(int l, int t, int r, int b) override;
    void DrawEllipse(int l, int t, int r, int b) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawPolyline(const PointF* points, std::size_t count) override;
    void DrawText(int x, int y, std::string_view text) override;

  private:
    using Pixel = std::uint32_t;
    Pixel* Row(int y) { return m_buffer.Row(y); }
    int Device(int x) const;
    void Plot(int x, int y, Pixel colour);  // one pixel of the picture: scale x scale device pixels
    // Device pixels.
    void FillSpan(int y, int x0, int x1, Pixel colour);
    void FillBox(int l, int t, int r, int b, Pixel colour);
    long long ThinLine(int x1, int y1, int x2, int y2, Pixel colour, bool dotted,
                       long long phase = 0);
    void WideLine(int x1, int y1, int x2, int y2, int width, Pixel colour);
    void Band(long long ax2, long long ay2, long long bx2, long long by2, int width, Pixel colour);
    void Outline(int l, int t, int r, int b);
    void EllipseRing(int l, int t, int r, int b, Pixel colour, bool fill, Pixel fillColour);
    void PenLine(int x1, int y1, int x2, int y2);

    int m_num = 1;  // the scale, p / q
    int m_den = 1;
    PixelBuffer m_buffer;
    std::unique_ptr<TextPainter> m_text;
};
