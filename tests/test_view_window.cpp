// What every view's window does the same way, checked once for all of them through their real
// widgets: the controls' ranges come from the view's parameters, F9 folds the panel away, Space
// plays and pauses, hiding the window pauses it, and the canvas says what it shows.
#include <memory>

#include <QAbstractSpinBox>
#include <QDoubleSpinBox>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include "canvas_widget.h"
#include "view_windows.h"

namespace {

std::unique_ptr<ViewWindow> Shown(View view) {
    std::unique_ptr<ViewWindow> window(MakeViewWindow(view));
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    return window;
}

TEST(ViewWindows, EveryControlOfAParameterTakesItsRangeFromTheTable) {
    int controls = 0;
    for (const View view : WindowViews()) {
        const std::unique_ptr<ViewWindow> window = Shown(view);
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString name = ParamOfControl(control);
            if (name.isEmpty()) continue;
            SCOPED_TRACE(std::string(Describe(view).name) + " " + name.toStdString());
            const ParamSpec* spec = FindParam(Describe(view), name.toStdString());
            ASSERT_NE(spec, nullptr);
            double low = 0, high = 0;
            if (auto* box = qobject_cast<QDoubleSpinBox*>(control)) {
                low = box->minimum();
                high = box->maximum();
            } else if (auto* box = qobject_cast<QSpinBox*>(control)) {
                low = box->minimum();
                high = box->maximum();
            }
            EXPECT_EQ(low, spec->low);
            EXPECT_EQ(high, spec->high);
            if (spec->kind != ParamKind::Switch) {
                EXPECT_TRUE(
                    control->toolTip().endsWith(QString::fromStdString(RangeText(*spec)) + ")"))
                    << control->toolTip().toStdString();
            }
            ++controls;
        }
    }
    // Three amplitudes and three offsets twice, the frequency, the load and the inertia; the
    // motor's dynamic switch, switch angle and zoom, its frequency, boost, rotor resistance and
    // page; the single-phase motor's two
    // capacitors, load and inertia; the synchronous machine's field current, power, load,
    // inertia and field-on speed.
    EXPECT_EQ(controls, 31);
}

TEST(ViewWindows, TheSharedKeysWorkAlikeInEveryWindow) {
    for (const View view : WindowViews()) {
        SCOPED_TRACE(std::string(Describe(view).name));
        const std::unique_ptr<ViewWindow> window = Shown(view);
        auto* canvas = window->findChild<CanvasWidget*>("canvas");
        auto* panel = window->findChild<QScrollArea*>("panelScroll");
        ASSERT_NE(panel, nullptr);
        EXPECT_FALSE(canvas->accessibleDescription().isEmpty());
        const int wide = canvas->width();
        QTest::keyClick(window.get(), Qt::Key_F9);
        EXPECT_FALSE(panel->isVisible());
        EXPECT_TRUE(QTest::qWaitFor([&] { return canvas->width() > wide; }, 2000));
        QTest::keyClick(window.get(), Qt::Key_F9);
        EXPECT_TRUE(panel->isVisible());
        QTest::keyClick(window.get(), Qt::Key_Space);
        EXPECT_TRUE(window->Stepper().Playing());
        window->hide();
        EXPECT_FALSE(window->Stepper().Playing());
    }
}

}  // namespace
