// The page's way into the core for the motor: its state is the core's MotorSession, as in the
// window, which the page's view of the motor draws, steps and sets from the address; its own
// controls (the supply, the load, start and push, the clock) reach the session here.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

#include "motor/motor_session.h"
#include "page_supply.h"
#include "page_views.h"

namespace {

class MotorPage : public PageView {
  public:
    MotorPage() : PageView(View::Motor) {}
    MotorSession session;
    // The transient, as the address or a lesson asked for it.
    bool dynamic = false;
    double switchAngle = 0.0;
    bool zoom = false;

    ViewSettings Settings() const override {
        const MotorInputs in = session.Inputs();
        return MotorSettings{
            in.supply,       in.load,       in.inertia,           in.speed,    in.time,
            in.initialSpeed, in.rotorAngle, dynamic && !in.speed, switchAngle, zoom,
            in.drive,        in.page};
    }
    void Show(const ViewSettings& settings, int step) override {
        const MotorSettings& m = std::get<MotorSettings>(settings);
        session.Stepper().Pause();
        // Only what changed: each change starts the run again, which Show does anyway.
        if (!(ControlledSupply(m.supply) == session.CurrentSupply())) session.SetSupply(m.supply);
        if (m.load != session.Load()) session.SetLoad(m.load);
        if (m.inertia != session.Inertia()) session.SetInertia(m.inertia);
        if (!(ClampDrive(m.drive) == session.Drive())) session.SetDrive(m.drive);
        session.SetPage(m.page);
        session.Show(m.speed, m.time, m.initialSpeed, step);
        dynamic = m.dynamic;
        switchAngle = m.switchAngle;
        zoom = m.zoom;
    }
    // Presented, the rotor turns with the steps again, as in the window.
    LessonStop StopShown() const override {
        LessonStop stop = PageView::StopShown();
        std::get<MotorSettings>(stop.settings).rotorAngle.reset();
        return stop;
    }
    // A tick turns the rotor with the step.
    void Act(StepAction action) override {
        if (action == StepAction::Tick)
            session.Tick();
        else
            PageView::Act(action);
    }

  protected:
    ExplorerStepper& Cycle() override { return session.Stepper(); }
};

MotorPage& Motor() {
    static MotorPage* page = [] {
        auto made = std::make_unique<MotorPage>();
        MotorPage* kept = made.get();
        RegisterPageView(std::move(made));
        return kept;
    }();
    return *page;
}
// Registered before the page calls anything.
[[maybe_unused]] const bool kRegistered = (Motor(), true);

std::string g_answer;  // the last JSON handed out, alive until the next

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void MotorChoosePreset(int index) {
    if (index >= 0 && index < static_cast<int>(kPresets.size()))
        Motor().session.SetSupply(PresetSupply(kPresets[index]));
}

EMSCRIPTEN_KEEPALIVE void MotorSetSupply(double amplitudeU, double amplitudeV, double amplitudeW,
                                         double offsetU, double offsetV, double offsetW,
                                         int negative, int openPhase, int neutral,
                                         int singlePhase) {
    Motor().session.SetSupply(PageSupply(amplitudeU, amplitudeV, amplitudeW, offsetU, offsetV,
                                         offsetW, negative, openPhase, neutral, singlePhase));
}

EMSCRIPTEN_KEEPALIVE void MotorSetLoad(double load) { Motor().session.SetLoad(load); }
EMSCRIPTEN_KEEPALIVE void MotorSetInertia(double inertia) { Motor().session.SetInertia(inertia); }
EMSCRIPTEN_KEEPALIVE void MotorSetDynamic(int dynamic, double switchAngle, int zoom) {
    Motor().dynamic = dynamic != 0;
    Motor().switchAngle = std::isfinite(switchAngle) ? std::clamp(switchAngle, 0.0, 360.0) : 0.0;
    Motor().zoom = zoom != 0;
}
EMSCRIPTEN_KEEPALIVE void MotorSetDrive(double frequency, double boost, double resistance) {
    Motor().session.SetDrive({frequency, boost, resistance});
}
EMSCRIPTEN_KEEPALIVE void MotorSetPage(int circuit) {
    Motor().session.SetPage(circuit != 0 ? ::MotorPage::Circuit : ::MotorPage::Field);
}
EMSCRIPTEN_KEEPALIVE void MotorStart() { Motor().session.Start(); }
EMSCRIPTEN_KEEPALIVE void MotorPush(int direction) { Motor().session.Push(direction); }
// `seconds` of real time on the start-up's clock, a tenth of that when `slow`.
EMSCRIPTEN_KEEPALIVE void MotorAdvance(double seconds, int slow) {
    Motor().session.Advance(seconds, slow != 0);
}

// What the controls show: the supply, the preset it is, the load and the inertia.
EMSCRIPTEN_KEEPALIVE const char* MotorControls() {
    const MotorSession& m = Motor().session;
    Json json;
    return AddSupply(json, m.CurrentSupply())
        .Number("load", m.Load())
        .Number("inertia", m.Inertia())
        .Number("dynamic", Motor().dynamic ? 1 : 0)
        .Number("switchAngle", Motor().switchAngle)
        .Number("zoom", Motor().zoom ? 1 : 0)
        .Number("frequency", m.Drive().frequency)
        .Number("boost", m.Drive().boost)
        .Number("rotorResistance", m.Drive().rotorResistance)
        .Number("page", m.Page() == ::MotorPage::Circuit ? 1 : 0)
        .Done(g_answer);
}

}  // extern "C"
