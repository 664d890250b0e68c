// The page's way into the core for the windings view: the winding, its supply and the step
// controls live here, in the core's Winding and ExplorerStepper, and the page only shows them.
// Answers with more than one value come back as JSON objects.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>

#include "explorer/explorer_stepper.h"
#include "page_frame.h"
#include "views/view_table.h"
#include "page_json.h"
#include "winding/winding_frame.h"

namespace {

struct WindingPage {
    Winding winding;
    Sequence sequence = Sequence::Positive;
    double frequency = kDefaultFrequency;
    bool fluxLines = true;
    ExplorerStepper stepper;
    ViewResult result;
    std::string answer;  // the last text handed out, alive until the next
};
WindingPage g_page;

std::optional<int> Given(int value) {
    return value >= 0 ? std::optional<int>(value) : std::nullopt;
}

enum StepAction { kPlayPause, kPause, kTick, kNext, kPrevious, kReset };

}  // namespace

extern "C" {

// The preset of a name as vesk-render takes it (explorer, 4-pole-full, ...): its place in the
// preset box, or -1.
EMSCRIPTEN_KEEPALIVE int WindingFindPreset(const char* name) {
    for (size_t i = 0; i < kWindingPresets.size(); ++i)
        if (std::string_view(name) == WindingPresetName(kWindingPresets[i]))
            return static_cast<int>(i);
    return -1;
}

EMSCRIPTEN_KEEPALIVE void WindingChoosePreset(int index) {
    if (index >= 0 && index < static_cast<int>(kWindingPresets.size()))
        g_page.winding = PresetWinding(kWindingPresets[index]);
}

// The address's winding: the preset's (or the default one, for -1) with the values given (-1 for
// none) in its place; a winding that cannot be built is brought into range.
EMSCRIPTEN_KEEPALIVE void WindingFromAddress(int preset, int poles, int slots, int layers,
                                             int pitch) {
    const Winding base = preset >= 0 && preset < static_cast<int>(kWindingPresets.size())
                             ? PresetWinding(kWindingPresets[preset])
                             : Winding{};
    const Winding w =
        ChangedWinding(base, {Given(poles), Given(slots), Given(layers), Given(pitch)});
    g_page.winding = IsValidWinding(w) ? w : ValidWinding(w);
}

// The winding as the controls set it, by the window's rules.
EMSCRIPTEN_KEEPALIVE void WindingSetWinding(int poles, int slots, int layers, int pitch) {
    g_page.winding = ControlledWinding(g_page.winding, {poles, slots, layers, pitch});
}

EMSCRIPTEN_KEEPALIVE void WindingSetSupply(int negative, double frequency, int fluxLines) {
    g_page.sequence = negative != 0 ? Sequence::Negative : Sequence::Positive;
    g_page.frequency = std::clamp(frequency, kMinFrequency, kMaxFrequency);
    g_page.fluxLines = fluxLines != 0;
}

EMSCRIPTEN_KEEPALIVE void WindingStep(int action) {
    ExplorerStepper& s = g_page.stepper;
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

EMSCRIPTEN_KEEPALIVE void WindingSeek(int step) { g_page.stepper.Seek(step); }
EMSCRIPTEN_KEEPALIVE void WindingSetInterval(int ms) { g_page.stepper.SetInterval(ms); }

// What the controls show: the step, whether it plays and how fast, the winding with its pole
// pitch, the supply, and the preset it is (one past the presets for none).
EMSCRIPTEN_KEEPALIVE const char* WindingState() {
    const Winding& w = g_page.winding;
    int preset = static_cast<int>(kWindingPresets.size());
    for (size_t i = 0; i < kWindingPresets.size(); ++i)
        if (PresetWinding(kWindingPresets[i]) == w) preset = static_cast<int>(i);
    return Json()
        .Number("step", g_page.stepper.Step())
        .Bool("playing", g_page.stepper.Playing())
        .Number("interval", g_page.stepper.Interval())
        .Number("lastStep", kExplorerSteps - 1)
        .Number("preset", preset)
        .Number("poles", w.poles)
        .Number("slots", w.slotCount)
        .Number("layers", w.layers)
        .Number("pitch", w.pitch)
        .Number("tau", w.PolePitch())
        .Bool("negative", g_page.sequence == Sequence::Negative)
        .Number("frequency", g_page.frequency)
        .Bool("fluxLines", g_page.fluxLines)
        .Done(g_page.answer);
}

// Draws the frame of the step shown on a canvas of `width` x `height` pixels, for a screen of
// `devicePixelRatio` device pixels per pixel. Returns 1, or 0 when the frame was abandoned.
EMSCRIPTEN_KEEPALIVE int DrawWindingPageFrame(int width, int height, double devicePixelRatio) {
    const WindingSettings settings{g_page.winding, g_page.sequence, g_page.frequency,
                                   g_page.fluxLines};
    CanvasInputs canvas{g_page.stepper.Step(), std::max(width, 1), std::max(height, 1),
                        PageScale(devicePixelRatio), Settings().palette, Settings().Language()};
    const std::unique_ptr<RasterDc> dc = MakePageSurface(canvas.width, canvas.height, canvas.scale);
    g_page.result = DrawView(settings, canvas, *dc);
    KeepFrame(*dc, g_page.result.complete);
    return g_page.result.complete ? 1 : 0;
}

// The readouts of the frame last drawn, as the trace writes them, and its description.
EMSCRIPTEN_KEEPALIVE const char* WindingFrameReadouts() {
    return Json()
        .String("lines", ReadoutLines(g_page.result.readouts))
        .String("description", g_page.result.description)
        .Done(g_page.answer);
}

}  // extern "C"
