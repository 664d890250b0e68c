// The windings window through its widgets: presets and winding controls offering only valid
// choices, the step buttons, the frame vesk-render draws, and the main window's menu entry.
#include <functional>

#include <QComboBox>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>

#include "test_dialog_support.h"

#include "canvas_widget.h"
#include "field_demo_dialog.h"
#include "menu.h"
#include "resource.h"
#include "view_frames.h"
#include "view_windows.h"
#include "windings_window.h"
#include "view_frames.h"

namespace {

template <typename T>
T* Find(QWidget& w, const char* name) {
    T* child = w.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void ShowAndWait(WindingsWindow& w) {
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
}

// Picks the entry `index` of a box with the keyboard, as a lecturer would.
void Pick(WindingsWindow& w, const char* box, int index) {
    QComboBox* combo = Find<QComboBox>(w, box);
    combo->setFocus();
    PressKey(Qt::Key_Home);
    for (int i = 0; i < index; ++i) PressKey(Qt::Key_Down);
}

TEST(WindingsWindow, APresetShowsWhatVeskRenderDraws) {
    WindingsWindow w;
    ShowAndWait(w);
    Pick(w, "preset", 2);
    Click(Find<QPushButton>(w, "next"));
    Click(Find<QPushButton>(w, "next"));
    EXPECT_EQ(w.Inputs().winding, (Winding{4, 36, 2, 7}));
    EXPECT_EQ(Find<QComboBox>(w, "pitch")->currentText().toStdString(), "7/9");

    auto* canvas = Find<CanvasWidget>(w, "canvas");
    QTemporaryDir dir;
    const QString png = dir.filePath("w.png");
    QProcess render;
    render.start(VESK_RENDER_PATH,
                 {"--view", "winding", "--preset", "4-pole-short", "--step", "2", "--size",
                  QString("%1x%2").arg(canvas->width()).arg(canvas->height()), "-o", png});
    ASSERT_TRUE(render.waitForFinished(30000));
    ASSERT_EQ(render.exitCode(), 0) << render.readAllStandardError().toStdString();
    EXPECT_TRUE(canvas->Frame() == QImage(png).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(canvas->accessibleDescription().contains("1500 r/min"))
        << canvas->accessibleDescription().toStdString();
}

struct ControlCase {
    const char* name;
    int preset;  // the preset chosen first
    const char* box;
    int index;
    Winding winding;
    int presetShown;  // 4: custom
    int pitches;      // the pitches offered
};

class Controls : public ::testing::TestWithParam<ControlCase> {};

TEST_P(Controls, OfferOnlyValidWindings) {
    const ControlCase& c = GetParam();
    WindingsWindow w;
    ShowAndWait(w);
    Pick(w, "preset", c.preset);
    Pick(w, c.box, c.index);
    EXPECT_EQ(w.Inputs().winding, c.winding);
    EXPECT_EQ(Find<QComboBox>(w, "preset")->currentIndex(), c.presetShown);
    EXPECT_EQ(Find<QComboBox>(w, "pitch")->count(), c.pitches);
    EXPECT_EQ(Find<QComboBox>(w, "slotCount")->itemText(3).toInt(), 12 * c.winding.poles);
    EXPECT_TRUE(Find<CanvasWidget>(w, "canvas")->Frame() == RasterWindingFrame(w.Inputs()));
}

INSTANTIATE_TEST_SUITE_P(
    Lecture, Controls,
    ::testing::Values(
        // New poles keep q = 1: 4 poles of 12 slots, full pitch.
        ControlCase{"PolesKeepQ", 0, "poles", 1, {4, 12, 1, 3}, 4, 1},
        // Two layers offer pitches 1..3 and keep the full one.
        ControlCase{"TwoLayers", 0, "layers", 1, {2, 6, 2, 3}, 4, 3},
        ControlCase{"ShortPitch", 3, "pitch", 7, {2, 24, 2, 8}, 4, 12},
        // New slots bring the full pitch of their tau.
        ControlCase{"Slots", 2, "slotCount", 3, {4, 48, 2, 12}, 4, 12},
        // One layer is full-pitch: 4 poles, 36 slots, full pitch is a preset again.
        ControlCase{"OneLayer", 2, "layers", 0, {4, 36, 1, 9}, 1, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindingsWindow, StepButtonsWrapRoundOnePeriod) {
    WindingsWindow w;
    ShowAndWait(w);
    Click(Find<QPushButton>(w, "previous"));
    EXPECT_EQ(w.Stepper().Step(), 35);
    EXPECT_EQ(Find<QSlider>(w, "angle")->value(), 35);
    Click(Find<QPushButton>(w, "next"));
    EXPECT_EQ(w.Stepper().Step(), 0);
}

QMenu* OpenPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }

TEST(FromTheMainWindow, TheMenuEntryAfterTheExplorerOpensOneWindingsWindow) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        const QList<QAction*> actions = dialog.GetSystemMenu(FALSE)->Menu().actions();
        int explorer = -1, windings = -1;
        for (int i = 0; i < actions.size(); ++i) {
            if (actions[i]->data().toUInt() == IDM_EXPLORER) explorer = i;
            if (actions[i]->data().toUInt() == ViewMenuId(View::Winding)) windings = i;
        }
        ASSERT_GE(explorer, 0);
        EXPECT_EQ(windings, explorer + 1);
        WhenOpen(OpenPopup, [&](QWidget* popup) {
            auto* menu = qobject_cast<QMenu*>(popup);
            QTest::mouseClick(menu, Qt::LeftButton, {},
                              menu->actionGeometry(menu->actions()[windings]).center());
        });
        PressKey(Qt::Key_Menu);
        auto* window = dialog.findChild<WindingsWindow*>();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        Click(Find<QPushButton>(*window, "next"));
        EXPECT_EQ(window->Stepper().Step(), 1);
        dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
        dialog.SendMessage(WM_SYSCOMMAND, ViewMenuId(View::Winding));
        EXPECT_EQ(dialog.findChildren<WindingsWindow*>().size(), 1);
    });
}

}  // namespace
