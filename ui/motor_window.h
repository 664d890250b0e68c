#pragma once
// The motor: a window of its own for the rotor that follows the field. The supply controls are
// the explorer's; the load, the inertia, Start from rest and the pushes set a start-up that runs
// in real time (or ten times slower) while the drawing turns at the explorer's pace. What each
// control does is the core's MotorSession's; this window only runs the clocks.
#include <QElapsedTimer>

#include "motor/motor_session.h"
#include "ui_motor_window.h"
#include "view_window.h"

class MotorWindow : public ViewWindow {
    Q_OBJECT

  public:
    explicit MotorWindow(QWidget* parent = nullptr);
    ~MotorWindow() override;

    const Supply& CurrentSupply() const { return m_session.CurrentSupply(); }
    const ExplorerStepper& Stepper() const override { return m_session.Stepper(); }
    // The rotor's speed now, in rpm.
    double Speed() { return m_session.Speed(); }
    ViewSettings Settings() const override;
    // What the canvas shows, at the canvas's size and resolution.
    MotorInputs Inputs() const;
    // The start-up's clock moves on by `seconds` of real time, as its timer does.
    void Advance(double seconds);

  protected:
    ExplorerStepper& MutableStepper() override { return m_session.Stepper(); }
    void Tick() override { m_session.Tick(); }
    void ShowStep() override;
    void Retranslate() override;
    LessonStop StopShown() const override;

  private:
    void ChoosePreset(int index);
    void ReadSupply();
    void ShowSupply();
    void TickClock();

    Ui::MotorWindow ui;
    MotorSession m_session;
    QTimer m_clock;
    QElapsedTimer m_lastTick;
    bool m_showingSupply = false;
};
