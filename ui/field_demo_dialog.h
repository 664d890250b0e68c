#pragma once
// The main window: the step shown, its readouts and the resultant setting, drawn as one frame of
// the rotating-field scene on the canvas. The step controller (the buttons and the animation
// timer) and the frame rendering are members too, in their own files.
#include "dc.h"
#include "dialog.h"
#include "font.h"
#include "scene.h"
#include "ui_field_demo_dialog.h"

class CFieldDemoDialog : public CDialog, public SceneHost {
  public:
    static constexpr UINT_PTR ANIM_TIMER_ID = 1;
    static constexpr UINT ANIM_TIMER_PERIOD = 200;  // ms

    explicit CFieldDemoDialog(QWidget* pParent = nullptr);
    ~CFieldDemoDialog() override;

    // Draws the frame of `step` off-screen and copies it onto the canvas in one piece.
    void RenderFrame(int step);
    void DrawScene(CDC* pDC, int step);

    // SceneHost
    CRect GetCanvasRect() const override;
    void PushReadouts(const Readouts& readouts) override;
    bool ShowResultant() const override { return m_bShowResultant != FALSE; }

    const MessageMap* GetMessageMap() const override;

    CString m_strPhaseAngle;
    CString m_strAmpU;
    CString m_strAmpV;
    CString m_strAmpW;
    BOOL m_bShowResultant;
    HICON m_hIcon;
    int m_nStep = 0;
    CFont m_fontReadout;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnStart();
    void OnTimer(UINT_PTR nIDEvent);
    void OnStop();
    void OnNextStep();
    void OnReset();
    void OnDestroy();
    void OnShowResultant();
    void OnPrevStep();
    void OnClose();

  private:
    Ui::FieldDemoDialog ui;
};
