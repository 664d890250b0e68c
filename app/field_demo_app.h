#pragma once
// The application: runs the main window modally, or shows the explorer alone; the end of that
// window is the end of the program.
#include "language.h"
#include "palette.h"
#include "win_app.h"

class CFieldDemoApp : public CWinApp {
  public:
    CFieldDemoApp();
    ~CFieldDemoApp() override;

    BOOL InitInstance() override;

    // Open the explorer instead of the main window (vesk --explore).
    bool m_bExplore = false;
    // Open the motor instead (vesk --motor).
    bool m_bMotor = false;
    // The class's language and palette for this run.
    Language m_language = Language::Chinese;
    const Palette* m_palette = &kStandardPalette;
};
