#include "field_demo_app.h"

#include <QGuiApplication>

#include "field_demo_dialog.h"
#include "version.h"

CFieldDemoApp::CFieldDemoApp() = default;

CFieldDemoApp::~CFieldDemoApp() = default;

BOOL CFieldDemoApp::InitInstance() {
    // Who we are, for the desktop: the version block's version and the desktop entry's id.
    QCoreApplication::setApplicationName(QStringLiteral("vesk"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVeskVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vesk.Vesk"));

    CFieldDemoDialog dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // No event loop of our own: the modal run was the whole program.
    return FALSE;
}
