#pragma once
// The motor as a class runs it, shared by the window and the page: a supply, a load and an
// inertia; a start-up from the last start or push, whose clock a host moves on in real time (or
// ten times slower) until the run settles; and the drawing's steps at the explorer's pace, with
// the rotor turned n/n_s of each step. Hosts only run the timers and show what this says.
#include <optional>

#include "explorer/explorer_stepper.h"
#include "motor/motor_frame.h"

class MotorSession {
  public:
    static constexpr double kSlowDown = 10.0;
    // The clock runs at least this long, in seconds of the run, even for a run settled at once.
    static constexpr double kShortestRun = 1.0;

    MotorSession();

    const Supply& CurrentSupply() const { return m_supply; }
    double Load() const { return m_load; }
    double Inertia() const { return m_inertia; }
    const ExplorerStepper& Stepper() const { return m_stepper; }
    ExplorerStepper& Stepper() { return m_stepper; }
    double Time() const { return m_time; }
    // The rotor's speed now, in rpm.
    double Speed();

    // Each change goes on from the present speed, as a new start-up.
    void SetSupply(const Supply& supply);
    void SetLoad(double load);
    void SetInertia(double inertia);
    // The V/f drive and the added rotor resistance, brought into range.
    void SetDrive(const MotorDrive& drive);
    const MotorDrive& Drive() const { return m_drive; }
    // Which page the view shows; the run goes on either way.
    void SetPage(MotorPage page) { m_page = page; }
    MotorPage Page() const { return m_page; }
    // From rest, or the present speed ±150 rpm; either starts the clock.
    void Start();
    void Push(double direction);
    // The steady state at `speed`, or `time` seconds into a start-up from `initial`, with the
    // rotor where the step puts it: what vesk-render draws for the same values.
    void Show(std::optional<double> speed, double time, double initial, int step);
    // `seconds` of real time on the start-up's clock, a tenth of that when `slow`; the clock stops
    // where the run has settled.
    void Advance(double seconds, bool slow);
    // The clock has stopped because the run settled.
    bool Settled() const;
    // The drawing's next step while it plays, the rotor turned with it.
    void Tick();

    // The frame's inputs but for the canvas, the palette and the language.
    MotorInputs Inputs() const;

  private:
    void Restart(double speed);

    Supply m_supply;
    double m_load = 0.0;
    double m_inertia = motor::kDefaultInertia;
    MotorDrive m_drive;
    MotorPage m_page = MotorPage::Field;
    std::optional<double> m_speed;  // a steady state shown, until the next start-up
    double m_initial = 0.0;
    double m_time = 0.0;
    std::optional<MotorRun> m_run;
    std::optional<double> m_rotor;  // none: where the step puts it
    ExplorerStepper m_stepper;
};
