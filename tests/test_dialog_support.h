#pragma once
// Running a dialog modally inside a test, and input as a person gives it: keys go to the widget
// with the keyboard focus, clicks go through the window to whatever control lies under them.
#include <functional>

// Clicks go through the window system, so they land on the control under the pointer and a
// window blocked by a modal dialog does not get them.
#ifndef QTEST_QPA_MOUSE_HANDLING
#define QTEST_QPA_MOUSE_HANDLING
#endif

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include "dialog.h"

// Runs `body` inside the dialog's modal run, once the dialog is shown and active; ends the run
// with -1 afterwards if the body did not end it. Returns DoModal's result.
inline int RunModal(CDialog& dialog, const std::function<void()>& body) {
    QTimer::singleShot(0, &dialog, [&dialog, &body] {
        if (QTest::qWaitForWindowActive(&dialog))
            body();
        else
            ADD_FAILURE() << "the dialog did not become the active window";
        if (dialog.isVisible()) dialog.EndDialog(-1);
    });
    // A test that loses its way must not hang: after 30 s every menu and dialog is closed.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] {
        ADD_FAILURE() << "the modal run did not end; closing everything";
        while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d != nullptr && d->isVisible()) d->done(-2);
    });
    watchdog.start(30000);
    return dialog.DoModal();
}

// Calls `action` with the modal dialog, the popup or the window that `find` returns, once it is
// open (and, unless it is a popup, active); gives up after five seconds. Used to answer a
// blocking exec() started afterwards.
inline void WhenOpen(const std::function<QWidget*()>& find,
                     const std::function<void(QWidget*)>& action) {
    auto* poll = new QTimer;
    auto* deadline = new QElapsedTimer;
    deadline->start();
    QObject::connect(poll, &QTimer::timeout, [poll, deadline, find, action] {
        QWidget* w = find();
        const bool ready = w != nullptr && (w->windowType() == Qt::Popup || w->isActiveWindow());
        if (!ready && deadline->elapsed() < 5000) return;
        poll->stop();
        poll->deleteLater();
        delete deadline;
        if (!ready) {
            ADD_FAILURE() << "the expected window never opened";
            return;
        }
        action(w);
    });
    poll->start(10);
}

inline void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    if (target == nullptr) target = QApplication::activeWindow();
    ASSERT_NE(target, nullptr) << "no window to type into";
    QTest::keyClick(target, key, modifiers);
}

inline void Click(QWidget* control, Qt::MouseButton button = Qt::LeftButton) {
    ASSERT_NE(control, nullptr);
    QTest::mouseClick(control, button, Qt::NoModifier, control->rect().center());
}
