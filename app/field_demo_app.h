#pragma once
// The application: runs the main window modally, or shows the explorer alone; the end of that
// window is the end of the program.
#include <optional>

#include "language.h"
#include "lesson/lesson.h"
#include "text/palette.h"
#include "views/view.h"
#include "win_app.h"

class CFieldDemoApp : public CWinApp {
  public:
    CFieldDemoApp();
    ~CFieldDemoApp() override;

    BOOL InitInstance() override;

    // A view's window alone instead of the main window (a view's flag on vesk's command line).
    std::optional<View> m_view;
    // The window's picture full screen at once (vesk --present).
    bool m_bPresent = false;
    // A lesson full screen, alone (vesk --lesson).
    std::optional<Lesson> m_lesson;
    // The class's language and palette for this run.
    Language m_language = Language::Chinese;
    const Palette* m_palette = &kStandardPalette;
};
