// The step controller: the buttons, the check box and the animation timer move the step by the
// core's rules (MainStepper) and have its frame drawn at once. The timer is the only record of
// whether the animation runs: each command starts from it and leaves it as the rules say.
#include "field/main_stepper.h"
#include "field_demo_dialog.h"

void CFieldDemoDialog::Step(void (MainStepper::*command)()) {
    MainStepper stepper(m_nStep, HasTimer(ANIM_TIMER_ID));
    (stepper.*command)();
    m_nStep = stepper.Step();
    if (!stepper.Running()) KillTimer(ANIM_TIMER_ID);
}

void CFieldDemoDialog::OnStart() {
    Step(&MainStepper::Start);
    RenderFrame(m_nStep);
    // Started again when it runs, so the next tick comes a whole period after the click.
    SetTimer(ANIM_TIMER_ID, ANIM_TIMER_PERIOD);
}

void CFieldDemoDialog::OnTimer(UINT_PTR) {
    Step(&MainStepper::Tick);
    RenderFrame(m_nStep);
    Default();
}

void CFieldDemoDialog::OnStop() { Step(&MainStepper::Stop); }

void CFieldDemoDialog::OnNextStep() {
    Step(&MainStepper::Next);
    RenderFrame(m_nStep);
}

void CFieldDemoDialog::OnPrevStep() {
    Step(&MainStepper::Previous);
    RenderFrame(m_nStep);
}

void CFieldDemoDialog::OnReset() {
    Step(&MainStepper::Reset);
    RenderFrame(m_nStep);
}

void CFieldDemoDialog::OnShowResultant() {
    UpdateData(TRUE);
    RenderFrame(m_nStep);
}
