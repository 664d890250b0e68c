#pragma once
// The main window: the step shown, its readouts and the resultant setting, drawn as one frame of
// the rotating-field scene on the canvas. The step controller (the buttons and the animation
// timer) and the frame rendering are members too, in their own files.
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include <QCoreApplication>
#include <QPointer>

#include "dialog.h"
#include "draw/raster_dc.h"
#include "font.h"
#include "preferences.h"
#include "ui_field_demo_dialog.h"
#include "views/view.h"

class FrameActions;
class MainStepper;
class ViewWindow;

class CFieldDemoDialog : public CDialog {
    Q_DECLARE_TR_FUNCTIONS(CFieldDemoDialog)

  public:
    static constexpr UINT_PTR ANIM_TIMER_ID = 1;
    static constexpr UINT ANIM_TIMER_PERIOD = 200;  // ms

    explicit CFieldDemoDialog(QWidget* pParent = nullptr);
    ~CFieldDemoDialog() override;

    // Draws the frame of `step` off-screen, shows its readouts, then copies the frame onto the
    // canvas in one piece.
    void RenderFrame(int step);
    // Draws the frame of `step` on `pDC` and writes its readouts to their boxes. False when the
    // frame was abandoned (a brush could not be created).
    bool DrawScene(CDC* pDC, int step);

    // Where RenderFrame's off-screen surfaces come from: width, height, device pixels per pixel.
    using SurfaceFactory = std::function<std::unique_ptr<RasterDc>(int, int, double)>;
    void SetSurfaceFactory(SurfaceFactory factory) { m_createSurface = std::move(factory); }

    const MessageMap* GetMessageMap() const override;

    CString m_strPhaseAngle;
    CString m_strAmpU;
    CString m_strAmpV;
    CString m_strAmpW;
    BOOL m_bShowResultant;
    HICON m_hIcon;
    int m_nStep = 0;
    CFont m_fontReadout;
    // Presents the picture as soon as the window is up (vesk --present).
    bool m_bPresentAtStart = false;
    // Save, copy, the address and the export, as every view's window has them.
    FrameActions* m_pTakeHome = nullptr;

  protected:
    bool event(QEvent* event) override;
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
    // Applies one of the core's step rules to the step shown and the timer.
    void Step(void (MainStepper::*command)());
    // Opens a view's window beside this one, or raises it when it is open already.
    void OpenView(View view);
    // The window menu's entries after its own (explorer, language, colours, size, About), and
    // the whole menu again when a choice or the language changes.
    void AppendMenuEntries(CMenu* pSysMenu);
    void RebuildMenu();
    void TellUnsaved(const std::optional<SettingsProblem>& problem);

    Ui::FieldDemoDialog ui;
    SurfaceFactory m_createSurface;
    // Child windows: they go when this window goes.
    std::map<View, QPointer<ViewWindow>> m_views;
};
