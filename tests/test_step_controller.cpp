// The step controller driven as a person drives it: clicks on the buttons and the check box, and
// the animation timer's real ticks. After each scenario the step, the mode and the canvas's pixels
// are checked; the canvas must show exactly the frame the headless renderer draws.
#include <string>
#include <vector>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>

#include "test_dialog_support.h"

#include "canvas_widget.h"
#include "field/frame.h"
#include "field_demo_dialog.h"
#include "raster_image.h"
#include "resource.h"
#include "view_frames.h"

namespace {

constexpr UINT_PTR kTimer = CFieldDemoDialog::ANIM_TIMER_ID;

CanvasWidget* Canvas(CFieldDemoDialog& d) {
    return static_cast<CanvasWidget*>(d.GetDlgItem(IDC_CANVAS));
}

// The canvas holds, and paints, the frame of `step` exactly (at the screen's resolution).
void ExpectCanvasShows(CFieldDemoDialog& dialog, int step, bool resultant) {
    CanvasWidget* canvas = Canvas(dialog);
    const double scale = canvas->devicePixelRatioF();
    const QImage expected = RasterFrame({step, 513, 624, resultant, scale});
    EXPECT_TRUE(canvas->Frame() == expected) << "frame held for step " << step;
    const QImage painted = canvas->grab().toImage().convertToFormat(expected.format());
    EXPECT_TRUE(painted == expected) << "pixels painted for step " << step;
}

enum class Op { Start, Stop, Next, Prev, Reset, Check, Ticks };

struct Action {
    Op op;
    int n = 1;  // how often to click; how many ticks to wait for
};

struct Scenario {
    const char* name;
    std::vector<Action> actions;
    int step;
    bool running;
    bool resultant;
    friend void PrintTo(const Scenario& s, std::ostream* os) { *os << s.name; }
};

void Perform(CFieldDemoDialog& dialog, const Action& a) {
    const auto click = [&](int id) {
        for (int i = 0; i < a.n; ++i) Click(dialog.GetDlgItem(id));
    };
    switch (a.op) {
        case Op::Start:
            click(IDC_START);
            break;
        case Op::Stop:
            click(IDC_STOP);
            break;
        case Op::Next:
            click(IDC_NEXT);
            break;
        case Op::Prev:
            click(IDC_PREV);
            break;
        case Op::Reset:
            click(IDC_RESET);
            break;
        case Op::Check:
            click(IDC_SHOW_RESULTANT);
            break;
        case Op::Ticks: {
            // Each tick moves the step on by one, 72 wrapping to 0.
            const int target = (dialog.m_nStep + a.n) % (MAX_STEP + 1);
            ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_nStep == target; }, 1000 + 400 * a.n))
                << "waiting for step " << target << ", at " << dialog.m_nStep;
            break;
        }
    }
}

class StepController : public ::testing::TestWithParam<Scenario> {};

TEST_P(StepController, StepModeAndFrame) {
    const Scenario& s = GetParam();
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        for (const Action& a : s.actions) {
            Perform(dialog, a);
            if (::testing::Test::HasFatalFailure()) return;
        }
        // A running animation may tick while we look; stop it first, remembering the mode.
        const bool running = dialog.HasTimer(kTimer);
        dialog.KillTimer(kTimer);
        EXPECT_EQ(running, s.running);
        EXPECT_EQ(dialog.m_nStep, s.step);
        EXPECT_EQ(dialog.m_bShowResultant != FALSE, s.resultant);
        EXPECT_EQ(qobject_cast<QCheckBox*>(dialog.GetDlgItem(IDC_SHOW_RESULTANT))->isChecked(),
                  s.resultant);
        ExpectCanvasShows(dialog, s.step, s.resultant);
    });
}

// The step rules themselves are the core's (MainStepper, tested on its own): these rows check that
// each button and the timer reach them, that the timer follows the mode, and that the frame
// follows.
const Scenario kScenarios[] = {
    {"NextFromTheStart", {{Op::Next}}, 1, false, true},
    {"PreviousGoesBackOne", {{Op::Next, 5}, {Op::Prev, 2}}, 3, false, true},
    {"StartRunsFromZero", {{Op::Next, 5}, {Op::Start}}, 0, true, true},
    {"TicksAdvanceTheStep", {{Op::Start}, {Op::Ticks, 3}}, 3, true, true},
    {"StartDuringTheAnimationRestarts",
     {{Op::Start}, {Op::Ticks, 3}, {Op::Start}, {Op::Ticks, 1}},
     1,
     true,
     true},
    {"ResetDuringTheAnimationKeepsItRunning",
     {{Op::Start}, {Op::Ticks, 2}, {Op::Reset}, {Op::Ticks, 1}},
     1,
     true,
     true},
    {"StopKeepsTheStep", {{Op::Start}, {Op::Ticks, 2}, {Op::Stop}}, 2, false, true},
    {"NextStopsTheAnimation", {{Op::Start}, {Op::Ticks, 1}, {Op::Next}}, 2, false, true},
    {"ClearingTheCheckBoxHidesTheResultant", {{Op::Next, 4}, {Op::Check}}, 4, false, false},
    {"CheckBoxKeepsTheAnimationRunning",
     {{Op::Start}, {Op::Ticks, 1}, {Op::Check}},
     1,
     true,
     false},
    {"ClearedCheckBoxSurvivesLaterFrames",
     {{Op::Check}, {Op::Next, 3}, {Op::Prev}},
     2,
     false,
     false},
    {"ClearedCheckBoxSurvivesTicks", {{Op::Check}, {Op::Start}, {Op::Ticks, 2}}, 2, true, false},
};

INSTANTIATE_TEST_SUITE_P(Scenarios, StepController, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// Readouts of steps worked out by hand: ωt = 10k degrees, U = cos ωt, V = cos(ωt - 120°),
// W = cos(ωt + 120°).
struct ReadoutRow {
    int nextClicks;
    const char* angle;
    const char* u;
    const char* v;
    const char* w;
    friend void PrintTo(const ReadoutRow& r, std::ostream* os) { *os << r.nextClicks << " clicks"; }
};

class StepReadouts : public ::testing::TestWithParam<ReadoutRow> {};

TEST_P(StepReadouts, ShownInTheFourBoxes) {
    const ReadoutRow& row = GetParam();
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        for (int i = 0; i < row.nextClicks; ++i) Click(dialog.GetDlgItem(IDC_NEXT));
        const auto text = [&](int id) {
            return qobject_cast<QLineEdit*>(dialog.GetDlgItem(id))->text().toStdString();
        };
        EXPECT_EQ(text(IDC_PHASE_ANGLE), row.angle);
        EXPECT_EQ(text(IDC_AMP_U), row.u);
        EXPECT_EQ(text(IDC_AMP_V), row.v);
        EXPECT_EQ(text(IDC_AMP_W), row.w);
        EXPECT_EQ(dialog.m_strPhaseAngle.toStdString(), row.angle);
    });
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StepReadouts,
    ::testing::Values(ReadoutRow{2, "2*π/18=20°", "0.94", "-0.17", "-0.77"},
                      // The stored 10-degree step is a hair above π/18: U is a tiny negative.
                      ReadoutRow{9, "9*π/18=90°", "-0.00", "0.87", "-0.87"}));

// On a HiDPI screen (QT_SCALE_FACTOR=2 in the second run of this suite) the frame is drawn with
// more device pixels, not enlarged.
TEST(CanvasResolution, FrameHasTheScreensDevicePixels) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        Click(dialog.GetDlgItem(IDC_NEXT));
        const CanvasWidget* canvas = Canvas(dialog);
        const qreal ratio = canvas->devicePixelRatioF();
        EXPECT_EQ(canvas->Frame().devicePixelRatio(), ratio);
        EXPECT_EQ(canvas->Frame().size(), QSize(513, 624) * ratio);
    });
}

TEST(StepControllerTiming, TicksComeAboutEveryTwoHundredMilliseconds) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        QElapsedTimer clock;
        Click(dialog.GetDlgItem(IDC_START));
        clock.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_nStep >= 3; }, 5000));
        // Three periods of 200 ms cannot pass in much less than 600 ms.
        EXPECT_GE(clock.elapsed(), 500);
        dialog.KillTimer(kTimer);
    });
}

TEST(StepControllerTiming, StopMeansNoMoreTicks) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        Click(dialog.GetDlgItem(IDC_START));
        ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.m_nStep >= 1; }, 3000));
        Click(dialog.GetDlgItem(IDC_STOP));
        const int stopped = dialog.m_nStep;
        const qint64 frame = Canvas(dialog)->Frame().cacheKey();
        QTest::qWait(600);
        EXPECT_EQ(dialog.m_nStep, stopped);
        EXPECT_EQ(Canvas(dialog)->Frame().cacheKey(), frame) << "Stop draws nothing";
    });
}

TEST(StepControllerTiming, PreviousAtZeroDrawsTheFrameAgain) {
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        Click(dialog.GetDlgItem(IDC_PREV));
        const qint64 before = Canvas(dialog)->Frame().cacheKey();
        Click(dialog.GetDlgItem(IDC_PREV));
        EXPECT_NE(Canvas(dialog)->Frame().cacheKey(), before);
        EXPECT_EQ(dialog.m_nStep, 0);
    });
}

}  // namespace
