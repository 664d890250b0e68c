// The page's way into the core for the windings view's own controls: the winding, changed by the
// core's rule for controls (ControlledWinding), with the slot counts and pitches it may have, and
// its supply. Its steps and frames are every view's (wasm_views.cpp).
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "page_json.h"
#include "page_views.h"
#include "winding/winding_frame.h"

namespace {

WindingSettings& Windings() { return PageOf(View::Winding).Own<WindingSettings>(); }
std::string g_answer;  // the last JSON handed out, alive until the next

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void WindingChoosePreset(int index) {
    if (index >= 0 && index < static_cast<int>(kWindingPresets.size()))
        Windings().winding = PresetWinding(kWindingPresets[index]);
}

// The winding as the controls set it, by the window's rules.
EMSCRIPTEN_KEEPALIVE void WindingSetWinding(int poles, int slots, int layers, int pitch) {
    Windings().winding = ControlledWinding(Windings().winding, {poles, slots, layers, pitch});
}

EMSCRIPTEN_KEEPALIVE void WindingSetSupply(int negative, double frequency, int fluxLines) {
    WindingSettings& s = Windings();
    s.sequence = negative != 0 ? Sequence::Negative : Sequence::Positive;
    if (!std::isnan(frequency)) s.frequency = std::clamp(frequency, kMinFrequency, kMaxFrequency);
    s.fluxLines = fluxLines != 0;
}

// What the controls show: the winding, the slot counts and pitches it may have, the preset it is
// (one past the presets for none) and the supply.
EMSCRIPTEN_KEEPALIVE const char* WindingControls() {
    const WindingSettings& s = Windings();
    const Winding& w = s.winding;
    const auto preset = std::find_if(kWindingPresets.begin(), kWindingPresets.end(),
                                     [&w](WindingPreset p) { return PresetWinding(p) == w; });
    return Json()
        .Number("preset", static_cast<double>(preset - kWindingPresets.begin()))
        .Number("poles", w.poles)
        .Number("slots", w.slotCount)
        .Number("layers", w.layers)
        .Number("pitch", w.pitch)
        .Number("tau", w.PolePitch())
        .Wholes("slotCounts", SlotCountsFor(w.poles))
        .Wholes("pitches", PitchesFor(w))
        .Bool("negative", s.sequence == Sequence::Negative)
        .Number("frequency", s.frequency)
        .Bool("fluxLines", s.fluxLines)
        .Done(g_answer);
}

}  // extern "C"
