#pragma once
// A scene host without a window: a canvas of a given size and a fixed resultant setting.
#include <functional>

#include "scene.h"

class FixedHost : public SceneHost {
  public:
    FixedHost(int width, int height, bool showResultant)
        : m_rect{0, 0, width, height}, m_showResultant(showResultant) {}

    CRect GetCanvasRect() const override { return m_rect; }
    bool ShowResultant() const override { return m_showResultant; }
    void PushReadouts(const Readouts& readouts) override {
        m_readouts = readouts;
        if (onReadouts) onReadouts(readouts);
    }
    const Readouts& LastReadouts() const { return m_readouts; }

    std::function<void(const Readouts&)> onReadouts;

  private:
    CRect m_rect;
    bool m_showResultant;
    Readouts m_readouts;
};
