#include "field_demo_app.h"

#include <QGuiApplication>

#include "field_demo_dialog.h"
#include "preferences.h"
#include "presentation_window.h"
#include "version.h"
#include "view_windows.h"

CFieldDemoApp::CFieldDemoApp() = default;

CFieldDemoApp::~CFieldDemoApp() = default;

BOOL CFieldDemoApp::InitInstance() {
    // Who we are, for the desktop: the version block's version and the desktop entry's id.
    QCoreApplication::setApplicationName(QStringLiteral("vesk"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kVeskVersion));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vesk.Vesk"));
    SetLanguage(m_language);
    SetPalette(*m_palette);

    if (m_lesson) {
        // The lesson is the program's only window, and leaving it ends the program.
        PresentationWindow* lesson = Present(*m_lesson, LessonStepper::Walk::Stops);
        m_pMainWnd = lesson;
        QObject::connect(lesson, &QObject::destroyed, [this] { m_pMainWnd = nullptr; });
        return TRUE;
    }
    if (m_view && *m_view != View::Main) {
        // The view's window is the program's only window: closing it deletes it, and with the
        // last window gone the event loop ends.
        ViewWindow* window = MakeViewWindow(*m_view);
        window->setAttribute(Qt::WA_DeleteOnClose);
        m_pMainWnd = window;
        QObject::connect(window, &QObject::destroyed, [this] { m_pMainWnd = nullptr; });
        window->show();
        if (m_bPresent) window->PresentNow();
        return TRUE;
    }

    CFieldDemoDialog dlg;
    dlg.m_bPresentAtStart = m_bPresent;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // No event loop of our own: the modal run was the whole program.
    return FALSE;
}
