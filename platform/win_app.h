#pragma once
// The application object and the start-up that hands over to it.
#include "win_types.h"

class QWidget;

class CWinApp {
  public:
    // The one application object registers itself; the start-up finds it with AfxGetApp.
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Returns FALSE when the program has done its work, TRUE to enter the event loop.
    virtual BOOL InitInstance();

    // The window whose end ends the program; owner of the dialogs opened without a parent.
    QWidget* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
QWidget* AfxGetMainWnd();

// Creates the toolkit's application, calls InitInstance and, if it returns TRUE, runs the event
// loop. Returns the process's exit status: 0.
int AfxWinMain(int argc, char** argv);
