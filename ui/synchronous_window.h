#pragma once
// The synchronous machine: a window of its own for the rotor locked to the field. The field
// current and the power set the steady state, or E's tip dragged in the phasor diagram sets both;
// the load, the inertia, the damper cage and the speed at which the field comes on set a start-up
// from rest that runs in real time (or ten times slower). What each control does is the core's
// SynchronousSession's, and where a drag leaves the machine is the core's; this window only
// forwards the pointer's positions and runs the clocks.
#include <QElapsedTimer>

#include "synchronous/synchronous_session.h"
#include "ui_synchronous_window.h"
#include "view_window.h"

class SynchronousWindow : public ViewWindow {
    Q_OBJECT

  public:
    explicit SynchronousWindow(QWidget* parent = nullptr);
    ~SynchronousWindow() override;

    const ExplorerStepper& Stepper() const override { return m_session.Stepper(); }
    ViewSettings Settings() const override;
    // What the canvas shows, at the canvas's size and resolution.
    SynchronousInputs Inputs() const;
    // The start-up's clock moves on by `seconds` of real time, as its timer does.
    void Advance(double seconds);

  protected:
    ExplorerStepper& MutableStepper() override { return m_session.Stepper(); }
    void Tick() override { m_session.Tick(); }
    void ShowStep() override;
    void Retranslate() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // The pointer on the canvas: a press near E's tip grabs it, a move drags it.
    bool Point(QEvent* event);
    void DragTo(QPointF position);
    // The controls from the session, without their signals.
    void ShowValues();
    void TickClock();

    Ui::SynchronousWindow ui;
    SynchronousSession m_session;
    QTimer m_clock;
    QElapsedTimer m_lastTick;
    bool m_dragging = false;
};
