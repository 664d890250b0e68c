// The page's way into the core for the synchronous machine: its state is the core's
// SynchronousSession, as in the window, which the page's view draws, steps and sets from the
// address; its own controls (the steady state, the start-up's settings, start, the clock, and E's
// tip dragged on the canvas) reach the session here.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "page_json.h"
#include "page_views.h"
#include "synchronous/synchronous_session.h"
#include "synchronous/synchronous_view.h"

namespace {

class SynchronousPage : public PageView {
  public:
    SynchronousPage() : PageView(View::Synchronous) {}
    SynchronousSession session;

    ViewSettings Settings() const override { return SynchronousSettingsOf(session.Inputs()); }
    // The steady state first, which ends a start-up, so that the rest changes no run.
    void Show(const ViewSettings& settings, int step) override {
        const SynchronousSettings& s = std::get<SynchronousSettings>(settings);
        session.Stepper().Pause();
        session.SetPower(s.power);
        session.SetFieldCurrent(s.fieldCurrent);
        session.SetInertia(s.inertia);
        session.SetDamper(s.damper);
        session.SetLoad(s.load);
        session.SetFieldOn(s.fieldOn);
        session.SetCurves(s.curves);
        session.Show(s.time, step);
    }
    // A tick turns the field with the step.
    void Act(StepAction action) override {
        if (action == StepAction::Tick)
            session.Tick();
        else
            PageView::Act(action);
    }

  protected:
    ExplorerStepper& Cycle() override { return session.Stepper(); }
};

SynchronousPage& Page() {
    static SynchronousPage* page = [] {
        auto made = std::make_unique<SynchronousPage>();
        SynchronousPage* kept = made.get();
        RegisterPageView(std::move(made));
        return kept;
    }();
    return *page;
}
// Registered before the page calls anything.
[[maybe_unused]] const bool kRegistered = (Page(), true);

std::string g_answer;  // the last JSON handed out, alive until the next

// What the canvas of `width` x `height` pixels shows.
SynchronousInputs OnCanvas(int width, int height) {
    SynchronousInputs in = Page().session.Inputs();
    in.width = std::max(width, 1);
    in.height = std::max(height, 1);
    return in;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void SynchronousSetFieldCurrent(double value) {
    Page().session.SetFieldCurrent(value);
}
// The steady state at this power.
EMSCRIPTEN_KEEPALIVE void SynchronousSetPower(double value) { Page().session.SetPower(value); }
EMSCRIPTEN_KEEPALIVE void SynchronousSetLoad(double value) { Page().session.SetLoad(value); }
EMSCRIPTEN_KEEPALIVE void SynchronousSetInertia(double value) { Page().session.SetInertia(value); }
EMSCRIPTEN_KEEPALIVE void SynchronousSetFieldOn(double value) { Page().session.SetFieldOn(value); }
EMSCRIPTEN_KEEPALIVE void SynchronousSetDamper(int on) { Page().session.SetDamper(on != 0); }
EMSCRIPTEN_KEEPALIVE void SynchronousSetOCurves(int on) {
    Page().session.SetCurves(on != 0 ? SynchronousCurves::O : SynchronousCurves::V);
}
EMSCRIPTEN_KEEPALIVE void SynchronousStart() { Page().session.Start(); }
// `seconds` of real time on the start-up's clock, a tenth of that when `slow`.
EMSCRIPTEN_KEEPALIVE void SynchronousAdvance(double seconds, int slow) {
    Page().session.Advance(seconds, slow != 0);
}

// How far E's tip is from (x, y) on a canvas of `width` x `height` pixels; -1 when there is no
// tip to drag (a start-up, or out of step).
EMSCRIPTEN_KEEPALIVE double SynchronousTipDistance(int width, int height, double x, double y) {
    const std::optional<SynchronousPixel> tip = SynchronousEmfTip(OnCanvas(width, height));
    return tip ? std::hypot(x - tip->x, y - tip->y) : -1.0;
}

// E's tip dragged to (x, y): the field current and the power that put it there.
EMSCRIPTEN_KEEPALIVE void SynchronousDrag(int width, int height, double x, double y) {
    Page().session.SetPoint(SynchronousDragTo(OnCanvas(width, height), x, y));
}

// What the controls show.
EMSCRIPTEN_KEEPALIVE const char* SynchronousControls() {
    const SynchronousSession& s = Page().session;
    return Json()
        .Number("fieldCurrent", s.FieldCurrent())
        .Number("power", s.Power())
        .Number("load", s.Load())
        .Number("inertia", s.Inertia())
        .Number("fieldOn", s.FieldOn())
        .Bool("damper", s.Damper())
        .Bool("oCurves", s.Curves() == SynchronousCurves::O)
        .Done(g_answer);
}

}  // extern "C"
