#pragma once
// What the page's views share in WebAssembly: the class's palette and language, set from the
// page, and the frame last drawn. Its pixels stay here, already in the byte order of the canvas's
// image data, for the page to put on its canvas; its texts go back to the page one by one, to be
// written with the canvas's own fillText on top of the pixels.
#include <map>
#include <memory>
#include <string>

#include "draw/raster_dc.h"
#include "text/palette.h"
#include "text/translation.h"

// The texts of the class's language, as the page hands them in from its catalogue.
class PageTranslation : public Translation {
  public:
    void Add(std::string_view context, std::string_view source, std::string_view text);
    void Clear() { m_texts.clear(); }
    bool Empty() const { return m_texts.empty(); }
    std::string_view Text(std::string_view context, std::string_view source) const override;

  private:
    std::map<std::string, std::string, std::less<>> m_texts;  // by context '\x04' source
};

struct PageChoices {
    Palette palette = kStandardPalette;
    PageTranslation translation;
    // Chinese, the texts as written, when nothing was handed in.
    const Translation* Language() const { return translation.Empty() ? nullptr : &translation; }
};
PageChoices& ClassChoices();

// The raster scale for a screen of `devicePixelRatio` device pixels per pixel: from 1 up to 4,
// which is 20 MB for the main window and more than any screen needs.
double PageScale(double devicePixelRatio);

// Whether `name`, handed in from the page's address, is short enough to be any name the page
// knows (at most 64 bytes); longer ones are looked at no further.
bool IsShortName(const char* name);

// A surface for a frame of `width` x `height` pixels whose texts go to the page.
std::unique_ptr<RasterDc> MakePageSurface(int width, int height, double scale);

// Keeps the pixels of the frame drawn on `dc` for the page, or none when it was abandoned.
void KeepFrame(RasterDc& dc, bool complete);
