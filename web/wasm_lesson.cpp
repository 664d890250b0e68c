// The page's way into the core for presentation mode: the lesson, or one view alone, walked by the
// core's LessonStepper, and the stop's frame drawn at the size of the screen. The page only
// forwards the clicker's keys, runs the timer and shows what comes back.
#include <emscripten/emscripten.h>

#include <optional>
#include <string>

#include "lesson/lesson.h"
#include "page_frame.h"
#include "page_views.h"

namespace {

std::optional<LessonStepper> g_stepper;
std::string g_caption;  // handed out, alive until the next

enum LessonAction { kNext, kPrevious, kHome, kPlayPause, kTick, kBlack, kWhite, kReveal };

void Start(const LessonStop& stop) {
    g_stepper.emplace(Lesson{{}, {stop}}, LessonStepper::Walk::Steps);
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void LessonStartBuiltIn() {
    g_stepper.emplace(BuiltInLesson(), LessonStepper::Walk::Stops);
}

// The page's view at `view` in the table of views, as it is shown, presented alone.
EMSCRIPTEN_KEEPALIVE void LessonStartView(int view) {
    if (view >= 0 && view < static_cast<int>(Views().size()))
        Start(PageOf(Views()[static_cast<std::size_t>(view)].view).StopShown());
}

EMSCRIPTEN_KEEPALIVE void LessonKey(int action) {
    if (!g_stepper) return;
    LessonStepper& s = *g_stepper;
    switch (action) {
        case kNext:
            s.Next();
            break;
        case kPrevious:
            s.Previous();
            break;
        case kHome:
            s.Home();
            break;
        case kPlayPause:
            s.PlayPause();
            break;
        case kTick:
            s.Tick();
            break;
        case kBlack:
            s.Black();
            break;
        case kWhite:
            s.White();
            break;
        case kReveal:
            s.Reveal();
            break;
        default:
            break;
    }
}

EMSCRIPTEN_KEEPALIVE int LessonIndex() { return g_stepper ? g_stepper->Index() : 0; }
EMSCRIPTEN_KEEPALIVE int LessonCount() { return g_stepper ? g_stepper->Count() : 0; }
EMSCRIPTEN_KEEPALIVE int LessonStep() { return g_stepper ? g_stepper->Step() : 0; }
EMSCRIPTEN_KEEPALIVE int LessonPlaying() { return g_stepper && g_stepper->Playing() ? 1 : 0; }
// 0: the picture, 1: black, 2: white.
EMSCRIPTEN_KEEPALIVE int LessonBlank() {
    return g_stepper ? static_cast<int>(g_stepper->Blanked()) : 0;
}

// Draws the stop at its step on a screen `width` x `height` pixels large (the caption line left
// out), `devicePixelRatio` device pixels a pixel. The caption line, in the class's language: the
// stop's caption, or for one view alone its readouts. Returns 1, or 0 when the frame was
// abandoned.
EMSCRIPTEN_KEEPALIVE int DrawLessonFrame(int width, int height, double devicePixelRatio) {
    if (!g_stepper) return 0;
    const LessonStop& stop = g_stepper->Stop();
    CanvasInputs in = PresentationInputs(stop.view(), g_stepper->Step(), width, height,
                                         PageScale(devicePixelRatio));
    in.palette = ClassChoices().palette;
    in.translation = ClassChoices().Language();
    const std::unique_ptr<RasterDc> dc = MakePageSurface(in.width, in.height, in.scale);
    const ViewResult frame = DrawStopFrame(stop, in, *dc, g_stepper->Revealed());
    KeepFrame(*dc, frame.complete);
    g_caption = CaptionLine(stop, g_stepper->Index(), g_stepper->Count(), frame,
                            in.translation ? Language::English : Language::Chinese, in.translation,
                            g_stepper->Revealed());
    return frame.complete ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* LessonCaption() { return g_caption.c_str(); }

}  // extern "C"
