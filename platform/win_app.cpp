#include "win_app.h"

#include <QApplication>

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

CWinApp* AfxGetApp() { return g_app; }

QWidget* AfxGetMainWnd() { return g_app != nullptr ? g_app->m_pMainWnd : nullptr; }

int AfxWinMain(int argc, char** argv) {
    QApplication app(argc, argv);
    CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->InitInstance()) QApplication::exec();
    return 0;
}
