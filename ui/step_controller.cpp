// The step controller: the buttons, the check box and the animation timer move the step and have
// its frame drawn at once. The timer is the only record of whether the animation runs.
#include "field_demo_dialog.h"
#include "phase_model.h"

void CFieldDemoDialog::OnStart() {
    m_nStep = 0;
    RenderFrame(0);
    SetTimer(ANIM_TIMER_ID, ANIM_TIMER_PERIOD);
}

void CFieldDemoDialog::OnTimer(UINT_PTR) {
    m_nStep += 1;
    if (m_nStep > MAX_STEP) m_nStep = 0;
    RenderFrame(m_nStep);
    Default();
}

void CFieldDemoDialog::OnStop() { KillTimer(ANIM_TIMER_ID); }

void CFieldDemoDialog::OnNextStep() {
    KillTimer(ANIM_TIMER_ID);
    m_nStep += 1;
    if (m_nStep > MAX_STEP) m_nStep = 0;
    RenderFrame(m_nStep);
}

void CFieldDemoDialog::OnPrevStep() {
    KillTimer(ANIM_TIMER_ID);
    if (m_nStep > 0) m_nStep -= 1;
    RenderFrame(m_nStep);
}

void CFieldDemoDialog::OnReset() {
    m_nStep = 0;
    RenderFrame(0);
}

void CFieldDemoDialog::OnShowResultant() {
    UpdateData(TRUE);
    RenderFrame(m_nStep);
}
