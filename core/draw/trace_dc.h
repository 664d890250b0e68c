#pragma once
// A surface that records each primitive as one line of text, in call order.
#include <string>

#include "draw/gdi_surface.h"

class TraceDc : public GdiSurface {
  public:
    std::string Text() const { return m_text; }

  protected:
    void DrawRectangle(int l, int t, int r, int b) override;
    void DrawEllipse(int l, int t, int r, int b) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawText(int x, int y, std::string_view text) override;

  private:
    void Shape(const char* kind, int l, int t, int r, int b);
    void AppendPen();
    std::string m_text;
};
