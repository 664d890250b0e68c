#pragma once
// The same frame as vector graphics, for slides and print.
#include <QPainter>
#include <QSvgGenerator>

#include "explorer_frame.h"
#include "frame.h"
#include "gdi_surface.h"

class SvgDc : public GdiSurface {
  public:
    // Writes the SVG to `device` when the surface is finished or destroyed.
    SvgDc(QIODevice* device, int width, int height);
    ~SvgDc() override;
    // Ends the document; returns false when it could not be written.
    bool Finish();

  protected:
    void DrawRectangle(int l, int t, int r, int b) override;
    void DrawEllipse(int l, int t, int r, int b) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawText(int x, int y, std::string_view text) override;

  private:
    QPen OutlinePen() const;
    void UseTextSize(int pixels);
    QSvgGenerator m_generator;
    QPainter m_painter;
    QString m_family;  // the family that really draws the glyphs
    int m_textPixels = 0;
};

// The frame of `inputs` as SVG; false when it could not be written to `device`.
bool WriteSvgFrame(const FrameInputs& inputs, QIODevice* device);
bool WriteSvgExplorerFrame(const ExplorerInputs& inputs, QIODevice* device);
