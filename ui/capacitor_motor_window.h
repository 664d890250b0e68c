#pragma once
// The single-phase motor: a window of its own for the motor that starts itself. The kind, the
// capacitors, the auxiliary winding's connection and the switch choose the machine; the load, the
// inertia and Start from rest set a start-up that runs in real time (or ten times slower) while
// the field turns at the explorer's pace, with its step controls. What each control does is the
// core's CapacitorMotorSession's; a control for what the kind does not have is disabled, as the
// table of views refuses it. This window only runs the clocks.
#include <QElapsedTimer>

#include "capacitor_motor/capacitor_motor_session.h"
#include "capacitor_motor/capacitor_motor_view.h"
#include "ui_capacitor_motor_window.h"
#include "view_window.h"

class CapacitorMotorWindow : public ViewWindow {
    Q_OBJECT

  public:
    explicit CapacitorMotorWindow(QWidget* parent = nullptr);
    ~CapacitorMotorWindow() override;

    const ExplorerStepper& Stepper() const override { return m_session.Stepper(); }
    ViewSettings Settings() const override;
    // What the canvas shows, at the canvas's size and resolution.
    CapacitorMotorInputs Inputs() const;
    // The start-up's clock moves on by `seconds` of real time, as its timer does.
    void Advance(double seconds);

  protected:
    ExplorerStepper& MutableStepper() override { return m_session.Stepper(); }
    void Tick() override { m_session.Tick(); }
    void ShowStep() override;
    void Retranslate() override;

  private:
    // The machine from the controls.
    void ReadConfig();
    // The controls from the session, without their signals; those the kind has not, disabled.
    void ShowValues();
    void TickClock();

    Ui::CapacitorMotorWindow ui;
    CapacitorMotorSession m_session;
    QTimer m_clock;
    QElapsedTimer m_lastTick;
};
