// The page's way into the core for the single-phase motor: its state is the core's
// CapacitorMotorSession, as in the window, which the page's view draws, steps and sets from the
// address; its own controls (the machine, the load and the inertia, start, the clock) reach the
// session here.
#include <emscripten/emscripten.h>

#include <algorithm>
#include <memory>
#include <string>

#include "capacitor_motor/capacitor_motor_session.h"
#include "capacitor_motor/capacitor_motor_view.h"
#include "page_json.h"
#include "page_views.h"

namespace {

// The switch's box: as the speed moves it, held closed, held open.
constexpr SwitchSetting kSwitchSettings[] = {SwitchSetting::Automatic, SwitchSetting::Closed,
                                             SwitchSetting::Open};

class CapacitorMotorPage : public PageView {
  public:
    CapacitorMotorPage() : PageView(View::CapacitorMotor) {}
    CapacitorMotorSession session;

    ViewSettings Settings() const override { return CapacitorMotorSettingsOf(session.Inputs()); }
    void Show(const ViewSettings& settings, int step) override {
        const CapacitorMotorSettings& s = std::get<CapacitorMotorSettings>(settings);
        session.Stepper().Pause();
        session.SetConfig(s.config);
        session.SetLoad(s.load);
        session.SetInertia(s.inertia);
        session.Show(s.speed, s.time, s.initialSpeed, step);
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

CapacitorMotorPage& Page() {
    static CapacitorMotorPage* page = [] {
        auto made = std::make_unique<CapacitorMotorPage>();
        CapacitorMotorPage* kept = made.get();
        RegisterPageView(std::move(made));
        return kept;
    }();
    return *page;
}
// Registered before the page calls anything.
[[maybe_unused]] const bool kRegistered = (Page(), true);

std::string g_answer;  // the last JSON handed out, alive until the next

// The place of `value` in `list`, or 0.
template <class List, class Value>
int IndexOf(const List& list, Value value) {
    const auto at = std::find(std::begin(list), std::end(list), value);
    return at == std::end(list) ? 0 : static_cast<int>(at - std::begin(list));
}

}  // namespace

extern "C" {

// The machine as the controls give it: the kind and the switch by their places in the boxes; what
// the kind has not is left out by the session.
EMSCRIPTEN_KEEPALIVE void CapacitorMotorSetConfig(int kind, double startCapacitor,
                                                  double runCapacitor, int reverseAux,
                                                  int switchSetting) {
    const int kinds = static_cast<int>(kCapacitorMotorKinds.size());
    if (kind < 0 || kind >= kinds || switchSetting < 0 || switchSetting > 2) return;
    Page().session.SetConfig({kCapacitorMotorKinds[static_cast<std::size_t>(kind)], startCapacitor,
                              runCapacitor, reverseAux != 0,
                              kSwitchSettings[static_cast<std::size_t>(switchSetting)]});
}

EMSCRIPTEN_KEEPALIVE void CapacitorMotorSetLoad(double load) { Page().session.SetLoad(load); }
EMSCRIPTEN_KEEPALIVE void CapacitorMotorSetInertia(double inertia) {
    Page().session.SetInertia(inertia);
}
EMSCRIPTEN_KEEPALIVE void CapacitorMotorStart() { Page().session.Start(); }
// `seconds` of real time on the start-up's clock, a tenth of that when `slow`.
EMSCRIPTEN_KEEPALIVE void CapacitorMotorAdvance(double seconds, int slow) {
    Page().session.Advance(seconds, slow != 0);
}

// What the controls show: the kind and the switch by their places in the boxes, the capacitors
// (those the kind has not at their defaults), the connection, the load and the inertia, and which
// of the machine's controls the kind has.
EMSCRIPTEN_KEEPALIVE const char* CapacitorMotorControls() {
    const CapacitorMotorSession& s = Page().session;
    const CapacitorMotorConfig& c = s.Config();
    const CapacitorMotorModel model(c);
    return Json()
        .Number("kind", IndexOf(kCapacitorMotorKinds, c.kind))
        .Number("startCapacitor", model.StartCapacitor())
        .Number("runCapacitor", model.RunCapacitor())
        .Bool("reverseAux", c.reverseAux)
        .Number("switchSetting", IndexOf(kSwitchSettings, c.switchSetting))
        .Number("load", s.Load())
        .Number("inertia", s.Inertia())
        .Bool("hasStartCapacitor", HasStartCapacitor(c.kind))
        .Bool("hasRunCapacitor", HasRunCapacitor(c.kind))
        .Bool("hasAuxiliary", HasAuxiliaryWinding(c.kind))
        .Bool("hasSwitch", HasCentrifugalSwitch(c.kind))
        .Done(g_answer);
}

}  // extern "C"
