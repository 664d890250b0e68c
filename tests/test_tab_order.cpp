// Every control of every window is reached with Tab, in the order a reader goes down the panel,
// and shows that it has the focus. The windows are the main one and those of WindowViews(), so a
// new view's window is walked as soon as it is in the menu.
#include <algorithm>
#include <functional>
#include <memory>

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include "field_demo_dialog.h"
#include "test_dialog_support.h"
#include "view_windows.h"

namespace {

// The controls a person works with, shown and enabled.
std::vector<QWidget*> Controls(QWidget* window) {
    std::vector<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        const bool control =
            qobject_cast<QAbstractButton*>(w) || qobject_cast<QComboBox*>(w) ||
            qobject_cast<QAbstractSpinBox*>(w) || qobject_cast<QAbstractSlider*>(w) ||
            (qobject_cast<QLineEdit*>(w) && !qobject_cast<QAbstractSpinBox*>(w->parentWidget()) &&
             !qobject_cast<QComboBox*>(w->parentWidget()));
        if (control && w->isVisibleTo(window) && w->isEnabled() && w->window() == window)
            controls.push_back(w);
    }
    return controls;
}

// The control that has the focus: a spin box's, not its line edit's.
QWidget* Focused(const std::vector<QWidget*>& controls) {
    for (QWidget* w = QApplication::focusWidget(); w != nullptr; w = w->parentWidget())
        if (std::find(controls.begin(), controls.end(), w) != controls.end()) return w;
    return QApplication::focusWidget();
}

QRect Place(QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// b comes after a as a reader goes: further down, or beside it on the same row.
bool ReadsAfter(QWidget* a, QWidget* b) {
    const QRect ra = Place(a), rb = Place(b);
    const int overlap = std::min(ra.bottom(), rb.bottom()) - std::max(ra.top(), rb.top());
    if (overlap > std::min(ra.height(), rb.height()) / 2) return rb.left() > ra.left();
    return rb.center().y() > ra.center().y();
}

QString Name(QWidget* w) { return w == nullptr ? QStringLiteral("(none)") : w->objectName(); }

// Tabs once round the window from the first control, checking each as it gets the focus.
// `inReadingOrder`: the order is also the panel's, top to bottom.
void Walk(QWidget* window, bool inReadingOrder) {
    const std::vector<QWidget*> controls = Controls(window);
    ASSERT_FALSE(controls.empty());
    std::vector<QWidget*> walked;
    // Focus is drawn once the keyboard has moved it, as on every desktop.
    PressKey(Qt::Key_Tab);
    QWidget* start = Focused(controls);
    for (std::size_t i = 0; i <= controls.size() + 1; ++i) {
        QWidget* now = Focused(controls);
        if (i > 0 && now == start) break;
        walked.push_back(now);
        const QImage focused = now->grab().toImage();
        PressKey(Qt::Key_Tab);
        // Seen to have the focus: drawn otherwise once the focus has gone on.
        EXPECT_NE(focused, now->grab().toImage()) << Name(now).toStdString() << " shows no focus";
    }
    for (QWidget* control : controls) {
        EXPECT_NE(std::find(walked.begin(), walked.end(), control), walked.end())
            << "Tab never reaches " << Name(control).toStdString();
    }
    EXPECT_EQ(walked.size(), controls.size());
    if (!inReadingOrder) return;
    // From the first control a reader meets.
    const auto first = std::min_element(walked.begin(), walked.end(), [](QWidget* a, QWidget* b) {
        return Place(a).top() != Place(b).top() ? Place(a).top() < Place(b).top()
                                                : Place(a).left() < Place(b).left();
    });
    std::rotate(walked.begin(), first, walked.end());
    for (std::size_t i = 1; i < walked.size(); ++i) {
        EXPECT_TRUE(ReadsAfter(walked[i - 1], walked[i]))
            << Name(walked[i]).toStdString() << " comes after "
            << Name(walked[i - 1]).toStdString();
    }
}

TEST(TabOrder, EveryViewWindowIsWalkedDownItsPanel) {
    for (const View view : WindowViews()) {
        SCOPED_TRACE(std::string(Describe(view).name));
        const std::unique_ptr<ViewWindow> window(MakeViewWindow(view));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        Walk(window.get(), true);
    }
}

// The main window keeps its template's order (test_field_demo_dialog); every control is in it.
TEST(TabOrder, TheMainWindowReachesEveryControl) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] { Walk(&dialog, false); });
}

// Space plays wherever the focus is; Enter presses the focused button and ticks the focused box.
TEST(TabOrder, EnterPressesTheFocusedButtonOrBox) {
    for (const View view : WindowViews()) {
        SCOPED_TRACE(std::string(Describe(view).name));
        const std::unique_ptr<ViewWindow> window(MakeViewWindow(view));
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        auto* play = window->findChild<QAbstractButton*>("playPause");
        ASSERT_NE(play, nullptr);
        play->setFocus();
        PressKey(Qt::Key_Return);
        EXPECT_TRUE(window->Stepper().Playing());
        PressKey(Qt::Key_Space);
        EXPECT_FALSE(window->Stepper().Playing());
        for (QAbstractButton* box : window->findChildren<QAbstractButton*>()) {
            if (!box->isCheckable() || !box->isEnabled() || !box->isVisibleTo(window.get()))
                continue;
            const bool was = box->isChecked();
            box->setFocus();
            PressKey(Qt::Key_Enter);
            EXPECT_NE(box->isChecked(), was) << Name(box).toStdString();
            PressKey(Qt::Key_Return);
            EXPECT_EQ(box->isChecked(), was) << Name(box).toStdString();
        }
    }
}

}  // namespace
