#pragma once
// The same frame as vector graphics, for slides and print. Each text is one <text> element in a
// list of font families that ends in a generic one, so that a program drawing the slide with a
// font of its own keeps every label in one piece.
#include <string>

#include <QFont>

#include "draw/gdi_surface.h"
#include "views/view_table.h"

class QIODevice;

class SvgDc : public GdiSurface {
  public:
    // Writes the SVG to `device` when the surface is finished or destroyed. A viewer shows it
    // `scale` times as large as the picture's pixels.
    SvgDc(QIODevice* device, int width, int height, double scale = 1);
    ~SvgDc() override;
    // Ends the document; returns false when it could not be written.
    bool Finish();

  protected:
    void DrawRectangle(int l, int t, int r, int b) override;
    void DrawEllipse(int l, int t, int r, int b) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawPolyline(const PointF* points, std::size_t count) override;
    void DrawText(int x, int y, std::string_view text) override;

  private:
    std::string Stroke() const;
    QIODevice* m_device;
    std::string m_body;
    bool m_finished = false;
    bool m_written = false;
};

// The view's frame as SVG; false when it could not be written to `device`.
bool WriteSvgViewFrame(const ViewSettings& settings, const CanvasInputs& canvas,
                       QIODevice* device);
