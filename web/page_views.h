#pragma once
// Each view as the page holds it in WebAssembly: what it shows beside its step, and its steps,
// moved by the view's rule from the table (the main window's or round one period). The generic
// entry points (wasm_views.cpp) draw it, step it and set it from the address through the table of
// views; a view's own controls (wasm_explorer.cpp, ...) change its settings. A view whose state
// lives in a class of its own (a machine's session that runs in time) registers a PageView of its
// own.
#include <memory>
#include <variant>

#include "explorer/explorer_stepper.h"
#include "field/main_stepper.h"
#include "lesson/lesson.h"
#include "views/view_table.h"

// The step controls, in the order the page's scripts number them (view_base.js).
enum class StepAction { PlayPause, Pause, Tick, Next, Previous, Reset, Start };

class PageView {
  public:
    explicit PageView(View view);
    virtual ~PageView() = default;

    View Which() const { return m_view; }
    virtual ViewSettings Settings() const { return m_settings; }
    // The settings a view's own controls change, for a view that keeps them here.
    template <class S>
    S& Own() {
        return std::get<S>(m_settings);
    }
    // What an address asks for: `settings` at `step`, paused.
    virtual void Show(const ViewSettings& settings, int step);
    // The stop that presents the view as it is shown.
    virtual LessonStop StopShown() const;

    virtual void Act(StepAction action);
    // Goes to `step`, paused.
    void Seek(int step);
    // The interval between steps while playing, clamped to the stepper's; NaN changes nothing.
    void SetInterval(double ms);
    int Step() const;
    bool Playing() const;
    int Interval() const;

  protected:
    ViewSettings m_settings;
    // The steps of a view that goes round one period.
    virtual ExplorerStepper& Cycle() { return std::get<ExplorerStepper>(m_steps); }
    const ExplorerStepper& Cycle() const { return const_cast<PageView*>(this)->Cycle(); }

  private:
    View m_view;
    std::variant<MainStepper, ExplorerStepper> m_steps;
};

// The page's view `view`: the one registered for it, else one kept by the default rules.
PageView& PageOf(View view);
// Makes `page` the page's view of its kind; called once, before the page starts.
void RegisterPageView(std::unique_ptr<PageView> page);
