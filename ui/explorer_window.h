#pragma once
// The explorer: a window of its own beside the main one, for supplies that are reversed, open
// or unbalanced. The controls set the supply and move the step; each change draws the frame of
// the core at the canvas's size and pixel ratio at once. Play, pause and stepping are decided
// by the core's ExplorerStepper; this window only runs its timer.
#include <functional>

#include <QTimer>
#include <QWidget>

#include "explorer/explorer_model.h"
#include "explorer/explorer_stepper.h"
#include "ui_explorer_window.h"

class ExplorerWindow : public QWidget {
    Q_OBJECT

  public:
    // A top-level window: with a parent it stays over it, and a modal run of the parent does
    // not block it.
    explicit ExplorerWindow(QWidget* parent = nullptr);
    ~ExplorerWindow() override;

    const Supply& CurrentSupply() const { return m_supply; }
    const ExplorerStepper& Stepper() const { return m_stepper; }
    // The picture full screen, as F5 shows it.
    void PresentNow() { m_present(); }

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void ChoosePreset(int index);
    // The supply from the controls, after one of them changed.
    void ReadSupply();
    // The controls from the supply, without their change signals.
    void ShowSupply();
    // The timer, the play button and the slider from the stepper; then the frame.
    void ShowStep();
    void Render();
    // The panel folded away, the picture across the whole window; or back again.
    void TogglePanel();

    Ui::ExplorerWindow ui;
    Supply m_supply;
    ExplorerStepper m_stepper;
    QTimer m_timer;
    bool m_showingSupply = false;  // the controls are being set from the supply
    std::function<void()> m_present;
};
