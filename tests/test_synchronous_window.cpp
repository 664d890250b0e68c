// The synchronous machine's window as a lecturer uses it: E's tip dragged with the mouse on the
// canvas sets the field current and the power, a start from rest shows what the cage and the field
// do, and the window opens from the main window's menu, after the motors.
#include <cmath>
#include <functional>

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QPushButton>

#include "test_dialog_support.h"

#include "canvas_widget.h"
#include "draw/trace_dc.h"
#include "field_demo_dialog.h"
#include "menu.h"
#include "raster_image.h"
#include "synchronous_window.h"
#include "view_windows.h"

namespace {

template <typename T>
T* Find(QWidget& w, const char* name) {
    T* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// A check box takes a click on its box or its text, not on the room beside them.
void Tick(QCheckBox* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->height() / 2, box->height() / 2));
}

SynchronousSettings Shown(const SynchronousWindow& w) {
    return std::get<SynchronousSettings>(w.Settings());
}

struct Drag {
    const char* name;
    QPoint by;      // from E's tip, in pixels of the canvas
    int fieldSign;  // how the field current changes
    int powerSign;  // how the power changes
    friend void PrintTo(const Drag& row, std::ostream* os) { *os << row.name; }
};

class Dragging : public ::testing::TestWithParam<Drag> {};

// The power is 3V·(−Im E)/X_s: E's tip lower is more power, above V's line the machine generates;
// its length, E = V·If / 2 A, is the field current.
TEST_P(Dragging, EsTipSetsTheFieldCurrentAndThePower) {
    SynchronousWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* canvas = Find<CanvasWidget>(w, "canvas");
    const SynchronousInputs before = w.Inputs();
    const std::optional<SynchronousPixel> tip = SynchronousEmfTip(before);
    ASSERT_TRUE(tip.has_value());
    const QPoint from(tip->x, tip->y), to = from + GetParam().by, back = from + GetParam().by / 2;

    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas, to);
    // The machine follows the pointer while it moves, not only where it is let go.
    const SynchronousSetting moved = SynchronousDragTo(before, to.x(), to.y());
    EXPECT_DOUBLE_EQ(Shown(w).fieldCurrent, moved.fieldCurrent);
    EXPECT_DOUBLE_EQ(Shown(w).power, moved.power);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, back);

    const SynchronousSetting left = SynchronousDragTo(before, back.x(), back.y());
    EXPECT_DOUBLE_EQ(Shown(w).fieldCurrent, left.fieldCurrent);
    EXPECT_DOUBLE_EQ(Shown(w).power, left.power);
    const double field = moved.fieldCurrent - before.fieldCurrent;
    const double power = moved.power - before.power;
    // Not moved, within the half pixel the tip was rounded to.
    EXPECT_EQ((field > 0.05) - (field < -0.05), GetParam().fieldSign);
    EXPECT_EQ((power > 0.3) - (power < -0.3), GetParam().powerSign);
    EXPECT_NEAR(Find<QDoubleSpinBox>(w, "fieldCurrent")->value(), left.fieldCurrent, 0.005);
    EXPECT_NEAR(Find<QDoubleSpinBox>(w, "power")->value(), left.power, 0.005);
    EXPECT_TRUE(canvas->Frame() == RasterViewFrame(w.Settings(), w.Canvas()));
}

// E = 230.9 V points 22° below V: to the right it grows with the same height; straight down it
// grows and draws more power; far up it crosses V's line and generates.
INSTANTIATE_TEST_SUITE_P(Window, Dragging,
                         ::testing::Values(Drag{"Outwards", {40, 0}, 1, 0},
                                           Drag{"Down", {0, 30}, 1, 1},
                                           Drag{"UpPastV", {0, -120}, 1, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Dragging, APressAwayFromTheTipMovesNothing) {
    SynchronousWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    auto* canvas = Find<CanvasWidget>(w, "canvas");
    const std::optional<SynchronousPixel> tip = SynchronousEmfTip(w.Inputs());
    ASSERT_TRUE(tip.has_value());
    const SynchronousSettings before = Shown(w);
    const QPoint away(tip->x + 40, tip->y + 40);
    QTest::mousePress(canvas, Qt::LeftButton, {}, away);
    QTest::mouseMove(canvas, away + QPoint(50, 50));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, away + QPoint(50, 50));
    EXPECT_EQ(Shown(w), before);
}

struct StartUp {
    const char* name;
    std::function<void(SynchronousWindow&)> set;
    double seconds;
    double low;  // the speed reached lies between these, in rpm
    double high;
    SynchronousState state;
    friend void PrintTo(const StartUp& row, std::ostream* os) { *os << row.name; }
};

class StartsFromRest : public ::testing::TestWithParam<StartUp> {};

TEST_P(StartsFromRest, TheCageAndTheFieldDoWhatTheLessonSays) {
    SynchronousWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    GetParam().set(w);
    Click(Find<QPushButton>(w, "start"));
    // The clock stopped and moved on by hand, so that the run is exact.
    Click(Find<QPushButton>(w, "playPause"));
    ASSERT_FALSE(w.Stepper().Playing());
    w.Advance(GetParam().seconds);
    TraceDc dc;
    const SynchronousReadouts r = DrawSynchronousFrame(w.Inputs(), dc).readouts;
    EXPECT_GE(std::stod(r.speed), GetParam().low);
    EXPECT_LE(std::stod(r.speed), GetParam().high);
    EXPECT_EQ(r.state, GetParam().state);
    if (GetParam().state == SynchronousState::Motoring) {
        EXPECT_EQ(r.loadAngle, "6.8");
    }
}

// An independent RK4 integration of the swing equation at 0.2 ms gives: without the cage, the
// field on at rest, 16 rpm after 2 s; with it and a 10 N·m fan, the field off, 1428.7 rpm after
// 3 s; with the field on at 1300 rpm, 1500.0 rpm and δ = 6.77° after 8 s.
INSTANTIATE_TEST_SUITE_P(
    Window, StartsFromRest,
    ::testing::Values(StartUp{"WithoutACageItOnlyTrembles",
                              [](SynchronousWindow& w) { Tick(Find<QCheckBox>(w, "damper")); }, 2.0,
                              -20, 20, SynchronousState::NotStarting},
                      StartUp{"TheCageRunsItUpBelowSynchronism",
                              [](SynchronousWindow& w) {
                                  Find<QDoubleSpinBox>(w, "load")->setValue(10);
                                  Find<QDoubleSpinBox>(w, "fieldOn")->setValue(1500);
                              },
                              3.0, 1420, 1435, SynchronousState::Starting},
                      StartUp{"TheFieldPullsItIntoStep",
                              [](SynchronousWindow& w) {
                                  Find<QDoubleSpinBox>(w, "load")->setValue(10);
                                  Find<QDoubleSpinBox>(w, "fieldOn")->setValue(1300);
                              },
                              8.0, 1500, 1500, SynchronousState::Motoring}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FromTheMainWindow, TheEntryAfterTheMotorsOpensOneSynchronousWindow) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        const QList<QAction*> actions = dialog.GetSystemMenu(FALSE)->Menu().actions();
        int motor = -1, synchronous = -1;
        for (int i = 0; i < actions.size(); ++i) {
            if (actions[i]->data().toUInt() == ViewMenuId(View::Motor)) motor = i;
            if (actions[i]->data().toUInt() == ViewMenuId(View::Synchronous)) synchronous = i;
        }
        ASSERT_GE(motor, 0);
        // After the motor and the single-phase motor.
        EXPECT_EQ(synchronous, motor + 2);
        dialog.SendMessage(WM_SYSCOMMAND, ViewMenuId(View::Synchronous));
        auto* window = dialog.findChild<SynchronousWindow*>();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.SendMessage(WM_SYSCOMMAND, ViewMenuId(View::Synchronous));
        EXPECT_EQ(dialog.findChildren<SynchronousWindow*>().size(), 1);
    });
}

}  // namespace
