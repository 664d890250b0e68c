#pragma once
// Frames as vector graphics in a PDF, for printed handouts: the surface interface drawn through
// a QPainter on a QPdfWriter. Lines, discs and boxes stay paths and the texts stay text, in the
// scene's fonts, which the PDF embeds. The caller places the frame on the page with the
// painter's transform: one pixel of the frame is one unit of it.
#include "draw/gdi_surface.h"

class QPainter;

class PdfDc : public GdiSurface {
  public:
    // Draws on `painter`, which stays the caller's; `width` x `height` is the frame's canvas,
    // painted black first like every surface's.
    PdfDc(QPainter& painter, int width, int height);

  protected:
    void DrawRectangle(int l, int t, int r, int b) override;
    void DrawEllipse(int l, int t, int r, int b) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawPolyline(const PointF* points, std::size_t count) override;
    void DrawText(int x, int y, std::string_view text) override;

  private:
    void UsePen();
    QPainter& m_painter;
};
