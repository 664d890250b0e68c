#pragma once
// The motor: a window of its own for the rotor that follows the field. The supply controls are
// the explorer's; the load, the inertia, Start from rest and the pushes set a start-up that runs
// in real time (or ten times slower) while the drawing turns at the explorer's pace. The steps
// are decided by the core's ExplorerStepper; this window only runs the clocks.
#include <optional>

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "explorer_stepper.h"
#include "motor_frame.h"
#include "ui_motor_window.h"

class MotorWindow : public QWidget {
    Q_OBJECT

  public:
    explicit MotorWindow(QWidget* parent = nullptr);
    ~MotorWindow() override;

    const Supply& CurrentSupply() const { return m_supply; }
    const ExplorerStepper& Stepper() const { return m_stepper; }
    // The rotor's speed now, in rpm.
    double Speed();
    // What the canvas shows, at the canvas's size and resolution.
    MotorInputs Inputs() const;
    // The start-up's clock moves on by `seconds` of real time, as its timer does.
    void Advance(double seconds);

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void ChoosePreset(int index);
    void ReadSupply();
    void ShowSupply();
    // A new start-up from `speed`, at the present time; the curves begin again.
    void Restart(double speed);
    void Push(double by);
    void ShowPlaying();
    void Tick();
    void Render();

    Ui::MotorWindow ui;
    Supply m_supply;
    double m_load = 0.0;
    double m_inertia = motor::kDefaultInertia;
    double m_initial = 0.0;  // rpm at the last start or push
    double m_time = 0.0;     // s since then
    std::optional<MotorRun> m_run;
    double m_rotor = 0.0;  // the marked bar's angle, mechanical radians
    ExplorerStepper m_stepper;
    QTimer m_stepTimer;
    QTimer m_clock;
    QElapsedTimer m_lastTick;
    bool m_showingSupply = false;
};
