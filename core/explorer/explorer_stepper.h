#pragma once
// The explorer's step controls, made for a lecturer who stops to explain: play and pause carry
// on from the step shown, Next and Previous wrap round one period both ways, Reset goes to 0
// and the angle slider goes straight to any step. The window drives it and runs a timer while
// it plays; nothing here knows about either.
#include <algorithm>

#include "explorer/explorer_model.h"

class ExplorerStepper {
  public:
    static constexpr int kMinInterval = 50;  // ms per step
    static constexpr int kMaxInterval = 1000;
    static constexpr int kDefaultInterval = 200;

    int Step() const { return m_step; }
    bool Playing() const { return m_playing; }
    int Interval() const { return m_interval; }

    void PlayPause() { m_playing = !m_playing; }
    void Pause() { m_playing = false; }
    // One step on while playing; a tick that arrives after a pause changes nothing.
    void Tick() {
        if (m_playing) m_step = WrapExplorerStep(m_step + 1);
    }
    // Stepping by hand stops the animation: the lecturer wants this step to stay.
    void Next() {
        m_playing = false;
        m_step = WrapExplorerStep(m_step + 1);
    }
    void Previous() {
        m_playing = false;
        m_step = WrapExplorerStep(m_step - 1);
    }
    void Seek(int step) {
        m_playing = false;
        m_step = std::clamp(step, 0, kExplorerSteps - 1);
    }
    // Back to 0; an animation keeps running from there.
    void Reset() { m_step = 0; }
    void SetInterval(int ms) { m_interval = std::clamp(ms, kMinInterval, kMaxInterval); }

  private:
    int m_step = 0;
    bool m_playing = false;
    int m_interval = kDefaultInterval;
};
