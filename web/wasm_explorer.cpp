// The page's way into the core for the explorer's own controls: the supply, set by the core's
// rule for controls (ControlledSupply), and F+ and F- apart. Its steps and frames are every
// view's (wasm_views.cpp).
#include <emscripten/emscripten.h>

#include <string>

#include "page_supply.h"
#include "page_views.h"

namespace {

ExplorerSettings& Explorer() { return PageOf(View::Explorer).Own<ExplorerSettings>(); }
std::string g_answer;  // the last JSON handed out, alive until the next

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void ExplorerChoosePreset(int index) {
    if (index >= 0 && index < static_cast<int>(kPresets.size()))
        Explorer().supply = PresetSupply(kPresets[index]);
}

// The supply as the controls set it (in range, a single phase with no phase open and no
// neutral).
EMSCRIPTEN_KEEPALIVE void ExplorerSetSupply(double amplitudeU, double amplitudeV, double amplitudeW,
                                            double offsetU, double offsetV, double offsetW,
                                            int negative, int openPhase, int neutral,
                                            int singlePhase) {
    Explorer().supply =
        ControlledSupply(PageSupply(amplitudeU, amplitudeV, amplitudeW, offsetU, offsetV, offsetW,
                                    negative, openPhase, neutral, singlePhase));
}

// F+ and F- also from the centre, each on its own circle (1), or only tip to tail (0).
EMSCRIPTEN_KEEPALIVE void ExplorerSetApart(int apart) { Explorer().componentsApart = apart != 0; }

// What the controls show: the supply, the preset it is, and whether F+ and F- are apart.
EMSCRIPTEN_KEEPALIVE const char* ExplorerControls() {
    Json json;
    return AddSupply(json, Explorer().supply)
        .Bool("apart", Explorer().componentsApart)
        .Done(g_answer);
}

}  // extern "C"
