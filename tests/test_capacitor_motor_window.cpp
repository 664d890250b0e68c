// The single-phase motor's window as a lecturer uses it: each control reaches the frame, a control
// for what the kind has not is disabled exactly where the table of views refuses it, a start from
// rest opens the switch on time, and the window opens from the main window's menu between the
// motor and the synchronous machine.
#include <functional>

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QMenu>
#include <QPushButton>

#include "test_dialog_support.h"

#include "canvas_widget.h"
#include "capacitor_motor_window.h"
#include "draw/trace_dc.h"
#include "field_demo_dialog.h"
#include "menu.h"
#include "raster_image.h"
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

// The machine with nothing held or reversed but what is given.
CapacitorMotorConfig Machine(CapacitorMotorKind kind, std::optional<double> start,
                             std::optional<double> run, bool reverse = false,
                             SwitchSetting held = SwitchSetting::Automatic) {
    return {kind, start, run, reverse, held};
}

// The kinds in the box's order, as the window's form lists them.
enum KindRow { kSplitPhase, kCapacitorStart, kPermanentCapacitor, kTwoValue, kMainOnly };

struct Change {
    const char* name;
    std::function<void(QWidget&)> act;
    std::function<void(CapacitorMotorSettings&)> expect;  // on the window's first settings
    friend void PrintTo(const Change& row, std::ostream* os) { *os << row.name; }
};

class Controls : public ::testing::TestWithParam<Change> {};

TEST_P(Controls, ReachTheSettingsAndTheFrame) {
    CapacitorMotorWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    CapacitorMotorSettings expected = std::get<CapacitorMotorSettings>(w.Settings());
    GetParam().act(w);
    GetParam().expect(expected);
    EXPECT_EQ(std::get<CapacitorMotorSettings>(w.Settings()), expected);
    EXPECT_TRUE(Find<CanvasWidget>(w, "canvas")->Frame() ==
                RasterViewFrame(w.Settings(), w.Canvas()));
}

const auto kKind = [](int row) {
    return [row](QWidget& w) { Find<QComboBox>(w, "kind")->setCurrentIndex(row); };
};

INSTANTIATE_TEST_SUITE_P(
    Window, Controls,
    ::testing::Values(
        Change{"SplitPhaseDropsTheStartCapacitor", kKind(kSplitPhase),
               [](auto& s) {
                   s.config = Machine(CapacitorMotorKind::SplitPhase, std::nullopt, std::nullopt);
               }},
        Change{"TwoValueTakesBothCapacitors",
               [](QWidget& w) {
                   kKind(kTwoValue)(w);
                   Find<QDoubleSpinBox>(w, "runCapacitor")->setValue(40);
                   Find<QDoubleSpinBox>(w, "startCapacitor")->setValue(220);
               },
               [](auto& s) { s.config = Machine(CapacitorMotorKind::TwoValue, 220, 40); }},
        Change{"SwitchHeldOpen",
               [](QWidget& w) { Find<QComboBox>(w, "switchSetting")->setCurrentIndex(2); },
               [](auto& s) {
                   s.config = Machine(CapacitorMotorKind::CapacitorStart, 150, std::nullopt, false,
                                      SwitchSetting::Open);
               }},
        Change{"AuxiliaryReversed", [](QWidget& w) { Tick(Find<QCheckBox>(w, "reverseAux")); },
               [](auto& s) {
                   s.config = Machine(CapacitorMotorKind::CapacitorStart, 150, std::nullopt, true);
               }},
        // Reversed, then main-only: nothing left to reverse, and no capacitor or switch.
        Change{"MainOnlyLeavesTheReversalOut",
               [](QWidget& w) {
                   Tick(Find<QCheckBox>(w, "reverseAux"));
                   kKind(kMainOnly)(w);
               },
               [](auto& s) {
                   s.config = Machine(CapacitorMotorKind::MainOnly, std::nullopt, std::nullopt);
               }},
        Change{"LoadAndInertia",
               [](QWidget& w) {
                   Find<QDoubleSpinBox>(w, "load")->setValue(3.5);
                   Find<QDoubleSpinBox>(w, "inertia")->setValue(0.25);
               },
               [](auto& s) {
                   s.load = 3.5;
                   s.inertia = 0.25;
               }}),
    [](const auto& info) { return std::string(info.param.name); });

// For every kind, each of its own controls is enabled just where the table takes the parameter
// with that kind: the window offers nothing vesk-render would refuse.
TEST(Refusals, AControlIsEnabledWhereTheTableTakesItsParameter) {
    CapacitorMotorWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    const struct {
        const char* control;
        TextValue value;
    } controls[] = {{"startCapacitor", {"start-capacitor", "100"}},
                    {"runCapacitor", {"run-capacitor", "30"}},
                    {"reverseAux", {"reverse-aux", "1"}},
                    {"switchSetting", {"switch", "open"}}};
    auto* kind = Find<QComboBox>(w, "kind");
    const std::span<const std::string_view> names =
        FindParam(Describe(View::CapacitorMotor), "kind")->choices;
    ASSERT_EQ(kind->count(), static_cast<int>(names.size()));
    for (int row = 0; row < kind->count(); ++row) {
        kind->setCurrentIndex(row);
        const std::string name(names[static_cast<std::size_t>(row)]);
        EXPECT_EQ(std::get<CapacitorMotorSettings>(w.Settings()).config.kind,
                  *FindCapacitorMotorKind(name));
        for (const auto& c : controls) {
            SCOPED_TRACE(name + " " + c.control);
            const bool taken =
                SettingsFromTexts(View::CapacitorMotor, {{"kind", name}, c.value}, false)
                    .error.empty();
            EXPECT_EQ(Find<QWidget>(w, c.control)->isEnabled(), taken);
        }
    }
}

struct StartUp {
    const char* name;
    std::function<void(CapacitorMotorWindow&)> set;
    double seconds;
    const char* speed;
    SwitchState state;
    friend void PrintTo(const StartUp& row, std::ostream* os) { *os << row.name; }
};

class StartsFromRest : public ::testing::TestWithParam<StartUp> {};

TEST_P(StartsFromRest, TheSwitchOpensOnTime) {
    CapacitorMotorWindow w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    Find<QDoubleSpinBox>(w, "load")->setValue(2);
    Find<QDoubleSpinBox>(w, "inertia")->setValue(0.1);
    GetParam().set(w);
    Click(Find<QPushButton>(w, "start"));
    // The clock stopped and moved on by hand, so that the run is exact.
    Click(Find<QPushButton>(w, "playPause"));
    ASSERT_FALSE(w.Stepper().Playing());
    w.Advance(GetParam().seconds);
    TraceDc dc;
    const CapacitorMotorReadouts r = DrawCapacitorMotorFrame(w.Inputs(), dc).readouts;
    EXPECT_EQ(r.speed, GetParam().speed);
    EXPECT_EQ(r.switchState, GetParam().state);
}

// An independent RK4 run at 1 ms with J = 0.1 kg·m² and a 2 N·m fan: 895 rpm at 0.4 s, the
// switch open at 0.491 s, 1137 rpm at 0.5 s; ten times slower, 0.5 s of the lecture is 0.05 s.
INSTANTIATE_TEST_SUITE_P(
    Window, StartsFromRest,
    ::testing::Values(StartUp{"ClosedBelowItsSpeed", [](auto&) {}, 0.4, "895", SwitchState::Closed},
                      StartUp{"OpenPastIt", [](auto&) {}, 0.5, "1137", SwitchState::Open},
                      StartUp{"SlowedTenTimes",
                              [](CapacitorMotorWindow& w) { Tick(Find<QCheckBox>(w, "slow")); },
                              5.0, "1137", SwitchState::Open}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FromTheMainWindow, TheEntryBetweenTheMotorAndTheSynchronousMachineOpensOneWindow) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        const QList<QAction*> actions = dialog.GetSystemMenu(FALSE)->Menu().actions();
        int motor = -1, singlePhase = -1, synchronous = -1;
        for (int i = 0; i < actions.size(); ++i) {
            const unsigned id = actions[i]->data().toUInt();
            if (id == ViewMenuId(View::Motor)) motor = i;
            if (id == ViewMenuId(View::CapacitorMotor)) singlePhase = i;
            if (id == ViewMenuId(View::Synchronous)) synchronous = i;
        }
        ASSERT_GE(motor, 0);
        EXPECT_EQ(singlePhase, motor + 1);
        EXPECT_EQ(synchronous, motor + 2);
        dialog.SendMessage(WM_SYSCOMMAND, ViewMenuId(View::CapacitorMotor));
        auto* window = dialog.findChild<CapacitorMotorWindow*>();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.SendMessage(WM_SYSCOMMAND, ViewMenuId(View::CapacitorMotor));
        EXPECT_EQ(dialog.findChildren<CapacitorMotorWindow*>().size(), 1);
    });
}

}  // namespace
