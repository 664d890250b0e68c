// The page's way into the core for the main window's own control: its check box, the resultant
// and its construction shown or not. Its steps and frames are every view's (wasm_views.cpp).
#include <emscripten/emscripten.h>

#include "page_views.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE void MainSetResultant(int shown) {
    PageOf(View::Main).Own<MainSettings>().showResultant = shown != 0;
}

EMSCRIPTEN_KEEPALIVE int MainResultant() {
    return PageOf(View::Main).Own<MainSettings>().showResultant ? 1 : 0;
}

}  // extern "C"
