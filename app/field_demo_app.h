#pragma once
// The application: runs the main window modally, or shows the explorer alone; the end of that
// window is the end of the program.
#include <optional>

#include "language.h"
#include "lesson/lesson.h"
#include "text/palette.h"
#include "win_app.h"

class CFieldDemoApp : public CWinApp {
  public:
    CFieldDemoApp();
    ~CFieldDemoApp() override;

    BOOL InitInstance() override;

    // Open the explorer instead of the main window (vesk --explore).
    bool m_bExplore = false;
    // The window's picture full screen at once (vesk --present).
    bool m_bPresent = false;
    // A lesson full screen, alone (vesk --lesson).
    std::optional<Lesson> m_lesson;
    // Open the windings window instead (vesk --windings).
    bool m_bWindings = false;
    // Open the motor instead (vesk --motor).
    bool m_bMotor = false;
    // The class's language and palette for this run.
    Language m_language = Language::Chinese;
    const Palette* m_palette = &kStandardPalette;
};
