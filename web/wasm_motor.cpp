// The page's way into the core for the motor: the supply, the load, the run and the steps live
// in the core's MotorSession, as in the window, and the page only shows them and runs the clocks.
// Each answer with more than one value comes back as a JSON object.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "motor/motor_session.h"
#include "page_frame.h"
#include "page_json.h"

namespace {

struct MotorPage {
    MotorSession session;
    MotorResult result;
    std::string answer;  // the last JSON handed out, alive until the next
};
MotorPage g_motor;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void MotorChoosePreset(int index) {
    if (index >= 0 && index < static_cast<int>(kPresets.size()))
        g_motor.session.SetSupply(PresetSupply(kPresets[index]));
}

EMSCRIPTEN_KEEPALIVE void MotorSetSupply(double amplitudeU, double amplitudeV, double amplitudeW,
                                         double offsetU, double offsetV, double offsetW,
                                         int negative, int openPhase, int neutral,
                                         int singlePhase) {
    g_motor.session.SetSupply(PageSupply(amplitudeU, amplitudeV, amplitudeW, offsetU, offsetV,
                                         offsetW, negative, openPhase, neutral, singlePhase));
}

EMSCRIPTEN_KEEPALIVE void MotorSetLoad(double load) { g_motor.session.SetLoad(load); }
EMSCRIPTEN_KEEPALIVE void MotorSetInertia(double inertia) { g_motor.session.SetInertia(inertia); }
EMSCRIPTEN_KEEPALIVE void MotorStart() { g_motor.session.Start(); }
EMSCRIPTEN_KEEPALIVE void MotorPush(int direction) { g_motor.session.Push(direction); }
EMSCRIPTEN_KEEPALIVE void MotorPlayPause() { g_motor.session.Stepper().PlayPause(); }
EMSCRIPTEN_KEEPALIVE void MotorPause() { g_motor.session.Stepper().Pause(); }
EMSCRIPTEN_KEEPALIVE void MotorAdvance(double seconds, int slow) {
    g_motor.session.Advance(seconds, slow != 0);
}
EMSCRIPTEN_KEEPALIVE void MotorTick() { g_motor.session.Tick(); }

// What an address asks for: the steady state at `speed` rpm when `steady`, else `time` seconds
// into a start-up from `initial` rpm; the drawing at `step`.
EMSCRIPTEN_KEEPALIVE void MotorShow(int steady, double speed, double time, double initial,
                                    int step) {
    g_motor.session.Show(steady != 0 ? std::optional<double>(speed) : std::nullopt, time, initial,
                         step);
}

// What the controls show.
EMSCRIPTEN_KEEPALIVE const char* MotorState() {
    MotorSession& m = g_motor.session;
    const Supply& s = m.CurrentSupply();
    const MotorInputs in = m.Inputs();
    const std::optional<Preset> preset = MatchPreset(s);
    Json json;
    json.Bool("playing", m.Stepper().Playing())
        .Number("interval", m.Stepper().Interval())
        .Number("step", m.Stepper().Step())
        .Number("preset", preset ? static_cast<int>(*preset) : static_cast<int>(kPresets.size()))
        .Numbers("amplitude", s.amplitude)
        .Numbers("offset", s.offset)
        .Bool("negative", s.sequence == Sequence::Negative)
        .Number("openPhase", s.openPhase)
        .Bool("neutral", s.neutral)
        .Bool("singlePhase", s.singlePhase)
        .Number("load", m.Load())
        .Number("inertia", m.Inertia())
        .Number("speed", m.Speed());
    // What is shown, for presentation mode: a steady state or a start-up's time.
    if (in.speed)
        json.Number("steady", *in.speed);
    else
        json.Null("steady");
    json.Number("time", in.time).Number("initial", in.initialSpeed).Done(g_motor.answer);
    return g_motor.answer.c_str();
}

// Draws the frame on a canvas of `width` x `height` pixels for a screen of `devicePixelRatio`
// device pixels per pixel. Returns 1, or 0 when the frame was abandoned.
EMSCRIPTEN_KEEPALIVE int DrawMotorPageFrame(int width, int height, double devicePixelRatio) {
    MotorInputs inputs = g_motor.session.Inputs();
    inputs.width = std::max(width, 1);
    inputs.height = std::max(height, 1);
    inputs.scale = PageScale(devicePixelRatio);
    inputs.palette = Settings().palette;
    inputs.translation = Settings().Language();
    const std::unique_ptr<RasterDc> dc = MakePageSurface(inputs.width, inputs.height, inputs.scale);
    g_motor.result = DrawMotorFrame(inputs, *dc);
    KeepFrame(*dc, g_motor.result.complete);
    return g_motor.result.complete ? 1 : 0;
}

// The readouts of the frame last drawn and its sentence for a screen reader.
EMSCRIPTEN_KEEPALIVE const char* MotorFrameReadouts() {
    const MotorReadouts& r = g_motor.result.readouts;
    Json()
        .String("speed", r.speed)
        .String("slip", r.slip)
        .String("torque", r.torque)
        .String("forward", r.forward)
        .String("backward", r.backward)
        .String("u", r.u)
        .String("v", r.v)
        .String("w", r.w)
        .String("state", MotorStateName(r.state))
        .String("description", g_motor.result.description)
        .Done(g_motor.answer);
    return g_motor.answer.c_str();
}

}  // extern "C"
