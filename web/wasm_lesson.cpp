// The page's way into the core for presentation mode: the lesson, or one view alone, walked by the
// core's LessonStepper, and the stop's frame drawn at the size of the screen. The page only
// forwards the clicker's keys, runs the timer and shows what comes back.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <optional>
#include <string>

#include "lesson/lesson.h"
#include "page_frame.h"

namespace {

std::optional<LessonStepper> g_stepper;
std::string g_caption;  // handed out, alive until the next

enum LessonAction { kNext, kPrevious, kHome, kPlayPause, kTick, kBlack, kWhite };

void Start(const LessonStop& stop) {
    g_stepper.emplace(Lesson{{}, {stop}}, LessonStepper::Walk::Steps);
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void LessonStartBuiltIn() {
    g_stepper.emplace(BuiltInLesson(), LessonStepper::Walk::Stops);
}

// The main window's step and setting, presented alone.
EMSCRIPTEN_KEEPALIVE void LessonStartMain(int step, int showResultant, int playing) {
    LessonStop stop;
    stop.step = std::clamp(step, 0, LastStepOf(LessonView::Main));
    stop.showResultant = showResultant != 0;
    stop.playing = playing != 0;
    Start(stop);
}

// The explorer's supply, as ExplorerState gives it, and its step, presented alone.
EMSCRIPTEN_KEEPALIVE void LessonStartExplorer(double amplitudeU, double amplitudeV,
                                              double amplitudeW, double offsetU, double offsetV,
                                              double offsetW, int negative, int openPhase,
                                              int neutral, int singlePhase, int step, int playing) {
    LessonStop stop;
    stop.view = LessonView::Explorer;
    stop.supply.amplitude = {amplitudeU, amplitudeV, amplitudeW};
    stop.supply.offset = {offsetU, offsetV, offsetW};
    stop.supply.sequence = negative != 0 ? Sequence::Negative : Sequence::Positive;
    stop.supply.openPhase = openPhase;
    stop.supply.neutral = neutral != 0;
    stop.supply.singlePhase = singlePhase != 0;
    stop.supply = ControlledSupply(stop.supply);
    stop.step = std::clamp(step, 0, LastStepOf(LessonView::Explorer));
    stop.playing = playing != 0;
    Start(stop);
}

// The windings view's winding, supply and step, presented alone.
EMSCRIPTEN_KEEPALIVE void LessonStartWinding(int poles, int slots, int layers, int pitch,
                                             int negative, double frequency, int fluxLines,
                                             int step, int playing) {
    LessonStop stop;
    stop.view = LessonView::Winding;
    stop.winding.winding = ValidWinding({poles, slots, layers, pitch});
    stop.winding.sequence = negative != 0 ? Sequence::Negative : Sequence::Positive;
    stop.winding.frequency = std::clamp(frequency, kMinFrequency, kMaxFrequency);
    stop.winding.fluxLines = fluxLines != 0;
    stop.step = std::clamp(step, 0, LastStepOf(LessonView::Winding));
    stop.playing = playing != 0;
    Start(stop);
}

// The motor's supply, load and inertia, its steady state at `speed` when `steady` or else its
// start-up `time` seconds from `initial`, and its step, presented alone.
EMSCRIPTEN_KEEPALIVE void LessonStartMotor(double amplitudeU, double amplitudeV, double amplitudeW,
                                           double offsetU, double offsetV, double offsetW,
                                           int negative, int openPhase, int neutral,
                                           int singlePhase, double load, double inertia, int steady,
                                           double speed, double time, double initial, int step,
                                           int playing) {
    LessonStop stop;
    stop.view = LessonView::Motor;
    stop.supply.amplitude = {amplitudeU, amplitudeV, amplitudeW};
    stop.supply.offset = {offsetU, offsetV, offsetW};
    stop.supply.sequence = negative != 0 ? Sequence::Negative : Sequence::Positive;
    stop.supply.openPhase = openPhase;
    stop.supply.neutral = neutral != 0;
    stop.supply.singlePhase = singlePhase != 0;
    stop.supply = ControlledSupply(stop.supply);
    stop.motor.load = std::clamp(load, 0.0, motor::kMaxLoad);
    stop.motor.inertia = std::clamp(inertia, motor::kMinInertia, motor::kMaxInertia);
    if (steady != 0) stop.motor.speed = std::clamp(speed, -motor::kMaxSpeed, motor::kMaxSpeed);
    stop.motor.time = std::clamp(time, 0.0, motor::kLongestRun);
    stop.motor.initialSpeed = std::clamp(initial, -motor::kMaxSpeed, motor::kMaxSpeed);
    stop.step = std::clamp(step, 0, LastStepOf(LessonView::Motor));
    stop.playing = playing != 0;
    Start(stop);
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
    StopInputs in = PresentationInputs(stop.view, g_stepper->Step(), width, height,
                                       PageScale(devicePixelRatio));
    in.palette = Settings().palette;
    in.translation = Settings().Language();
    const std::unique_ptr<RasterDc> dc = MakePageSurface(in.width, in.height, in.scale);
    const StopFrame frame = DrawStopFrame(stop, in, *dc);
    KeepFrame(*dc, frame.complete);
    g_caption = CaptionLine(stop, g_stepper->Index(), g_stepper->Count(), frame,
                            in.translation ? Language::English : Language::Chinese, in.translation);
    return frame.complete ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE const char* LessonCaption() { return g_caption.c_str(); }

}  // extern "C"
