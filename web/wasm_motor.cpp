// The page's way into the core for the motor: the supply, the load, the run and the steps live
// in the core's MotorSession, as in the window, and the page only shows them and runs the clocks.
// Each answer with more than one value comes back as a JSON object.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>

#include "motor_session.h"
#include "page_frame.h"

namespace {

struct MotorPage {
    MotorSession session;
    MotorResult result;
    std::string answer;  // the last JSON handed out, alive until the next
};
MotorPage g_motor;

std::string Number(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.17g", std::isfinite(value) ? value : 0.0);
    return buffer;
}

std::string Quoted(std::string_view value) {
    std::string quoted = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\') quoted += '\\';
        if (static_cast<unsigned char>(c) >= 0x20) quoted += c;
    }
    return quoted + "\"";
}

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
    Supply s;
    s.amplitude = {amplitudeU, amplitudeV, amplitudeW};
    s.offset = {offsetU, offsetV, offsetW};
    s.sequence = negative != 0 ? Sequence::Negative : Sequence::Positive;
    s.singlePhase = singlePhase != 0;
    s.openPhase = openPhase;
    s.neutral = neutral != 0;
    g_motor.session.SetSupply(s);
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
    std::string json =
        "{\"playing\":" + std::string(m.Stepper().Playing() ? "true" : "false") +
        ",\"interval\":" + Number(m.Stepper().Interval()) +
        ",\"step\":" + Number(m.Stepper().Step()) + ",\"preset\":" +
        Number(preset ? static_cast<int>(*preset) : static_cast<int>(kPresets.size())) +
        ",\"amplitude\":[" + Number(s.amplitude[0]) + "," + Number(s.amplitude[1]) + "," +
        Number(s.amplitude[2]) + "],\"offset\":[" + Number(s.offset[0]) + "," +
        Number(s.offset[1]) + "," + Number(s.offset[2]) +
        "],\"negative\":" + (s.sequence == Sequence::Negative ? "true" : "false") +
        ",\"openPhase\":" + Number(s.openPhase) + ",\"neutral\":" + (s.neutral ? "true" : "false") +
        ",\"singlePhase\":" + (s.singlePhase ? "true" : "false") + ",\"load\":" + Number(m.Load()) +
        ",\"inertia\":" + Number(m.Inertia()) + ",\"speed\":" + Number(m.Speed()) +
        // What is shown, for presentation mode: a steady state or a start-up's time.
        ",\"steady\":" + (in.speed ? Number(*in.speed) : std::string("null")) +
        ",\"time\":" + Number(in.time) + ",\"initial\":" + Number(in.initialSpeed) + "}";
    g_motor.answer = json;
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
    g_motor.answer = "{\"speed\":" + Quoted(r.speed) + ",\"slip\":" + Quoted(r.slip) +
                     ",\"torque\":" + Quoted(r.torque) + ",\"forward\":" + Quoted(r.forward) +
                     ",\"backward\":" + Quoted(r.backward) + ",\"u\":" + Quoted(r.u) +
                     ",\"v\":" + Quoted(r.v) + ",\"w\":" + Quoted(r.w) +
                     ",\"state\":" + Quoted(MotorStateName(r.state)) +
                     ",\"description\":" + Quoted(g_motor.result.description) + "}";
    return g_motor.answer.c_str();
}

}  // extern "C"
