// The main window's state, its initialisation, its keyboard and how it closes.
#include <QCheckBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "test_dialog_support.h"

#include "canvas_widget.h"
#include "field/frame.h"
#include "field_demo_dialog.h"
#include "menu.h"
#include "raster_image.h"
#include "resource.h"
#include "resources.h"
#include "view_frames.h"

namespace {

constexpr UINT_PTR kTimer = CFieldDemoDialog::ANIM_TIMER_ID;

QLineEdit* Edit(CFieldDemoDialog& d, int id) { return qobject_cast<QLineEdit*>(d.GetDlgItem(id)); }
QCheckBox* Check(CFieldDemoDialog& d) {
    return qobject_cast<QCheckBox*>(d.GetDlgItem(IDC_SHOW_RESULTANT));
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
  public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

TEST(FieldDemoState, ConstructorLeavesTheExchangedMembersEmpty) {
    CFieldDemoDialog dialog;
    EXPECT_TRUE(dialog.m_strPhaseAngle.isEmpty());
    EXPECT_TRUE(dialog.m_strAmpU.isEmpty());
    EXPECT_TRUE(dialog.m_strAmpV.isEmpty());
    EXPECT_TRUE(dialog.m_strAmpW.isEmpty());
    EXPECT_EQ(dialog.m_bShowResultant, FALSE);
    EXPECT_EQ(dialog.m_fontReadout.GetSafeHandle(), nullptr);
    ASSERT_NE(dialog.m_hIcon, nullptr);
    EXPECT_EQ(dialog.m_hIcon, LoadIcon(IDR_MAINFRAME)) << "the shared application icon";
}

TEST(FieldDemoState, OpensAtStepZeroWithTheResultantTickedAndFocusOnStart) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        EXPECT_EQ(dialog.m_nStep, 0);
        EXPECT_EQ(dialog.m_bShowResultant, TRUE);
        EXPECT_TRUE(Check(dialog)->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(IDC_START));
        EXPECT_FALSE(dialog.HasTimer(kTimer)) << "the animation waits for Start";
    });
}

TEST(FieldDemoState, FirstPaintShowsStepZeroAndItsReadouts) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(50);
        EXPECT_EQ(Edit(dialog, IDC_PHASE_ANGLE)->text().toStdString(), "0*π/18=0°");
        EXPECT_EQ(Edit(dialog, IDC_AMP_U)->text().toStdString(), "1.00");
        EXPECT_EQ(Edit(dialog, IDC_AMP_V)->text().toStdString(), "-0.50");
        EXPECT_EQ(Edit(dialog, IDC_AMP_W)->text().toStdString(), "-0.50");
        const auto* canvas = static_cast<CanvasWidget*>(dialog.GetDlgItem(IDC_CANVAS));
        EXPECT_EQ(canvas->Frame(), RasterFrame({0, 513, 624, true}));
    });
}

TEST(FieldDemoState, ReadoutsUseTwelvePointArial) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        const QFont* font = dialog.m_fontReadout.GetSafeHandle();
        ASSERT_NE(font, nullptr);
        for (const int id : {IDC_PHASE_ANGLE, IDC_AMP_U, IDC_AMP_V, IDC_AMP_W}) {
            SCOPED_TRACE(id);
            const QFont shown = dialog.GetDlgItem(id)->font();
            EXPECT_EQ(shown.family(), "Arial");
            EXPECT_EQ(shown.pointSize(), 12);
            // Arial's metric twin, 16 pixels at 96 dots per inch.
            EXPECT_EQ(QFontInfo(shown).family(), "Liberation Sans");
            EXPECT_EQ(QFontInfo(shown).pixelSize(), 16);
        }
        // Only the four readouts.
        EXPECT_EQ(dialog.GetDlgItem(IDC_START)->font().pointSize(), 9);
        EXPECT_EQ(Check(dialog)->font().pointSize(), 9);
    });
}

TEST(FieldDemoState, WindowIconIsTheApplicationIcon) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        const QList<QSize> sizes = dialog.windowIcon().availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(32, 32)));
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));
        EXPECT_EQ(dialog.windowIcon().pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32),
                  QImage(":/icons/128/32.png").convertToFormat(QImage::Format_ARGB32));
        // The picture shown while the minimized window is dragged.
        EXPECT_EQ(reinterpret_cast<HICON>(dialog.SendMessage(WM_QUERYDRAGICON)), dialog.m_hIcon);
    });
}

TEST(FieldDemoState, WindowMenuEndsWithSeparatorAndAbout) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        CMenu* menu = dialog.GetSystemMenu(FALSE);
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->Menu().actions();
        ASSERT_GE(actions.size(), 2);
        EXPECT_TRUE(actions[actions.size() - 2]->isSeparator());
        EXPECT_EQ(actions.back()->text().toStdString(), "关于 vesk(&A)...");
        EXPECT_EQ(actions.back()->data().toUInt(), IDM_ABOUTBOX);
    });
}

// The five exchanges, both ways.
TEST(FieldDemoState, DataExchangeCopiesTheFiveMembersBothWays) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        dialog.m_strPhaseAngle = "a";
        dialog.m_strAmpU = "u";
        dialog.m_strAmpV = "v";
        dialog.m_strAmpW = "w";
        dialog.m_bShowResultant = FALSE;
        dialog.UpdateData(FALSE);
        EXPECT_EQ(Edit(dialog, IDC_PHASE_ANGLE)->text(), "a");
        EXPECT_EQ(Edit(dialog, IDC_AMP_U)->text(), "u");
        EXPECT_EQ(Edit(dialog, IDC_AMP_V)->text(), "v");
        EXPECT_EQ(Edit(dialog, IDC_AMP_W)->text(), "w");
        EXPECT_FALSE(Check(dialog)->isChecked());

        Edit(dialog, IDC_PHASE_ANGLE)->setText("A");
        Edit(dialog, IDC_AMP_U)->setText("U");
        Edit(dialog, IDC_AMP_V)->setText("V");
        Edit(dialog, IDC_AMP_W)->setText("W");
        Check(dialog)->setChecked(true);
        dialog.UpdateData(TRUE);
        EXPECT_EQ(dialog.m_strPhaseAngle, "A");
        EXPECT_EQ(dialog.m_strAmpU, "U");
        EXPECT_EQ(dialog.m_strAmpV, "V");
        EXPECT_EQ(dialog.m_strAmpW, "W");
        EXPECT_EQ(dialog.m_bShowResultant, TRUE);
    });
}

TEST(FieldDemoState, IdleWindowDoesNotRepaintItself) {
    CFieldDemoDialog dialog;
    PaintCounter counter;
    RunModal(dialog, [&] {
        QTest::qWait(100);
        dialog.installEventFilter(&counter);
        QTest::qWait(400);
        dialog.removeEventFilter(&counter);
        EXPECT_EQ(counter.count, 0);
    });
}

TEST(FieldDemoState, RepaintKeepsTheSelectionInAReadout) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        QLineEdit* edit = Edit(dialog, IDC_AMP_V);
        edit->selectAll();
        dialog.repaint();
        EXPECT_EQ(edit->selectedText().toStdString(), "-0.50");
    });
}

// Tab from the initial focus, and back.
TEST(FieldDemoKeyboard, TabOrderIsTemplateOrder) {
    const int forward[] = {IDC_NEXT,  IDC_RESET, IDC_STOP,           IDC_PHASE_ANGLE, IDC_AMP_U,
                           IDC_AMP_V, IDC_AMP_W, IDC_SHOW_RESULTANT, IDC_PREV,        IDC_START};
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        ASSERT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(IDC_START));
        for (const int id : forward) {
            PressKey(Qt::Key_Tab);
            EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(id)) << "expected " << id;
        }
        for (int i = 8; i >= 0; --i) {
            PressKey(Qt::Key_Backtab);
            EXPECT_EQ(QApplication::focusWidget(), dialog.GetDlgItem(forward[i]));
        }
    });
}

// Enter on a push button clicks it and the run goes on.
struct EnterOnButton {
    const char* name;
    int tabs;  // from Start
    int stepBefore;
    int stepAfter;
    bool running;
    friend void PrintTo(const EnterOnButton& row, std::ostream* os) { *os << row.name; }
};

class FieldDemoEnterOnButton : public ::testing::TestWithParam<EnterOnButton> {};

TEST_P(FieldDemoEnterOnButton, ClicksTheFocusedButton) {
    const EnterOnButton& row = GetParam();
    CFieldDemoDialog dialog;
    const int result = RunModal(dialog, [&] {
        if (row.stepBefore > 0) {
            for (int i = 0; i < row.stepBefore; ++i) Click(dialog.GetDlgItem(IDC_NEXT));
            dialog.GetDlgItem(IDC_START)->setFocus();
        }
        for (int i = 0; i < row.tabs; ++i) PressKey(Qt::Key_Tab);
        PressKey(Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.m_nStep, row.stepAfter);
        EXPECT_EQ(dialog.HasTimer(kTimer), row.running);
    });
    EXPECT_EQ(result, -1) << "the run went on until the test ended it";
}

INSTANTIATE_TEST_SUITE_P(Buttons, FieldDemoEnterOnButton,
                         ::testing::Values(EnterOnButton{"StartRightAfterOpening", 0, 0, 0, true},
                                           EnterOnButton{"Next", 1, 3, 4, false},
                                           EnterOnButton{"Reset", 2, 3, 0, false},
                                           EnterOnButton{"Stop", 3, 3, 3, false},
                                           EnterOnButton{"Previous", 9, 3, 2, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// Enter anywhere else ends the run as OK, after copying the controls into the members.
struct EnterElsewhere {
    const char* name;
    int tabs;  // from Start
    friend void PrintTo(const EnterElsewhere& row, std::ostream* os) { *os << row.name; }
};

class FieldDemoEnterElsewhere : public ::testing::TestWithParam<EnterElsewhere> {};

TEST_P(FieldDemoEnterElsewhere, EndsTheRunAsOk) {
    CFieldDemoDialog dialog;
    const int result = RunModal(dialog, [&] {
        for (int i = 0; i < GetParam().tabs; ++i) PressKey(Qt::Key_Tab);
        // Changed behind the members' back, and read back by OK before any frame rewrites them.
        Edit(dialog, IDC_AMP_W)->setText("typed");
        Check(dialog)->setChecked(false);
        PressKey(Qt::Key_Return);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.m_strAmpW, "typed");
    EXPECT_EQ(dialog.m_bShowResultant, FALSE);
}

INSTANTIATE_TEST_SUITE_P(Controls, FieldDemoEnterElsewhere,
                         ::testing::Values(EnterElsewhere{"PhaseAngleBox", 4},
                                           EnterElsewhere{"AmplitudeUBox", 5},
                                           EnterElsewhere{"AmplitudeWBox", 7},
                                           EnterElsewhere{"CheckBox", 8}),
                         [](const auto& info) { return std::string(info.param.name); });

// Esc, the close box and the window menu's close end the run as Cancel, the animation stopped.
struct Ending {
    const char* name;
    std::function<void(CFieldDemoDialog&)> act;
    friend void PrintTo(const Ending& row, std::ostream* os) { *os << row.name; }
};

class FieldDemoEnding : public ::testing::TestWithParam<Ending> {};

TEST_P(FieldDemoEnding, StopsTheAnimationAndCancels) {
    CFieldDemoDialog dialog;
    int stepAtEnd = -1;
    const int result = RunModal(dialog, [&] {
        Click(dialog.GetDlgItem(IDC_START));
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_nStep >= 1; }, 3000));
        GetParam().act(dialog);
        EXPECT_FALSE(dialog.isVisible());
        stepAtEnd = dialog.m_nStep;
    });
    EXPECT_EQ(result, IDCANCEL);
    // Stopped on closing, or at the latest when the window was destroyed.
    EXPECT_FALSE(dialog.HasTimer(kTimer));
    EXPECT_EQ(dialog.m_fontReadout.GetSafeHandle(), nullptr) << "the font was let go";
    QTest::qWait(500);
    EXPECT_EQ(dialog.m_nStep, stepAtEnd) << "no tick after the window closed";
}

INSTANTIATE_TEST_SUITE_P(
    Ways, FieldDemoEnding,
    ::testing::Values(Ending{"Escape", [](CFieldDemoDialog&) { PressKey(Qt::Key_Escape); }},
                      Ending{"CloseBox", [](CFieldDemoDialog& d) { d.close(); }},
                      Ending{"EscapeInAReadout",
                             [](CFieldDemoDialog& d) {
                                 d.GetDlgItem(IDC_AMP_U)->setFocus();
                                 PressKey(Qt::Key_Escape);
                             }},
                      Ending{"CloseCommand",
                             [](CFieldDemoDialog& d) { d.SendMessage(WM_SYSCOMMAND, SC_CLOSE); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FieldDemoLifecycle, MinimizedWindowKeepsAnimatingAndShowsTheStepWhenRestored) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        Click(dialog.GetDlgItem(IDC_START));
        dialog.SendMessage(WM_SYSCOMMAND, SC_MINIMIZE);
        EXPECT_TRUE(dialog.IsIconic());
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_nStep >= 2; }, 3000));
        dialog.KillTimer(kTimer);
        dialog.showNormal();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QTest::qWait(50);
        const auto* canvas = static_cast<CanvasWidget*>(dialog.GetDlgItem(IDC_CANVAS));
        EXPECT_EQ(canvas->Frame(), RasterFrame({dialog.m_nStep, 513, 624, true}));
    });
}

TEST(FieldDemoLifecycle, MinimizedWindowPaintsTheIconCentred) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        dialog.showMinimized();
        ASSERT_TRUE(dialog.IsIconic());
        // The window itself, without its controls (a minimized window shows none).
        QImage shown(dialog.size(), QImage::Format_RGB32);
        shown.fill(Qt::magenta);
        dialog.render(&shown, QPoint(), QRegion(), QWidget::DrawWindowBackground);
        // The icon's ring crosses the top of its 32x32 box at the middle column: black there,
        // inside a window-coloured background. Centre: ((993-32+1)/2, (645-32+1)/2).
        const QPoint origin((993 - 32 + 1) / 2, (645 - 32 + 1) / 2);
        EXPECT_EQ(shown.pixel(origin + QPoint(16, 1)), qRgb(0, 0, 0));
        EXPECT_EQ(shown.pixel(origin + QPoint(16, 3)), qRgb(255, 0, 0)) << "top disc, red";
        EXPECT_EQ(shown.pixel(origin + QPoint(16, 6)), qRgb(255, 255, 255)) << "its white centre";
        EXPECT_EQ(shown.pixel(10, 10), dialog.palette().window().color().rgb());
        dialog.showNormal();
    });
}

}  // namespace

namespace {

// A screen reader hears what every control is and does, and what the picture shows at each step.
TEST(FieldDemoAccessibility, ControlsAreNamedAndTheCanvasDescribesItsFrame) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        for (const int id :
             {IDC_CANVAS, IDC_START, IDC_STOP, IDC_NEXT, IDC_PREV, IDC_RESET, IDC_SHOW_RESULTANT,
              IDC_PHASE_ANGLE, IDC_AMP_U, IDC_AMP_V, IDC_AMP_W}) {
            EXPECT_FALSE(dialog.GetDlgItem(id)->accessibleName().isEmpty()) << id;
            EXPECT_FALSE(dialog.GetDlgItem(id)->accessibleDescription().isEmpty()) << id;
        }
        QWidget* canvas = dialog.GetDlgItem(IDC_CANVAS);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !Edit(dialog, IDC_AMP_U)->text().isEmpty(); }));
        EXPECT_EQ(canvas->accessibleDescription().toStdString(),
                  "第 0 步，ωt = 0°。U 相 1.00，V 相 -0.50，W 相 -0.50。合成磁动势指向 0°（从 U "
                  "相轴线逆时针量起）。");
        for (int i = 0; i < 9; ++i) Click(dialog.GetDlgItem(IDC_NEXT));
        EXPECT_EQ(canvas->accessibleDescription().toStdString(),
                  "第 9 步，ωt = 90°。U 相 -0.00，V 相 0.87，W 相 -0.87。合成磁动势指向 90°（从 U "
                  "相轴线逆时针量起）。");
    });
}

}  // namespace
