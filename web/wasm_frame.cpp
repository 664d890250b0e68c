// The page's way into the core for the main window: its step rules (MainStepper), and one frame of
// the step shown, drawn on a raster surface in the class's palette and language, with its readouts,
// the direction of its resultant and what a screen reader hears.
#include <emscripten/emscripten.h>

#include "field/frame.h"
#include "field/main_stepper.h"
#include "page_frame.h"

namespace {

struct MainPage {
    MainStepper stepper;
    FrameResult frame;
};
MainPage g_main;

enum MainAction { kStart, kStop, kTick, kNext, kPrevious, kReset };

}  // namespace

extern "C" {

// The last step before the animation wraps to 0.
EMSCRIPTEN_KEEPALIVE int PageMaxStep() { return MAX_STEP; }

// Shows `step` (0 to MAX_STEP; anything else is step 0) with the animation stopped.
EMSCRIPTEN_KEEPALIVE void MainShow(int step) {
    g_main.stepper = MainStepper(step >= 0 && step <= MAX_STEP ? step : 0);
}

EMSCRIPTEN_KEEPALIVE void MainStep(int action) {
    MainStepper& s = g_main.stepper;
    switch (action) {
        case kStart:
            s.Start();
            break;
        case kStop:
            s.Stop();
            break;
        case kTick:
            s.Tick();
            break;
        case kNext:
            s.Next();
            break;
        case kPrevious:
            s.Previous();
            break;
        case kReset:
            s.Reset();
            break;
        default:
            break;
    }
}

EMSCRIPTEN_KEEPALIVE int MainStepShown() { return g_main.stepper.Step(); }
EMSCRIPTEN_KEEPALIVE int MainRunning() { return g_main.stepper.Running() ? 1 : 0; }

// Draws the frame of the step shown for a screen of `devicePixelRatio` device pixels per pixel.
// Returns 1, or 0 when the frame was abandoned and no pixels are kept.
EMSCRIPTEN_KEEPALIVE int DrawPageFrame(int showResultant, double devicePixelRatio) {
    FrameInputs inputs;
    inputs.step = g_main.stepper.Step();
    inputs.showResultant = showResultant != 0;
    inputs.scale = PageScale(devicePixelRatio);
    inputs.palette = Settings().palette;
    inputs.translation = Settings().Language();
    const std::unique_ptr<RasterDc> dc = MakePageSurface(inputs.width, inputs.height, inputs.scale);
    g_main.frame = DrawFrame(inputs, *dc);
    KeepFrame(*dc, g_main.frame.complete);
    return g_main.frame.complete ? 1 : 0;
}

// 0: phase angle, 1 to 3: the U, V and W amplitudes.
EMSCRIPTEN_KEEPALIVE const char* FrameReadout(int which) {
    const Readouts& r = g_main.frame.readouts;
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

// What the frame shows, as a screen reader says it, in the class's language.
EMSCRIPTEN_KEEPALIVE const char* FrameDescription() { return g_main.frame.description.c_str(); }

}  // extern "C"
