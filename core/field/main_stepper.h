#pragma once
// The main window's step rules, for the window and the page alike: Start shows step 0 and runs the
// animation, a tick moves on while it runs, Next wraps from the last step to 0 and Previous stops
// at 0, both stopping the animation, and Reset goes back to 0 leaving a running animation running.
// The caller keeps its timer in step with Running().
#include "field/phase_model.h"

class MainStepper {
  public:
    explicit MainStepper(int step = 0, bool running = false) : m_step(step), m_running(running) {}

    int Step() const { return m_step; }
    bool Running() const { return m_running; }
    bool Playing() const { return m_running; }

    // Starting while running starts again from step 0.
    void Start() {
        m_step = 0;
        m_running = true;
    }
    // The step shown stays.
    void Stop() { m_running = false; }
    // Presentation mode's play key: on from the step shown, or stopped there.
    void PlayPause() { m_running = !m_running; }
    void Tick() {
        if (m_running) m_step = Wrap(m_step + 1);
    }
    void Next() {
        m_running = false;
        m_step = Wrap(m_step + 1);
    }
    void Previous() {
        m_running = false;
        if (m_step > 0) m_step -= 1;
    }
    void Reset() { m_step = 0; }

  private:
    static int Wrap(int step) { return step > MAX_STEP ? 0 : step; }

    int m_step;
    bool m_running;
};
