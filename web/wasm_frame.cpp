// The page's way into the core for the main window: one frame of a step, drawn on a raster surface
// in the class's palette and language, with its readouts and the direction of its resultant.
#include <emscripten/emscripten.h>

#include <cmath>

#include "frame.h"
#include "page_frame.h"

namespace {

struct MainFrame {
    Readouts readouts;
    int direction = 0;
};
MainFrame g_main;

}  // namespace

extern "C" {

// The last step before the animation wraps to 0.
EMSCRIPTEN_KEEPALIVE int PageMaxStep() { return MAX_STEP; }

// Draws the frame of `step` (0 to MAX_STEP; anything else draws step 0) for a screen of
// `devicePixelRatio` device pixels per pixel. Returns 1, or 0 when the frame was abandoned and no
// pixels are kept.
EMSCRIPTEN_KEEPALIVE int DrawPageFrame(int step, int showResultant, double devicePixelRatio) {
    FrameInputs inputs;
    inputs.step = step >= 0 && step <= MAX_STEP ? step : 0;
    inputs.showResultant = showResultant != 0;
    inputs.scale = PageScale(devicePixelRatio);
    inputs.palette = Settings().palette;
    inputs.translation = Settings().Language();
    const std::unique_ptr<RasterDc> dc = MakePageSurface(inputs.width, inputs.height, inputs.scale);
    const FrameResult result = DrawFrame(inputs, *dc);
    g_main.readouts = result.readouts;
    // As the window says it: whole degrees, 360 being 0.
    g_main.direction =
        static_cast<int>(std::lround(ResultantDirection(ComputePhases(inputs.step)))) % 360;
    KeepFrame(*dc, result.complete);
    return result.complete ? 1 : 0;
}

// 0: phase angle, 1 to 3: the U, V and W amplitudes.
EMSCRIPTEN_KEEPALIVE const char* FrameReadout(int which) {
    const Readouts& r = g_main.readouts;
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

// Where the frame's resultant points: degrees from U's axis, counter-clockwise, 0 to 359.
EMSCRIPTEN_KEEPALIVE int FrameDirection() { return g_main.direction; }

}  // extern "C"
