#pragma once
// The application: runs the main window modally; its end is the end of the program.
#include "win_app.h"

class CFieldDemoApp : public CWinApp {
  public:
    CFieldDemoApp();
    ~CFieldDemoApp() override;

    BOOL InitInstance() override;
};
