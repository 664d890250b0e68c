#pragma once
// Text is the one thing the raster surface does not draw itself: it hands each text to a painter
// that the host supplies (Qt on the desktop, the page's canvas in the browser).
#include <string_view>

#include "draw/pixel_buffer.h"
#include "draw/surface.h"

class TextPainter {
  public:
    virtual ~TextPainter() = default;
    // `text` (UTF-8) with its top-left corner at (x, y) in pixels of the picture, `pixels` high,
    // in `colour`; on a white box when `opaque`. Drawn on `buffer`, whose scale says how many
    // device pixels a pixel of the picture has.
    virtual void DrawText(PixelBuffer& buffer, int x, int y, std::string_view text, int pixels,
                          COLORREF colour, bool opaque) = 0;
    // The frame is done: whatever the painter holds back must now be in `buffer`.
    virtual void Finish(PixelBuffer& buffer) { (void)buffer; }
};
