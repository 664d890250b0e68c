#pragma once
// The windings window: a window of its own beside the main one, for poles, slots, distributed
// and short-pitched windings and the flux lines they make. The controls set the winding and move
// the step; each change draws the core's frame at the canvas's size and pixel ratio at once. The
// steps follow the explorer's rules (ExplorerStepper); this window only runs the timer.
#include <functional>

#include <QTimer>
#include <QWidget>

#include "explorer/explorer_stepper.h"
#include "ui_windings_window.h"
#include "winding/winding_frame.h"

class WindingsWindow : public QWidget {
    Q_OBJECT

  public:
    explicit WindingsWindow(QWidget* parent = nullptr);
    ~WindingsWindow() override;

    // The inputs of the frame shown, at the canvas's size.
    WindingInputs Inputs() const;
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
    // The winding from the controls, after one of them changed.
    void ReadWinding();
    // The controls from the winding: only the valid slot counts and pitches are offered.
    void ShowWinding();
    void ShowStep();
    void Render();

    Ui::WindingsWindow ui;
    Winding m_winding;
    ExplorerStepper m_stepper;
    QTimer m_timer;
    bool m_showing = false;  // the controls are being set from the winding
    std::function<void()> m_present;
};
