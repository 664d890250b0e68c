#pragma once
// The synchronous machine as a class runs it, shared by the window and the page: the field
// current and the power of a steady state, which a drag of E's tip sets; or a start-up from rest,
// whose clock a host moves on in real time (or ten times slower), with the inertia, the cage, the
// load and the speed at which the field comes on. A change in a start-up goes on from the state
// the run got to, so that a heavier load is seen to swing δ to its new angle. The drawing's steps
// turn the field at the explorer's pace. Hosts only run the timers and show what this says.
#include <optional>

#include "explorer/explorer_stepper.h"
#include "synchronous/synchronous_frame.h"

class SynchronousSession {
  public:
    static constexpr double kSlowDown = 10.0;

    double FieldCurrent() const { return m_run.fieldCurrent; }
    double Power() const { return m_power; }
    double Inertia() const { return m_run.inertia; }
    bool Damper() const { return m_run.damper; }
    double Load() const { return m_run.load; }
    double FieldOn() const { return m_run.fieldOn; }
    SynchronousCurves Curves() const { return m_curves; }
    // Whether a start-up is shown rather than a steady state, and its clock.
    bool StartUp() const { return m_time.has_value(); }
    double Time() const { return m_time.value_or(0.0); }
    const ExplorerStepper& Stepper() const { return m_stepper; }
    ExplorerStepper& Stepper() { return m_stepper; }

    // The steady state at this power (kW), or at both from a drag of E's tip.
    void SetPower(double power);
    void SetPoint(const SynchronousSetting& setting);
    void SetFieldCurrent(double fieldCurrent);
    void SetInertia(double inertia);
    void SetDamper(bool damper);
    void SetLoad(double load);
    void SetFieldOn(double speed);
    void SetCurves(SynchronousCurves curves) { m_curves = curves; }
    // A start-up from rest, its clock from zero.
    void Start();
    // The steady state, or `time` seconds into a start-up from rest, with the field where the
    // step puts it: what vesk-render draws for the same values.
    void Show(std::optional<double> time, int step);
    // `seconds` of real time on the start-up's clock, a tenth of that when `slow`.
    void Advance(double seconds, bool slow);
    // The drawing's next step while it plays.
    void Tick() { m_stepper.Tick(); }

    // The frame's inputs but for the canvas, the palette and the language.
    SynchronousInputs Inputs() const;

  private:
    // Applies `change`; in a start-up, as a new run from where this one has got to.
    template <typename Change>
    void GoOn(Change change);

    SynchronousRunInputs m_run;
    double m_power = synchronous::kDefaultPower;
    SynchronousCurves m_curves = SynchronousCurves::V;
    std::optional<double> m_time;  // on the start-up's clock; none for a steady state
    ExplorerStepper m_stepper;
};
