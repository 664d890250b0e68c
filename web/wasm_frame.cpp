// The page's way into the core: one frame of the main window drawn on a raster surface. Its pixels
// stay here, already in the byte order of the canvas's image data, for the page to put on its
// canvas; its texts go back to the page one by one, to be written with the canvas's own fillText
// on top of the pixels.
#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

#include "frame.h"
#include "raster_dc.h"

// clang-format off
EM_JS(void, QueuePageText, (int x, int y, const char* text, int pixels, unsigned colour, int opaque), {
    Module["onText"](x, y, UTF8ToString(text), pixels, colour, opaque !== 0);
});
// clang-format on

namespace {

// The largest pixel scale drawn: a 4x frame is 20 MB, and no screen needs more.
constexpr double kMaxScale = 4;
// The scales the raster draws at: whole multiples, or finer steps where the core has them.
using Scale = decltype(FrameInputs::scale);

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

struct PageFrame {
    PixelBuffer pixels;
    Readouts readouts;
};
PageFrame g_frame;

}  // namespace

extern "C" {

// The last step before the animation wraps to 0.
EMSCRIPTEN_KEEPALIVE int PageMaxStep() { return MAX_STEP; }

// Draws the frame of `step` (0 to MAX_STEP; anything else draws step 0) for a screen of
// `devicePixelRatio` device pixels per pixel, up to kMaxScale; the raster takes from it the scales
// it draws at. Returns 1, or 0 when the frame was abandoned and no pixels are kept.
EMSCRIPTEN_KEEPALIVE int DrawPageFrame(int step, int showResultant, double devicePixelRatio) {
    FrameInputs inputs;
    inputs.step = step >= 0 && step <= MAX_STEP ? step : 0;
    inputs.showResultant = showResultant != 0;
    inputs.scale = static_cast<Scale>(
        std::isfinite(devicePixelRatio) ? std::clamp(devicePixelRatio, 1.0, kMaxScale) : 1.0);
    RasterDc dc(inputs.width, inputs.height, inputs.scale, std::make_unique<PageTextPainter>());
    const FrameResult result = DrawFrame(inputs, dc);
    g_frame.readouts = result.readouts;
    if (!result.complete) {
        g_frame.pixels = PixelBuffer{};
        return 0;
    }
    g_frame.pixels = dc.TakePixels();
    ToCanvasOrder(g_frame.pixels);
    return 1;
}

EMSCRIPTEN_KEEPALIVE const std::uint32_t* FramePixels() { return g_frame.pixels.pixels.data(); }
EMSCRIPTEN_KEEPALIVE int FrameWidth() { return g_frame.pixels.width; }
EMSCRIPTEN_KEEPALIVE int FrameHeight() { return g_frame.pixels.height; }
// Device pixels per pixel of the picture, each way.
EMSCRIPTEN_KEEPALIVE double FrameScale() { return static_cast<double>(g_frame.pixels.scale); }

// 0: phase angle, 1 to 3: the U, V and W amplitudes.
EMSCRIPTEN_KEEPALIVE const char* FrameReadout(int which) {
    const Readouts& r = g_frame.readouts;
    switch (which) {
        case 0:
            return r.phaseAngle.c_str();
        case 1:
            return r.ampU.c_str();
        case 2:
            return r.ampV.c_str();
        case 3:
            return r.ampW.c_str();
        default:
            return "";
    }
}

}  // extern "C"
