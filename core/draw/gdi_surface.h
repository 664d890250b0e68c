#pragma once
// The state every surface shares: its pens and brushes, the selected ones, the current position
// and the background mode. Concrete surfaces only draw the primitives.
#include <unordered_map>

#include "draw/surface.h"

struct PenInfo {
    int style = PS_SOLID;
    int width = 1;  // as passed: 0 and negative widths are kept
    COLORREF colour = RGB(0, 0, 0);
    // What the width means on a surface: 0 is one pixel, a negative width its magnitude.
    int DrawnWidth() const { return width == 0 ? 1 : (width < 0 ? -width : width); }
};

struct BrushInfo {
    COLORREF colour = RGB(255, 255, 255);
};

class GdiSurface : public CDC {
  public:
    GdiSurface();

    HGDIOBJ CreatePen(int style, int width, COLORREF colour) override;
    HGDIOBJ CreateSolidBrush(COLORREF colour) override;
    HGDIOBJ SelectObject(HGDIOBJ object) override;
    bool DeleteObject(HGDIOBJ object) override;
    int SetBkMode(int mode) override;
    int SetTextSize(int pixels) override;
    COLORREF SetTextColor(COLORREF colour) override;

    bool Rectangle(int l, int t, int r, int b) override;
    bool Ellipse(int l, int t, int r, int b) override;
    void MoveTo(int x, int y) override;
    bool LineTo(int x, int y) override;
    bool Polyline(const PointF* points, std::size_t count) override;
    bool TextOut(int x, int y, std::string_view text) override;
    using CDC::Polyline;
    using CDC::Rectangle;

    // Pens and brushes created and not yet deleted (the stock ones not counted).
    int LiveObjects() const { return static_cast<int>(m_objects.size()) - 2; }

  protected:
    const PenInfo& Pen() const { return m_pen; }
    const BrushInfo& Brush() const { return m_brush; }
    int BkMode() const { return m_bkMode; }
    int TextSize() const { return m_textSize; }
    COLORREF TextColor() const { return m_textColor; }

    virtual void DrawRectangle(int l, int t, int r, int b) = 0;
    virtual void DrawEllipse(int l, int t, int r, int b) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // At least two points, all finite.
    virtual void DrawPolyline(const PointF* points, std::size_t count) = 0;
    virtual void DrawText(int x, int y, std::string_view text) = 0;

  private:
    struct Object {
        bool isPen;
        PenInfo pen;
        BrushInfo brush;
    };
    std::unordered_map<HGDIOBJ, Object> m_objects;
    HGDIOBJ m_nextHandle = 1;
    HGDIOBJ m_stockPen = 0;
    HGDIOBJ m_stockBrush = 0;
    HGDIOBJ m_selectedPen = 0;
    HGDIOBJ m_selectedBrush = 0;
    PenInfo m_pen;
    BrushInfo m_brush;
    int m_bkMode = OPAQUE;
    int m_textSize = kDefaultTextPixels;
    COLORREF m_textColor = RGB(0, 0, 0);
    int m_x = 0;
    int m_y = 0;
};
