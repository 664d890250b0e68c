#include "page_frame.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

// clang-format off
EM_JS(void, QueuePageText, (int x, int y, const char* text, int pixels, unsigned colour, int opaque), {
    Module["onText"](x, y, UTF8ToString(text), pixels, colour, opaque !== 0);
});
// clang-format on

namespace {

std::string Key(std::string_view context, std::string_view source) {
    std::string key(context);
    key += '\x04';
    key += source;
    return key;
}

class PageTextPainter : public TextPainter {
  public:
    void DrawText(PixelBuffer&, int x, int y, std::string_view text, int pixels, COLORREF colour,
                  bool opaque) override {
        m_text.assign(text);
        QueuePageText(x, y, m_text.c_str(), pixels, colour, opaque ? 1 : 0);
    }

  private:
    std::string m_text;  // the text with its terminating zero
};

// 0xffRRGGBB becomes the bytes R, G, B, A: red and blue change places, two pixels at a time (this
// pass costs as much as the rest of the frame).
void ToCanvasOrder(PixelBuffer& buffer) {
    const auto swap = [](std::uint64_t pixels) {
        const std::uint64_t redXorBlue = ((pixels >> 16) ^ pixels) & 0x000000ff000000ffull;
        return pixels ^ redXorBlue ^ (redXorBlue << 16);
    };
    std::uint32_t* p = buffer.pixels.data();
    const std::size_t n = buffer.pixels.size();
    std::size_t i = 0;
    for (; i + 1 < n; i += 2) {
        std::uint64_t two;
        std::memcpy(&two, p + i, sizeof two);
        two = swap(two);
        std::memcpy(p + i, &two, sizeof two);
    }
    if (i < n) p[i] = static_cast<std::uint32_t>(swap(p[i]));
}

PixelBuffer g_pixels;

}  // namespace

void PageTranslation::Add(std::string_view context, std::string_view source,
                          std::string_view text) {
    m_texts.insert_or_assign(Key(context, source), std::string(text));
}

std::string_view PageTranslation::Text(std::string_view context, std::string_view source) const {
    const auto it = m_texts.find(Key(context, source));
    return it == m_texts.end() ? std::string_view() : it->second;
}

PageChoices& ClassChoices() {
    static PageChoices settings;
    return settings;
}

double PageScale(double devicePixelRatio) {
    return std::isfinite(devicePixelRatio) ? std::clamp(devicePixelRatio, 1.0, 4.0) : 1.0;
}

bool IsShortName(const char* name) { return name != nullptr && ::strnlen(name, 65) <= 64; }

std::unique_ptr<RasterDc> MakePageSurface(int width, int height, double scale) {
    return std::make_unique<RasterDc>(width, height, scale, std::make_unique<PageTextPainter>());
}

void KeepFrame(RasterDc& dc, bool complete) {
    if (!complete) {
        g_pixels = PixelBuffer{};
        return;
    }
    g_pixels = dc.TakePixels();
    ToCanvasOrder(g_pixels);
}

extern "C" {

EMSCRIPTEN_KEEPALIVE const std::uint32_t* FramePixels() { return g_pixels.pixels.data(); }
EMSCRIPTEN_KEEPALIVE int FrameWidth() { return g_pixels.width; }
EMSCRIPTEN_KEEPALIVE int FrameHeight() { return g_pixels.height; }
// Device pixels per pixel of the picture, each way.
EMSCRIPTEN_KEEPALIVE double FrameScale() { return g_pixels.scale; }

// The palette by the name a user gives ("standard" or "safe"); 0, changing nothing, for any other.
EMSCRIPTEN_KEEPALIVE int SetPagePalette(const char* name) {
    if (!IsShortName(name)) return 0;
    const Palette* palette = PaletteNamed(name);
    if (palette == nullptr) return 0;
    ClassChoices().palette = *palette;
    return 1;
}

// The texts of the class's language, one by one; none at all is Chinese.
EMSCRIPTEN_KEEPALIVE void ClearPageTexts() { ClassChoices().translation.Clear(); }
EMSCRIPTEN_KEEPALIVE void AddPageText(const char* context, const char* source, const char* text) {
    ClassChoices().translation.Add(context, source, text);
}

}  // extern "C"
