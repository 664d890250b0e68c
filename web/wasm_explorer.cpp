// The page's way into the core for the explorer: the supply and the step controls live here, in the
// core's own Supply and ExplorerStepper, and the page only shows them. Each answer that has more
// than one value comes back as a JSON object.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "explorer/explorer_frame.h"
#include "explorer/explorer_stepper.h"
#include "page_frame.h"
#include "page_json.h"

namespace {

struct ExplorerPage {
    Supply supply;
    ExplorerStepper stepper;
    ExplorerResult frame;
    bool componentsApart = false;
    std::string answer;  // the last JSON handed out, alive until the next
};
ExplorerPage g_explorer;

enum StepAction { kPlayPause, kPause, kTick, kNext, kPrevious, kReset };

}  // namespace

extern "C" {

// The preset of a name as vesk-render takes it (balanced, reversed, open-u, ...): its place in
// the preset box, or -1.
EMSCRIPTEN_KEEPALIVE int ExplorerFindPreset(const char* name) {
    if (!IsShortName(name)) return -1;
    const std::optional<Preset> preset = FindPreset(name);
    return preset ? static_cast<int>(*preset) : -1;
}

EMSCRIPTEN_KEEPALIVE void ExplorerChoosePreset(int index) {
    if (index >= 0 && index < static_cast<int>(kPresets.size()))
        g_explorer.supply = PresetSupply(kPresets[index]);
}

// The supply as the controls set it (ControlledSupply: in range, a single phase with no phase
// open and no neutral).
EMSCRIPTEN_KEEPALIVE void ExplorerSetSupply(double amplitudeU, double amplitudeV, double amplitudeW,
                                            double offsetU, double offsetV, double offsetW,
                                            int negative, int openPhase, int neutral,
                                            int singlePhase) {
    g_explorer.supply =
        ControlledSupply(PageSupply(amplitudeU, amplitudeV, amplitudeW, offsetU, offsetV, offsetW,
                                    negative, openPhase, neutral, singlePhase));
}

EMSCRIPTEN_KEEPALIVE void ExplorerStep(int action) {
    ExplorerStepper& s = g_explorer.stepper;
    switch (action) {
        case kPlayPause:
            s.PlayPause();
            break;
        case kPause:
            s.Pause();
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

// F+ and F- also from the centre, each on its own circle (1), or only tip to tail (0).
EMSCRIPTEN_KEEPALIVE void ExplorerSetApart(int apart) { g_explorer.componentsApart = apart != 0; }

EMSCRIPTEN_KEEPALIVE void ExplorerSeek(int step) { g_explorer.stepper.Seek(step); }
// In a double, so that no figure typed wraps through 32 bits on its way in.
EMSCRIPTEN_KEEPALIVE void ExplorerSetInterval(double ms) {
    if (std::isnan(ms)) return;
    g_explorer.stepper.SetInterval(static_cast<int>(std::clamp(
        ms, double{ExplorerStepper::kMinInterval}, double{ExplorerStepper::kMaxInterval})));
}

// What the controls show: the step, whether it plays and how fast, the supply, and the preset it
// is (the preset box's place; one past the presets for a supply of no preset).
EMSCRIPTEN_KEEPALIVE const char* ExplorerState() {
    const ExplorerStepper& st = g_explorer.stepper;
    const Supply& s = g_explorer.supply;
    const std::optional<Preset> preset = MatchPreset(s);
    return Json()
        .Number("step", st.Step())
        .Bool("playing", st.Playing())
        .Number("interval", st.Interval())
        .Number("lastStep", kExplorerSteps - 1)
        .Number("preset", preset ? static_cast<int>(*preset) : static_cast<int>(kPresets.size()))
        .Numbers("amplitude", s.amplitude)
        .Numbers("offset", s.offset)
        .Bool("negative", s.sequence == Sequence::Negative)
        .Number("openPhase", s.openPhase)
        .Bool("neutral", s.neutral)
        .Bool("singlePhase", s.singlePhase)
        .Done(g_explorer.answer);
}

// Draws the frame of the step shown on a canvas of `width` x `height` pixels, for a screen of
// `devicePixelRatio` device pixels per pixel. Returns 1, or 0 when the frame was abandoned.
EMSCRIPTEN_KEEPALIVE int DrawExplorerPageFrame(int width, int height, double devicePixelRatio) {
    ExplorerInputs inputs;
    inputs.supply = g_explorer.supply;
    inputs.step = g_explorer.stepper.Step();
    inputs.width = std::max(width, 1);
    inputs.height = std::max(height, 1);
    inputs.scale = PageScale(devicePixelRatio);
    inputs.palette = Settings().palette;
    inputs.translation = Settings().Language();
    inputs.componentsApart = g_explorer.componentsApart;
    const std::unique_ptr<RasterDc> dc = MakePageSurface(inputs.width, inputs.height, inputs.scale);
    g_explorer.frame = DrawExplorerFrame(inputs, *dc);
    KeepFrame(*dc, g_explorer.frame.complete);
    return g_explorer.frame.complete ? 1 : 0;
}

// The readouts of the frame last drawn, its rotation (counter-clockwise, clockwise, pulsating or
// none: 0 to 3), where its resultant points (degrees from U's axis, counter-clockwise) and what a
// screen reader hears.
EMSCRIPTEN_KEEPALIVE const char* ExplorerFrameReadouts() {
    const ExplorerReadouts& r = g_explorer.frame.readouts;
    return Json()
        .String("angle", r.angle)
        .String("u", r.u)
        .String("v", r.v)
        .String("w", r.w)
        .String("resultant", r.resultant)
        .String("positive", r.positive)
        .String("negative", r.negative)
        .String("unbalance", r.unbalance)
        .Number("rotation", static_cast<int>(r.rotation))
        .Number("direction", g_explorer.frame.direction)
        .String("description", g_explorer.frame.description)
        .Done(g_explorer.answer);
}

}  // extern "C"
