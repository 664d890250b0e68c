#include "field_demo_app.h"

#include <QGuiApplication>

#include "explorer_window.h"
#include "field_demo_dialog.h"
#include "motor_window.h"
#include "preferences.h"
#include "presentation_window.h"
#include "version.h"
#include "windings_window.h"

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
    if (m_bExplore || m_bWindings || m_bMotor) {
        // The explorer, the windings or the motor is the program's only window: closing it
        // deletes it, and with the last window gone the event loop ends.
        QWidget* explorer = m_bWindings ? static_cast<QWidget*>(new WindingsWindow)
                            : m_bMotor  ? static_cast<QWidget*>(new MotorWindow)
                                        : static_cast<QWidget*>(new ExplorerWindow);
        explorer->setAttribute(Qt::WA_DeleteOnClose);
        m_pMainWnd = explorer;
        QObject::connect(explorer, &QObject::destroyed, [this] { m_pMainWnd = nullptr; });
        explorer->show();
        if (m_bPresent) {
            if (auto* e = dynamic_cast<ExplorerWindow*>(explorer)) e->PresentNow();
            if (auto* w = dynamic_cast<WindingsWindow*>(explorer)) w->PresentNow();
            if (auto* m = dynamic_cast<MotorWindow*>(explorer)) m->PresentNow();
        }
        return TRUE;
    }

    CFieldDemoDialog dlg;
    dlg.m_bPresentAtStart = m_bPresent;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    // No event loop of our own: the modal run was the whole program.
    return FALSE;
}
