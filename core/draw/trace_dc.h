#pragma once
// A surface that records each primitive as one line of text, in call order:
//   rect L T R B pen STYLE WIDTH RRGGBB brush RRGGBB      (ellipse likewise)
//   line X1 Y1 X2 Y2 pen STYLE WIDTH RRGGBB
//   polyline N X1 Y1 ... XN YN pen STYLE WIDTH RRGGBB     to 0.01 pixel, no trailing zeros
//   text X Y TEXT
#include <string>

#include "draw/gdi_surface.h"

class TraceDc : public GdiSurface {
  public:
    std::string Text() const { return m_text; }

  protected:
    void DrawRectangle(int l, int t, int r, int b) override;
    void DrawEllipse(int l, int t, int r, int b) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawPolyline(const PointF* points, std::size_t count) override;
    void DrawText(int x, int y, std::string_view text) override;

  private:
    void Shape(const char* kind, int l, int t, int r, int b);
    void AppendPen();
    std::string m_text;
};
